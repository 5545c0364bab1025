#pragma once

#include "platform/graphics/ThemeElement.h"
#include "platform/graphics/ThemeServices.h"

#include <map>
#include <optional>

namespace plat {

// The production theme service: themes are always on, and parts are drawn by the application's
// Qt style (QtThemeElements.h). Knows the classes "BUTTON", "COMBOBOX", "EDIT", "HEADER",
// "PROGRESS", "SCROLLBAR", "SPIN", "TAB" and "WINDOW" with the parts of ThemeParts.h. Each open
// handle is one map entry until it is closed; handle numbers are never used twice.
class QtThemeServices : public IThemeServices {
public:
    bool ThemesEnabled() const override { return true; }
    HTHEME OpenThemeData(std::string_view ClassList) override;
    HRESULT CloseThemeData(HTHEME Theme) override;
    HRESULT DrawThemeBackground(HTHEME Theme, TCanvas& Canvas, int PartId, int StateId, const TRect& Rect,
                                const TRect* ClipRect) override;
    HRESULT GetThemePartSize(HTHEME Theme, int PartId, int StateId, const TRect* Rect, THEMESIZE Size,
                             TSize& Result) override;
    HRESULT GetThemeColor(HTHEME Theme, int PartId, int StateId, int PropId, TColor& Result) override;

    // Handles opened and not yet closed.
    int OpenHandleCount() const { return static_cast<int>(FOpen.size()); }

private:
    // The element of an open handle's part and state, or the failure result.
    HRESULT Find(HTHEME Theme, int PartId, int StateId, TThemeClass& Class, TThemeElement& Element) const;

    std::map<HTHEME, TThemeClass> FOpen;
    HTHEME FNextHandle = 1;
};

}  // namespace plat
