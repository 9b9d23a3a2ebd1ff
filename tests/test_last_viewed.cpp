#include "settings/last_viewed.h"

#include "data/calendar.h"
#include "data/selection_texts.h"

#include <QTemporaryDir>
#include <QTest>

using namespace telvo;

namespace {

const QDate Today(2024, 5, 6);

constexpr auto Day = static_cast<std::size_t>(Row_Page::Day);
constexpr auto Week = static_cast<std::size_t>(Row_Page::Week);
constexpr auto Quarter = static_cast<std::size_t>(Row_Page::Quarter);
constexpr auto Month = static_cast<std::size_t>(Row_Page::Month);

// Slot 4 was never numbered but carries a name, so device number 0 has a name.
Model With_Devices()
{
    Model model;
    Set_Device_Keys(model);
    model.Monday_Is_Day_One = true;
    const std::array<std::pair<std::uint16_t, const char *>, Device_Slots> devices = {{
        {12, "Entrance"}, {7, "Hall"}, {30, "Side door"}, {0, "Spare"}, {9, "Exit"},
    }};
    for (int slot = 1; slot <= Device_Slots; ++slot) {
        model.ID_Numbers[slot] = devices[slot - 1].first;
        model.ID_Names[slot] = QLatin1String(devices[slot - 1].second);
    }
    return model;
}

} // namespace

class Test_Last_Viewed : public QObject {
    Q_OBJECT

private slots:
    void firstStartLeavesRowsEmpty();
    void roundTrip();
    void storedValuesAreNarrowed();
    void invalidDateTexts_data();
    void invalidDateTexts();
    void weekRowRestore_data();
    void weekRowRestore();
    void failedSaveIsReported();
};

void Test_Last_Viewed::firstStartLeavesRowsEmpty()
{
    QTemporaryDir dir;
    Model model;
    Set_Device_Keys(model);
    Load_Last_Viewed(model, Settings_Store(dir.filePath(QStringLiteral("none.ini"))), Today);
    for (int k = 1; k <= Rows_Per_View; ++k) {
        QVERIFY(model.Day_Date_Texts[k].isEmpty());
        QVERIFY(model.Week_Date_Texts[k].isEmpty());
        QCOMPARE(model.Day_Dates[k], Today);
        QCOMPARE(model.Week_Dates[k], Today);
        for (std::size_t page = 0; page < Row_Page_Count; ++page) {
            QVERIFY(model.Row_ID_Names[page][k].isEmpty());
            QCOMPARE(model.Row_Zone_Indexes[page][k], 0);
        }
        QCOMPARE(int(model.Quarter_Results[k].Year), 0);
        QCOMPARE(int(model.Quarter_Results[k].Period), 0);
        QCOMPARE(int(model.Month_Results[k].Year), 0);
        QCOMPARE(int(model.Month_Results[k].Month), 0);
    }
}

void Test_Last_Viewed::roundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Telvo_View.ini"));
    Settings_Store store(path);
    store.Values().Write_String(QStringLiteral("Settings"), QStringLiteral("LANGUAGE"), QStringLiteral("FRENCH"));

    Model model = With_Devices();
    model.Day_Dates[1] = QDate(2001, 3, 5);
    model.Day_Date_Texts[1] = QStringLiteral("05-03-2001");
    model.Day_Dates[2] = QDate(2001, 6, 1); // picked, then cleared
    model.Week_Dates[1] = QDate(2002, 12, 30);
    model.Week_Date_Texts[1] = Make_Week_Date_Text(model, model.Week_Dates[1]);
    QCOMPARE(model.Week_Date_Texts[1], QStringLiteral("30-12-2003"));
    model.Week_Dates[5] = QDate(2005, 6, 15);
    model.Week_Date_Texts[5] = QStringLiteral("15-06-2005");
    model.Quarter_Results[2] = Quarter_Result{2004, 3, {}, 0};
    model.Month_Results[4].Year = 2010;
    model.Month_Results[4].Month = 11;

    Last_Viewed_Rows rows;
    for (auto &zones : rows.Zone_Indexes)
        zones.Fill(-1);
    rows.Device_Texts[Day][1] = QStringLiteral("Hall");
    rows.Zone_Indexes[Day][1] = 2;
    rows.Device_Texts[Day][2] = QStringLiteral("Hall"); // device without a zone
    rows.Device_Texts[Day][3] = QStringLiteral("Typed by hand");
    rows.Zone_Indexes[Day][3] = 4;
    rows.Device_Texts[Week][1] = QStringLiteral("Exit");
    rows.Zone_Indexes[Week][1] = 0;
    rows.Device_Texts[Quarter][2] = QStringLiteral("Side door");
    rows.Zone_Indexes[Quarter][2] = 5;
    rows.Device_Texts[Month][4] = QStringLiteral("Entrance");
    rows.Zone_Indexes[Month][4] = 1;

    QString error;
    QVERIFY2(Save_Last_Viewed(model, rows, store, &error), qPrintable(error));

    const Settings_Store reread(path);
    const Ini_Store &values = reread.Values();
    QCOMPARE(values.Read_String(QStringLiteral("Settings"), QStringLiteral("LANGUAGE"), {}), QStringLiteral("FRENCH"));
    QCOMPARE(values.Read_Integer(QStringLiteral("Day_Tab"), QStringLiteral("ID3"), -1), 0);
    QCOMPARE(values.Read_String(QStringLiteral("Week_Tab"), QStringLiteral("Date_1"), {}), QStringLiteral("30-12-2003"));
    QCOMPARE(values.Read_String(QStringLiteral("Week_Tab"), QStringLiteral("Picked_1"), {}), QStringLiteral("30-12-2002"));
    const QByteArray file = reread.Values().Serialize();
    QVERIFY(file.contains("[Quart_Tab]\nYear_1=0\nPer_1=0\nYear_2=2004\nPer_2=3\n"));
    QCOMPARE(file.count('='), 70 + 5 + 1); // every row value, the picked days, the language

    // The slot keeps its number under a new name: the rows follow the device.
    Model restored = With_Devices();
    restored.ID_Names[2] = QStringLiteral("Main hall");
    Load_Last_Viewed(restored, reread, Today);

    QCOMPARE(restored.Day_Date_Texts[1], QStringLiteral("05-03-2001"));
    QCOMPARE(restored.Day_Dates[1], QDate(2001, 3, 5));
    QCOMPARE(restored.Day_Date_Texts[2], QString());
    QCOMPARE(restored.Day_Dates[2], Today);
    QCOMPARE(restored.Week_Date_Texts[1], QStringLiteral("30-12-2003"));
    QCOMPARE(restored.Week_Dates[1], QDate(2002, 12, 30));
    QCOMPARE(restored.Week_Dates[5], QDate(2005, 6, 15));

    QCOMPARE(restored.Row_ID_Names[Day][1], QStringLiteral("Main hall"));
    QCOMPARE(restored.Row_Zone_Indexes[Day][1], 2);
    QCOMPARE(restored.Row_ID_Names[Day][2], QStringLiteral("Main hall"));
    QCOMPARE(restored.Row_Zone_Indexes[Day][2], -1);
    QCOMPARE(restored.Row_ID_Names[Day][3], QStringLiteral("Spare"));
    QCOMPARE(restored.Row_ID_Names[Week][1], QStringLiteral("Exit"));
    QCOMPARE(restored.Row_Zone_Indexes[Week][1], 0);
    QCOMPARE(restored.Row_ID_Names[Quarter][2], QStringLiteral("Side door"));
    QCOMPARE(restored.Row_Zone_Indexes[Quarter][2], 5);
    QCOMPARE(restored.Row_ID_Names[Month][4], QStringLiteral("Entrance"));
    QCOMPARE(restored.Row_Zone_Indexes[Month][4], 1);
    QCOMPARE(restored.Row_Zone_Indexes[Month][5], -1);

    QCOMPARE(int(restored.Quarter_Results[2].Year), 2004);
    QCOMPARE(int(restored.Quarter_Results[2].Period), 3);
    QCOMPARE(int(restored.Month_Results[4].Year), 2010);
    QCOMPARE(int(restored.Month_Results[4].Month), 11);
    QCOMPARE(int(restored.Month_Results[1].Year), 0);
}

void Test_Last_Viewed::storedValuesAreNarrowed()
{
    QTemporaryDir dir;
    Settings_Store store(dir.filePath(QStringLiteral("s.ini")));
    Ini_Store &values = store.Values();
    values.Write_String(QStringLiteral("Quart_Tab"), QStringLiteral("Year_1"), QStringLiteral("67539"));
    values.Write_String(QStringLiteral("Quart_Tab"), QStringLiteral("Per_1"), QStringLiteral("260"));
    values.Write_String(QStringLiteral("Month_Tab"), QStringLiteral("Month_1"), QStringLiteral("-1"));
    values.Write_String(QStringLiteral("Month_Tab"), QStringLiteral("Year_1"), QStringLiteral("2x"));
    values.Write_String(QStringLiteral("Day_Tab"), QStringLiteral("ID1"), QStringLiteral("65548"));
    values.Write_String(QStringLiteral("Day_Tab"), QStringLiteral("Zone_1"), QStringLiteral("7"));
    values.Write_String(QStringLiteral("Week_Tab"), QStringLiteral("ID1"), QStringLiteral("44"));

    Model model = With_Devices();
    Load_Last_Viewed(model, store, Today);
    QCOMPARE(int(model.Quarter_Results[1].Year), 2003);
    QCOMPARE(int(model.Quarter_Results[1].Period), 4);
    QCOMPARE(int(model.Month_Results[1].Month), 65535);
    QCOMPARE(int(model.Month_Results[1].Year), 0);
    QCOMPARE(model.Row_ID_Names[Day][1], QStringLiteral("Entrance"));
    QCOMPARE(model.Row_Zone_Indexes[Day][1], 7);
    QCOMPARE(model.Row_ID_Names[Week][1], QString());
}

void Test_Last_Viewed::invalidDateTexts_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("valid") << "05-03-2001" << "05-03-2001" << QDate(2001, 3, 5);
    QTest::newRow("unpadded") << "5-3-2001" << "5-3-2001" << QDate(2001, 3, 5);
    QTest::newRow("no such day") << "31-02-2020" << "" << Today;
    QTest::newRow("garbage") << "garbage" << "" << Today;
    QTest::newRow("two-digit year") << "05-03-01" << "" << Today;
    QTest::newRow("blank") << " " << "" << Today;
}

void Test_Last_Viewed::invalidDateTexts()
{
    QFETCH(QString, stored);
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QTemporaryDir dir;
    Settings_Store store(dir.filePath(QStringLiteral("s.ini")));
    store.Values().Write_String(QStringLiteral("Day_Tab"), QStringLiteral("Date_3"), stored);
    store.Values().Write_String(QStringLiteral("Week_Tab"), QStringLiteral("Date_3"), stored);
    Model model = With_Devices();
    Load_Last_Viewed(model, store, Today);
    QCOMPARE(model.Day_Date_Texts[3], text);
    QCOMPARE(model.Day_Dates[3], date);
    QCOMPARE(model.Week_Date_Texts[3], text);
    QCOMPARE(model.Week_Dates[3], date);
}

void Test_Last_Viewed::weekRowRestore_data()
{
    QTest::addColumn<bool>("sunday_first");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("picked");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("week");

    // Monday 30-12-2002 lies in week 1 of 2003.
    QTest::newRow("picked day") << false << "30-12-2003" << "30-12-2002" << QDate(2002, 12, 30) << 1;
    QTest::newRow("older file") << false << "30-12-2003" << "" << QDate(2002, 12, 30) << 1;
    QTest::newRow("picked day of another text") << false << "30-12-2003" << "15-06-2001" << QDate(2002, 12, 30) << 1;
    QTest::newRow("invalid picked day") << false << "30-12-2003" << "99-99-9999" << QDate(2002, 12, 30) << 1;
    QTest::newRow("text no pick writes") << false << "30-12-2002" << "" << QDate(2002, 12, 30) << 1;
    QTest::newRow("early January") << false << "01-01-2023" << "" << QDate(2023, 1, 1) << 52;
    QTest::newRow("Sunday picked") << true << "13-03-2000" << "12-03-2000" << QDate(2000, 3, 12) << 11;
    QTest::newRow("Sunday older file") << true << "13-03-2000" << "" << QDate(2000, 3, 13) << 11;
    QTest::newRow("Sunday in week 1") << true << "01-01-2018" << "31-12-2017" << QDate(2017, 12, 31) << 1;
    // With Sunday weeks 30-12-2014 (week 1 of 2015) and 30-12-2015 (week 53)
    // both save the text 30-12-2015: only the picked day tells them apart.
    QTest::newRow("ambiguous text, picked") << true << "30-12-2015" << "30-12-2014" << QDate(2014, 12, 30) << 1;
    QTest::newRow("ambiguous text, older file") << true << "30-12-2015" << "" << QDate(2015, 12, 30) << 53;
}

void Test_Last_Viewed::weekRowRestore()
{
    QFETCH(bool, sunday_first);
    QFETCH(QString, text);
    QFETCH(QString, picked);
    QFETCH(QDate, date);
    QFETCH(int, week);
    QTemporaryDir dir;
    Settings_Store store(dir.filePath(QStringLiteral("s.ini")));
    store.Values().Write_String(QStringLiteral("Week_Tab"), QStringLiteral("Date_2"), text);
    if (!picked.isEmpty())
        store.Values().Write_String(QStringLiteral("Week_Tab"), QStringLiteral("Picked_2"), picked);

    Model model = With_Devices();
    model.Sunday_Is_Day_One = sunday_first;
    model.Monday_Is_Day_One = !sunday_first;
    Load_Last_Viewed(model, store, Today);
    QCOMPARE(model.Week_Date_Texts[2], text);
    QCOMPARE(model.Week_Dates[2], date);
    QCOMPARE(Week_Number(model, model.Week_Dates[2]), week);
}

void Test_Last_Viewed::failedSaveIsReported()
{
    QTemporaryDir dir;
    const QString blocked = dir.filePath(QStringLiteral("plain"));
    QFile file(blocked);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    Settings_Store store(blocked + QStringLiteral("/Telvo_View.ini"));
    QString error;
    QVERIFY(!Save_Last_Viewed(With_Devices(), Last_Viewed_Rows{}, store, &error));
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(Test_Last_Viewed)
#include "test_last_viewed.moc"
