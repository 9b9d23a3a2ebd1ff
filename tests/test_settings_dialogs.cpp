#include "settings_dialog_fixture.h"

#include "dialogs/change_dayview_form.h"
#include "dialogs/directory_select_form.h"
#include "dialogs/edit_graph_name_form.h"
#include "dialogs/id_edit_form.h"
#include "dialogs/zone_definition_form.h"
#include "dialogs/zone_edit_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTreeView>

#include <functional>
#include <memory>

using namespace telvo;

namespace {

template <typename T = QWidget> T *Child(const QWidget *dialog, const QString &name) {
    T *child = dialog->findChild<T *>(name);
    if (!child)
        qFatal("no control %s", qPrintable(name));
    return child;
}

QLineEdit *Entry(const QWidget *dialog, const QString &name) {
    return Child<QLineEdit>(dialog, name);
}
QPushButton *Button(const QWidget *dialog, const QString &name) {
    return Child<QPushButton>(dialog, name);
}

void Type_Over(QLineEdit *entry, const QString &text) {
    entry->selectAll();
    QTest::keyClicks(entry, text);
}

QStringList Texts_Of(const QListWidget *list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

QList<int> Channels_Of(const Zone_Record &zone) {
    QList<int> set;
    for (int c = 1; c <= Channel_Count; ++c) {
        if (zone.Channels[c])
            set.append(c);
    }
    return set;
}

// How a dialog is left.
enum class Close_Way { Accept_Button, Cancel_Button, Close_Box, Escape };

void Close_Dialog(QDialog *dialog, Close_Way way, const QString &accept_button,
                  const QString &cancel_button) {
    switch (way) {
    case Close_Way::Accept_Button:
        Button(dialog, accept_button)->click();
        break;
    case Close_Way::Cancel_Button:
        Button(dialog, cancel_button)->click();
        break;
    case Close_Way::Close_Box:
        dialog->close();
        break;
    case Close_Way::Escape:
        QTest::keyClick(dialog, Qt::Key_Escape);
        break;
    }
}

// One settings dialog as the store-on-close cases drive it: make a change
// through its controls, close it, and find the change in the saved settings.
struct Dialog_Case {
    std::function<std::unique_ptr<QDialog>(Settings_Dialog_Fixture &)> Make;
    std::function<void(QDialog *)> Change;
    std::function<bool(const Model &)> Changed;
    QString Accept_Button;
    QString Cancel_Button;
};

Dialog_Case Case_Of(const QString &name) {
    if (name == QLatin1String("labels")) {
        return {[](Settings_Dialog_Fixture &f) {
                    auto dialog = std::make_unique<TID_Edit_Form>(f.Data, *f.Store);
                    dialog->Open();
                    return dialog;
                },
                [](QDialog *d) { Type_Over(Entry(d, QStringLiteral("Edit1")), QStringLiteral("Gate A")); },
                [](const Model &m) { return m.ID_Names[1] == QLatin1String("Gate A"); },
                QStringLiteral("OK_Button"), QStringLiteral("Cancel_Button")};
    }
    if (name == QLatin1String("zones")) {
        return {[](Settings_Dialog_Fixture &f) {
                    auto dialog = std::make_unique<TZone_Edit_Form>(f.Data, *f.Store);
                    dialog->Open();
                    return dialog;
                },
                [](QDialog *d) {
                    Type_Over(Entry(d, QStringLiteral("Zone_Edit_Box2")), QStringLiteral("Exit hall"));
                },
                [](const Model &m) { return m.ID_Records[1].Zones[2].Name == QLatin1String("Exit hall"); },
                QStringLiteral("OK_Button_Zone"), QString()};
    }
    if (name == QLatin1String("directories")) {
        return {[](Settings_Dialog_Fixture &f) {
                    f.Data.ID_Names[3] = QStringLiteral("Shop");
                    auto dialog = std::make_unique<TDirectory_Select_Form>(f.Data, *f.Store);
                    dialog->Open();
                    return dialog;
                },
                [](QDialog *d) {
                    Button(d, QStringLiteral("Change_Button3"))->click();
                    Type_Over(Entry(d, QStringLiteral("Edit1")), QStringLiteral("/srv/shop data"));
                    Button(d, QStringLiteral("OK_Button"))->click();
                },
                [](const Model &m) { return m.ID_Records[3].Data_Dir == QLatin1String("/srv/shop data"); },
                QStringLiteral("Exit_Button"), QString()};
    }
    if (name == QLatin1String("titles")) {
        return {[](Settings_Dialog_Fixture &f) {
                    auto dialog = std::make_unique<TEdit_Graph_Name_Form>(f.Data, *f.Store);
                    dialog->Open();
                    return dialog;
                },
                [](QDialog *d) {
                    Type_Over(Entry(d, QStringLiteral("Edit_Week_Title")), QStringLiteral("Weekly"));
                },
                [](const Model &m) { return m.Graph_Titles.Week == QLatin1String("Weekly"); },
                QStringLiteral("OK_Button"), QStringLiteral("Cancel_Button")};
    }
    return {[](Settings_Dialog_Fixture &f) {
                auto dialog = std::make_unique<TChange_DayView_Form>(f.Data, *f.Store);
                dialog->Open();
                return dialog;
            },
            [](QDialog *d) {
                Child<QRadioButton>(d, QStringLiteral("First_Day_Sunday"))->click();
                auto *hour = Child<QSpinBox>(d, QStringLiteral("Input_From_Hour"));
                hour->selectAll();
                QTest::keyClicks(hour, QStringLiteral("6"));
            },
            [](const Model &m) { return m.Sunday_Is_Day_One && !m.Monday_Is_Day_One && m.From_Hour == 6; },
            QStringLiteral("Exit_But"), QString()};
}

} // namespace

class Test_Settings_Dialogs : public QObject {
    Q_OBJECT

private slots:
    void storesOnClose_data();
    void storesOnClose();
    void failedSaveIsReported_data();
    void failedSaveIsReported();

    void idNumberText_data();
    void idNumberText();
    void labelsShowSlotsAndStoreThreeDigits();
    void labelsRefuseIncompleteNumber();

    void zoneNamesCutAndFollowDevice();
    void clearAllAndUndo();
    void zoneEditorCloseRefillsRows();
    void channelListsMoveChannels();
    void channelExcludeWithoutSelectionDoesNothing();
    void channelDialogStoresOnEveryClose_data();
    void channelDialogStoresOnEveryClose();
    void channelDialogStoresIntoItsOwnDevice();

    void directoryStates();
    void directoryTreeKeepsEntryInStep();

    void titlesEmptiedAndSignalled();

    void dayViewModeOptions();
    void hourFieldsPulledToNearerBound_data();
    void hourFieldsPulledToNearerBound();
};

void Test_Settings_Dialogs::storesOnClose_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<Close_Way>("way");
    QTest::addColumn<bool>("stored");

    QTest::newRow("labels OK") << "labels" << Close_Way::Accept_Button << true;
    QTest::newRow("labels Cancel") << "labels" << Close_Way::Cancel_Button << false;
    QTest::newRow("labels close box") << "labels" << Close_Way::Close_Box << false;
    QTest::newRow("labels Esc") << "labels" << Close_Way::Escape << false;
    for (const char *dialog : {"zones", "directories", "titles", "view"}) {
        QTest::addRow("%s button", dialog) << dialog << Close_Way::Accept_Button << true;
        QTest::addRow("%s close box", dialog) << dialog << Close_Way::Close_Box << true;
        QTest::addRow("%s Esc", dialog) << dialog << Close_Way::Escape << true;
    }
    QTest::newRow("titles Cancel") << "titles" << Close_Way::Cancel_Button << true;
}

void Test_Settings_Dialogs::storesOnClose() {
    QFETCH(QString, dialog);
    QFETCH(Close_Way, way);
    QFETCH(bool, stored);

    Settings_Dialog_Fixture fixture;
    const Dialog_Case dialog_case = Case_Of(dialog);
    const auto window = dialog_case.Make(fixture);
    dialog_case.Change(window.get());
    Close_Dialog(window.get(), way, dialog_case.Accept_Button, dialog_case.Cancel_Button);

    QVERIFY(!window->isVisible());
    QCOMPARE(fixture.File_Exists(), stored);
    QCOMPARE(dialog_case.Changed(fixture.Saved()), stored);
    QCOMPARE(fixture.Messages, QStringList());
}

void Test_Settings_Dialogs::failedSaveIsReported_data() {
    QTest::addColumn<QString>("dialog");
    for (const char *dialog : {"labels", "zones", "directories", "titles", "view"})
        QTest::newRow(dialog) << dialog;
}

void Test_Settings_Dialogs::failedSaveIsReported() {
    QFETCH(QString, dialog);

    Settings_Dialog_Fixture fixture;
    fixture.Use_Unwritable_Path();
    const Dialog_Case dialog_case = Case_Of(dialog);
    const auto window = dialog_case.Make(fixture);
    dialog_case.Change(window.get());
    Close_Dialog(window.get(), Close_Way::Accept_Button, dialog_case.Accept_Button, QString());

    QVERIFY(!window->isVisible());
    QCOMPARE(fixture.Messages.size(), 1);
    const QStringList lines = fixture.Messages.front().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], QStringLiteral("The settings could not be saved:"));
    QCOMPARE(lines[1], fixture.Store->Path());
    QVERIFY(!lines[2].isEmpty());
    // The change holds for this run all the same.
    QVERIFY(dialog_case.Changed(fixture.Data));
}

void Test_Settings_Dialogs::idNumberText_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "000";
    QTest::newRow("5") << 5 << "005";
    QTest::newRow("42") << 42 << "042";
    QTest::newRow("999") << 999 << "999";
    QTest::newRow("1234") << 1234 << "123";
    QTest::newRow("65535") << 65535 << "655";
}

void Test_Settings_Dialogs::idNumberText() {
    QFETCH(int, number);
    QFETCH(QString, text);
    QCOMPARE(ID_Number_Text(static_cast<std::uint16_t>(number)), text);
}

void Test_Settings_Dialogs::labelsShowSlotsAndStoreThreeDigits() {
    Settings_Dialog_Fixture fixture;
    fixture.Data.ID_Numbers[1] = 5;
    fixture.Data.ID_Numbers[2] = 1234;
    fixture.Data.ID_Names[2] = QStringLiteral("Hall");
    TID_Edit_Form dialog(fixture.Data, *fixture.Store);
    QSignalSpy stored(&dialog, &TID_Edit_Form::deviceLabelsStored);

    dialog.Open();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit ID Labels"));
    QCOMPARE(Child<QLabel>(&dialog, QStringLiteral("Label3"))->text(), QStringLiteral("ID 3"));
    QCOMPARE(Entry(&dialog, QStringLiteral("MaskEdit1"))->displayText(), QStringLiteral("005"));
    QCOMPARE(Entry(&dialog, QStringLiteral("MaskEdit2"))->displayText(), QStringLiteral("123"));
    QCOMPARE(Entry(&dialog, QStringLiteral("MaskEdit3"))->displayText(), QStringLiteral("000"));
    QCOMPARE(Entry(&dialog, QStringLiteral("Edit2"))->text(), QStringLiteral("Hall"));

    // Names repeat freely; a name cannot grow past 40 characters.
    Type_Over(Entry(&dialog, QStringLiteral("Edit1")), QStringLiteral("Hall"));
    Type_Over(Entry(&dialog, QStringLiteral("Edit4")), QString(45, QLatin1Char('n')));
    Entry(&dialog, QStringLiteral("MaskEdit5"))->setText(QStringLiteral("042"));
    Button(&dialog, QStringLiteral("OK_Button"))->click();

    QCOMPARE(stored.size(), 1);
    const Model saved = fixture.Saved();
    QCOMPARE(saved.ID_Numbers[1], 5);
    QCOMPARE(saved.ID_Numbers[2], 123);
    QCOMPARE(saved.ID_Numbers[5], 42);
    QCOMPARE(saved.ID_Names[1], QStringLiteral("Hall"));
    QCOMPARE(saved.ID_Names[2], QStringLiteral("Hall"));
    QCOMPARE(saved.ID_Names[4], QString(Max_ID_Name, QLatin1Char('n')));

    // OK without any change still rewrites the settings and empties the rows.
    QFile::remove(fixture.Store->Path());
    dialog.Open();
    Button(&dialog, QStringLiteral("OK_Button"))->click();
    QCOMPARE(stored.size(), 2);
    QVERIFY(fixture.File_Exists());
}

void Test_Settings_Dialogs::labelsRefuseIncompleteNumber() {
    Settings_Dialog_Fixture fixture;
    fixture.Data.ID_Numbers[2] = 17;
    TID_Edit_Form dialog(fixture.Data, *fixture.Store);
    QSignalSpy stored(&dialog, &TID_Edit_Form::deviceLabelsStored);
    const QString refusal = QStringLiteral("Invalid input value.  Use escape key to abandon changes");

    dialog.Open();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QLineEdit *number = Entry(&dialog, QStringLiteral("MaskEdit2"));
    number->setFocus();
    QTest::keyClick(number, Qt::Key_End);
    QTest::keyClick(number, Qt::Key_Backspace);
    QCOMPARE(number->displayText(), QStringLiteral("01_"));

    // Leaving the field is refused and the focus comes back.
    QTest::keyClick(number, Qt::Key_Tab);
    QTRY_COMPARE(fixture.Messages, QStringList{refusal});
    QTRY_COMPARE(QApplication::focusWidget(), number);

    // OK is refused too, and nothing is stored.
    Button(&dialog, QStringLiteral("OK_Button"))->click();
    QCOMPARE(fixture.Messages.size(), 2);
    QVERIFY(dialog.isVisible());
    QCOMPARE(stored.size(), 0);

    // Esc puts back the number the field had when it was entered; a second Esc closes.
    QTest::keyClick(number, Qt::Key_Escape);
    QCOMPARE(number->displayText(), QStringLiteral("017"));
    QVERIFY(dialog.isVisible());
    QTest::keyClick(number, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(stored.size(), 0);
    QVERIFY(!fixture.File_Exists());
}

void Test_Settings_Dialogs::zoneNamesCutAndFollowDevice() {
    Settings_Dialog_Fixture fixture;
    fixture.Data.ID_Names[1] = QStringLiteral("Front");
    fixture.Data.ID_Records[2].Zones[3].Name = QStringLiteral("Cafe");
    TZone_Edit_Form dialog(fixture.Data, *fixture.Store);
    auto *devices = Child<QListWidget>(&dialog, QStringLiteral("ID_Select_Box_Zone_Form"));
    auto *location = Child<QLabel>(&dialog, QStringLiteral("Selected_Location_But"));

    dialog.Open();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Change zone definitions"));
    QCOMPARE(Texts_Of(devices), (QStringList{QStringLiteral("Front"), {}, {}, {}, {}}));
    QCOMPARE(location->text(), QStringLiteral("Front:"));
    QCOMPARE(Child<QLabel>(&dialog, QStringLiteral("Day_Total_Box"))->text(), QStringLiteral("Totals in"));
    QVERIFY(!Button(&dialog, QStringLiteral("Undo_Button"))->isEnabled());

    // A device without a name is edited all the same.
    devices->setCurrentRow(1);
    QCOMPARE(location->text(), QStringLiteral(":"));
    QCOMPARE(Entry(&dialog, QStringLiteral("Zone_Edit_Box3"))->text(), QStringLiteral("Cafe"));

    const QString long_name = QStringLiteral("A zone name of thirty-five letters");
    QLineEdit *box = Entry(&dialog, QStringLiteral("Zone_Edit_Box3"));
    Type_Over(box, long_name);
    QCOMPARE(fixture.Data.ID_Records[2].Zones[3].Name, long_name.left(Max_Zone_Name));
    QCOMPARE(box->text(), long_name);

    devices->setCurrentRow(0);
    devices->setCurrentRow(1);
    QCOMPARE(box->text(), long_name.left(Max_Zone_Name));
}

void Test_Settings_Dialogs::clearAllAndUndo() {
    Settings_Dialog_Fixture fixture;
    ID_Record &record = fixture.Data.ID_Records[1];
    record.Zones[0].Name = QStringLiteral("Old totals");
    record.Zones[1].Name = QStringLiteral("Door");
    record.Zones[0].Channels[1] = true;
    record.Zones[1].Channels[5] = true;
    record.Data_Dir = QStringLiteral("/data/one");
    const ID_Record before = record;
    TZone_Edit_Form dialog(fixture.Data, *fixture.Store);
    QPushButton *undo = Button(&dialog, QStringLiteral("Undo_Button"));
    dialog.Open();

    Button(&dialog, QStringLiteral("Clear_All_Zones_Button"))->click();
    QVERIFY(undo->isEnabled());
    QCOMPARE(record.Zones[0].Name, QStringLiteral("Totals in"));
    for (int zone = 1; zone < Zones_Per_Device; ++zone)
        QCOMPARE(record.Zones[static_cast<std::size_t>(zone)].Name, QString());
    QCOMPARE(Channels_Of(record.Zones[0]), QList<int>());
    QCOMPARE(Channels_Of(record.Zones[1]), QList<int>());
    QCOMPARE(record.Data_Dir, QStringLiteral("/data/one"));
    QCOMPARE(Entry(&dialog, QStringLiteral("Zone_Edit_Box1"))->text(), QString());

    undo->click();
    QVERIFY(!undo->isEnabled());
    for (std::size_t zone = 0; zone < record.Zones.size(); ++zone) {
        QCOMPARE(record.Zones[zone].Name, before.Zones[zone].Name);
        QVERIFY(record.Zones[zone].Channels == before.Zones[zone].Channels);
    }
    QCOMPARE(record.Data_Dir, before.Data_Dir);
    QCOMPARE(Entry(&dialog, QStringLiteral("Zone_Edit_Box1"))->text(), QStringLiteral("Door"));

    // Choosing another device keeps the clearing and ends the undo.
    Button(&dialog, QStringLiteral("Clear_All_Zones_Button"))->click();
    Child<QListWidget>(&dialog, QStringLiteral("ID_Select_Box_Zone_Form"))->setCurrentRow(2);
    QVERIFY(!undo->isEnabled());
    QCOMPARE(record.Zones[1].Name, QString());
}

void Test_Settings_Dialogs::zoneEditorCloseRefillsRows() {
    Settings_Dialog_Fixture fixture;
    TZone_Edit_Form dialog(fixture.Data, *fixture.Store);
    QSignalSpy closed(&dialog, &TZone_Edit_Form::zoneEditorClosed);
    bool saved_after_signal = false;
    connect(&dialog, &TZone_Edit_Form::zoneEditorClosed, this,
            [&] { saved_after_signal = !fixture.File_Exists(); });

    dialog.Open();
    dialog.close();
    QCOMPARE(closed.size(), 1);
    QVERIFY(saved_after_signal);
    QVERIFY(fixture.File_Exists());
}

void Test_Settings_Dialogs::channelListsMoveChannels() {
    Settings_Dialog_Fixture fixture;
    TZone_Edit_Form editor(fixture.Data, *fixture.Store);
    editor.Open();
    Button(&editor, QStringLiteral("Edit_Zone2_Button"))->click();
    auto *channels = editor.findChild<TZone_Definition_Form *>();
    QVERIFY(channels && channels->isVisible());
    QCOMPARE(channels->windowTitle(), QStringLiteral("Select IN coming sensors only!"));
    auto *source = Child<QListWidget>(channels, QStringLiteral("SrcList"));
    auto *chosen = Child<QListWidget>(channels, QStringLiteral("DstList"));
    QPushButton *include = Button(channels, QStringLiteral("IncludeBtn"));
    QPushButton *exclude = Button(channels, QStringLiteral("ExcludeBtn"));
    QPushButton *exclude_all = Button(channels, QStringLiteral("ExAllBtn"));

    // A zone without channels.
    QCOMPARE(source->count(), Channel_Count);
    QCOMPARE(source->item(8)->text(), QStringLiteral("Channel 09"));
    QCOMPARE(chosen->count(), 0);
    QVERIFY(include->isEnabled());
    QVERIFY(!exclude->isEnabled());
    QVERIFY(!exclude_all->isEnabled());

    for (int row : {9, 2, 3})
        source->item(row)->setSelected(true);
    include->click();
    QCOMPARE(Texts_Of(chosen), (QStringList{"Channel 03", "Channel 04", "Channel 10"}));
    include->click();
    QCOMPARE(chosen->count(), 3);
    QCOMPARE(source->count(), Channel_Count);
    QVERIFY(exclude->isEnabled());

    // With nothing selected, ">" includes nothing and selects the first channel.
    source->clearSelection();
    include->click();
    QCOMPARE(chosen->count(), 3);
    QCOMPARE(GetFirstSelection(source), 0);

    chosen->clearSelection();
    chosen->item(1)->setSelected(true);
    exclude->click();
    QCOMPARE(Texts_Of(chosen), (QStringList{"Channel 03", "Channel 10"}));
    QCOMPARE(GetFirstSelection(chosen), 1);

    channels->close();
    QCOMPARE(Channels_Of(fixture.Data.ID_Records[1].Zones[2]), (QList<int>{3, 10}));

    // Opened again it shows the set as stored; "<<" then OK empties the zone.
    Button(&editor, QStringLiteral("Edit_Zone2_Button"))->click();
    QCOMPARE(Texts_Of(chosen), (QStringList{"Channel 03", "Channel 10"}));
    exclude_all->click();
    QCOMPARE(chosen->count(), 0);
    QVERIFY(!exclude->isEnabled());
    Button(channels, QStringLiteral("OKBtn"))->click();
    QCOMPARE(Channels_Of(fixture.Data.ID_Records[1].Zones[2]), QList<int>());
}

void Test_Settings_Dialogs::channelExcludeWithoutSelectionDoesNothing() {
    Settings_Dialog_Fixture fixture;
    Load_German_Texts(fixture.Data.Texts);
    fixture.Data.ID_Records[1].Zones[0].Channels[5] = true;
    fixture.Data.ID_Records[1].Zones[0].Channels[7] = true;
    TZone_Edit_Form editor(fixture.Data, *fixture.Store);
    editor.Open();
    Button(&editor, QStringLiteral("Edit_Total_Button"))->click();
    auto *channels = editor.findChild<TZone_Definition_Form *>();
    auto *chosen = Child<QListWidget>(channels, QStringLiteral("DstList"));
    QCOMPARE(Texts_Of(chosen), (QStringList{"Kanal 05", "Kanal 07"}));

    chosen->clearSelection();
    Button(channels, QStringLiteral("ExcludeBtn"))->click();
    QCOMPARE(chosen->count(), 2);
    QCOMPARE(GetFirstSelection(chosen), -1);
    QCOMPARE(fixture.Messages, QStringList());

    // The channel number is read from the end of the text, whatever the word.
    chosen->item(1)->setSelected(true);
    Button(channels, QStringLiteral("ExcludeBtn"))->click();
    channels->close();
    QCOMPARE(Channels_Of(fixture.Data.ID_Records[1].Zones[0]), QList<int>{5});
}

void Test_Settings_Dialogs::channelDialogStoresOnEveryClose_data() {
    QTest::addColumn<Close_Way>("way");
    QTest::newRow("OK") << Close_Way::Accept_Button;
    QTest::newRow("Cancel") << Close_Way::Cancel_Button;
    QTest::newRow("close box") << Close_Way::Close_Box;
    QTest::newRow("Esc") << Close_Way::Escape;
}

void Test_Settings_Dialogs::channelDialogStoresOnEveryClose() {
    QFETCH(Close_Way, way);

    Settings_Dialog_Fixture fixture;
    TZone_Edit_Form editor(fixture.Data, *fixture.Store);
    editor.Open();
    Child<QListWidget>(&editor, QStringLiteral("ID_Select_Box_Zone_Form"))->setCurrentRow(4);
    Button(&editor, QStringLiteral("Edit_Zone5_Button"))->click();
    auto *channels = editor.findChild<TZone_Definition_Form *>();
    Child<QListWidget>(channels, QStringLiteral("SrcList"))->item(62)->setSelected(true);
    Button(channels, QStringLiteral("IncludeBtn"))->click();
    Close_Dialog(channels, way, QStringLiteral("OKBtn"), QStringLiteral("CancelBtn"));

    QVERIFY(!channels->isVisible());
    QCOMPARE(Channels_Of(fixture.Data.ID_Records[5].Zones[5]), QList<int>{63});
    // The file follows when the editor closes.
    QVERIFY(!fixture.File_Exists());
    editor.close();
    QCOMPARE(Channels_Of(fixture.Saved().ID_Records[5].Zones[5]), QList<int>{63});
}

void Test_Settings_Dialogs::channelDialogStoresIntoItsOwnDevice() {
    Settings_Dialog_Fixture fixture;
    fixture.Data.ID_Records[2].Zones[1].Channels[9] = true;
    TZone_Edit_Form editor(fixture.Data, *fixture.Store);
    editor.Open();
    Button(&editor, QStringLiteral("Edit_Zone1_Button"))->click();
    auto *channels = editor.findChild<TZone_Definition_Form *>();
    Child<QListWidget>(channels, QStringLiteral("SrcList"))->item(0)->setSelected(true);
    Button(channels, QStringLiteral("IncludeBtn"))->click();

    // Another device chosen while the channel dialog is open: the dialog stores
    // its set into the device it was opened for and closes.
    Child<QListWidget>(&editor, QStringLiteral("ID_Select_Box_Zone_Form"))->setCurrentRow(1);
    QVERIFY(!channels->isVisible());
    QCOMPARE(Channels_Of(fixture.Data.ID_Records[1].Zones[1]), QList<int>{1});
    QCOMPARE(Channels_Of(fixture.Data.ID_Records[2].Zones[1]), QList<int>{9});

    // Closing the editor closes the channel dialog first, so its set is saved.
    Button(&editor, QStringLiteral("Edit_Zone1_Button"))->click();
    Child<QListWidget>(channels, QStringLiteral("SrcList"))->item(2)->setSelected(true);
    Button(channels, QStringLiteral("IncludeBtn"))->click();
    editor.close();
    QVERIFY(!channels->isVisible());
    QCOMPARE(Channels_Of(fixture.Saved().ID_Records[2].Zones[1]), (QList<int>{3, 9}));
}

void Test_Settings_Dialogs::directoryStates() {
    Settings_Dialog_Fixture fixture;
    fixture.Data.ID_Names[1] = QStringLiteral("Main");
    fixture.Data.ID_Names[2] = QStringLiteral("Side");
    fixture.Data.ID_Records[1].Data_Dir = QStringLiteral("/data/main");
    fixture.Data.ID_Records[4].Data_Dir = QStringLiteral("/data/unnamed");
    TDirectory_Select_Form dialog(fixture.Data, *fixture.Store);
    QWidget *browse = Child(&dialog, QStringLiteral("DirectoryListBox1"));
    QPushButton *exit = Button(&dialog, QStringLiteral("Exit_Button"));
    auto change = [&](int k) { return Button(&dialog, QStringLiteral("Change_Button%1").arg(k)); };

    dialog.Open();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Change data directory settings"));
    QCOMPARE(Child<QLabel>(&dialog, QStringLiteral("Label1"))->text(), QStringLiteral("Main :"));
    QCOMPARE(Child<QLabel>(&dialog, QStringLiteral("Label4"))->text(), QString());
    QCOMPARE(Child<QLabel>(&dialog, QStringLiteral("Label9"))->text(), QStringLiteral("/data/unnamed"));
    QVERIFY(change(1)->isEnabled() && change(2)->isEnabled());
    QVERIFY(!change(4)->isEnabled());
    QVERIFY(!browse->isVisible() && exit->isEnabled());

    change(2)->click();
    QVERIFY(browse->isVisible());
    QVERIFY(!exit->isEnabled());
    QVERIFY(change(2)->isEnabled() && !change(1)->isEnabled());
    QCOMPARE(Entry(&dialog, QStringLiteral("Edit1"))->text(), QString());
    Type_Over(Entry(&dialog, QStringLiteral("Edit1")), QStringLiteral("relative/dir"));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!browse->isVisible() && dialog.isVisible());
    QCOMPARE(fixture.Data.ID_Records[2].Data_Dir, QString());

    // A typed path is taken as it stands, with Enter as OK.
    change(1)->click();
    QCOMPARE(Entry(&dialog, QStringLiteral("Edit1"))->text(), QStringLiteral("/data/main"));
    Type_Over(Entry(&dialog, QStringLiteral("Edit1")), QStringLiteral("does/not/exist "));
    QTest::keyClick(Entry(&dialog, QStringLiteral("Edit1")), Qt::Key_Return);
    QVERIFY(!browse->isVisible());
    QCOMPARE(fixture.Data.ID_Records[1].Data_Dir, QStringLiteral("does/not/exist "));
    QCOMPARE(Child<QLabel>(&dialog, QStringLiteral("Label6"))->text(), QStringLiteral("does/not/exist "));
    QVERIFY(!fixture.File_Exists());

    // Closed during a browse: saved without the pending path, shown again in the showing state.
    change(2)->click();
    Type_Over(Entry(&dialog, QStringLiteral("Edit1")), QStringLiteral("/pending"));
    dialog.close();
    QCOMPARE(fixture.Saved().ID_Records[1].Data_Dir, QStringLiteral("does/not/exist "));
    QCOMPARE(fixture.Saved().ID_Records[2].Data_Dir, QString());
    dialog.Open();
    QVERIFY(!browse->isVisible() && exit->isEnabled());
    QVERIFY(change(1)->isEnabled());
}

void Test_Settings_Dialogs::directoryTreeKeepsEntryInStep() {
    Settings_Dialog_Fixture fixture;
    const QString data = fixture.Directory.filePath(QStringLiteral("counts"));
    QVERIFY(QDir().mkpath(data + QStringLiteral("/2024")));
    fixture.Data.ID_Names[1] = QStringLiteral("Main");
    fixture.Data.ID_Records[1].Data_Dir = data;
    TDirectory_Select_Form dialog(fixture.Data, *fixture.Store);
    auto *tree = Child<QTreeView>(&dialog, QStringLiteral("DirectoryListBox1"));
    auto *volumes = Child<QComboBox>(&dialog, QStringLiteral("DriveComboBox1"));
    QLineEdit *entry = Entry(&dialog, QStringLiteral("Edit1"));
    const auto *files = qobject_cast<const QFileSystemModel *>(tree->model());
    QVERIFY(files);

    dialog.Open();
    Button(&dialog, QStringLiteral("Change_Button1"))->click();
    QCOMPARE(files->filePath(tree->currentIndex()), data);
    QCOMPARE(entry->text(), data);

    tree->setCurrentIndex(files->index(data + QStringLiteral("/2024")));
    QCOMPARE(entry->text(), data + QStringLiteral("/2024"));

    QVERIFY(volumes->count() > 0);
    const QString root = volumes->itemData(0).toString();
    volumes->setCurrentIndex(volumes->count() > 1 ? 1 : 0);
    volumes->setCurrentIndex(0);
    QCOMPARE(entry->text(), root);
    QCOMPARE(files->filePath(tree->currentIndex()), root);

    Button(&dialog, QStringLiteral("OK_Button"))->click();
    QCOMPARE(fixture.Data.ID_Records[1].Data_Dir, root);
}

void Test_Settings_Dialogs::titlesEmptiedAndSignalled() {
    Settings_Dialog_Fixture fixture;
    fixture.Data.Graph_Titles.Day_Tab1 = QStringLiteral("Visitors inside");
    fixture.Data.Graph_Titles.Quarter = QStringLiteral("Quarter totals");
    Load_German_Texts(fixture.Data.Texts);
    TEdit_Graph_Name_Form dialog(fixture.Data, *fixture.Store);
    QSignalSpy changed(&dialog, &TEdit_Graph_Name_Form::graphTitlesChanged);
    QString title_at_signal;
    connect(&dialog, &TEdit_Graph_Name_Form::graphTitlesChanged, this,
            [&] { title_at_signal = fixture.Data.Graph_Titles.Day_Tab1; });

    dialog.Open();
    QCOMPARE(Child<QLabel>(&dialog, QStringLiteral("Label4"))->text(), QStringLiteral("Viertel :"));
    QCOMPARE(Entry(&dialog, QStringLiteral("Edit_Quart_Title"))->text(), QStringLiteral("Quarter totals"));
    Entry(&dialog, QStringLiteral("Edit_Day_Title_Tab1"))->clear();
    Type_Over(Entry(&dialog, QStringLiteral("Edit_Day_Title_Tab2")),
              QStringLiteral("  Half hours, all doors  "));
    Button(&dialog, QStringLiteral("Cancel_Button"))->click();

    QCOMPARE(changed.size(), 1);
    QCOMPARE(title_at_signal, QString());
    const Model saved = fixture.Saved();
    QCOMPARE(saved.Graph_Titles.Day_Tab1, QString());
    QCOMPARE(saved.Graph_Titles.Day_Tab2, QStringLiteral("  Half hours, all doors  "));
    QCOMPARE(saved.Graph_Titles.Quarter, QStringLiteral("Quarter totals"));
}

void Test_Settings_Dialogs::dayViewModeOptions() {
    Settings_Dialog_Fixture fixture;
    TChange_DayView_Form dialog(fixture.Data, *fixture.Store);
    QSignalSpy changed(&dialog, &TChange_DayView_Form::viewSettingsChanged);
    auto *intensity = Child<QRadioButton>(&dialog, QStringLiteral("Enable_Day_Tab1"));
    auto *totals = Child<QRadioButton>(&dialog, QStringLiteral("Enable_Day_Tab2"));
    auto *balance = Child<QCheckBox>(&dialog, QStringLiteral("Enable_Balance"));

    // First start: no mode marked, no balancing offered, Monday first.
    dialog.Open();
    QCOMPARE(Child<QLabel>(&dialog, QStringLiteral("To_TXT_Label"))->text(), QStringLiteral("Hour til:"));
    QVERIFY(!intensity->isChecked() && !totals->isChecked());
    QVERIFY(!balance->isEnabled());
    QVERIFY(Child<QRadioButton>(&dialog, QStringLiteral("First_Day_Monday"))->isChecked());

    intensity->click();
    QVERIFY(fixture.Data.Enable_Day_Tab1 && !fixture.Data.Enable_Day_Tab2);
    QVERIFY(balance->isEnabled());
    balance->click();
    QVERIFY(fixture.Data.Enable_Day_Balance);

    // Half-hour totals: the box keeps its mark but cannot be changed.
    totals->click();
    QVERIFY(!intensity->isChecked());
    QVERIFY(!fixture.Data.Enable_Day_Tab1 && fixture.Data.Enable_Day_Tab2);
    QVERIFY(!balance->isEnabled() && balance->isChecked());
    QVERIFY(fixture.Data.Enable_Day_Balance);
    QCOMPARE(changed.size(), 0);

    // Closed without a further change it still saves and signals, after the save.
    bool saved_before_signal = false;
    connect(&dialog, &TChange_DayView_Form::viewSettingsChanged, this,
            [&] { saved_before_signal = fixture.Saved().Enable_Day_Tab2; });
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(changed.size(), 1);
    QVERIFY(saved_before_signal);
    const Model saved = fixture.Saved();
    QVERIFY(!saved.Enable_Day_Tab1 && saved.Enable_Day_Tab2 && saved.Enable_Day_Balance);

    // Shown again, the options come from the settings.
    dialog.Open();
    QVERIFY(totals->isChecked() && !intensity->isChecked() && !balance->isEnabled());
}

void Test_Settings_Dialogs::hourFieldsPulledToNearerBound_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("leaveField");
    QTest::addColumn<int>("hour");

    QTest::newRow("in range") << "7" << true << 7;
    QTest::newRow("upper bound") << "24" << true << 24;
    QTest::newRow("above") << "30" << true << 24;
    QTest::newRow("far above") << "99999999999" << true << 24;
    QTest::newRow("leading zeros") << "0025" << true << 24;
    QTest::newRow("below") << "-3" << true << 0;
    QTest::newRow("empty") << "" << true << 0;
    QTest::newRow("letters are not typed") << "1x2" << true << 12;
    QTest::newRow("closed while typing above") << "31" << false << 24;
    QTest::newRow("closed while typing empty") << "" << false << 0;
}

void Test_Settings_Dialogs::hourFieldsPulledToNearerBound() {
    QFETCH(QString, typed);
    QFETCH(bool, leaveField);
    QFETCH(int, hour);

    Settings_Dialog_Fixture fixture;
    TChange_DayView_Form dialog(fixture.Data, *fixture.Store);
    dialog.Open();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto *to_hour = Child<QSpinBox>(&dialog, QStringLiteral("Input_To_Hour"));
    QCOMPARE(to_hour->value(), 22);
    to_hour->setFocus();
    to_hour->selectAll();
    QTest::keyClick(to_hour, Qt::Key_Delete);
    QTest::keyClicks(to_hour, typed);
    if (leaveField) {
        QTest::keyClick(to_hour, Qt::Key_Tab);
        QCOMPARE(to_hour->text(), QString::number(hour));
    }
    dialog.close();

    QCOMPARE(fixture.Data.To_Hour, hour);
    QCOMPARE(fixture.Saved().To_Hour, hour);
    // The first hour stays as it was, also when it now lies after the last.
    QCOMPARE(fixture.Saved().From_Hour, 8);
}

QTEST_MAIN(Test_Settings_Dialogs)
#include "test_settings_dialogs.moc"
