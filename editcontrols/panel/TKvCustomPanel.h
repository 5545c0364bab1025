#pragma once

#include "editcontrols/base/TKvExCustomPanel.h"

#include <functional>

namespace plat {
class TCanvas;
}

namespace skelda::editcontrols {

// Sender, the panel's canvas, the area to paint (the client rectangle).
using TKvPaintPanelContentEvent = std::function<void(plat::TObject* Sender, plat::TCanvas& Canvas, plat::TRect R)>;

// The panel base of this library: after the panel's face, PaintContent lets the owner draw on
// it (OnPaintContent).
class TKvCustomPanel : public TKvExCustomPanel {
public:
    using TKvExCustomPanel::TKvExCustomPanel;

    std::string ClassName() const override { return "TKvCustomPanel"; }

    TKvPaintPanelContentEvent OnPaintContent;

protected:
    void Paint() override;
    // Fires OnPaintContent with the panel's canvas.
    virtual void PaintContent(const plat::TRect& R);
};

}  // namespace skelda::editcontrols
