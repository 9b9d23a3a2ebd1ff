#include "data/day_file.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace telvo;

namespace {

// Header, the six lines the reader skips, then the given record lines, all
// with the given line end.
QByteArray Day_Bytes(const QList<QByteArray> &records, const QByteArray &header = "Telvo",
                     const QByteArray &line_end = "\r\n")
{
    QByteArray bytes = header + line_end;
    for (int i = 2; i <= 7; ++i)
        bytes += "skipped " + QByteArray::number(i) + line_end;
    for (const QByteArray &record : records)
        bytes += record + line_end;
    return bytes;
}

// A record line with the time text in columns 2-6 and the values from column 9.
QByteArray Record(const QByteArray &time, const QByteArray &values)
{
    return " " + time + "  " + values;
}

// Every count of the table as channel -> value for one slot; the test checks
// that all other counts of the table are 0.
using Slot_Counts = QList<int>;

bool Only_Slot_Holds(const Model &model, int slot, const Slot_Counts &expected)
{
    for (int s = 1; s <= Half_Hour_Slots; ++s) {
        if (model.Half_Hour_Table[s].End_Minute != 30 * s) {
            qWarning("slot %d ends at minute %d", s, model.Half_Hour_Table[s].End_Minute);
            return false;
        }
        for (int c = 1; c <= Channel_Count; ++c) {
            const int want = s == slot && c <= expected.size() ? expected[c - 1] : 0;
            if (model.Half_Hour_Table[s].Counts[c] != want) {
                qWarning("slot %d channel %d: %d, expected %d", s, c, model.Half_Hour_Table[s].Counts[c], want);
                return false;
            }
        }
    }
    return true;
}

bool Table_Is_Empty(const Model &model)
{
    return Only_Slot_Holds(model, 1, {});
}

class Test_Day_File : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    Model m_model;

    QString Write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // Reads a good file first so that every test also shows the table is
    // cleared by the read under test.
    void Read_After_Data(const QString &path)
    {
        Read_Day_File(m_model, Write("previous.txt", Day_Bytes({Record("12:00", "9,9,9")}, "previous")));
        QCOMPARE(m_model.Half_Hour_Table[24].Counts[1], 9);
        Read_Day_File(m_model, path);
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void init() { m_model = Model{}; }

    void File_Name_data()
    {
        QTest::addColumn<QString>("dir");
        QTest::addColumn<int>("id");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("expected");

        QTest::newRow("three digits") << "/data" << 7 << QDate(2000, 2, 23) << "/data/DF000223.007";
        QTest::newRow("two-digit id") << "/data" << 45 << QDate(2001, 1, 5) << "/data/DF010105.045";
        QTest::newRow("full id") << "/data" << 123 << QDate(1999, 12, 31) << "/data/DF991231.123";
        QTest::newRow("four-digit id whole") << "/data" << 1234 << QDate(2017, 6, 9) << "/data/DF170609.1234";
        QTest::newRow("largest id") << "/data" << 65535 << QDate(2017, 6, 9) << "/data/DF170609.65535";
        QTest::newRow("slot never set") << "/data" << 0 << QDate(2017, 6, 9) << "/data/DF170609.000";
        QTest::newRow("separator always added") << "/data/" << 7 << QDate(2000, 2, 23) << "/data//DF000223.007";
        QTest::newRow("no directory") << "" << 7 << QDate(2000, 2, 23) << "/DF000223.007";
    }

    void File_Name()
    {
        QFETCH(QString, dir);
        QFETCH(int, id);
        QFETCH(QDate, date);
        QFETCH(QString, expected);
        ID_Record record;
        record.Data_Dir = dir;
        QCOMPARE(Day_File_Name(static_cast<std::uint16_t>(id), record, date), expected);
    }

    void Convert_Value_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("expected");

        QTest::newRow("decimal") << QByteArray("12") << 12;
        QTest::newRow("empty") << QByteArray("") << 0;
        QTest::newRow("leading blank") << QByteArray(" 12") << 12;
        QTest::newRow("trailing blank") << QByteArray("12 ") << 12;
        QTest::newRow("trailing letter") << QByteArray("12a") << 12;
        QTest::newRow("only blanks") << QByteArray("   ") << 0;
        QTest::newRow("plus") << QByteArray("+12") << 12;
        QTest::newRow("minus wraps") << QByteArray("-1") << 65535;
        QTest::newRow("minus after blanks") << QByteArray("  -2") << 65534;
        QTest::newRow("minus ignored before blank") << QByteArray("-1 ") << 1;
        QTest::newRow("minus ignored before letter") << QByteArray("-5x") << 5;
        QTest::newRow("lone sign") << QByteArray("-") << 0;
        QTest::newRow("blank after sign stops") << QByteArray("- 5") << 0;
        QTest::newRow("dollar hex") << QByteArray("$1F") << 31;
        QTest::newRow("x hex") << QByteArray("x1f") << 31;
        QTest::newRow("X hex") << QByteArray("X10") << 16;
        QTest::newRow("0x hex") << QByteArray("0x10") << 16;
        QTest::newRow("0X is decimal 0") << QByteArray("0X10") << 0;
        QTest::newRow("hex stops at non-digit") << QByteArray("$1G") << 1;
        QTest::newRow("hex prefix alone") << QByteArray("$") << 0;
        QTest::newRow("negative hex") << QByteArray("-$10") << 65520;
        QTest::newRow("16-bit wrap") << QByteArray("65536") << 0;
        QTest::newRow("wrap keeps low bits") << QByteArray("70000") << 4464;
        QTest::newRow("beyond 32 bits") << QByteArray("99999999999999999") << 65535;
        QTest::newRow("long hex") << QByteArray("$FFFFFFFFFFFF0012") << 18;
        QTest::newRow("NUL stops") << QByteArray("7\0" "8", 3) << 7;
        QTest::newRow("high byte stops") << QByteArray("7\xff") << 7;
    }

    void Convert_Value()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, expected);
        QCOMPARE(Convert_Day_File_Value(text.constData(), text.constData() + text.size()), expected);
    }

    void Record_Slot_data()
    {
        QTest::addColumn<QByteArray>("time");
        QTest::addColumn<int>("slot");

        QTest::newRow("00:30 ends slot 1") << QByteArray("00:30") << 1;
        QTest::newRow("00:01") << QByteArray("00:01") << 1;
        QTest::newRow("00:31") << QByteArray("00:31") << 2;
        QTest::newRow("08:15") << QByteArray("08:15") << 17;
        QTest::newRow("08:30") << QByteArray("08:30") << 17;
        QTest::newRow("23:59") << QByteArray("23:59") << 48;
        QTest::newRow("24:00") << QByteArray("24:00") << 48;
        QTest::newRow("past midnight") << QByteArray("25:10") << 48;
        QTest::newRow("largest time") << QByteArray("99:99") << 48;
        QTest::newRow("00:00 joins slot 1") << QByteArray("00:00") << 1;
        QTest::newRow("negative time") << QByteArray("-1:00") << 1;
        QTest::newRow("blank-padded hours") << QByteArray(" 8:15") << 17;
        QTest::newRow("hex hours") << QByteArray("$A:00") << 20;
        QTest::newRow("no digits") << QByteArray("ab:cd") << 1;
    }

    void Record_Slot()
    {
        QFETCH(QByteArray, time);
        QFETCH(int, slot);
        Read_Day_File(m_model, Write("slot.txt", Day_Bytes({Record(time, "5,7")})));
        QVERIFY(Only_Slot_Holds(m_model, slot, {5, 7}));
    }

    void Record_Values_data()
    {
        QTest::addColumn<QByteArray>("values");
        QTest::addColumn<Slot_Counts>("expected");

        const Slot_Counts ones(64, 1);
        QByteArray eighty_values = "01"; // so that the 64th comma shares a word with later ones
        for (int i = 2; i <= 80; ++i)
            eighty_values += i <= 64 ? ",1" : ",9";

        QTest::newRow("two values") << QByteArray("5,7") << Slot_Counts{5, 7};
        QTest::newRow("comma at column 9") << QByteArray(",4") << Slot_Counts{0, 4};
        QTest::newRow("empty in between") << QByteArray("1,,3") << Slot_Counts{1, 0, 3};
        QTest::newRow("comma at line end") << QByteArray("1,2,") << Slot_Counts{1, 2};
        QTest::newRow("eight digits") << QByteArray("12345678,9") << Slot_Counts{12345678 % 65536, 9};
        QTest::newRow("nine digits") << QByteArray("123456789,9") << Slot_Counts{123456789 % 65536, 9};
        QTest::newRow("wrapping value") << QByteArray("65537,0") << Slot_Counts{1, 0};
        QTest::newRow("blanks and letters") << QByteArray(" 12,12 ,12a") << Slot_Counts{12, 12, 12};
        QTest::newRow("right-aligned in blanks") << QByteArray("  12,   3, 1 2,    ,7") << Slot_Counts{12, 3, 1, 0, 7};
        QTest::newRow("wide blank padding") << QByteArray("         5,12345678,  65537") << Slot_Counts{5, 24910, 1};
        QTest::newRow("signs") << QByteArray("-1,-1 ,+3") << Slot_Counts{65535, 1, 3};
        QTest::newRow("hex forms") << QByteArray("$1F,x10,X1f,0x10,0X10") << Slot_Counts{31, 16, 31, 16, 0};
        QTest::newRow("all 64 channels") << QByteArray("1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,"
                                                       "1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1")
                                         << ones;
        QTest::newRow("values after the 64th ignored") << eighty_values << ones;
        QTest::newRow("NUL inside a value") << QByteArray("4\0" "4,5", 5) << Slot_Counts{4, 5};
        QTest::newRow("tab is no blank") << QByteArray("\t4,5") << Slot_Counts{0, 5};
    }

    void Record_Values()
    {
        QFETCH(QByteArray, values);
        QFETCH(Slot_Counts, expected);
        Read_Day_File(m_model, Write("values.txt", Day_Bytes({Record("00:30", values)})));
        QVERIFY(Only_Slot_Holds(m_model, 1, expected));
    }

    void Records_Of_One_Slot_Add_Up()
    {
        Read_Day_File(m_model, Write("add.txt", Day_Bytes({Record("08:10", "1,65535"), Record("08:30", "2,2")})));
        QVERIFY(Only_Slot_Holds(m_model, 17, {3, 1}));
    }

    void Header_Kept_Whole()
    {
        const QByteArray header = "Telvo 3.2,ID=007,Qf=95,Name=Caf\xe9 \x01 end";
        Read_Day_File(m_model, Write("header.txt", Day_Bytes({Record("12:00", "1")}, header)));
        QCOMPARE(m_model.Day_File_Header, QString::fromLatin1(header));
        QVERIFY(Only_Slot_Holds(m_model, 24, {1}));
    }

    void Short_Files_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("header");

        QTest::newRow("empty file") << QByteArray() << "";
        QTest::newRow("header without line end") << QByteArray("Head") << "Head";
        QTest::newRow("header only") << QByteArray("Head\r\n") << "Head";
        QTest::newRow("seven lines") << Day_Bytes({}, "Head") << "Head";
        QTest::newRow("record in line 7 is skipped")
            << QByteArray("Head\r\n2\r\n3\r\n4\r\n5\r\n6\r\n 00:30  5,7\r\n") << "Head";
        QTest::newRow("lines shorter than 9") << Day_Bytes({"", " 00:30 ", " 00:30  "}, "Head") << "Head";
    }

    void Short_Files()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, header);
        Read_After_Data(Write("short.txt", bytes));
        QCOMPARE(m_model.Day_File_Header, header);
        QVERIFY(Table_Is_Empty(m_model));
    }

    void Line_Ends_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Slot_Counts>("expected");

        QTest::newRow("CR LF") << Day_Bytes({Record("00:30", "5,7")}, "Head") << Slot_Counts{5, 7};
        QTest::newRow("lone LF") << Day_Bytes({Record("00:30", "5,7")}, "Head", "\n") << Slot_Counts{5, 7};
        QTest::newRow("no line end at the end") << Day_Bytes({}, "Head") + Record("00:30", "5,7") << Slot_Counts{5, 7};
        QTest::newRow("Ctrl-Z ends the data") << Day_Bytes({Record("00:30", "5,7"), "\x1a" + Record("00:30", "1,1")}, "Head")
                                              << Slot_Counts{5, 7};
        QTest::newRow("Ctrl-Z inside a line") << Day_Bytes({Record("00:30", "5,7\x1a,9"), Record("00:30", "1,1")}, "Head")
                                              << Slot_Counts{5, 7};
        QTest::newRow("Ctrl-Z right after a value") << Day_Bytes({Record("00:30", "  5,  7\x1a" "99,9")}, "Head")
                                                    << Slot_Counts{5, 7};
        QTest::newRow("Ctrl-Z right after CR") << Day_Bytes({}, "Head") + Record("00:30", "5,7") + "\r\x1a"
                                               << Slot_Counts{5, 7};
    }

    void Line_Ends()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Slot_Counts, expected);
        Read_Day_File(m_model, Write("line_ends.txt", bytes));
        QCOMPARE(m_model.Day_File_Header, QStringLiteral("Head"));
        QVERIFY(Only_Slot_Holds(m_model, 1, expected));
    }

    void Ctrl_Z_In_Header()
    {
        Read_After_Data(Write("ctrl_z_header.txt", Day_Bytes({Record("00:30", "5")}, "He\x1a" "d")));
        QCOMPARE(m_model.Day_File_Header, QStringLiteral("He"));
        QVERIFY(Table_Is_Empty(m_model));
    }

    void Missing_File_After_Existing()
    {
        ID_Record record;
        record.Data_Dir = m_dir.path();
        const QDate day(2000, 2, 23);
        Write("DF000223.007", Day_Bytes({Record("00:30", "5,7")}, "Head"));
        Read_Day_File(m_model, Day_File_Name(7, record, day));
        QVERIFY(Only_Slot_Holds(m_model, 1, {5, 7}));

        Read_Day_File(m_model, Day_File_Name(7, record, day.addDays(1)));
        QVERIFY(Table_Is_Empty(m_model));
        QVERIFY(m_model.Day_File_Header.isEmpty());
        QCOMPARE(m_model.Half_Hour_Table[48].End_Minute, 1440);
    }

    void Lower_Case_Prefix()
    {
        ID_Record record;
        record.Data_Dir = m_dir.path();
        Write("df170609.012", Day_Bytes({Record("00:30", "3")}, "lower"));
        Read_Day_File(m_model, Day_File_Name(12, record, QDate(2017, 6, 9)));
        QCOMPARE(m_model.Day_File_Header, QStringLiteral("lower"));
        QVERIFY(Only_Slot_Holds(m_model, 1, {3}));

        // The name as given wins when both exist.
        Write("DF170609.012", Day_Bytes({}, "upper"));
        Read_Day_File(m_model, Day_File_Name(12, record, QDate(2017, 6, 9)));
        QCOMPARE(m_model.Day_File_Header, QStringLiteral("upper"));
    }

    void Unusable_Paths_data()
    {
        QTest::addColumn<QString>("path");

        QVERIFY(QDir(m_dir.path()).mkpath("DF000101.001"));
        const QString fifo = m_dir.filePath("DF000102.001");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

        QTest::newRow("missing file") << m_dir.filePath("DF990101.001");
        QTest::newRow("missing directory") << m_dir.filePath("nowhere/DF990101.001");
        QTest::newRow("directory named like a day file") << m_dir.filePath("DF000101.001");
        QTest::newRow("FIFO named like a day file") << fifo;
        QTest::newRow("empty path") << QString();
        QTest::newRow("NUL in the path") << m_dir.filePath(QStringLiteral("previous.txt") + QChar(0) + "x");
    }

    void Unusable_Paths()
    {
        QFETCH(QString, path);
        Read_After_Data(path);
        QVERIFY(Table_Is_Empty(m_model));
        QVERIFY(m_model.Day_File_Header.isEmpty());
    }

    void Unreadable_File()
    {
        const QString path = Write("DF000103.001", Day_Bytes({Record("00:30", "5")}, "Head"));
        QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions{}));
        if (::access(QFile::encodeName(path).constData(), R_OK) == 0)
            QSKIP("file permissions do not apply to this user");
        Read_After_Data(path);
        QVERIFY(Table_Is_Empty(m_model));
        QVERIFY(m_model.Day_File_Header.isEmpty());
    }

    void Random_Bytes_Never_Crash()
    {
        // Arbitrary bytes of every value, including NUL, CR, LF and Ctrl-Z.
        QRandomGenerator random(20170609);
        for (int round = 0; round < 50; ++round) {
            QByteArray bytes(random.bounded(0, 20000), Qt::Uninitialized);
            for (char &byte : bytes)
                byte = static_cast<char>(random.bounded(256));
            Read_Day_File(m_model, Write("random.bin", bytes));
            QCOMPARE(m_model.Half_Hour_Table[1].End_Minute, 30);
        }
    }

    void Megabyte_Lines()
    {
        QByteArray long_values;
        for (int i = 0; i < 1'000'000; ++i)
            long_values += "1,";
        const QByteArray long_digits(3'000'000, '7');
        const QByteArray long_header(2'000'000, 'H');
        Read_Day_File(m_model, Write("long.txt", Day_Bytes({Record("00:30", long_values), Record("01:00", long_digits)},
                                                           long_header)));
        QCOMPARE(m_model.Day_File_Header.size(), long_header.size());
        QCOMPARE(m_model.Half_Hour_Table[1].Counts[64], 1);
        // A run of 3 million sevens wraps like any other value: its low 16 bits.
        QCOMPARE(m_model.Half_Hour_Table[2].Counts[1], 7281);
    }
};

} // namespace

QTEST_GUILESS_MAIN(Test_Day_File)
#include "test_day_file.moc"
