#include "export_command.h"

#include "charts/chart_image.h"
#include "charts/day_chart.h"
#include "charts/month_chart.h"
#include "charts/quarter_chart.h"
#include "charts/week_chart.h"
#include "charts/week_qf_chart.h"
#include "data/calendar.h"
#include "data/selection_texts.h"
#include "data/view_runs.h"
#include "data/zone_list.h"
#include "output/report_forms.h"
#include "output/report_renderer.h"
#include "output/table_export.h"
#include "settings/language_tables.h"
#include "settings/settings_io.h"
#include "settings/settings_store.h"

#include <QFileInfo>

#include <array>

namespace telvo {

namespace {

Export_Outcome Failure(int status, const QString &message)
{
    return {status, QStringLiteral("telvo-export: ") + message};
}

// The store to start from. An explicitly named file has to exist and be
// readable; the default location may be missing (every value its default).
bool Open_Settings(const Export_Request &request, Settings_Store &store, Export_Outcome &failure)
{
    QString error;
    if (!request.Settings_Path.isEmpty()) {
        const QFileInfo info(request.Settings_Path);
        if (!info.exists())
            error = QStringLiteral("no such file");
        else if (!info.isFile())
            error = QStringLiteral("not a regular file");
    }
    if (error.isEmpty() && store.Reload(&error))
        return true;
    failure = request.Settings_Path.isEmpty()
                  ? Failure(Export_Not_Written, QStringLiteral("cannot read settings %1: %2").arg(store.Path(), error))
                  : Failure(Export_Bad_Arguments, QStringLiteral("--settings '%1': %2").arg(store.Path(), error));
    return false;
}

// Stores each row's date or period as the pickers do and returns the rows
// with the captions the main window shows for them.
Row_Selections Pick_Periods(Model &model, const Export_Request &request)
{
    // Rows without a date keep today's, as the restore of the last selections leaves them.
    for (int r = 1; r <= Rows_Per_View; ++r) {
        model.Day_Dates[r] = request.Today;
        model.Week_Dates[r] = request.Today;
    }
    for (int r = 1; r <= request.Rows.size(); ++r) {
        const Export_Row &row = request.Rows[r - 1];
        if (!row.Has_Period)
            continue;
        switch (request.View_Kind) {
        case Day_View_Kind:
            model.Day_Dates[r] = row.Date;
            model.Day_Date_Texts[r] = Date_Text(row.Date);
            break;
        case Month_View_Kind:
            model.Month_Results[r].Month = static_cast<std::uint16_t>(row.Number);
            model.Month_Results[r].Year = static_cast<std::uint16_t>(row.Year);
            break;
        case Quarter_View_Kind:
            model.Quarter_Results[r].Period = static_cast<std::uint8_t>(row.Number);
            model.Quarter_Results[r].Year = static_cast<std::uint16_t>(row.Year);
            break;
        default:
            model.Week_Dates[r] = row.Date;
            model.Week_Date_Texts[r] = Make_Week_Date_Text(model, row.Date);
            break;
        }
    }

    const Selection_Texts shown = Show_Selections(model);
    const Per_Row<QString> months = Show_Month_Selections(model);
    const Per_Row<QString> periods = Show_Period_Selections(model);
    Row_Selections rows;
    for (int r = 1; r <= Rows_Per_View; ++r) {
        switch (request.View_Kind) {
        case Day_View_Kind:
            rows[r].Period_Text = shown.Day_Select[r];
            break;
        case Month_View_Kind:
            rows[r].Period_Text = months[r];
            break;
        case Quarter_View_Kind:
            rows[r].Period_Text = periods[r];
            break;
        default:
            rows[r].Period_Text = shown.Week_Select[r];
            break;
        }
    }
    return rows;
}

// Fills the zone lists in start-up order (row 1 of every page, then row 2, ...),
// so the day page's first row names the Total zones, and takes each row's zone
// text from its list. Pages other than the exported one have no devices.
void Choose_Devices_And_Zones(Model &model, const Export_Request &request, Row_Selections &rows)
{
    static constexpr std::array<Row_Page, Row_Page_Count> start_up_order = {
        Row_Page::Day, Row_Page::Week, Row_Page::Quarter, Row_Page::Month};
    const std::optional<Row_Page> page = Row_Page_Of_View(request.View_Kind);
    for (int r = 1; r <= Rows_Per_View; ++r) {
        const bool given = r <= request.Rows.size();
        for (const Row_Page list_page : start_up_order) {
            const bool exported = list_page == page && given;
            const QString device = exported ? request.Rows[r - 1].Device : QString();
            const QStringList zones = Fill_Zone_List(model, list_page, r, device);
            if (!exported)
                continue;
            rows[r].Device_Text = device;
            rows[r].Zone_Index = request.Rows[r - 1].Zone;
            if (rows[r].Zone_Index >= 0)
                rows[r].Zone_Text = zones.value(rows[r].Zone_Index);
        }
    }
}

// The size of an exported chart bitmap: about what the chart of the main
// window shows at the window's first size.
const QSize Export_Chart_Size(760, 300);

Chart View_Chart(Model &model, int view_kind, const Row_Selections &rows)
{
    Chart chart;
    switch (view_kind) {
    case Day_View_Kind:
        Fill_Day_Chart(chart, model, rows);
        break;
    case Week_View_Kind:
        Draw_Week_Chart(chart, model, rows);
        break;
    case Week_QF_View_Kind:
        Draw_Week_QF_Chart(chart, model, rows);
        break;
    case Month_View_Kind:
        Draw_Month_Chart(chart, model, rows);
        break;
    case Quarter_View_Kind:
        Draw_Quarter_Chart(chart, model, rows);
        break;
    default:
        break; // the statistics view has no chart
    }
    return chart;
}

bool Write_Table(const QString &path, Model &model, int view_kind, const Row_Selections &rows,
                 const View_Tables &tables, QString *error)
{
    switch (view_kind) {
    case Day_View_Kind:
        return Day_Tabel_Export(path, model, rows, tables.Day, error);
    case Week_View_Kind:
        return Week_Tabel_Export(path, model, rows, tables.Week, error);
    case Week_QF_View_Kind:
        return WeekQF_Tabel_Export(path, model, rows, tables.Week_QF, error);
    case Month_View_Kind:
        return Month_Tabel_Export(path, model, rows, error);
    case Quarter_View_Kind:
        return Quart_Tabel_Export(path, model, rows, error);
    default:
        return Statistics_Tabel_Export(path, model, error);
    }
}

} // namespace

Export_Outcome Run_Export(const Export_Request &request)
{
    Settings_Store store(request.Settings_Path.isEmpty() ? Settings_Store::Default_Path() : request.Settings_Path);
    Export_Outcome failure;
    if (!Open_Settings(request, store, failure))
        return failure;

    Model model;
    Set_Device_Keys(model);
    Load_Settings(model, store);
    Set_Language_Texts(model);
    model.Statistics_Location = request.Location;
    model.Printer_Index = -1;

    Row_Selections rows = Pick_Periods(model, request);
    Choose_Devices_And_Zones(model, request, rows);

    const View_Tables tables = Run_View(model, request.View_Kind, rows, request.Today);
    // The chart as the main window draws it; the day chart also sets the
    // title that the day report shows.
    const Chart chart = View_Chart(model, request.View_Kind, rows);
    QString error;
    if (!request.Output.isEmpty() && !Write_Table(request.Output, model, request.View_Kind, rows, tables, &error))
        return Failure(Export_Not_Written, QStringLiteral("cannot write %1: %2").arg(request.Output, error));
    if (!request.Pdf_Output.isEmpty()) {
        Report_Forms forms;
        forms.Form(request.View_Kind).Set_Comment(request.Comment, Report_Text_Format::Plain);
        const Report_Page &page =
            forms.Fill(request.View_Kind, model, rows, {tables.Statistics_Title, tables.Statistics_List});
        if (!Save_Report_Pdf(page, request.Pdf_Output, &error))
            return Failure(Export_Not_Written, QStringLiteral("cannot write %1: %2").arg(request.Pdf_Output, error));
    }
    if (!request.Bmp_Output.isEmpty() && !Save_Chart_Bitmap(chart, Export_Chart_Size, request.Bmp_Output, &error))
        return Failure(Export_Not_Written, QStringLiteral("cannot write %1: %2").arg(request.Bmp_Output, error));
    return {};
}

Export_Outcome Run_Export_Command(const QStringList &arguments, QDate system_today)
{
    QString error;
    const std::optional<Export_Request> request = Parse_Export_Arguments(arguments, system_today, &error);
    if (!request)
        return Failure(Export_Bad_Arguments, error);
    return Run_Export(*request);
}

} // namespace telvo
