#include "selection_rows.h"

#include "data/zone_list.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace telvo {

namespace {

QLabel *Heading(const QString &name, QWidget *parent) {
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

Selection_Rows::Selection_Rows(Model &model, Row_Page page, const Selection_Row_Names &names, QWidget *parent)
    : QWidget(parent), Data(model), Row_Page_Of_Rows(page),
      Period_Heading(Heading(names.Period_Heading, this)),
      Device_Heading(Heading(names.Device_Heading, this)), Zone_Heading(Heading(names.Zone_Heading, this)) {
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    grid->addWidget(Period_Heading, 0, 1);
    grid->addWidget(Device_Heading, 0, 2);
    grid->addWidget(Zone_Heading, 0, 3);

    for (int row = 1; row <= Rows_Per_View; ++row) {
        const QString number = QString::number(row);
        auto *row_label = new QLabel(number, this);
        if (!names.Row_Number.isEmpty())
            row_label->setObjectName(names.Row_Number + number);
        grid->addWidget(row_label, row, 0);

        auto *period = new Period_Field(this);
        period->setObjectName(names.Period + number);
        grid->addWidget(period, row, 1);
        connect(period, &Period_Field::clicked, this, [this, row] { emit periodClicked(row); });
        Periods[row] = period;

        auto *device = new QComboBox(this);
        device->setObjectName(names.Device + number);
        device->setEditable(true);
        // Each keystroke is the device text the row names; no completion may
        // replace what was typed.
        device->setCompleter(nullptr);
        device->setInsertPolicy(QComboBox::NoInsert);
        device->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        device->setMinimumContentsLength(12);
        grid->addWidget(device, row, 2);
        connect(device->lineEdit(), &QLineEdit::textEdited, this, [this, row] { Fill_Zone_List(row); });
        connect(device, &QComboBox::textActivated, this, [this, row] { Fill_Zone_List(row); });
        Devices[row] = device;

        auto *zone = new QComboBox(this);
        zone->setObjectName(names.Zone + number);
        zone->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        zone->setMinimumContentsLength(12);
        grid->addWidget(zone, row, 3);
        Zones[row] = zone;
    }
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 4);
    grid->setColumnStretch(3, 4);
}

void Selection_Rows::Set_Headings(const QString &period, const QString &device, const QString &zone) {
    Period_Heading->setText(period);
    Device_Heading->setText(device);
    Zone_Heading->setText(zone);
}

void Selection_Rows::Set_Period_Texts(const Per_Row<QString> &texts) {
    for (int row = 1; row <= Rows_Per_View; ++row)
        Periods[row]->setText(texts[row]);
}

void Selection_Rows::Fill_ID_List(const QStringList &names) {
    const auto &row_names = Data.Row_ID_Names[static_cast<std::size_t>(Row_Page_Of_Rows)];
    for (int row = 1; row <= Rows_Per_View; ++row) {
        QComboBox *device = Devices[row];
        device->clear();
        device->addItems(names);
        device->setCurrentIndex(-1);
        device->setEditText(row_names[row]);
    }
}

void Selection_Rows::Fill_Zone_List(int row) {
    QComboBox *zone = Zones[row];
    zone->clear();
    zone->addItems(telvo::Fill_Zone_List(Data, Row_Page_Of_Rows, row, Devices[row]->currentText()));
    zone->setCurrentIndex(-1);
}

void Selection_Rows::Select_Restored_Zones() {
    const auto &indexes = Data.Row_Zone_Indexes[static_cast<std::size_t>(Row_Page_Of_Rows)];
    for (int row = 1; row <= Rows_Per_View; ++row) {
        if (Devices[row]->currentText().isEmpty())
            continue;
        const int index = indexes[row];
        Zones[row]->setCurrentIndex(index >= 0 && index < Zones[row]->count() ? index : -1);
    }
}

void Selection_Rows::Clear_Row_IDs() {
    auto &row_names = Data.Row_ID_Names[static_cast<std::size_t>(Row_Page_Of_Rows)];
    for (int row = 1; row <= Rows_Per_View; ++row) {
        row_names[row].clear();
        Devices[row]->setCurrentIndex(-1);
        Devices[row]->setEditText(QString());
    }
}

void Selection_Rows::Clear_Zone_Lists() {
    for (int row = 1; row <= Rows_Per_View; ++row)
        Zones[row]->clear();
}

void Selection_Rows::Copy_Row_Above(int row) {
    if (row < 2 || row > Rows_Per_View)
        return;
    const QComboBox *device_above = Devices[row - 1];
    QComboBox *device = Devices[row];
    device->setCurrentIndex(device_above->currentIndex());
    device->setEditText(device_above->currentText());
    Fill_Zone_List(row);
    const QComboBox *zone_above = Zones[row - 1];
    const int index = zone_above->currentIndex();
    Zones[row]->setCurrentIndex(index < Zones[row]->count() ? index : -1);
}

Row_Selections Selection_Rows::Read_Rows() const {
    Row_Selections rows;
    for (int row = 1; row <= Rows_Per_View; ++row) {
        rows[row].Period_Text = Periods[row]->text();
        rows[row].Device_Text = Devices[row]->currentText();
        rows[row].Zone_Index = Zones[row]->currentIndex();
        rows[row].Zone_Text = Zones[row]->currentText();
    }
    return rows;
}

Per_Row<QString> Selection_Rows::Device_Texts() const {
    Per_Row<QString> texts;
    for (int row = 1; row <= Rows_Per_View; ++row)
        texts[row] = Devices[row]->currentText();
    return texts;
}

Per_Row<int> Selection_Rows::Zone_Indexes() const {
    Per_Row<int> indexes;
    for (int row = 1; row <= Rows_Per_View; ++row)
        indexes[row] = Zones[row]->currentIndex();
    return indexes;
}

} // namespace telvo
