#include "pager/glow/GlowButtonStyles.h"

#include "pager/glow/TGlowButtonAppearance.h"

#include <optional>

namespace skelda::pager {

using namespace skelda::foundation;

namespace {

// One state's four face colours (upper from, upper to, mirror, mirror-to) and its border;
// no border: the style leaves it.
struct TStateColors {
    plat::TColor Color;
    plat::TColor ColorTo;
    plat::TColor Mirror;
    plat::TColor MirrorTo;
    std::optional<plat::TColor> Border;
};

struct THotSets {
    TStateColors Hot;
    TStateColors Down;
    TStateColors Checked;
};

constexpr THotSets kOfficeHot{
    {0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0x99CEDB},
    {0x76AFF1, 0x4190F3, 0x0E72F1, 0x4C9FFD, 0x45667B},
    {0xB5DBFB, 0x78C7FE, 0x9FEBFD, 0x56B4FE, std::nullopt},
};
constexpr THotSets kOffice2010Hot{
    {0x8AE3FD, 0xD9F9FD, 0xD9F9FD, 0x8AE3FD, 0x58CAF1},
    {0x6CD0FF, 0x7BEEFF, 0x7BEEFF, 0x6CD0FF, 0x308AC2},
    {0xD9F9FD, 0x6CD0FF, 0x6CD0FF, 0x6CD0FF, 0x308AC2},
};
constexpr THotSets kWindowsXPHot{
    {0xEFD3C6, 0xEFD3C6, 0xEFD3C6, 0xEFD3C6, plat::clHighlight},
    {0xB59284, 0xB59284, 0xB59284, 0xB59284, plat::clHighlight},
    {0xB9D8DC, 0xB9D8DC, 0xB9D8DC, 0xB9D8DC, 0x000000},
};
constexpr THotSets kVistaHot{
    {plat::clNone, 0xFFFAF0, 0xFFFAF0, 0xFFFAF0, 0xFCF2DA},
    {0xFCEFD5, 0xFCEFD5, 0xFDF4E3, 0xFDF4E3, 0xFEDF9A},
    {0xFCEFD5, 0xFAE9C6, 0xF7DAA2, 0xFBEDD3, 0xFEDF9A},
};
constexpr THotSets kWindows7Hot{
    {0xFDFBFA, 0xFDF3EB, 0xFDF3EB, 0xFDFBFA, 0xFBD6B8},
    {0xFCEBDC, 0xFCDBC1, 0xFCDBC1, 0xFCEBDC, 0xCEA27D},
    {0xFDFBFA, 0xFDF3EB, 0xFCEBDC, 0xFCEBDC, plat::clHighlight},
};
constexpr THotSets kTerminalHot{
    {0xC0C0C0, 0xC0C0C0, 0xC0C0C0, 0xC0C0C0, 0x808080},
    {plat::clHighlight, plat::clHighlight, plat::clHighlight, plat::clHighlight, plat::clHighlight},
    {0x808080, 0x808080, 0x808080, 0x808080, 0x808080},
};

// When a style's hot sets go on relative to its normal colours.
enum THotOrder { hoBefore, hoAfter, hoAfterWithCheckedBorder };

struct TStyleRow {
    TStateColors Normal;
    const THotSets* Hot;
    THotOrder Order;
    // Every gradient the style touches becomes vertical (all but tsTerminal).
    bool VerticalGradients;
};

void ApplyNormal(TGlowButtonAppearance& A, const TStateColors& S, bool Vertical)
{
    A.SetColor(S.Color);
    A.SetColorTo(S.ColorTo);
    A.SetColorMirror(S.Mirror);
    A.SetColorMirrorTo(S.MirrorTo);
    if (S.Border)
        A.SetBorderColor(*S.Border);
    if (Vertical) {
        A.SetGradient(ggVertical);
        A.SetGradientMirror(ggVertical);
    }
}

void ApplyHot(TGlowButtonAppearance& A, const THotSets& H, bool Vertical)
{
    A.SetColorHot(H.Hot.Color);
    A.SetColorHotTo(H.Hot.ColorTo);
    A.SetColorMirrorHot(H.Hot.Mirror);
    A.SetColorMirrorHotTo(H.Hot.MirrorTo);
    if (H.Hot.Border)
        A.SetBorderColorHot(*H.Hot.Border);
    A.SetColorDown(H.Down.Color);
    A.SetColorDownTo(H.Down.ColorTo);
    A.SetColorMirrorDown(H.Down.Mirror);
    A.SetColorMirrorDownTo(H.Down.MirrorTo);
    if (H.Down.Border)
        A.SetBorderColorDown(*H.Down.Border);
    A.SetColorChecked(H.Checked.Color);
    A.SetColorCheckedTo(H.Checked.ColorTo);
    A.SetColorMirrorChecked(H.Checked.Mirror);
    A.SetColorMirrorCheckedTo(H.Checked.MirrorTo);
    if (H.Checked.Border)
        A.SetBorderColorChecked(*H.Checked.Border);
    if (Vertical) {
        A.SetGradientHot(ggVertical);
        A.SetGradientMirrorHot(ggVertical);
        A.SetGradientDown(ggVertical);
        A.SetGradientMirrorDown(ggVertical);
        A.SetGradientChecked(ggVertical);
        A.SetGradientMirrorChecked(ggVertical);
    }
}

std::optional<TStyleRow> RowOf(TZORStyle Style)
{
    switch (Style) {
    case tsOffice2003Blue:
        return TStyleRow{{0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B}, &kOfficeHot, hoBefore, true};
    case tsOffice2003Silver:
        return TStyleRow{{0xE6E9E2, 0xE6D8D8, 0xE6E9E2, 0xC8B2B3, 0x927476}, &kOfficeHot, hoBefore, true};
    case tsOffice2003Olive:
        return TStyleRow{{0xCFF0EA, 0xCFF0EA, 0xCFF0EA, 0x8CC0B1, 0x8CC0B1}, &kOfficeHot, hoBefore, true};
    case tsOffice2003Classic:
        return TStyleRow{{0xFFFFFF, 0xC9D1D5, 0xFFFFFF, 0xC9D1D5, 0x000000}, &kOfficeHot, hoAfter, true};
    case tsOffice2007Luna:
        return TStyleRow{{0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B}, &kOfficeHot, hoAfterWithCheckedBorder, true};
    case tsOffice2007Obsidian:
        return TStyleRow{{0xDFDED6, 0xE4E2DB, 0xD7D5CE, 0xE7E5E0, 0xC0BCB2}, &kOfficeHot, hoAfterWithCheckedBorder, true};
    case tsOffice2007Silver:
        return TStyleRow{{0xF3F3F1, 0xF5F5F3, 0xEEEAE7, 0xF8F7F6, 0xCCCAC9}, &kOfficeHot, hoAfterWithCheckedBorder, true};
    case tsWindowsXP:
        return TStyleRow{{0xFFFFFF, 0xB9D8DC, 0xB9D8DC, 0xB9D8DC, 0xB9D8DC}, &kWindowsXPHot, hoAfter, true};
    case tsWhidbey:
        return TStyleRow{{0xFFFFFF, 0xDFEDF0, 0xDFEDF0, 0xDFEDF0, 0x99A8AC}, &kOfficeHot, hoBefore, true};
    case tsCustom:
        return std::nullopt;
    case tsWindowsVista:
        return TStyleRow{{0xFDF8F1, 0xFDF8F1, 0xFCEFD5, 0xFDF8F1, 0xFDDE99}, &kVistaHot, hoAfter, true};
    case tsWindows7:
        return TStyleRow{{0xFCEBDC, 0xFCDBC1, 0xFCDBC1, 0xFCDBC1, 0xCEA27D}, &kWindows7Hot, hoAfter, true};
    case tsTerminal:
        return TStyleRow{{plat::clBtnFace, plat::clBtnFace, plat::clBtnFace, plat::clBtnFace, std::nullopt},
                         &kTerminalHot, hoAfter, false};
    case tsOffice2010Blue:
        return TStyleRow{{0xFDF6EF, 0xF0DAC7, 0xF0DAC7, 0xF0DAC7, 0xC7B29F}, &kOffice2010Hot, hoAfter, true};
    case tsOffice2010Silver:
        return TStyleRow{{0xFFFFFF, 0xEDE5E0, 0xEDE5E0, 0xEDE5E0, 0xD2CDC8}, &kOffice2010Hot, hoAfter, true};
    case tsOffice2010Black:
        return TStyleRow{{0xBFBFBF, 0x919191, 0x919191, 0x919191, 0x6D6D6D}, &kOffice2010Hot, hoAfter, true};
    }
    return std::nullopt;
}

}  // namespace

void ApplyGlowButtonStyle(TGlowButtonAppearance& Appearance, TZORStyle Style)
{
    Appearance.SetTranspHover(Style == tsOffice2010Blue || Style == tsOffice2010Silver || Style == tsOffice2010Black);
    const std::optional<TStyleRow> row = RowOf(Style);
    if (!row)
        return;
    if (row->Order == hoBefore)
        ApplyHot(Appearance, *row->Hot, row->VerticalGradients);
    ApplyNormal(Appearance, row->Normal, row->VerticalGradients);
    if (row->Order == hoAfter || row->Order == hoAfterWithCheckedBorder)
        ApplyHot(Appearance, *row->Hot, row->VerticalGradients);
    if (row->Order == hoAfterWithCheckedBorder)
        Appearance.SetBorderColorChecked(0x45667B);
}

}  // namespace skelda::pager
