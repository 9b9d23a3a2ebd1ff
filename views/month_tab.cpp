#include "month_tab.h"

#include "chart_update.h"

#include "charts/month_chart.h"
#include "output/table_export.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace telvo {

TMonth_Tab::TMonth_Tab(Model &model, QWidget *parent)
    : QWidget(parent), Data(model),
      Month_Rows(new Selection_Rows(model, Row_Page::Month,
                                    {QStringLiteral("Month_Period_Select"),
                                     QStringLiteral("Month_ID_Name_Box"), QStringLiteral("Zone_Month_Box"),
                                     QStringLiteral("Month_Select_Label"), QStringLiteral("Month_ID_Label"),
                                     QStringLiteral("Month_Zone_Label"), QString()},
                                    this)),
      Month_Buttons(
          new Tab_Buttons({QStringLiteral("Month_View_Button"), QStringLiteral("Month_Print_Button"),
                           QStringLiteral("Month_Clear_Button"), QStringLiteral("Month_Exit_Button")},
                          this)),
      Month_Chart(new Chart_Widget(this)),
      MonthTabelPaneel(new Table_Panel(QStringLiteral("MonthTabelPaneel"),
                                       QStringLiteral("Double click to export the data to file"), this)) {
    Month_Total_Label = MonthTabelPaneel->Add_Cell(QStringLiteral("Month_Total_Label"), 0, 1);
    for (int r = 1; r <= Rows_Per_View; ++r) {
        Month_ID[r] = MonthTabelPaneel->Add_Cell(QStringLiteral("Month_ID%1").arg(r), r, 0);
        Month_Total[r] = MonthTabelPaneel->Add_Cell(QStringLiteral("ID%1_month_Total").arg(r), r, 1);
    }
    MonthTabelPaneel->Grid()->setColumnStretch(0, 3);
    MonthTabelPaneel->Grid()->setColumnStretch(1, 1);
    MonthTabelPaneel->Grid()->setColumnStretch(2, 3);

    auto *top = new QHBoxLayout;
    top->addWidget(Month_Rows, 1);
    top->addWidget(Month_Buttons);
    auto *layout = new QVBoxLayout(this);
    Month_Chart->setObjectName(QStringLiteral("Month_Chart"));
    layout->addLayout(top);
    layout->addWidget(Month_Chart, 1);
    layout->addWidget(MonthTabelPaneel);
}

void TMonth_Tab::Set_Month_Table_Labels(const Month_Table_Texts &texts) {
    for (int r = 1; r <= Rows_Per_View; ++r)
        Month_ID[r]->setText(texts.Month_ID[r]);
    Month_Total_Label->setText(texts.Month_Total_Label);
}

void TMonth_Tab::Show_Month_Table(const Month_Table_Texts &texts) {
    Set_Month_Table_Labels(texts);
    for (int r = 1; r <= Rows_Per_View; ++r)
        Month_Total[r]->setText(texts.Month_Total[r]);
}

void TMonth_Tab::Refresh_Month_Table() {
    Show_Month_Table(telvo::Show_Month_Table(Data, Month_Rows->Read_Rows()));
}

void TMonth_Tab::Draw_Month_Chart() {
    Update_Chart(Month_Chart,
                 [this](Chart &chart) { telvo::Draw_Month_Chart(chart, Data, Month_Rows->Read_Rows()); });
}

void TMonth_Tab::Clear_Month_Chart() {
    Update_Chart(Month_Chart, [](Chart &chart) { telvo::Clear_Month_Chart(chart); });
}

bool TMonth_Tab::Export_Table(const QString &path, QString *error) const {
    return Month_Tabel_Export(path, Data, Month_Rows->Read_Rows(), error);
}

} // namespace telvo
