#include "export_fixture.h"

#include "app/export_command.h"
#include "output/table_export.h"
#include "output/windows_1252.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace telvo;

class Test_Table_Export : public QObject {
    Q_OBJECT

private:
    QTemporaryDir Dir;

    QString Settings(const QString &language, bool sunday_first)
    {
        const QString path = Dir.filePath(language + (sunday_first ? "-sunday.ini" : "-monday.ini"));
        if (!QFile::exists(path) && !Write_Export_Settings(path, language, sunday_first))
            return {};
        return path;
    }

    static QByteArray Read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void goldens_data()
    {
        QTest::addColumn<QString>("golden");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("sunday_first");
        QTest::addColumn<QStringList>("arguments");

        // Full, empty and partial rows of every kind; device names with a comma,
        // zone names beyond ASCII, a December day in week 1 of the next year, a
        // quarter period of 14 weeks, a February of 29 days.
        QTest::newRow("day") << "day_english.exp" << "ENGLISH" << false
                             << QStringList{"day", "--row", "04-03-2024|Shop|0", "--row", "||", "--row", "|Shop|",
                                            "--row", "05-03-2024|Mall, North|1"};
        QTest::newRow("week, German, Sunday first")
            << "week_german.exp" << "GERMAN" << true
            << QStringList{"week", "--row", "10-03-2024|Shop|2", "--row", "10-03-2024||", "--row", "||",
                           "--row", "|Shop|0", "--row", "30-12-2024|Shop|0"};
        QTest::newRow("week QF") << "weekqf_english.exp" << "ENGLISH" << false
                                 << QStringList{"weekqf", "--row", "05-03-2024|Shop|1", "--row", "|Shop|0", "--row",
                                                "||", "--row", "07-03-2024|Mall, North|0"};
        QTest::newRow("month, German")
            << "month_german.exp" << "GERMAN" << false
            << QStringList{"month", "--row", "3-2024|Shop|0", "--row", "2-2024|Mall, North|1", "--row", "|Shop|0"};
        QTest::newRow("quarter") << "quarter_english.exp" << "ENGLISH" << false
                                 << QStringList{"quarter", "--row", "1-2024|Shop|0", "--row", "4-1992|Shop|1",
                                                "--row", "||"};
        QTest::newRow("statistics") << "statistics_english.exp" << "ENGLISH" << false
                                    << QStringList{"statistics", "--today", "15-03-2024"};
    }

    void goldens()
    {
        QFETCH(QString, golden);
        QFETCH(QString, language);
        QFETCH(bool, sunday_first);
        QFETCH(QStringList, arguments);

        const QString settings = Settings(language, sunday_first);
        QVERIFY(!settings.isEmpty());
        const QString output = Dir.filePath(golden);
        arguments << "--settings" << settings << "-o" << output;
        const Export_Outcome outcome = Run_Export_Command(arguments, QDate(2024, 3, 15));
        QCOMPARE(outcome.Message, QString());
        QCOMPARE(outcome.Exit_Status, Export_Succeeded);

        const QByteArray expected = Read(QStringLiteral(TELVO_TEST_DATA "/golden/") + golden);
        QVERIFY(!expected.isEmpty());
        const QByteArray actual = Read(output);
        // Line by line first, so a difference names its line.
        const QList<QByteArray> actual_lines = actual.split('\n');
        const QList<QByteArray> expected_lines = expected.split('\n');
        for (qsizetype i = 0; i < qMin(actual_lines.size(), expected_lines.size()); ++i)
            QCOMPARE(actual_lines[i], expected_lines[i]);
        QCOMPARE(actual, expected);
    }

    void windows_1252_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");

        QTest::newRow("ASCII") << "Week: 7, Shop" << QByteArray("Week: 7, Shop");
        QTest::newRow("Latin-1") << QString::fromUtf8("S\u00fcd \u00e9\u00ff\u00a0") << QByteArray("S\xfc" "d \xe9\xff\xa0");
        QTest::newRow("high block") << QString::fromUtf8("\u20ac\u201a\u0160\u2122\u0178")
                                    << QByteArray("\x80\x82\x8a\x99\x9f");
        QTest::newRow("undefined bytes keep their controls") << QString::fromUtf8("\u0081\u008d\u008f\u0090\u009d")
                                                             << QByteArray("\x81\x8d\x8f\x90\x9d");
        QTest::newRow("controls of defined bytes") << QString::fromUtf8("\u0080\u0099") << QByteArray("??");
        QTest::newRow("outside the code page") << QString::fromUtf8("\u0141\u4e2d\u03a9") << QByteArray("???");
        QTest::newRow("one mark per character beyond 16 bits") << QString::fromUtf8("a\U0001F600b")
                                                                << QByteArray("a?b");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + "x" << QByteArray("?x");
    }

    void windows_1252()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(To_Windows_1252(text), bytes);
    }

    void windows_1252_round_trip()
    {
        QByteArray all(256, '\0');
        for (int i = 0; i < 256; ++i)
            all[i] = static_cast<char>(i);
        QCOMPARE(To_Windows_1252(From_Windows_1252(all)), all);
        QCOMPARE(From_Windows_1252("\x80\x8c\xe4"), QString::fromUtf8("\u20ac\u0152\u00e4"));
    }

    void unwritable_path_fails_and_keeps_files()
    {
        // A path below a regular file can never be created, even by root.
        const QString blocker = Dir.filePath("blocker.exp");
        Model model;
        QVERIFY(Statistics_Tabel_Export(blocker, model));
        const QByteArray good = Read(blocker);

        QString error;
        QVERIFY(!Statistics_Tabel_Export(blocker + "/table.exp", model, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(Read(blocker), good);
        QVERIFY(!Write_File_Atomically(Dir.path(), good, &error)); // a directory is no file either
        QVERIFY(!error.isEmpty());
    }

    void export_replaces_previous_file()
    {
        const QString path = Dir.filePath("replaced.exp");
        QVERIFY(Write_File_Atomically(path, QByteArray(5000, 'x')));
        Model model;
        Row_Selections rows;
        QVERIFY(Quart_Tabel_Export(path, model, rows));
        const QByteArray written = Read(path);
        QVERIFY(written.startsWith("Kesmar,Customer,Counting,,Quart data,,\r\n\r\n"));
        QVERIFY(!written.contains('x'));
        QCOMPARE(QDir(Dir.path()).entryList({"replaced.exp*"}, QDir::Files | QDir::Hidden),
                 QStringList{"replaced.exp"});
    }
};

QTEST_GUILESS_MAIN(Test_Table_Export)
#include "test_table_export.moc"
