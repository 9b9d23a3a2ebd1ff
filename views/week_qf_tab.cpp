#include "week_qf_tab.h"

#include "selection_rows.h"
#include "week_tab.h"

#include "chart_update.h"

#include "charts/week_qf_chart.h"
#include "output/table_export.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace telvo {

TWeek_QF_Tab::TWeek_QF_Tab(Model &model, const Selection_Rows *week_rows, QWidget *parent)
    : QWidget(parent), Data(model), Week_Rows(week_rows),
      Week_QF_Buttons(new Tab_Buttons(
          {QString(), QStringLiteral("Print_WeekQF_Button"), QString(), QStringLiteral("BitBtn4")}, this)),
      WeekQF_Chart(new Chart_Widget(this)),
      WeekQFTabelPaneel(new Table_Panel(QStringLiteral("WeekQFTabelPaneel"),
                                        QStringLiteral("Double click to export the data to file"), this)),
      Panel9(new QWidget(this)) {
    Panel9->setObjectName(QStringLiteral("Panel9"));
    auto *info_layout = new QVBoxLayout(Panel9);
    info_layout->setContentsMargins(0, 0, 0, 0);
    info_layout->setSpacing(1);
    for (int r = 1; r <= Rows_Per_View; ++r) {
        Info[r] = new QLabel(Panel9);
        Info[r]->setObjectName(QStringLiteral("ID%1_WeekQF_Info").arg(r));
        info_layout->addWidget(Info[r]);
    }

    for (int k = 1; k <= 7; ++k)
        Day_Heading[k] = WeekQFTabelPaneel->Add_Cell(
            QStringLiteral("WeekQF_Lab_") + QLatin1String(Week_Day_Suffixes[k - 1]), 0, k);
    for (int r = 1; r <= Rows_Per_View; ++r) {
        Info2[r] =
            WeekQFTabelPaneel->Add_Cell(QStringLiteral("ID%1_WeekQF_Info2").arg(r), r, 0, Qt::AlignLeft);
        for (int k = 1; k <= 7; ++k)
            QF_Cell[r][k] = WeekQFTabelPaneel->Add_Cell(
                QStringLiteral("WeekQF_ID%1_").arg(r) + QLatin1String(Week_Day_Suffixes[k - 1]), r, k);
    }
    WeekQFTabelPaneel->Grid()->setColumnStretch(0, 4);
    for (int k = 1; k <= 7; ++k)
        WeekQFTabelPaneel->Grid()->setColumnStretch(k, 1);

    auto *middle = new QHBoxLayout;
    middle->addWidget(Panel9, 1);
    middle->addWidget(Week_QF_Buttons);
    WeekQF_Chart->setObjectName(QStringLiteral("WeekQF_Chart"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(WeekQF_Chart, 1);
    layout->addLayout(middle);
    layout->addWidget(WeekQFTabelPaneel);
}

void TWeek_QF_Tab::Show_Week_QF_Info(const Per_Row<QString> &info) {
    for (int r = 1; r <= Rows_Per_View; ++r)
        Info[r]->setText(info[r]);
}

void TWeek_QF_Tab::Show_Week_QF_Table(const Week_QF_Table_Texts &texts) {
    Shown = texts;
    for (int r = 1; r <= Rows_Per_View; ++r) {
        Info2[r]->setText(texts.Info2[r]);
        for (int k = 1; k <= 7; ++k)
            QF_Cell[r][k]->setText(texts.QF[r][k]);
    }
}

void TWeek_QF_Tab::Clear_Week_QF_Info() {
    for (int r = 1; r <= Rows_Per_View; ++r)
        Info[r]->clear();
}

void TWeek_QF_Tab::Clear_Week_QF() {
    telvo::Clear_Week_QF(Data);
    Per_Row<QString> info;
    for (int r = 1; r <= Rows_Per_View; ++r)
        info[r] = Info[r]->text();
    Show_Week_QF_Table(telvo::Show_Week_QF_Table(Data, info));
}

void TWeek_QF_Tab::Set_Week_QF_Headers(const Week_Headers &headers) {
    for (int k = 1; k <= 7; ++k)
        Day_Heading[k]->setText(headers.Day_Names[k]);
}

void TWeek_QF_Tab::Prepare_Week_QF_Chart() {
    Update_Chart(WeekQF_Chart,
                 [this](Chart &chart) { telvo::Prepare_Week_QF_Chart(chart, Data, Week_Rows->Read_Rows()); });
}

void TWeek_QF_Tab::Draw_Week_QF_Chart() {
    Update_Chart(WeekQF_Chart,
                 [this](Chart &chart) { telvo::Draw_Week_QF_Chart(chart, Data, Week_Rows->Read_Rows()); });
}

void TWeek_QF_Tab::Clear_Week_QF_Chart() {
    Update_Chart(WeekQF_Chart, [](Chart &chart) { telvo::Clear_Week_QF_Chart(chart); });
}

bool TWeek_QF_Tab::Export_Table(const QString &path, QString *error) {
    return WeekQF_Tabel_Export(path, Data, Week_Rows->Read_Rows(), Shown, error);
}

} // namespace telvo
