#include "tab_buttons.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace telvo {

namespace {

void Set_Button_Text(QPushButton *button, const QString &caption, const QString &hint) {
    if (!button)
        return;
    button->setText(caption);
    button->setToolTip(hint);
}

} // namespace

Tab_Buttons::Tab_Buttons(const Tab_Button_Names &names, QWidget *parent) : QWidget(parent) {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    const auto add = [this, layout](const QString &name, void (Tab_Buttons::*clicked)()) -> QPushButton * {
        if (name.isEmpty())
            return nullptr;
        auto *button = new QPushButton(this);
        button->setObjectName(name);
        button->setMinimumWidth(96);
        layout->addWidget(button);
        connect(button, &QPushButton::clicked, this, clicked);
        return button;
    };
    View = add(names.View, &Tab_Buttons::viewClicked);
    Print = add(names.Print, &Tab_Buttons::printClicked);
    Clear = add(names.Clear, &Tab_Buttons::clearClicked);
    layout->addStretch(1);
    if (QPushButton *exit = add(names.Exit, &Tab_Buttons::exitClicked))
        exit->setText(names.Exit_Text);
}

void Tab_Buttons::Set_Texts(const Language_Texts &texts) {
    Set_Button_Text(View, texts.Lang_View_Button, texts.Lang_View_Hint);
    Set_Button_Text(Print, texts.Lang_Print_Button, texts.Lang_Print_Hint);
    Set_Button_Text(Clear, texts.Lang_Clear_Button, texts.Lang_Clear_Hint);
}

} // namespace telvo
