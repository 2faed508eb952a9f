// What the framework tells assistive technology (screen readers, through
// Qt's accessibility bridge) about its own widgets. Qt knows its buttons and
// edits; our statics, frames, progress bar and spin arrows are plain widgets
// that it would present as nameless panels.
#pragma once

#include <string>
#include <vector>

class QObject;
class QWidget;

namespace fw {

struct ControlRecord;

// Registers the framework's accessibility factory with Qt; once is enough.
void InstallAccessibility();

// Names every edit of a dialog after the labels on its row (FieldNames).
void NameFields(const std::vector<ControlRecord>& controls, const std::vector<std::string>& names);

// Tells a listening screen reader that a widget's name or value changed;
// nothing when none listens.
void AnnounceNameChange(QObject* object);
void AnnounceValueChange(QObject* object, int value);

// A drawn area given its text with SetAccessibleText reads as static text.
void MarkReadsAsText(QWidget& widget);
bool ReadsAsText(const QWidget& widget);

}  // namespace fw
