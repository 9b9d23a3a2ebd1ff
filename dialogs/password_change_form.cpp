#include "password_change_form.h"

#include "password_entry.h"
#include "show_centred.h"

#include "settings/settings_store.h"
#include "views/message_box.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace telvo {

TChange_Pasword_Form::TChange_Pasword_Form(Model &model, Settings_Store &store, QWidget *parent)
    : QDialog(parent), Data(model), Store(store), Label1(new QLabel(this)), Password1(new QLineEdit(this)),
      Label2(new QLabel(this)), Password2(new QLineEdit(this)), OKBtn(new QPushButton(this)),
      CancelBtn(new QPushButton(this)) {
    setObjectName(QStringLiteral("Change_Pasword_Form"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Password1->setObjectName(QStringLiteral("Password1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Password2->setObjectName(QStringLiteral("Password2"));
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    Make_Password_Entry(Password1);
    Make_Password_Entry(Password2);
    Password1->setMinimumWidth(220);
    Label1->setBuddy(Password1);
    Label2->setBuddy(Password2);
    OKBtn->setText(QStringLiteral("OK"));
    CancelBtn->setText(QStringLiteral("Cancel"));
    OKBtn->setDefault(true);
    CancelBtn->setAutoDefault(false);

    connect(OKBtn, &QPushButton::clicked, this, &TChange_Pasword_Form::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto *fields = new QGridLayout;
    fields->addWidget(Label1, 0, 0);
    fields->addWidget(Password1, 0, 1);
    fields->addWidget(Label2, 1, 0);
    fields->addWidget(Password2, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TChange_Pasword_Form::Open() {
    if (!isVisible())
        FormShow();
    Show_Centred(this);
}

void TChange_Pasword_Form::FormShow() {
    setWindowTitle(Data.Texts.Lang_Change_Password);
    Label1->setText(Data.Texts.Lang_Enter_New_Password);
    Label2->setText(Data.Texts.Lang_Retype_Password);
    Password1->clear();
    Password2->clear();
    Password1->setFocus();
}

void TChange_Pasword_Form::OKBtnClick() {
    hide();
    QWidget *box_parent = parentWidget();
    const QString password = Password1->text();
    if (password != Password2->text()) {
        Show_Information(box_parent, Data.Texts.Lang_Wrong_Password);
        return;
    }

    QString &kept = Data.Administrator_Entered ? Data.Administrator_Password : Data.Access_Password;
    const QString value_name =
        Data.Administrator_Entered ? QStringLiteral("Drumo") : QStringLiteral("Torvel");
    const QString section = QStringLiteral("KESMAR");
    Ini_Store &values = Store.Values();
    values.Write_String(section, value_name, password);
    QString error;
    if (!Store.Commit(&error)) {
        // A password that could not be written would be lost at the next start:
        // the old one stays in force and the user is told why.
        values.Write_String(section, value_name, kept);
        Show_Information(box_parent, Settings_Not_Saved_Text(Data, Store, error));
        return;
    }
    kept = password;
    Show_Information(box_parent, Data.Texts.Lang_Password_Changed);
}

} // namespace telvo
