#include "week_tab.h"

#include "chart_update.h"

#include "charts/week_chart.h"
#include "output/table_export.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace telvo {

TWeek_Tab::TWeek_Tab(Model &model, QWidget *parent)
    : QWidget(parent), Data(model),
      Week_Rows(new Selection_Rows(model, Row_Page::Week,
                                   {QStringLiteral("Week_Select"), QStringLiteral("Week_ID_Name_Box"),
                                    QStringLiteral("Zone_Week_Box"), QStringLiteral("Week_Date_Label"),
                                    QStringLiteral("Week_ID_Label"), QStringLiteral("Week_Zone_Label"),
                                    QStringLiteral("StaticText")},
                                   this)),
      Week_Buttons(new Tab_Buttons({QStringLiteral("Week_View_Button"), QStringLiteral("Print_Button"),
                                    QStringLiteral("Clear_Button"), QStringLiteral("Exit_Button")},
                                   this)),
      Week_Chart(new Chart_Widget(this)),
      WeekTabelPaneel(new Table_Panel(QStringLiteral("WeekTabelPaneel"),
                                      QStringLiteral("Double click to export the data to file"), this)) {
    for (int k = 1; k <= 7; ++k)
        Day_Heading[k] =
            WeekTabelPaneel->Add_Cell(QLatin1String(Week_Day_Suffixes[k - 1]) + QStringLiteral("_Lab"), 0, k);
    WT_Lab = WeekTabelPaneel->Add_Cell(QStringLiteral("WT_Lab"), 0, 8);
    WeekNr_Label = WeekTabelPaneel->Add_Cell(QStringLiteral("WeekNr_Label"), 0, 9);
    for (int r = 1; r <= Rows_Per_View; ++r) {
        const QString row = QString::number(r);
        Week_ID_Lab[r] = WeekTabelPaneel->Add_Cell(QStringLiteral("Week_ID_Lab") + row, r, 0, Qt::AlignLeft);
        for (int k = 1; k <= 7; ++k) {
            QString name = QStringLiteral("Week_ID%1_").arg(r) + QLatin1String(Week_Day_Suffixes[k - 1]);
            if (r == 2 && k == 3)
                name = QStringLiteral("Week_ID2_wo"); // the one cell the form spells in lower case
            Day_Cell[r][k] = WeekTabelPaneel->Add_Cell(name, r, k);
        }
        WT_Cell[r] = WeekTabelPaneel->Add_Cell(QStringLiteral("Week_ID%1_WT").arg(r), r, 8);
        Wnr_Cell[r] = WeekTabelPaneel->Add_Cell(QStringLiteral("Week_ID%1_Wnr").arg(r), r, 9);
    }
    for (int k = 1; k <= 9; ++k)
        WeekTabelPaneel->Grid()->setColumnStretch(k, 1);

    auto *top = new QHBoxLayout;
    top->addWidget(Week_Rows, 1);
    top->addWidget(Week_Buttons);
    auto *layout = new QVBoxLayout(this);
    Week_Chart->setObjectName(QStringLiteral("Week_Chart"));
    layout->addLayout(top);
    layout->addWidget(Week_Chart, 1);
    layout->addWidget(WeekTabelPaneel);
}

void TWeek_Tab::Show_Week_Table(const Week_Table_Texts &texts) {
    Shown = texts;
    for (int r = 1; r <= Rows_Per_View; ++r) {
        Week_ID_Lab[r]->setText(texts.Week_ID_Lab[r]);
        for (int k = 1; k <= 7; ++k)
            Day_Cell[r][k]->setText(texts.Day[r][k]);
        WT_Cell[r]->setText(texts.WT[r]);
        Wnr_Cell[r]->setText(texts.Wnr[r]);
    }
}

void TWeek_Tab::Refresh_Week_Table() {
    Show_Week_Table(telvo::Show_Week_Table(Data, Week_Rows->Read_Rows()));
}

void TWeek_Tab::Set_Week_Headers(const Week_Headers &headers) {
    for (int k = 1; k <= 7; ++k)
        Day_Heading[k]->setText(headers.Day_Names[k]);
    WT_Lab->setText(headers.WT_Lab);
    WeekNr_Label->setText(headers.WeekNr_Label);
}

void TWeek_Tab::Prepare_Week_Chart() {
    Update_Chart(Week_Chart,
                 [this](Chart &chart) { telvo::Prepare_Week_Chart(chart, Data, Week_Rows->Read_Rows()); });
}

void TWeek_Tab::Draw_Week_Chart() {
    Update_Chart(Week_Chart,
                 [this](Chart &chart) { telvo::Draw_Week_Chart(chart, Data, Week_Rows->Read_Rows()); });
}

void TWeek_Tab::Clear_Week_Chart() {
    Update_Chart(Week_Chart, [](Chart &chart) { telvo::Clear_Week_Chart(chart); });
}

bool TWeek_Tab::Export_Table(const QString &path, QString *error) {
    return Week_Tabel_Export(path, Data, Week_Rows->Read_Rows(), Shown, error);
}

} // namespace telvo
