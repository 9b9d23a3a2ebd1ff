#include "views/print_dispatch.h"

#include "data/view_runs.h"
#include "settings/language_tables.h"
#include "views/main_form.h"

#include <QDir>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

using namespace telvo;

// Prints a report through a real CUPS queue, as the program does: the queue
// "telvo-test" of scripts/start-test-printer.sh copies each job into a
// directory. Without a reachable scheduler the test skips, unless
// TELVO_REQUIRE_TEST_PRINTER is set (as the test script does once the queue is up).
class Test_Print_Queue : public QObject {
    Q_OBJECT

private slots:
    void week_report_reaches_the_queue() {
        const QString queue = QStringLiteral("telvo-test");
        const QStringList printers = QPrinterInfo::availablePrinterNames();
        if (!printers.contains(queue)) {
            const QByteArray why = "no CUPS scheduler with the queue telvo-test is reachable "
                                   "(scripts/start-test-printer.sh starts one)";
            if (qEnvironmentVariableIsSet("TELVO_REQUIRE_TEST_PRINTER"))
                QFAIL(why.constData());
            QSKIP(why.constData());
        }
        const QDir out(qEnvironmentVariable("TELVO_PRINT_OUT", QStringLiteral("/tmp/telvo-print-out")));
        const QStringList jobs_before = out.entryList({QStringLiteral("job-*.pdf")}, QDir::Files);

        Model model;
        model.Language = QStringLiteral("ENGLISH");
        Set_Language_Texts(model);
        model.Printer_Index = static_cast<std::int32_t>(printers.indexOf(queue));
        Row_Selections rows;
        rows[1] = Row_Selection{QStringLiteral("Week 11, 2024"), QStringLiteral("Shop"), 0,
                                QStringLiteral("Totals in")};
        Print_Source source;
        source.Current_Page = [] { return int(TMain_Form::Week_Page); };
        source.Rows = [rows](int) { return rows; };
        source.Recompute = [&model, rows](int view_kind) {
            Run_View(model, view_kind, rows, QDate(2024, 3, 15));
        };
        source.Statistics = [] { return Statistics_Shown(); };
        TPrint_Dispatch dispatch(model, source, nullptr);
        QCOMPARE(dispatch.Chosen_Printer(), queue);

        dispatch.Print_Current_Page(QStringLiteral("<p>Printed by the print queue test</p>"));

        QStringList new_jobs;
        QTRY_VERIFY_WITH_TIMEOUT(
            (new_jobs = out.entryList({QStringLiteral("job-*.pdf")}, QDir::Files),
             new_jobs.removeIf([&](const QString &job) { return jobs_before.contains(job); }),
             !new_jobs.isEmpty()),
            30000);

        // The queue passes the job on unchanged: the report as one A4 page.
        const QString job = out.filePath(new_jobs.constFirst());
        const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
        if (pdfinfo.isEmpty() || !QFileInfo(job).isReadable())
            return;
        QProcess info;
        info.start(pdfinfo, {job});
        QVERIFY(info.waitForFinished());
        const QString details = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(details.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(details));
        QVERIFY2(details.contains(QStringLiteral("595 x 842 pts (A4)")), qPrintable(details));
    }
};

QTEST_MAIN(Test_Print_Queue)
#include "test_print_queue.moc"
