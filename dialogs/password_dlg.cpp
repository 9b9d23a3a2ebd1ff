#include "password_dlg.h"

#include "password_entry.h"
#include "show_centred.h"

#include "views/message_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace telvo {

namespace {

constexpr int Directories_Action = 4;
constexpr int Last_Action = 7;

} // namespace

TPasswordDlg::TPasswordDlg(Model &model, QWidget *parent)
    : QDialog(parent), Data(model), Label1(new QLabel(this)), Password(new QLineEdit(this)),
      OKBtn(new QPushButton(this)), CancelBtn(new QPushButton(this)) {
    setObjectName(QStringLiteral("PasswordDlg"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Password->setObjectName(QStringLiteral("Password"));
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    Make_Password_Entry(Password);
    Password->setMinimumWidth(220);
    Label1->setBuddy(Password);
    // Fixed English captions, like the platform's stock buttons.
    OKBtn->setText(QStringLiteral("OK"));
    CancelBtn->setText(QStringLiteral("Cancel"));
    OKBtn->setDefault(true);
    CancelBtn->setAutoDefault(false);

    connect(OKBtn, &QPushButton::clicked, this, &TPasswordDlg::OKBtnClick);
    // Esc and the close box reject the dialog like Cancel: it closes, nothing else.
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Password);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TPasswordDlg::Open(int action) {
    Data.Protected_Action = action;
    if (!isVisible())
        FormShow();
    Show_Centred(this);
}

void TPasswordDlg::FormShow() {
    Password->clear();
    setWindowTitle(Data.Texts.Lang_Password_Verification);
    Label1->setText(Data.Texts.Lang_Enter_Password);
    Password->setFocus();
}

void TPasswordDlg::OKBtnClick() {
    const QString entered = Password->text();
    hide();

    // Equal passwords count as the access password for a following change.
    const bool is_administrator = entered == Data.Administrator_Password;
    const bool is_access = entered == Data.Access_Password;
    if (is_administrator)
        Data.Administrator_Entered = true;
    if (is_access)
        Data.Administrator_Entered = false;

    QWidget *box_parent = parentWidget();
    const int action = Data.Protected_Action;
    if (action == Directories_Action) {
        if (is_administrator)
            emit accessGranted(action);
        else if (is_access)
            Show_Information(box_parent, Data.Texts.Lang_Administrator_Needed);
        else
            Show_Information(box_parent, Data.Texts.Lang_Wrong_Password);
        return;
    }
    if (!is_administrator && !is_access) {
        Show_Information(box_parent, Data.Texts.Lang_Wrong_Password);
        return;
    }
    if (action >= 1 && action <= Last_Action)
        emit accessGranted(action);
}

} // namespace telvo
