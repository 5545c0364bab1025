#include "platform/system/SystemColors.h"

#include <array>

namespace plat {

namespace {

constexpr std::uint32_t Bgr(std::uint32_t red, std::uint32_t green, std::uint32_t blue)
{
    return red | (green << 8) | (blue << 16);
}

constexpr std::array<std::uint32_t, COLOR_MENUBAR + 1> ClassicColors = {
    Bgr(200, 200, 200),  // COLOR_SCROLLBAR
    Bgr(0, 0, 0),        // COLOR_BACKGROUND
    Bgr(153, 180, 209),  // COLOR_ACTIVECAPTION
    Bgr(191, 205, 219),  // COLOR_INACTIVECAPTION
    Bgr(240, 240, 240),  // COLOR_MENU
    Bgr(255, 255, 255),  // COLOR_WINDOW
    Bgr(100, 100, 100),  // COLOR_WINDOWFRAME
    Bgr(0, 0, 0),        // COLOR_MENUTEXT
    Bgr(0, 0, 0),        // COLOR_WINDOWTEXT
    Bgr(0, 0, 0),        // COLOR_CAPTIONTEXT
    Bgr(180, 180, 180),  // COLOR_ACTIVEBORDER
    Bgr(244, 247, 252),  // COLOR_INACTIVEBORDER
    Bgr(171, 171, 171),  // COLOR_APPWORKSPACE
    Bgr(51, 153, 255),   // COLOR_HIGHLIGHT
    Bgr(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    Bgr(240, 240, 240),  // COLOR_BTNFACE
    Bgr(160, 160, 160),  // COLOR_BTNSHADOW
    Bgr(109, 109, 109),  // COLOR_GRAYTEXT
    Bgr(0, 0, 0),        // COLOR_BTNTEXT
    Bgr(67, 78, 84),     // COLOR_INACTIVECAPTIONTEXT
    Bgr(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    Bgr(105, 105, 105),  // COLOR_3DDKSHADOW
    Bgr(227, 227, 227),  // COLOR_3DLIGHT
    Bgr(0, 0, 0),        // COLOR_INFOTEXT
    Bgr(255, 255, 225),  // COLOR_INFOBK
    Bgr(0, 0, 0),        // 25 has no colour
    Bgr(0, 102, 204),    // COLOR_HOTLIGHT
    Bgr(185, 209, 234),  // COLOR_GRADIENTACTIVECAPTION
    Bgr(215, 228, 242),  // COLOR_GRADIENTINACTIVECAPTION
    Bgr(51, 153, 255),   // COLOR_MENUHILIGHT
    Bgr(240, 240, 240),  // COLOR_MENUBAR
};

}  // namespace

std::uint32_t GetSysColor(int index)
{
    if (index < 0 || index >= static_cast<int>(ClassicColors.size()))
        return 0;
    return ClassicColors[static_cast<std::size_t>(index)];
}

}  // namespace plat
