#include "pager/glow/GlowOutlines.h"

#include "foundation/GPColors.h"
#include "foundation/TGPGraphics.h"
#include "foundation/TGPGraphicsPath.h"
#include "foundation/TGPPen.h"
#include "pager/glow/GlowColors.h"

namespace skelda::pager {

using namespace skelda::foundation;

namespace {

REAL F(int Value) { return static_cast<REAL>(Value); }

// The left edge of a middle or right piece: the neighbour's separator colour when highlighted,
// else a short faint line that keeps the two faces apart.
void DrawInnerLeftEdge(TGPGraphics& Graphics, plat::TColor Color, int X, int Y, int H, bool Highlighted)
{
    if (Highlighted) {
        TGPPen pen(ColorToARGB(ShadeColor(Color, -5)));
        Graphics.DrawLine(&pen, F(X), F(Y), F(X), F(Y + H));
    } else {
        TGPPen pen(ColorToARGB(ShadeColor(plat::clWhite, -10)));
        Graphics.DrawLine(&pen, F(X), F(Y + 2), F(X), F(Y + H - 2));
    }
}

void DrawSeparator(TGPGraphics& Graphics, plat::TColor Color, int X, int Y, int H)
{
    TGPPen pen(ColorToARGB(ShadeColor(Color, -5)));
    Graphics.DrawLine(&pen, F(X), F(Y), F(X), F(Y + H));
}

}  // namespace

void AddRoundRectPath(TGPGraphicsPath& Path, int X, int Y, int W, int H, int Radius)
{
    const int d = 2 * Radius;
    Path.AddLine(F(X + Radius), F(Y), F(X + W - d), F(Y));
    Path.AddArc(F(X + W - d), F(Y), F(d), F(d), 270, 90);
    Path.AddLine(F(X + W), F(Y + Radius), F(X + W), F(Y + H - d));
    Path.AddArc(F(X + W - d), F(Y + H - d), F(d), F(d), 0, 90);
    Path.AddLine(F(X + W - d), F(Y + H), F(X + Radius), F(Y + H));
    Path.AddArc(F(X), F(Y + H - d), F(d), F(d), 90, 90);
    Path.AddLine(F(X), F(Y + H - d), F(X), F(Y + Radius));
    Path.AddArc(F(X), F(Y), F(d), F(d), 180, 90);
    Path.CloseFigure();
}

void OutlineRoundRect(TGPGraphics& Graphics, plat::TColor Color, int X, int Y, int W, int H, int Radius)
{
    TGPPen pen(ColorToARGB(Color));
    if (Radius == 0) {
        Graphics.DrawRectangle(&pen, F(X), F(Y), F(W), F(H));
        return;
    }
    TGPGraphicsPath path;
    AddRoundRectPath(path, X, Y, W, H, Radius);
    Graphics.DrawPath(&pen, &path);
}

void OutlineRoundRectDotted(TGPGraphics& Graphics, plat::TColor Color, int X, int Y, int W, int H, int Radius)
{
    TGPPen pen(ColorToARGB(Color));
    pen.SetDashStyle(DashStyleDot);
    TGPGraphicsPath path;
    AddRoundRectPath(path, X, Y, W, H, Radius);
    Graphics.DrawPath(&pen, &path);
}

void OutlineLeftPiece(TGPGraphics& Graphics, plat::TColor Color, int X, int Y, int W, int H, int Radius)
{
    const int d = 2 * Radius;
    TGPGraphicsPath path;
    path.AddLine(F(X + W), F(Y + H), F(X + Radius), F(Y + H));
    path.AddArc(F(X), F(Y + H - d), F(d), F(d), 90, 90);
    path.AddLine(F(X), F(Y + H - d), F(X), F(Y + Radius));
    path.AddArc(F(X), F(Y), F(d), F(d), 180, 90);
    path.AddLine(F(X + Radius), F(Y), F(X + W), F(Y));
    TGPPen pen(ColorToARGB(Color));
    Graphics.DrawPath(&pen, &path);
    DrawSeparator(Graphics, Color, X + W, Y, H);
}

void OutlineMiddlePiece(TGPGraphics& Graphics, plat::TColor Color, int X, int Y, int W, int H, int /*Radius*/,
                        bool Highlighted)
{
    TGPPen pen(ColorToARGB(Color));
    Graphics.DrawLine(&pen, F(X - 1), F(Y + H), F(X + W), F(Y + H));
    Graphics.DrawLine(&pen, F(X - 1), F(Y), F(X + W), F(Y));
    DrawSeparator(Graphics, Color, X + W, Y, H);
    DrawInnerLeftEdge(Graphics, Color, X, Y, H, Highlighted);
}

void OutlineRightPiece(TGPGraphics& Graphics, plat::TColor Color, int X, int Y, int W, int H, int Radius,
                       bool Highlighted)
{
    const int d = 2 * Radius;
    TGPGraphicsPath path;
    path.AddLine(F(X), F(Y), F(X + W - d), F(Y));
    path.AddArc(F(X + W - d), F(Y), F(d), F(d), 270, 90);
    path.AddLine(F(X + W), F(Y + Radius), F(X + W), F(Y + H - d));
    path.AddArc(F(X + W - d), F(Y + H - d), F(d), F(d), 0, 90);
    path.AddLine(F(X + W - d), F(Y + H), F(X), F(Y + H));
    TGPPen pen(ColorToARGB(Color));
    Graphics.DrawPath(&pen, &path);
    DrawInnerLeftEdge(Graphics, Color, X, Y, H, Highlighted);
}

}  // namespace skelda::pager
