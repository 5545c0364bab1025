#include "platform/graphics/FrameControlPainter.h"

#include "platform/core/RectOps.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/EdgePainter.h"
#include "platform/graphics/QtConversions.h"

#include <QPainter>

#include <algorithm>

namespace plat {

namespace {

constexpr unsigned kKindMask = 0xFF;

TRect CenteredSquare(const TRect& rect, int sidePx)
{
    const int left = rect.Left + (rect.Width() - sidePx) / 2;
    const int top = rect.Top + (rect.Height() - sidePx) / 2;
    return Bounds(left, top, sidePx, sidePx);
}


}  // namespace

bool FrameControlPainter::Draw(TRect& rect, unsigned type, unsigned state)
{
    const unsigned kind = state & kKindMask;
    switch (type) {
    case DFC_BUTTON:
        if (kind & DFCS_BUTTONPUSH) {
            const TRect inside = ButtonFace(rect, state);
            if (state & DFCS_ADJUSTRECT)
                rect = inside;
            return true;
        }
        if (kind == DFCS_BUTTONCHECK) {
            CheckBox(rect, state);
            return true;
        }
        if (kind == DFCS_BUTTONRADIO) {
            RadioButton(rect, state);
            return true;
        }
        return false;
    case DFC_SCROLL:
        return ScrollButton(rect, state);
    case DFC_CAPTION:
        return CaptionButton(rect, state);
    default:
        return false;
    }
}

TRect FrameControlPainter::ButtonFace(const TRect& rect, unsigned state)
{
    EdgePainter edges(FPainter);
    TRect inside = rect;
    if (state & DFCS_FLAT) {
        // Flat faces get one ring: raised under the mouse, sunken when pushed, else a shadow line.
        if (state & DFCS_PUSHED)
            inside = edges.Ring(inside, BF_RECT, clBtnShadow, clBtnHighlight);
        else if (state & DFCS_HOT)
            inside = edges.Ring(inside, BF_RECT, clBtnHighlight, clBtnShadow);
        else
            inside = edges.Ring(inside, BF_RECT, clBtnShadow, clBtnShadow);
    } else if (state & DFCS_MONO) {
        inside = edges.Ring(inside, BF_RECT, clWindowFrame, clWindowFrame);
        inside = edges.Ring(inside, BF_RECT, clBtnFace, clBtnFace);
    } else if (state & DFCS_PUSHED) {
        inside = edges.Ring(inside, BF_RECT, cl3DDkShadow, cl3DDkShadow);
        inside = edges.Ring(inside, BF_RECT, clBtnShadow, clBtnShadow);
    } else {
        TRect r = inside;
        edges.Draw(r, EDGE_RAISED, BF_RECT | BF_SOFT | BF_ADJUST);
        inside = r;
    }
    if (!(state & DFCS_TRANSPARENT) && FPainter && !inside.IsEmpty()) {
        if (state & DFCS_CHECKED) {
            // A checked push button shows the half-tone face.
            FPainter->fillRect(ToQRect(inside), ToQColor(clBtnFace));
            FPainter->fillRect(ToQRect(inside), QBrush(ToQColor(clBtnHighlight), Qt::Dense4Pattern));
        } else {
            Fill(inside, clBtnFace);
        }
    }
    return inside;
}

void FrameControlPainter::CheckBox(const TRect& rect, unsigned state)
{
    TRect box = CenteredSquare(rect, std::min(rect.Width(), rect.Height()));
    EdgePainter edges(FPainter);
    if (state & (DFCS_MONO | DFCS_FLAT)) {
        const TColor ring = (state & DFCS_MONO) ? clWindowFrame : clBtnShadow;
        box = edges.Ring(box, BF_RECT, ring, ring);
    } else {
        edges.Draw(box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    }
    const bool dimmed = state & (DFCS_PUSHED | DFCS_INACTIVE);
    Fill(box, dimmed ? clBtnFace : clWindow);
    if (!(state & DFCS_CHECKED) || !FPainter)
        return;
    // The classic tick: seven columns, each three pixels high, down and then up again.
    const TColor mark = (state & DFCS_INACTIVE) ? clBtnShadow : clWindowText;
    const int glyphPx = 7;
    const TRect glyph = CenteredSquare(box, glyphPx);
    constexpr int kColumnTop[glyphPx] = {2, 3, 4, 3, 2, 1, 0};
    for (int c = 0; c < glyphPx; ++c)
        Fill(Bounds(glyph.Left + c, glyph.Top + kColumnTop[c], 1, 3), mark);
}

void FrameControlPainter::RadioButton(const TRect& rect, unsigned state)
{
    if (!FPainter)
        return;
    const TRect box = CenteredSquare(rect, std::min(rect.Width(), rect.Height()));
    const int sidePx = box.Width();
    if (sidePx <= 0)
        return;
    const bool dimmed = state & (DFCS_PUSHED | DFCS_INACTIVE);
    auto arc = [&](const TRect& r, TColor upperLeft, TColor lowerRight) {
        const QRectF bounds(r.Left, r.Top, r.Width() - 1, r.Height() - 1);
        FPainter->setBrush(Qt::NoBrush);
        FPainter->setPen(QPen(ToQColor(upperLeft), 0));
        FPainter->drawArc(bounds, 45 * 16, 180 * 16);
        FPainter->setPen(QPen(ToQColor(lowerRight), 0));
        FPainter->drawArc(bounds, 225 * 16, 180 * 16);
    };
    FPainter->setPen(Qt::NoPen);
    FPainter->setBrush(ToQColor(dimmed ? clBtnFace : clWindow));
    FPainter->drawEllipse(QRectF(box.Left, box.Top, sidePx - 1, sidePx - 1));
    if (state & (DFCS_FLAT | DFCS_MONO)) {
        const TColor ring = (state & DFCS_MONO) ? clWindowFrame : clBtnShadow;
        arc(box, ring, ring);
    } else {
        arc(box, clBtnShadow, clBtnHighlight);
        arc({box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1}, cl3DDkShadow, cl3DLight);
    }
    if (state & DFCS_CHECKED) {
        const int dotPx = std::max(2, sidePx / 3);
        const TRect dot = CenteredSquare(box, dotPx);
        FPainter->setPen(Qt::NoPen);
        FPainter->setBrush(ToQColor((state & DFCS_INACTIVE) ? clBtnShadow : clWindowText));
        FPainter->drawEllipse(QRectF(dot.Left, dot.Top, dotPx - 1, dotPx - 1));
    }
}

bool FrameControlPainter::ScrollButton(const TRect& rect, unsigned state)
{
    int direction = 0;
    switch (state & kKindMask) {
    case DFCS_SCROLLUP: direction = 0; break;
    case DFCS_SCROLLDOWN:
    case DFCS_SCROLLCOMBOBOX: direction = 1; break;
    case DFCS_SCROLLLEFT: direction = 2; break;
    case DFCS_SCROLLRIGHT: direction = 3; break;
    default: return false;
    }
    // A pushed arrow button looks flat, as scroll bars showed it.
    const unsigned faceState = (state & DFCS_PUSHED) ? (state | DFCS_FLAT) : state;
    const TRect face = ButtonFace(rect, faceState & ~DFCS_CHECKED);
    Glyph(state, [&](TColor color, int offsetPx) { Arrow(face, direction, color, offsetPx); });
    return true;
}

bool FrameControlPainter::CaptionButton(const TRect& rect, unsigned state)
{
    const unsigned kind = state & kKindMask;
    if (kind > DFCS_CAPTIONHELP)
        return false;
    const TRect face = ButtonFace(rect, state & ~DFCS_CHECKED);
    if (!FPainter)
        return true;
    const int glyphPx = std::max(4, std::min(face.Width(), face.Height()) - 4) & ~1;
    const TRect g = CenteredSquare(face, glyphPx);
    Glyph(state, [&](TColor color, int offsetPx) {
        const TRect b = MovedRect(g, offsetPx, offsetPx);
        const QColor c = ToQColor(color);
        switch (kind) {
        case DFCS_CAPTIONCLOSE:
            // Two strokes, two pixels wide, corner to corner.
            for (int i = 0; i < glyphPx; ++i) {
                FPainter->fillRect(b.Left + i, b.Top + i, 2, 1, c);
                FPainter->fillRect(b.Right - 2 - i, b.Top + i, 2, 1, c);
            }
            break;
        case DFCS_CAPTIONMIN:
            FPainter->fillRect(b.Left + 1, b.Bottom - 2, glyphPx - 3, 2, c);
            break;
        case DFCS_CAPTIONMAX:
            FPainter->fillRect(b.Left, b.Top, glyphPx, 2, c);
            FPainter->fillRect(b.Left, b.Top, 1, glyphPx, c);
            FPainter->fillRect(b.Right - 1, b.Top, 1, glyphPx, c);
            FPainter->fillRect(b.Left, b.Bottom - 1, glyphPx, 1, c);
            break;
        case DFCS_CAPTIONRESTORE: {
            const int boxPx = glyphPx * 2 / 3;
            for (const TRect& w : {Bounds(b.Right - boxPx, b.Top, boxPx, boxPx), Bounds(b.Left, b.Bottom - boxPx, boxPx, boxPx)}) {
                FPainter->fillRect(ToQRect(w), ToQColor(clBtnFace));
                FPainter->fillRect(w.Left, w.Top, boxPx, 2, c);
                FPainter->fillRect(w.Left, w.Top, 1, boxPx, c);
                FPainter->fillRect(w.Right - 1, w.Top, 1, boxPx, c);
                FPainter->fillRect(w.Left, w.Bottom - 1, boxPx, 1, c);
            }
            break;
        }
        case DFCS_CAPTIONHELP: {
            QFont font(QStringLiteral("DejaVu Sans"));
            font.setPixelSize(glyphPx + 2);
            font.setBold(true);
            font.setStyleStrategy(QFont::NoAntialias);
            FPainter->setFont(font);
            FPainter->setPen(c);
            FPainter->drawText(ToQRect(b), Qt::AlignCenter, QStringLiteral("?"));
            break;
        }
        }
    });
    return true;
}

template <typename PaintGlyph>
void FrameControlPainter::Glyph(unsigned state, PaintGlyph paint)
{
    if (!FPainter)
        return;
    if (state & DFCS_INACTIVE) {
        paint(clBtnHighlight, 1);
        paint(clBtnShadow, 0);
        return;
    }
    paint(clBtnText, (state & DFCS_PUSHED) ? 1 : 0);
}

void FrameControlPainter::Arrow(const TRect& face, int direction, TColor color, int offsetPx)
{
    // A solid triangle: rows (or columns) narrowing by two pixels towards the tip.
    const int sizePx = std::min(face.Width(), face.Height());
    const int depthPx = std::max(1, sizePx / 4);
    const int baseLengthPx = 2 * depthPx - 1;
    const TRect box = MovedRect(CenteredSquare(face, baseLengthPx), offsetPx, offsetPx);
    const int centerX = box.Left + depthPx - 1;
    const int centerY = box.Top + depthPx - 1;
    const int originX = centerX - depthPx / 2;
    const int originY = centerY - depthPx / 2;
    const QColor c = ToQColor(color);
    for (int i = 0; i < depthPx; ++i) {
        const int halfPx = i;  // half width of the row i steps from the tip
        switch (direction) {
        case 0: FPainter->fillRect(centerX - halfPx, originY + i, 2 * halfPx + 1, 1, c); break;
        case 1: FPainter->fillRect(centerX - halfPx, originY + depthPx - 1 - i, 2 * halfPx + 1, 1, c); break;
        case 2: FPainter->fillRect(originX + i, centerY - halfPx, 1, 2 * halfPx + 1, c); break;
        default: FPainter->fillRect(originX + depthPx - 1 - i, centerY - halfPx, 1, 2 * halfPx + 1, c); break;
        }
    }
}

void FrameControlPainter::Fill(const TRect& rect, TColor color)
{
    if (FPainter && !rect.IsEmpty())
        FPainter->fillRect(ToQRect(rect), ToQColor(color));
}

}  // namespace plat
