#include "data/zone_list.h"

#include <QTest>

using namespace telvo;

namespace {

void Set_Slot(Model &model, int slot, std::uint16_t number, const QString &name, const QString &zone_prefix)
{
    model.ID_Numbers[slot] = number;
    model.ID_Names[slot] = name;
    for (int z = 1; z < Zones_Per_Device; ++z)
        model.ID_Records[slot].Zones[z].Name = zone_prefix + QString::number(z);
}

// Slots 1 Shop (7), 2 and 4 both Gate (9), 3 and 5 never set (number 0, no name).
Model Three_Devices()
{
    Model model;
    model.Texts.Lang_Totals_In = QStringLiteral("Totals in");
    Set_Slot(model, 1, 7, QStringLiteral("Shop"), QStringLiteral("Shop "));
    Set_Slot(model, 2, 9, QStringLiteral("Gate"), QStringLiteral("Low gate "));
    Set_Slot(model, 3, 0, {}, QStringLiteral("Zone "));
    Set_Slot(model, 4, 9, QStringLiteral("Gate"), QStringLiteral("High gate "));
    Set_Slot(model, 5, 0, {}, QStringLiteral("Spare "));
    return model;
}

QStringList Names(const QString &total, const QString &prefix)
{
    QStringList names{total};
    for (int z = 1; z < Zones_Per_Device; ++z)
        names.append(prefix.isEmpty() ? QString() : prefix + QString::number(z));
    return names;
}

} // namespace

class Test_Zone_List : public QObject {
    Q_OBJECT

private slots:
    void only_day_row_one_names_the_total_zone();
    void devices_with_the_same_name_and_number();
    void unknown_device_matches_slots_never_set();
    void unknown_device_keeps_the_total_name();
    void id_list();
};

void Test_Zone_List::only_day_row_one_names_the_total_zone()
{
    Model model = Three_Devices();

    QCOMPARE(Fill_Zone_List(model, Row_Page::Week, 1, QStringLiteral("Shop")), Names({}, QStringLiteral("Shop ")));
    QCOMPARE(Fill_Zone_List(model, Row_Page::Day, 2, QStringLiteral("Shop")), Names({}, QStringLiteral("Shop ")));
    QCOMPARE(model.ID_Records[1].Zones[0].Name, QString());

    QCOMPARE(Fill_Zone_List(model, Row_Page::Day, 1, QStringLiteral("Shop")),
             Names(QStringLiteral("Totals in"), QStringLiteral("Shop ")));
    for (const ID_Record &record : model.ID_Records)
        QCOMPARE(record.Zones[0].Name, QStringLiteral("Totals in"));

    // A new language reaches the lists only when the day page's first row is filled again.
    model.Texts.Lang_Totals_In = QStringLiteral("A total name longer than thirty characters");
    QCOMPARE(Fill_Zone_List(model, Row_Page::Month, 1, QStringLiteral("Shop"))[0], QStringLiteral("Totals in"));
    QCOMPARE(Fill_Zone_List(model, Row_Page::Day, 1, QStringLiteral("Shop"))[0],
             QStringLiteral("A total name longer than thirt"));
}

void Test_Zone_List::devices_with_the_same_name_and_number()
{
    Model model = Three_Devices();
    QCOMPARE(Fill_Zone_List(model, Row_Page::Quarter, 3, QStringLiteral("Gate")),
             Names({}, QStringLiteral("High gate ")));
}

void Test_Zone_List::unknown_device_matches_slots_never_set()
{
    Model model = Three_Devices();
    QCOMPARE(Fill_Zone_List(model, Row_Page::Day, 1, QStringLiteral("Nobody")),
             Names(QStringLiteral("Totals in"), QStringLiteral("Spare ")));
    // An empty text names the slots without a name.
    QCOMPARE(Fill_Zone_List(model, Row_Page::Week, 2, QString()),
             Names(QStringLiteral("Totals in"), QStringLiteral("Spare ")));
}

void Test_Zone_List::unknown_device_keeps_the_total_name()
{
    Model model = Three_Devices();
    model.ID_Numbers[3] = 11;
    model.ID_Numbers[5] = 12;

    QCOMPARE(Fill_Zone_List(model, Row_Page::Week, 2, QStringLiteral("Nobody")), Names({}, {}));
    Fill_Zone_List(model, Row_Page::Day, 1, QStringLiteral("Shop"));
    QCOMPARE(Fill_Zone_List(model, Row_Page::Week, 2, QStringLiteral("Nobody")),
             Names(QStringLiteral("Totals in"), {}));
}

void Test_Zone_List::id_list()
{
    const Model model = Three_Devices();
    QCOMPARE(ID_List(model), (QStringList{QStringLiteral("Shop"), QStringLiteral("Gate"), QString(),
                                          QStringLiteral("Gate"), QString()}));
}

QTEST_GUILESS_MAIN(Test_Zone_List)
#include "test_zone_list.moc"
