#pragma once

#include "selection_rows.h"
#include "tab_buttons.h"
#include "table_panel.h"

#include "charts/chart_widget.h"
#include "data/month_view.h"

class QLabel;

namespace telvo {

// Page 3: five month rows, the table of month totals and the month chart.
class TMonth_Tab : public QWidget {
    Q_OBJECT
public:
    explicit TMonth_Tab(Model &model, QWidget *parent = nullptr);

    Selection_Rows *Rows() const { return Month_Rows; }
    Tab_Buttons *Buttons() const { return Month_Buttons; }
    Table_Panel *Table() const { return MonthTabelPaneel; }
    Chart_Widget *Chart_View() const { return Month_Chart; }

    // Row labels and the totals heading (Set_Month_Table_Labels).
    void Set_Month_Table_Labels(const Month_Table_Texts &texts);
    // Labels and totals (Show_Month_Table).
    void Show_Month_Table(const Month_Table_Texts &texts);
    // Show_Month_Table from the month results as they stand.
    void Refresh_Month_Table();
    void Draw_Month_Chart();
    void Clear_Month_Chart();

    bool Export_Table(const QString &path, QString *error) const;

private:
    Model &Data;
    Selection_Rows *Month_Rows;
    Tab_Buttons *Month_Buttons;
    Chart_Widget *Month_Chart;
    Table_Panel *MonthTabelPaneel;
    QLabel *Month_Total_Label = nullptr;
    Per_Row<QLabel *> Month_ID{};
    Per_Row<QLabel *> Month_Total{};
};

} // namespace telvo
