#include "platform/controls/standard/THeaderControl.h"

#include "platform/core/Exception.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/TCanvas.h"

#include <algorithm>
#include <cstdlib>

namespace plat {

namespace {

// Half the width of the zone around a divider that grabs it.
constexpr int DividerGripPx = 3;

}  // namespace

void THeaderSection::SetText(const std::string& Value)
{
    FText = Value;
    FHeader.Invalidate();
}

void THeaderSection::SetWidth(int Value)
{
    FWidth = std::clamp(Value, FMinWidth, std::max(FMaxWidth, FMinWidth));
    FHeader.Invalidate();
}

void THeaderSection::SetMinWidth(int Value)
{
    FMinWidth = std::max(Value, 0);
    SetWidth(FWidth);
}

void THeaderSection::SetMaxWidth(int Value)
{
    FMaxWidth = std::max(Value, 0);
    SetWidth(FWidth);
}

void THeaderSection::SetAlignment(TAlignment Value)
{
    FAlignment = Value;
    FHeader.Invalidate();
}

int THeaderSection::GetIndex() const
{
    const auto& sections = FHeader.FSections;
    const auto it = std::find_if(sections.begin(), sections.end(), [this](const auto& s) { return s.get() == this; });
    return static_cast<int>(it - sections.begin());
}

int THeaderSection::Left() const
{
    int left = 0;
    for (const auto& section : FHeader.FSections) {
        if (section.get() == this)
            break;
        left += section->FWidth;
    }
    return left;
}

THeaderControl::THeaderControl(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(GetControlStyle() - TControlStyle{csClickEvents});
    SetColor(clBtnFace);
    SetBounds(0, 0, 200, 17);
    SetAlign(alTop);
}

THeaderControl::~THeaderControl() = default;

THeaderSection& THeaderControl::Sections(int Index) const
{
    if (Index < 0 || Index >= SectionCount())
        throw EListError("List index out of bounds (%d)", {Index});
    return *FSections[static_cast<std::size_t>(Index)];
}

THeaderSection& THeaderControl::AddSection(const std::string& Text, int Width)
{
    FSections.push_back(std::unique_ptr<THeaderSection>(new THeaderSection(*this)));
    THeaderSection& section = *FSections.back();
    section.FText = Text;
    section.SetWidth(Width);
    return section;
}

void THeaderControl::DeleteSection(int Index)
{
    Sections(Index);
    FSections.erase(FSections.begin() + Index);
    FTracking = -1;
    FPressed = -1;
    Invalidate();
}

void THeaderControl::ClearSections()
{
    FSections.clear();
    FTracking = -1;
    FPressed = -1;
    Invalidate();
}

int THeaderControl::SectionAt(int X) const
{
    int left = 0;
    for (int i = 0; i < SectionCount(); ++i) {
        const int right = left + FSections[static_cast<std::size_t>(i)]->FWidth;
        if (X >= left && X < right)
            return i;
        left = right;
    }
    return -1;
}

int THeaderControl::DividerAt(int X) const
{
    // The rightmost divider wins where zero-width sections stack several on one spot.
    int found = -1;
    int right = 0;
    for (int i = 0; i < SectionCount(); ++i) {
        right += FSections[static_cast<std::size_t>(i)]->FWidth;
        if (std::abs(X - right) <= DividerGripPx)
            found = i;
    }
    return found;
}

void THeaderControl::SectionClick(THeaderSection& Section)
{
    if (OnSectionClick && !IsDestroying())
        OnSectionClick(this, &Section);
}

void THeaderControl::SectionResize(THeaderSection& Section)
{
    if (OnSectionResize && !IsDestroying())
        OnSectionResize(this, &Section);
}

void THeaderControl::SectionTrack(THeaderSection& Section, int& Width, TSectionTrackState State)
{
    if (OnSectionTrack && !IsDestroying())
        OnSectionTrack(this, &Section, Width, State);
}

void THeaderControl::Track(int X, TSectionTrackState State)
{
    THeaderSection& section = Sections(FTracking);
    int width = std::clamp(X - section.Left(), section.FMinWidth, std::max(section.FMaxWidth, section.FMinWidth));
    const TControlRef<> alive(this);
    SectionTrack(section, width, State);
    if (!alive || FTracking < 0 || FTracking >= SectionCount() || &Sections(FTracking) != &section)
        return;
    section.SetWidth(width);
}

void THeaderControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft)
        return;
    if (const int divider = DividerAt(X); divider >= 0) {
        FTracking = divider;
        Track(X, tsTrackBegin);
        return;
    }
    const int section = SectionAt(X);
    if (section >= 0 && Sections(section).FAllowClick) {
        FPressed = section;
        Invalidate();
    }
}

void THeaderControl::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (FTracking >= 0) {
        Track(X, tsTrackMove);
        return;
    }
    if (FPressed < 0)
        SetCursor(DividerAt(X) >= 0 ? crHSplit : crDefault);
}

void THeaderControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const TControlRef<> alive(this);
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (!alive || Button != mbLeft)
        return;
    if (FTracking >= 0) {
        Track(X, tsTrackEnd);
        if (!alive || FTracking < 0)
            return;
        THeaderSection& section = Sections(FTracking);
        FTracking = -1;
        SectionResize(section);
        return;
    }
    const int pressed = FPressed;
    FPressed = -1;
    if (pressed < 0)
        return;
    Invalidate();
    if (SectionAt(X) == pressed && Y >= 0 && Y < GetHeight())
        SectionClick(Sections(pressed));
}

void THeaderControl::Paint()
{
    TCanvas& canvas = Canvas();
    int left = 0;
    for (int i = 0; i < SectionCount(); ++i) {
        const THeaderSection& section = *FSections[static_cast<std::size_t>(i)];
        TRect face = Rect(left, 0, left + section.FWidth, GetHeight());
        left = face.Right;
        const unsigned pushed = i == FPressed ? DFCS_PUSHED : 0u;
        canvas.DrawFrameControl(face, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | pushed);
        if (section.FText.empty())
            continue;
        TRect text = Rect(face.Left + 4, face.Top, face.Right - 4, face.Bottom);
        if (i == FPressed)
            text = Rect(text.Left + 1, text.Top + 1, text.Right + 1, text.Bottom + 1);
        unsigned format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
        if (section.FAlignment == taCenter)
            format |= DT_CENTER;
        else if (section.FAlignment == taRightJustify)
            format |= DT_RIGHT;
        canvas.Brush().SetStyle(bsClear);
        canvas.DrawText(section.FText, text, format);
    }
    if (left < GetWidth()) {
        TRect rest = Rect(left, 0, GetWidth(), GetHeight());
        canvas.DrawFrameControl(rest, DFC_BUTTON, DFCS_BUTTONPUSH);
    }
}

}  // namespace plat
