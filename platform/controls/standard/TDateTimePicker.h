#pragma once

#include "platform/controls/core/TWinControl.h"
#include "platform/system/DateTime.h"

class QDate;
class QDateEdit;
class QCalendarWidget;

namespace plat {

// A date edit with a calendar that drops down below it. The date is a whole day (the time of
// day is cut off) and shows in the short date format of the process-wide format settings as
// they are when the window is made or the date is set. It starts at the clock's date of the day
// the picker is made. Qt's date edit lies behind it, so the dates run from 1 January 100 to
// 31 December 9999; a date outside is moved to the nearest end.
//
// The user edits a field of the date with the keys, or drops the calendar down (its arrow, F4 or
// Alt+Down) and chooses a day there, which sets the date and closes the calendar; Escape or a
// click elsewhere closes it without a change. Every change by the user runs OnChange; changes by
// code run nothing.
class TDateTimePicker : public TWinControl {
public:
    explicit TDateTimePicker(TComponent* AOwner);
    ~TDateTimePicker() override;

    std::string ClassName() const override { return "TDateTimePicker"; }

    TDateTime Date() const { return FDate; }
    void SetDate(TDateTime Value);

    // The calendar is open. DropDown opens it at the picker's date while the picker shows on
    // the screen (a hidden picker has nowhere to drop it); CloseUp closes it without a change.
    bool DroppedDown() const;
    void DropDown();
    void CloseUp();

    void Dispatch(TMessage& Message) override;

    TNotifyEvent OnChange;

protected:
    TWindowHost* CreateHost(const TCreateParams& Params) override;
    void CreateWnd() override;
    void UpdateNativeColors() override;
    void KeyDown(unsigned& Key, TShiftState Shift) override;
    virtual void Change();

private:
    QDateEdit* Edit() const;
    QCalendarWidget* Calendar() const;
    void ShowDate();
    // A day the user chose in the edit or the calendar.
    void UserChose(const QDate& Day);

    TDateTime FDate;
};

}  // namespace plat
