#include "settings_dialog_fixture.h"

#include "dialogs/password_change_form.h"
#include "dialogs/password_dlg.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace telvo;

namespace {

QLineEdit *Entry(QWidget *dialog, const char *name) {
    return dialog->findChild<QLineEdit *>(QLatin1String(name));
}

QPushButton *Button(QWidget *dialog, const char *name) {
    return dialog->findChild<QPushButton *>(QLatin1String(name));
}

} // namespace

class Test_Passwords : public QObject {
    Q_OBJECT

private slots:
    void checkOpensByPassword_data();
    void checkOpensByPassword();
    void entryIsEmptiedAndStarred();
    void secondMenuItemReplacesPendingAction();
    void cancelAndEscOpenNothing();
    void changeReplacesPasswordThatOpenedIt_data();
    void changeReplacesPasswordThatOpenedIt();
    void changeWithDifferingEntriesChangesNothing();
    void changeThatCannotBeWrittenKeepsOldPassword();
};

void Test_Passwords::checkOpensByPassword_data() {
    QTest::addColumn<QString>("access");
    QTest::addColumn<QString>("administrator");
    QTest::addColumn<bool>("administratorBefore");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("opened");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("administratorAfter");

    const QString kipo = QStringLiteral("KIPO");
    const QString admin = QStringLiteral("TOLVARIXEN");
    const QString wrong = QStringLiteral("Wrong password entered!");
    const QString needed = QStringLiteral("Administrator password needed!");

    for (int action : {1, 2, 3, 5, 6, 7}) {
        QTest::addRow("access opens %d", action)
            << kipo << admin << true << action << kipo << action << QString() << false;
        QTest::addRow("administrator opens %d", action)
            << kipo << admin << false << action << admin << action << QString() << true;
    }
    QTest::newRow("administrator opens the directories")
        << kipo << admin << false << 4 << admin << 4 << QString() << true;
    QTest::newRow("access is refused the directories")
        << kipo << admin << true << 4 << kipo << 0 << needed << false;
    QTest::newRow("wrong for the directories") << kipo << admin << false << 4 << "KIP" << 0 << wrong << false;
    QTest::newRow("lower case is wrong") << kipo << admin << false << 1 << "kipo" << 0 << wrong << false;
    QTest::newRow("trailing blank is wrong")
        << kipo << admin << false << 2 << "TOLVARIXEN " << 0 << wrong << false;
    QTest::newRow("wrong keeps an administrator check")
        << kipo << admin << true << 7 << "nope" << 0 << wrong << true;
    QTest::newRow("equal passwords open the directories")
        << "SAME"
        << "SAME" << true << 4 << "SAME" << 4 << QString() << false;
    QTest::newRow("equal passwords count as access")
        << "SAME"
        << "SAME" << true << 7 << "SAME" << 7 << QString() << false;
    QTest::newRow("empty password passes") << "" << admin << false << 5 << "" << 5 << QString() << false;
    QTest::newRow("empty entry is wrong otherwise")
        << kipo << admin << false << 5 << "" << 0 << wrong << false;
    QTest::newRow("empty access password is no administrator")
        << "" << admin << false << 4 << "" << 0 << needed << false;
    QTest::newRow("unknown action opens nothing")
        << kipo << admin << false << 9 << kipo << 0 << QString() << false;
}

void Test_Passwords::checkOpensByPassword() {
    QFETCH(QString, access);
    QFETCH(QString, administrator);
    QFETCH(bool, administratorBefore);
    QFETCH(int, action);
    QFETCH(QString, entry);
    QFETCH(int, opened);
    QFETCH(QString, message);
    QFETCH(bool, administratorAfter);

    Settings_Dialog_Fixture fixture;
    fixture.Data.Access_Password = access;
    fixture.Data.Administrator_Password = administrator;
    fixture.Data.Administrator_Entered = administratorBefore;
    TPasswordDlg dialog(fixture.Data);
    QSignalSpy granted(&dialog, &TPasswordDlg::accessGranted);

    dialog.Open(action);
    QTest::keyClicks(Entry(&dialog, "Password"), entry);
    QTest::keyClick(Entry(&dialog, "Password"), Qt::Key_Return);

    QVERIFY(!dialog.isVisible());
    QCOMPARE(granted.size(), opened != 0 ? 1 : 0);
    if (opened != 0)
        QCOMPARE(granted.front().front().toInt(), opened);
    QCOMPARE(fixture.Messages, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(fixture.Data.Administrator_Entered, administratorAfter);
}

void Test_Passwords::entryIsEmptiedAndStarred() {
    Settings_Dialog_Fixture fixture;
    TPasswordDlg dialog(fixture.Data);
    QLineEdit *password = Entry(&dialog, "Password");

    dialog.Open(1);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Password verification."));
    QTest::keyClicks(password, QStringLiteral("abc"));
    QCOMPARE(password->displayText(), QStringLiteral("***"));
    Button(&dialog, "OKBtn")->click();

    dialog.Open(1);
    QCOMPARE(password->text(), QString());
    QCOMPARE(dialog.focusWidget(), password);
}

void Test_Passwords::secondMenuItemReplacesPendingAction() {
    Settings_Dialog_Fixture fixture;
    TPasswordDlg dialog(fixture.Data);
    QSignalSpy granted(&dialog, &TPasswordDlg::accessGranted);

    dialog.Open(1);
    QTest::keyClicks(Entry(&dialog, "Password"), QStringLiteral("TOLVAR"));
    dialog.Open(4);
    QTest::keyClicks(Entry(&dialog, "Password"), QStringLiteral("IXEN"));
    Button(&dialog, "OKBtn")->click();

    QCOMPARE(fixture.Data.Protected_Action, 4);
    QCOMPARE(granted.size(), 1);
    QCOMPARE(granted.front().front().toInt(), 4);
}

void Test_Passwords::cancelAndEscOpenNothing() {
    Settings_Dialog_Fixture fixture;
    TPasswordDlg dialog(fixture.Data);
    QSignalSpy granted(&dialog, &TPasswordDlg::accessGranted);

    dialog.Open(1);
    QTest::keyClicks(Entry(&dialog, "Password"), QStringLiteral("KIPO"));
    Button(&dialog, "CancelBtn")->click();
    QVERIFY(!dialog.isVisible());

    dialog.Open(1);
    QTest::keyClicks(Entry(&dialog, "Password"), QStringLiteral("KIPO"));
    QTest::keyClick(Entry(&dialog, "Password"), Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());

    QCOMPARE(granted.size(), 0);
    QCOMPARE(fixture.Messages, QStringList());
}

void Test_Passwords::changeReplacesPasswordThatOpenedIt_data() {
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("newPassword");
    QTest::addColumn<QString>("access");
    QTest::addColumn<QString>("administrator");

    QTest::newRow("access") << "KIPO"
                            << "open sesame"
                            << "open sesame"
                            << "TOLVARIXEN";
    QTest::newRow("administrator") << "TOLVARIXEN"
                                   << "Root!"
                                   << "KIPO"
                                   << "Root!";
    QTest::newRow("empty new password") << "KIPO"
                                        << ""
                                        << ""
                                        << "TOLVARIXEN";
}

void Test_Passwords::changeReplacesPasswordThatOpenedIt() {
    QFETCH(QString, entered);
    QFETCH(QString, newPassword);
    QFETCH(QString, access);
    QFETCH(QString, administrator);

    Settings_Dialog_Fixture fixture;
    TPasswordDlg check(fixture.Data);
    TChange_Pasword_Form change(fixture.Data, *fixture.Store);
    connect(&check, &TPasswordDlg::accessGranted, &change, [&change](int action) {
        if (action == 7)
            change.Open();
    });
    // Unsaved changes elsewhere stay out of the file: only the password is written.
    fixture.Data.Graph_Titles.Week = QStringLiteral("not saved");

    check.Open(7);
    QTest::keyClicks(Entry(&check, "Password"), entered);
    Button(&check, "OKBtn")->click();
    QVERIFY(change.isVisible());
    QCOMPARE(change.windowTitle(), QStringLiteral("Change Password"));
    QTest::keyClicks(Entry(&change, "Password1"), newPassword);
    QTest::keyClicks(Entry(&change, "Password2"), newPassword);
    QCOMPARE(Entry(&change, "Password2")->displayText(), QString(newPassword.size(), QLatin1Char('*')));
    Button(&change, "OKBtn")->click();

    QVERIFY(!change.isVisible());
    QCOMPARE(fixture.Messages, QStringList{QStringLiteral("Password Changed")});
    QCOMPARE(fixture.Data.Access_Password, access);
    QCOMPARE(fixture.Data.Administrator_Password, administrator);
    const Model saved = fixture.Saved();
    QCOMPARE(saved.Access_Password, access);
    QCOMPARE(saved.Administrator_Password, administrator);
    QCOMPARE(saved.Graph_Titles.Week, QString());

    // The new password takes effect for the next check at once.
    QSignalSpy granted(&check, &TPasswordDlg::accessGranted);
    check.Open(1);
    QTest::keyClicks(Entry(&check, "Password"), newPassword);
    Button(&check, "OKBtn")->click();
    QCOMPARE(granted.size(), 1);
}

void Test_Passwords::changeWithDifferingEntriesChangesNothing() {
    Settings_Dialog_Fixture fixture;
    TChange_Pasword_Form change(fixture.Data, *fixture.Store);

    change.Open();
    QTest::keyClicks(Entry(&change, "Password1"), QStringLiteral("one"));
    QTest::keyClicks(Entry(&change, "Password2"), QStringLiteral("One"));
    Button(&change, "OKBtn")->click();

    QVERIFY(!change.isVisible());
    QCOMPARE(fixture.Messages, QStringList{QStringLiteral("Wrong password entered!")});
    QCOMPARE(fixture.Data.Access_Password, QStringLiteral("KIPO"));
    QVERIFY(!fixture.File_Exists());

    // Shown again, both entries start empty.
    change.Open();
    QCOMPARE(Entry(&change, "Password1")->text(), QString());
    QCOMPARE(Entry(&change, "Password2")->text(), QString());
}

void Test_Passwords::changeThatCannotBeWrittenKeepsOldPassword() {
    Settings_Dialog_Fixture fixture;
    fixture.Use_Unwritable_Path();
    TChange_Pasword_Form change(fixture.Data, *fixture.Store);

    change.Open();
    QTest::keyClicks(Entry(&change, "Password1"), QStringLiteral("new"));
    QTest::keyClicks(Entry(&change, "Password2"), QStringLiteral("new"));
    Button(&change, "OKBtn")->click();

    QCOMPARE(fixture.Messages.size(), 1);
    const QStringList lines = fixture.Messages.front().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], QStringLiteral("The settings could not be saved:"));
    QCOMPARE(lines[1], fixture.Store->Path());
    QVERIFY(!lines[2].isEmpty());
    QCOMPARE(fixture.Data.Access_Password, QStringLiteral("KIPO"));
    QCOMPARE(
        fixture.Store->Values().Read_String(QStringLiteral("KESMAR"), QStringLiteral("Torvel"), QString()),
        QStringLiteral("KIPO"));
}

QTEST_MAIN(Test_Passwords)
#include "test_passwords.moc"
