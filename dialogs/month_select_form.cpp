#include "month_select_form.h"

#include "show_centred.h"

#include "views/message_box.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace telvo {

namespace {

constexpr int Months_Per_Year = 12;

} // namespace

TMonth_Select_Form::TMonth_Select_Form(Model &model, QWidget *parent)
    : QDialog(parent), Data(model), Month_Label(new QLabel(this)), Year_Label(new QLabel(this)),
      Month_List_Box(new QListWidget(this)), Year_List_Box(new QListWidget(this)),
      OK_Button(new QPushButton(this)), Cancel_Button(new QPushButton(this)) {
    setObjectName(QStringLiteral("Month_Select_Form"));
    Month_Label->setObjectName(QStringLiteral("Month_Label"));
    Year_Label->setObjectName(QStringLiteral("Year_Label"));
    Month_List_Box->setObjectName(QStringLiteral("Month_List_Box"));
    Year_List_Box->setObjectName(QStringLiteral("Year_List_Box"));
    OK_Button->setObjectName(QStringLiteral("OK_Button"));
    Cancel_Button->setObjectName(QStringLiteral("Cancel_Button"));

    Month_Label->setBuddy(Month_List_Box);
    Year_Label->setBuddy(Year_List_Box);
    for (int month = 1; month <= Months_Per_Year; ++month)
        Month_List_Box->addItem(QString());

    OK_Button->setDefault(true);
    connect(OK_Button, &QPushButton::clicked, this, &TMonth_Select_Form::OK_ButtonClick);
    connect(Cancel_Button, &QPushButton::clicked, this, &QWidget::hide);

    auto *lists = new QGridLayout;
    lists->setHorizontalSpacing(16);
    lists->addWidget(Month_Label, 0, 0);
    lists->addWidget(Year_Label, 0, 1);
    lists->addWidget(Month_List_Box, 1, 0);
    lists->addWidget(Year_List_Box, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OK_Button);
    buttons->addWidget(Cancel_Button);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TMonth_Select_Form::Open(int row) {
    if (row < 1 || row > Rows_Per_View)
        return;
    Data.Month_Target = row;
    FormShow();
    Show_Centred(this);
}

void TMonth_Select_Form::FormShow() {
    const Language_Texts &texts = Data.Texts;
    setWindowTitle(texts.Lang_Select_Month);
    OK_Button->setText(texts.Lang_Ok);
    Cancel_Button->setText(texts.Lang_Cancel);
    Year_Label->setText(texts.Lang_Year_Label);
    Month_Label->setText(texts.Lang_Month + QLatin1Char(':'));
    for (int month = 1; month <= Months_Per_Year; ++month)
        Month_List_Box->item(month - 1)->setText(texts.Lang_Month + QLatin1Char(' ') +
                                                 QString::number(month));

    const QDate today = Today();
    Fill_Year_List(Year_List_Box, Last_Picker_Year(today));
    // All twelve months without scrolling; the years scroll beside them.
    Fit_List(Month_List_Box, Months_Per_Year);
    Fit_List(Year_List_Box, Months_Per_Year);
    const Month_Result &row = Data.Month_Results[Data.Month_Target];
    Select_Position(Month_List_Box, (row.Month != 0 ? row.Month : today.month()) - 1);
    Select_Year(Year_List_Box, row.Year != 0 ? row.Year : today.year());
}

void TMonth_Select_Form::OK_ButtonClick() {
    const int month = Selected_Position(Month_List_Box) + 1;
    const int year = Selected_Year(Year_List_Box);
    if (month == 0 || year == 0) {
        Show_Information(this, Data.Texts.Lang_Incomplete_Choice);
        return;
    }
    const int target = Data.Month_Target;
    Month_Result &row = Data.Month_Results[target];
    row.Month = static_cast<std::uint16_t>(month);
    row.Year = static_cast<std::uint16_t>(year);
    row.Days_In_Month = 0;
    row.Day.Fill(0);
    row.Total = 0;
    hide();
    emit selectionStored(Row_Page::Month, target);
}

} // namespace telvo
