#pragma once

#include "platform/controls/core/ControlTypes.h"
#include "platform/core/TComponent.h"

#include <memory>
#include <optional>
#include <vector>

class QImage;

namespace plat {

class TCustomForm;
class TStringList;
class TWinControl;

// Which monitor MonitorFromPoint answers for a point on none.
enum TMonitorDefaultTo { mdNearest, mdNull, mdPrimary };

struct TMonitor {
    int MonitorNum = 0;
    TRect BoundsRect;
    TRect WorkareaRect;
    bool Primary = false;
};

// The screen as the program sees it: its forms, the active form and control, the monitors and
// the cursor.
class TScreen : public TComponent {
public:
    TScreen();
    ~TScreen() override;

    std::string ClassName() const override { return "TScreen"; }

    int FormCount() const { return static_cast<int>(FForms.size()); }
    // Raises EListError for an index outside 0 .. FormCount() - 1.
    TCustomForm* Forms(int Index) const;
    TCustomForm* ActiveForm() const { return FActiveForm; }
    TWinControl* ActiveControl() const;

    // A cursor other than crDefault overrides every control's cursor (crHourGlass while busy).
    TCursor GetCursor() const { return FCursor; }
    void SetCursor(TCursor Value);
    // The application's own cursors (positive ids).
    void SetCursorImage(TCursor Id, const QImage& Image, TPoint HotSpot);

    // The primary monitor's size, all monitors' bounds together, the primary's work area.
    int Width() const;
    int Height() const;
    TRect DesktopRect() const;
    TRect WorkAreaRect() const;
    int MonitorCount() const;
    // Raises EListError for an index outside 0 .. MonitorCount() - 1.
    TMonitor Monitors(int Index) const;
    // The monitor that holds P, else the one whose bounds come closest to it (the first of
    // equally close ones); nullopt only when there is no monitor at all.
    std::optional<TMonitor> MonitorNearest(TPoint P) const;
    // The monitor that holds P; for a point on none, the nearest, none or the primary, as
    // Default says.
    std::optional<TMonitor> MonitorFromPoint(TPoint P, TMonitorDefaultTo Default = mdNearest) const;
    // A layout that stands in for the environment's monitors (Env().Monitors, else Qt's
    // screens); an empty one gives those back. Each monitor's number is its index.
    void SetMonitorLayout(std::vector<TMonitor> Monitors);

    // The font families a program may name (AvailableFontFamilies), sorted; gathered on first
    // use. Search it with IndexOf (without regard to case).
    const TStringList& Fonts() const;

    TNotifyEvent OnActiveFormChange;
    TNotifyEvent OnActiveControlChange;

    // Kept by the forms and the focus manager.
    void AddForm(TCustomForm* Form);
    void RemoveForm(TCustomForm* Form);
    void SetActiveForm(TCustomForm* Form);
    void ActiveControlChanged();
    // The most recently active form that is still showing, other than Except.
    TCustomForm* LastActiveForm(const TCustomForm* Except) const;

private:
    std::vector<TCustomForm*> FForms;
    std::vector<TCustomForm*> FActivationOrder;
    TCustomForm* FActiveForm = nullptr;
    TCursor FCursor = crDefault;
    mutable std::unique_ptr<TStringList> FFonts;
    std::vector<TMonitor> FMonitorLayout;

    std::vector<TMonitor> CurrentMonitors() const;
    std::optional<TMonitor> PrimaryMonitor() const;
};

TScreen& TheScreen();

struct TScreenRef {
    TScreen* operator->() const { return &TheScreen(); }
    TScreen& operator*() const { return TheScreen(); }
    operator TScreen*() const { return &TheScreen(); }
};
inline constexpr TScreenRef Screen{};

}  // namespace plat
