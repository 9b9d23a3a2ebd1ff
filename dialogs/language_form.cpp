#include "language_form.h"

#include "flags.h"
#include "settings_save.h"
#include "show_centred.h"

#include "settings/language_tables.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace telvo {

namespace {

struct Flag_Choice {
    const char *Object_Name;
    const char *Language;
    const char *Hint; // the language's own name
    Flag Picture;
};

// In the order of the grid: left to right, top to bottom.
const std::array<Flag_Choice, 4> Flag_Choices{{
    {"English_Flag", "ENGLISH", "English", Flag::United_Kingdom},
    {"German_Flag", "GERMAN", "Deutsch", Flag::Germany},
    {"Dutch_Flag", "DUTCH", "Nederlands", Flag::Netherlands},
    {"French_Flag", "FRENCH", "Français", Flag::France},
}};

const QSize Flag_Box(64, 40);

} // namespace

TLanguage_Form::TLanguage_Form(Model &model, Settings_Store &store, QWidget *parent)
    : QDialog(parent), Data(model), Store(store), Flags{}, Stop_Button(new QPushButton(this)) {
    setObjectName(QStringLiteral("Language_Form"));
    Stop_Button->setObjectName(QStringLiteral("Stop_Button"));

    auto *grid = new QGridLayout;
    for (std::size_t i = 0; i < Flag_Choices.size(); ++i) {
        const Flag_Choice &choice = Flag_Choices[i];
        auto *button = new QToolButton(this);
        button->setObjectName(QLatin1String(choice.Object_Name));
        button->setToolTip(QString::fromUtf8(choice.Hint));
        button->setAccessibleName(QString::fromUtf8(choice.Hint));
        button->setIcon(Flag_Icon(choice.Picture, Flag_Box));
        button->setIconSize(Flag_Box);
        button->setCheckable(true);
        button->setAutoRaise(true);
        const QString language = QLatin1String(choice.Language);
        connect(button, &QToolButton::clicked, this, [this, language] { Choose_Language(language); });
        Flags[i] = {button, language};
        grid->addWidget(button, static_cast<int>(i / 2), static_cast<int>(i % 2), Qt::AlignCenter);
    }
    connect(Stop_Button, &QPushButton::clicked, this, &QWidget::hide);

    auto *stop = new QHBoxLayout;
    stop->addStretch();
    stop->addWidget(Stop_Button);
    stop->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(stop);
    Set_Window_Texts();
}

void TLanguage_Form::Open() {
    Set_Window_Texts();
    Mark_Current_Language();
    Show_Centred(this);
}

void TLanguage_Form::Set_Window_Texts() {
    Stop_Button->setText(Data.Texts.Lang_Exit_Button);
    setWindowTitle(Data.Texts.Lang_Select_Language);
}

void TLanguage_Form::Choose_Language(const QString &language) {
    Data.Language = language;
    Set_Language_Texts(Data);
    emit languageChanged();
    Set_Window_Texts();
    Mark_Current_Language();

    Save_Settings_Or_Inform(Data, Store, this);
}

void TLanguage_Form::Mark_Current_Language() {
    for (const Flag_Button &flag : Flags)
        flag.Button->setChecked(flag.Language == Data.Language);
}

} // namespace telvo
