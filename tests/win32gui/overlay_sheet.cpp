// Draws the taskbar overlay for a few counts at 16 and 32 pixels, over the
// program's icon on a dark and a light taskbar, into a PPM picture, for
// judging by eye (docs/screenshots/taskbar-overlay-windows.png):
//   overlay_sheet.exe sheet.ppm && convert sheet.ppm -scale 400% sheet.png
#include <cstdint>
#include <fstream>
#include <vector>

#include "res/Resources.h"
#include "gui/win32/Icons_p.h"
#include "gui/win32/TaskbarOverlay_p.h"

namespace {

constexpr int kCell = 72;
constexpr std::int64_t kCounts[] = {138, 1234, 12345};
constexpr int kSizes[] = {16, 32};
constexpr COLORREF kTaskbars[] = {RGB(32, 32, 32), RGB(243, 243, 243)};

// The program's icon at twice the overlay's size, the overlay on its lower right.
void DrawButton(HDC dc, int x, int y, std::int64_t count, int size)
{
    const int appSize = size * 2;
    DrawIconEx(dc, x, y, fw::PlatformIconOf(fw::FindIcon(res::IDI_MAIN), true), appSize, appSize, 0, nullptr, DI_NORMAL);
    const ::HICON overlay = fw::win32::MakeOverlayIcon(count, size);
    DrawIconEx(dc, x + appSize - size, y + appSize - size, overlay, size, size, 0, nullptr, DI_NORMAL);
    DestroyIcon(overlay);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    fw::SetResources(&ProgramResources());
    const int width = kCell * static_cast<int>(std::size(kCounts));
    const int height = kCell * static_cast<int>(std::size(kSizes) * std::size(kTaskbars));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP sheet = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, sheet);
    int row = 0;
    for (const COLORREF taskbar : kTaskbars) {
        for (const int size : kSizes) {
            const RECT band{0, row * kCell, width, (row + 1) * kCell};
            HBRUSH brush = CreateSolidBrush(taskbar);
            FillRect(dc, &band, brush);
            DeleteObject(brush);
            for (std::size_t i = 0; i < std::size(kCounts); ++i)
                DrawButton(dc, static_cast<int>(i) * kCell + (kCell - 2 * size) / 2, band.top + (kCell - 2 * size) / 2,
                           kCounts[i], size);
            ++row;
        }
    }
    GdiFlush();
    std::ofstream out(argv[1], std::ios::binary);
    out << "P6\n" << width << ' ' << height << "\n255\n";
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (int i = 0; i < width * height; ++i) {
        const std::uint32_t p = pixels[i];
        out.put(static_cast<char>(p >> 16 & 0xFF)).put(static_cast<char>(p >> 8 & 0xFF)).put(static_cast<char>(p & 0xFF));
    }
    return out ? 0 : 1;
}
