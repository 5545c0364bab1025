#pragma once

#include "platform/controls/forms/TApplication.h"

namespace plat {

// Lets a component answer the application's events without taking them from others: every
// living TApplicationEvents hears each event, after the application's own handler, in the
// order they were made.
class TApplicationEvents : public TComponent, private IApplicationEventsListener {
public:
    explicit TApplicationEvents(TComponent* AOwner);
    ~TApplicationEvents() override;

    std::string ClassName() const override { return "TApplicationEvents"; }

    TShowHintEvent OnShowHint;

private:
    void ShowHint(std::string& HintStr, bool& CanShow, THintInfo& HintInfo) override;
};

}  // namespace plat
