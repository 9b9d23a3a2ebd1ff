#pragma once

#include "data/model.h"

#include <QDialog>

#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;

namespace telvo {

class Settings_Store;

// The text a device slot's ID number shows: three digits, cut or padded with
// leading zeros (7 gives "007", 1234 gives "123").
QString ID_Number_Text(std::uint16_t number);

// The device labels: number and name of all five device slots. Only OK stores;
// it saves all settings and has every row of the main window emptied.
class TID_Edit_Form : public QDialog {
    Q_OBJECT
public:
    TID_Edit_Form(Model &model, Settings_Store &store, QWidget *parent = nullptr);

    void Open();

signals:
    // The slots have new numbers and names: the main window empties every row
    // of the day, week, quarter and month pages (device, zone list and date or
    // period) and refills the device lists with the new names.
    void deviceLabelsStored();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Model &Data;
    Settings_Store &Store;
    One_Based<QLabel *, Device_Slots> Labels{};
    One_Based<QLineEdit *, Device_Slots> MaskEdits{};
    One_Based<QLineEdit *, Device_Slots> Edits{};
    // Each number field's text when it was entered, put back by Esc.
    One_Based<QString, Device_Slots> Entry_Texts;
    QPushButton *Cancel_Button;
    QPushButton *OK_Button;
    bool Refusing = false;

    void FormShow();
    void OK_ButtonClick();
    void Focus_Changed(QWidget *old_widget, QWidget *new_widget);
    void Refuse_Leaving(int slot);
    int Slot_Of(const QWidget *widget) const;
};

} // namespace telvo
