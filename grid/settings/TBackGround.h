#pragma once

#include "platform/core/TPersistent.h"
#include "platform/graphics/Colors.h"

#include <memory>

namespace plat {
class TBitmap;
}  // namespace plat

namespace skelda::grid {

enum TBackGroundDisplay { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum TBackGroundCells { bcNormal, bcFixed, bcAll };

// The picture or gradient behind the grid's cells. The grid copies these values in its BackGround
// setter; the group has no Assign of its own.
class TBackGround : public plat::TPersistent {
public:
    TBackGround();
    ~TBackGround() override;

    std::string ClassName() const override { return "TBackGround"; }

    TBackGroundDisplay GetDisplay() const { return FDisplay; }
    void SetDisplay(TBackGroundDisplay Value) { FDisplay = Value; }
    // Which cells show the background.
    TBackGroundCells GetCells() const { return FCells; }
    void SetCells(TBackGroundCells Value) { FCells = Value; }
    // Offset of a fixed picture in pixels.
    int GetTop() const { return FTop; }
    void SetTop(int Value) { FTop = Value; }
    int GetLeft() const { return FLeft; }
    void SetLeft(int Value) { FLeft = Value; }
    // The gradient's colours.
    plat::TColor GetColor() const { return FColor; }
    void SetColor(plat::TColor Value) { FColor = Value; }
    plat::TColor GetColorTo() const { return FColorTo; }
    void SetColorTo(plat::TColor Value) { FColorTo = Value; }
    plat::TBitmap& Bitmap() { return *FBitmap; }
    const plat::TBitmap& Bitmap() const { return *FBitmap; }
    void SetBitmap(const plat::TBitmap& Value);

private:
    TBackGroundDisplay FDisplay = bdTile;
    TBackGroundCells FCells = bcNormal;
    int FTop = 0;
    int FLeft = 0;
    plat::TColor FColor = plat::clWindow;
    plat::TColor FColorTo = plat::clBtnFace;
    std::unique_ptr<plat::TBitmap> FBitmap;
};

}  // namespace skelda::grid
