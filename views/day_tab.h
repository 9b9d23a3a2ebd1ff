#pragma once

#include "selection_rows.h"
#include "tab_buttons.h"
#include "table_panel.h"

#include "charts/chart_widget.h"
#include "data/day_view.h"

class QLabel;

namespace telvo {

// Page 0: five day rows, the 3-hour table and the day chart.
class TDay_Tab : public QWidget {
    Q_OBJECT
public:
    explicit TDay_Tab(Model &model, QWidget *parent = nullptr);

    Selection_Rows *Rows() const { return Day_Rows; }
    Tab_Buttons *Buttons() const { return Day_Buttons; }
    Table_Panel *Table() const { return DayTabelPaneel; }
    Chart_Widget *Chart_View() const { return Day_Chart; }

    void Show_Day_Table(const Day_Table_Texts &texts);
    // Reset_Day_Results, then the table from the reset rows.
    void Clear_Day_View();
    void Set_Day_Table_Headers(const Language_Texts &texts);
    void Fill_Day_Chart();
    void Clear_Day_Chart();

    bool Export_Table(const QString &path, QString *error) const;

private:
    Model &Data;
    Selection_Rows *Day_Rows;
    Tab_Buttons *Day_Buttons;
    Chart_Widget *Day_Chart;
    Table_Panel *DayTabelPaneel;
    QLabel *DT_Lab = nullptr;
    Per_Row<QLabel *> Day_ID_Lab{};
    Per_Row<One_Based<QLabel *, 8>> Day_Per_Lab{};
    Per_Row<QLabel *> DT_Lab_Row{};
    Day_Table_Texts Shown; // what the table shows: the export writes its day totals
};

} // namespace telvo
