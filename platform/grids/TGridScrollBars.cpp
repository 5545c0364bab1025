#include "platform/grids/TGridScrollBars.h"

#include "platform/controls/core/ExceptionBoundary.h"
#include "platform/controls/core/ScrollBarCodes.h"
#include "platform/controls/core/TWinControl.h"
#include "platform/graphics/QtConversions.h"
#include "platform/system/SystemMetrics.h"

#include <QPalette>
#include <QPointer>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWidget>

#include <algorithm>
#include <memory>

namespace plat {

namespace {

unsigned RequestOf(int Action)
{
    switch (Action) {
    case QAbstractSlider::SliderSingleStepSub: return SB_LINEUP;
    case QAbstractSlider::SliderSingleStepAdd: return SB_LINEDOWN;
    case QAbstractSlider::SliderPageStepSub: return SB_PAGEUP;
    case QAbstractSlider::SliderPageStepAdd: return SB_PAGEDOWN;
    case QAbstractSlider::SliderToMinimum: return SB_TOP;
    case QAbstractSlider::SliderToMaximum: return SB_BOTTOM;
    default: return SB_THUMBPOSITION;
    }
}

}  // namespace

// The Qt side. Qt's bar would move its slider by itself; it is told not to track, its signals
// are turned into requests, and after each request it shows the position the control set.
class TGridScrollBars::Widgets {
public:
    Widgets(TGridScrollBars& AOwner, QWidget* AWindow) : FOwner(AOwner)
    {
        for (int bar : {SB_HORZ, SB_VERT}) {
            auto* widget = new QScrollBar(bar == SB_VERT ? Qt::Vertical : Qt::Horizontal, AWindow);
            widget->setTracking(false);
            widget->setFocusPolicy(Qt::NoFocus);
            widget->setContextMenuPolicy(Qt::NoContextMenu);
            QObject::connect(widget, &QAbstractSlider::actionTriggered, widget, [this, bar, widget](int action) {
                if (action == QAbstractSlider::SliderMove && widget->isSliderDown())
                    return;
                Request(bar, RequestOf(action), widget->sliderPosition());
            });
            QObject::connect(widget, &QAbstractSlider::sliderMoved, widget,
                             [this, bar](int position) { Request(bar, SB_THUMBTRACK, position); });
            QObject::connect(widget, &QAbstractSlider::sliderReleased, widget, [this, bar, widget] {
                if (Request(bar, SB_THUMBPOSITION, widget->sliderPosition()))
                    Request(bar, SB_ENDSCROLL, 0);
            });
            FBars[bar] = widget;
        }
        FCorner = new QWidget(AWindow);
        FCorner->setAutoFillBackground(true);
        QPalette palette = FCorner->palette();
        palette.setColor(QPalette::Window, ToQColor(ColorToRGB(clBtnFace)));
        FCorner->setPalette(palette);
    }

    // Inside a request (whose handler freed the control or made its window anew) a bar is in
    // one of its own events: the widgets then leave the window at once and go when Qt is done
    // with them.
    ~Widgets()
    {
        for (QWidget* widget : {static_cast<QWidget*>(FBars[SB_HORZ]), static_cast<QWidget*>(FBars[SB_VERT]),
                                static_cast<QWidget*>(FCorner)}) {
            if (!widget)
                continue;
            QObject::disconnect(widget, nullptr, nullptr, nullptr);
            if (FRequestDepth == 0) {
                delete widget;
                continue;
            }
            widget->hide();
            widget->setParent(nullptr);
            widget->deleteLater();
        }
    }

    void Show(int ABar)
    {
        if (QScrollBar* widget = FBars[ABar]) {
            const TGridScrollInfo& info = FOwner.FInfo[ABar];
            const QSignalBlocker quiet(widget);
            const int page = std::max(info.Page, 0);
            widget->setRange(info.Min, std::max(info.Min, page > 0 ? info.Max - page + 1 : info.Max));
            widget->setPageStep(page);
            if (!widget->isSliderDown())
                widget->setSliderPosition(info.Pos);
            widget->setVisible(FOwner.FShown[ABar]);
        }
        if (FCorner)
            FCorner->setVisible(FOwner.FShown[SB_HORZ] && FOwner.FShown[SB_VERT]);
    }

    void Place(const TRect& AClient)
    {
        const int widthPx = ThicknessPx(SB_VERT);
        const int heightPx = ThicknessPx(SB_HORZ);
        if (FBars[SB_VERT])
            FBars[SB_VERT]->setGeometry(AClient.Right, AClient.Top, widthPx, AClient.Height());
        if (FBars[SB_HORZ])
            FBars[SB_HORZ]->setGeometry(AClient.Left, AClient.Bottom, AClient.Width(), heightPx);
        if (FCorner)
            FCorner->setGeometry(AClient.Right, AClient.Bottom, widthPx, heightPx);
    }

private:
    // False when the control or these widgets went away while the control handled it.
    bool Request(int ABar, unsigned ACode, int APosition)
    {
        TWinControl& control = FOwner.FControl;
        const TControlRef<> controlAlive(&control);
        const std::weak_ptr<int> widgetsAlive = FLife;
        if (ACode == SB_THUMBTRACK)
            FOwner.FInfo[ABar].TrackPos = APosition;
        ++FRequestDepth;
        Guarded(&control, [&] {
            control.Perform(ABar == SB_VERT ? WM_VSCROLL : WM_HSCROLL,
                            MAKEWPARAM(static_cast<int>(ACode), APosition), 0);
        });
        if (widgetsAlive.expired())
            return false;
        --FRequestDepth;
        if (!controlAlive)
            return false;
        Show(ABar);
        return true;
    }

    TGridScrollBars& FOwner;
    QPointer<QScrollBar> FBars[2];
    QPointer<QWidget> FCorner;
    int FRequestDepth = 0;
    std::shared_ptr<int> FLife = std::make_shared<int>(0);
};

TGridScrollBars::TGridScrollBars(TWinControl& AControl) : FControl(AControl) {}

TGridScrollBars::~TGridScrollBars() = default;

void TGridScrollBars::Attach(QWidget* AWindow)
{
    FWidgets = std::make_unique<Widgets>(*this, AWindow);
    Place();
    Changed(SB_HORZ);
    Changed(SB_VERT);
}

void TGridScrollBars::Detach()
{
    FWidgets.reset();
}

bool TGridScrollBars::GetShown(int ABar) const
{
    return FShown[ABar == SB_VERT];
}

void TGridScrollBars::SetShown(int ABar, bool AShown)
{
    const int bar = ABar == SB_VERT;
    if (FShown[bar] == AShown)
        return;
    FShown[bar] = AShown;
    Changed(bar);
}

const TGridScrollInfo& TGridScrollBars::GetInfo(int ABar) const
{
    return FInfo[ABar == SB_VERT];
}

void TGridScrollBars::SetInfo(int ABar, const TGridScrollInfo& AInfo)
{
    const int bar = ABar == SB_VERT;
    TGridScrollInfo info = AInfo;
    info.Max = std::max(info.Max, info.Min);
    info.Pos = std::clamp(info.Pos, info.Min, info.Max);
    if (FInfo[bar] == info)
        return;
    FInfo[bar] = info;
    Changed(bar);
}

int TGridScrollBars::ThicknessPx(int ABar)
{
    return GetSystemMetrics(ABar == SB_VERT ? SM_CXVSCROLL : SM_CYHSCROLL);
}

void TGridScrollBars::Place()
{
    if (!FWidgets)
        return;
    const TPoint offset = FControl.WidgetClientOffset();
    const TRect client = FControl.GetClientRect();
    FWidgets->Place(
        Rect(client.Left + offset.X, client.Top + offset.Y, client.Right + offset.X, client.Bottom + offset.Y));
}

void TGridScrollBars::Changed(int ABar)
{
    if (FWidgets)
        FWidgets->Show(ABar);
}

}  // namespace plat
