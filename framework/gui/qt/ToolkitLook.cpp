// A dark desktop (a GTK or Plasma dark scheme reaching Qt through its
// platform theme) would hand every window a dark palette, and the navy
// texts the program draws would sit on dark grey, nearly invisible. Like
// classic dialogs on Windows in its own dark mode, the windows keep the
// light dialog colours instead: a fixed style and a fixed palette, the same
// pixels on every desktop. Fonts, icons and input settings still follow
// the desktop.
#include "gui/qt/ToolkitLook_p.h"

#include <QApplication>
#include <QStyleHints>

namespace fw {

namespace {

struct RoleColours {
    QPalette::ColorRole role;
    QRgb enabled;    // active and inactive windows alike
    QRgb disabled;
};

constexpr RoleColours kLightDialogColours[] = {
    {QPalette::WindowText, 0xff000000, 0xffbebebe},
    {QPalette::Button, 0xffefefef, 0xffefefef},
    {QPalette::Light, 0xffffffff, 0xffffffff},
    {QPalette::Midlight, 0xffcacaca, 0xffcacaca},
    {QPalette::Dark, 0xff9f9f9f, 0xffbebebe},
    {QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8},
    {QPalette::Text, 0xff000000, 0xffbebebe},
    {QPalette::BrightText, 0xffffffff, 0xffffffff},
    {QPalette::ButtonText, 0xff000000, 0xffbebebe},
    {QPalette::Base, 0xffffffff, 0xffefefef},
    {QPalette::Window, 0xffefefef, 0xffefefef},
    {QPalette::Shadow, 0xff767676, 0xffb1b1b1},
    {QPalette::Highlight, 0xff308cc6, 0xff919191},
    {QPalette::HighlightedText, 0xffffffff, 0xffffffff},
    {QPalette::Link, 0xff0000ff, 0xff0000ff},
    {QPalette::LinkVisited, 0xffff00ff, 0xffff00ff},
    {QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7},
    {QPalette::ToolTipBase, 0xffffffdc, 0xffffffdc},
    {QPalette::ToolTipText, 0xff000000, 0xff000000},
    {QPalette::PlaceholderText, 0x80000000, 0x80000000},
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    {QPalette::Accent, 0xff308cc6, 0xff919191},
#endif
};

}  // namespace

QPalette LightDialogPalette()
{
    QPalette palette;
    for (const RoleColours& colours : kLightDialogColours) {
        palette.setColor(QPalette::Active, colours.role, QColor::fromRgba(colours.enabled));
        palette.setColor(QPalette::Inactive, colours.role, QColor::fromRgba(colours.enabled));
        palette.setColor(QPalette::Disabled, colours.role, QColor::fromRgba(colours.disabled));
    }
    return palette;
}

void InstallFixedLook()
{
    // Fusion is built into Qt, so it is there on every machine; a platform
    // theme would otherwise pick a style of its own (Breeze, a GTK look).
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The style first: setting a style may hand out its own palette.
    QApplication::setPalette(LightDialogPalette());
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Newer Qt lets styles draw by the scheme as well as by the palette.
    QGuiApplication::styleHints()->setColorScheme(Qt::ColorScheme::Light);
#endif
}

}  // namespace fw
