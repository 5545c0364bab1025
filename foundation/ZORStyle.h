#pragma once

#include "foundation/ColorTones.h"

#include <string_view>

namespace skelda::foundation {

// The colour styles of the styleable controls.
enum TZORStyle {
    tsOffice2003Blue = 0,
    tsOffice2003Silver = 1,
    tsOffice2003Olive = 2,
    tsOffice2003Classic = 3,
    tsOffice2007Luna = 4,
    tsOffice2007Obsidian = 5,
    tsWindowsXP = 6,
    tsWhidbey = 7,
    tsCustom = 8,
    tsOffice2007Silver = 9,
    tsWindowsVista = 10,
    tsWindows7 = 11,
    tsTerminal = 12,
    tsOffice2010Blue = 13,
    tsOffice2010Silver = 14,
    tsOffice2010Black = 15,
};

// The colour theme of the installed office suite, as DetectOfficeTheme finds it.
enum TOfficeTheme {
    ot2003Blue = 0,
    ot2003Silver = 1,
    ot2003Olive = 2,
    ot2003Classic = 3,
    ot2007Blue = 4,
    ot2007Silver = 5,
    ot2007Black = 6,
    ot2010Blue = 7,
    ot2010Silver = 8,
    ot2010Black = 9,
    otUnknown = 10,
};

enum TMetroStyle { msLight = 0, msDark = 1 };

// A control that takes a set of colour tones pushed to it (a form-wide styler does).
class IZORTones {
public:
    static constexpr std::string_view Identifier = "{1F492643-6699-4F25-8B34-3233FA735036}";
    virtual ~IZORTones() = default;
    virtual void SetColorTones(const TColorTones& ATones) = 0;
};

// A control that takes a style pushed to it.
class IZORStyle {
public:
    static constexpr std::string_view Identifier = "{11AC2DDC-C087-4298-AB6E-EA1B5017511B}";
    virtual ~IZORStyle() = default;
    virtual void SetComponentStyle(TZORStyle AStyle) = 0;
};

}  // namespace skelda::foundation
