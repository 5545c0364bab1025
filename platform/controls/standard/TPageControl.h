#pragma once

#include "platform/controls/core/TCustomControl.h"

#include <functional>
#include <vector>

class QTabBar;

namespace plat {

class TTabSheet;

using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

// Pages with tabs along the top (Qt's tab bar inside the control). A click on another tab, or
// the Left and Right keys while the control has the focus, asks OnChanging (which may refuse),
// shows that page and runs OnChange. Choosing the page by code runs neither. The focus on a
// page that is left goes to the control itself. The first page added becomes the active one;
// when the active page goes away the next one takes its place.
class TPageControl : public TCustomControl {
public:
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;

    std::string ClassName() const override { return "TPageControl"; }

    int PageCount() const { return static_cast<int>(FPages.size()); }
    // Raises EListError for an index outside 0 .. PageCount() - 1.
    TTabSheet* Pages(int Index) const;
    TTabSheet* GetActivePage() const { return FActivePage; }
    // Pages of other controls are ignored.
    void SetActivePage(TTabSheet* Page);
    int GetActivePageIndex() const;
    // An index outside the pages shows none.
    void SetActivePageIndex(int Value);
    // The page after (or before) CurPage in order, wrapping around, skipping pages without a
    // visible tab when asked; nullptr when there is none.
    TTabSheet* FindNextPage(TTabSheet* CurPage, bool GoForward, bool CheckTabVisible) const;
    // Moves to the next page with a visible tab, as the user would (OnChanging, OnChange).
    void SelectNextPage(bool GoForward);

    // The area the pages fill, in client coordinates.
    TRect DisplayRect() const;
    // Where the tab of that index (among the visible tabs) lies; empty without a window or
    // for an index without a tab.
    TRect TabRect(int Index) const;

    void Dispatch(TMessage& Message) override;

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    void CreateWnd() override;
    void Paint() override;
    void KeyDown(unsigned& Key, TShiftState Shift) override;
    virtual bool CanChange();
    virtual void Change();

private:
    friend class TTabSheet;

    void InsertPage(TTabSheet* Page);
    void RemovePage(TTabSheet* Page);
    void MovePage(TTabSheet* Page, int Index);
    void UpdateTabs();
    void PlacePages();
    void ShowPage(TTabSheet* Page);
    // The user chose the page of that tab.
    void TabChosen(int TabIndex);
    int TabHeight() const;
    QTabBar* TabBar() const;

    std::vector<TTabSheet*> FPages;
    TTabSheet* FActivePage = nullptr;
};

}  // namespace plat
