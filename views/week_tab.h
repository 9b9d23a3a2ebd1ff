#pragma once

#include "selection_rows.h"
#include "tab_buttons.h"
#include "table_panel.h"

#include "charts/chart_widget.h"
#include "data/week_view.h"

class QLabel;

namespace telvo {

// Page 1: five week rows (the week QF page shows them too), the table of day
// totals, week totals and week numbers, and the week chart.
class TWeek_Tab : public QWidget {
    Q_OBJECT
public:
    explicit TWeek_Tab(Model &model, QWidget *parent = nullptr);

    Selection_Rows *Rows() const { return Week_Rows; }
    Tab_Buttons *Buttons() const { return Week_Buttons; }
    Table_Panel *Table() const { return WeekTabelPaneel; }
    Chart_Widget *Chart_View() const { return Week_Chart; }

    void Show_Week_Table(const Week_Table_Texts &texts);
    // Show_Week_Table from the week results as they stand.
    void Refresh_Week_Table();
    void Set_Week_Headers(const Week_Headers &headers);
    void Prepare_Week_Chart();
    void Draw_Week_Chart();
    void Clear_Week_Chart();

    bool Export_Table(const QString &path, QString *error);

private:
    Model &Data;
    Selection_Rows *Week_Rows;
    Tab_Buttons *Week_Buttons;
    Chart_Widget *Week_Chart;
    Table_Panel *WeekTabelPaneel;
    One_Based<QLabel *, 7> Day_Heading{};
    QLabel *WT_Lab = nullptr;
    QLabel *WeekNr_Label = nullptr;
    Per_Row<QLabel *> Week_ID_Lab{};
    Per_Row<One_Based<QLabel *, 7>> Day_Cell{};
    Per_Row<QLabel *> WT_Cell{};
    Per_Row<QLabel *> Wnr_Cell{};
    Week_Table_Texts Shown; // what the table shows: the export writes these captions
};

// Object-name endings of the seven day positions of the week tables.
inline constexpr const char *Week_Day_Suffixes[7] = {"Ma", "Di", "Wo", "Do", "Vr", "Za", "Zo"};

} // namespace telvo
