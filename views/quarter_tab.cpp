#include "quarter_tab.h"

#include "chart_update.h"

#include "charts/quarter_chart.h"
#include "output/table_export.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace telvo {

TQuarter_Tab::TQuarter_Tab(Model &model, QWidget *parent)
    : QWidget(parent), Data(model),
      Quart_Rows(new Selection_Rows(model, Row_Page::Quarter,
                                    {QStringLiteral("Quart_Period_Select"),
                                     QStringLiteral("Quart_ID_Name_Box"), QStringLiteral("Zone_Quart_Box"),
                                     QStringLiteral("Quart_Date_Label"), QStringLiteral("Quart_ID_Label"),
                                     QStringLiteral("Quart_Zone_Label"), QString()},
                                    this)),
      Quart_Buttons(
          new Tab_Buttons({QStringLiteral("Quart_View_Button"), QStringLiteral("Quart_Print_Button"),
                           QStringLiteral("Quart_Clear_Button"), QStringLiteral("BitBtn8")},
                          this)),
      Quart_Chart(new Chart_Widget(this)),
      QuartTabelPaneel(new Table_Panel(QStringLiteral("QuartTabelPaneel"),
                                       QStringLiteral("Double click to export the data to file"), this)) {
    for (int j = 1; j <= 13; ++j)
        Quart_Wk[j] = QuartTabelPaneel->Add_Cell(QStringLiteral("Quart_Wk%1").arg(j), 0, j);
    Quart_QT = QuartTabelPaneel->Add_Cell(QStringLiteral("Quart_QT"), 0, 14);
    for (int r = 1; r <= Rows_Per_View; ++r) {
        Quart_ID[r] = QuartTabelPaneel->Add_Cell(QStringLiteral("Quart_ID%1").arg(r), r, 0, Qt::AlignLeft);
        // Row 1's cells carry no row number in their names.
        const QString prefix =
            r == 1 ? QStringLiteral("ID_Quart_Wk") : QStringLiteral("ID%1_Quart_Wk").arg(r);
        for (int j = 1; j <= 13; ++j)
            Week_Cell[r][j] = QuartTabelPaneel->Add_Cell(prefix + QString::number(j), r, j);
        Total_Cell[r] = QuartTabelPaneel->Add_Cell(QStringLiteral("ID_Quart_QT%1").arg(r), r, 14);
    }
    QuartTabelPaneel->Grid()->setHorizontalSpacing(4);
    for (int j = 0; j <= 14; ++j)
        QuartTabelPaneel->Grid()->setColumnStretch(j, 1);

    auto *top = new QHBoxLayout;
    top->addWidget(Quart_Rows, 1);
    top->addWidget(Quart_Buttons);
    auto *layout = new QVBoxLayout(this);
    Quart_Chart->setObjectName(QStringLiteral("Quart_Chart"));
    layout->addLayout(top);
    layout->addWidget(Quart_Chart, 1);
    layout->addWidget(QuartTabelPaneel);
}

void TQuarter_Tab::Show_Quarter_Table(const Quarter_Table_Texts &texts) {
    for (int r = 1; r <= Rows_Per_View; ++r) {
        for (int j = 1; j <= 13; ++j)
            Week_Cell[r][j]->setText(texts.Week[r][j]);
        Total_Cell[r]->setText(texts.QT[r]);
    }
}

void TQuarter_Tab::Refresh_Quarter_Table() {
    Show_Quarter_Table(telvo::Show_Quarter_Table(Data));
}

void TQuarter_Tab::Set_Quarter_Table_Headers(const Quarter_Headers &headers) {
    for (int r = 1; r <= Rows_Per_View; ++r)
        Quart_ID[r]->setText(headers.Quart_ID[r]);
    for (int j = 1; j <= 13; ++j)
        Quart_Wk[j]->setText(headers.Quart_Wk[j]);
    Quart_QT->setText(headers.Quart_QT);
}

void TQuarter_Tab::Draw_Quarter_Chart() {
    Update_Chart(Quart_Chart,
                 [this](Chart &chart) { telvo::Draw_Quarter_Chart(chart, Data, Quart_Rows->Read_Rows()); });
}

void TQuarter_Tab::Clear_Quarter_Chart() {
    Update_Chart(Quart_Chart, [](Chart &chart) { telvo::Clear_Quarter_Chart(chart); });
}

bool TQuarter_Tab::Export_Table(const QString &path, QString *error) const {
    return Quart_Tabel_Export(path, Data, Quart_Rows->Read_Rows(), error);
}

} // namespace telvo
