#include "platform/controls/standard/TDateTimePicker.h"

#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/qt/NativeWidgetSupport.h"
#include "platform/core/Exception.h"
#include "platform/core/FormatSettings.h"
#include "platform/system/Clock.h"
#include "platform/system/Environment.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <cmath>
#include <functional>

namespace plat {

namespace {

// The Julian day of day 0 of TDateTime, 30 December 1899.
constexpr qint64 kJulianDayOfDayZero = 2415019;

// What Qt's date edit can show.
const QDate kFirstDay(100, 1, 1);
const QDate kLastDay(9999, 12, 31);

QDate ToQDate(TDateTime Day)
{
    const double days = std::clamp(std::trunc(Day), static_cast<double>(kFirstDay.toJulianDay() - kJulianDayOfDayZero),
                                   static_cast<double>(kLastDay.toJulianDay() - kJulianDayOfDayZero));
    return QDate::fromJulianDay(static_cast<qint64>(days) + kJulianDayOfDayZero);
}

TDateTime FromQDate(const QDate& Day)
{
    return static_cast<TDateTime>(Day.toJulianDay() - kJulianDayOfDayZero);
}

void AppendLiteral(QString& Out, QChar c)
{
    Out += c == QLatin1Char('\'') ? QStringLiteral("''") : QStringLiteral("'") + c + QStringLiteral("'");
}

// The short date format as a display format of Qt's date edit: the day, month and year fields as
// Qt names them, everything else quoted as literal text.
QString QtDisplayFormat(const TFormatSettings& Settings)
{
    const QString format = QString::fromStdString(Settings.ShortDateFormat);
    QString out;
    qsizetype pos = 0;
    while (pos < format.size()) {
        const QChar c = format[pos];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const qsizetype close = format.indexOf(c, pos + 1);
            const qsizetype end = close < 0 ? format.size() : close;
            for (qsizetype i = pos + 1; i < end; ++i)
                AppendLiteral(out, format[i]);
            pos = close < 0 ? format.size() : close + 1;
            continue;
        }
        const QChar token = c.toUpper();
        qsizetype count = 1;
        while (pos + count < format.size() && format[pos + count].toUpper() == token)
            ++count;
        if (token == QLatin1Char('D'))
            out += QString(std::min<qsizetype>(count, 4), QLatin1Char('d'));
        else if (token == QLatin1Char('M'))
            out += QString(std::min<qsizetype>(count, 4), QLatin1Char('M'));
        else if (token == QLatin1Char('Y'))
            out += count <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
        else if (c == QLatin1Char('/'))
            for (qsizetype i = 0; i < count; ++i)
                AppendLiteral(out, QLatin1Char(Settings.DateSeparator));
        else
            for (qsizetype i = 0; i < count; ++i)
                AppendLiteral(out, format[pos + i]);
        pos += count;
    }
    return out;
}

// Qt's date edit with the look of a drop-down, whose arrow asks for the picker's own calendar
// (Qt's calendar pop-up cannot be opened or closed by code).
class TDateEditWidget : public QDateEdit {
public:
    std::function<void()> ArrowPressed;

protected:
    void mousePressEvent(QMouseEvent* Event) override
    {
        if (Event->button() == Qt::LeftButton && OnArrow(Event->position().toPoint())) {
            Event->accept();
            if (ArrowPressed)
                ArrowPressed();
            return;
        }
        QDateEdit::mousePressEvent(Event);
    }

private:
    bool OnArrow(QPoint Pos) const
    {
        QStyleOptionComboBox option;
        option.initFrom(this);
        option.editable = true;
        option.frame = true;
        option.subControls = QStyle::SC_All;
        return style()->hitTestComplexControl(QStyle::CC_ComboBox, &option, Pos, this) == QStyle::SC_ComboBoxArrow;
    }
};

}  // namespace

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TWinControl(AOwner), FDate(Env().Clock->Date())
{
    SetControlStyle(GetControlStyle() - TControlStyle{csClickEvents, csCaptureMouse});
    SetBounds(0, 0, 186, 21);
    SetTabStop(true);
}

TDateTimePicker::~TDateTimePicker() = default;

QDateEdit* TDateTimePicker::Edit() const
{
    return HandleAllocated() ? static_cast<QDateEdit*>(Host()->Widget()) : nullptr;
}

QCalendarWidget* TDateTimePicker::Calendar() const
{
    const QDateEdit* edit = Edit();
    return edit ? edit->findChild<QCalendarWidget*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

TWindowHost* TDateTimePicker::CreateHost(const TCreateParams&)
{
    auto* host = new THostWidget<TDateEditWidget>(this);
    host->ArrowPressed = [core = static_cast<THostWidgetCore*>(host)] {
        if (auto* picker = static_cast<TDateTimePicker*>(core->Control()))
            picker->DropDown();
    };
    return host;
}

void TDateTimePicker::CreateWnd()
{
    TWinControl::CreateWnd();
    QDateEdit* edit = Edit();
    edit->setFocusPolicy(Qt::StrongFocus);
    // The look of a drop-down; the calendar itself is ours (see TDateEditWidget).
    edit->setCalendarPopup(true);
    edit->setDateRange(kFirstDay, kLastDay);
    if (auto* line = edit->findChild<QLineEdit*>())
        HostWidgetOf(*this).RouteEventsOf(line);
    UpdateNativeColors();
    ShowDate();
    QObject::connect(edit, &QDateEdit::dateChanged, edit, [core = &HostWidgetOf(*this)](QDate day) {
        if (auto* picker = static_cast<TDateTimePicker*>(core->Control()))
            Guarded(picker, [&] { picker->UserChose(day); });
    });
}

void TDateTimePicker::UpdateNativeColors()
{
    if (QDateEdit* edit = Edit())
        ApplyNativeColors(edit, GetColor(), Font().GetColor(), QPalette::Base);
}

void TDateTimePicker::ShowDate()
{
    QDateEdit* edit = Edit();
    if (!edit)
        return;
    const QSignalBlocker blocker(edit);
    edit->setDisplayFormat(QtDisplayFormat(FormatSettings()));
    edit->setDate(ToQDate(FDate));
}

void TDateTimePicker::SetDate(TDateTime Value)
{
    if (!std::isfinite(Value))
        throw EConvertError("Invalid date");
    FDate = FromQDate(ToQDate(Value));
    ShowDate();
}

void TDateTimePicker::UserChose(const QDate& Day)
{
    const TDateTime chosen = FromQDate(Day);
    if (chosen == FDate)
        return;
    FDate = chosen;
    // A day from the calendar is not in the edit yet.
    if (QDateEdit* edit = Edit(); edit && edit->date() != Day)
        ShowDate();
    Change();
}

bool TDateTimePicker::DroppedDown() const
{
    const QCalendarWidget* calendar = Calendar();
    return calendar && calendar->isVisible();
}

void TDateTimePicker::DropDown()
{
    if (DroppedDown() || !Showing())
        return;
    QDateEdit* edit = Edit();
    QCalendarWidget* calendar = Calendar();
    if (!calendar) {
        calendar = new QCalendarWidget(edit);
        calendar->setWindowFlags(Qt::Popup);
        calendar->setDateRange(kFirstDay, kLastDay);
        const auto chose = [core = &HostWidgetOf(*this)](QDate day) {
            auto* picker = static_cast<TDateTimePicker*>(core->Control());
            if (!picker)
                return;
            Guarded(picker, [&] {
                const TControlRef<> alive(picker);
                picker->CloseUp();
                if (alive)
                    picker->UserChose(day);
            });
        };
        QObject::connect(calendar, &QCalendarWidget::clicked, calendar, chose);
        QObject::connect(calendar, &QCalendarWidget::activated, calendar, chose);
    }
    calendar->setSelectedDate(ToQDate(FDate));
    calendar->adjustSize();
    calendar->move(edit->mapToGlobal(QPoint(0, edit->height())));
    calendar->show();
    calendar->setFocus();
}

void TDateTimePicker::CloseUp()
{
    if (QCalendarWidget* calendar = Calendar())
        calendar->hide();
}

void TDateTimePicker::Change()
{
    if (OnChange && !IsDestroying())
        OnChange(this);
}

void TDateTimePicker::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    }
    TWinControl::Dispatch(Message);
}

void TDateTimePicker::KeyDown(unsigned& Key, TShiftState Shift)
{
    TWinControl::KeyDown(Key, Shift);
    if (Key == VK_F4 || (Key == VK_DOWN && Shift.Contains(ssAlt))) {
        Key = 0;
        DropDown();
    }
}

}  // namespace plat
