// Drawing through CDC on GDI, read back pixel by pixel from a memory bitmap,
// and the control-colour message answered with the handler's brush.
// (windows.h makes macros of the GDI constants; they are used unqualified.)
#include <gtest/gtest.h>

#include "gui/Dialog.h"
#include "res/Resources.h"
#include "gui/win32/WinApi.h"

namespace {

constexpr fw::COLORREF kWhite = RGB(255, 255, 255);
constexpr fw::COLORREF kRed = RGB(255, 0, 0);
constexpr fw::COLORREF kBlue = RGB(0, 0, 255);

class MemorySurface {
public:
    MemorySurface() : m_dc(CreateCompatibleDC(nullptr))
    {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), 40, -20, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_previous = SelectObject(m_dc, m_bitmap);
        const RECT all{0, 0, 40, 20};
        FillRect(m_dc, &all, static_cast<::HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~MemorySurface()
    {
        SelectObject(m_dc, m_previous);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    HDC dc() const { return m_dc; }

private:
    HDC m_dc;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previous = nullptr;
};

// Each row: a shape, then pixels that must and must not have its colour.
TEST(GdiDc, ShapesCoverExactlyTheirPixels)
{
    struct Case {
        const char* what;
        void (*draw)(fw::CDC&);
        std::vector<fw::CPoint> inked;
        std::vector<fw::CPoint> blank;
    };
    const Case cases[] = {
        {"line leaves out its end",
         [](fw::CDC& dc) {
             fw::CPen pen(PS_SOLID, 1, kRed);
             dc.SelectObject(&pen);
             dc.MoveTo(2, 5);
             dc.LineTo(8, 5);
         },
         {{2, 5}, {7, 5}},
         {{8, 5}, {1, 5}, {4, 4}}},
        {"rectangle outline inside its edges",
         [](fw::CDC& dc) {
             fw::CPen pen(PS_SOLID, 1, kRed);
             dc.SelectObject(&pen);
             dc.Rectangle(1, 1, 6, 6);
         },
         {{1, 1}, {5, 5}, {5, 1}},
         {{6, 6}, {0, 0}, {6, 3}}},
        {"reversed fill: smaller + 1 to larger, both included",
         [](fw::CDC& dc) {
             fw::CBrush brush(kRed);
             dc.FillRect({10, 9, 13, 4}, &brush);
         },
         {{10, 5}, {12, 9}},
         {{10, 4}, {13, 5}, {12, 10}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MemorySurface surface;
        fw::CDC dc(surface.dc());
        c.draw(dc);
        for (const fw::CPoint p : c.inked)
            EXPECT_EQ(dc.GetPixel(p.x, p.y), kRed) << p.x << "," << p.y;
        for (const fw::CPoint p : c.blank)
            EXPECT_EQ(dc.GetPixel(p.x, p.y), kWhite) << p.x << "," << p.y;
    }
}

TEST(GdiDc, RectangleFillsWithTheSelectedBrushAndTextMeasures)
{
    MemorySurface surface;
    fw::CDC dc(surface.dc());
    fw::CBrush blue(kBlue);
    fw::CBrush* old = dc.SelectObject(&blue);
    dc.Rectangle(0, 0, 10, 10);
    dc.SelectObject(old);
    EXPECT_EQ(dc.GetPixel(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(dc.GetPixel(5, 5), kBlue);

    fw::CFont font;
    font.CreateFont(16, 0, 0, 0, FW_BOLD, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0,
                    fw::cp932::FromUtf8("ＭＳ ゴシック"));
    dc.SelectObject(&font);
    fw::CRect extent{0, 0, 0, 0};
    const int height = dc.DrawText(fw::cp932::FromUtf8("あと 123 日"), &extent, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_GT(height, 0);
    EXPECT_EQ(extent.Height(), height);
    EXPECT_GT(extent.Width(), 0);
    EXPECT_EQ(fw::CDC().GetPixel(0, 0), 0xFFFFFFFFu);   // a context drawing nowhere has no pixels
}

class ColouringDialog : public fw::CDialog {
public:
    ColouringDialog() : CDialog(res::IDD_SETUP) {}
    bool OnInitDialog() override
    {
        MemorySurface surface;
        const HWND label = GetWindow(GetSafeHwnd(), GW_CHILD);
        auto answer = [&](fw::COLORREF* textColour) {
            const auto brush = reinterpret_cast<::HBRUSH>(SendMessageW(
                GetSafeHwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(surface.dc()), reinterpret_cast<LPARAM>(label)));
            LOGBRUSH description{};
            GetObjectW(brush, sizeof description, &description);
            *textColour = GetTextColor(surface.dc());
            return static_cast<fw::COLORREF>(description.lbColor);
        };
        withBrush = answer(&textWithBrush);
        ownBrush = false;
        withoutBrush = answer(&textWithoutBrush);
        EndDialog(1);
        return true;
    }
    fw::HBRUSH OnCtlColor(fw::CDC* dc, fw::CWnd* control, unsigned kind) override
    {
        const fw::HBRUSH platform = CDialog::OnCtlColor(dc, control, kind);
        sawStatic = kind == CTLCOLOR_STATIC && control != nullptr;
        dc->SetTextColor(kRed);
        return ownBrush ? fw::HBRUSH(fw::CBrush(kBlue)) : platform;
    }

    bool ownBrush = true;
    bool sawStatic = false;
    fw::COLORREF withBrush = 0, withoutBrush = 0, textWithBrush = 0, textWithoutBrush = 0;
};

TEST(GdiDc, ControlColourAnswersWithTheHandlersBrushOrThePlatforms)
{
    fw::SetResources(&ProgramResources());
    ColouringDialog dialog;
    ASSERT_EQ(dialog.DoModal(), 1);
    EXPECT_TRUE(dialog.sawStatic);
    EXPECT_EQ(dialog.withBrush, kBlue);
    EXPECT_EQ(dialog.withoutBrush, static_cast<fw::COLORREF>(GetSysColor(COLOR_3DFACE)));
    EXPECT_EQ(dialog.textWithBrush, kRed);
    EXPECT_EQ(dialog.textWithoutBrush, kRed);
}

}  // namespace
