// Drawing contexts on GDI. Shapes come from common/DcShapes.cpp as fills of
// device pixels; the fonts the program selects are descriptions, and each
// text call makes the GDI font it needs, selects it for that call only and
// deletes it, so no GDI object outlives a call. Coordinates are logical
// pixels, scaled to the device pixels of the window drawn into.
#include "core/win32/WideText.h"
#include "gui/common/DeviceScale.h"
#include "gui/win32/Dpi_p.h"
#include "gui/win32/WinApi.h"

#include <utility>

namespace fw {

namespace {

constexpr COLORREF kNoPixel = 0xFFFFFFFFu;

// Selects `object` into `surface` while it lives, then deletes it.
class Selection {
public:
    Selection(HDC surface, HGDIOBJ object) : m_surface(surface), m_object(object)
    {
        m_previous = m_object ? SelectObject(m_surface, m_object) : nullptr;
    }
    ~Selection()
    {
        if (!m_object)
            return;
        SelectObject(m_surface, m_previous);
        DeleteObject(m_object);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC m_surface;
    HGDIOBJ m_object;
    HGDIOBJ m_previous = nullptr;
};

// Fonts are drawn without smoothing, as on the other platform, and their
// logical height grows with the scale as every other figure does.
HGDIOBJ MakeFont(const LogFont& font, double ratio)
{
    LOGFONTW description{};
    description.lfHeight = DeviceEdge(font.height, ratio);
    description.lfWidth = DeviceEdge(font.width, ratio);
    description.lfEscapement = font.escapement;
    description.lfOrientation = font.orientation;
    description.lfWeight = font.weight;
    description.lfItalic = font.italic;
    description.lfUnderline = font.underline;
    description.lfStrikeOut = font.strikeOut;
    description.lfCharSet = static_cast<BYTE>(font.charSet);
    description.lfQuality = NONANTIALIASED_QUALITY;
    const std::wstring face = win32::WideFromCp932(font.faceName);
    face.copy(description.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&description);
}

RECT ToDevice(const CRect& rect, double ratio)
{
    return {DeviceEdge(rect.left, ratio), DeviceEdge(rect.top, ratio), DeviceEdge(rect.right, ratio),
            DeviceEdge(rect.bottom, ratio)};
}

CRect ToLogical(const RECT& rect, double ratio)
{
    return {LogicalLength(rect.left, ratio), LogicalLength(rect.top, ratio), LogicalLength(rect.right, ratio),
            LogicalLength(rect.bottom, ratio)};
}

}  // namespace

// A context on a surface starts from the colours the surface has (the
// platform's own for a control's colour message).
CDC::CDC(HDC surface) : CDC()
{
    m_surface = surface;
    if (surface) {
        m_textColor = ::GetTextColor(surface);
        m_bkColor = ::GetBkColor(surface);
        m_bkMode = ::GetBkMode(surface);
    }
}

CDC::~CDC() = default;

// The colours and mode go to the surface at once: a control-colour handler
// sets them for the control's own drawing.
COLORREF CDC::SetTextColor(COLORREF color)
{
    if (m_surface)
        ::SetTextColor(m_surface, color);
    return std::exchange(m_textColor, color);
}

int CDC::SetBkMode(int mode)
{
    if (m_surface)
        ::SetBkMode(m_surface, mode);
    return std::exchange(m_bkMode, mode);
}

// A window's context takes the window's scale; a memory context has none.
double CDC::DeviceRatio() const
{
    const HWND window = m_surface ? WindowFromDC(m_surface) : nullptr;
    return window ? win32::DeviceRatioOf(win32::WindowDpi(window)) : 1.0;
}

void CDC::FillDevicePixels(int left, int top, int right, int bottom, COLORREF color)
{
    if (!m_surface || left >= right || top >= bottom)
        return;
    const RECT area{left, top, right, bottom};
    const ::HBRUSH brush = CreateSolidBrush(color);
    ::FillRect(m_surface, &area, brush);
    DeleteObject(brush);
}

int CDC::DrawText(const ByteString& text, CRect* rect, unsigned format)
{
    if (!m_surface || !rect)
        return 0;
    const double ratio = DeviceRatio();
    const std::wstring wide = win32::WideFromCp932(text);
    RECT area = ToDevice(*rect, ratio);
    const Selection font(m_surface, MakeFont(m_font->GetLogFont(), ratio));
    const int height = DrawTextW(m_surface, wide.c_str(), static_cast<int>(wide.size()), &area, format);
    if (format & DT_CALCRECT)
        *rect = ToLogical(area, ratio);
    return LogicalLength(height, ratio);
}

int CDC::DrawText(const char* text, int count, CRect* rect, unsigned format)
{
    if (!text)
        return 0;
    return DrawText(count < 0 ? ByteString(text) : ByteString(text, static_cast<std::size_t>(count)), rect, format);
}

COLORREF CDC::GetPixel(int x, int y) const
{
    const double ratio = DeviceRatio();
    return m_surface ? ::GetPixel(m_surface, DeviceEdge(x, ratio), DeviceEdge(y, ratio)) : kNoPixel;
}

}  // namespace fw
