#include "zone_definition_form.h"

#include "show_centred.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace telvo {

namespace {

bool Valid_Slot(int slot) {
    return slot >= 1 && slot <= Device_Slots;
}
bool Valid_Zone(int zone) {
    return zone >= 1 && zone <= Zones_Per_Device;
}

QListWidget *Make_Channel_List(QWidget *parent) {
    auto *list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    return list;
}

} // namespace

int GetFirstSelection(const QListWidget *list) {
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->isSelected())
            return row;
    }
    return -1;
}

TZone_Definition_Form::TZone_Definition_Form(Model &model, Zone_Edit_State &state, QWidget *parent)
    : QDialog(parent), Data(model), State(state), SrcLabel(new QLabel(this)),
      SrcList(Make_Channel_List(this)), DstLabel(new QLabel(this)), DstList(Make_Channel_List(this)),
      IncludeBtn(new QPushButton(QStringLiteral(">"), this)),
      ExcludeBtn(new QPushButton(QStringLiteral("<"), this)),
      ExAllBtn(new QPushButton(QStringLiteral("<<"), this)),
      OKBtn(new QPushButton(QStringLiteral("OK"), this)),
      CancelBtn(new QPushButton(QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("Zone_Definition_Form"));
    SrcLabel->setObjectName(QStringLiteral("SrcLabel"));
    SrcList->setObjectName(QStringLiteral("SrcList"));
    DstLabel->setObjectName(QStringLiteral("DstLabel"));
    DstList->setObjectName(QStringLiteral("DstList"));
    IncludeBtn->setObjectName(QStringLiteral("IncludeBtn"));
    ExcludeBtn->setObjectName(QStringLiteral("ExcludeBtn"));
    ExAllBtn->setObjectName(QStringLiteral("ExAllBtn"));
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    // The right list keeps text order, which is channel order.
    DstList->setSortingEnabled(true);
    for (int channel = 1; channel <= Channel_Count; ++channel)
        SrcList->addItem(QString());
    // Sixteen channels in view at a time.
    const int list_height = SrcList->sizeHintForRow(0) * 16 + 2 * SrcList->frameWidth();
    SrcList->setMinimumHeight(list_height);
    DstList->setMinimumHeight(list_height);
    SrcLabel->setBuddy(SrcList);
    DstLabel->setBuddy(DstList);
    IncludeBtn->setToolTip(QStringLiteral("Select channel"));
    ExcludeBtn->setToolTip(QStringLiteral("Deselect channel"));
    ExAllBtn->setToolTip(QStringLiteral("Deselect all channels"));
    for (QPushButton *arrow : {IncludeBtn, ExcludeBtn, ExAllBtn}) {
        arrow->setAutoDefault(false);
        arrow->setFixedWidth(arrow->fontMetrics().horizontalAdvance(QStringLiteral("<<")) + 28);
    }
    OKBtn->setDefault(true);
    CancelBtn->setAutoDefault(false);

    connect(IncludeBtn, &QPushButton::clicked, this, &TZone_Definition_Form::IncludeBtnClick);
    connect(ExcludeBtn, &QPushButton::clicked, this, &TZone_Definition_Form::ExcludeBtnClick);
    connect(ExAllBtn, &QPushButton::clicked, this, &TZone_Definition_Form::ExcAllBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto *arrows = new QVBoxLayout;
    arrows->addStretch();
    arrows->addWidget(IncludeBtn);
    arrows->addWidget(ExcludeBtn);
    arrows->addWidget(ExAllBtn);
    arrows->addStretch();
    auto *lists = new QGridLayout;
    lists->addWidget(SrcLabel, 0, 0);
    lists->addWidget(DstLabel, 0, 2);
    lists->addWidget(SrcList, 1, 0);
    lists->addLayout(arrows, 1, 1);
    lists->addWidget(DstList, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(buttons);

    setTabOrder(SrcList, IncludeBtn);
    setTabOrder(IncludeBtn, ExcludeBtn);
    setTabOrder(ExcludeBtn, ExAllBtn);
    setTabOrder(ExAllBtn, DstList);
    setTabOrder(DstList, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
}

void TZone_Definition_Form::Open() {
    if (!Valid_Zone(State.Edit_Zone))
        return;
    if (!isVisible())
        FormShow();
    Show_Centred(this);
}

void TZone_Definition_Form::FormShow() {
    setWindowTitle(Data.Texts.Lang_Select_In_Sensors);
    SrcLabel->setText(Data.Texts.Lang_All_Inputs);
    DstLabel->setText(Data.Texts.Lang_In_Directions);
    DstList->clear();
    SrcList->clearSelection();
    const auto &channels = Zone_Channels();
    for (int channel = 1; channel <= Channel_Count; ++channel) {
        const QString text = Channel_Text(channel);
        SrcList->item(channel - 1)->setText(text);
        if (channels[channel])
            DstList->addItem(text);
    }
    // Wide enough for the longest channel word of the language and a scroll bar.
    const int width = SrcList->sizeHintForColumn(0) + 2 * SrcList->frameWidth() + 40;
    SrcList->setMinimumWidth(width);
    DstList->setMinimumWidth(width);
    SetButtons();
}

void TZone_Definition_Form::IncludeBtnClick() {
    const int first = GetFirstSelection(SrcList);
    auto &channels = Zone_Channels();
    for (int row = SrcList->count() - 1; row >= 0; --row) {
        const QListWidgetItem *item = SrcList->item(row);
        if (!item->isSelected())
            continue;
        if (DstList->findItems(item->text(), Qt::MatchExactly).isEmpty())
            DstList->addItem(item->text());
        channels[row + 1] = true;
    }
    SetItem(SrcList, first);
}

void TZone_Definition_Form::ExcludeBtnClick() {
    const int first = GetFirstSelection(DstList);
    if (first < 0)
        return;
    auto &channels = Zone_Channels();
    for (int row = DstList->count() - 1; row >= 0; --row) {
        if (!DstList->item(row)->isSelected())
            continue;
        // The number ends the text, whatever the length of the channel word.
        const int channel = DstList->item(row)->text().right(2).toInt();
        if (channel >= 1 && channel <= Channel_Count)
            channels[channel] = false;
        delete DstList->takeItem(row);
    }
    SetItem(DstList, first);
}

void TZone_Definition_Form::ExcAllBtnClick() {
    DstList->clear();
    SetItem(DstList, 0);
    Zone_Channels().Fill(false);
}

void TZone_Definition_Form::SetItem(QListWidget *list, int index) {
    list->setFocus();
    if (index < 0)
        index = 0;
    if (index >= list->count())
        index = list->count() - 1;
    if (index >= 0)
        list->setCurrentRow(index, QItemSelectionModel::Select);
    SetButtons();
}

void TZone_Definition_Form::SetButtons() {
    IncludeBtn->setEnabled(SrcList->count() > 0);
    const bool has_channels = DstList->count() > 0;
    ExcludeBtn->setEnabled(has_channels);
    ExAllBtn->setEnabled(has_channels);
}

void TZone_Definition_Form::done(int result) {
    if (Valid_Slot(State.Edit_Slot) && Valid_Zone(State.Edit_Zone))
        Data.ID_Records[State.Edit_Slot].Zones[State.Edit_Zone - 1].Channels = Zone_Channels();
    QDialog::done(result);
}

QString TZone_Definition_Form::Channel_Text(int channel) const {
    return Data.Texts.Lang_Channel + QLatin1Char(' ') +
           QStringLiteral("%1").arg(channel, 2, 10, QLatin1Char('0'));
}

One_Based<bool, Channel_Count> &TZone_Definition_Form::Zone_Channels() {
    return State.Working_Record.Zones[static_cast<std::size_t>(State.Edit_Zone - 1)].Channels;
}

} // namespace telvo
