#include "export_fixture.h"

#include "app/export_command.h"

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace telvo;

class Test_Export_Command : public QObject {
    Q_OBJECT

private:
    QTemporaryDir Dir;
    QString Settings_Path;

    static QByteArray Read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The line of a written day or week export that holds a row (lines 1..).
    static QByteArray Line(const QString &path, int line)
    {
        QByteArray text = Read(path).split('\n').value(line - 1);
        if (text.endsWith('\r'))
            text.chop(1);
        return text;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(Dir.isValid());
        Settings_Path = Dir.filePath("settings.ini");
        QVERIFY(Write_Export_Settings(Settings_Path, "ENGLISH", false));
        QFile blocker(Dir.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }

    void arguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");

        const QString settings = Settings_Path;
        const QString out = Dir.filePath("out.exp");
        const auto row = [](const char *text) { return QStringList{"--row", text}; };
        const QStringList day = {"day", "--settings", settings, "-o", out};
        const QStringList month = {"month", "--settings", settings, "-o", out};
        const QStringList quarter = {"quarter", "--settings", settings, "-o", out};
        const QStringList statistics = {"statistics", "--settings", settings, "-o", out};

        QTest::newRow("day") << day + row("04-03-2024|Shop|0") << 0 << "";
        QTest::newRow("one-digit day and month") << day + row("4-3-2024|Shop|0") << 0 << "";
        QTest::newRow("options before the view") << QStringList{"-o", out, "--settings", settings, "week"} << 0 << "";
        QTest::newRow("five rows") << day + row("||") + row("||") + row("||") + row("||") + row("||") << 0 << "";
        QTest::newRow("statistics location") << statistics + QStringList{"--location", "5", "--today", "29-02-2024"}
                                             << 0 << "";

        QTest::newRow("no arguments") << QStringList{} << 2 << "missing VIEW";
        QTest::newRow("unknown view") << QStringList{"year", "-o", out} << 2 << "unknown view 'year'";
        QTest::newRow("view in capitals") << QStringList{"DAY", "-o", out} << 2 << "unknown view 'DAY'";
        QTest::newRow("two views") << day + QStringList{"week"} << 2 << "unexpected argument 'week'";
        QTest::newRow("unknown option") << day + QStringList{"--verbose"} << 2 << "unknown option '--verbose'";
        QTest::newRow("missing -o") << QStringList{"day", "--settings", settings} << 2 << "missing -o FILE";
        QTest::newRow("empty --pdf") << day + QStringList{"--pdf", ""} << 2 << "--pdf needs a file name";
        QTest::newRow("empty --bmp") << day + QStringList{"--bmp", ""} << 2 << "--bmp needs a file name";
        QTest::newRow("--bmp on statistics") << statistics + QStringList{"--bmp", Dir.filePath("s.bmp")} << 2
                                             << "--bmp does not apply to the statistics view";
        QTest::newRow("--comment without --pdf") << day + QStringList{"--comment", "x"} << 2
                                                 << "--comment applies to the report of --pdf only";
        QTest::newRow("--comment on statistics")
            << statistics + QStringList{"--pdf", Dir.filePath("s.pdf"), "--comment", "x"} << 2
            << "--comment does not apply to the statistics view";
        QTest::newRow("--pdf twice") << day + QStringList{"--pdf", "a.pdf", "--pdf", "b.pdf"} << 2
                                     << "--pdf is given more than once";
        QTest::newRow("empty -o") << QStringList{"day", "-o", ""} << 2 << "missing -o FILE";
        QTest::newRow("-o without value") << QStringList{"day", "-o"} << 2 << "-o needs a value";
        QTest::newRow("-o twice") << day + QStringList{"-o", out} << 2 << "-o is given more than once";
        QTest::newRow("row without separators") << day + row("04-03-2024") << 2 << "'04-03-2024' is not PERIOD|DEVICE|ZONE";
        QTest::newRow("row with one separator") << day + row("04-03-2024|0") << 2 << "is not PERIOD|DEVICE|ZONE";
        QTest::newRow("date not in the calendar") << day + row("30-02-2024|Shop|0") << 2 << "date '30-02-2024'";
        QTest::newRow("date year first") << day + row("2024-03-04|Shop|0") << 2 << "date '2024-03-04'";
        QTest::newRow("date before 1900") << day + row("31-12-1899|Shop|0") << 2 << "date '31-12-1899'";
        QTest::newRow("date with two-digit year") << day + row("04-03-24|Shop|0") << 2 << "date '04-03-24'";
        QTest::newRow("week date") << QStringList{"week", "-o", out, "--row", "x|Shop|0"} << 2 << "date 'x'";
        QTest::newRow("month 13") << month + row("13-2024|Shop|0") << 2 << "month '13-2024'";
        QTest::newRow("month 0") << month + row("0-2024|Shop|0") << 2 << "month '0-2024'";
        QTest::newRow("month as a date") << month + row("01-03-2024|Shop|0") << 2 << "month '01-03-2024'";
        QTest::newRow("period 5") << quarter + row("5-2024|Shop|0") << 2 << "period '5-2024'";
        QTest::newRow("period without year") << quarter + row("1|Shop|0") << 2 << "period '1'";
        QTest::newRow("zone 6") << day + row("04-03-2024|Shop|6") << 2 << "zone '6' is not 0..5";
        QTest::newRow("zone -1") << day + row("04-03-2024|Shop|-1") << 2 << "zone '-1'";
        QTest::newRow("zone 00") << day + row("04-03-2024|Shop|00") << 2 << "zone '00'";
        QTest::newRow("six rows") << day + row("||") + row("||") + row("||") + row("||") + row("||") + row("||")
                                  << 2 << "more than 5 --row";
        QTest::newRow("location 0") << statistics + QStringList{"--location", "0"} << 2 << "--location '0' is not 1..5";
        QTest::newRow("location 6") << statistics + QStringList{"--location", "6"} << 2 << "--location '6'";
        QTest::newRow("location word") << statistics + QStringList{"--location", "one"} << 2 << "--location 'one'";
        QTest::newRow("location on a day export") << day + QStringList{"--location", "1"} << 2
                                                  << "--location applies to the statistics view only";
        QTest::newRow("rows on statistics") << statistics + row("||") << 2 << "--row does not apply";
        QTest::newRow("today malformed") << statistics + QStringList{"--today", "2024"} << 2 << "--today '2024'";
        QTest::newRow("settings missing") << QStringList{"day", "-o", out, "--settings", Dir.filePath("none.ini")}
                                          << 2 << "none.ini': no such file";
        QTest::newRow("settings is a directory") << QStringList{"day", "-o", out, "--settings", Dir.path()} << 2
                                                 << "not a regular file";
        QTest::newRow("settings empty") << QStringList{"day", "-o", out, "--settings", ""} << 2
                                        << "--settings needs a file name";

        const QString unwritable = Dir.filePath("blocker/out.exp");
        QTest::newRow("output below a file") << QStringList{"day", "--settings", settings, "-o", unwritable} << 1
                                             << "cannot write " + unwritable + ": ";
        QTest::newRow("output is a directory") << QStringList{"month", "--settings", settings, "-o", Dir.path()}
                                               << 1 << "cannot write " + Dir.path();
        const QString unwritable_pdf = Dir.filePath("blocker/out.pdf");
        QTest::newRow("report below a file") << QStringList{"day", "--settings", settings, "--pdf", unwritable_pdf} << 1
                                             << "cannot write " + unwritable_pdf + ": ";
        const QString unwritable_bmp = Dir.filePath("blocker/out.bmp");
        QTest::newRow("bitmap below a file") << QStringList{"day", "--settings", settings, "--bmp", unwritable_bmp} << 1
                                             << "cannot write " + unwritable_bmp + ": ";
    }

    void arguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);

        QFile::remove(Dir.filePath("out.exp"));
        const Export_Outcome outcome = Run_Export_Command(arguments, QDate(2024, 3, 15));
        QCOMPARE(outcome.Exit_Status, status);
        if (status == Export_Succeeded) {
            QCOMPARE(outcome.Message, QString());
            QVERIFY(Read(Dir.filePath("out.exp")).startsWith("Kesmar,Customer,Counting,,"));
            return;
        }
        QVERIFY2(outcome.Message.startsWith("telvo-export: ") && outcome.Message.contains(message),
                 qPrintable(outcome.Message));
        QVERIFY(!outcome.Message.contains('\n'));
        QVERIFY(!QFile::exists(Dir.filePath("out.exp")));
    }

    void device_between_first_and_last_separator()
    {
        const QString out = Dir.filePath("gate.exp");
        const Export_Outcome outcome = Run_Export_Command(
            {"day", "--settings", Settings_Path, "-o", out, "--row", "04-03-2024|Gate|East|0", "--row", "||4"},
            QDate(2024, 3, 15));
        QCOMPARE(outcome.Exit_Status, Export_Succeeded);
        QCOMPARE(Line(out, 4), "04-03-2024, Gate|East, Totals in" + QByteArray(",0").repeated(25));
        // No device names the slots without a name: their zones, no data.
        QCOMPARE(Line(out, 5), ", , Zone 4" + QByteArray(",0").repeated(25));
    }

    void today_sets_the_statistics_year()
    {
        const QString out = Dir.filePath("statistics.exp");
        const QStringList arguments = {"statistics", "--settings", Settings_Path, "-o", out, "--location", "1"};
        QCOMPARE(Run_Export_Command(arguments + QStringList{"--today", "01-06-2024"}, QDate(2030, 1, 1)).Exit_Status,
                 Export_Succeeded);
        QCOMPARE(Line(out, 6), "Week 01,15,15,10,10,+50,+50,");
        // A year later those weeks are last year's; 31-12-2024 lies in week 1 of 2025.
        QCOMPARE(Run_Export_Command(arguments, QDate(2025, 6, 1)).Exit_Status, Export_Succeeded);
        QCOMPARE(Line(out, 6), "Week 01,2,2,15,15,-86,-86,");
    }

    // -o is not needed with --pdf or --bmp; the report carries the rows and the
    // comment, the bitmap is the view's chart.
    void report_and_chart_bitmap()
    {
        const QString pdf = Dir.filePath("week.pdf");
        const QString bmp = Dir.filePath("week.bmp");
        const Export_Outcome outcome =
            Run_Export_Command({"week", "--settings", Settings_Path, "--row", "05-03-2024|Shop|0", "--pdf", pdf,
                                "--bmp", bmp, "--comment", "Door 3 closed on Tuesday"},
                               QDate(2024, 3, 15));
        QCOMPARE(outcome.Exit_Status, Export_Succeeded);
        QVERIFY(Read(pdf).startsWith("%PDF"));
        QVERIFY(Read(bmp).startsWith("BM"));
        QImage chart(bmp);
        QVERIFY(!chart.isNull());
        QVERIFY(chart.width() > 0 && chart.height() > 0);

        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QProcess text;
        text.start(pdftotext, {"-layout", pdf, "-"});
        QVERIFY(text.waitForFinished());
        const QString content = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(content.contains("Week: 10, 2024, Shop, Totals in"), qPrintable(content));
        QVERIFY2(content.contains("Door 3 closed on Tuesday"), qPrintable(content));
    }

    void statistics_report_without_exp()
    {
        const QString pdf = Dir.filePath("statistics.pdf");
        QCOMPARE(Run_Export_Command({"statistics", "--settings", Settings_Path, "--today", "01-06-2024", "--pdf", pdf},
                                    QDate(2024, 3, 15))
                     .Exit_Status,
                 Export_Succeeded);
        QVERIFY(Read(pdf).startsWith("%PDF"));
    }

    void default_settings_location()
    {
        // The test's private configuration directory holds no settings file:
        // every setting takes its default and no device has a name.
        const QString out = Dir.filePath("default.exp");
        const Export_Outcome outcome = Run_Export_Command({"statistics", "-o", out}, QDate(2024, 3, 15));
        QCOMPARE(outcome.Exit_Status, Export_Succeeded);
        QCOMPARE(Line(out, 3), QByteArray());
        QCOMPARE(Line(out, 5).left(21), "Week,This Year Week t");
    }
};

QTEST_MAIN(Test_Export_Command)
#include "test_export_command.moc"
