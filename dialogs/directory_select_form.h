#pragma once

#include "data/model.h"

#include <QDialog>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace telvo {

class Settings_Store;

// The data directory of every device slot. A Change button starts a browse
// for its slot (volume list, directory tree and the path entry Edit1); OK
// takes the path as it stands, Cancel drops it. Every close saves all settings.
class TDirectory_Select_Form : public QDialog {
    Q_OBJECT
public:
    TDirectory_Select_Form(Model &model, Settings_Store &store, QWidget *parent = nullptr);

    void Open();

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    Model &Data;
    Settings_Store &Store;
    One_Based<QLabel *, Device_Slots> Name_Labels{};      // Label1..Label5
    One_Based<QLabel *, Device_Slots> Directory_Labels{}; // Label6..Label10
    One_Based<QPushButton *, Device_Slots> Change_Buttons{};
    QComboBox *DriveComboBox1;
    QTreeView *DirectoryListBox1;
    QFileSystemModel *Directories;
    QLineEdit *Edit1;
    QPushButton *OK_Button;
    QPushButton *Cancel_But;
    QPushButton *Exit_Button;
    QWidget *Browse_Panel;
    int Directory_Target = 0;
    bool Moving_Tree = false;  // the program, not the user, moves the tree
    bool Keep_In_View = false; // the directory moved to is kept in view while the tree fills

    void FormShow();
    void Show_Directories();
    void Start_Browse();
    void End_Browse();
    bool Browsing() const;
    void Change_ButtonClick(int slot);
    void Fill_Drive_List();
    void DriveComboBox1Change();
    void DirectoryListBox1Change();
    void OK_ButtonClick();
    void Cancel_ButClick();
    // Shows the directory in the tree and picks the volume holding it; false
    // when the directory does not exist.
    bool Move_Tree_To(const QString &directory);
    void User_Moves_Tree();
    void Keep_Target_In_View();
};

} // namespace telvo
