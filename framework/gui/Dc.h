// Drawing contexts and drawing objects with the platform's pixel rules and
// no antialiasing. A context draws into an image (a frame static's own
// picture, or any image a test hands it); a context without an image keeps
// its state (colours, selected objects) and draws nothing, which is what a
// control-colour query and a paint bracket need. Coordinates are logical
// pixels: on an image with a device pixel ratio (a high-DPI screen) each
// covers ratio x ratio image pixels, and text is drawn at the image's full
// resolution.
#pragma once

#include "core/Geometry.h"
#include "core/Text.h"
#include "gui/Handles.h"

namespace fw {

class CWnd;

inline constexpr int PS_SOLID = 0;
inline constexpr int PS_NULL = 5;

inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

inline constexpr unsigned DT_LEFT = 0x0;
inline constexpr unsigned DT_CENTER = 0x1;
inline constexpr unsigned DT_RIGHT = 0x2;
inline constexpr unsigned DT_VCENTER = 0x4;
inline constexpr unsigned DT_BOTTOM = 0x8;
inline constexpr unsigned DT_WORDBREAK = 0x10;
inline constexpr unsigned DT_SINGLELINE = 0x20;
inline constexpr unsigned DT_NOCLIP = 0x100;
inline constexpr unsigned DT_CALCRECT = 0x400;
inline constexpr unsigned DT_NOPREFIX = 0x800;

inline constexpr int FW_DONTCARE = 0;
inline constexpr int FW_NORMAL = 400;
inline constexpr int FW_BOLD = 700;
inline constexpr int DEFAULT_CHARSET = 1;
inline constexpr int SHIFTJIS_CHARSET = 128;

class CPen {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }

    bool CreatePen(int style, int width, COLORREF color);
    bool DeleteObject();

    bool IsCreated() const { return m_created; }
    int Style() const { return m_style; }
    int Width() const { return m_width; }
    COLORREF Color() const { return m_color; }

private:
    bool m_created = false;
    int m_style = PS_SOLID;
    int m_width = 1;
    COLORREF m_color = 0;
};

// What OnCtlColor hands back: the colour a control fills its background
// with, or nothing (the control then uses the dialog's background).
struct BrushHandle {
    bool valid = false;
    COLORREF color = 0;

    explicit operator bool() const { return valid; }
};
using HBRUSH = BrushHandle;

class CBrush {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }

    bool CreateSolidBrush(COLORREF color);
    bool DeleteObject();

    bool IsCreated() const { return m_created; }
    COLORREF Color() const { return m_color; }
    operator HBRUSH() const { return {m_created, m_color}; }

private:
    bool m_created = false;
    COLORREF m_color = 0;
};

struct LogFont {
    int height = 0;        // > 0: character cell height; < 0: character height; 0: default
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = FW_DONTCARE;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charSet = DEFAULT_CHARSET;
    ByteString faceName;   // CP932, e.g. "ＭＳ Ｐゴシック"
};

class CFont {
public:
    bool CreateFont(int height, int width, int escapement, int orientation, int weight, unsigned char italic,
                    unsigned char underline, unsigned char strikeOut, unsigned char charSet,
                    unsigned char outPrecision, unsigned char clipPrecision, unsigned char quality,
                    unsigned char pitchAndFamily, const ByteString& faceName);
    bool CreateFontIndirect(const LogFont& font);
    bool DeleteObject();

    bool IsCreated() const { return m_created; }
    const LogFont& GetLogFont() const { return m_font; }

private:
    bool m_created = false;
    LogFont m_font;
};

class CDC {
public:
    CDC();                                 // draws nowhere
    explicit CDC(HDC surface);             // draws into `surface`
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Each returns the object selected before; select it back when done.
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);

    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const { return m_textColor; }
    COLORREF GetBkColor() const { return m_bkColor; }
    int SetBkMode(int mode);
    int GetBkMode() const { return m_bkMode; }

    // Lines leave out their end point, which becomes the current position.
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(CPoint p) { return MoveTo(p.x, p.y); }
    bool LineTo(int x, int y);
    bool LineTo(CPoint p) { return LineTo(p.x, p.y); }

    // Outline with the current pen inside [left, right) x [top, bottom),
    // inside filled with the current brush.
    bool Rectangle(int left, int top, int right, int bottom);
    bool Rectangle(const CRect& rect) { return Rectangle(rect.left, rect.top, rect.right, rect.bottom); }

    // Fills [left, right) x [top, bottom). An edge passed in reverse order
    // (right < left or bottom < top) covers from the smaller value + 1 to
    // the larger value, both included.
    void FillRect(const CRect& rect, const CBrush* brush);
    void FillSolidRect(const CRect& rect, COLORREF color);

    // Text in CP932. With DT_SINGLELINE one line, placed by DT_CENTER /
    // DT_RIGHT and DT_VCENTER / DT_BOTTOM and clipped to the rectangle
    // (unless DT_NOCLIP); "&" marks are dropped unless DT_NOPREFIX. With
    // DT_CALCRECT the rectangle only receives the text's extent. Returns the
    // height of the text.
    int DrawText(const ByteString& text, CRect* rect, unsigned format);
    int DrawText(const char* text, int count, CRect* rect, unsigned format);

    COLORREF GetPixel(int x, int y) const;
    COLORREF SetPixel(int x, int y, COLORREF color);

    HDC Surface() const { return m_surface; }

protected:
    void SetSurface(HDC surface) { m_surface = surface; }
    // Repainted when this context is released, so that the picture shows.
    void SetShowTarget(HWND window) { m_showTarget = window; }
    void SetDefaultFont(const LogFont& font);

private:
    friend class CWnd;

    // Shared: logical pixels to device pixels.
    void FillPixels(int left, int top, int right, int bottom, COLORREF color);
    void PlotPenPoint(int x, int y, bool steep);
    // Each back end's: the surface's device pixels per logical pixel (1
    // without a surface), and the filling of device pixels [left, right) x
    // [top, bottom), clipped to the surface.
    double DeviceRatio() const;
    void FillDevicePixels(int left, int top, int right, int bottom, COLORREF color);

    HDC m_surface = nullptr;
    HWND m_showTarget = nullptr;
    CPen m_stockPen;
    CBrush m_stockBrush;
    CFont m_stockFont;
    CPen* m_pen;
    CBrush* m_brush;
    CFont* m_font;
    COLORREF m_textColor;
    COLORREF m_bkColor;
    int m_bkMode;
    CPoint m_position;
};

// The paint bracket around OnPaint: it marks the window's update region as
// painted. Nothing drawn through it shows; windows draw into their controls'
// own pictures instead.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;
};

// A context on a window's own picture (frame statics have one), released
// when it goes out of scope. For a window without a picture it draws nowhere.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;
};

}  // namespace fw
