#pragma once

#include "platform/core/TPersistent.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/TPen.h"

#include <memory>
#include <string>

namespace plat {
class TFont;
class TStringList;
class TStrings;
}  // namespace plat

namespace skelda::grid {

enum TPrintPosition { ppNone, ppTopLeft, ppTopRight, ppTopCenter, ppBottomLeft, ppBottomRight, ppBottomCenter };
enum TPrintBorders {
    pbNoborder,
    pbSingle,
    pbDouble,
    pbVertical,
    pbHorizontal,
    pbAround,
    pbAroundVertical,
    pbAroundHorizontal,
    pbCustom,
};
enum TFitToPage { fpNever, fpGrow, fpShrink, fpAlways, fpCustom };
enum TPrinterOrientation { poPortrait, poLandscape };

// How the grid prints: page header and footer texts, fonts, borders, margins, orientation and
// scaling.
class TPrintSettings : public plat::TPersistent {
public:
    TPrintSettings();
    ~TPrintSettings() override;

    std::string ClassName() const override { return "TPrintSettings"; }

    // From another TPrintSettings: every setting but FixedCellsAlways, the fonts and title lines by
    // value. A source of another class raises plat::EConvertError.
    void Assign(const plat::TPersistent& Source) override;

    // Where the time (hh:nn) is printed.
    TPrintPosition GetTime() const { return FTime; }
    void SetTime(TPrintPosition Value) { FTime = Value; }
    // Where the date, in DateFormat, is printed.
    TPrintPosition GetDate() const { return FDate; }
    void SetDate(TPrintPosition Value) { FDate = Value; }
    const std::string& GetDateFormat() const { return FDateFormat; }
    void SetDateFormat(const std::string& Value) { FDateFormat = Value; }
    TPrintPosition GetPageNr() const { return FPageNr; }
    void SetPageNr(TPrintPosition Value) { FPageNr = Value; }
    const std::string& GetPagePrefix() const { return FPagePrefix; }
    void SetPagePrefix(const std::string& Value) { FPagePrefix = Value; }
    const std::string& GetPageSuffix() const { return FPageSuffix; }
    void SetPageSuffix(const std::string& Value) { FPageSuffix = Value; }
    // Between the page number and the page count; empty prints no count.
    const std::string& GetPageNumSep() const { return FPageNumSep; }
    void SetPageNumSep(const std::string& Value) { FPageNumSep = Value; }
    int GetPageNumberOffset() const { return FPageNumberOffset; }
    void SetPageNumberOffset(int Value) { FPageNumberOffset = Value; }
    int GetMaxPagesOffset() const { return FMaxPagesOffset; }
    void SetMaxPagesOffset(int Value) { FMaxPagesOffset = Value; }
    TPrintPosition GetTitle() const { return FTitle; }
    void SetTitle(TPrintPosition Value) { FTitle = Value; }
    // A one-line title; when empty, TitleLines is the title.
    const std::string& GetTitleText() const { return FTitleText; }
    void SetTitleText(const std::string& Value) { FTitleText = Value; }
    // Sizes and distances are in tenths of a millimetre.
    int GetTitleSpacing() const { return FTitleSpacing; }
    void SetTitleSpacing(int Value) { FTitleSpacing = Value; }
    // Print the cells in the grid's own fonts instead of Font and FixedFont.
    bool GetUseDisplayFont() const { return FUseDisplayFont; }
    void SetUseDisplayFont(bool Value) { FUseDisplayFont = Value; }
    TPrintBorders GetBorders() const { return FBorders; }
    void SetBorders(TPrintBorders Value) { FBorders = Value; }
    plat::TPenStyle GetBorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(plat::TPenStyle Value) { FBorderStyle = Value; }
    plat::TColor GetBorderColor() const { return FBorderColor; }
    void SetBorderColor(plat::TColor Value) { FBorderColor = Value; }
    bool GetCentered() const { return FCentered; }
    void SetCentered(bool Value) { FCentered = Value; }
    bool GetRepeatFixedRows() const { return FRepeatFixedRows; }
    void SetRepeatFixedRows(bool Value) { FRepeatFixedRows = Value; }
    bool GetRepeatFixedCols() const { return FRepeatFixedCols; }
    void SetRepeatFixedCols(bool Value) { FRepeatFixedCols = Value; }
    int GetHeaderSize() const { return FHeaderSize; }
    void SetHeaderSize(int Value) { FHeaderSize = Value; }
    int GetFooterSize() const { return FFooterSize; }
    void SetFooterSize(int Value) { FFooterSize = Value; }
    int GetLeftSize() const { return FLeftSize; }
    void SetLeftSize(int Value) { FLeftSize = Value; }
    int GetRightSize() const { return FRightSize; }
    void SetRightSize(int Value) { FRightSize = Value; }
    int GetColumnSpacing() const { return FColumnSpacing; }
    void SetColumnSpacing(int Value) { FColumnSpacing = Value; }
    int GetRowSpacing() const { return FRowSpacing; }
    void SetRowSpacing(int Value) { FRowSpacing = Value; }
    TPrinterOrientation GetOrientation() const { return FOrientation; }
    void SetOrientation(TPrinterOrientation Value) { FOrientation = Value; }
    bool GetUseDefaultOrientation() const { return FUseDefaultOrientation; }
    void SetUseDefaultOrientation(bool Value) { FUseDefaultOrientation = Value; }
    int GetFixedWidth() const { return FFixedWidth; }
    void SetFixedWidth(int Value) { FFixedWidth = Value; }
    bool GetUseFixedWidth() const { return FUseFixedWidth; }
    void SetUseFixedWidth(bool Value) { FUseFixedWidth = Value; }
    int GetFixedHeight() const { return FFixedHeight; }
    void SetFixedHeight(int Value) { FFixedHeight = Value; }
    bool GetUseFixedHeight() const { return FUseFixedHeight; }
    void SetUseFixedHeight(bool Value) { FUseFixedHeight = Value; }
    TFitToPage GetFitToPage() const { return FFitToPage; }
    void SetFitToPage(TFitToPage Value) { FFitToPage = Value; }
    bool GetNoAutoSize() const { return FNoAutoSize; }
    void SetNoAutoSize(bool Value) { FNoAutoSize = Value; }
    bool GetNoAutoSizeRow() const { return FNoAutoSizeRow; }
    void SetNoAutoSizeRow(bool Value) { FNoAutoSizeRow = Value; }
    bool GetPrintGraphics() const { return FPrintGraphics; }
    void SetPrintGraphics(bool Value) { FPrintGraphics = Value; }
    const std::string& GetJobName() const { return FJobName; }
    void SetJobName(const std::string& Value) { FJobName = Value; }
    // Print the fixed rows and columns too when only selected ones are printed.
    bool GetFixedCellsAlways() const { return FFixedCellsAlways; }
    void SetFixedCellsAlways(bool Value) { FFixedCellsAlways = Value; }
    // A title of several lines, or in mini-HTML.
    plat::TStringList& TitleLines() { return *FTitleLines; }
    const plat::TStringList& TitleLines() const { return *FTitleLines; }
    void SetTitleLines(const plat::TStrings& Value);
    plat::TFont& Font() { return *FFont; }
    const plat::TFont& Font() const { return *FFont; }
    void SetFont(const plat::TFont& Value);
    plat::TFont& FixedFont() { return *FFixedFont; }
    const plat::TFont& FixedFont() const { return *FFixedFont; }
    void SetFixedFont(const plat::TFont& Value);
    plat::TFont& HeaderFont() { return *FHeaderFont; }
    const plat::TFont& HeaderFont() const { return *FHeaderFont; }
    void SetHeaderFont(const plat::TFont& Value);
    plat::TFont& FooterFont() { return *FFooterFont; }
    const plat::TFont& FooterFont() const { return *FFooterFont; }
    void SetFooterFont(const plat::TFont& Value);

private:
    TPrintPosition FTime = ppNone;
    TPrintPosition FDate = ppNone;
    std::string FDateFormat = "dd/mm/yyyy";
    TPrintPosition FPageNr = ppNone;
    std::string FPagePrefix;
    std::string FPageSuffix;
    std::string FPageNumSep = "/";
    int FPageNumberOffset = 0;
    int FMaxPagesOffset = 0;
    TPrintPosition FTitle = ppNone;
    std::string FTitleText;
    int FTitleSpacing = 0;
    bool FUseDisplayFont = true;
    TPrintBorders FBorders = pbSingle;
    plat::TPenStyle FBorderStyle = plat::psSolid;
    plat::TColor FBorderColor = plat::clBlack;
    bool FCentered = true;
    bool FRepeatFixedRows = false;
    bool FRepeatFixedCols = false;
    int FHeaderSize = 0;
    int FFooterSize = 0;
    int FLeftSize = 0;
    int FRightSize = 0;
    int FColumnSpacing = 0;
    int FRowSpacing = 0;
    TPrinterOrientation FOrientation = poPortrait;
    bool FUseDefaultOrientation = false;
    int FFixedWidth = 0;
    bool FUseFixedWidth = false;
    int FFixedHeight = 0;
    bool FUseFixedHeight = false;
    TFitToPage FFitToPage = fpNever;
    bool FNoAutoSize = false;
    bool FNoAutoSizeRow = false;
    bool FPrintGraphics = false;
    std::string FJobName;
    bool FFixedCellsAlways = false;
    std::unique_ptr<plat::TStringList> FTitleLines;
    std::unique_ptr<plat::TFont> FFont;
    std::unique_ptr<plat::TFont> FFixedFont;
    std::unique_ptr<plat::TFont> FHeaderFont;
    std::unique_ptr<plat::TFont> FFooterFont;
};

}  // namespace skelda::grid
