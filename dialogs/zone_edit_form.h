#pragma once

#include "zone_edit_state.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace telvo {

class Settings_Store;
class TZone_Definition_Form;

// The zone editor: names Zone 1..Zone 5 of one device at a time, opens the
// channel dialog for any of its six zones, clears all zones of the device and
// undoes that. Every close saves all settings.
class TZone_Edit_Form : public QDialog {
    Q_OBJECT
public:
    TZone_Edit_Form(Model &model, Settings_Store &store, QWidget *parent = nullptr);

    void Open();

    void done(int result) override;

signals:
    // Zone names and channel sets may have changed: the main window refills the
    // zone lists of day rows 1..5, then week rows 1..5, then quarter rows 1..5
    // (Fill_Zone_List; nothing chosen afterwards). The month rows keep theirs.
    void zoneEditorClosed();

private:
    Model &Data;
    Settings_Store &Store;
    Zone_Edit_State State;
    TZone_Definition_Form *Zone_Definition_Form;
    QLabel *Location_Label;
    QListWidget *ID_Select_Box_Zone_Form;
    QLabel *Selected_Location_But;
    QLabel *Day_Total_Box;
    QPushButton *Edit_Total_Button;
    One_Based<QLineEdit *, Zones_Per_Device - 1> Zone_Edit_Boxes{};
    One_Based<QPushButton *, Zones_Per_Device - 1> Edit_Zone_Buttons{};
    QPushButton *Clear_All_Zones_Button;
    QPushButton *Undo_Button;
    QPushButton *OK_Button_Zone;

    void FormShow();
    void Show_Device_Zones(int index);
    void ID_Select_Box_Zone_FormClick();
    void Zone_Edit_Box_Change(int zone);
    void Clear_All_Zones_ButtonClick();
    void Undo_ButtonClick();
    // zone: 0 = Total zone, 1..5 = Zone 1..Zone 5.
    void Edit_Definition(int zone);
    // The channel dialog stores its set before the editor changes what it works on.
    void Close_Definition_Form();
    int Selected_Index() const;
};

} // namespace telvo
