#include "platform/system/SystemMetrics.h"

#include <algorithm>
#include <array>

namespace plat {

namespace {

struct Metric {
    int Index;
    int Value;
};

// A 1920 x 1080 desktop at 96 pixels per inch with the classic window decorations.
constexpr std::array ClassicMetrics = {
    Metric{SM_CXSCREEN, 1920},       Metric{SM_CYSCREEN, 1080},     Metric{SM_CXVSCROLL, 17},
    Metric{SM_CYHSCROLL, 17},        Metric{SM_CYCAPTION, 23},      Metric{SM_CXBORDER, 1},
    Metric{SM_CYBORDER, 1},          Metric{SM_CXDLGFRAME, 3},      Metric{SM_CYDLGFRAME, 3},
    Metric{SM_CYVTHUMB, 17},         Metric{SM_CXHTHUMB, 17},       Metric{SM_CXICON, 32},
    Metric{SM_CYICON, 32},           Metric{SM_CXCURSOR, 32},       Metric{SM_CYCURSOR, 32},
    Metric{SM_CYMENU, 20},           Metric{SM_CXFULLSCREEN, 1920}, Metric{SM_CYFULLSCREEN, 1017},
    Metric{SM_MOUSEPRESENT, 1},      Metric{SM_CYVSCROLL, 17},      Metric{SM_CXHSCROLL, 17},
    Metric{SM_SWAPBUTTON, 0},        Metric{SM_CXMIN, 136},         Metric{SM_CYMIN, 39},
    Metric{SM_CXSIZE, 36},           Metric{SM_CYSIZE, 22},         Metric{SM_CXFRAME, 4},
    Metric{SM_CYFRAME, 4},           Metric{SM_CXMINTRACK, 136},    Metric{SM_CYMINTRACK, 39},
    Metric{SM_CXDOUBLECLK, 4},       Metric{SM_CYDOUBLECLK, 4},     Metric{SM_CXICONSPACING, 75},
    Metric{SM_CYICONSPACING, 75},    Metric{SM_CXEDGE, 2},          Metric{SM_CYEDGE, 2},
    Metric{SM_CXSMICON, 16},         Metric{SM_CYSMICON, 16},       Metric{SM_CYSMCAPTION, 17},
    Metric{SM_CXDRAG, 4},            Metric{SM_CYDRAG, 4},          Metric{SM_CXMENUCHECK, 15},
    Metric{SM_CYMENUCHECK, 15},      Metric{SM_MOUSEWHEELPRESENT, 1}, Metric{SM_CXVIRTUALSCREEN, 1920},
    Metric{SM_CYVIRTUALSCREEN, 1080}, Metric{SM_CMONITORS, 1},      Metric{SM_CXFOCUSBORDER, 1},
    Metric{SM_CYFOCUSBORDER, 1},
};

}  // namespace

int GetSystemMetrics(int index)
{
    const auto* found = std::find_if(ClassicMetrics.begin(), ClassicMetrics.end(),
                                     [index](const Metric& m) { return m.Index == index; });
    return found == ClassicMetrics.end() ? 0 : found->Value;
}

}  // namespace plat
