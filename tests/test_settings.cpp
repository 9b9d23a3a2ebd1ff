#include "settings/ini_store.h"
#include "settings/settings_io.h"
#include "settings/settings_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

using namespace telvo;

namespace {

QByteArray Read_File(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Write_File(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// A model as start-up has it when the settings are loaded.
Model Loaded(const Settings_Store &store)
{
    Model model;
    Set_Device_Keys(model);
    Load_Settings(model, store);
    return model;
}

QList<int> Set_Channels(const Zone_Record &zone)
{
    QList<int> set;
    for (int c = 1; c <= Channel_Count; ++c) {
        if (zone.Channels[c])
            set.append(c);
    }
    return set;
}

// Makes writes beyond a size fail with EFBIG, which stops even root.
class File_Size_Limit {
public:
    explicit File_Size_Limit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &Previous);
        Previous_Handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = Previous;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~File_Size_Limit()
    {
        setrlimit(RLIMIT_FSIZE, &Previous);
        std::signal(SIGXFSZ, Previous_Handler);
    }
    File_Size_Limit(const File_Size_Limit &) = delete;
    File_Size_Limit &operator=(const File_Size_Limit &) = delete;

private:
    rlimit Previous{};
    void (*Previous_Handler)(int) = nullptr;
};

} // namespace

class Test_Settings : public QObject {
    Q_OBJECT

private slots:
    void iniRoundTripsAwkwardValues();
    void iniMatchesNamesCaseInsensitively();
    void iniParsesLooseInput();
    void iniSurvivesHostileInput();
    void readInteger_data();
    void readInteger();
    void saveIsAtomicAndPrivate();
    void failedSaveKeepsPreviousFile();
    void defaultPath();

    void freshStoreGivesDefaults();
    void flagRule_data();
    void flagRule();
    void numbersAndHours_data();
    void numbersAndHours();
    void namesAreCut();
    void channelTexts_data();
    void channelTexts();
    void saveWritesEverythingAndKeepsOtherSections();
    void saveSettingsReportsFailure();
};

void Test_Settings::iniRoundTripsAwkwardValues()
{
    const QStringList values = {
        QStringLiteral("C:\\data\\new\\"), QStringLiteral("line one\r\nline two\n"), QStringLiteral("a=b=c"),
        QStringLiteral(" padded "), QStringLiteral("\\r is not a CR"), QStringLiteral(";not a comment"),
        QStringLiteral("[not a section]"), QString(), QStringLiteral("Zoné ümlaut €"),
    };
    Ini_Store store;
    for (int i = 0; i < values.size(); ++i)
        store.Write_String(QStringLiteral("S"), QStringLiteral("V%1").arg(i), values[i]);

    const QByteArray file = store.Serialize();
    QVERIFY(file.contains("V0=C:\\\\data\\\\new\\\\\n"));
    QVERIFY(file.contains("V1=line one\\r\\nline two\\n\n"));
    QCOMPARE(file.count('\n'), values.size() + 1);

    Ini_Store read;
    read.Parse(file);
    for (int i = 0; i < values.size(); ++i)
        QCOMPARE(read.Read_String(QStringLiteral("S"), QStringLiteral("V%1").arg(i), QStringLiteral("missing")),
                 values[i]);
}

void Test_Settings::iniMatchesNamesCaseInsensitively()
{
    Ini_Store store;
    store.Parse("[settings]\nlanguage=DUTCH\n[Other]\nx=1\n");
    QCOMPARE(store.Read_String(QStringLiteral("SETTINGS"), QStringLiteral("Language"), {}), QStringLiteral("DUTCH"));

    // A write replaces the value and gives the names the program's spelling.
    store.Write_String(QStringLiteral("Settings"), QStringLiteral("LANGUAGE"), QStringLiteral("FRENCH"));
    QCOMPARE(store.Serialize(), QByteArray("[Settings]\nLANGUAGE=FRENCH\n\n[Other]\nx=1\n"));
}

void Test_Settings::iniParsesLooseInput()
{
    Ini_Store store;
    store.Parse("\xEF\xBB\xBF"
                "orphan=before any section\r\n"
                "; a comment=with equals\r\n"
                "\r\n"
                "[A]\r\n"
                "  name = value \r\n"
                "no equals sign\n"
                "=no name\n"
                "dup=first\n"
                "dup=second\n"
                "[broken\n"
                "lost=1\n"
                "[]\n"
                "lost2=1\n"
                " [ B ] \n"
                "empty=\n"
                "[a]\n"
                "late=yes");
    QCOMPARE(store.Serialize(), QByteArray("[a]\n"
                                           "name= value \n"
                                           "dup=second\n"
                                           "late=yes\n"
                                           "\n"
                                           "[B]\n"
                                           "empty=\n"));
}

void Test_Settings::iniSurvivesHostileInput()
{
    // Binary bytes, invalid UTF-8 and NULs among good lines.
    QByteArray noise;
    for (int i = 0; i < 4096; ++i)
        noise.append(static_cast<char>((i * 7919) % 256));
    Ini_Store store;
    QByteArray bad("bad=\xFF\xFE", 6);
    bad += '\0';
    bad += "x\n";
    store.Parse(noise + "\n[S]\ngood=1\n" + noise + "\n[S]\n" + bad);
    QCOMPARE(store.Read_Integer(QStringLiteral("S"), QStringLiteral("good"), 0), 1);
    QVERIFY(store.Read_String(QStringLiteral("S"), QStringLiteral("bad"), {}).endsWith(QStringLiteral("x")));

    // Megabytes: one huge value and a quarter million distinct names.
    QByteArray big = "[S]\nhuge=" + QByteArray(4 * 1024 * 1024, 'x') + "\n";
    for (int i = 0; i < 250000; ++i)
        big += "n" + QByteArray::number(i) + "=" + QByteArray::number(i) + "\n";
    store.Parse(big);
    QCOMPARE(store.Read_String(QStringLiteral("S"), QStringLiteral("huge"), {}).size(), 4 * 1024 * 1024);
    QCOMPARE(store.Read_Integer(QStringLiteral("S"), QStringLiteral("N249999"), 0), 249999);
}

void Test_Settings::readInteger_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("plain") << "42" << 42;
    QTest::newRow("plus") << "+42" << 42;
    QTest::newRow("minus") << "-42" << -42;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("largest") << "2147483647" << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << int(-2147483648LL);
    QTest::newRow("too large") << "2147483648" << -1;
    QTest::newRow("too small") << "-2147483649" << -1;
    QTest::newRow("huge") << QString(5000, u'9') << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("sign only") << "-" << -1;
    QTest::newRow("leading blank") << " 42" << -1;
    QTest::newRow("trailing blank") << "42 " << -1;
    QTest::newRow("hexadecimal") << "0x10" << -1;
    QTest::newRow("dollar hex") << "$10" << -1;
    QTest::newRow("exponent") << "1e3" << -1;
    QTest::newRow("letters") << "abc" << -1;
    QTest::newRow("other digits") << QStringLiteral("\u0664\u0662") << -1;
}

void Test_Settings::readInteger()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    Ini_Store store;
    store.Write_String(QStringLiteral("S"), QStringLiteral("N"), text);
    QCOMPARE(store.Read_Integer(QStringLiteral("S"), QStringLiteral("N"), -1), expected);
    QCOMPARE(store.Read_Integer(QStringLiteral("S"), QStringLiteral("missing"), 5), 5);
    QCOMPARE(store.Read_Integer(QStringLiteral("missing"), QStringLiteral("N"), 6), 6);
}

void Test_Settings::saveIsAtomicAndPrivate()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Telvo_View.ini"));
    QVERIFY(Write_File(path, "[Old]\nx=1\n"));
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther));

    Ini_Store store;
    QVERIFY(store.Load(path));
    store.Write_Integer(QStringLiteral("New"), QStringLiteral("y"), 2);
    QString error;
    QVERIFY2(store.Save(path, &error), qPrintable(error));
    QCOMPARE(Read_File(path), QByteArray("[Old]\nx=1\n\n[New]\ny=2\n"));
    struct stat status {};
    QCOMPARE(stat(QFile::encodeName(path).constData(), &status), 0);
    QCOMPARE(status.st_mode & 0777, 0600u);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Telvo_View.ini")});

    // A missing file is an empty store; a path that cannot be read as a file is an error.
    QVERIFY(store.Load(dir.filePath(QStringLiteral("absent.ini"))));
    QCOMPARE(store.Serialize(), QByteArray());
    QVERIFY(!store.Load(dir.path(), &error));
    QVERIFY(!error.isEmpty());
}

void Test_Settings::failedSaveKeepsPreviousFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Telvo_View.ini"));
    const QByteArray previous = "[Settings]\nLANGUAGE=GERMAN\n";
    QVERIFY(Write_File(path, previous));

    Ini_Store store;
    store.Write_String(QStringLiteral("S"), QStringLiteral("big"), QString(256 * 1024, u'x'));
    QString error;
    {
        const File_Size_Limit limit(64 * 1024);
        QVERIFY(!store.Save(path, &error));
    }
    QVERIFY(!error.isEmpty());
    QCOMPARE(Read_File(path), previous);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Telvo_View.ini")});

    // A path below a regular file can never be written.
    const QString blocked = path + QStringLiteral("/Telvo_View.ini");
    error.clear();
    QVERIFY(!store.Save(blocked, &error));
    QVERIFY(!error.isEmpty());
    error.clear();
    QVERIFY(!Settings_Store(blocked).Commit(&error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(Read_File(path), previous);
}

void Test_Settings::defaultPath()
{
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/config/home");
    QCOMPARE(Settings_Store::Default_Path(), QStringLiteral("/config/home/Telvo_View.ini"));
    qputenv("XDG_CONFIG_HOME", "relative/dir");
    QCOMPARE(Settings_Store::Default_Path(), QDir::homePath() + QStringLiteral("/.config/Telvo_View.ini"));
    qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(Settings_Store::Default_Path(), QDir::homePath() + QStringLiteral("/.config/Telvo_View.ini"));
    qputenv("XDG_CONFIG_HOME", saved);

    // Commit creates the missing directory of the file.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a/b/Telvo_View.ini"));
    Settings_Store store(path);
    store.Values().Write_Integer(QStringLiteral("S"), QStringLiteral("x"), 1);
    QString error;
    QVERIFY2(store.Commit(&error), qPrintable(error));
    QCOMPARE(Settings_Store(path).Values().Read_Integer(QStringLiteral("S"), QStringLiteral("x"), 0), 1);
}

void Test_Settings::freshStoreGivesDefaults()
{
    QTemporaryDir dir;
    const Model model = Loaded(Settings_Store(dir.filePath(QStringLiteral("none.ini"))));
    QCOMPARE(model.Language, QStringLiteral("ENGLISH"));
    for (int slot = 1; slot <= Device_Slots; ++slot) {
        QCOMPARE(int(model.ID_Numbers[slot]), 0);
        QVERIFY(model.ID_Names[slot].isEmpty());
        const ID_Record &record = model.ID_Records[slot];
        QVERIFY(record.Data_Dir.isEmpty());
        for (int zone = 0; zone < Zones_Per_Device; ++zone) {
            QVERIFY(Set_Channels(record.Zones[zone]).isEmpty());
            if (zone > 0)
                QCOMPARE(record.Zones[zone].Name, QStringLiteral("Zone %1").arg(zone));
        }
    }
    QCOMPARE(model.Graph_Titles.Day_Tab1, QString());
    QCOMPARE(model.Graph_Titles.Quarter, QString());
    QVERIFY(!model.Enable_Day_Tab1);
    QVERIFY(!model.Enable_Day_Tab2);
    QVERIFY(!model.Enable_Day_Balance);
    QVERIFY(!model.Sunday_Is_Day_One);
    QVERIFY(model.Monday_Is_Day_One);
    QCOMPARE(model.Access_Password, QStringLiteral("KIPO"));
    QCOMPARE(model.Administrator_Password, QStringLiteral("TOLVARIXEN"));
    QCOMPARE(int(model.From_Hour), 8);
    QCOMPARE(int(model.To_Hour), 22);
}

void Test_Settings::flagRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");
    QTest::newRow("0") << "0" << false;
    QTest::newRow("1") << "1" << true;
    QTest::newRow("yes") << "yes" << true;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("00") << "00" << true;
    QTest::newRow("blank 0") << " 0" << true;
}

void Test_Settings::flagRule()
{
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QTemporaryDir dir;
    Settings_Store store(dir.filePath(QStringLiteral("s.ini")));
    for (const char *name : {"Enable_Day_Tab1", "Enable_Day_Tab2", "Enable_Day_Balance", "Sunday_Is_Day_One",
                             "Monday_Is_Day_One"})
        store.Values().Write_String(QStringLiteral("day_view_settings"), QLatin1String(name), text);
    const Model model = Loaded(store);
    QCOMPARE(model.Enable_Day_Tab1, expected);
    QCOMPARE(model.Enable_Day_Tab2, expected);
    QCOMPARE(model.Enable_Day_Balance, expected);
    QCOMPARE(model.Sunday_Is_Day_One, expected);
    QCOMPARE(model.Monday_Is_Day_One, expected);
}

void Test_Settings::numbersAndHours_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("id_number");
    QTest::addColumn<int>("from_hour");
    QTest::newRow("abc") << "abc" << 0 << 8;
    QTest::newRow("9") << "9" << 9 << 9;
    QTest::newRow("0") << "0" << 0 << 0;
    QTest::newRow("24") << "24" << 24 << 24;
    QTest::newRow("25") << "25" << 25 << 8;
    QTest::newRow("999") << "999" << 999 << 8;
    QTest::newRow("low 16 bits") << "65545" << 9 << 9;
    QTest::newRow("-1") << "-1" << 65535 << 8;
    QTest::newRow("beyond 32 bits") << "4294967305" << 0 << 8;
}

void Test_Settings::numbersAndHours()
{
    QFETCH(QString, text);
    QFETCH(int, id_number);
    QFETCH(int, from_hour);
    QTemporaryDir dir;
    Settings_Store store(dir.filePath(QStringLiteral("s.ini")));
    store.Values().Write_String(QStringLiteral("ID3"), QStringLiteral("ID3"), text);
    store.Values().Write_String(QStringLiteral("Print_Setting"), QStringLiteral("From_Hour"), text);
    const Model model = Loaded(store);
    QCOMPARE(int(model.ID_Numbers[3]), id_number);
    QCOMPARE(int(model.From_Hour), from_hour);
    QCOMPARE(int(model.To_Hour), 22);
}

void Test_Settings::namesAreCut()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.ini"));
    Settings_Store store(path);
    const QString long_name = QStringLiteral("N").repeated(50);
    store.Values().Write_String(QStringLiteral("ID1"), QStringLiteral("ID1_Name"), long_name);
    store.Values().Write_String(QStringLiteral("ID2"), QStringLiteral("ID2_Zone3"), QStringLiteral("Z").repeated(35));
    // A character outside the basic plane straddling the cut is dropped whole.
    store.Values().Write_String(QStringLiteral("ID4"), QStringLiteral("ID4_Name"),
                                QStringLiteral("a").repeated(39) + QStringLiteral("\U0001F600b"));

    const Model model = Loaded(store);
    QCOMPARE(model.ID_Names[1], long_name.left(40));
    QCOMPARE(model.ID_Records[2].Zones[3].Name, QStringLiteral("Z").repeated(30));
    QCOMPARE(model.ID_Names[4], QStringLiteral("a").repeated(39));

    QVERIFY(Save_Settings(model, store));
    QCOMPARE(Settings_Store(path).Values().Read_String(QStringLiteral("ID1"), QStringLiteral("ID1_Name"), {}),
             long_name.left(40));
}

void Test_Settings::channelTexts_data()
{
    // Every case starts from channels 2, 3 and 64 set, so "left as it was" shows.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("expected");
    const QList<int> before = {2, 3, 64};
    QTest::newRow("final item without comma") << "1,1,0" << QList<int>{1, 2, 3, 64};
    QTest::newRow("unknown item") << "1,x,1," << QList<int>{1, 2, 3, 64};
    QTest::newRow("clears") << "0,0,0," << QList<int>{64};
    QTest::newRow("empty") << "" << before;
    QTest::newRow("no comma") << "1" << before;
    QTest::newRow("blanks are not items") << " 1,1 ,0," << QList<int>{2, 64};
    QTest::newRow("empty items") << ",,1," << QList<int>{2, 3, 64};
    QList<int> all;
    for (int c = 1; c <= Channel_Count; ++c)
        all.append(c);
    QTest::newRow("64 items") << QStringLiteral("1,").repeated(64) << all;
    QTest::newRow("items beyond 64 ignored") << QStringLiteral("1,").repeated(64) + QStringLiteral("0,0,1,") << all;
    QTest::newRow("long text") << QStringLiteral("0,").repeated(100000) << QList<int>{};
}

void Test_Settings::channelTexts()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, expected);
    ID_Record record;
    record.Key = QStringLiteral("ID2");
    for (Zone_Record &zone : record.Zones) {
        zone.Channels[2] = true;
        zone.Channels[3] = true;
        zone.Channels[64] = true;
    }
    Ini_Store values;
    values.Write_String(QStringLiteral("id2"), QStringLiteral("ID2_ZONE3_DEF"), text);
    Load_Zone_Channels(record, values);
    QCOMPARE(Set_Channels(record.Zones[3]), expected);
    QCOMPARE(Set_Channels(record.Zones[0]), (QList<int>{2, 3, 64}));
}

void Test_Settings::saveWritesEverythingAndKeepsOtherSections()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Telvo_View.ini"));
    QVERIFY(Write_File(path, "[Day_Tab]\nDate_1=01-02-2003\n"));
    Settings_Store store(path);

    Model model = Loaded(store);
    model.Language = QStringLiteral("DUTCH");
    model.ID_Numbers[2] = 65535;
    model.ID_Names[2] = QStringLiteral("Entrance = main\\north");
    model.ID_Records[2].Data_Dir = QStringLiteral("/data/entrance\n");
    model.ID_Records[2].Zones[5].Name = QStringLiteral("Back door");
    model.ID_Records[2].Zones[0].Channels[1] = true;
    model.ID_Records[2].Zones[0].Channels[3] = true;
    model.ID_Records[5].Zones[4].Channels[64] = true;
    model.Graph_Titles = {QStringLiteral("t1"), QStringLiteral("t2"), QStringLiteral("w"),
                          QStringLiteral("qf"), QStringLiteral("m"), QStringLiteral("q")};
    model.Enable_Day_Tab1 = true;
    model.Enable_Day_Balance = true;
    model.Sunday_Is_Day_One = true;
    model.Monday_Is_Day_One = false;
    model.Access_Password = QStringLiteral("p=1");
    model.Administrator_Password = QString();
    model.From_Hour = 0;
    model.To_Hour = 24;
    QString error;
    QVERIFY2(Save_Settings(model, store, &error), qPrintable(error));

    const Settings_Store reread(path);
    const Ini_Store &values = reread.Values();
    QCOMPARE(values.Read_String(QStringLiteral("Day_Tab"), QStringLiteral("Date_1"), {}), QStringLiteral("01-02-2003"));
    for (int slot = 1; slot <= Device_Slots; ++slot) {
        const QString key = QStringLiteral("ID%1").arg(slot);
        for (const char *suffix : {"_Total", "_Zone1_def", "_Zone2_def", "_Zone3_def", "_Zone4_def", "_Zone5_def"})
            QCOMPARE(values.Read_String(key, key + QLatin1String(suffix), {}).size(), 128);
    }
    QCOMPARE(values.Read_String(QStringLiteral("ID2"), QStringLiteral("ID2_Total"), {}),
             QStringLiteral("1,0,1,") + QStringLiteral("0,").repeated(61));
    QCOMPARE(values.Read_String(QStringLiteral("ID2"), QStringLiteral("ID2"), {}), QStringLiteral("65535"));
    QCOMPARE(values.Read_String(QStringLiteral("Day_View_Settings"), QStringLiteral("Enable_Day_Tab2"), {}),
             QStringLiteral("0"));
    QCOMPARE(values.Read_String(QStringLiteral("Day_View_Settings"), QStringLiteral("Sunday_Is_Day_One"), {}),
             QStringLiteral("1"));

    const QByteArray file = Read_File(path);
    QVERIFY(file.contains("[KESMAR]\nTorvel=p=1\nDrumo=\n"));
    QVERIFY(file.contains("[Print_Setting]\nFrom_Hour=0\nTo_Hour=24\n"));

    Model again;
    Set_Device_Keys(again);
    Load_Settings(again, reread);
    QCOMPARE(again.Language, model.Language);
    QCOMPARE(again.ID_Numbers, model.ID_Numbers);
    QCOMPARE(again.ID_Names, model.ID_Names);
    for (int slot = 1; slot <= Device_Slots; ++slot) {
        QCOMPARE(again.ID_Records[slot].Data_Dir, model.ID_Records[slot].Data_Dir);
        for (int zone = 0; zone < Zones_Per_Device; ++zone) {
            QCOMPARE(again.ID_Records[slot].Zones[zone].Channels, model.ID_Records[slot].Zones[zone].Channels);
            if (zone > 0)
                QCOMPARE(again.ID_Records[slot].Zones[zone].Name, model.ID_Records[slot].Zones[zone].Name);
        }
    }
    QCOMPARE(again.Graph_Titles.Week_QF, QStringLiteral("qf"));
    QCOMPARE(again.Graph_Titles.Quarter, QStringLiteral("q"));
    QVERIFY(again.Enable_Day_Tab1 && !again.Enable_Day_Tab2 && again.Enable_Day_Balance);
    QVERIFY(again.Sunday_Is_Day_One && !again.Monday_Is_Day_One);
    QCOMPARE(again.Access_Password, model.Access_Password);
    QCOMPARE(again.Administrator_Password, QString());
    QCOMPARE(int(again.From_Hour), 0);
    QCOMPARE(int(again.To_Hour), 24);
}

void Test_Settings::saveSettingsReportsFailure()
{
    QTemporaryDir dir;
    const QString file_path = dir.filePath(QStringLiteral("plain"));
    QVERIFY(Write_File(file_path, "x"));
    Settings_Store store(file_path + QStringLiteral("/Telvo_View.ini"));
    const Model model = Loaded(store);
    QString error;
    QVERIFY(!Save_Settings(model, store, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(Read_File(file_path), QByteArray("x"));
}

QTEST_GUILESS_MAIN(Test_Settings)
#include "test_settings.moc"
