#include "main_window_fixture.h"

#include "charts/chart_widget.h"
#include "data/day_view.h"
#include "data/week_qf_view.h"
#include "data/week_view.h"
#include "output/table_export.h"
#include "settings/ini_store.h"
#include "views/selection_rows.h"

#include <QImage>
#include <QListWidget>

using namespace telvo;
using namespace telvo::test;

namespace {

// Replaces the save dialog: records what it was asked and answers with a path.
struct Dialog_Answer {
    QString Path;
    QList<Save_Dialog_Request> Requests;

    void Install(TMain_Form &form) {
        form.Save_Dialog = [this](QWidget *, const Save_Dialog_Request &request) {
            Requests.append(request);
            return Path;
        };
    }
};

QByteArray File_Bytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the EXP writer makes of the page as the window shows it.
QByteArray Expected_Export(Main_Window_Fixture &f, int page) {
    Model &model = f.Data;
    switch (page) {
    case TMain_Form::Day_Page: {
        const Row_Selections rows = f.Form->Rows(Row_Page::Day)->Read_Rows();
        return Day_Tabel_Bytes(model, rows, Fill_Day_Table(model, rows));
    }
    case TMain_Form::Week_Page: {
        const Row_Selections rows = f.Form->Rows(Row_Page::Week)->Read_Rows();
        return Week_Tabel_Bytes(model, rows, Show_Week_Table(model, rows));
    }
    case TMain_Form::Week_QF_Page: {
        Per_Row<QString> info;
        for (int r = 1; r <= Rows_Per_View; ++r)
            info[r] = f.Text(QStringLiteral("ID%1_WeekQF_Info").arg(r));
        return WeekQF_Tabel_Bytes(model, f.Form->Rows(Row_Page::Week)->Read_Rows(),
                                  Show_Week_QF_Table(model, info));
    }
    case TMain_Form::Month_Page:
        return Month_Tabel_Bytes(model, f.Form->Rows(Row_Page::Month)->Read_Rows());
    case TMain_Form::Quarter_Page:
        return Quart_Tabel_Bytes(model, f.Form->Rows(Row_Page::Quarter)->Read_Rows());
    default:
        return Statistics_Tabel_Bytes(model);
    }
}

void Double_Click(Main_Window_Fixture &f, const QString &name) {
    QWidget *target = f.Find<QWidget>(name);
    if (auto *list = qobject_cast<QListWidget *>(target))
        target = list->viewport();
    QTest::mouseDClick(target, Qt::LeftButton);
}

} // namespace

class Test_Main_Window_Export : public QObject {
    Q_OBJECT

private slots:
    void Table_Double_Click_Writes_What_The_Writer_Writes_data();
    void Table_Double_Click_Writes_What_The_Writer_Writes();
    void Chart_Double_Click_Saves_A_Bitmap_Of_The_Chart();
    void Unwritable_File_Shows_The_Information_Box_data();
    void Unwritable_File_Shows_The_Information_Box();
    void Closing_Saves_The_Rows_Of_Every_Page();
    void Failed_Save_On_Close_Shows_The_Information_Box();
};

void Test_Main_Window_Export::Table_Double_Click_Writes_What_The_Writer_Writes_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QByteArray>("shown_value"); // a computed value the file carries
    QTest::newRow("day") << int(TMain_Form::Day_Page) << "DayTabelPaneel" << QByteArray(",20\r\n");
    QTest::newRow("week") << int(TMain_Form::Week_Page) << "WeekTabelPaneel" << QByteArray(",70,280\r\n");
    QTest::newRow("week QF") << int(TMain_Form::Week_QF_Page) << "WeekQFTabelPaneel"
                             << QByteArray(",50,50\r\n");
    QTest::newRow("month") << int(TMain_Form::Month_Page) << "MonthTabelPaneel" << QByteArray(",7000\r\n");
    QTest::newRow("quarter") << int(TMain_Form::Quarter_Page) << "QuartTabelPaneel"
                             << QByteArray(",280,0,0,280\r\n");
    QTest::newRow("statistics") << int(TMain_Form::Statistics_Page) << "Statistics_Result_Box"
                                << QByteArray("\r\nShop\r\n");
}

void Test_Main_Window_Export::Table_Double_Click_Writes_What_The_Writer_Writes() {
    QFETCH(int, page);
    QFETCH(QString, table);
    QFETCH(QByteArray, shown_value);
    Main_Window_Fixture f;
    if (page != TMain_Form::Week_Page)
        QVERIFY(f.Show_Page(page));
    Dialog_Answer answer{f.Days.Dir() + QStringLiteral("/table.EXP"), {}};
    answer.Install(*f.Form);

    Double_Click(f, table);
    QCOMPARE(answer.Requests.size(), 1);
    QCOMPARE(answer.Requests[0].Title, f.Data.Texts.Lang_Save_Table);
    QCOMPARE(answer.Requests[0].Default_Suffix, QStringLiteral("EXP"));
    QVERIFY(answer.Requests[0].Filter.contains(QStringLiteral("*.exp")));
    const QByteArray written = File_Bytes(answer.Path);
    QCOMPARE(written, Expected_Export(f, page));
    QVERIFY2(written.contains(shown_value), written.constData());
    QVERIFY(f.Messages.isEmpty());
}

void Test_Main_Window_Export::Chart_Double_Click_Saves_A_Bitmap_Of_The_Chart() {
    Main_Window_Fixture f;
    f.Form->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.Form.get()));
    Dialog_Answer answer{f.Days.Dir() + QStringLiteral("/week.bmp"), {}};
    answer.Install(*f.Form);
    auto *chart = f.Find<Chart_Widget>(QStringLiteral("Week_Chart"));

    QTest::mouseDClick(chart, Qt::LeftButton);
    QCOMPARE(answer.Requests.size(), 1);
    QCOMPARE(answer.Requests[0].Title, f.Data.Texts.Lang_Save_Graph);
    QCOMPARE(answer.Requests[0].Default_Suffix, QStringLiteral("bmp"));
    QVERIFY(File_Bytes(answer.Path).startsWith("BM"));
    const QImage image(answer.Path);
    QCOMPARE(image.size(), chart->size());
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
}

void Test_Main_Window_Export::Unwritable_File_Shows_The_Information_Box_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("file_name"); // empty: the dialog is cancelled
    QTest::newRow("table") << "WeekTabelPaneel"
                           << "missing/table.exp";
    QTest::newRow("chart") << "Week_Chart"
                           << "missing/week.bmp";
    QTest::newRow("cancelled") << "WeekTabelPaneel"
                               << "";
}

void Test_Main_Window_Export::Unwritable_File_Shows_The_Information_Box() {
    QFETCH(QString, target);
    QFETCH(QString, file_name);
    Main_Window_Fixture f;
    Dialog_Answer answer{file_name.isEmpty() ? QString() : f.Days.Dir() + QLatin1Char('/') + file_name, {}};
    answer.Install(*f.Form);

    Double_Click(f, target);
    QCOMPARE(answer.Requests.size(), 1);
    if (file_name.isEmpty()) {
        QVERIFY(f.Messages.isEmpty());
        return;
    }
    QCOMPARE(f.Messages.size(), 1);
    QVERIFY(f.Messages[0].startsWith(f.Data.Texts.Lang_File_Not_Written));
    QVERIFY(f.Messages[0].contains(answer.Path));
    QVERIFY(!QFile::exists(answer.Path));
}

void Test_Main_Window_Export::Closing_Saves_The_Rows_Of_Every_Page() {
    Main_Window_Fixture f;
    f.Find<QComboBox>(QStringLiteral("Zone_Week_Box2"))->setCurrentIndex(1);
    QTest::keyClicks(f.Find<QComboBox>(QStringLiteral("ID_Name_Box3"))->lineEdit(), QStringLiteral("Nobody"));
    f.Form->close();
    QVERIFY(f.Messages.isEmpty());

    Ini_Store saved;
    QVERIFY(saved.Load(f.Settings_Path));
    QCOMPARE(saved.Read_String(QStringLiteral("Week_Tab"), QStringLiteral("Date_1"), {}),
             QStringLiteral("13-03-2024"));
    QCOMPARE(saved.Read_Integer(QStringLiteral("Week_Tab"), QStringLiteral("ID2"), -9), 7);
    QCOMPARE(saved.Read_Integer(QStringLiteral("Week_Tab"), QStringLiteral("Zone_2"), -9), 1);
    QCOMPARE(saved.Read_Integer(QStringLiteral("Day_Tab"), QStringLiteral("ID3"), -9), 0);
    QCOMPARE(saved.Read_Integer(QStringLiteral("Day_Tab"), QStringLiteral("Zone_3"), -9), -1);
    QCOMPARE(saved.Read_Integer(QStringLiteral("Month_Tab"), QStringLiteral("Zone_1"), -9), 1);
    QCOMPARE(saved.Read_Integer(QStringLiteral("Quart_Tab"), QStringLiteral("Per_1"), -9), 1);
}

void Test_Main_Window_Export::Failed_Save_On_Close_Shows_The_Information_Box() {
    Main_Window_Fixture f;
    // A plain file where the settings directory should be.
    const QString blocker = f.Days.Dir() + QStringLiteral("/blocker");
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    Model model;
    Settings_Store store(blocker + QStringLiteral("/Telvo_View.ini"));
    TMain_Form form(model, store);
    form.close();
    QCOMPARE(f.Messages.size(), 1);
    QVERIFY(f.Messages[0].startsWith(model.Texts.Lang_Settings_Not_Saved));
    QVERIFY(f.Messages[0].contains(store.Path()));
}

QTEST_MAIN(Test_Main_Window_Export)
#include "test_main_window_export.moc"
