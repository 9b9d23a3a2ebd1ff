#include "main_form.h"

#include "day_tab.h"
#include "message_box.h"
#include "month_tab.h"
#include "quarter_tab.h"
#include "selection_rows.h"
#include "statistics_tab.h"
#include "wait_form.h"
#include "week_qf_tab.h"
#include "week_tab.h"

#include "charts/chart_image.h"
#include "charts/chart_widget.h"
#include "charts/day_chart.h"
#include "data/selection_texts.h"
#include "data/view_runs.h"
#include "data/week_view.h"
#include "data/zone_list.h"
#include "settings/language_tables.h"
#include "settings/last_viewed.h"
#include "settings/settings_io.h"
#include "settings/settings_store.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

namespace telvo {

namespace {

// View_Kind of each page of TabbedNotebook1.
constexpr int Page_View_Kinds[6] = {Day_View_Kind,   Week_View_Kind,    Week_QF_View_Kind,
                                    Month_View_Kind, Quarter_View_Kind, Statistics_View_Kind};

// The pages with rows in the order the start-up fills their zone lists.
constexpr Row_Page Row_Pages[Row_Page_Count] = {Row_Page::Day, Row_Page::Week, Row_Page::Quarter,
                                                Row_Page::Month};

QString Run_File_Dialog(QWidget *parent, const Save_Dialog_Request &request) {
    QFileDialog dialog(parent, request.Title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(request.Filter);
    dialog.setDefaultSuffix(request.Default_Suffix);
    // An existing file is replaced without asking, as every export always did.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

TMain_Form::TMain_Form(Model &model, Settings_Store &store, QWidget *parent)
    : QMainWindow(parent), Save_Dialog(Run_File_Dialog), Data(model), Store(store),
      TabbedNotebook1(new QTabWidget(this)), Day_Tab(new TDay_Tab(model)), Week_Tab(new TWeek_Tab(model)),
      Week_QF_Tab(new TWeek_QF_Tab(model, Week_Tab->Rows())), Month_Tab(new TMonth_Tab(model)),
      Quarter_Tab(new TQuarter_Tab(model)), Statistics_Tab(new TStatistics_Tab(model)),
      Wait_Form(new TWait_Form(this)), Timer1(new QTimer(this)) {
    setObjectName(QStringLiteral("Main_Form"));
    TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
    TabbedNotebook1->addTab(Day_Tab, QString());
    TabbedNotebook1->addTab(Week_Tab, QString());
    TabbedNotebook1->addTab(Week_QF_Tab, QString());
    TabbedNotebook1->addTab(Month_Tab, QString());
    TabbedNotebook1->addTab(Quarter_Tab, QString());
    TabbedNotebook1->addTab(Statistics_Tab, QString());
    // The window opens on the week page without a view request of its own.
    TabbedNotebook1->setCurrentIndex(Week_Page);
    setCentralWidget(TabbedNotebook1);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, &TMain_Form::Timer1Timer);

    Build_Menu();
    Connect_Tabs();

    resize(800, 612);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    Start_Up();
    Apply_Main_Texts();
    connect(TabbedNotebook1, &QTabWidget::currentChanged, this, &TMain_Form::TabbedNotebook1Change);
}

TMain_Form::~TMain_Form() = default;

void TMain_Form::Build_Menu() {
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    const auto add_action = [this](QMenu *menu, const char *name) {
        auto *action = new QAction(this);
        action->setObjectName(QLatin1String(name));
        menu->addAction(action);
        return action;
    };

    File1 = menuBar()->addMenu(QString());
    File1->setObjectName(QStringLiteral("File1"));
    Printer_settings1 = add_action(File1, "Printer_settings1");
    Print1 = add_action(File1, "Print1");
    File1->addSeparator();
    Exit1 = add_action(File1, "Exit1");
    connect(Printer_settings1, &QAction::triggered, this, &TMain_Form::printerSetupRequested);
    connect(Print1, &QAction::triggered, this, [this] {
        if (TabbedNotebook1->currentIndex() == Statistics_Page)
            emit statisticsPrintRequested();
        else
            emit commentRequested();
    });
    connect(Exit1, &QAction::triggered, this, &QWidget::close);

    Settings1 = menuBar()->addMenu(QString());
    Settings1->setObjectName(QStringLiteral("Settings1"));
    static const char *const settings_items[7] = {"ID_Nummer1",    "Zone_Definition1",  "Language1",
                                                  "Directory1",    "Editgraphicnames1", "Change_Day_View",
                                                  "ChangePasword1"};
    for (int action_number = 1; action_number <= 7; ++action_number) {
        QAction *action = add_action(Settings1, settings_items[action_number - 1]);
        connect(action, &QAction::triggered, this, [this, action_number] {
            Data.Protected_Action = action_number;
            emit protectedActionRequested(action_number);
        });
        Settings_Items.append(action);
    }

    About1 = new QAction(this);
    About1->setObjectName(QStringLiteral("About1"));
    menuBar()->addAction(About1);
    connect(About1, &QAction::triggered, this, &TMain_Form::aboutRequested);
}

void TMain_Form::Connect_Tabs() {
    const auto connect_buttons = [this](Tab_Buttons *buttons, int view_kind) {
        connect(buttons, &Tab_Buttons::viewClicked, this, [this, view_kind] { Request_View(view_kind); });
        connect(buttons, &Tab_Buttons::printClicked, this, &TMain_Form::commentRequested);
        connect(buttons, &Tab_Buttons::clearClicked, this, &TMain_Form::Clear_Current_Tab);
        connect(buttons, &Tab_Buttons::exitClicked, this, &QWidget::close);
    };
    connect_buttons(Day_Tab->Buttons(), Day_View_Kind);
    connect_buttons(Week_Tab->Buttons(), Week_View_Kind);
    connect_buttons(Week_QF_Tab->Buttons(), Week_QF_View_Kind);
    connect_buttons(Month_Tab->Buttons(), Month_View_Kind);
    connect_buttons(Quarter_Tab->Buttons(), Quarter_View_Kind);
    connect(Statistics_Tab->Buttons(), &Tab_Buttons::printClicked, this,
            &TMain_Form::statisticsPrintRequested);
    connect(Statistics_Tab->Buttons(), &Tab_Buttons::exitClicked, this, &QWidget::close);

    connect(Day_Tab->Rows(), &Selection_Rows::periodClicked, this, [this](int row) {
        Data.Calendar_Target = row;
        emit calendarRequested(row);
    });
    connect(Week_Tab->Rows(), &Selection_Rows::periodClicked, this, [this](int row) {
        Data.Calendar_Target = Rows_Per_View + row;
        emit calendarRequested(Rows_Per_View + row);
    });
    connect(Month_Tab->Rows(), &Selection_Rows::periodClicked, this, [this](int row) {
        Data.Month_Target = row;
        emit monthPickerRequested(row);
    });
    connect(Quarter_Tab->Rows(), &Selection_Rows::periodClicked, this, [this](int row) {
        Data.Period_Target = row;
        emit periodPickerRequested(row);
    });

    connect(Statistics_Tab, &TStatistics_Tab::locationClicked, this, [this](int slot) {
        Data.Statistics_Location = slot;
        Request_View(Statistics_View_Kind);
    });

    connect(Day_Tab->Table(), &Table_Panel::doubleClicked, this, [this] {
        Export_Table_Dialog(
            [this](const QString &path, QString *error) { return Day_Tab->Export_Table(path, error); });
    });
    connect(Week_Tab->Table(), &Table_Panel::doubleClicked, this, [this] {
        Export_Table_Dialog(
            [this](const QString &path, QString *error) { return Week_Tab->Export_Table(path, error); });
    });
    connect(Week_QF_Tab->Table(), &Table_Panel::doubleClicked, this, [this] {
        Export_Table_Dialog(
            [this](const QString &path, QString *error) { return Week_QF_Tab->Export_Table(path, error); });
    });
    connect(Month_Tab->Table(), &Table_Panel::doubleClicked, this, [this] {
        Export_Table_Dialog(
            [this](const QString &path, QString *error) { return Month_Tab->Export_Table(path, error); });
    });
    connect(Quarter_Tab->Table(), &Table_Panel::doubleClicked, this, [this] {
        Export_Table_Dialog(
            [this](const QString &path, QString *error) { return Quarter_Tab->Export_Table(path, error); });
    });
    for (Chart_Widget *chart : {Day_Tab->Chart_View(), Week_Tab->Chart_View(), Week_QF_Tab->Chart_View(),
                                Month_Tab->Chart_View(), Quarter_Tab->Chart_View()})
        connect(chart, &Chart_Widget::doubleClicked, this, [this, chart] { Save_Chart_Dialog(chart); });
    connect(Statistics_Tab, &TStatistics_Tab::resultBoxDoubleClicked, this, [this] {
        Export_Table_Dialog([this](const QString &path, QString *error) {
            return Statistics_Tab->Export_Table(path, error);
        });
    });
}

Selection_Rows *TMain_Form::Rows(Row_Page page) const {
    switch (page) {
    case Row_Page::Day:
        return Day_Tab->Rows();
    case Row_Page::Week:
        return Week_Tab->Rows();
    case Row_Page::Quarter:
        return Quarter_Tab->Rows();
    case Row_Page::Month:
        return Month_Tab->Rows();
    }
    return nullptr;
}

void TMain_Form::Start_Up() {
    Set_Device_Keys(Data);
    Load_Settings(Data, Store);
    Set_Language_Texts(Data);
    Show_Selections();
    Load_Last_Viewed(Data, Store, QDate::currentDate());
    Fill_ID_Lists();
    Show_Period_Selections();
    Show_Month_Selections();
    for (int row = 1; row <= Rows_Per_View; ++row)
        for (Row_Page page : Row_Pages)
            Rows(page)->Fill_Zone_List(row);
    for (Row_Page page : Row_Pages)
        Rows(page)->Select_Restored_Zones();

    Day_Tab->Clear_Day_View();
    Reset_Week_Results(Data);
    Week_Tab->Refresh_Week_Table();
    Reset_Month_Results(Data);
    Month_Tab->Refresh_Month_Table();
    Reset_Quarter_Results(Data);
    Quarter_Tab->Refresh_Quarter_Table();

    // The day and week rows show no texts yet, so only the month and quarter
    // rows are computed here; the week page follows once the texts are applied.
    for (int view_kind :
         {Day_View_Kind, Week_View_Kind, Week_QF_View_Kind, Quarter_View_Kind, Month_View_Kind})
        Compute_View(view_kind);

    Data.Statistics_Location = 1;
    Data.Printer_Index = -1;
}

void TMain_Form::Fill_ID_Lists() {
    const QStringList names = ID_List(Data);
    for (Row_Page page : Row_Pages)
        Rows(page)->Fill_ID_List(names);
}

void TMain_Form::Apply_Main_Texts() {
    Set_Language_Texts(Data);
    Apply_Main_Menu_Texts();
    Apply_Tab_Texts();
    Show_Selections();

    const Language_Texts &texts = Data.Texts;
    Day_Tab->Set_Day_Table_Headers(texts);
    Show_Week_Headers();
    Quarter_Tab->Set_Quarter_Table_Headers(Set_Quarter_Table_Headers(Data));
    Month_Tab->Set_Month_Table_Labels(Show_Month_Table(Data, Month_Tab->Rows()->Read_Rows()));

    setWindowTitle(QStringLiteral("Telvo_View ") + texts.Lang_Version + QLatin1Char(' ') +
                   QLatin1String(TELVO_VERSION));
    Day_Tab->Rows()->Set_Headings(texts.Lang_Date_Label, texts.Lang_Location_Label,
                                  texts.Lang_Selection_Label);
    Week_Tab->Rows()->Set_Headings(texts.Lang_Week_Label, texts.Lang_Location_Label,
                                   texts.Lang_Selection_Label);
    Quarter_Tab->Rows()->Set_Headings(texts.Lang_Period + QLatin1Char(':'), texts.Lang_Location_Label,
                                      texts.Lang_Selection_Label);
    Month_Tab->Rows()->Set_Headings(texts.Lang_Month + QLatin1Char(':'), texts.Lang_Location_Label,
                                    texts.Lang_Selection_Label);

    // Day names and other words on the axes follow the language; the week rows
    // are collected again for the redrawn chart.
    const Row_Selections week_rows = Week_Tab->Rows()->Read_Rows();
    Week_Tab->Prepare_Week_Chart();
    Collect_Week(Data, week_rows, 1);
    Week_Tab->Refresh_Week_Table();
    Week_Tab->Draw_Week_Chart();
    Week_QF_Tab->Prepare_Week_QF_Chart();
    Quarter_Tab->Draw_Quarter_Chart();
    Month_Tab->Draw_Month_Chart();
}

void TMain_Form::Show_Week_Headers() {
    const Week_Headers headers = Set_Week_Headers(Data);
    Week_Tab->Set_Week_Headers(headers);
    Week_QF_Tab->Set_Week_QF_Headers(headers);
}

void TMain_Form::Apply_Main_Menu_Texts() {
    const Language_Texts &texts = Data.Texts;
    File1->setTitle(texts.Lang_File_Menu);
    Printer_settings1->setText(texts.Lang_Printer_Setup);
    Print1->setText(texts.Lang_Print_Menu);
    Exit1->setText(texts.Lang_Exit_Menu);
    Settings1->setTitle(texts.Lang_Settings_Menu);
    const QString settings_captions[7] = {texts.Lang_Label_IDs_Menu,        texts.Lang_Define_Zones_Menu,
                                          texts.Lang_Set_Language_Menu,     texts.Lang_Set_Directories_Menu,
                                          texts.Lang_Edit_Graph_Names_Menu, texts.Lang_Change_View_Menu,
                                          texts.Lang_Change_Password_Menu};
    for (int i = 0; i < 7; ++i)
        Settings_Items[i]->setText(settings_captions[i]);
    About1->setText(texts.Lang_About_Menu);

    for (Tab_Buttons *buttons : {Day_Tab->Buttons(), Week_Tab->Buttons(), Week_QF_Tab->Buttons(),
                                 Month_Tab->Buttons(), Quarter_Tab->Buttons(), Statistics_Tab->Buttons()})
        buttons->Set_Texts(texts);
    Statistics_Tab->Set_Statistics_Headers(texts);
}

void TMain_Form::Apply_Tab_Texts() {
    const Language_Texts &texts = Data.Texts;
    TabbedNotebook1->setTabText(Day_Page, Data.Enable_Day_Tab1 ? texts.Lang_Day_Intensity_Tab
                                                               : texts.Lang_Day_Total_Tab);
    TabbedNotebook1->setTabText(Week_Page, texts.Lang_Week);
    TabbedNotebook1->setTabText(Week_QF_Page, texts.Lang_Week_QF_Tab);
    TabbedNotebook1->setTabText(Month_Page, texts.Lang_Month_Tab);
    TabbedNotebook1->setTabText(Quarter_Page, texts.Lang_Quarter_Tab);
    TabbedNotebook1->setTabText(Statistics_Page, texts.Lang_Statistics_Tab);
}

void TMain_Form::Show_Selections() {
    const Selection_Texts texts = telvo::Show_Selections(Data);
    Day_Tab->Rows()->Set_Period_Texts(texts.Day_Select);
    Week_Tab->Rows()->Set_Period_Texts(texts.Week_Select);
    Month_Tab->Rows()->Set_Period_Texts(texts.Month_Period_Select);
}

void TMain_Form::Show_Month_Selections() {
    Month_Tab->Rows()->Set_Period_Texts(telvo::Show_Month_Selections(Data));
}

void TMain_Form::Show_Period_Selections() {
    Quarter_Tab->Rows()->Set_Period_Texts(telvo::Show_Period_Selections(Data));
}

void TMain_Form::Copy_Row_Above(Row_Page page, int row) {
    Rows(page)->Copy_Row_Above(row);
}

void TMain_Form::Request_View(int kind) {
    Wait_Form->Show_Waiting(Data.Texts.Lang_Collecting_Data);
    Data.View_Kind = kind;
    Timer1->start();
}

void TMain_Form::Timer1Timer() {
    Timer1->stop();
    Compute_View(Data.View_Kind);
    Wait_Form->hide();
}

void TMain_Form::Compute_View(int kind) {
    const Row_Selections rows = Rows_Of_View(kind);
    const View_Tables tables = Run_View(Data, kind, rows, QDate::currentDate());
    switch (kind) {
    case Day_View_Kind:
        Day_Tab->Show_Day_Table(tables.Day);
        Day_Tab->Fill_Day_Chart();
        break;
    case Week_View_Kind:
        Week_Tab->Show_Week_Table(tables.Week);
        Week_Tab->Draw_Week_Chart();
        break;
    case Week_QF_View_Kind:
        Week_QF_Tab->Show_Week_QF_Info(tables.Week_QF_Info);
        Week_QF_Tab->Show_Week_QF_Table(tables.Week_QF);
        Week_QF_Tab->Draw_Week_QF_Chart();
        break;
    case Quarter_View_Kind:
        Quarter_Tab->Show_Quarter_Table(tables.Quarter);
        Quarter_Tab->Draw_Quarter_Chart();
        break;
    case Month_View_Kind:
        Month_Tab->Show_Month_Table(tables.Month);
        Month_Tab->Draw_Month_Chart();
        break;
    case Statistics_View_Kind:
        Statistics_Tab->Show_Statistics(tables.Statistics_Title, tables.Statistics_List);
        break;
    default:
        break;
    }
}

Row_Selections TMain_Form::Rows_Of_View(int kind) const {
    const std::optional<Row_Page> page = Row_Page_Of_View(kind);
    return page ? Rows(*page)->Read_Rows() : Row_Selections{};
}

void TMain_Form::TabbedNotebook1Change(int page) {
    if (page == Statistics_Page)
        Statistics_Tab->Prepare_Statistics_Tab();
    Request_Shown_Page_View();
}

int TMain_Form::View_Kind_Of_Page(int page) {
    return page >= Day_Page && page <= Statistics_Page ? Page_View_Kinds[page] : Statistics_View_Kind;
}

void TMain_Form::Request_Shown_Page_View() {
    const int page = TabbedNotebook1->currentIndex();
    if (page >= Day_Page && page <= Statistics_Page)
        Request_View(View_Kind_Of_Page(page));
}

void TMain_Form::Clear_Current_Tab() {
    switch (TabbedNotebook1->currentIndex()) {
    case Day_Page:
        Clear_Day_Dates();
        Day_Tab->Rows()->Clear_Row_IDs();
        Day_Tab->Rows()->Clear_Zone_Lists();
        Day_Tab->Clear_Day_Chart();
        Day_Tab->Clear_Day_View();
        break;
    case Week_Page:
        Clear_Week_Dates();
        Week_Tab->Rows()->Clear_Row_IDs();
        Week_Tab->Rows()->Clear_Zone_Lists();
        Week_Tab->Clear_Week_Chart();
        Week_QF_Tab->Clear_Week_QF_Chart();
        Week_QF_Tab->Clear_Week_QF_Info();
        telvo::Clear_Week_Totals(Data);
        Week_Tab->Refresh_Week_Table();
        Week_QF_Tab->Clear_Week_QF();
        break;
    case Month_Page:
        Clear_Month_Periods();
        Month_Tab->Rows()->Clear_Row_IDs();
        Month_Tab->Rows()->Clear_Zone_Lists();
        Month_Tab->Clear_Month_Chart();
        telvo::Clear_Month_Totals(Data);
        Month_Tab->Refresh_Month_Table();
        break;
    case Quarter_Page:
        Clear_Quarter_Periods();
        Quarter_Tab->Rows()->Clear_Row_IDs();
        Quarter_Tab->Rows()->Clear_Zone_Lists();
        Quarter_Tab->Clear_Quarter_Chart();
        telvo::Clear_Quarter_Weeks(Data);
        Quarter_Tab->Refresh_Quarter_Table();
        break;
    default:
        break; // the week QF and statistics pages have nothing to clear
    }
}

void TMain_Form::Clear_Day_Dates() {
    for (QString &text : Data.Day_Date_Texts)
        text = Data.Texts.Lang_Empty;
    Show_Selections();
}

void TMain_Form::Clear_Week_Dates() {
    for (QString &text : Data.Week_Date_Texts)
        text = Data.Texts.Lang_Empty;
    Show_Selections();
}

void TMain_Form::Clear_Month_Periods() {
    for (Month_Result &result : Data.Month_Results) {
        result.Month = 0;
        result.Year = 0;
    }
    Show_Month_Selections();
    Show_Selections();
}

void TMain_Form::Clear_Quarter_Periods() {
    for (Quarter_Result &result : Data.Quarter_Results) {
        result.Year = 0;
        result.Period = 0;
    }
    Show_Period_Selections();
    Show_Selections();
}

void TMain_Form::Clear_All_Rows() {
    Day_Tab->Rows()->Clear_Row_IDs();
    Fill_ID_Lists();
    Clear_Day_Dates();
    Day_Tab->Rows()->Clear_Zone_Lists();
    Week_Tab->Rows()->Clear_Row_IDs();
    Week_Tab->Rows()->Clear_Zone_Lists();
    Clear_Week_Dates();
    Quarter_Tab->Rows()->Clear_Row_IDs();
    Clear_Quarter_Periods();
    Quarter_Tab->Rows()->Clear_Zone_Lists();
    Month_Tab->Rows()->Clear_Row_IDs();
    Clear_Month_Periods();
    Month_Tab->Rows()->Clear_Zone_Lists();
}

void TMain_Form::Refill_Zone_Lists() {
    for (Row_Page page : {Row_Page::Day, Row_Page::Week, Row_Page::Quarter})
        for (int row = 1; row <= Rows_Per_View; ++row)
            Rows(page)->Fill_Zone_List(row);
}

void TMain_Form::Redraw_Charts() {
    Day_Tab->Fill_Day_Chart();
    Week_Tab->Draw_Week_Chart();
    Week_QF_Tab->Draw_Week_QF_Chart();
    Month_Tab->Draw_Month_Chart();
    Quarter_Tab->Draw_Quarter_Chart();
}

void TMain_Form::Apply_View_Settings() {
    Apply_Tab_Texts();
    Set_Day_Chart_Title(Data);
    Show_Week_Headers();
    Week_Tab->Prepare_Week_Chart();
    Week_QF_Tab->Prepare_Week_QF_Chart();
    Request_Shown_Page_View();
}

void TMain_Form::Export_Table_Dialog(const std::function<bool(const QString &, QString *)> &export_table) {
    const QString path = Save_Dialog(
        this, {Data.Texts.Lang_Save_Table, QStringLiteral("EXP files (*.exp *.EXP)"), QStringLiteral("EXP")});
    if (path.isEmpty())
        return;
    QString error;
    if (!export_table(path, &error))
        Report_Write_Failure(path, error);
}

void TMain_Form::Save_Chart_Dialog(const Chart_Widget *chart) {
    const QString path =
        Save_Dialog(this, {Data.Texts.Lang_Save_Graph, QStringLiteral("Bitmap files (*.bmp *.BMP)"),
                           QStringLiteral("bmp")});
    if (path.isEmpty())
        return;
    QString error;
    if (!Save_Chart_Bitmap(chart->chart(), chart->size(), path, &error))
        Report_Write_Failure(path, error);
}

void TMain_Form::Report_Write_Failure(const QString &path, const QString &reason) {
    Show_Information(this, File_Not_Written_Text(Data, path, reason));
}

void TMain_Form::closeEvent(QCloseEvent *event) {
    // The rows are taken before open dialogs close: closing the zone editor
    // refills zone lists, which must not drop the choices about to be saved.
    Last_Viewed_Rows rows;
    for (Row_Page page : Row_Pages) {
        rows.Device_Texts[static_cast<std::size_t>(page)] = Rows(page)->Device_Texts();
        rows.Zone_Indexes[static_cast<std::size_t>(page)] = Rows(page)->Zone_Indexes();
    }
    emit aboutToClose();
    QString error;
    if (!Save_Last_Viewed(Data, rows, Store, &error))
        Show_Information(this, Settings_Not_Saved_Text(Data, Store, error));
    event->accept();
}

} // namespace telvo
