#pragma once

#include "platform/core/TPersistent.h"
#include "platform/graphics/Colors.h"

#include <functional>
#include <string>

namespace skelda::grid {

// Sender, the footer cell and its text to fill in.
using TCalcFooterEvent = std::function<void(plat::TObject* Sender, int ACol, int ARow, std::string& Value)>;

enum TFooterStyle { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };

// The footer bar that stays below the cells while the rows scroll. With fsFixedLastRow it shows the
// grid's last row, where the grid computes per-column aggregates; the other styles preview a column
// of the current row, fill CustomTemplate from it, or leave the painting to the owner.
class TFloatingFooter : public plat::TPersistent {
public:
    std::string ClassName() const override { return "TFloatingFooter"; }

    // From another TFloatingFooter: CalculateHiddenRows, Color, Column, CustomTemplate,
    // FooterStyle, Visible and ShowHint; not Height, BorderColor, EnableCalculation or
    // OnCalcFooter. Other sources are ignored.
    void Assign(const plat::TPersistent& Source) override;

    bool GetVisible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }
    // Set by the grid when it is made.
    int GetHeight() const { return FHeight; }
    void SetHeight(int Value) { FHeight = Value; }
    plat::TColor GetColor() const { return FColor; }
    void SetColor(plat::TColor Value) { FColor = Value; }
    // The line along the top; clNone draws none.
    plat::TColor GetBorderColor() const { return FBorderColor; }
    void SetBorderColor(plat::TColor Value) { FBorderColor = Value; }
    // The column fsColumnPreview shows.
    int GetColumn() const { return FColumn; }
    void SetColumn(int Value) { FColumn = Value; }
    TFooterStyle GetFooterStyle() const { return FFooterStyle; }
    void SetFooterStyle(TFooterStyle Value) { FFooterStyle = Value; }
    // Mini-HTML with <#n> tags, each replaced by the text of column n in the current row.
    const std::string& GetCustomTemplate() const { return FCustomTemplate; }
    void SetCustomTemplate(const std::string& Value) { FCustomTemplate = Value; }
    bool GetCalculateHiddenRows() const { return FCalculateHiddenRows; }
    void SetCalculateHiddenRows(bool Value) { FCalculateHiddenRows = Value; }
    bool GetEnableCalculation() const { return FEnableCalculation; }
    void SetEnableCalculation(bool Value) { FEnableCalculation = Value; }
    bool GetShowHint() const { return FShowHint; }
    void SetShowHint(bool Value) { FShowHint = Value; }

    // Computes the footer cells of columns with a custom calculation when the grid has no handler.
    TCalcFooterEvent OnCalcFooter;

private:
    bool FVisible = false;
    int FHeight = 0;
    plat::TColor FColor = plat::clBtnFace;
    plat::TColor FBorderColor = plat::clNone;
    int FColumn = 0;
    TFooterStyle FFooterStyle = fsFixedLastRow;
    std::string FCustomTemplate;
    bool FCalculateHiddenRows = true;
    bool FEnableCalculation = true;
    bool FShowHint = false;
};

}  // namespace skelda::grid
