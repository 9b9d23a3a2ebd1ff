#include "directory_select_form.h"

#include "settings_save.h"
#include "show_centred.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace telvo {

namespace {

// Long paths are shortened in the middle; the whole path is the label's tooltip.
constexpr int Directory_Label_Width = 460;

} // namespace

TDirectory_Select_Form::TDirectory_Select_Form(Model &model, Settings_Store &store, QWidget *parent)
    : QDialog(parent), Data(model), Store(store), DriveComboBox1(new QComboBox),
      DirectoryListBox1(new QTreeView), Directories(new QFileSystemModel(this)), Edit1(new QLineEdit),
      OK_Button(new QPushButton), Cancel_But(new QPushButton), Exit_Button(new QPushButton(this)),
      Browse_Panel(new QWidget(this)) {
    setObjectName(QStringLiteral("Directory_Select_Form"));
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    OK_Button->setObjectName(QStringLiteral("OK_Button"));
    Cancel_But->setObjectName(QStringLiteral("Cancel_But"));
    Exit_Button->setObjectName(QStringLiteral("Exit_Button"));

    auto *slots_layout = new QGridLayout;
    slots_layout->setColumnMinimumWidth(0, Directory_Label_Width);
    QFont bold = font();
    bold.setBold(true);
    for (int k = 1; k <= Device_Slots; ++k) {
        Name_Labels[k] = new QLabel(this);
        Directory_Labels[k] = new QLabel(this);
        Change_Buttons[k] = new QPushButton(this);
        Name_Labels[k]->setObjectName(QStringLiteral("Label%1").arg(k));
        Directory_Labels[k]->setObjectName(QStringLiteral("Label%1").arg(k + Device_Slots));
        Change_Buttons[k]->setObjectName(QStringLiteral("Change_Button%1").arg(k));
        Name_Labels[k]->setFont(bold);
        Directory_Labels[k]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        Change_Buttons[k]->setAutoDefault(false);
        connect(Change_Buttons[k], &QPushButton::clicked, this, [this, k] { Change_ButtonClick(k); });
        slots_layout->addWidget(Name_Labels[k], 2 * (k - 1), 0);
        slots_layout->addWidget(Change_Buttons[k], 2 * (k - 1), 1, 2, 1, Qt::AlignVCenter);
        slots_layout->addWidget(Directory_Labels[k], 2 * (k - 1) + 1, 0);
    }

    // The tree starts at the top of the file system and lists directories only.
    Directories->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    Directories->setRootPath(QString());
    DirectoryListBox1->setModel(Directories);
    DirectoryListBox1->setHeaderHidden(true);
    for (int column = 1; column < Directories->columnCount(); ++column)
        DirectoryListBox1->hideColumn(column);
    DirectoryListBox1->setUniformRowHeights(true);
    DirectoryListBox1->setMinimumHeight(240);
    DirectoryListBox1->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TDirectory_Select_Form::DirectoryListBox1Change);
    // Directories are read and sorted in the background, which moves the rows
    // under the tree; until the user takes over, the directory moved to stays in view.
    connect(Directories, &QFileSystemModel::directoryLoaded, this,
            &TDirectory_Select_Form::Keep_Target_In_View);
    connect(Directories, &QFileSystemModel::layoutChanged, this,
            &TDirectory_Select_Form::Keep_Target_In_View);
    connect(DirectoryListBox1, &QTreeView::expanded, this, &TDirectory_Select_Form::User_Moves_Tree);
    connect(DirectoryListBox1, &QTreeView::collapsed, this, &TDirectory_Select_Form::User_Moves_Tree);
    connect(DirectoryListBox1->verticalScrollBar(), &QScrollBar::actionTriggered, this,
            &TDirectory_Select_Form::User_Moves_Tree);
    connect(DriveComboBox1, &QComboBox::currentIndexChanged, this,
            &TDirectory_Select_Form::DriveComboBox1Change);

    OK_Button->setDefault(true);
    Cancel_But->setAutoDefault(false);
    Exit_Button->setAutoDefault(false);
    connect(OK_Button, &QPushButton::clicked, this, &TDirectory_Select_Form::OK_ButtonClick);
    connect(Cancel_But, &QPushButton::clicked, this, &TDirectory_Select_Form::Cancel_ButClick);
    connect(Exit_Button, &QPushButton::clicked, this, &QDialog::reject);

    auto *browse_buttons = new QHBoxLayout;
    browse_buttons->addStretch();
    browse_buttons->addWidget(OK_Button);
    browse_buttons->addWidget(Cancel_But);
    auto *browse = new QVBoxLayout(Browse_Panel);
    browse->setContentsMargins(0, 0, 0, 0);
    browse->addWidget(DriveComboBox1);
    browse->addWidget(DirectoryListBox1);
    browse->addWidget(Edit1);
    browse->addLayout(browse_buttons);

    auto *exit_row = new QHBoxLayout;
    exit_row->addStretch();
    exit_row->addWidget(Exit_Button);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(slots_layout);
    layout->addSpacing(8);
    layout->addWidget(Browse_Panel);
    layout->addLayout(exit_row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QWidget *previous = Change_Buttons[1];
    for (int k = 2; k <= Device_Slots; ++k) {
        setTabOrder(previous, Change_Buttons[k]);
        previous = Change_Buttons[k];
    }
    for (QWidget *next : std::initializer_list<QWidget *>{DriveComboBox1, DirectoryListBox1, Edit1, OK_Button,
                                                          Cancel_But, Exit_Button}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void TDirectory_Select_Form::Open() {
    if (!isVisible())
        FormShow();
    Show_Centred(this);
}

void TDirectory_Select_Form::FormShow() {
    Fill_Drive_List();
    const Language_Texts &texts = Data.Texts;
    setWindowTitle(texts.Lang_Change_Directories);
    for (QPushButton *button : Change_Buttons)
        button->setText(texts.Lang_Change);
    OK_Button->setText(texts.Lang_Ok);
    Cancel_But->setText(texts.Lang_Cancel);
    Exit_Button->setText(texts.Lang_Exit_Button);
    Edit1->clear();
    Show_Directories();
    End_Browse();
}

void TDirectory_Select_Form::Show_Directories() {
    for (int k = 1; k <= Device_Slots; ++k) {
        const QString &name = Data.ID_Names[k];
        Name_Labels[k]->setText(name.isEmpty() ? QString() : name + QStringLiteral(" :"));
        const QString &directory = Data.ID_Records[k].Data_Dir;
        QLabel *label = Directory_Labels[k];
        label->setText(label->fontMetrics().elidedText(directory, Qt::ElideMiddle, Directory_Label_Width));
        label->setToolTip(directory);
    }
}

void TDirectory_Select_Form::Start_Browse() {
    Exit_Button->setEnabled(false);
    Browse_Panel->show();
    for (QPushButton *button : Change_Buttons)
        button->setEnabled(false);
}

void TDirectory_Select_Form::End_Browse() {
    Exit_Button->setEnabled(true);
    Browse_Panel->hide();
    for (int k = 1; k <= Device_Slots; ++k)
        Change_Buttons[k]->setEnabled(!Data.ID_Names[k].isEmpty());
}

bool TDirectory_Select_Form::Browsing() const {
    return !Browse_Panel->isHidden();
}

void TDirectory_Select_Form::Change_ButtonClick(int slot) {
    Start_Browse();
    const QString &directory = Data.ID_Records[slot].Data_Dir;
    Directory_Target = slot;
    Change_Buttons[slot]->setEnabled(true);
    // A directory that is not there leaves the tree where it is.
    if (!directory.isEmpty())
        Move_Tree_To(directory);
    // The entry shows the stored path as it stands, not the tree's spelling of it.
    Edit1->setText(directory);
    Edit1->setFocus();
}

void TDirectory_Select_Form::Fill_Drive_List() {
    const QString chosen = DriveComboBox1->currentData().toString();
    QStringList roots;
    QStringList names;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady() || roots.contains(volume.rootPath()))
            continue;
        roots.append(volume.rootPath());
    }
    std::sort(roots.begin(), roots.end());

    const QSignalBlocker blocker(DriveComboBox1);
    DriveComboBox1->clear();
    for (const QString &root : roots) {
        const QString name = QStorageInfo(root).name();
        const QString shown = QDir::toNativeSeparators(root);
        DriveComboBox1->addItem(
            name.isEmpty() ? shown : shown + QStringLiteral(" [") + name + QLatin1Char(']'), root);
    }
    DriveComboBox1->setCurrentIndex(std::max(0, DriveComboBox1->findData(chosen)));
    if (DriveComboBox1->count() > 0)
        Move_Tree_To(DriveComboBox1->currentData().toString());
}

void TDirectory_Select_Form::DriveComboBox1Change() {
    const QString root = DriveComboBox1->currentData().toString();
    if (Move_Tree_To(root))
        Edit1->setText(QDir::toNativeSeparators(Directories->filePath(DirectoryListBox1->currentIndex())));
}

void TDirectory_Select_Form::DirectoryListBox1Change() {
    User_Moves_Tree();
    const QModelIndex current = DirectoryListBox1->currentIndex();
    if (current.isValid())
        Edit1->setText(QDir::toNativeSeparators(Directories->filePath(current)));
}

bool TDirectory_Select_Form::Move_Tree_To(const QString &directory) {
    const QFileInfo info(directory);
    if (!info.isDir())
        return false;
    const QString path = info.absoluteFilePath();
    const QModelIndex index = Directories->index(path);
    if (!index.isValid())
        return false;
    Moving_Tree = true;
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        DirectoryListBox1->expand(parent);
    DirectoryListBox1->setCurrentIndex(index);
    DirectoryListBox1->scrollTo(index);
    Moving_Tree = false;
    Keep_In_View = true;

    // The volume list follows the tree to the volume holding the directory.
    const int volume = DriveComboBox1->findData(QStorageInfo(path).rootPath());
    if (volume >= 0) {
        const QSignalBlocker blocker(DriveComboBox1);
        DriveComboBox1->setCurrentIndex(volume);
    }
    return true;
}

void TDirectory_Select_Form::User_Moves_Tree() {
    if (!Moving_Tree)
        Keep_In_View = false;
}

void TDirectory_Select_Form::Keep_Target_In_View() {
    if (Keep_In_View)
        DirectoryListBox1->scrollTo(DirectoryListBox1->currentIndex());
}

void TDirectory_Select_Form::OK_ButtonClick() {
    End_Browse();
    if (Directory_Target >= 1 && Directory_Target <= Device_Slots)
        Data.ID_Records[Directory_Target].Data_Dir = Edit1->text();
    Show_Directories();
    Change_Buttons[std::max(1, Directory_Target)]->setFocus();
}

void TDirectory_Select_Form::Cancel_ButClick() {
    End_Browse();
    Change_Buttons[std::max(1, Directory_Target)]->setFocus();
}

void TDirectory_Select_Form::keyPressEvent(QKeyEvent *event) {
    // Esc while browsing drops the browse; otherwise it closes the dialog.
    if (event->key() == Qt::Key_Escape && Browsing()) {
        Cancel_ButClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TDirectory_Select_Form::done(int result) {
    Save_Settings_Or_Inform(Data, Store, this);
    QDialog::done(result);
}

} // namespace telvo
