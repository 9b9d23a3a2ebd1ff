#pragma once

#include "day_file_fixture.h"
#include "information_recorder.h"

#include "settings/settings_store.h"
#include "views/main_form.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <memory>

namespace telvo::test {

// The week of 13-03-2024 (Monday weeks: 11-03 .. 17-03, week 11) holds day
// files of device 7 "Shop": day k of the week has 10 * k visitors in (channel
// 1), half as many out (channel 2) and 1000 on channel 3 (Zone 1).
inline const QDate Week_Monday(2024, 3, 11);

inline QString Channel_Set(int channel) {
    QString text;
    for (int c = 1; c <= Channel_Count; ++c)
        text += c == channel ? QStringLiteral("1,") : QStringLiteral("0,");
    return text;
}

// A settings file with the Shop in slot 1 and rows restored on every page:
// row 1 of each page names the Shop, the days of the week above and zone 0
// (month: zone 1); week row 2 has the Shop without a zone.
inline QByteArray Settings_Text(const QString &data_dir) {
    QStringList lines = {"[Settings]",
                         "LANGUAGE=ENGLISH",
                         "[ID1]",
                         "ID1=7",
                         "ID1_Name=Shop",
                         "ID1_Data_Dir=" + data_dir,
                         "ID1_Zone1=Entrance",
                         "ID1_Total=" + Channel_Set(1),
                         "ID1_Zone1_def=" + Channel_Set(3),
                         "[Graph_Titles]",
                         "Week=Visitors per day",
                         "[Day_View_Settings]",
                         "Enable_Day_Tab1=0",
                         "Enable_Day_Tab2=1",
                         "Monday_Is_Day_One=1",
                         "Sunday_Is_Day_One=0",
                         "[Print_Setting]",
                         "From_Hour=8",
                         "To_Hour=22",
                         "[Day_Tab]",
                         "Date_1=12-03-2024",
                         "ID1=7",
                         "Zone_1=0",
                         "[Week_Tab]",
                         "Date_1=13-03-2024",
                         "ID1=7",
                         "Zone_1=0",
                         "Date_2=13-03-2024",
                         "ID2=7",
                         "Zone_2=-1",
                         "[Quart_Tab]",
                         "Year_1=2024",
                         "Per_1=1",
                         "ID1=7",
                         "Zone_1=0",
                         "[Month_Tab]",
                         "Year_1=2024",
                         "Month_1=3",
                         "ID1=7",
                         "Zone_1=1"};
    return lines.join(QLatin1Char('\n')).toUtf8() + '\n';
}

// A fresh model, settings file, day files and main window per test.
struct Main_Window_Fixture {
    Day_File_Fixture Days;
    QString Settings_Path;
    Model Data;
    QStringList Messages; // information boxes shown
    Information_Recorder Recording{Messages};
    std::unique_ptr<Settings_Store> Store;
    std::unique_ptr<TMain_Form> Form;

    Main_Window_Fixture() {
        for (int k = 1; k <= 7; ++k)
            Days.Write_In_Out(7, Week_Monday.addDays(k - 1), 10 * k, 5 * k);
        Settings_Path = Days.Dir() + QStringLiteral("/Telvo_View.ini");
        QFile file(Settings_Path);
        if (file.open(QIODevice::WriteOnly))
            file.write(Settings_Text(Days.Dir()));
        file.close();
        Store = std::make_unique<Settings_Store>(Settings_Path);
        Form = std::make_unique<TMain_Form>(Data, *Store);
    }

    template <typename T> T *Find(const QString &name) const { return Form->findChild<T *>(name); }

    QString Text(const QString &label) const {
        const QLabel *found = Find<QLabel>(label);
        return found ? found->text() : QStringLiteral("<no %1>").arg(label);
    }

    QTabWidget *Tabs() const { return Find<QTabWidget>(QStringLiteral("TabbedNotebook1")); }

    // Shows a page (its view request included) and waits for the computation.
    bool Show_Page(int page) const {
        Tabs()->setCurrentIndex(page);
        return Wait_For_View();
    }

    bool Wait_For_View() const {
        const QTimer *timer = Find<QTimer>(QStringLiteral("Timer1"));
        return QTest::qWaitFor([timer] { return !timer->isActive(); }, 5000);
    }
};

} // namespace telvo::test
