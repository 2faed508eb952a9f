// Drawing contexts on GDI. The pens, brushes and fonts the program selects
// are descriptions; each drawing call makes the GDI object it needs, selects
// it for that call only and deletes it, so no GDI object outlives a call.
#include "core/win32/WideText.h"
#include "win32/WinApi.h"

#include <utility>

namespace fw {

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kNoPixel = 0xFFFFFFFFu;

struct Span {
    int begin;
    int end;   // exclusive
};

// A reversed pair covers from the smaller value + 1 to the larger, included.
Span FillSpan(int from, int to)
{
    return from <= to ? Span{from, to} : Span{to + 1, from + 1};
}

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

HGDIOBJ MakePen(const CPen& pen)
{
    if (pen.Style() == PS_NULL)
        return GetStockObject(NULL_PEN);
    return CreatePen(pen.Style(), pen.Width(), pen.Color());
}

// Fonts are drawn without smoothing, as on the other platform.
HGDIOBJ MakeFont(const LogFont& font)
{
    LOGFONTW description{};
    description.lfHeight = font.height;
    description.lfWidth = font.width;
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

}  // namespace

CDC::CDC()
    : m_pen(&m_stockPen), m_brush(&m_stockBrush), m_font(&m_stockFont), m_textColor(kBlack),
      m_bkColor(kWhite), m_bkMode(OPAQUE)
{
    m_stockPen.CreatePen(PS_SOLID, 1, kBlack);
    m_stockBrush.CreateSolidBrush(kWhite);
    LogFont font;
    font.height = 12;
    m_stockFont.CreateFontIndirect(font);
}

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

void CDC::SetDefaultFont(const LogFont& font)
{
    m_stockFont.CreateFontIndirect(font);
}

CPen* CDC::SelectObject(CPen* pen)
{
    return std::exchange(m_pen, pen ? pen : m_pen);
}

CBrush* CDC::SelectObject(CBrush* brush)
{
    return std::exchange(m_brush, brush ? brush : m_brush);
}

CFont* CDC::SelectObject(CFont* font)
{
    return std::exchange(m_font, font ? font : m_font);
}

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

CPoint CDC::MoveTo(int x, int y)
{
    return std::exchange(m_position, CPoint{x, y});
}

bool CDC::LineTo(int x, int y)
{
    const CPoint from = std::exchange(m_position, CPoint{x, y});
    if (!m_surface)
        return true;
    const Selection pen(m_surface, MakePen(*m_pen));
    MoveToEx(m_surface, from.x, from.y, nullptr);
    return ::LineTo(m_surface, x, y) != FALSE;
}

bool CDC::Rectangle(int left, int top, int right, int bottom)
{
    if (!m_surface)
        return true;
    const Selection pen(m_surface, MakePen(*m_pen));
    const Selection brush(m_surface, m_brush->IsCreated() ? CreateSolidBrush(m_brush->Color())
                                                          : GetStockObject(NULL_BRUSH));
    return ::Rectangle(m_surface, left, top, right, bottom) != FALSE;
}

void CDC::FillRect(const CRect& rect, const CBrush* brush)
{
    if (brush && brush->IsCreated())
        FillSolidRect(rect, brush->Color());
}

void CDC::FillSolidRect(const CRect& rect, COLORREF color)
{
    const Span columns = FillSpan(rect.left, rect.right);
    const Span rows = FillSpan(rect.top, rect.bottom);
    FillPixels(columns.begin, rows.begin, columns.end, rows.end, color);
}

void CDC::FillPixels(int left, int top, int right, int bottom, COLORREF color)
{
    if (!m_surface)
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
    const std::wstring wide = win32::WideFromCp932(text);
    RECT area{rect->left, rect->top, rect->right, rect->bottom};
    const Selection font(m_surface, MakeFont(m_font->GetLogFont()));
    const int height = DrawTextW(m_surface, wide.c_str(), static_cast<int>(wide.size()), &area, format);
    if (format & DT_CALCRECT)
        *rect = {area.left, area.top, area.right, area.bottom};
    return height;
}

int CDC::DrawText(const char* text, int count, CRect* rect, unsigned format)
{
    if (!text)
        return 0;
    return DrawText(count < 0 ? ByteString(text) : ByteString(text, static_cast<std::size_t>(count)), rect, format);
}

COLORREF CDC::GetPixel(int x, int y) const
{
    return m_surface ? ::GetPixel(m_surface, x, y) : kNoPixel;
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color)
{
    return m_surface ? ::SetPixel(m_surface, x, y, color) : kNoPixel;
}

}  // namespace fw
