#include "zone_edit_form.h"

#include "settings_save.h"
#include "show_centred.h"
#include "text_cut.h"
#include "zone_definition_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace telvo {

namespace {

constexpr int Named_Zones = Zones_Per_Device - 1;

} // namespace

TZone_Edit_Form::TZone_Edit_Form(Model &model, Settings_Store &store, QWidget *parent)
    : QDialog(parent), Data(model), Store(store),
      Zone_Definition_Form(new TZone_Definition_Form(model, State, this)), Location_Label(new QLabel(this)),
      ID_Select_Box_Zone_Form(new QListWidget(this)), Selected_Location_But(new QLabel(this)),
      Day_Total_Box(new QLabel(this)), Edit_Total_Button(new QPushButton(this)),
      Clear_All_Zones_Button(new QPushButton(this)), Undo_Button(new QPushButton(this)),
      OK_Button_Zone(new QPushButton(this)) {
    setObjectName(QStringLiteral("Zone_Edit_Form"));
    Location_Label->setObjectName(QStringLiteral("Location_Label"));
    ID_Select_Box_Zone_Form->setObjectName(QStringLiteral("ID_Select_Box_Zone_Form"));
    Selected_Location_But->setObjectName(QStringLiteral("Selected_Location_But"));
    Day_Total_Box->setObjectName(QStringLiteral("Day_Total_Box"));
    Edit_Total_Button->setObjectName(QStringLiteral("Edit_Total_Button"));
    Clear_All_Zones_Button->setObjectName(QStringLiteral("Clear_All_Zones_Button"));
    Undo_Button->setObjectName(QStringLiteral("Undo_Button"));
    OK_Button_Zone->setObjectName(QStringLiteral("OK_Button_Zone"));

    // Five entries, empty names included, each one line high.
    for (int k = 1; k <= Device_Slots; ++k)
        ID_Select_Box_Zone_Form->addItem(QString());
    ID_Select_Box_Zone_Form->setUniformItemSizes(true);
    const int row_height = ID_Select_Box_Zone_Form->fontMetrics().height() + 4;
    for (int row = 0; row < Device_Slots; ++row)
        ID_Select_Box_Zone_Form->item(row)->setSizeHint(QSize(0, row_height));
    ID_Select_Box_Zone_Form->setFixedHeight(row_height * Device_Slots +
                                            2 * ID_Select_Box_Zone_Form->frameWidth());
    ID_Select_Box_Zone_Form->setMinimumWidth(
        ID_Select_Box_Zone_Form->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 14);
    Location_Label->setBuddy(ID_Select_Box_Zone_Form);
    Day_Total_Box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Day_Total_Box->setMinimumWidth(Day_Total_Box->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 15);

    auto *zones = new QGridLayout;
    zones->addWidget(Selected_Location_But, 0, 0, 1, 2);
    zones->addWidget(Day_Total_Box, 1, 0);
    zones->addWidget(Edit_Total_Button, 1, 1);
    connect(Edit_Total_Button, &QPushButton::clicked, this, [this] { Edit_Definition(0); });
    Edit_Total_Button->setAutoDefault(false);
    for (int zone = 1; zone <= Named_Zones; ++zone) {
        QLineEdit *box = new QLineEdit(this);
        QPushButton *button = new QPushButton(this);
        box->setObjectName(QStringLiteral("Zone_Edit_Box%1").arg(zone));
        button->setObjectName(QStringLiteral("Edit_Zone%1_Button").arg(zone));
        button->setAutoDefault(false);
        Zone_Edit_Boxes[zone] = box;
        Edit_Zone_Buttons[zone] = button;
        zones->addWidget(box, zone + 1, 0);
        zones->addWidget(button, zone + 1, 1);
        // Every change counts at once, and so does leaving the entry.
        connect(box, &QLineEdit::textEdited, this, [this, zone] { Zone_Edit_Box_Change(zone); });
        connect(box, &QLineEdit::editingFinished, this, [this, zone] { Zone_Edit_Box_Change(zone); });
        connect(button, &QPushButton::clicked, this, [this, zone] { Edit_Definition(zone); });
    }

    Clear_All_Zones_Button->setAutoDefault(false);
    Undo_Button->setAutoDefault(false);
    OK_Button_Zone->setDefault(true);
    connect(ID_Select_Box_Zone_Form, &QListWidget::currentRowChanged, this,
            &TZone_Edit_Form::ID_Select_Box_Zone_FormClick);
    connect(Clear_All_Zones_Button, &QPushButton::clicked, this,
            &TZone_Edit_Form::Clear_All_Zones_ButtonClick);
    connect(Undo_Button, &QPushButton::clicked, this, &TZone_Edit_Form::Undo_ButtonClick);
    connect(OK_Button_Zone, &QPushButton::clicked, this, &QDialog::accept);

    auto *location = new QVBoxLayout;
    location->addWidget(Location_Label);
    location->addWidget(ID_Select_Box_Zone_Form);
    location->addStretch();
    auto *top = new QHBoxLayout;
    top->addLayout(location);
    top->addSpacing(12);
    top->addLayout(zones);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Clear_All_Zones_Button);
    buttons->addWidget(Undo_Button);
    buttons->addStretch();
    buttons->addWidget(OK_Button_Zone);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(ID_Select_Box_Zone_Form, Edit_Total_Button);
    QWidget *previous = Edit_Total_Button;
    for (int zone = 1; zone <= Named_Zones; ++zone) {
        setTabOrder(previous, Zone_Edit_Boxes[zone]);
        setTabOrder(Zone_Edit_Boxes[zone], Edit_Zone_Buttons[zone]);
        previous = Edit_Zone_Buttons[zone];
    }
    setTabOrder(previous, Clear_All_Zones_Button);
    setTabOrder(Clear_All_Zones_Button, Undo_Button);
    setTabOrder(Undo_Button, OK_Button_Zone);
}

void TZone_Edit_Form::Open() {
    if (!isVisible())
        FormShow();
    Show_Centred(this);
}

void TZone_Edit_Form::FormShow() {
    const Language_Texts &texts = Data.Texts;
    setWindowTitle(texts.Lang_Change_Zone_Definitions);
    Location_Label->setText(texts.Lang_Select_Location);
    Day_Total_Box->setText(texts.Lang_Totals_In);
    Edit_Total_Button->setText(texts.Lang_Edit_Definition);
    for (QPushButton *button : Edit_Zone_Buttons)
        button->setText(texts.Lang_Edit_Definition);
    Clear_All_Zones_Button->setText(texts.Lang_Clear_Button);
    Clear_All_Zones_Button->setToolTip(texts.Lang_Clear_Hint);
    Undo_Button->setText(texts.Lang_Undo);
    Undo_Button->setToolTip(texts.Lang_Undo_Clear_Hint);
    OK_Button_Zone->setText(texts.Lang_Ok);
    Undo_Button->setEnabled(false);

    {
        const QSignalBlocker blocker(ID_Select_Box_Zone_Form);
        for (int k = 1; k <= Device_Slots; ++k)
            ID_Select_Box_Zone_Form->item(k - 1)->setText(Data.ID_Names[k]);
        ID_Select_Box_Zone_Form->setCurrentRow(0);
    }
    Show_Device_Zones(0);
    Selected_Location_But->setText(Data.ID_Names[1] + QLatin1Char(':'));
    ID_Select_Box_Zone_Form->setFocus();
}

void TZone_Edit_Form::Show_Device_Zones(int index) {
    if (index < 0 || index >= Device_Slots)
        return;
    const ID_Record &record = Data.ID_Records[index + 1];
    for (int zone = 1; zone <= Named_Zones; ++zone)
        Zone_Edit_Boxes[zone]->setText(record.Zones[static_cast<std::size_t>(zone)].Name);
    State.Working_Record = record;
}

void TZone_Edit_Form::ID_Select_Box_Zone_FormClick() {
    const int index = Selected_Index();
    if (index < 0)
        return;
    Close_Definition_Form();
    Show_Device_Zones(index);
    Selected_Location_But->setText(ID_Select_Box_Zone_Form->item(index)->text() + QLatin1Char(':'));
    Undo_Button->setEnabled(false);
}

void TZone_Edit_Form::Zone_Edit_Box_Change(int zone) {
    const int index = Selected_Index();
    if (index < 0)
        return;
    Data.ID_Records[index + 1].Zones[static_cast<std::size_t>(zone)].Name =
        Cut_Text(Zone_Edit_Boxes[zone]->text(), Max_Zone_Name);
}

void TZone_Edit_Form::Clear_All_Zones_ButtonClick() {
    const int index = Selected_Index();
    if (index < 0)
        return;
    Close_Definition_Form();
    ID_Record &record = Data.ID_Records[index + 1];
    State.Undo_Record = record;
    for (Zone_Record &zone : record.Zones) {
        zone.Name.clear();
        zone.Channels.Fill(false);
    }
    record.Zones[0].Name = Cut_Text(Data.Texts.Lang_Totals_In, Max_Zone_Name);
    Show_Device_Zones(index);
    Undo_Button->setEnabled(true);
}

void TZone_Edit_Form::Undo_ButtonClick() {
    const int index = Selected_Index();
    if (index < 0)
        return;
    Close_Definition_Form();
    Data.ID_Records[index + 1] = State.Undo_Record;
    Show_Device_Zones(index);
    Undo_Button->setEnabled(false);
}

void TZone_Edit_Form::Edit_Definition(int zone) {
    const int index = Selected_Index();
    if (index < 0)
        return;
    Close_Definition_Form();
    State.Edit_Slot = index + 1;
    State.Edit_Zone = zone + 1;
    Zone_Definition_Form->Open();
}

void TZone_Edit_Form::Close_Definition_Form() {
    if (Zone_Definition_Form->isVisible())
        Zone_Definition_Form->close();
}

void TZone_Edit_Form::done(int result) {
    Close_Definition_Form();
    emit zoneEditorClosed();
    Save_Settings_Or_Inform(Data, Store, this);
    QDialog::done(result);
}

int TZone_Edit_Form::Selected_Index() const {
    const int index = ID_Select_Box_Zone_Form->currentRow();
    return index >= 0 && index < Device_Slots ? index : -1;
}

} // namespace telvo
