#include "gui/win32/DialogTemplateBuilder.h"

// The platform's own style macros stand in for fw::style here (same values).
#include <windows.h>

#include <charconv>
#include <cstring>
#include <string>

#include "core/win32/WideText.h"

namespace fw::win32 {

namespace {

constexpr WORD kOrdinalMark = 0xFFFF;
constexpr BYTE kShiftJisCharset = 128;

// Appends WORDs and DWORDs to a byte buffer, padding where the layout asks.
class TemplateWriter {
public:
    void Word(WORD value) { Raw(&value, sizeof value); }
    void Dword(DWORD value) { Raw(&value, sizeof value); }
    void Short(short value) { Raw(&value, sizeof value); }
    void Byte(BYTE value) { Raw(&value, sizeof value); }
    void Text(std::string_view utf8)
    {
        const std::wstring wide = WideFromUtf8(utf8);
        Raw(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    }
    void Ordinal(WORD value)
    {
        Word(kOrdinalMark);
        Word(value);
    }
    void AlignToDword()
    {
        while (m_bytes.size() % 4 != 0)
            m_bytes.push_back(0);
    }
    std::vector<std::uint32_t> Finish()
    {
        AlignToDword();
        std::vector<std::uint32_t> words(m_bytes.size() / 4);
        std::memcpy(words.data(), m_bytes.data(), m_bytes.size());
        return words;
    }

private:
    void Raw(const void* data, std::size_t size)
    {
        const auto* bytes = static_cast<const unsigned char*>(data);
        m_bytes.insert(m_bytes.end(), bytes, bytes + size);
    }

    std::vector<unsigned char> m_bytes;
};

void WriteClass(TemplateWriter& out, ControlClass cls)
{
    switch (cls) {
    case ControlClass::Button: out.Ordinal(0x0080); return;
    case ControlClass::Edit: out.Ordinal(0x0081); return;
    case ControlClass::Static: out.Ordinal(0x0082); return;
    case ControlClass::Progress: out.Text("msctls_progress32"); return;
    case ControlClass::UpDown: out.Text("msctls_updown32"); return;
    }
}

void WriteTitle(TemplateWriter& out, const ControlTemplate& control)
{
    int icon = 0;
    const auto text = control.text;
    if (IsIconStatic(control) &&
        std::from_chars(text.data(), text.data() + text.size(), icon).ec == std::errc{}) {
        out.Ordinal(static_cast<WORD>(icon));
        return;
    }
    out.Text(text);
}

// Every edit scrolls sideways, as on the other back end: refusing a key
// because the text would outgrow the box depends on the font, and a year
// typed into a box its digits overfill would lose its last digit.
DWORD ScrollsSideways(const ControlTemplate& control)
{
    return control.cls == ControlClass::Edit ? ES_AUTOHSCROLL : 0;
}

void WriteControl(TemplateWriter& out, const ControlTemplate& control)
{
    out.AlignToDword();
    out.Dword(0);   // help id
    out.Dword(0);   // extended style
    out.Dword(control.style | WS_CHILD | WS_VISIBLE | ScrollsSideways(control));
    out.Short(static_cast<short>(control.x));
    out.Short(static_cast<short>(control.y));
    out.Short(static_cast<short>(control.cx));
    out.Short(static_cast<short>(control.cy));
    out.Dword(static_cast<DWORD>(control.id));   // kNoId becomes 0xFFFFFFFF, "no id"
    WriteClass(out, control.cls);
    WriteTitle(out, control);
    out.Word(0);    // no creation data
}

void WriteHeader(TemplateWriter& out, const DialogTemplate& dialog)
{
    const bool font = !dialog.fontFace.empty();
    out.Word(1);        // version
    out.Word(0xFFFF);   // extended template
    out.Dword(0);       // help id
    out.Dword(dialog.exStyle);
    out.Dword(dialog.style | (font ? DS_SETFONT : 0));
    out.Word(static_cast<WORD>(dialog.controls.size()));
    out.Short(static_cast<short>(dialog.x));
    out.Short(static_cast<short>(dialog.y));
    out.Short(static_cast<short>(dialog.cx));
    out.Short(static_cast<short>(dialog.cy));
    out.Word(0);        // no menu
    out.Word(0);        // the dialog class
    out.Text(dialog.caption);
    if (!font)
        return;
    out.Word(static_cast<WORD>(dialog.fontPointSize));
    out.Word(FW_NORMAL);
    out.Byte(FALSE);    // not italic
    out.Byte(kShiftJisCharset);
    out.Text(dialog.fontFace);
}

}  // namespace

bool IsIconStatic(const ControlTemplate& control)
{
    return control.cls == ControlClass::Static &&
           (control.style & SS_TYPEMASK) == SS_ICON;
}

std::vector<std::uint32_t> BuildDialogTemplate(const DialogTemplate& dialog)
{
    TemplateWriter out;
    WriteHeader(out, dialog);
    for (const ControlTemplate& control : dialog.controls)
        WriteControl(out, control);
    return out.Finish();
}

}  // namespace fw::win32
