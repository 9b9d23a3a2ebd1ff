#include "id_edit_form.h"

#include "settings_save.h"
#include "show_centred.h"
#include "text_cut.h"

#include "data/text_functions.h"
#include "views/message_box.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace telvo {

namespace {

constexpr int ID_Digits = 3;

const QString Invalid_Input_Text = QStringLiteral("Invalid input value.  Use escape key to abandon changes");

} // namespace

QString ID_Number_Text(std::uint16_t number) {
    return QString::number(number).left(ID_Digits).rightJustified(ID_Digits, QLatin1Char('0'));
}

TID_Edit_Form::TID_Edit_Form(Model &model, Settings_Store &store, QWidget *parent)
    : QDialog(parent), Data(model), Store(store), Cancel_Button(new QPushButton(this)),
      OK_Button(new QPushButton(this)) {
    setObjectName(QStringLiteral("ID_Edit_Form"));
    Cancel_Button->setObjectName(QStringLiteral("Cancel_Button"));
    OK_Button->setObjectName(QStringLiteral("OK_Button"));

    auto *fields = new QGridLayout;
    for (int k = 1; k <= Device_Slots; ++k) {
        Labels[k] = new QLabel(QStringLiteral("ID %1").arg(k), this);
        MaskEdits[k] = new QLineEdit(this);
        Edits[k] = new QLineEdit(this);
        Labels[k]->setObjectName(QStringLiteral("Label%1").arg(k));
        MaskEdits[k]->setObjectName(QStringLiteral("MaskEdit%1").arg(k));
        Edits[k]->setObjectName(QStringLiteral("Edit%1").arg(k));

        // Exactly three digits; an empty position shows as "_".
        MaskEdits[k]->setInputMask(QStringLiteral("999;_"));
        MaskEdits[k]->setFixedWidth(MaskEdits[k]->fontMetrics().horizontalAdvance(QStringLiteral("0000")) +
                                    16);
        MaskEdits[k]->installEventFilter(this);
        Edits[k]->setMaxLength(Max_ID_Name);
        Edits[k]->setMinimumWidth(Edits[k]->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 20);
        Labels[k]->setBuddy(MaskEdits[k]);

        fields->addWidget(Labels[k], k - 1, 0);
        fields->addWidget(MaskEdits[k], k - 1, 1);
        fields->addWidget(Edits[k], k - 1, 2);
    }
    // Tab runs along each slot's line: number, name, then the next slot.
    for (int k = 1; k <= Device_Slots; ++k) {
        setTabOrder(MaskEdits[k], Edits[k]);
        if (k < Device_Slots)
            setTabOrder(Edits[k], MaskEdits[k + 1]);
    }
    setTabOrder(Edits[Device_Slots], OK_Button);
    setTabOrder(OK_Button, Cancel_Button);

    // A click on a button leaves the number field where it is, so OK checks the
    // fields itself and Cancel always closes.
    OK_Button->setFocusPolicy(Qt::TabFocus);
    Cancel_Button->setFocusPolicy(Qt::TabFocus);
    OK_Button->setDefault(true);
    Cancel_Button->setAutoDefault(false);
    connect(OK_Button, &QPushButton::clicked, this, &TID_Edit_Form::OK_ButtonClick);
    connect(Cancel_Button, &QPushButton::clicked, this, &QDialog::reject);
    connect(qApp, &QApplication::focusChanged, this, &TID_Edit_Form::Focus_Changed);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OK_Button);
    buttons->addWidget(Cancel_Button);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TID_Edit_Form::Open() {
    if (!isVisible())
        FormShow();
    Show_Centred(this);
}

void TID_Edit_Form::FormShow() {
    for (int k = 1; k <= Device_Slots; ++k) {
        MaskEdits[k]->setText(ID_Number_Text(Data.ID_Numbers[k]));
        Entry_Texts[k] = MaskEdits[k]->text();
        Edits[k]->setText(Data.ID_Names[k]);
    }
    Cancel_Button->setText(Data.Texts.Lang_Cancel);
    OK_Button->setText(Data.Texts.Lang_Ok);
    setWindowTitle(Data.Texts.Lang_Edit_ID_Labels);
    MaskEdits[1]->setFocus();
}

void TID_Edit_Form::OK_ButtonClick() {
    for (int k = 1; k <= Device_Slots; ++k) {
        if (!MaskEdits[k]->hasAcceptableInput()) {
            Refusing = true;
            Refuse_Leaving(k);
            return;
        }
    }
    for (int k = 1; k <= Device_Slots; ++k) {
        Data.ID_Numbers[k] = static_cast<std::uint16_t>(Text_To_Int(MaskEdits[k]->text()));
        Data.ID_Names[k] = Cut_Text(Edits[k]->text(), Max_ID_Name);
    }
    Save_Settings_Or_Inform(Data, Store, this);
    emit deviceLabelsStored();
    hide();
}

bool TID_Edit_Form::eventFilter(QObject *watched, QEvent *event) {
    const int slot = Slot_Of(qobject_cast<QWidget *>(watched));
    if (slot != 0 && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        // Esc first abandons the field's changes; unchanged, it closes the dialog.
        QLineEdit *field = MaskEdits[slot];
        if (field->text() != Entry_Texts[slot]) {
            field->setText(Entry_Texts[slot]);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TID_Edit_Form::Focus_Changed(QWidget *old_widget, QWidget *new_widget) {
    if (Refusing || !new_widget || new_widget->window() != this)
        return;
    // A number field is entered: remember what Esc puts back. Coming back from
    // another window is no new entry.
    const int entered = Slot_Of(new_widget);
    if (entered != 0 && old_widget && old_widget->window() == this)
        Entry_Texts[entered] = MaskEdits[entered]->text();

    const int left = Slot_Of(old_widget);
    if (left != 0 && new_widget != Cancel_Button && !MaskEdits[left]->hasAcceptableInput()) {
        Refusing = true;
        // Not inside the focus change itself: the message box runs its own event loop.
        QMetaObject::invokeMethod(
            this, [this, left] { Refuse_Leaving(left); }, Qt::QueuedConnection);
    }
}

void TID_Edit_Form::Refuse_Leaving(int slot) {
    if (isVisible()) {
        Show_Information(this, Invalid_Input_Text);
        MaskEdits[slot]->setFocus();
    }
    Refusing = false;
}

int TID_Edit_Form::Slot_Of(const QWidget *widget) const {
    for (int k = 1; k <= Device_Slots; ++k) {
        if (widget && widget == MaskEdits[k])
            return k;
    }
    return 0;
}

} // namespace telvo
