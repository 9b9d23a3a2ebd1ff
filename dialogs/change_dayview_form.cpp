#include "change_dayview_form.h"

#include "settings_save.h"
#include "show_centred.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace telvo {

namespace {

constexpr int Last_Hour = 24;

// A whole number of hours: any run of digits (with a sign) may be typed, and
// leaving the field pulls it into 0..24.
class Hour_Field : public QSpinBox {
public:
    explicit Hour_Field(QWidget *parent) : QSpinBox(parent) { setRange(0, Last_Hour); }

    QValidator::State validate(QString &text, int &) const override {
        static const QRegularExpression number(QStringLiteral("^-?[0-9]*$"));
        if (!number.match(text).hasMatch())
            return QValidator::Invalid;
        bool is_number = false;
        const int hour = text.toInt(&is_number);
        return is_number && hour >= 0 && hour <= Last_Hour ? QValidator::Acceptable
                                                           : QValidator::Intermediate;
    }

    void fixup(QString &text) const override { text = QString::number(Hour_Of_Text(text)); }

    int valueFromText(const QString &text) const override { return Hour_Of_Text(text); }
};

// Marks both options as given, also both off: options that exclude each other
// cannot be unmarked while they do.
void Set_Options(QRadioButton *first, bool first_on, QRadioButton *second, bool second_on) {
    first->setAutoExclusive(false);
    second->setAutoExclusive(false);
    first->setChecked(first_on);
    second->setChecked(second_on);
    first->setAutoExclusive(true);
    second->setAutoExclusive(true);
}

} // namespace

int Hour_Of_Text(const QString &text) {
    const QString trimmed = text.trimmed();
    static const QRegularExpression number(QStringLiteral("^(-?)0*([0-9]+)$"));
    const QRegularExpressionMatch match = number.match(trimmed);
    if (!match.hasMatch() || !match.captured(1).isEmpty())
        return 0;
    // More than two significant digits is past 24 whatever they are.
    const QString digits = match.captured(2);
    return digits.size() > 2 ? Last_Hour : std::min(digits.toInt(), Last_Hour);
}

TChange_DayView_Form::TChange_DayView_Form(Model &model, Settings_Store &store, QWidget *parent)
    : QDialog(parent), Data(model), Store(store), RadioGroup1(new QGroupBox(this)),
      Enable_Day_Tab2(new QRadioButton(RadioGroup1)), Enable_Day_Tab1(new QRadioButton(RadioGroup1)),
      Enable_Balance(new QCheckBox(RadioGroup1)), GroupBox1(new QGroupBox(this)),
      First_Day_Sunday(new QRadioButton(GroupBox1)), First_Day_Monday(new QRadioButton(GroupBox1)),
      From_TXT_Label(new QLabel(this)), Input_From_Hour(new Hour_Field(this)), To_TXT_Label(new QLabel(this)),
      Input_To_Hour(new Hour_Field(this)), Hour_TXT_Label(new QLabel(this)), Exit_But(new QPushButton(this)) {
    setObjectName(QStringLiteral("Change_DayView_Form"));
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    Enable_Day_Tab2->setObjectName(QStringLiteral("Enable_Day_Tab2"));
    Enable_Day_Tab1->setObjectName(QStringLiteral("Enable_Day_Tab1"));
    Enable_Balance->setObjectName(QStringLiteral("Enable_Balance"));
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    First_Day_Sunday->setObjectName(QStringLiteral("First_Day_Sunday"));
    First_Day_Monday->setObjectName(QStringLiteral("First_Day_Monday"));
    From_TXT_Label->setObjectName(QStringLiteral("From_TXT_Label"));
    Input_From_Hour->setObjectName(QStringLiteral("Input_From_Hour"));
    To_TXT_Label->setObjectName(QStringLiteral("To_TXT_Label"));
    Input_To_Hour->setObjectName(QStringLiteral("Input_To_Hour"));
    Hour_TXT_Label->setObjectName(QStringLiteral("Hour_TXT_Label"));
    Exit_But->setObjectName(QStringLiteral("Exit_But"));

    auto *mode = new QVBoxLayout(RadioGroup1);
    mode->addWidget(Enable_Day_Tab2);
    mode->addWidget(Enable_Day_Tab1);
    mode->addWidget(Enable_Balance);
    auto *first_day = new QVBoxLayout(GroupBox1);
    first_day->addWidget(First_Day_Sunday);
    first_day->addWidget(First_Day_Monday);

    From_TXT_Label->setBuddy(Input_From_Hour);
    To_TXT_Label->setBuddy(Input_To_Hour);
    auto *hours = new QHBoxLayout;
    hours->addWidget(From_TXT_Label);
    hours->addWidget(Input_From_Hour);
    hours->addWidget(To_TXT_Label);
    hours->addWidget(Input_To_Hour);
    hours->addWidget(Hour_TXT_Label);
    hours->addStretch();

    Exit_But->setDefault(true);
    connect(Exit_But, &QPushButton::clicked, this, &QDialog::accept);
    connect(Enable_Day_Tab1, &QRadioButton::clicked, this, &TChange_DayView_Form::Mode_Click);
    connect(Enable_Day_Tab2, &QRadioButton::clicked, this, &TChange_DayView_Form::Mode_Click);
    connect(Enable_Balance, &QCheckBox::clicked, this, &TChange_DayView_Form::Enable_BalanceClick);
    connect(First_Day_Sunday, &QRadioButton::clicked, this, &TChange_DayView_Form::First_Day_SundayClick);
    connect(First_Day_Monday, &QRadioButton::clicked, this, &TChange_DayView_Form::First_Day_MondayClick);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Exit_But);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(RadioGroup1);
    layout->addWidget(GroupBox1);
    layout->addLayout(hours);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(Enable_Day_Tab2, Enable_Day_Tab1);
    setTabOrder(Enable_Day_Tab1, Enable_Balance);
    setTabOrder(Enable_Balance, First_Day_Sunday);
    setTabOrder(First_Day_Sunday, First_Day_Monday);
    setTabOrder(First_Day_Monday, Input_From_Hour);
    setTabOrder(Input_From_Hour, Input_To_Hour);
    setTabOrder(Input_To_Hour, Exit_But);
}

void TChange_DayView_Form::Open() {
    if (!isVisible())
        FormShow();
    Show_Centred(this);
}

void TChange_DayView_Form::FormShow() {
    Input_From_Hour->setValue(Data.From_Hour);
    Input_To_Hour->setValue(Data.To_Hour);

    const Language_Texts &texts = Data.Texts;
    setWindowTitle(texts.Lang_Change_View_Settings);
    Enable_Day_Tab2->setText(texts.Lang_View_Half_Hourly);
    Enable_Day_Tab1->setText(texts.Lang_View_Intensity);
    Enable_Balance->setText(texts.Lang_Balance_File);
    First_Day_Sunday->setText(texts.Lang_Sunday_First);
    First_Day_Monday->setText(texts.Lang_Monday_First);
    From_TXT_Label->setText(texts.Lang_View_Day_From);
    To_TXT_Label->setText(texts.Lang_Hour_Til);
    Hour_TXT_Label->setText(texts.Lang_Hour + QLatin1Char('.'));
    Exit_But->setText(texts.Lang_Exit_Button);

    Set_Options(Enable_Day_Tab2, Data.Enable_Day_Tab2, Enable_Day_Tab1, Data.Enable_Day_Tab1);
    Enable_Balance->setChecked(Data.Enable_Day_Balance);
    Enable_Balance->setEnabled(Data.Enable_Day_Tab1);
    Set_Options(First_Day_Sunday, Data.Sunday_Is_Day_One, First_Day_Monday, Data.Monday_Is_Day_One);
    Exit_But->setFocus();
}

void TChange_DayView_Form::Mode_Click() {
    Data.Enable_Day_Tab1 = Enable_Day_Tab1->isChecked();
    Data.Enable_Day_Tab2 = Enable_Day_Tab2->isChecked();
    // Disabled, the box keeps its mark; balancing waits for intensity mode.
    Enable_Balance->setEnabled(Data.Enable_Day_Tab1);
}

void TChange_DayView_Form::Enable_BalanceClick() {
    Data.Enable_Day_Balance = Enable_Balance->isChecked();
}

void TChange_DayView_Form::First_Day_SundayClick() {
    Data.Sunday_Is_Day_One = true;
    Data.Monday_Is_Day_One = false;
}

void TChange_DayView_Form::First_Day_MondayClick() {
    Data.Sunday_Is_Day_One = false;
    Data.Monday_Is_Day_One = true;
}

void TChange_DayView_Form::done(int result) {
    // A number still being typed counts as if the field had been left.
    Input_From_Hour->interpretText();
    Input_To_Hour->interpretText();
    Data.From_Hour = static_cast<std::uint16_t>(Input_From_Hour->value());
    Data.To_Hour = static_cast<std::uint16_t>(Input_To_Hour->value());
    Save_Settings_Or_Inform(Data, Store, this);
    emit viewSettingsChanged();
    QDialog::done(result);
}

} // namespace telvo
