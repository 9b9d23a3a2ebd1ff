#pragma once

#include "period_field.h"

#include "data/row_selection.h"

#include <QWidget>

class QComboBox;
class QLabel;

namespace telvo {

// Object names of one page's rows: the row number is appended to each prefix.
struct Selection_Row_Names {
    QString Period;
    QString Device;
    QString Zone;
    QString Period_Heading;
    QString Device_Heading;
    QString Zone_Heading;
    QString Row_Number; // empty: the row numbers carry no names
};

// The five selection rows of one page under their column headings: per row a
// period field, an editable device combo and a zone combo. The zone list of a
// row follows the device the user types or picks; programmatic changes of the
// device text leave it alone, as the callers refill or empty it themselves.
class Selection_Rows : public QWidget {
    Q_OBJECT
public:
    Selection_Rows(Model &model, Row_Page page, const Selection_Row_Names &names, QWidget *parent = nullptr);

    Row_Page Page() const { return Row_Page_Of_Rows; }
    Period_Field *Period(int row) const { return Periods[row]; }
    QComboBox *Device(int row) const { return Devices[row]; }
    QComboBox *Zone(int row) const { return Zones[row]; }

    void Set_Headings(const QString &period, const QString &device, const QString &zone);
    void Set_Period_Texts(const Per_Row<QString> &texts);

    // Device lists := the slot names; texts := the page's Row_ID_Names.
    void Fill_ID_List(const QStringList &names);
    void Fill_Zone_List(int row);
    // Chooses the zone index read at start for every row that names a device.
    void Select_Restored_Zones();
    void Clear_Row_IDs();
    void Clear_Zone_Lists();
    // Row gets the device and zone of the row above (rows 2..5).
    void Copy_Row_Above(int row);

    Row_Selections Read_Rows() const;
    Per_Row<QString> Device_Texts() const;
    Per_Row<int> Zone_Indexes() const;

signals:
    void periodClicked(int row);

private:
    Model &Data;
    Row_Page Row_Page_Of_Rows;
    QLabel *Period_Heading;
    QLabel *Device_Heading;
    QLabel *Zone_Heading;
    Per_Row<Period_Field *> Periods{};
    Per_Row<QComboBox *> Devices{};
    Per_Row<QComboBox *> Zones{};
};

} // namespace telvo
