#pragma once

#include "tab_buttons.h"
#include "table_panel.h"

#include "charts/chart_widget.h"
#include "data/week_qf_view.h"
#include "data/week_view.h"

class QLabel;

namespace telvo {

class Selection_Rows;

// Page 2: the quality factors of the week page's rows, with an info line per
// row, the table and the chart. It has no rows of its own.
class TWeek_QF_Tab : public QWidget {
    Q_OBJECT
public:
    TWeek_QF_Tab(Model &model, const Selection_Rows *week_rows, QWidget *parent = nullptr);

    Tab_Buttons *Buttons() const { return Week_QF_Buttons; }
    Table_Panel *Table() const { return WeekQFTabelPaneel; }
    Chart_Widget *Chart_View() const { return WeekQF_Chart; }

    void Show_Week_QF_Info(const Per_Row<QString> &info);
    void Show_Week_QF_Table(const Week_QF_Table_Texts &texts);
    void Clear_Week_QF_Info();
    // Zeroes the factors, then shows them.
    void Clear_Week_QF();
    void Set_Week_QF_Headers(const Week_Headers &headers);
    void Prepare_Week_QF_Chart();
    void Draw_Week_QF_Chart();
    void Clear_Week_QF_Chart();

    bool Export_Table(const QString &path, QString *error);

private:
    Model &Data;
    const Selection_Rows *Week_Rows;
    Tab_Buttons *Week_QF_Buttons;
    Chart_Widget *WeekQF_Chart;
    Table_Panel *WeekQFTabelPaneel;
    QWidget *Panel9;
    One_Based<QLabel *, 7> Day_Heading{};
    Per_Row<QLabel *> Info{};
    Per_Row<QLabel *> Info2{};
    Per_Row<One_Based<QLabel *, 7>> QF_Cell{};
    Week_QF_Table_Texts Shown; // what the table shows: the export writes these captions
};

} // namespace telvo
