#include "calender_form.h"

#include "show_centred.h"
#include "week_column_delegate.h"

#include "data/calendar.h"
#include "data/selection_texts.h"
#include "data/text_functions.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace telvo {

namespace {

// The day that opens the first row of the calendar's month sheet: the sheet
// starts with the week holding the 1st, or with the week before when the 1st
// opens its week, so that a few days of the month before are always shown.
QDate Sheet_First_Day(int year, int month, Qt::DayOfWeek first_weekday) {
    const QDate first_of_month(year, month, 1);
    int days_back = (first_of_month.dayOfWeek() - first_weekday + 7) % 7;
    if (days_back == 0)
        days_back = 7;
    return first_of_month.addDays(-days_back);
}

// Month and weekday names of the calendar in the program's language.
QLocale Calendar_Locale(const QString &language) {
    if (language == QLatin1String("DUTCH"))
        return QLocale(QLocale::Dutch, QLocale::Netherlands);
    if (language == QLatin1String("GERMAN"))
        return QLocale(QLocale::German, QLocale::Germany);
    if (language == QLatin1String("FRENCH"))
        return QLocale(QLocale::French, QLocale::France);
    return QLocale(QLocale::English, QLocale::UnitedKingdom);
}

} // namespace

TCalender_Form::TCalender_Form(Model &model, QWidget *parent)
    : QDialog(parent), Data(model), MonthCalendar1(new QCalendarWidget(this)),
      Sheet(MonthCalendar1->findChild<QTableView *>()), OK_Calender_Button(new QPushButton(this)),
      Cancel_Calender_Button(new QPushButton(this)) {
    setObjectName(QStringLiteral("Calender_Form"));
    MonthCalendar1->setObjectName(QStringLiteral("MonthCalendar1"));
    OK_Calender_Button->setObjectName(QStringLiteral("OK_Calender_Button"));
    Cancel_Calender_Button->setObjectName(QStringLiteral("Cancel_Calender_Button"));

    // The toolkit's week column counts ISO weeks; the delegate paints the
    // program's own numbers (Monday or Sunday weeks) into that column instead.
    MonthCalendar1->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    Sheet->setItemDelegateForColumn(
        0, new Week_Column_Delegate([this](int row) { return Week_Column_Text(row); }, Sheet));
    connect(MonthCalendar1, &QCalendarWidget::currentPageChanged, this, &TCalender_Form::Update_Week_Column);

    OK_Calender_Button->setDefault(true);
    connect(OK_Calender_Button, &QPushButton::clicked, this, &TCalender_Form::OK_Calender_ButtonClick);
    connect(Cancel_Calender_Button, &QPushButton::clicked, this, &QWidget::hide);
    // A double-click on a day picks it, as OK does.
    connect(MonthCalendar1, &QCalendarWidget::activated, this, &TCalender_Form::OK_Calender_ButtonClick);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OK_Calender_Button);
    buttons->addWidget(Cancel_Calender_Button);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(MonthCalendar1);
    layout->addLayout(buttons);
}

void TCalender_Form::Open(int target) {
    if (target < 1 || target > 2 * Rows_Per_View)
        return;
    Data.Calendar_Target = target;
    FormShow();
    Show_Centred(this);
}

QString TCalender_Form::Week_Column_Text(int row) const {
    return row >= 1 && row <= static_cast<int>(Week_Column.size())
               ? Week_Column[static_cast<std::size_t>(row - 1)]
               : QString();
}

void TCalender_Form::FormShow() {
    // A locale brings its own first weekday, so the program's is set after it.
    MonthCalendar1->setLocale(Calendar_Locale(Data.Language));
    MonthCalendar1->setFirstDayOfWeek(Data.Sunday_Is_Day_One ? Qt::Sunday : Qt::Monday);
    setWindowTitle(Data.Texts.Lang_Select_Date);
    OK_Calender_Button->setText(Data.Texts.Lang_Ok);
    Cancel_Calender_Button->setText(Data.Texts.Lang_Cancel);

    const int target = Data.Calendar_Target;
    QDate shown = target <= Rows_Per_View ? Data.Day_Dates[target] : Data.Week_Dates[target - Rows_Per_View];
    if (!shown.isValid())
        shown = Today();
    MonthCalendar1->setSelectedDate(shown);
    MonthCalendar1->setCurrentPage(shown.year(), shown.month());
    Update_Week_Column();
}

void TCalender_Form::Update_Week_Column() {
    const QDate first = Sheet_First_Day(MonthCalendar1->yearShown(), MonthCalendar1->monthShown(),
                                        MonthCalendar1->firstDayOfWeek());
    for (std::size_t row = 0; row < Week_Column.size(); ++row) {
        // The second day of the row: when the calendar's weeks and the week
        // numbers start on the same weekday every day of the row has its
        // number; otherwise it carries the number of most of the row's days.
        const QDate day = first.addDays(7 * static_cast<qint64>(row) + 1);
        Week_Column[row] = Int_To_Text(Week_Number(Data, day));
    }
    Sheet->viewport()->update();
}

void TCalender_Form::OK_Calender_ButtonClick() {
    const int target = Data.Calendar_Target;
    const QDate picked = MonthCalendar1->selectedDate();
    Row_Page page = Row_Page::Day;
    int row = target;
    if (target >= 1 && target <= Rows_Per_View) {
        Data.Day_Dates[row] = picked;
        Data.Day_Date_Texts[row] = Date_Text(picked);
    } else if (target > Rows_Per_View && target <= 2 * Rows_Per_View) {
        page = Row_Page::Week;
        row = target - Rows_Per_View;
        Data.Week_Dates[row] = picked;
        Data.Week_Date_Texts[row] = Make_Week_Date_Text(Data, picked);
    } else {
        return;
    }
    hide();
    emit selectionStored(page, row);
}

} // namespace telvo
