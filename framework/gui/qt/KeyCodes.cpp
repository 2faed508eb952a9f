#include "gui/qt/KeyCodes_p.h"

#include <array>

namespace fw {

namespace {

struct KeyPair {
    int qt;
    unsigned vk;
};

constexpr std::array kNamedKeys{
    KeyPair{Qt::Key_Backspace, VK_BACK}, KeyPair{Qt::Key_Tab, VK_TAB},       KeyPair{Qt::Key_Backtab, VK_TAB},
    KeyPair{Qt::Key_Return, VK_RETURN},  KeyPair{Qt::Key_Enter, VK_RETURN},  KeyPair{Qt::Key_Shift, VK_SHIFT},
    KeyPair{Qt::Key_Control, VK_CONTROL}, KeyPair{Qt::Key_Alt, VK_MENU},     KeyPair{Qt::Key_Escape, VK_ESCAPE},
    KeyPair{Qt::Key_Space, VK_SPACE},    KeyPair{Qt::Key_PageUp, VK_PRIOR},  KeyPair{Qt::Key_PageDown, VK_NEXT},
    KeyPair{Qt::Key_End, VK_END},        KeyPair{Qt::Key_Home, VK_HOME},     KeyPair{Qt::Key_Left, VK_LEFT},
    KeyPair{Qt::Key_Up, VK_UP},          KeyPair{Qt::Key_Right, VK_RIGHT},   KeyPair{Qt::Key_Down, VK_DOWN},
    KeyPair{Qt::Key_Insert, VK_INSERT},  KeyPair{Qt::Key_Delete, VK_DELETE}, KeyPair{Qt::Key_Menu, VK_APPS},
};

}  // namespace

unsigned VirtualKeyOf(int qtKey)
{
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return static_cast<unsigned>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return VK_F1 + static_cast<unsigned>(qtKey - Qt::Key_F1);
    for (const KeyPair& pair : kNamedKeys) {
        if (pair.qt == qtKey)
            return pair.vk;
    }
    return 0;
}

KeyMessage ToKeyMessage(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers mods = key.modifiers();
    KeyMessage message;
    message.vk = VirtualKeyOf(key.key());
    message.repeat = key.isAutoRepeat();
    message.system = mods.testFlag(Qt::AltModifier);
    message.shift = mods.testFlag(Qt::ShiftModifier);
    message.control = mods.testFlag(Qt::ControlModifier);
    return message;
}

unsigned MouseFlags(const QMouseEvent& event)
{
    unsigned flags = 0;
    flags |= event.buttons().testFlag(Qt::LeftButton) ? MK_LBUTTON : 0;
    flags |= event.buttons().testFlag(Qt::RightButton) ? MK_RBUTTON : 0;
    flags |= event.modifiers().testFlag(Qt::ShiftModifier) ? MK_SHIFT : 0;
    flags |= event.modifiers().testFlag(Qt::ControlModifier) ? MK_CONTROL : 0;
    return flags;
}

}  // namespace fw
