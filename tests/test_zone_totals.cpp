#include "data/zone_totals.h"

#include <QRegularExpression>
#include <QStringList>
#include <QTest>

using namespace telvo;

namespace {

// Table contents written as "slot:channel=count" items separated by blanks,
// e.g. "1:1=30 2:1=270"; every count not named is 0.
void Fill_Table(Model &model, const QString &cells)
{
    Clear_Half_Hour_Table(model);
    for (const QString &cell : cells.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList parts = cell.split(QRegularExpression(QStringLiteral("[:=]")));
        model.Half_Hour_Table[parts[0].toInt()].Counts[parts[1].toInt()] = static_cast<std::uint16_t>(parts[2].toInt());
    }
}

QString Table_Cells(const Model &model)
{
    QStringList cells;
    for (int s = 1; s <= Half_Hour_Slots; ++s) {
        for (int c = 1; c <= Channel_Count; ++c) {
            if (const int count = model.Half_Hour_Table[s].Counts[c]; count != 0)
                cells << QStringLiteral("%1:%2=%3").arg(s).arg(c).arg(count);
        }
    }
    return cells.join(u' ');
}

ID_Record Record_With_Zone(int zone, const QList<int> &channels)
{
    ID_Record record;
    for (const int channel : channels)
        record.Zones[static_cast<std::size_t>(zone)].Channels[channel] = true;
    return record;
}

class Test_Zone_Totals : public QObject {
    Q_OBJECT

private slots:
    void Day_Total_data()
    {
        QTest::addColumn<QString>("cells");
        QTest::addColumn<QList<int>>("channels");
        QTest::addColumn<int>("expected");

        QTest::newRow("no channel selected") << "1:1=5 2:2=7" << QList<int>{} << 0;
        QTest::newRow("selected channels over all slots") << "1:1=5 24:1=6 48:3=7 48:5=100" << QList<int>{1, 3} << 18;
        QTest::newRow("partners not added") << "1:1=5 1:2=7" << QList<int>{1} << 5;
        QTest::newRow("even channel counts when selected") << "1:1=5 1:2=7" << QList<int>{2} << 7;
        QTest::newRow("sum passes 16 bits") << "1:1=65535 2:1=65535 3:63=2" << QList<int>{1, 63} << 131072;
    }

    void Day_Total()
    {
        QFETCH(QString, cells);
        QFETCH(QList<int>, channels);
        QFETCH(int, expected);
        Model model;
        model.Enable_Day_Tab1 = true;
        model.Enable_Day_Balance = true; // the day total never balances
        Fill_Table(model, cells);
        QCOMPARE(Zone_Day_Total(model, 2, Record_With_Zone(2, channels)), expected);
        QCOMPARE(Table_Cells(model), cells);
    }

    void Largest_Day_Total()
    {
        Model model;
        Clear_Half_Hour_Table(model);
        QList<int> all;
        for (int c = 1; c <= Channel_Count; ++c)
            all << c;
        for (Half_Hour_Slot &slot : model.Half_Hour_Table)
            slot.Counts.Fill(65535);
        QCOMPARE(Zone_Day_Total(model, 0, Record_With_Zone(0, all)), 48 * 64 * 65535);
    }

    void In_Out_Without_Balancing()
    {
        Model model;
        Fill_Table(model, "1:1=65535 1:3=2 1:2=4 1:4=5 2:63=6 2:64=9 3:7=50");
        Day_Result row;
        row.In.Fill(77); // every slot is overwritten
        row.Total = 123;
        Zone_In_Out(model, 5, row, Record_With_Zone(5, {1, 3, 64}));

        QCOMPARE(row.In[1], 1);  // 65535 + 2 wraps in 16 bits
        QCOMPARE(row.Out[1], 9); // partners 2 and 4
        QCOMPARE(row.In[2], 9);  // channel 64 counts itself in ...
        QCOMPARE(row.Out[2], 6); // ... and its partner 63 out
        for (int s = 3; s <= Half_Hour_Slots; ++s) {
            QCOMPARE(row.In[s], 0);
            QCOMPARE(row.Out[s], 0);
        }
        QCOMPARE(row.Total, 123);
    }

    void Balancing_data()
    {
        QTest::addColumn<bool>("intensity");
        QTest::addColumn<bool>("balance");
        QTest::addColumn<QList<int>>("channels");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("in1");
        QTest::addColumn<int>("out1");

        // S = 300 in, P = 100 out: factors 2/3 and 2; unselected pairs scale too.
        QTest::newRow("more in than out") << true << true << QList<int>{1}
                                          << "1:1=30 1:2=10 2:1=270 2:2=90 1:3=3 1:4=5"
                                          << "1:1=20 1:2=20 1:3=2 1:4=10 2:1=180 2:2=180" << 20 << 20;
        // S = 0, P = 12: in stays, out halves; 2.5 and 3.5 round to even.
        QTest::newRow("no incoming") << true << true << QList<int>{1} << "1:2=5 2:2=7 1:3=9"
                                     << "1:2=2 1:3=9 2:2=4" << 0 << 2;
        QTest::newRow("no channel selected") << true << true << QList<int>{} << "1:1=5 1:2=7"
                                             << "1:1=5 1:2=7" << 0 << 0;
        QTest::newRow("half-hourly mode never balances") << false << true << QList<int>{1} << "1:1=30 1:2=10"
                                                          << "1:1=30 1:2=10" << 30 << 10;
        QTest::newRow("balancing off") << true << false << QList<int>{1} << "1:1=30 1:2=10"
                                       << "1:1=30 1:2=10" << 30 << 10;
        // S = 1, P = 65535: the odd factor is 32768, and scaled counts past
        // 65535 keep their low 16 bits like every other stored count.
        QTest::newRow("scaled counts wrap") << true << true << QList<int>{1} << "1:1=1 1:2=65535 1:3=4 1:5=3"
                                            << "1:1=32768 1:2=32768 1:5=32768" << 32768 << 32768;
        // An even channel in the zone: S = 30 is its sum and P = 10 its
        // partner's, and still the S factor scales the odd channels.
        QTest::newRow("even channel selected") << true << true << QList<int>{64} << "1:63=10 1:64=30"
                                               << "1:63=7 1:64=60" << 60 << 7;
    }

    void Balancing()
    {
        QFETCH(bool, intensity);
        QFETCH(bool, balance);
        QFETCH(QList<int>, channels);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(int, in1);
        QFETCH(int, out1);

        Model model;
        model.Enable_Day_Tab1 = intensity;
        model.Enable_Day_Tab2 = !intensity;
        model.Enable_Day_Balance = balance;
        Fill_Table(model, before);
        Day_Result row;
        Zone_In_Out(model, 1, row, Record_With_Zone(1, channels));
        QCOMPARE(Table_Cells(model), after);
        QCOMPARE(row.In[1], in1);
        QCOMPARE(row.Out[1], out1);
    }
};

} // namespace

QTEST_GUILESS_MAIN(Test_Zone_Totals)
#include "test_zone_totals.moc"
