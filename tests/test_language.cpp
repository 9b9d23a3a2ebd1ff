#include "data/model.h"
#include "settings/language_tables.h"

#include <QTest>

#include <span>

using namespace telvo;

namespace {

struct Text_Slot {
    const char *Name;
    QString Language_Texts::*Member;
};

// clang-format off
#define TEXT_SLOT(name) Text_Slot{#name, &Language_Texts::name}
// clang-format on

// Every slot of the struct; the size check below fails when a slot is added
// to the struct but not to this list.
const Text_Slot All_Slots[] = {
    TEXT_SLOT(Lang_File_Menu),
    TEXT_SLOT(Lang_Printer_Setup),
    TEXT_SLOT(Lang_Print_Menu),
    TEXT_SLOT(Lang_Exit_Menu),
    TEXT_SLOT(Lang_Settings_Menu),
    TEXT_SLOT(Lang_Label_IDs_Menu),
    TEXT_SLOT(Lang_Define_Zones_Menu),
    TEXT_SLOT(Lang_Set_Language_Menu),
    TEXT_SLOT(Lang_Set_Directories_Menu),
    TEXT_SLOT(Lang_Edit_Graph_Names_Menu),
    TEXT_SLOT(Lang_Change_View_Menu),
    TEXT_SLOT(Lang_Change_Password_Menu),
    TEXT_SLOT(Lang_About_Menu),
    TEXT_SLOT(Lang_Print_Hint),
    TEXT_SLOT(Lang_Clear_Hint),
    TEXT_SLOT(Lang_Undo_Clear_Hint),
    TEXT_SLOT(Lang_View_Hint),
    TEXT_SLOT(Lang_Day_Intensity_Tab),
    TEXT_SLOT(Lang_Day_Total_Tab),
    TEXT_SLOT(Lang_Week),
    TEXT_SLOT(Lang_Week_QF_Tab),
    TEXT_SLOT(Lang_Quarter_Tab),
    TEXT_SLOT(Lang_Month_Tab),
    TEXT_SLOT(Lang_Statistics_Tab),
    TEXT_SLOT(Lang_Year),
    TEXT_SLOT(Lang_Empty),
    TEXT_SLOT(Lang_Select_Language),
    TEXT_SLOT(Lang_Edit_ID_Labels),
    TEXT_SLOT(Lang_Change_Zone_Definitions),
    TEXT_SLOT(Lang_Select_Date),
    TEXT_SLOT(Lang_Change_Graph_Titles),
    TEXT_SLOT(Lang_Select_Period),
    TEXT_SLOT(Lang_Select_Month),
    TEXT_SLOT(Lang_Save_Graph),
    TEXT_SLOT(Lang_Save_Table),
    TEXT_SLOT(Lang_Select_Location),
    TEXT_SLOT(Lang_Select_In_Sensors),
    TEXT_SLOT(Lang_Change_Directories),
    TEXT_SLOT(Lang_Date_Label),
    TEXT_SLOT(Lang_Location_Label),
    TEXT_SLOT(Lang_Selection_Label),
    TEXT_SLOT(Lang_Week_Label),
    TEXT_SLOT(Lang_Period),
    TEXT_SLOT(Lang_This_Year),
    TEXT_SLOT(Lang_Week_Total_Stat),
    TEXT_SLOT(Lang_Cumulative_Total),
    TEXT_SLOT(Lang_Last_Year),
    TEXT_SLOT(Lang_Percentage_Versus),
    TEXT_SLOT(Lang_About_Caption),
    TEXT_SLOT(Lang_Version),
    TEXT_SLOT(Lang_Print_Button),
    TEXT_SLOT(Lang_View_Button),
    TEXT_SLOT(Lang_Exit_Button),
    TEXT_SLOT(Lang_Cancel),
    TEXT_SLOT(Lang_Ok),
    TEXT_SLOT(Lang_Clear_Button),
    TEXT_SLOT(Lang_Channel),
    TEXT_SLOT(Lang_Edit_Definition),
    TEXT_SLOT(Lang_Change),
    TEXT_SLOT(Lang_Totals_In),
    TEXT_SLOT(Lang_Month_Total),
    TEXT_SLOT(Lang_Undo),
    TEXT_SLOT(Lang_All_Inputs),
    TEXT_SLOT(Lang_In_Directions),
    TEXT_SLOT(Lang_Monday),
    TEXT_SLOT(Lang_Tuesday),
    TEXT_SLOT(Lang_Wednesday),
    TEXT_SLOT(Lang_Thursday),
    TEXT_SLOT(Lang_Friday),
    TEXT_SLOT(Lang_Saturday),
    TEXT_SLOT(Lang_Sunday),
    TEXT_SLOT(Lang_Day_Total),
    TEXT_SLOT(Lang_Week_Total),
    TEXT_SLOT(Lang_Year_Label),
    TEXT_SLOT(Lang_Month),
    TEXT_SLOT(Lang_Total),
    TEXT_SLOT(Lang_Report_Footer),
    TEXT_SLOT(Lang_Hours),
    TEXT_SLOT(Lang_Visitors),
    TEXT_SLOT(Lang_Weeks),
    TEXT_SLOT(Lang_Comments),
    TEXT_SLOT(Lang_Collecting_Data),
    TEXT_SLOT(Lang_Totals_Per_3_Hour),
    TEXT_SLOT(Lang_Password_Verification),
    TEXT_SLOT(Lang_Enter_Password),
    TEXT_SLOT(Lang_Wrong_Password),
    TEXT_SLOT(Lang_Administrator_Needed),
    TEXT_SLOT(Lang_Change_View_Settings),
    TEXT_SLOT(Lang_View_Intensity),
    TEXT_SLOT(Lang_View_Half_Hourly),
    TEXT_SLOT(Lang_Balance_File),
    TEXT_SLOT(Lang_Sunday_First),
    TEXT_SLOT(Lang_Monday_First),
    TEXT_SLOT(Lang_Change_Password),
    TEXT_SLOT(Lang_Enter_New_Password),
    TEXT_SLOT(Lang_Retype_Password),
    TEXT_SLOT(Lang_Password_Changed),
    TEXT_SLOT(Lang_View_Day_From),
    TEXT_SLOT(Lang_Hour),
    TEXT_SLOT(Lang_Hour_Til),
    TEXT_SLOT(Lang_File_Not_Written),
    TEXT_SLOT(Lang_Settings_Not_Saved),
    TEXT_SLOT(Lang_No_Printer),
    TEXT_SLOT(Lang_Print_To_Pdf),
    TEXT_SLOT(Lang_Incomplete_Choice),
    TEXT_SLOT(Lang_Incomplete_Period),
};

#undef TEXT_SLOT

static_assert(sizeof(Language_Texts) == std::size(All_Slots) * sizeof(QString),
              "All_Slots must list every member of Language_Texts");

QString Language_Texts::*Member_Named(const QString &name) {
    for (const Text_Slot &slot : All_Slots)
        if (name == QLatin1String(slot.Name))
            return slot.Member;
    qFatal("no text slot %s", qPrintable(name));
}

using Loader = void (*)(Language_Texts &);

Loader Loader_For(const QString &code) {
    if (code == u"ENGLISH")
        return Load_English_Texts;
    if (code == u"GERMAN")
        return Load_German_Texts;
    if (code == u"DUTCH")
        return Load_Dutch_Texts;
    return Load_French_Texts;
}

Language_Texts Fresh(const QString &code) {
    Language_Texts texts;
    Loader_For(code)(texts);
    return texts;
}

// Names the first slot that differs, so a failure says which text is wrong.
void Compare_All(const Language_Texts &actual, const Language_Texts &expected) {
    for (const Text_Slot &slot : All_Slots)
        QVERIFY2(actual.*slot.Member == expected.*slot.Member,
                 qPrintable(QStringLiteral("%1: \"%2\" instead of \"%3\"")
                                .arg(QLatin1String(slot.Name), actual.*slot.Member, expected.*slot.Member)));
}

void Add_Language_Rows() {
    QTest::addColumn<QString>("code");
    for (const char *code : {"ENGLISH", "GERMAN", "DUTCH", "FRENCH"})
        QTest::newRow(code) << QString::fromLatin1(code);
}

// Menu slots whose "&" marks the accelerator letter; the password and graph
// names items have none in any language.
const char *const Accelerator_Slots[] = {
    "Lang_File_Menu",         "Lang_Printer_Setup",     "Lang_Print_Menu",
    "Lang_Exit_Menu",         "Lang_Settings_Menu",     "Lang_Label_IDs_Menu",
    "Lang_Define_Zones_Menu", "Lang_Set_Language_Menu", "Lang_Set_Directories_Menu",
    "Lang_Change_View_Menu",  "Lang_About_Menu",
};

// Slots that become fields of the comma-separated export files.
const char *const Export_Field_Slots[] = {
    "Lang_Week",
    "Lang_Year",
    "Lang_Day_Total",
    "Lang_Week_Total",
    "Lang_Month_Total",
    "Lang_Total",
    "Lang_Monday",
    "Lang_Tuesday",
    "Lang_Wednesday",
    "Lang_Thursday",
    "Lang_Friday",
    "Lang_Saturday",
    "Lang_Sunday",
    "Lang_This_Year",
    "Lang_Last_Year",
    "Lang_Week_Total_Stat",
    "Lang_Cumulative_Total",
    "Lang_Percentage_Versus",
};

bool Listed(std::span<const char *const> names, const char *name) {
    for (const char *listed : names)
        if (qstrcmp(listed, name) == 0)
            return true;
    return false;
}

} // namespace

class Test_Language : public QObject {
    Q_OBJECT

private slots:
    void selectorRunsMatchingRoutine_data() { Add_Language_Rows(); }
    void selectorRunsMatchingRoutine() {
        QFETCH(QString, code);
        Model model;
        model.Language = code;
        Set_Language_Texts(model);
        Compare_All(model.Texts, Fresh(code));
    }

    void unknownCodeKeepsSlots_data() {
        QTest::addColumn<QString>("code");
        QTest::newRow("lower case") << QStringLiteral("english");
        QTest::newRow("mixed case") << QStringLiteral("German");
        QTest::newRow("empty") << QString();
        QTest::newRow("other language") << QStringLiteral("SPANISH");
        QTest::newRow("leading blank") << QStringLiteral(" DUTCH");
        QTest::newRow("trailing blank") << QStringLiteral("FRENCH ");
    }
    void unknownCodeKeepsSlots() {
        QFETCH(QString, code);

        Model at_start;
        at_start.Language = code;
        Set_Language_Texts(at_start);
        for (const Text_Slot &slot : All_Slots)
            QVERIFY2((at_start.Texts.*slot.Member).isEmpty(), slot.Name);

        Model loaded;
        loaded.Language = QStringLiteral("GERMAN");
        Set_Language_Texts(loaded);
        loaded.Language = code;
        Set_Language_Texts(loaded);
        Compare_All(loaded.Texts, Fresh(QStringLiteral("GERMAN")));
    }

    void everySlotFilled_data() { Add_Language_Rows(); }
    void everySlotFilled() {
        QFETCH(QString, code);
        const Language_Texts texts = Fresh(code);
        for (const Text_Slot &slot : All_Slots) {
            if (slot.Member == &Language_Texts::Lang_Empty)
                QVERIFY(texts.Lang_Empty.isEmpty());
            else
                QVERIFY2(!(texts.*slot.Member).isEmpty(), slot.Name);
        }
    }

    // Whatever a slot held before, a load leaves exactly the new language.
    void loadReplacesEverySlot_data() { Add_Language_Rows(); }
    void loadReplacesEverySlot() {
        QFETCH(QString, code);
        Language_Texts texts;
        for (const Text_Slot &slot : All_Slots)
            texts.*slot.Member = QStringLiteral("stale");
        Loader_For(code)(texts);
        Compare_All(texts, Fresh(code));

        for (const char *before : {"ENGLISH", "GERMAN", "DUTCH", "FRENCH"}) {
            Model model;
            model.Language = QString::fromLatin1(before);
            Set_Language_Texts(model);
            model.Language = code;
            Set_Language_Texts(model);
            Compare_All(model.Texts, Fresh(code));
        }
    }

    void germanToDutch() {
        Model model;
        model.Language = QStringLiteral("GERMAN");
        Set_Language_Texts(model);
        QCOMPARE(model.Texts.Lang_Cancel, QStringLiteral("Löschen"));
        QCOMPARE(model.Texts.Lang_Percentage_Versus, QStringLiteral("Prozentsatz versus Abgelaufenen jahr"));

        model.Language = QStringLiteral("DUTCH");
        Set_Language_Texts(model);
        QCOMPARE(model.Texts.Lang_Cancel, QStringLiteral("Annuleer"));
        QCOMPARE(model.Texts.Lang_Percentage_Versus, QStringLiteral("Percentage t.o.v. Afgelopen jaar"));
        QCOMPARE(model.Texts.Lang_Hour_Til, QStringLiteral("uur tot:"));
    }

    // Texts other parts of the program and the stored reports depend on word for word.
    void fixedTexts_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QString>("text");
        const auto row = [](const char *tag, const char *code, const char *slot, const QString &text) {
            QTest::newRow(tag) << QString::fromLatin1(code) << QString::fromLatin1(slot) << text;
        };
        row("en percentage", "ENGLISH", "Lang_Percentage_Versus",
            QStringLiteral("Percentage versus Last Year"));
        row("en hour til", "ENGLISH", "Lang_Hour_Til", QStringLiteral("Hour til:"));
        row("en version", "ENGLISH", "Lang_Version", QStringLiteral("Version : "));
        row("en footer", "ENGLISH", "Lang_Report_Footer",
            QStringLiteral(
                "These figures are automatically collected by a Telvo, counting solutions system."));
        row("de cancel", "GERMAN", "Lang_Cancel", QStringLiteral("Löschen"));
        row("de clear", "GERMAN", "Lang_Clear_Button", QStringLiteral("Löschen"));
        row("de hour til", "GERMAN", "Lang_Hour_Til", QStringLiteral("Hour til:"));
        row("de about", "GERMAN", "Lang_About_Caption", QStringLiteral("Über Telvo View"));
        row("nl version", "DUTCH", "Lang_Version", QStringLiteral("Versie : "));
        row("nl period", "DUTCH", "Lang_Period", QStringLiteral("Kwartaal"));
        row("fr settings", "FRENCH", "Lang_Settings_Menu", QStringLiteral("&Parametraged"));
        row("fr thursday", "FRENCH", "Lang_Thursday", QStringLiteral("Juedi"));
        row("fr day intensity", "FRENCH", "Lang_Day_Intensity_Tab", QStringLiteral("Jour intensité"));
        row("fr this year", "FRENCH", "Lang_This_Year", QStringLiteral("This Year"));
        row("fr last year", "FRENCH", "Lang_Last_Year", QStringLiteral("Last Year"));
        row("fr percentage", "FRENCH", "Lang_Percentage_Versus",
            QStringLiteral("Percentage versus Last Year"));
        row("fr sunday first", "FRENCH", "Lang_Sunday_First", QStringLiteral("Sunday is first day of week"));
        row("fr monday first", "FRENCH", "Lang_Monday_First", QStringLiteral("Monday is first day of week"));
        row("fr view day from", "FRENCH", "Lang_View_Day_From", QStringLiteral("View day data from:"));
        row("fr hour til", "FRENCH", "Lang_Hour_Til", QStringLiteral("Hour til:"));
    }
    void fixedTexts() {
        QFETCH(QString, code);
        QFETCH(QString, slot);
        QFETCH(QString, text);
        QCOMPARE(Fresh(code).*Member_Named(slot), text);
    }

    // An "&" outside menus would show literally in a label, a report or an
    // export; a comma in an export heading would shift every field after it;
    // and exports and reports are written in the ANSI code page.
    void textsFitTheirUse_data() { Add_Language_Rows(); }
    void textsFitTheirUse() {
        QFETCH(QString, code);
        const Language_Texts texts = Fresh(code);
        for (const Text_Slot &slot : All_Slots) {
            const QString &text = texts.*slot.Member;
            if (!Listed(Accelerator_Slots, slot.Name))
                QVERIFY2(!text.contains(u'&'), slot.Name);
            else
                QCOMPARE(text.count(u'&'), 1);
            if (Listed(Export_Field_Slots, slot.Name))
                QVERIFY2(!text.contains(u','), slot.Name);
            for (const QChar c : text)
                QVERIFY2(c.unicode() >= 0x20 && c.unicode() <= 0xFF && c.unicode() != 0x7F, slot.Name);
        }
    }
};

QTEST_GUILESS_MAIN(Test_Language)
#include "test_language.moc"
