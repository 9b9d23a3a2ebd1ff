#include "day_tab.h"

#include "chart_update.h"

#include "charts/day_chart.h"
#include "output/table_export.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace telvo {

TDay_Tab::TDay_Tab(Model &model, QWidget *parent)
    : QWidget(parent), Data(model),
      Day_Rows(
          new Selection_Rows(model, Row_Page::Day,
                             {QStringLiteral("Day_Select"), QStringLiteral("ID_Name_Box"),
                              QStringLiteral("Zone_Day_Box"), QStringLiteral("Day_Date_Label"),
                              QStringLiteral("Day_ID_Label"), QStringLiteral("Day_Zone_Label"), QString()},
                             this)),
      Day_Buttons(new Tab_Buttons({QStringLiteral("Day_View_Button"), QStringLiteral("Print_Day_Button"),
                                   QStringLiteral("Clear_Day_Button"), QStringLiteral("Exit_Buuton2")},
                                  this)),
      Day_Chart(new Chart_Widget(this)),
      DayTabelPaneel(
          new Table_Panel(QStringLiteral("DayTabelPaneel"),
                          QStringLiteral("Double click to export the data to file (data per hour)"), this)) {
    static const char *const period_headings[8] = {"00-03", "03-06", "06-09", "09-12",
                                                   "12-15", "15-18", "18-21", "21-24"};
    static const char *const heading_names[8] = {"Day_Period_Lab1", "Day_Period_Lab2", "Day_Period_Lab3",
                                                 "Day_Period_Lab4", "Label2",          "Label3",
                                                 "Label4",          "Label5"};
    for (int k = 1; k <= 8; ++k)
        DayTabelPaneel->Add_Cell(QLatin1String(heading_names[k - 1]), 0, k)
            ->setText(QLatin1String(period_headings[k - 1]));
    DT_Lab = DayTabelPaneel->Add_Cell(QStringLiteral("DT_Lab"), 0, 9);
    for (int r = 1; r <= Rows_Per_View; ++r) {
        const QString row = QString::number(r);
        Day_ID_Lab[r] = DayTabelPaneel->Add_Cell(QStringLiteral("Day_ID_Lab") + row, r, 0, Qt::AlignLeft);
        for (int k = 1; k <= 8; ++k)
            Day_Per_Lab[r][k] =
                DayTabelPaneel->Add_Cell(QStringLiteral("Day_per%1_Lab%2").arg(k).arg(r), r, k);
        DT_Lab_Row[r] = DayTabelPaneel->Add_Cell(QStringLiteral("DT_Lab") + row, r, 9);
    }
    DayTabelPaneel->Grid()->setColumnStretch(0, 3);
    for (int k = 1; k <= 9; ++k)
        DayTabelPaneel->Grid()->setColumnStretch(k, 1);

    auto *top = new QHBoxLayout;
    top->addWidget(Day_Rows, 1);
    top->addWidget(Day_Buttons);
    auto *layout = new QVBoxLayout(this);
    Day_Chart->setObjectName(QStringLiteral("Day_Chart"));
    layout->addLayout(top);
    layout->addWidget(Day_Chart, 1);
    layout->addWidget(DayTabelPaneel);
}

void TDay_Tab::Show_Day_Table(const Day_Table_Texts &texts) {
    Shown = texts;
    for (int r = 1; r <= Rows_Per_View; ++r) {
        Day_ID_Lab[r]->setText(texts.Day_ID_Lab[r]);
        for (int k = 1; k <= 8; ++k)
            Day_Per_Lab[r][k]->setText(texts.Day_Per[r][k]);
        DT_Lab_Row[r]->setText(texts.DT_Lab[r]);
    }
}

void TDay_Tab::Clear_Day_View() {
    Reset_Day_Results(Data);
    Show_Day_Table(Fill_Day_Table(Data, Day_Rows->Read_Rows()));
}

void TDay_Tab::Set_Day_Table_Headers(const Language_Texts &texts) {
    DT_Lab->setText(texts.Lang_Day_Total);
}

void TDay_Tab::Fill_Day_Chart() {
    Update_Chart(Day_Chart,
                 [this](Chart &chart) { telvo::Fill_Day_Chart(chart, Data, Day_Rows->Read_Rows()); });
}

void TDay_Tab::Clear_Day_Chart() {
    Update_Chart(Day_Chart, [](Chart &chart) { telvo::Clear_Day_Chart(chart); });
}

bool TDay_Tab::Export_Table(const QString &path, QString *error) const {
    return Day_Tabel_Export(path, Data, Day_Rows->Read_Rows(), Shown, error);
}

} // namespace telvo
