#pragma once

#include "zone_edit_state.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace telvo {

// The channel set of one zone of one device (Edit_Slot, Edit_Zone of the zone
// editor): all 64 channels on the left, the zone's channels on the right.
// Every close stores the set into the device record.
class TZone_Definition_Form : public QDialog {
    Q_OBJECT
public:
    TZone_Definition_Form(Model &model, Zone_Edit_State &state, QWidget *parent = nullptr);

    // Shows the set of Edit_Zone of Working_Record.
    void Open();

    void done(int result) override;

private:
    Model &Data;
    Zone_Edit_State &State;
    QLabel *SrcLabel;
    QListWidget *SrcList;
    QLabel *DstLabel;
    QListWidget *DstList;
    QPushButton *IncludeBtn;
    QPushButton *ExcludeBtn;
    QPushButton *ExAllBtn;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;

    void FormShow();
    void IncludeBtnClick();
    void ExcludeBtnClick();
    void ExcAllBtnClick();
    void SetItem(QListWidget *list, int index);
    void SetButtons();
    QString Channel_Text(int channel) const;
    // The channels of the zone being edited in Working_Record.
    One_Based<bool, Channel_Count> &Zone_Channels();
};

// The index of the first selected entry of a list, -1 when none is selected.
int GetFirstSelection(const QListWidget *list);

} // namespace telvo
