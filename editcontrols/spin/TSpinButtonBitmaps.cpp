#include "editcontrols/spin/TSpinButtonBitmaps.h"

#include "editcontrols/base/ThemeHandle.h"
#include "editcontrols/spin/SpinButtonFaces.h"
#include "editcontrols/spin/SpinGlyphs.h"
#include "editcontrols/spin/TSpinButtonBitmapsManager.h"
#include "platform/graphics/TCanvas.h"

namespace skelda::editcontrols {

TSpinButtonBitmaps::TSpinButtonBitmaps(TSpinButtonBitmapsManager& Manager, int WidthPx, int HeightPx,
                                       TKvSpinButtonStyle Style, bool CustomGlyphs)
    : FManager(Manager), FHeight(HeightPx), FWidth(WidthPx), FStyle(Style), FCustomGlyphs(CustomGlyphs)
{
    BuildFaces();
}

void TSpinButtonBitmaps::RemoveClient()
{
    if (--FClientCount <= 0)
        FManager.Forget(this);
}

void TSpinButtonBitmaps::BuildFaces()
{
    FIsThemed = ThemesActive();
    const bool arrows = !FCustomGlyphs;
    struct FaceOf {
        plat::TBitmap& Bitmap;
        TSpinFace Face;
    };
    const FaceOf faces[] = {
        {FTopDownBtn, {sbTopDown, sbNotDown, true}},    {FBottomDownBtn, {sbBottomDown, sbNotDown, true}},
        {FNotDownBtn, {sbNotDown, sbNotDown, true}},    {FDisabledBtn, {sbNotDown, sbNotDown, false}},
        {FTopHotBtn, {sbNotDown, sbTopDown, true}},     {FBottomHotBtn, {sbNotDown, sbBottomDown, true}},
    };
    if (FIsThemed) {
        const TThemedSpinFacePainter painter(FWidth, FHeight, FStyle, arrows);
        for (const FaceOf& face : faces) {
            face.Bitmap.SetSize(FWidth, FHeight);
            painter.Paint(face.Bitmap.Canvas(), face.Face);
        }
        return;
    }
    for (const FaceOf& face : faces) {
        const bool hotFace = face.Face.Hot != sbNotDown;
        face.Bitmap.SetSize(hotFace ? 0 : FWidth, hotFace ? 0 : FHeight);
        if (!hotFace)
            PaintPlainSpinFace(face.Bitmap.Canvas(), FWidth, FHeight, FStyle, face.Face, arrows);
    }
}

void TSpinButtonBitmaps::Draw(plat::TCanvas& Canvas, TSpinButtonState State, bool MouseInBottom, bool MouseInTop,
                              bool Enabled)
{
    if (FResetOnDraw) {
        BuildFaces();
        FResetOnDraw = false;
    }
    const plat::TBitmap* face = &FNotDownBtn;
    if (!Enabled)
        face = &FDisabledBtn;
    else if (State == sbTopDown)
        face = &FTopDownBtn;
    else if (State == sbBottomDown)
        face = &FBottomDownBtn;
    else if (FIsThemed && MouseInTop)
        face = &FTopHotBtn;
    else if (FIsThemed && MouseInBottom)
        face = &FBottomHotBtn;
    Canvas.Draw(0, 0, face);
}

void TSpinButtonBitmaps::DrawGlyphs(plat::TCanvas& Canvas, TSpinButtonState State, const plat::TBitmap* DownGlyph,
                                    const plat::TBitmap* UpGlyph, bool Enabled) const
{
    if (FStyle == sbsClassic) {
        if (!FIsThemed)
            DrawClassicGlyphs(Canvas, FWidth, FHeight, UpGlyph, DownGlyph, State, Enabled);
        return;
    }
    DrawDiagonalGlyphs(Canvas, FWidth, FHeight, UpGlyph, DownGlyph, !FIsThemed && State == sbTopDown, Enabled);
}

}  // namespace skelda::editcontrols
