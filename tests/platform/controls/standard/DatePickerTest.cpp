// The date picker: the date it shows and gives back, the user's edits and its calendar.

#include "StandardFixture.h"

#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/standard/TDateTimePicker.h"
#include "platform/core/Exception.h"
#include "platform/core/FormatSettings.h"
#include "platform/system/DateTimeFormat.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTableView>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>

using namespace plat;
using namespace plat::testing;
using ::testing::ElementsAre;

namespace {

class DatePickerTest : public StandardFixture {
protected:
    DatePickerTest() : SavedSettings(FormatSettings())
    {
        FormatSettings().ShortDateFormat = "dd/mm/yyyy";
        FormatSettings().DateSeparator = '-';
        form->SetBounds(100, 100, 300, 200);
    }
    ~DatePickerTest() override { FormatSettings() = SavedSettings; }

    TDateTimePicker* AddPicker()
    {
        auto* picker = AddControl<TDateTimePicker>(*form, Bounds(10, 10, 186, 21));
        picker->OnChange = log.Notify("change");
        return picker;
    }

    static std::string Shown(TDateTimePicker& Picker)
    {
        return static_cast<QDateEdit*>(Picker.Handle())->text().toStdString();
    }

    // The open calendar, as the user sees it.
    static QCalendarWidget* OpenCalendar()
    {
        return qobject_cast<QCalendarWidget*>(QApplication::activePopupWidget());
    }

    static void PressKey(QWidget* Target, int Key)
    {
        QKeyEvent press(QEvent::KeyPress, Key, Qt::NoModifier);
        QCoreApplication::sendEvent(Target, &press);
        QKeyEvent release(QEvent::KeyRelease, Key, Qt::NoModifier);
        QCoreApplication::sendEvent(Target, &release);
    }

    // Clicks the day of the shown month that reads Day in the calendar's grid.
    static void ClickDay(QCalendarWidget& Calendar, int Day)
    {
        auto* view = Calendar.findChild<QTableView*>();
        ASSERT_NE(view, nullptr);
        const QString label = QString::number(Day);
        for (int row = 0; row < view->model()->rowCount(); ++row)
            for (int column = 0; column < view->model()->columnCount(); ++column) {
                const QModelIndex index = view->model()->index(row, column);
                if (row == 0 || index.data(Qt::DisplayRole).toString() != label)
                    continue;
                const QPointF centre = view->visualRect(index).center();
                const QPointF global = view->viewport()->mapToGlobal(centre);
                QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                QCoreApplication::sendEvent(view->viewport(), &press);
                QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
                QCoreApplication::sendEvent(view->viewport(), &release);
                return;
            }
        FAIL() << "no day " << Day << " in the calendar";
    }

private:
    TFormatSettings SavedSettings;
};

TEST_F(DatePickerTest, ShowsTheDateInTheShortDateFormatAndGivesBackTheWholeDay)
{
    TDateTimePicker* picker = AddPicker();
    // The clock's day, until something else is set.
    EXPECT_EQ(picker->Date(), EncodeDate(2024, 1, 15));

    // Set before and after the window exists.
    picker->SetDate(EncodeDate(2024, 3, 1) + 0.75);
    EXPECT_EQ(picker->Date(), EncodeDate(2024, 3, 1));
    form->Show();
    EXPECT_EQ(Shown(*picker), "01-03-2024");
    picker->SetDate(EncodeDate(1899, 12, 29) - 0.25);
    EXPECT_EQ(picker->Date(), EncodeDate(1899, 12, 29));
    EXPECT_EQ(Shown(*picker), "29-12-1899");

    // The format in force when the date is set, and what it writes reads back as the same day.
    FormatSettings().ShortDateFormat = "yyyy.m.d";
    picker->SetDate(EncodeDate(2031, 7, 4));
    EXPECT_EQ(Shown(*picker), FormatDateTime("ddddd", picker->Date()));
    TDateTime read = 0;
    ASSERT_TRUE(TryStrToDate(Shown(*picker), read, FormatSettings()));
    EXPECT_EQ(read, picker->Date());

    // Dates beyond what the edit can show go to its ends; no number is no date.
    picker->SetDate(EncodeDate(50, 6, 1));
    EXPECT_EQ(picker->Date(), EncodeDate(100, 1, 1));
    picker->SetDate(1e9);
    EXPECT_EQ(picker->Date(), EncodeDate(9999, 12, 31));
    EXPECT_THROW(picker->SetDate(std::numeric_limits<double>::quiet_NaN()), EConvertError);
    EXPECT_EQ(picker->Date(), EncodeDate(9999, 12, 31));
    // Changes by code tell nobody.
    EXPECT_TRUE(log.Entries().empty());
}

TEST_F(DatePickerTest, TheUsersEditOfAFieldChangesTheDate)
{
    TDateTimePicker* picker = AddPicker();
    picker->SetDate(EncodeDate(2024, 2, 28));
    form->Show();
    picker->SetFocus();
    // The day is the first field; Up steps it.
    ui.Simulator().KeyPress(VK_UP);
    EXPECT_EQ(picker->Date(), EncodeDate(2024, 2, 29));
    EXPECT_THAT(log.Entries(), ElementsAre("change"));
    EXPECT_FALSE(picker->DroppedDown());
}

TEST_F(DatePickerTest, TheCalendarDropsDownAtTheDateAndSetsTheDayChosenThere)
{
    TDateTimePicker* picker = AddPicker();
    picker->SetDate(EncodeDate(2024, 3, 1));
    // A picker that does not show has nowhere to drop the calendar.
    picker->DropDown();
    EXPECT_FALSE(picker->DroppedDown());
    form->Show();
    picker->DropDown();
    ASSERT_TRUE(picker->DroppedDown());
    QCalendarWidget* calendar = OpenCalendar();
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->selectedDate(), QDate(2024, 3, 1));
    // Under the picker, left edges together (give or take the frame the window system is still
    // settling around the form).
    const QPoint below = picker->Handle()->mapToGlobal(QPoint(0, 21));
    EXPECT_NEAR(calendar->pos().x(), below.x(), 2);
    EXPECT_NEAR(calendar->pos().y(), below.y(), 2);

    // Keys move the day; Enter takes it and closes.
    PressKey(calendar->focusProxy(), Qt::Key_Right);
    EXPECT_TRUE(log.Entries().empty());
    PressKey(calendar->focusProxy(), Qt::Key_Return);
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->Date(), EncodeDate(2024, 3, 2));
    EXPECT_EQ(Shown(*picker), "02-03-2024");
    EXPECT_THAT(log.Entries(), ElementsAre("change"));

    // A click on a day takes it; the calendar opens again at the new date.
    log.Clear();
    picker->DropDown();
    ASSERT_EQ(OpenCalendar(), calendar);
    EXPECT_EQ(calendar->selectedDate(), QDate(2024, 3, 2));
    ClickDay(*calendar, 20);
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->Date(), EncodeDate(2024, 3, 20));
    EXPECT_THAT(log.Entries(), ElementsAre("change"));

    // Closing, by code or with Escape, keeps the date; choosing the same day changes nothing.
    log.Clear();
    picker->DropDown();
    picker->DropDown();
    picker->CloseUp();
    EXPECT_FALSE(picker->DroppedDown());
    picker->CloseUp();
    picker->DropDown();
    PressKey(OpenCalendar()->focusProxy(), Qt::Key_Escape);
    EXPECT_FALSE(picker->DroppedDown());
    picker->DropDown();
    PressKey(OpenCalendar()->focusProxy(), Qt::Key_Return);
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->Date(), EncodeDate(2024, 3, 20));
    EXPECT_TRUE(log.Entries().empty());
}

TEST_F(DatePickerTest, TheArrowF4AndAltDownDropTheCalendarDown)
{
    TDateTimePicker* picker = AddPicker();
    form->Show();
    picker->SetFocus();
    ui.Simulator().KeyPress(VK_F4);
    EXPECT_TRUE(picker->DroppedDown());
    picker->CloseUp();
    ui.Simulator().KeyPress(VK_DOWN, TShiftState{ssAlt});
    EXPECT_TRUE(picker->DroppedDown());
    picker->CloseUp();
    // Down alone steps the field.
    ui.Simulator().KeyPress(VK_DOWN);
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->Date(), EncodeDate(2024, 1, 14));
    ui.Simulator().Click(*picker, {178, 10});
    EXPECT_TRUE(picker->DroppedDown());
    picker->CloseUp();
    ui.Simulator().Click(*picker, {10, 10});
    EXPECT_FALSE(picker->DroppedDown());
}

TEST_F(DatePickerTest, APickerFreedWithItsCalendarOpenTakesTheCalendarAlong)
{
    TDateTimePicker* picker = AddPicker();
    form->Show();
    picker->DropDown();
    ASSERT_NE(OpenCalendar(), nullptr);
    delete picker;
    ui.Pump();
    EXPECT_EQ(OpenCalendar(), nullptr);
}

}  // namespace
