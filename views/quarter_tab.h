#pragma once

#include "selection_rows.h"
#include "tab_buttons.h"
#include "table_panel.h"

#include "charts/chart_widget.h"
#include "data/quarter_view.h"

class QLabel;

namespace telvo {

// Page 4: five period rows, the table of week counts and period totals, and
// the quarter chart.
class TQuarter_Tab : public QWidget {
    Q_OBJECT
public:
    explicit TQuarter_Tab(Model &model, QWidget *parent = nullptr);

    Selection_Rows *Rows() const { return Quart_Rows; }
    Tab_Buttons *Buttons() const { return Quart_Buttons; }
    Table_Panel *Table() const { return QuartTabelPaneel; }
    Chart_Widget *Chart_View() const { return Quart_Chart; }

    void Show_Quarter_Table(const Quarter_Table_Texts &texts);
    // Show_Quarter_Table from the quarter results as they stand.
    void Refresh_Quarter_Table();
    void Set_Quarter_Table_Headers(const Quarter_Headers &headers);
    void Draw_Quarter_Chart();
    void Clear_Quarter_Chart();

    bool Export_Table(const QString &path, QString *error) const;

private:
    Model &Data;
    Selection_Rows *Quart_Rows;
    Tab_Buttons *Quart_Buttons;
    Chart_Widget *Quart_Chart;
    Table_Panel *QuartTabelPaneel;
    Per_Row<QLabel *> Quart_ID{};
    One_Based<QLabel *, 13> Quart_Wk{};
    QLabel *Quart_QT = nullptr;
    Per_Row<One_Based<QLabel *, 13>> Week_Cell{};
    Per_Row<QLabel *> Total_Cell{};
};

} // namespace telvo
