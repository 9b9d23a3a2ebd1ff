#include "period_select_form.h"

#include "show_centred.h"

#include "data/selection_texts.h"
#include "views/message_box.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace telvo {

namespace {

constexpr int Periods_Per_Year = 4;
constexpr int Visible_Years = 7;

} // namespace

TPeriod_Select_Form::TPeriod_Select_Form(Model &model, QWidget *parent)
    : QDialog(parent), Data(model), Period_Lab(new QLabel(this)),
      Year_Label(new QLabel(this)), Period_Buttons{}, Period_Group(new QButtonGroup(this)),
      Year_List_Box(new QListWidget(this)), Panel2(new QLabel(this)), OK_Button(new QPushButton(this)),
      Cancel_Button(new QPushButton(this)) {
    setObjectName(QStringLiteral("Period_Select_Form"));
    Period_Lab->setObjectName(QStringLiteral("Period_Lab"));
    Year_Label->setObjectName(QStringLiteral("Year_Label"));
    Year_List_Box->setObjectName(QStringLiteral("Year_List_Box"));
    Panel2->setObjectName(QStringLiteral("Panel2"));
    OK_Button->setObjectName(QStringLiteral("OK_Button"));
    Cancel_Button->setObjectName(QStringLiteral("Cancel_Button"));

    auto *periods = new QVBoxLayout;
    periods->addWidget(Period_Lab);
    for (int period = 1; period <= Periods_Per_Year; ++period) {
        auto *button = new QRadioButton(this);
        button->setObjectName(QStringLiteral("Period%1_Button").arg(period));
        Period_Group->addButton(button, period);
        Period_Buttons[period - 1] = button;
        periods->addWidget(button);
    }
    periods->addStretch();
    connect(Period_Group, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            Show_Chosen_Range();
    });

    Year_Label->setBuddy(Year_List_Box);
    connect(Year_List_Box, &QListWidget::itemSelectionChanged, this, &TPeriod_Select_Form::Show_Chosen_Range);
    auto *years = new QVBoxLayout;
    years->addWidget(Year_Label);
    years->addWidget(Year_List_Box);
    years->addStretch();

    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel2->setAlignment(Qt::AlignCenter);
    Panel2->setMargin(4);

    OK_Button->setDefault(true);
    connect(OK_Button, &QPushButton::clicked, this, &TPeriod_Select_Form::OK_ButtonClick);
    connect(Cancel_Button, &QPushButton::clicked, this, &QWidget::hide);

    auto *choices = new QHBoxLayout;
    choices->addLayout(periods);
    choices->addSpacing(24);
    choices->addLayout(years);
    choices->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OK_Button);
    buttons->addWidget(Cancel_Button);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(Panel2);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TPeriod_Select_Form::Open(int row) {
    if (row < 1 || row > Rows_Per_View)
        return;
    Data.Period_Target = row;
    FormShow();
    Show_Centred(this);
}

void TPeriod_Select_Form::FormShow() {
    const Language_Texts &texts = Data.Texts;
    setWindowTitle(texts.Lang_Select_Period);
    OK_Button->setText(texts.Lang_Ok);
    Cancel_Button->setText(texts.Lang_Cancel);
    Year_Label->setText(texts.Lang_Year_Label);
    Period_Lab->setText(texts.Lang_Period);
    for (int period = 1; period <= Periods_Per_Year; ++period)
        Period_Buttons[period - 1]->setText(texts.Lang_Period + QLatin1Char(' ') + QString::number(period));

    // A row without a period keeps the button left from the dialog's last use.
    const QDate today = Today();
    Fill_Year_List(Year_List_Box, Last_Picker_Year(today));
    Fit_List(Year_List_Box, Visible_Years);
    const Quarter_Result &row = Data.Quarter_Results[Data.Period_Target];
    if (row.Period >= 1 && row.Period <= Periods_Per_Year)
        Period_Buttons[row.Period - 1]->setChecked(true);
    Select_Year(Year_List_Box, row.Year != 0 ? row.Year : today.year());
    Show_Chosen_Range();
}

void TPeriod_Select_Form::Show_Chosen_Range() {
    const int year = Selected_Year(Year_List_Box);
    const int period = year == 0 ? 0 : Period_Group->checkedId();
    Panel2->setText(Show_Period_Range(Data, period, year));
}

void TPeriod_Select_Form::OK_ButtonClick() {
    const int period = Period_Group->checkedId();
    const int year = Selected_Year(Year_List_Box);
    if (period < 1 || year == 0) {
        Show_Information(this, Data.Texts.Lang_Incomplete_Period);
        return;
    }
    const int target = Data.Period_Target;
    Quarter_Result &row = Data.Quarter_Results[target];
    row.Period = static_cast<std::uint8_t>(period);
    row.Year = static_cast<std::uint16_t>(year);
    row.Week.Fill(0);
    row.Total = 0;
    hide();
    emit selectionStored(Row_Page::Quarter, target);
}

} // namespace telvo
