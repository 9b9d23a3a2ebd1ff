#include "about_form.h"

#include "program_icon.h"
#include "show_centred.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace telvo {

TAboutBox_Form::TAboutBox_Form(const Model &model, QWidget *parent)
    : QDialog(parent), Data(model), ProgramIcon(new QLabel), ProductName(new QLabel), Version(new QLabel),
      Comments(new QLabel), Label5(new QLabel), OKButton(new QPushButton(this)) {
    setObjectName(QStringLiteral("AboutBox_Form"));
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProductName->setObjectName(QStringLiteral("ProductName"));
    Version->setObjectName(QStringLiteral("Version"));
    Comments->setObjectName(QStringLiteral("Comments"));
    Label5->setObjectName(QStringLiteral("Label5"));
    OKButton->setObjectName(QStringLiteral("OKButton"));

    ProgramIcon->setPixmap(Program_Icon().pixmap(64, 64));
    ProductName->setText(QStringLiteral("Telvo View"));
    QFont product_font;
    product_font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Liberation Sans")});
    product_font.setPixelSize(27);
    product_font.setBold(true);
    ProductName->setFont(product_font);
    Comments->setText(QStringLiteral("Telvo counting solutions"));

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    auto *panel_layout = new QGridLayout(panel);
    panel_layout->setContentsMargins(12, 12, 12, 12);
    panel_layout->setHorizontalSpacing(16);
    panel_layout->addWidget(ProgramIcon, 0, 0, 2, 1, Qt::AlignTop);
    panel_layout->addWidget(ProductName, 0, 1);
    panel_layout->addWidget(Version, 1, 1, Qt::AlignTop);
    panel_layout->addWidget(Comments, 2, 0, 1, 2);
    panel_layout->addWidget(Label5, 3, 0, 1, 2);
    panel_layout->setRowStretch(4, 1);

    OKButton->setText(QStringLiteral("OK"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QWidget::hide);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addLayout(buttons);
    setMinimumSize(298, 213);
}

void TAboutBox_Form::Open() {
    FormShow();
    Show_Centred(this);
}

void TAboutBox_Form::FormShow() {
    setWindowTitle(Data.Texts.Lang_About_Caption);
    Version->setText(Data.Texts.Lang_Version + QStringLiteral(TELVO_VERSION));
    Label5->clear();
}

} // namespace telvo
