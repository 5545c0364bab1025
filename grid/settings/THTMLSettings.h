#pragma once

#include "grid/support/TIntList.h"
#include "platform/core/TPersistent.h"

#include <memory>
#include <string>

namespace skelda::grid {

// How the grid writes its cells as an HTML table.
class THTMLSettings : public plat::TPersistent {
public:
    THTMLSettings();
    ~THTMLSettings() override;

    std::string ClassName() const override { return "THTMLSettings"; }

    // From another THTMLSettings: every setting except ExportImages; not ColWidths. Other sources
    // are ignored.
    void Assign(const plat::TPersistent& Source) override;

    // Open the written file afterwards.
    bool GetAutoPreview() const { return FAutoPreview; }
    void SetAutoPreview(bool Value) { FAutoPreview = Value; }
    int GetBorderSize() const { return FBorderSize; }
    void SetBorderSize(int Value) { FBorderSize = Value; }
    int GetCellSpacing() const { return FCellSpacing; }
    void SetCellSpacing(int Value) { FCellSpacing = Value; }
    int GetCellPadding() const { return FCellPadding; }
    void SetCellPadding(int Value) { FCellPadding = Value; }
    bool GetConvertSpecialChars() const { return FConvertSpecialChars; }
    void SetConvertSpecialChars(bool Value) { FConvertSpecialChars = Value; }
    bool GetExportImages() const { return FExportImages; }
    void SetExportImages(bool Value) { FExportImages = Value; }
    // Files whose lines follow and precede the table.
    const std::string& GetFooterFile() const { return FFooterFile; }
    void SetFooterFile(const std::string& Value) { FFooterFile = Value; }
    const std::string& GetHeaderFile() const { return FHeaderFile; }
    void SetHeaderFile(const std::string& Value) { FHeaderFile = Value; }
    bool GetNonBreakingText() const { return FNonBreakingText; }
    void SetNonBreakingText(bool Value) { FNonBreakingText = Value; }
    const std::string& GetPrefixTag() const { return FPrefixTag; }
    void SetPrefixTag(const std::string& Value) { FPrefixTag = Value; }
    bool GetSaveColor() const { return FSaveColor; }
    void SetSaveColor(bool Value) { FSaveColor = Value; }
    bool GetSaveFonts() const { return FSaveFonts; }
    void SetSaveFonts(bool Value) { FSaveFonts = Value; }
    const std::string& GetSuffixTag() const { return FSuffixTag; }
    void SetSuffixTag(const std::string& Value) { FSuffixTag = Value; }
    const std::string& GetSummary() const { return FSummary; }
    void SetSummary(const std::string& Value) { FSummary = Value; }
    const std::string& GetTableStyle() const { return FTableStyle; }
    void SetTableStyle(const std::string& Value) { FTableStyle = Value; }
    // Table width in percent.
    int GetWidth() const { return FWidth; }
    void SetWidth(int Value) { FWidth = Value; }
    bool GetXHTML() const { return FXHTML; }
    void SetXHTML(bool Value) { FXHTML = Value; }
    // Pixel widths written as the cells' width attributes.
    TIntList& ColWidths() { return *FColWidths; }
    const TIntList& ColWidths() const { return *FColWidths; }

private:
    bool FAutoPreview = false;
    int FBorderSize = 1;
    int FCellSpacing = 0;
    int FCellPadding = 0;
    bool FConvertSpecialChars = false;
    bool FExportImages = true;
    std::string FFooterFile;
    std::string FHeaderFile;
    bool FNonBreakingText = false;
    std::string FPrefixTag;
    bool FSaveColor = true;
    bool FSaveFonts = true;
    std::string FSuffixTag;
    std::string FSummary;
    std::string FTableStyle;
    int FWidth = 100;
    bool FXHTML = false;
    std::unique_ptr<TIntList> FColWidths;
};

}  // namespace skelda::grid
