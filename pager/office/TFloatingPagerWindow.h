#pragma once

#include "pager/office/IFloatingPagerWindow.h"
#include "platform/controls/forms/TForm.h"

namespace skelda::pager {

// The window a torn-off page floats in: a plain form around the pager that clones the page's
// own pager. Closing it (its system button, Close) docks its pages back into the pager they
// came from, as dropping their tab there does; a window with nothing to dock closes as forms do.
class TFloatingPagerWindow : public plat::TForm, public IFloatingPagerWindow {
public:
    using plat::TForm::TForm;

    std::string ClassName() const override { return "TFloatingPagerWindow"; }

    TVezOfficePager* VezPager() const override { return FVezPager; }
    void SetVezPager(TVezOfficePager* Value) override { FVezPager = Value; }

protected:
    void DoClose(plat::TCloseAction& Action) override;

private:
    TVezOfficePager* FVezPager = nullptr;
};

}  // namespace skelda::pager
