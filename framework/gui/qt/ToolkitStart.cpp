// Qt meets a missing display with a few lines of its own and a fatal error:
// advice to reinstall the program, and an abort with a core dump. Here the
// notes of the start are held back while Qt starts, and the fatal error
// becomes one line and exit status 1. Nothing has been shown or saved by
// then, so the process ends at once, without running exit handlers over a
// half-made application object.
#include "gui/qt/ToolkitStart_p.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace fw {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

struct StartNotes {
    std::mutex lock;
    std::vector<HeldMessage> held;
    const char* programName = "";
};

StartNotes& Notes()
{
    static StartNotes notes;
    return notes;
}

QByteArray FirstCause(const std::vector<HeldMessage>& held)
{
    for (const HeldMessage& message : held) {
        const QByteArray cause = message.text.simplified().toLocal8Bit();
        if (!cause.isEmpty())
            return cause;
    }
    return {};
}

[[noreturn]] void SayNoDisplayAndExit()
{
    StartNotes& notes = Notes();
    const QByteArray cause = FirstCause(notes.held);
    std::fprintf(stderr, "%s: cannot open a window: no display could be reached%s%s%s\n", notes.programName,
                 cause.isEmpty() ? "" : " (", cause.constData(), cause.isEmpty() ? "" : ")");
    std::fflush(stderr);
    std::_Exit(1);
}

void HoldStartNote(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    StartNotes& notes = Notes();
    std::lock_guard guard(notes.lock);
    if (type == QtFatalMsg)
        SayNoDisplayAndExit();
    notes.held.push_back({type, context.file, context.line, context.function, context.category, text});
}

const char* OrNull(const QByteArray& bytes)
{
    return bytes.isNull() ? nullptr : bytes.constData();
}

void PassOnHeldNotes()
{
    StartNotes& notes = Notes();
    std::vector<HeldMessage> held;
    {
        std::lock_guard guard(notes.lock);
        held.swap(notes.held);
    }
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(OrNull(message.file), message.line, OrNull(message.function),
                                         OrNull(message.category));
        qt_message_output(message.type, context, message.text);
    }
}

}  // namespace

QApplication* StartToolkitOrExit(int& argc, char** argv, const char* programName)
{
    Notes().programName = programName;
    const QtMessageHandler previous = qInstallMessageHandler(HoldStartNote);
    auto* application = new QApplication(argc, argv);
    qInstallMessageHandler(previous);
    PassOnHeldNotes();
    return application;
}

}  // namespace fw
