#include "comments_form.h"

#include "print_dispatch.h"

#include "data/language_texts.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextEdit>
#include <QVBoxLayout>

namespace telvo {

namespace {

QPushButton *Picture_Button(const char *name, const QIcon &icon, QWidget *parent) {
    auto *button = new QPushButton(icon, QString(), parent);
    button->setObjectName(QLatin1String(name));
    button->setMinimumWidth(120);
    return button;
}

QFrame *Bevelled_Frame(QWidget *parent) {
    auto *frame = new QFrame(parent);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    return frame;
}

} // namespace

TComments_Form::TComments_Form(const Language_Texts &texts, TPrint_Dispatch &dispatch, QWidget *parent)
    : QDialog(parent), Texts(texts), Dispatch(dispatch) {
    setObjectName(QStringLiteral("Comments_Form"));
    setModal(false);
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPointSize(8);
    setFont(font);

    QFrame *comment_frame = Bevelled_Frame(this);
    Comment_Lab = new QLabel(comment_frame);
    Comment_Lab->setObjectName(QStringLiteral("Comment_Lab"));
    Comments = new QTextEdit(comment_frame);
    Comments->setObjectName(QStringLiteral("Comments"));
    Comments->setAcceptRichText(true);
    Comments->setMinimumSize(609, 113);
    auto *comment_layout = new QVBoxLayout(comment_frame);
    comment_layout->addWidget(Comment_Lab);
    comment_layout->addWidget(Comments, 1);

    QFrame *button_frame = Bevelled_Frame(this);
    const QStyle *look = style();
    Print_Button = Picture_Button(
        "Print_Button",
        QIcon::fromTheme(QStringLiteral("document-print"), look->standardIcon(QStyle::SP_DialogApplyButton)),
        button_frame);
    Printer_Set_Button =
        Picture_Button("Printer_Set_Button",
                       QIcon::fromTheme(QStringLiteral("document-properties"),
                                        look->standardIcon(QStyle::SP_FileDialogDetailedView)),
                       button_frame);
    Cancel_Button =
        Picture_Button("Cancel_Button", look->standardIcon(QStyle::SP_DialogCancelButton), button_frame);
    auto *button_layout = new QVBoxLayout(button_frame);
    button_layout->addWidget(Print_Button);
    button_layout->addWidget(Printer_Set_Button);
    button_layout->addWidget(Cancel_Button);
    button_layout->addStretch(1);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(comment_frame, 1);
    layout->addWidget(button_frame);
    resize(779, 196);

    connect(Print_Button, &QPushButton::clicked, this, &TComments_Form::Print_ButtonClick);
    connect(Printer_Set_Button, &QPushButton::clicked, this, &TComments_Form::Printer_Set_ButtonClick);
    connect(Cancel_Button, &QPushButton::clicked, this, &TComments_Form::Cancel_ButtonClick);
}

void TComments_Form::showEvent(QShowEvent *event) {
    FormShow();
    QDialog::showEvent(event);
}

void TComments_Form::FormShow() {
    setWindowTitle(QString());
    Print_Button->setText(Texts.Lang_Print_Menu);
    Cancel_Button->setText(Texts.Lang_Cancel);
    Comment_Lab->setText(Texts.Lang_Comments);
    Printer_Set_Button->setText(Texts.Lang_Printer_Setup);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TComments_Form::Print_ButtonClick() {
    Dispatch.Print_Current_Page(Comments->toHtml());
    close();
}

void TComments_Form::Printer_Set_ButtonClick() {
    Dispatch.Printer_Setup();
}

void TComments_Form::Cancel_ButtonClick() {
    close();
}

} // namespace telvo
