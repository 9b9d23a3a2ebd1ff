#include "main_window_fixture.h"

#include "views/print_wiring.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>

using namespace telvo;
using namespace telvo::test;

namespace {

// What a print sent to the printer.
struct Printed_Report {
    QString Printer;
    int Copies = 0;
    QPrinter::ColorMode Colour = QPrinter::GrayScale;
    Report_Page Page;
};

} // namespace

class Test_Print_Dispatch : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Main_Window_Fixture> F;
    std::unique_ptr<Print_Wiring> Wiring;
    QList<Printed_Report> Printed;
    QStringList Questions;
    bool Answer_Yes = true;
    QString Pdf_Path;
    QTemporaryDir Dir;

    TPrint_Dispatch &Dispatch() { return Wiring->Dispatch(); }
    TComments_Form &Comments_Form() { return Wiring->Comments_Form(); }

    QPushButton *Comment_Button(const char *name) { return Comments_Form().findChild<QPushButton *>(name); }

    void Show_Page_Without_View(int page) {
        F->Tabs()->setCurrentIndex(page);
        // A print computes the view itself; the request of the page change is not waited for.
    }

    void Type_Comment(const QString &text) {
        auto *editor = Comments_Form().findChild<QTextEdit *>("Comments");
        QVERIFY(editor);
        editor->setFocus();
        QTest::keyClicks(editor, text);
    }

    QString Comment_Of(const Report_Page &page) {
        for (const Report_Text_Box &box : page.Text_Boxes) {
            if (box.Name.compare("CommentBox", Qt::CaseInsensitive) == 0)
                return box.Text;
        }
        return {};
    }

private slots:
    void init() {
        F = std::make_unique<Main_Window_Fixture>();
        Wiring = std::make_unique<Print_Wiring>(*F->Form, F->Data);
        Printed.clear();
        Questions.clear();
        Answer_Yes = true;
        Pdf_Path.clear();
        TPrint_Dispatch &dispatch = Dispatch();
        dispatch.Installed_Printers = [] { return QStringList{"office", "hall"}; };
        dispatch.Default_Printer = [] { return QString("office"); };
        dispatch.Send_To_Printer = [this](QPrinter &printer, const Report_Page &page, QString *) {
            Printed.append({Dispatch().Chosen_Printer(), printer.copyCount(), printer.colorMode(), page});
            return true;
        };
        dispatch.Ask = [this](QWidget *, const QString &question) {
            Questions.append(question);
            return Answer_Yes;
        };
        dispatch.Pdf_Save_Dialog = [this](QWidget *) { return Pdf_Path; };
    }

    void cleanup() {
        Wiring.reset();
        F.reset();
    }

    void statistics_print_at_once() {
        QVERIFY(F->Show_Page(TMain_Form::Statistics_Page));
        F->Find<QAction>("Print1")->trigger();
        QCOMPARE(Printed.size(), 1);
        QVERIFY(!Comments_Form().isVisible());
        const Report_Page &page = Printed[0].Page;
        QCOMPARE(page.Label_Text("QRLabel11"), F->Text("Stat_Location_Name_Lab"));
        const auto *list = F->Find<QListWidget>("Statistics_Result_Box");
        QCOMPARE(page.Text_Box("QRRichText1")->Text.split('\n').size(), list->count());
        QCOMPARE(page.Text_Box("QRRichText1")->Text.split('\n').value(0), list->item(0)->text());

        F->Find<QPushButton>("Stat_Print_Button")->click();
        QCOMPARE(Printed.size(), 2);
        QVERIFY(!Comments_Form().isVisible());
    }

    // The comment window prints the page that is shown when Print is pressed,
    // recomputed: the day view was never computed with its rows before.
    void comment_window_prints_the_page_shown() {
        Show_Page_Without_View(TMain_Form::Week_Page);
        F->Find<QAction>("Print1")->trigger();
        QVERIFY(Comments_Form().isVisible());
        QCOMPARE(Comments_Form().findChild<QLabel *>("Comment_Lab")->text(), QString("Comments:"));
        QCOMPARE(Comment_Button("Print_Button")->text(), QString("&Print"));
        QCOMPARE(Comments_Form().windowTitle(), QString());

        Show_Page_Without_View(TMain_Form::Month_Page);
        Comment_Button("Print_Button")->click();
        QCOMPARE(Printed.size(), 1);
        QVERIFY(!Comments_Form().isVisible());
        QCOMPARE(Printed[0].Page.Paper, QPageSize::Letter);
        QCOMPARE(Printed[0].Page.Label_Text("QRLabel55"), QString("Month 3, 2024, Shop, Entrance"));

        Show_Page_Without_View(TMain_Form::Day_Page);
        F->Find<QPushButton>("Print_Day_Button")->click();
        QVERIFY(Comments_Form().isVisible());
        Comment_Button("Print_Button")->click();
        const Report_Page &day = Printed.last().Page;
        QCOMPARE(day.Orientation, QPageLayout::Landscape);
        QCOMPARE(day.Label_Text("QRLabel1"), QString("12-03-2024, Shop, Totals in"));
        // 12-03-2024 is day 2 of the fixture's week: 20 visitors at noon (hour 12).
        QCOMPARE(day.Label_Text("QRLabel77"), QString("20"));
        QCOMPARE(day.Label_Text("QRLabel56"), QString("20"));
    }

    void cancelled_comment_is_printed_later() {
        Show_Page_Without_View(TMain_Form::Week_Page);
        F->Find<QAction>("Print1")->trigger();
        Type_Comment("Door 3 closed");
        Comment_Button("Cancel_Button")->click();
        QVERIFY(!Comments_Form().isVisible());
        QVERIFY(Printed.isEmpty());

        F->Find<QAction>("Print1")->trigger();
        Comment_Button("Print_Button")->click();
        QCOMPARE(Printed.size(), 1);
        QVERIFY2(Comment_Of(Printed[0].Page).contains("Door 3 closed"),
                 qPrintable(Comment_Of(Printed[0].Page)));
        // The comment stays for the next report too.
        F->Find<QAction>("Print1")->trigger();
        Comment_Button("Print_Button")->click();
        QVERIFY(Comment_Of(Printed[1].Page).contains("Door 3 closed"));
    }

    void printer_setup_chooses_the_printer_and_the_day_copies() {
        QCOMPARE(F->Data.Printer_Index, -1);
        QCOMPARE(Dispatch().Chosen_Printer(), QString("office"));

        Dispatch().Printer_Dialog = [](QPrinter &, QWidget *) { return std::optional<QString>(); };
        F->Find<QAction>("Printer_settings1")->trigger();
        QCOMPARE(F->Data.Printer_Index, -1);

        Dispatch().Printer_Dialog = [](QPrinter &printer, QWidget *) {
            printer.setCopyCount(2);
            return std::optional<QString>("hall");
        };
        Show_Page_Without_View(TMain_Form::Week_Page);
        F->Find<QAction>("Print1")->trigger();
        Comment_Button("Printer_Set_Button")->click();
        QCOMPARE(F->Data.Printer_Index, 1);
        QVERIFY(Comments_Form().isVisible());
        Comment_Button("Print_Button")->click();

        Show_Page_Without_View(TMain_Form::Day_Page);
        F->Find<QAction>("Print1")->trigger();
        Comment_Button("Print_Button")->click();

        QCOMPARE(Printed.size(), 2);
        QCOMPARE(Printed[0].Printer, QString("hall"));
        QCOMPARE(Printed[0].Copies, 1);
        QCOMPARE(Printed[1].Printer, QString("hall"));
        QCOMPARE(Printed[1].Copies, 2);
        // The row colours print in colour whatever the printer's default.
        QCOMPARE(Printed[0].Colour, QPrinter::Color);
        QCOMPARE(Printed[1].Colour, QPrinter::Color);

        // A later cancelled setup keeps the printer chosen before.
        Dispatch().Printer_Dialog = [](QPrinter &, QWidget *) { return std::optional<QString>(); };
        Dispatch().Printer_Setup();
        QCOMPARE(Dispatch().Chosen_Printer(), QString("hall"));
    }

    void printer_index_beyond_the_list_takes_the_default() {
        F->Data.Printer_Index = 7;
        QCOMPARE(Dispatch().Chosen_Printer(), QString("office"));
        Dispatch().Default_Printer = [] { return QString(); };
        QCOMPARE(Dispatch().Chosen_Printer(), QString("office"));
        Dispatch().Installed_Printers = [] { return QStringList{"hall"}; };
        QCOMPARE(Dispatch().Chosen_Printer(), QString("hall"));
    }

    void without_printer_the_report_can_become_a_pdf() {
        Dispatch().Installed_Printers = [] { return QStringList(); };
        Show_Page_Without_View(TMain_Form::Quarter_Page);

        Answer_Yes = false;
        Pdf_Path = Dir.filePath("no.pdf");
        Wiring->Comments_Form().Print_ButtonClick();
        QCOMPARE(Questions.size(), 1);
        QCOMPARE(Questions[0], F->Data.Texts.Lang_No_Printer + '\n' + F->Data.Texts.Lang_Print_To_Pdf);
        QVERIFY(!QFile::exists(Pdf_Path));
        QVERIFY(Printed.isEmpty());

        Answer_Yes = true;
        Pdf_Path = Dir.filePath("quarter.pdf");
        Wiring->Comments_Form().Print_ButtonClick();
        QFile pdf(Pdf_Path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.readAll().startsWith("%PDF"));
        QVERIFY(F->Messages.isEmpty());

        Pdf_Path = Dir.filePath("missing/quarter.pdf");
        Wiring->Comments_Form().Print_ButtonClick();
        QCOMPARE(F->Messages.size(), 1);
        QVERIFY(F->Messages[0].startsWith(F->Data.Texts.Lang_File_Not_Written + '\n' + Pdf_Path));
    }
};

QTEST_MAIN(Test_Print_Dispatch)
#include "test_print_dispatch.moc"
