// A window's system menu, icons and what screen readers are told.
#include "core/win32/WideText.h"
#include "gui/win32/AccessibleWords_p.h"
#include "gui/win32/Icons_p.h"
#include "gui/win32/Menu_p.h"
#include "gui/win32/WndData_p.h"
#include "gui/win32/WinApi.h"

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace fw {

namespace {

struct XpmImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;   // top row first
};

std::uint32_t ColourOf(const std::string& value)
{
    if (value.size() == 7 && value[0] == '#')
        return 0xFF000000u | static_cast<std::uint32_t>(std::stoul(value.substr(1), nullptr, 16));
    return 0;   // "None": transparent
}

// Our icons' XPM rows: "w h colours chars-per-pixel", the colours as
// "<chars> c #RRGGBB" or "<chars> c None", then the pixel rows.
XpmImage ParseXpm(const std::vector<const char*>& rows)
{
    XpmImage image;
    int colours = 0;
    int cpp = 1;
    if (rows.empty() || std::sscanf(rows[0], "%d %d %d %d", &image.width, &image.height, &colours, &cpp) != 4)
        return {};
    if (rows.size() < static_cast<std::size_t>(1 + colours + image.height))
        return {};
    std::map<std::string, std::uint32_t> palette;
    for (int i = 1; i <= colours; ++i) {
        const std::string row = rows[static_cast<std::size_t>(i)];
        const std::size_t mark = row.find(" c ", static_cast<std::size_t>(cpp));
        palette[row.substr(0, static_cast<std::size_t>(cpp))] =
            mark == std::string::npos ? 0 : ColourOf(row.substr(mark + 3));
    }
    for (int y = 0; y < image.height; ++y) {
        const std::string row = rows[static_cast<std::size_t>(1 + colours + y)];
        for (int x = 0; x < image.width; ++x) {
            const auto at = static_cast<std::size_t>(x * cpp);
            image.argb.push_back(at + static_cast<std::size_t>(cpp) <= row.size()
                                     ? palette[row.substr(at, static_cast<std::size_t>(cpp))]
                                     : 0);
        }
    }
    return image;
}

::HICON MakePlatformIcon(const std::vector<const char*>& rows)
{
    const XpmImage image = ParseXpm(rows);
    if (image.argb.empty())
        return nullptr;
    BITMAPV5HEADER header{};
    header.bV5Size = sizeof header;
    header.bV5Width = image.width;
    header.bV5Height = -image.height;
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_BITFIELDS;
    header.bV5RedMask = 0x00FF0000;
    header.bV5GreenMask = 0x0000FF00;
    header.bV5BlueMask = 0x000000FF;
    header.bV5AlphaMask = 0xFF000000;
    void* bits = nullptr;
    HDC screen = ::GetDC(nullptr);
    HBITMAP colour = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
    ::ReleaseDC(nullptr, screen);
    if (!colour)
        return nullptr;
    std::copy(image.argb.begin(), image.argb.end(), static_cast<std::uint32_t*>(bits));
    HBITMAP mask = CreateBitmap(image.width, image.height, 1, 1, nullptr);
    ICONINFO info{TRUE, 0, 0, mask, colour};
    ::HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colour);
    return icon;
}

// A frame the window draws into reads, like on Linux, as a picture once named.
bool IsFrame(HWND window)
{
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    const LONG_PTR type = GetWindowLongPtrW(window, GWL_STYLE) & SS_TYPEMASK;
    return lstrcmpiW(className, L"Static") == 0 &&
           (type == SS_BLACKFRAME || type == SS_GRAYFRAME || type == SS_WHITEFRAME || type == SS_ETCHEDFRAME);
}

}  // namespace

// Each icon of the resources made once, in both sizes, for the whole run.
::HICON PlatformIconOf(const IconResource* icon, bool big)
{
    static std::map<std::pair<const IconResource*, bool>, ::HICON> made;
    ::HICON& platform = made[{icon, big}];
    if (!platform && icon)
        platform = MakePlatformIcon(big ? icon->xpm32 : icon->xpm16);
    return platform;
}

CMenu* CWnd::GetSystemMenu(bool revert)
{
    if (!m_hwnd)
        return nullptr;
    if (revert) {
        m_data->systemMenu.reset();
        ::GetSystemMenu(m_hwnd, TRUE);
        return nullptr;
    }
    if (!m_data->systemMenu) {
        HMENU platform = ::GetSystemMenu(m_hwnd, FALSE);
        if (!platform)
            return nullptr;
        m_data->systemMenu = std::make_unique<CMenu>();
        MirrorMenu(*m_data->systemMenu, platform);
    }
    return m_data->systemMenu.get();
}

// Returns the icon set before, as far as this framework set it.
HICON CWnd::SetIcon(HICON icon, bool bigIcon)
{
    if (!m_hwnd)
        return nullptr;
    static std::map<std::pair<HWND, bool>, HICON> current;
    SendMessageW(m_hwnd, WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL,
                 reinterpret_cast<LPARAM>(PlatformIconOf(icon, bigIcon)));
    return std::exchange(current[{m_hwnd, bigIcon}], icon);
}

// An area the program draws into has no text the platform can read: the
// words are answered through MSAA instead (AccessibleWords.cpp).
void CWnd::SetAccessibleText(const ByteString& text)
{
    if (m_hwnd)
        win32::SetAccessibleName(m_hwnd, win32::WideFromCp932(text), ROLE_SYSTEM_STATICTEXT);
}

void CWnd::SetAccessibleName(const ByteString& name)
{
    if (m_hwnd)
        win32::SetAccessibleName(m_hwnd, win32::WideFromCp932(name), IsFrame(m_hwnd) ? ROLE_SYSTEM_GRAPHIC : 0);
}

void CWnd::SetAccessibleDescription(const ByteString& description)
{
    if (m_hwnd)
        win32::SetAccessibleDescription(m_hwnd, win32::WideFromCp932(description));
}

}  // namespace fw
