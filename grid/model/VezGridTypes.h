#pragma once

// The value types and event signatures of the string grid (TVezEzuzorEvad). Event arguments
// keep the order the grid's owners are written against: several events put the row first.

#include "grid/cells/CellPropertyTypes.h"
#include "grid/cells/TEditorType.h"
#include "grid/painting/CellPaintTypes.h"
#include "grid/settings/TMouseActions.h"
#include "platform/controls/core/ControlTypes.h"
#include "platform/controls/standard/StandardControlTypes.h"
#include "platform/core/TSet.h"
#include "platform/core/Types.h"
#include "platform/grids/GridTypes.h"

#include <cstdint>
#include <functional>
#include <string>

namespace plat {
class TBrush;
class TFont;
class TPen;
class TStrings;
}  // namespace plat

namespace skelda::foundation {
class TVezHintInfo;
}  // namespace skelda::foundation

namespace skelda::grid {

class TEditLink;

enum TScrollType : std::uint8_t { ssNormal, ssFlat, ssEncarta, ssMetro };
enum TScrollHintType : std::uint8_t { shNone, shVertical, shHorizontal, shBoth };
// Scroll bars shown even when everything fits.
enum TScrollBarAlways : std::uint8_t { saNone, saVert, saHorz, saBoth };
enum TIntelliPan : std::uint8_t { ipVertical, ipHorizontal, ipBoth, ipNone };
// Whether fixed columns get filter drop-downs too.
enum TFilterDropDownColumns : std::uint8_t { fdNormal, fdAll };
enum TInvalidEntryIcon : std::uint8_t { ieNone, ieInfo, ieWarning, ieError };

// How the sort compares a column.
enum TSortStyle : std::uint8_t {
    ssAutomatic,
    ssAlphabetic,
    ssNumeric,
    ssDate,
    ssAlphaNoCase,
    ssAlphaCase,
    ssShortDateEU,
    ssShortDateUS,
    ssCustom,
    ssFinancial,
    ssAnsiAlphaCase,
    ssAnsiAlphaNoCase,
    ssRaw,
    ssHTML,
    ssImages,
    ssCheckBox,
    ssDateTime,
    ssTime,
    ssAlphaNumeric,
    ssAlphaNumericNoCase,
};

enum TSearchAction : std::uint8_t { saFindFirst, saFindPrevious, saFindNext };

using TGridColorEvent = std::function<void(plat::TObject* Sender, int ARow, int ACol, plat::TGridDrawState AState,
                                           plat::TBrush& ABrush, plat::TFont& AFont)>;
using TGridBorderEvent =
    std::function<void(plat::TObject* Sender, int ARow, int ACol, plat::TPen& APen, TCellBorders& Borders)>;
using TGridAlignEvent = std::function<void(plat::TObject* Sender, int ARow, int ACol, plat::TAlignment& HAlign,
                                           TVAlignment& VAlign)>;
using TGridFormatEvent = std::function<void(plat::TObject* Sender, int ACol, TSortStyle& AStyle, std::string& aPrefix,
                                            std::string& aSuffix)>;
using TGetEditorTypeEvent = std::function<void(plat::TObject* Sender, int ACol, int ARow, TEditorType& AEditor)>;
// Column first: OnHasComboBox, OnHasSpinEdit, OnGetWordWrap.
using TCellFlagEvent = std::function<void(plat::TObject* Sender, int ACol, int ARow, bool& Value)>;
// Row first: OnIsFixedCell, OnCanEditCell, OnIsPasswordCell.
using TRowColFlagEvent = std::function<void(plat::TObject* Sender, int ARow, int ACol, bool& Value)>;
// OnGetCheckTrue, OnGetCheckFalse.
using TGetCheckEvent = std::function<void(plat::TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TGridHintEvent = std::function<void(plat::TObject* Sender, int ARow, int ACol, std::string& hintstr)>;
using TOfficeHintEvent =
    std::function<void(plat::TObject* Sender, int ACol, int ARow, foundation::TVezHintInfo& OfficeHint)>;
using TGetCellCursorEvent =
    std::function<void(plat::TObject* Sender, int ACol, int ARow, int X, int Y, plat::TCursor& ACursor)>;
using TGetColumnFilterEvent = std::function<void(plat::TObject* Sender, int Column, plat::TStrings& Filter)>;

using TSearchFooterActionEvent = std::function<void(plat::TObject* Sender, const std::string& Value, int ACol,
                                                    int ARow, TSearchAction SearchAction)>;
using TCellClickEvent = std::function<void(plat::TObject* Sender, int ACol, int ARow)>;
using TRowColClickEvent = std::function<void(plat::TObject* Sender, int ARow, int ACol)>;
using TExpandClickEvent = std::function<void(plat::TObject* Sender, int ACol, int ARow, bool Expanded)>;
using TPrintPageNumEvent =
    std::function<void(plat::TObject* Sender, int PageNum, int PageColNum, std::string& PageNumString)>;
using TGetEditorPropEvent = std::function<void(plat::TObject* Sender, int ACol, int ARow, TEditLink* AEditLink)>;
using TCheckBoxClickEvent = std::function<void(plat::TObject* Sender, int ACol, int ARow, bool State)>;
using TFixedEditEvent = std::function<void(plat::TObject* Sender, int ACol, int ARow, TGridFixedCellEditor& AEditor,
                                           plat::TStrings& Values)>;
using TSelectionChangedEvent =
    std::function<void(plat::TObject* Sender, int ALeft, int ATop, int ARight, int ABottom)>;
using TRowEvent = std::function<void(plat::TObject* Sender, int ARow)>;
using TRowChangedEvent = std::function<void(plat::TObject* Sender, int OldRow, int NewRow)>;
using TCellsChangedEvent = std::function<void(plat::TObject* Sender, const plat::TRect& R)>;
using TRowDisjunctSelectEvent = std::function<void(plat::TObject* Sender, int ARow, bool AState, bool& Allow)>;

}  // namespace skelda::grid
