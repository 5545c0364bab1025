#include "platform/controls/forms/TScreen.h"

#include "platform/controls/core/KeyboardFocus.h"
#include "platform/controls/core/WindowHandles.h"
#include "platform/controls/forms/CursorShapes.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/services/MonitorLayout.h"
#include "platform/core/Exception.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/FontFamilies.h"
#include "platform/core/RectOps.h"
#include "platform/graphics/QtConversions.h"
#include "platform/system/Environment.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <algorithm>
#include <map>

namespace plat {

namespace {

std::map<TCursor, QCursor>& CustomCursors()
{
    static std::map<TCursor, QCursor> cursors;
    return cursors;
}

std::optional<Qt::CursorShape> StockShape(TCursor Cursor)
{
    switch (Cursor) {
    case crNone:
        return Qt::BlankCursor;
    case crArrow:
        return Qt::ArrowCursor;
    case crCross:
        return Qt::CrossCursor;
    case crIBeam:
        return Qt::IBeamCursor;
    case crSizeNESW:
        return Qt::SizeBDiagCursor;
    case crSizeNS:
        return Qt::SizeVerCursor;
    case crSizeNWSE:
        return Qt::SizeFDiagCursor;
    case crSizeWE:
        return Qt::SizeHorCursor;
    case crUpArrow:
        return Qt::UpArrowCursor;
    case crHourGlass:
    case crSQLWait:
        return Qt::WaitCursor;
    case crDrag:
    case crMultiDrag:
        return Qt::DragCopyCursor;
    case crNoDrop:
    case crNo:
        return Qt::ForbiddenCursor;
    case crHSplit:
        return Qt::SplitHCursor;
    case crVSplit:
        return Qt::SplitVCursor;
    case crAppStart:
        return Qt::BusyCursor;
    case crHelp:
        return Qt::WhatsThisCursor;
    case crHandPoint:
        return Qt::PointingHandCursor;
    case crSizeAll:
        return Qt::SizeAllCursor;
    default:
        return std::nullopt;
    }
}

}  // namespace

std::optional<QCursor> CursorShapeOf(TCursor Cursor)
{
    if (const auto shape = StockShape(Cursor))
        return QCursor(*shape);
    const auto& custom = CustomCursors();
    if (const auto it = custom.find(Cursor); it != custom.end())
        return it->second;
    return std::nullopt;
}

TScreen& TheScreen()
{
    // Never destroyed: forms may still leave it while the program ends.
    static auto* screen = new TScreen;
    return *screen;
}

TScreen::TScreen() : TComponent(nullptr) {}

TScreen::~TScreen() = default;

const TStringList& TScreen::Fonts() const
{
    if (!FFonts) {
        auto fonts = std::make_unique<TStringList>();
        for (const std::string& family : AvailableFontFamilies())
            fonts->Add(family);
        fonts->SetSorted(true);
        FFonts = std::move(fonts);
    }
    return *FFonts;
}

TCustomForm* TScreen::Forms(int Index) const
{
    if (Index < 0 || Index >= FormCount())
        throw EListError("Form index out of bounds (%d)", {Index});
    return FForms[Index];
}

TWinControl* TScreen::ActiveControl() const
{
    TWinControl* focused = GetKeyboardFocus();
    return FActiveForm && FActiveForm->ContainsControl(focused) ? focused : nullptr;
}

void TScreen::SetCursor(TCursor Value)
{
    if (FCursor == Value)
        return;
    const bool overriding = FCursor != crDefault;
    FCursor = Value;
    if (!QGuiApplication::instance())
        return;
    const std::optional<QCursor> shape = CursorShapeOf(Value);
    if (shape && overriding)
        QGuiApplication::changeOverrideCursor(*shape);
    else if (shape)
        QGuiApplication::setOverrideCursor(*shape);
    else if (overriding)
        QGuiApplication::restoreOverrideCursor();
}

void TScreen::SetCursorImage(TCursor Id, const QImage& Image, TPoint HotSpot)
{
    CustomCursors()[Id] = QCursor(QPixmap::fromImage(Image), HotSpot.X, HotSpot.Y);
}

std::vector<TMonitor> TScreen::CurrentMonitors() const
{
    if (!FMonitorLayout.empty())
        return FMonitorLayout;
    std::vector<TMonitor> monitors;
    if (const IMonitorLayout* layout = Env().Monitors) {
        for (const TMonitorArea& area : layout->Monitors())
            monitors.push_back({static_cast<int>(monitors.size()), area.BoundsRect, area.WorkareaRect, area.Primary});
        return monitors;
    }
    if (!QGuiApplication::instance())
        return monitors;
    const auto screens = QGuiApplication::screens();
    for (int i = 0; i < screens.size(); ++i) {
        const QScreen* screen = screens[i];
        monitors.push_back({i, FromQRect(screen->geometry()), FromQRect(screen->availableGeometry()),
                            screen == QGuiApplication::primaryScreen()});
    }
    return monitors;
}

std::optional<TMonitor> TScreen::PrimaryMonitor() const
{
    const std::vector<TMonitor> monitors = CurrentMonitors();
    for (const TMonitor& monitor : monitors)
        if (monitor.Primary)
            return monitor;
    if (monitors.empty())
        return std::nullopt;
    return monitors.front();
}

int TScreen::Width() const
{
    const auto primary = PrimaryMonitor();
    return primary ? primary->BoundsRect.Width() : 0;
}

int TScreen::Height() const
{
    const auto primary = PrimaryMonitor();
    return primary ? primary->BoundsRect.Height() : 0;
}

TRect TScreen::DesktopRect() const
{
    TRect desktop;
    for (const TMonitor& monitor : CurrentMonitors())
        desktop = desktop.IsEmpty() ? monitor.BoundsRect : UnionedRect(desktop, monitor.BoundsRect);
    return desktop;
}

TRect TScreen::WorkAreaRect() const
{
    const auto primary = PrimaryMonitor();
    return primary ? primary->WorkareaRect : TRect{};
}

int TScreen::MonitorCount() const
{
    return static_cast<int>(CurrentMonitors().size());
}

TMonitor TScreen::Monitors(int Index) const
{
    const std::vector<TMonitor> monitors = CurrentMonitors();
    if (Index < 0 || Index >= static_cast<int>(monitors.size()))
        throw EListError("Monitor index out of bounds (%d)", {Index});
    return monitors[static_cast<std::size_t>(Index)];
}

std::optional<TMonitor> TScreen::MonitorNearest(TPoint P) const
{
    // Squared distance from P to the nearest point of the bounds; 0 inside. Worked in doubles,
    // since a point from a stored layout can lie anywhere in the int range and the square of
    // such a gap passes 64 bits.
    const auto distance = [P](const TRect& r) {
        const auto gap = [](double From, double Low, double High) {
            return From < Low ? Low - From : (From >= High ? From - High + 1 : 0.0);
        };
        const double dx = gap(P.X, r.Left, r.Right);
        const double dy = gap(P.Y, r.Top, r.Bottom);
        return dx * dx + dy * dy;
    };
    std::optional<TMonitor> nearest;
    double best = 0;
    for (const TMonitor& monitor : CurrentMonitors()) {
        const double d = distance(monitor.BoundsRect);
        if (!nearest || d < best) {
            nearest = monitor;
            best = d;
        }
    }
    return nearest;
}

std::optional<TMonitor> TScreen::MonitorFromPoint(TPoint P, TMonitorDefaultTo Default) const
{
    for (const TMonitor& monitor : CurrentMonitors())
        if (monitor.BoundsRect.Contains(P))
            return monitor;
    switch (Default) {
    case mdNull:
        return std::nullopt;
    case mdPrimary:
        return PrimaryMonitor();
    default:
        return MonitorNearest(P);
    }
}

void TScreen::SetMonitorLayout(std::vector<TMonitor> Monitors)
{
    for (std::size_t i = 0; i < Monitors.size(); ++i)
        Monitors[i].MonitorNum = static_cast<int>(i);
    FMonitorLayout = std::move(Monitors);
}

void TScreen::AddForm(TCustomForm* Form)
{
    FForms.push_back(Form);
}

void TScreen::RemoveForm(TCustomForm* Form)
{
    std::erase(FForms, Form);
    std::erase(FActivationOrder, Form);
    if (FActiveForm == Form) {
        FActiveForm = nullptr;
        if (OnActiveFormChange)
            OnActiveFormChange(this);
    }
}

void TScreen::SetActiveForm(TCustomForm* Form)
{
    if (FActiveForm == Form)
        return;
    TCustomForm* old = FActiveForm;
    FActiveForm = Form;
    if (Form) {
        std::erase(FActivationOrder, Form);
        FActivationOrder.push_back(Form);
    }
    // Each form hears WM_ACTIVATE (the other form's window in LParam) before its event, as the
    // window system told a window before the library turned the message into the event.
    if (old && !old->IsDestroying()) {
        old->Perform(WM_ACTIVATE, WA_INACTIVE, Form ? static_cast<LPARAM>(WindowHandleOf(*Form)) : 0);
        old->DoDeactivate();
    }
    if (Form && FActiveForm == Form && !Form->IsDestroying()) {
        Form->Perform(WM_ACTIVATE, WA_ACTIVE, old && !old->IsDestroying() ? static_cast<LPARAM>(WindowHandleOf(*old)) : 0);
        if (FActiveForm == Form)
            Form->DoActivate();
    }
    if (OnActiveFormChange)
        OnActiveFormChange(this);
}

void TScreen::ActiveControlChanged()
{
    if (OnActiveControlChange)
        OnActiveControlChange(this);
}

TCustomForm* TScreen::LastActiveForm(const TCustomForm* Except) const
{
    for (auto it = FActivationOrder.rbegin(); it != FActivationOrder.rend(); ++it)
        if (*it != Except && (*it)->Showing())
            return *it;
    return nullptr;
}

}  // namespace plat
