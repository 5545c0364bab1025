#include "PropertyTable.h"

#include "grid/settings/TCellNode.h"
#include "grid/settings/TControlLook.h"
#include "grid/settings/TFooterAppearance.h"
#include "grid/settings/TGridProgressAppearance.h"
#include "grid/settings/TGrouping.h"
#include "grid/settings/THeaderAppearance.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TFont.h"

namespace skelda::grid::testing {

namespace {

TGroupCase ControlLookCase()
{
    using C = TControlLook;
    return {
        .Name = "ControlLook",
        .Make = Make<C>(),
        .Properties =
            {SKELDA_PROP(CheckSize, 15), SKELDA_PROP(RadioSize, 10), SKELDA_PROP(Color, plat::clBlack),
             SKELDA_PROP(ControlStyle, csTheme), SKELDA_PROP(CommentColor, plat::clRed),
             SKELDA_OBJECT(CheckedGlyph, "0x0"), SKELDA_OBJECT(UnCheckedGlyph, "0x0"),
             SKELDA_OBJECT(RadioOnGlyph, "0x0"), SKELDA_OBJECT(RadioOffGlyph, "0x0"), SKELDA_PROP(FlatButton, false),
             SKELDA_PROP(ProgressMarginX, 2), SKELDA_PROP(ProgressMarginY, 2), SKELDA_PROP(ProgressXP, false),
             SKELDA_PROP(ProgressBorderColor, plat::clGray), SKELDA_PROP(DropDownAlwaysVisible, false),
             SKELDA_PROP(SpinButtonsAlwaysVisible, false), SKELDA_PROP(NoDisabledCheckRadioLook, false),
             SKELDA_PROP(NoDisabledButtonLook, false), SKELDA_PROP(CheckAlwaysActive, false),
             SKELDA_PROP(RadioAlwaysActive, false), SKELDA_PROP(FixedDropDownButton, false),
             SKELDA_PROP(DropDownCount, 8), SKELDA_NESTED(DropDownHeader, Caption, ""),
             SKELDA_NESTED(DropDownHeader, Height, 22), SKELDA_NESTED(DropDownFooter, SizeGrip, true),
             SKELDA_PROP(FixedGradientFrom, plat::clNone), SKELDA_PROP(FixedGradientTo, plat::clNone),
             SKELDA_PROP(FixedGradientMirrorFrom, plat::clNone), SKELDA_PROP(FixedGradientMirrorTo, plat::clNone),
             SKELDA_PROP(FixedGradientHoverFrom, plat::clGray), SKELDA_PROP(FixedGradientHoverTo, plat::clWhite),
             SKELDA_PROP(FixedGradientHoverMirrorFrom, plat::clNone),
             SKELDA_PROP(FixedGradientHoverMirrorTo, plat::clNone),
             SKELDA_PROP(FixedGradientHoverBorder, plat::clSilver), SKELDA_PROP(FixedGradientDownFrom, plat::clGray),
             SKELDA_PROP(FixedGradientDownTo, plat::clSilver), SKELDA_PROP(FixedGradientDownMirrorFrom, plat::clNone),
             SKELDA_PROP(FixedGradientDownMirrorTo, plat::clNone), SKELDA_PROP(FixedGradientDownBorder, plat::clGray)},
        .NotCopied = {"FlatButton", "ProgressXP", "NoDisabledCheckRadioLook", "NoDisabledButtonLook",
                      "FixedDropDownButton"},
    };
}

// The rows both bars share.
template <typename C>
std::vector<TProperty> BarProperties(const std::string& FontText)
{
    return {SKELDA_PROP(Visible, true),
            SKELDA_PROP(Height, 22),
            SKELDA_PROP(BorderWidth, 1),
            SKELDA_PROP(ImageIndex, -1),
            SKELDA_PROP(Caption, ""),
            SKELDA_PROP(ColorTo, plat::clWhite),
            SKELDA_PROP(Color, plat::clSilver),
            SKELDA_PROP(BorderColor, plat::clBlack),
            SKELDA_OBJECT(Font, FontText),
            SKELDA_PROP(GradientDirection, gdVertical),
            SKELDA_PROP(ButtonAlignment, baRight),
            Object<C>(
                "Buttons", "0 items", [](const C& o) -> decltype(auto) { return o.Buttons(); },
                [](C& o) { o.Buttons().Add().SetCaption("OK"); })};
}

TGroupCase HeaderAppearanceCase()
{
    using C = THeaderAppearance;
    plat::TFont tahoma;
    tahoma.SetName("Tahoma");
    return {
        .Name = "HeaderAppearance",
        .Make = Make<C>(),
        .Properties = BarProperties<C>(Text(tahoma)),
        .Listen = ListenTo(&C::OnChange),
        .Notifying = {"Visible"},
    };
}

TGroupCase FooterAppearanceCase()
{
    using C = TFooterAppearance;
    std::vector<TProperty> properties = BarProperties<C>(FreshText<plat::TFont>());
    properties.push_back(SKELDA_PROP(SizeGrip, true));
    return {
        .Name = "FooterAppearance",
        .Make = Make<C>(),
        .Properties = properties,
        .Listen = ListenTo(&C::OnChange),
        .Notifying = {"Visible"},
    };
}

template <typename C>
std::vector<TProperty> ButtonProperties()
{
    return {SKELDA_PROP(Caption, ""), SKELDA_PROP(ImageIndex, -1), SKELDA_PROP(Enabled, true), SKELDA_PROP(Width, 0),
            SKELDA_PROP(Height, 0)};
}

TGroupCase HeaderButtonCase()
{
    return {
        .Name = "HeaderButton",
        .Make = Make<THeaderButton>(),
        .Properties = ButtonProperties<THeaderButton>(),
        .Foreign = TForeignSource::Raises,
    };
}

TGroupCase FooterButtonCase()
{
    using C = TFooterButton;
    std::vector<TProperty> properties = ButtonProperties<C>();
    properties.push_back(SKELDA_PROP(ModalResult, 0));
    return {
        .Name = "FooterButton",
        .Make = Make<C>(),
        .Properties = properties,
        .Foreign = TForeignSource::Raises,
    };
}

TGroupCase ProgressAppearanceCase()
{
    using C = TGridProgressAppearance;
    TGroupCase group{
        .Name = "ProgressAppearance",
        .Make = Make<C>(),
        .Properties =
            {SKELDA_PROP(CompleteColor, plat::clRed), SKELDA_PROP(CompleteFontColor, plat::clBlue),
             SKELDA_PROP(UnCompleteColor, plat::clNone), SKELDA_PROP(UnCompleteFontColor, plat::clWindowText),
             SKELDA_PROP(Level0Color, 0x00FF00), SKELDA_PROP(Level0ColorTo, 0xE1FFE1),
             SKELDA_PROP(Level1Color, 0x00FFFF), SKELDA_PROP(Level1ColorTo, 0xCAFFFF),
             SKELDA_PROP(Level2Color, 0x53A9FF), SKELDA_PROP(Level2ColorTo, 0xA8D3FF),
             SKELDA_PROP(Level3Color, 0x0000FF), SKELDA_PROP(Level3ColorTo, 0xCACAFF), SKELDA_PROP(Level1Perc, 70),
             SKELDA_PROP(Level2Perc, 90), SKELDA_PROP(BorderColor, plat::clBlack), SKELDA_PROP(ShowBorder, false),
             SKELDA_PROP(Stacked, false), SKELDA_PROP(ShowPercentage, true), SKELDA_PROP(CompletionSmooth, true),
             SKELDA_PROP(ShowGradient, true), SKELDA_PROP(Steps, 11), SKELDA_PROP(Style, psXP)},
        .Listen = ListenTo(&C::OnChange),
    };
    for (const TProperty& property : group.Properties)
        group.Notifying.insert(property.Name);
    return group;
}

TGroupCase CellNodeCase()
{
    using C = TCellNode;
    return {
        .Name = "CellNode",
        .Make = Make<C>(),
        .Properties = {SKELDA_PROP(Color, 12632256), SKELDA_PROP(NodeColor, 0), SKELDA_PROP(NodeType, cnXP),
                       SKELDA_OBJECT(ExpandGlyph, "0x0"), SKELDA_OBJECT(ContractGlyph, "0x0"),
                       SKELDA_PROP(ExpandOne, false), SKELDA_PROP(NodeIndent, 12), SKELDA_PROP(ShowTree, true),
                       SKELDA_PROP(ShowTreeFull, true), SKELDA_PROP(TreeColor, 8421504)},
    };
}

TGroupCase GroupingCase()
{
    using C = TGrouping;
    return {
        .Name = "Grouping",
        .Make = Make<C>(),
        .Properties = {SKELDA_PROP(MergeHeader, false), SKELDA_PROP(MergeSummary, false),
                       SKELDA_PROP(HeaderColor, plat::clNone), SKELDA_PROP(HeaderColorTo, plat::clNone),
                       SKELDA_PROP(HeaderTextColor, plat::clNone), SKELDA_PROP(HeaderUnderline, false),
                       SKELDA_PROP(HeaderLineColor, 0xFF0000), SKELDA_PROP(HeaderLineWidth, 2),
                       SKELDA_PROP(Summary, false), SKELDA_PROP(SummaryColor, plat::clNone),
                       SKELDA_PROP(SummaryColorTo, plat::clNone), SKELDA_PROP(SummaryTextColor, plat::clNone),
                       SKELDA_PROP(SummaryLine, false), SKELDA_PROP(SummaryLineColor, 0xFF0000),
                       SKELDA_PROP(SummaryLineWidth, 2), SKELDA_PROP(ShowGroupCount, false),
                       SKELDA_PROP(GroupCountFormat, ""), SKELDA_PROP(AutoSelectGroup, false),
                       SKELDA_PROP(AutoCheckGroup, false)},
        .NotCopied = {"Summary", "HeaderLineColor", "HeaderLineWidth", "SummaryLineColor", "SummaryLineWidth"},
    };
}

}  // namespace

std::vector<TGroupCase> LookGroupCases()
{
    return {ControlLookCase(),  HeaderAppearanceCase(),   FooterAppearanceCase(), HeaderButtonCase(),
            FooterButtonCase(), ProgressAppearanceCase(), CellNodeCase(),         GroupingCase()};
}

}  // namespace skelda::grid::testing
