#pragma once

#include "platform/controls/standard/TPanel.h"

#include <string>

namespace plat {
class TCheckBox;
class TEdit;
class TSpeedButton;
}  // namespace plat

namespace skelda::grid {

class TBaseGrid;

// The search footer's bar at the bottom of the grid. Its children come with its window; until
// then the child accessors answer nullptr. The grid routes the events to its search handlers
// and copies the footer settings' captions and hints here.
class TSearchPanel : public plat::TPanel {
public:
    explicit TSearchPanel(plat::TComponent* AOwner);

    std::string ClassName() const override { return "TSearchPanel"; }

    // The owning grid; nullptr when the owner is no grid.
    TBaseGrid* Grid() const { return FGrid; }

    // The search text box: an edit that reports Enter and Ctrl+Enter, on the plain edit until
    // that control exists.
    plat::TEdit* EditControl() const { return FEdit; }
    // The close, find next, find previous and highlight buttons: flat gradient buttons, on
    // the speed button until those exist.
    plat::TSpeedButton* ExitButton() const { return FExitButton; }
    plat::TSpeedButton* ForwardButton() const { return FForwardButton; }
    plat::TSpeedButton* BackwardButton() const { return FBackwardButton; }
    plat::TSpeedButton* HiliteButton() const { return FHiliteButton; }
    // The match-case box, on the plain check box until the grid's own check box exists.
    plat::TCheckBox* MatchCase() const { return FMatchCase; }

    // Gradient end colour of the background; clNone paints it plain.
    plat::TColor GetColorTo() const { return FColorTo; }
    void SetColorTo(plat::TColor Value);

    const std::string& GetFindNextCaption() const { return FFindNextCaption; }
    void SetFindNextCaption(const std::string& Value) { FFindNextCaption = Value; }
    const std::string& GetFindPrevCaption() const { return FFindPrevCaption; }
    void SetFindPrevCaption(const std::string& Value) { FFindPrevCaption = Value; }
    const std::string& GetMatchCaseCaption() const { return FMatchCaseCaption; }
    void SetMatchCaseCaption(const std::string& Value) { FMatchCaseCaption = Value; }
    const std::string& GetHighLightCaption() const { return FHighLightCaption; }
    void SetHighLightCaption(const std::string& Value) { FHighLightCaption = Value; }
    const std::string& GetHintFindPrev() const { return FHintFindPrev; }
    void SetHintFindPrev(const std::string& Value) { FHintFindPrev = Value; }
    const std::string& GetHintClose() const { return FHintClose; }
    void SetHintClose(const std::string& Value) { FHintClose = Value; }
    const std::string& GetHintFindNext() const { return FHintFindNext; }
    void SetHintFindNext(const std::string& Value) { FHintFindNext = Value; }
    const std::string& GetHintHighlight() const { return FHintHighlight; }
    void SetHintHighlight(const std::string& Value) { FHintHighlight = Value; }

    plat::TNotifyEvent OnForwardClick;
    plat::TNotifyEvent OnBackwardClick;
    plat::TNotifyEvent OnEditChange;
    plat::TNotifyEvent OnExitClick;
    plat::TNotifyEvent OnHighlightClick;

private:
    TBaseGrid* FGrid = nullptr;
    plat::TEdit* FEdit = nullptr;
    plat::TSpeedButton* FExitButton = nullptr;
    plat::TSpeedButton* FForwardButton = nullptr;
    plat::TSpeedButton* FBackwardButton = nullptr;
    plat::TSpeedButton* FHiliteButton = nullptr;
    plat::TCheckBox* FMatchCase = nullptr;
    plat::TColor FColorTo = plat::clNone;
    std::string FFindNextCaption;
    std::string FFindPrevCaption;
    std::string FMatchCaseCaption;
    std::string FHighLightCaption;
    std::string FHintFindPrev;
    std::string FHintClose;
    std::string FHintFindNext;
    std::string FHintHighlight;
};

}  // namespace skelda::grid
