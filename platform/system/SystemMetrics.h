#pragma once

namespace plat {

// Indexes of the system metrics table, with the numbers the widget library used.
enum : int {
    SM_CXSCREEN = 0,
    SM_CYSCREEN = 1,
    SM_CXVSCROLL = 2,
    SM_CYHSCROLL = 3,
    SM_CYCAPTION = 4,
    SM_CXBORDER = 5,
    SM_CYBORDER = 6,
    SM_CXDLGFRAME = 7,
    SM_CXFIXEDFRAME = SM_CXDLGFRAME,
    SM_CYDLGFRAME = 8,
    SM_CYFIXEDFRAME = SM_CYDLGFRAME,
    SM_CYVTHUMB = 9,
    SM_CXHTHUMB = 10,
    SM_CXICON = 11,
    SM_CYICON = 12,
    SM_CXCURSOR = 13,
    SM_CYCURSOR = 14,
    SM_CYMENU = 15,
    SM_CXFULLSCREEN = 16,
    SM_CYFULLSCREEN = 17,
    SM_MOUSEPRESENT = 19,
    SM_CYVSCROLL = 20,
    SM_CXHSCROLL = 21,
    SM_SWAPBUTTON = 23,
    SM_CXMIN = 28,
    SM_CYMIN = 29,
    SM_CXSIZE = 30,
    SM_CYSIZE = 31,
    SM_CXFRAME = 32,
    SM_CXSIZEFRAME = SM_CXFRAME,
    SM_CYFRAME = 33,
    SM_CYSIZEFRAME = SM_CYFRAME,
    SM_CXMINTRACK = 34,
    SM_CYMINTRACK = 35,
    SM_CXDOUBLECLK = 36,
    SM_CYDOUBLECLK = 37,
    SM_CXICONSPACING = 38,
    SM_CYICONSPACING = 39,
    SM_CXEDGE = 45,
    SM_CYEDGE = 46,
    SM_CXSMICON = 49,
    SM_CYSMICON = 50,
    SM_CYSMCAPTION = 51,
    SM_CXMENUCHECK = 71,
    SM_CYMENUCHECK = 72,
    SM_CXDRAG = 68,
    SM_CYDRAG = 69,
    SM_MOUSEWHEELPRESENT = 75,
    SM_CXVIRTUALSCREEN = 78,
    SM_CYVIRTUALSCREEN = 79,
    SM_CMONITORS = 80,
    SM_CXFOCUSBORDER = 83,
    SM_CYFOCUSBORDER = 84,
};

// A system metric in pixels (or a count or flag). The table is fixed, with the values of a
// classic desktop at 96 pixels per inch, so that layouts come out the same everywhere; the live
// screens are reached through the screen object. Unknown indexes give 0, as the operating system
// answered.
int GetSystemMetrics(int index);

}  // namespace plat
