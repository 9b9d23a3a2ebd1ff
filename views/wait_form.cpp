#include "wait_form.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace telvo {

TWait_Form::TWait_Form(QWidget *parent) : QDialog(parent), Wait_Label(new QLabel(this)) {
    setObjectName(QStringLiteral("Wait_Form"));
    setWindowTitle(QStringLiteral("Information"));
    setModal(false);
    Wait_Label->setObjectName(QStringLiteral("Wait_Label"));
    Wait_Label->setAlignment(Qt::AlignCenter);
    QFont font = Wait_Label->font();
    font.setBold(true);
    Wait_Label->setFont(font);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Wait_Label);
    setFixedSize(343, 65);
}

void TWait_Form::Show_Waiting(const QString &text) {
    Wait_Label->setText(text);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
}

} // namespace telvo
