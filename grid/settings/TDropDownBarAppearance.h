#pragma once

#include "platform/core/TPersistent.h"
#include "platform/graphics/Colors.h"

#include <functional>
#include <memory>
#include <string>

namespace plat {
class TFont;
}  // namespace plat

namespace skelda::grid {

enum TGradientDirection { gdHorizontal, gdVertical };
enum TButtonAlignment { baLeft, baRight };

// What the header and footer bars of a drop-down's popup have in common: their size, colours,
// caption and font. Only Visible reports its changes (OnChange); OnButtonsChanged tells of a
// change of a button's caption, state or width.
class TDropDownBarAppearance : public plat::TPersistent {
public:
    TDropDownBarAppearance();
    ~TDropDownBarAppearance() override;

    bool GetVisible() const { return FVisible; }
    void SetVisible(bool Value);
    int GetHeight() const { return FHeight; }
    void SetHeight(int Value) { FHeight = Value; }
    int GetBorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value) { FBorderWidth = Value; }
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    const std::string& GetCaption() const { return FCaption; }
    void SetCaption(const std::string& Value) { FCaption = Value; }
    plat::TColor GetColor() const { return FColor; }
    void SetColor(plat::TColor Value) { FColor = Value; }
    plat::TColor GetColorTo() const { return FColorTo; }
    void SetColorTo(plat::TColor Value) { FColorTo = Value; }
    plat::TColor GetBorderColor() const { return FBorderColor; }
    void SetBorderColor(plat::TColor Value) { FBorderColor = Value; }
    plat::TFont& Font() { return *FFont; }
    const plat::TFont& Font() const { return *FFont; }
    // Copies Value into the bar's own font.
    void SetFont(const plat::TFont& Value);
    TGradientDirection GetGradientDirection() const { return FGradientDirection; }
    void SetGradientDirection(TGradientDirection Value) { FGradientDirection = Value; }
    TButtonAlignment GetButtonAlignment() const { return FButtonAlignment; }
    void SetButtonAlignment(TButtonAlignment Value) { FButtonAlignment = Value; }

    std::function<void(plat::TObject* Sender)> OnChange;
    std::function<void(plat::TObject* Sender)> OnButtonsChanged;

protected:
    // Copies the common settings in the order the bars expect: colours, caption, font, image,
    // border, gradient and height, then Visible through its setter, then ButtonAlignment.
    void AssignBar(const TDropDownBarAppearance& Source);
    void ButtonsChanged();

private:
    bool FVisible = true;
    int FHeight = 22;
    int FBorderWidth = 1;
    int FImageIndex = -1;
    std::string FCaption;
    plat::TColor FColorTo = plat::clWhite;
    plat::TColor FColor = plat::clSilver;
    plat::TColor FBorderColor = plat::clBlack;
    std::unique_ptr<plat::TFont> FFont;
    TGradientDirection FGradientDirection = gdVertical;
    TButtonAlignment FButtonAlignment = baRight;
};

}  // namespace skelda::grid
