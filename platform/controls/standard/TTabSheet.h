#pragma once

#include "platform/controls/core/TCustomControl.h"

namespace plat {

class TPageControl;

// A page of a page control: a container filling the control's page area, shown while it is
// the active page. Its caption is its tab's text; TabVisible hides the tab (the page can
// still be made active by code).
class TTabSheet : public TCustomControl {
public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;

    std::string ClassName() const override { return "TTabSheet"; }

    TPageControl* GetPageControl() const { return FPageControl; }
    // Takes the page out of its page control and, unless nullptr, to the end of Value's pages.
    void SetPageControl(TPageControl* Value);
    // Position among the page control's pages (-1 without one).
    int GetPageIndex() const;
    void SetPageIndex(int Value);
    bool GetTabVisible() const { return FTabVisible; }
    void SetTabVisible(bool Value);
    // Position of its tab among the visible tabs, -1 when it shows none.
    int TabIndex() const;

    void Dispatch(TMessage& Message) override;

private:
    friend class TPageControl;

    TPageControl* FPageControl = nullptr;
    bool FTabVisible = true;
};

}  // namespace plat
