#include "information_recorder.h"

#include "dialogs/about_form.h"
#include "dialogs/language_form.h"
#include "dialogs/program_icon.h"

#include "settings/language_tables.h"
#include "settings/settings_io.h"
#include "settings/settings_store.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace telvo;

namespace {

Model English_Model() {
    Model model;
    Set_Device_Keys(model);
    model.Language = QStringLiteral("ENGLISH");
    Set_Language_Texts(model);
    return model;
}

template <typename T> T *Child(const QWidget &window, const QString &name) {
    T *child = window.findChild<T *>(name);
    if (!child)
        qFatal("no child %s", qPrintable(name));
    return child;
}

} // namespace

class Test_Language_About : public QObject {
    Q_OBJECT

private slots:
    void flagSetsLanguageAndSaves_data();
    void flagSetsLanguageAndSaves();
    void failedSaveIsReported();
    void aboutBoxTexts_data();
    void aboutBoxTexts();
};

void Test_Language_About::flagSetsLanguageAndSaves_data() {
    QTest::addColumn<QString>("flag");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("cancel"); // a text slot of the new language

    QTest::newRow("German") << "German_Flag"
                            << "Deutsch"
                            << "GERMAN"
                            << "Löschen";
    QTest::newRow("Dutch") << "Dutch_Flag"
                           << "Nederlands"
                           << "DUTCH"
                           << "Annuleer";
    QTest::newRow("French") << "French_Flag"
                            << "Français"
                            << "FRENCH"
                            << "Annuler";
    QTest::newRow("English") << "English_Flag"
                             << "English"
                             << "ENGLISH"
                             << "Cancel";
}

void Test_Language_About::flagSetsLanguageAndSaves() {
    QFETCH(QString, flag);
    QFETCH(QString, hint);
    QFETCH(QString, language);
    QFETCH(QString, cancel);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Telvo_View.ini"));
    Model model = English_Model();
    model.Language = QStringLiteral("DUTCH");
    Set_Language_Texts(model);
    model.From_Hour = 7;
    Settings_Store store(path);
    TLanguage_Form form(model, store);
    QStringList informed;
    const telvo::test::Information_Recorder recording(informed);
    int changes = 0;
    connect(&form, &TLanguage_Form::languageChanged, &form, [&] {
        // The main window applies the texts when the slots already hold the new language.
        QCOMPARE(model.Texts.Lang_Cancel, cancel);
        ++changes;
    });
    form.Open();
    QCOMPARE(form.windowTitle(), model.Texts.Lang_Select_Language);
    QVERIFY(Child<QToolButton>(form, QStringLiteral("Dutch_Flag"))->isChecked());

    auto *button = Child<QToolButton>(form, flag);
    QCOMPARE(button->toolTip(), hint);
    QTest::mouseClick(button, Qt::LeftButton);

    QCOMPARE(model.Language, language);
    QCOMPARE(model.Texts.Lang_Cancel, cancel);
    QCOMPARE(changes, 1);
    QCOMPARE(form.windowTitle(), model.Texts.Lang_Select_Language);
    QCOMPARE(Child<QPushButton>(form, QStringLiteral("Stop_Button"))->text(), model.Texts.Lang_Exit_Button);
    // Only the chosen flag shows pressed.
    QStringList pressed;
    for (const QToolButton *each : form.findChildren<QToolButton *>()) {
        if (each->isChecked())
            pressed << each->objectName();
    }
    QCOMPARE(pressed, QStringList{flag});
    QVERIFY(form.isVisible());
    QVERIFY(informed.isEmpty());

    // All settings are in the file, so the choice holds at the next start.
    Model restarted;
    Set_Device_Keys(restarted);
    Load_Settings(restarted, Settings_Store(path));
    QCOMPARE(restarted.Language, language);
    QCOMPARE(int(restarted.From_Hour), 7);

    QTest::mouseClick(Child<QPushButton>(form, QStringLiteral("Stop_Button")), Qt::LeftButton);
    QVERIFY(!form.isVisible());
}

void Test_Language_About::failedSaveIsReported() {
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("file"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    // A path below a regular file can never be written.
    const QString path = blocker + QStringLiteral("/Telvo_View.ini");

    Model model = English_Model();
    Settings_Store store(path);
    TLanguage_Form form(model, store);
    QStringList informed;
    const telvo::test::Information_Recorder recording(informed);
    form.Open();
    QTest::mouseClick(Child<QToolButton>(form, QStringLiteral("German_Flag")), Qt::LeftButton);

    // The choice holds for this run; the box says in the new language what failed and where.
    QCOMPARE(model.Language, QStringLiteral("GERMAN"));
    QCOMPARE(informed.size(), 1);
    const QStringList lines = informed.first().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], model.Texts.Lang_Settings_Not_Saved);
    QCOMPARE(lines[1], path);
    QVERIFY(!lines[2].isEmpty());
    QVERIFY(QFileInfo(blocker).isFile());
}

void Test_Language_About::aboutBoxTexts_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("version");

    QTest::newRow("English") << "ENGLISH"
                             << "About Telvo View"
                             << "Version : 1.17";
    QTest::newRow("German") << "GERMAN"
                            << "Über Telvo View"
                            << "Version : 1.17";
    QTest::newRow("Dutch") << "DUTCH"
                           << "Over Telvo View"
                           << "Versie : 1.17";
}

void Test_Language_About::aboutBoxTexts() {
    QFETCH(QString, language);
    QFETCH(QString, caption);
    QFETCH(QString, version);

    Model model = English_Model();
    TAboutBox_Form form(model);
    form.Open();
    // The box takes the language of the moment it is shown.
    model.Language = language;
    Set_Language_Texts(model);
    form.hide();
    form.Open();

    QCOMPARE(form.windowTitle(), caption);
    QCOMPARE(Child<QLabel>(form, QStringLiteral("Version"))->text(), version);
    QCOMPARE(Child<QLabel>(form, QStringLiteral("ProductName"))->text(), QStringLiteral("Telvo View"));
    QVERIFY(Child<QLabel>(form, QStringLiteral("Label5"))->text().isEmpty());
    QVERIFY(!Child<QLabel>(form, QStringLiteral("ProgramIcon"))->pixmap().isNull());
    QVERIFY(!Program_Icon().pixmap(16, 16).isNull());

    auto *ok = Child<QPushButton>(form, QStringLiteral("OKButton"));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!form.isVisible());
}

QTEST_MAIN(Test_Language_About)
#include "test_language_about.moc"
