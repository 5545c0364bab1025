#pragma once

#include "platform/controls/core/TCustomControl.h"
#include "platform/controls/standard/StandardControlTypes.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace plat {

class THeaderControl;

// One column heading of a header control, laid out left to right.
class THeaderSection {
public:
    const std::string& GetText() const { return FText; }
    void SetText(const std::string& Value);
    int GetWidth() const { return FWidth; }
    // Kept between MinWidth and MaxWidth.
    void SetWidth(int Value);
    int GetMinWidth() const { return FMinWidth; }
    void SetMinWidth(int Value);
    int GetMaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int Value);
    TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    // Whether a click on the section shows it pressed and runs OnSectionClick.
    bool GetAllowClick() const { return FAllowClick; }
    void SetAllowClick(bool Value) { FAllowClick = Value; }

    int GetIndex() const;
    // Left and right edge in the header's client coordinates.
    int Left() const;
    int Right() const { return Left() + FWidth; }

private:
    friend class THeaderControl;
    explicit THeaderSection(THeaderControl& Header) : FHeader(Header) {}

    THeaderControl& FHeader;
    std::string FText;
    int FWidth = 50;
    int FMinWidth = 0;
    int FMaxWidth = 10000;
    TAlignment FAlignment = taLeftJustify;
    bool FAllowClick = true;
};

enum TSectionTrackState { tsTrackBegin, tsTrackMove, tsTrackEnd };

using TSectionNotifyEvent = std::function<void(THeaderControl* HeaderControl, THeaderSection* Section)>;
// Width is where the user is dragging the section's right edge to; the handler may change it.
using TSectionTrackEvent =
    std::function<void(THeaderControl* HeaderControl, THeaderSection* Section, int& Width, TSectionTrackState State)>;

// A row of column headings (aligned to the top by default). Dragging the divider at a
// section's right edge resizes it: OnSectionTrack when the drag begins, at every move and when
// it ends, then OnSectionResize. Pressing a section and releasing over it runs
// OnSectionClick.
class THeaderControl : public TCustomControl {
public:
    explicit THeaderControl(TComponent* AOwner);
    ~THeaderControl() override;

    std::string ClassName() const override { return "THeaderControl"; }

    int SectionCount() const { return static_cast<int>(FSections.size()); }
    // Raises EListError for an index outside 0 .. SectionCount() - 1.
    THeaderSection& Sections(int Index) const;
    THeaderSection& AddSection(const std::string& Text = {}, int Width = 50);
    void DeleteSection(int Index);
    void ClearSections();

    // The section under X (client coordinates), or -1.
    int SectionAt(int X) const;

    TSectionNotifyEvent OnSectionClick;
    TSectionNotifyEvent OnSectionResize;
    TSectionTrackEvent OnSectionTrack;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    virtual void SectionClick(THeaderSection& Section);
    virtual void SectionResize(THeaderSection& Section);
    virtual void SectionTrack(THeaderSection& Section, int& Width, TSectionTrackState State);

private:
    friend class THeaderSection;

    // The section whose divider lies under X, or -1.
    int DividerAt(int X) const;
    void Track(int X, TSectionTrackState State);

    std::vector<std::unique_ptr<THeaderSection>> FSections;
    int FTracking = -1;
    int FPressed = -1;
};

}  // namespace plat
