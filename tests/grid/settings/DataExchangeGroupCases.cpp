#include "PropertyTable.h"

#include "grid/settings/TDragDropSettings.h"
#include "grid/settings/TDragScrollOptions.h"
#include "grid/settings/TFilterData.h"
#include "grid/settings/TFilterDropDown.h"
#include "grid/settings/THTMLSettings.h"
#include "grid/settings/TPrintSettings.h"
#include "grid/settings/TSortSettings.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TFont.h"

namespace skelda::grid::testing {

namespace {

TGroupCase SortSettingsCase()
{
    using C = TSortSettings;
    return {
        .Name = "SortSettings",
        .Make = Make<C>(),
        .Properties =
            {SKELDA_PROP(Show, false), SKELDA_PROP(IndexShow, false), SKELDA_PROP(Full, true),
             SKELDA_PROP(SingleColumn, false), SKELDA_PROP(IgnoreBlanks, false), SKELDA_PROP(BlankPos, blFirst),
             SKELDA_PROP(AutoFormat, true), SKELDA_PROP(Direction, sdAscending), SKELDA_OBJECT(UpGlyph, "0x0"),
             SKELDA_OBJECT(DownGlyph, "0x0"), SKELDA_OBJECT(IndexUpGlyph, "0x0"), SKELDA_OBJECT(IndexDownGlyph, "0x0"),
             SKELDA_PROP(NormalCellsOnly, false), SKELDA_PROP(FixedCols, false), SKELDA_PROP(Column, -1),
             SKELDA_PROP(Row, 0), SKELDA_PROP(AutoColumnMerge, false), SKELDA_PROP(IndexColor, 0x0000FFFF),
             SKELDA_PROP(InitSortDirection, sdAscending), SKELDA_PROP(UndoSort, false),
             SKELDA_PROP(AutoSortForGrouping, true), SKELDA_PROP(SortOnVirtualCells, true),
             SKELDA_PROP(IgnoreCase, false), SKELDA_PROP(HeaderColor, plat::clNone),
             SKELDA_PROP(HeaderColorTo, plat::clNone), SKELDA_PROP(HeaderMirrorColor, plat::clNone),
             SKELDA_PROP(HeaderMirrorColorTo, plat::clNone), SKELDA_PROP(IndexSortKey, ikShift)},
        .NotCopied = {"SortOnVirtualCells", "IgnoreCase"},
    };
}

TGroupCase FilterDataCase()
{
    using C = TFilterData;
    return {
        .Name = "FilterData",
        .Make = Make<C>(),
        .Properties = {SKELDA_PROP(Column, 0), SKELDA_PROP(Condition, ""), SKELDA_PROP(CaseSensitive, true),
                       SKELDA_PROP(Suffix, ""), SKELDA_PROP(Prefix, ""), SKELDA_PROP(Operation, foSHORT),
                       SKELDA_PROP(Data, fcVirtual)},
    };
}

TGroupCase FilterDropDownCase()
{
    using C = TFilterDropDown;
    return {
        .Name = "FilterDropDown",
        .Make = Make<C>(),
        .Properties = {SKELDA_PROP(AutoSize, false), SKELDA_PROP(Height, 150), SKELDA_PROP(Width, 150),
                       SKELDA_PROP(Color, plat::clWindow), SKELDA_OBJECT(Font, FreshText<plat::TFont>()),
                       SKELDA_OBJECT(Glyph, "0x0"), SKELDA_OBJECT(GlyphActive, "0x0"), SKELDA_PROP(ColumnWidth, false)},
        .NotCopied = {"AutoSize"},
        .Listen = ListenTo(&C::OnChange),
        .Notifying = {"Glyph", "GlyphActive"},
    };
}

TGroupCase PrintSettingsCase()
{
    using C = TPrintSettings;
    const std::string newFont = FreshText<plat::TFont>();
    return {
        .Name = "PrintSettings",
        .Make = Make<C>(),
        .Properties =
            {SKELDA_PROP(Time, ppNone), SKELDA_PROP(Date, ppNone), SKELDA_PROP(DateFormat, "dd/mm/yyyy"),
             SKELDA_PROP(PageNr, ppNone), SKELDA_PROP(PagePrefix, ""), SKELDA_PROP(PageSuffix, ""),
             SKELDA_PROP(PageNumSep, "/"), SKELDA_PROP(PageNumberOffset, 0), SKELDA_PROP(MaxPagesOffset, 0),
             SKELDA_PROP(Title, ppNone), SKELDA_PROP(TitleText, ""), SKELDA_OBJECT(TitleLines, "[]"),
             SKELDA_PROP(TitleSpacing, 0), SKELDA_OBJECT(Font, newFont), SKELDA_OBJECT(FixedFont, newFont),
             SKELDA_OBJECT(HeaderFont, newFont), SKELDA_OBJECT(FooterFont, newFont), SKELDA_PROP(UseDisplayFont, true),
             SKELDA_PROP(Borders, pbSingle), SKELDA_PROP(BorderStyle, plat::psSolid),
             SKELDA_PROP(BorderColor, plat::clBlack), SKELDA_PROP(Centered, true), SKELDA_PROP(RepeatFixedRows, false),
             SKELDA_PROP(RepeatFixedCols, false), SKELDA_PROP(HeaderSize, 0), SKELDA_PROP(FooterSize, 0),
             SKELDA_PROP(LeftSize, 0), SKELDA_PROP(RightSize, 0), SKELDA_PROP(ColumnSpacing, 0),
             SKELDA_PROP(RowSpacing, 0), SKELDA_PROP(Orientation, poPortrait), SKELDA_PROP(UseDefaultOrientation, false),
             SKELDA_PROP(FixedWidth, 0), SKELDA_PROP(UseFixedWidth, false), SKELDA_PROP(FixedHeight, 0),
             SKELDA_PROP(UseFixedHeight, false), SKELDA_PROP(FitToPage, fpNever), SKELDA_PROP(NoAutoSize, false),
             SKELDA_PROP(NoAutoSizeRow, false), SKELDA_PROP(PrintGraphics, false), SKELDA_PROP(JobName, ""),
             SKELDA_PROP(FixedCellsAlways, false)},
        .NotCopied = {"FixedCellsAlways"},
        .Foreign = TForeignSource::Raises,
    };
}

TGroupCase HTMLSettingsCase()
{
    using C = THTMLSettings;
    return {
        .Name = "HTMLSettings",
        .Make = Make<C>(),
        .Properties = {SKELDA_PROP(AutoPreview, false), SKELDA_PROP(BorderSize, 1), SKELDA_PROP(CellSpacing, 0),
                       SKELDA_PROP(CellPadding, 0), SKELDA_PROP(ConvertSpecialChars, false),
                       SKELDA_PROP(ExportImages, true), SKELDA_PROP(FooterFile, ""), SKELDA_PROP(HeaderFile, ""),
                       SKELDA_PROP(NonBreakingText, false), SKELDA_PROP(PrefixTag, ""), SKELDA_PROP(SaveColor, true),
                       SKELDA_PROP(SaveFonts, true), SKELDA_PROP(SuffixTag, ""), SKELDA_PROP(Summary, ""),
                       SKELDA_PROP(TableStyle, ""), SKELDA_PROP(Width, 100), SKELDA_PROP(XHTML, false),
                       SKELDA_OWNED(ColWidths, "[]")},
        .NotCopied = {"ExportImages", "ColWidths"},
    };
}

TGroupCase DragDropSettingsCase()
{
    using C = TDragDropSettings;
    return {
        .Name = "DragDropSettings",
        .Make = Make<C>(),
        .Properties = {SKELDA_PROP(OleDropTarget, false), SKELDA_PROP(OleDropSource, false),
                       SKELDA_PROP(OleDropRTF, false), SKELDA_PROP(OleAcceptText, true),
                       SKELDA_PROP(OleAcceptFiles, true), SKELDA_PROP(OleAcceptURLs, true),
                       SKELDA_PROP(OleEntireRows, false), SKELDA_PROP(OleAppendRows, false),
                       SKELDA_PROP(OleInsertRows, false), SKELDA_PROP(OleRemoveRows, false),
                       SKELDA_PROP(OleCopyAlways, false), SKELDA_PROP(OleColumnDragDrop, false),
                       SKELDA_PROP(OleColumnReorder, false), SKELDA_PROP(OleColumnsOnly, false),
                       SKELDA_PROP(ShowCells, true)},
    };
}

TGroupCase DragScrollOptionsCase()
{
    using C = TDragScrollOptions;
    return {
        .Name = "DragScrollOptions",
        .Make = Make<C>(),
        .Properties = {SKELDA_PROP(Active, false), SKELDA_NESTED(Delays, InitialDelay, 1000),
                       SKELDA_NESTED(Delays, RepeatDelay, 250), SKELDA_NESTED(Margins, TopMargin, 50),
                       SKELDA_NESTED(Margins, BottomMargin, 50), SKELDA_NESTED(Margins, LeftMargin, 50),
                       SKELDA_NESTED(Margins, RightMargin, 50)},
    };
}

}  // namespace

std::vector<TGroupCase> DataExchangeGroupCases()
{
    return {SortSettingsCase(),  FilterDataCase(),       FilterDropDownCase(),   PrintSettingsCase(),
            HTMLSettingsCase(), DragDropSettingsCase(), DragScrollOptionsCase()};
}

}  // namespace skelda::grid::testing
