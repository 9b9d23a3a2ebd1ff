#pragma once

#include "print_day_form.h"
#include "print_month_form.h"
#include "print_quart_form.h"
#include "print_statistics_form.h"
#include "print_week_form.h"
#include "print_weekqf_form.h"

#include <QStringList>

namespace telvo {

// The statistics page as last shown: what its report prints.
struct Statistics_Shown {
    QString Location_Line; // Stat_Location_Name_Lab
    QStringList Lines;     // Statistics_Result_Box
};

// The six report forms, made once and refilled before every print.
struct Report_Forms {
    TPrint_Day_Form Day;
    TPrint_Week_Form Week;
    TPrint_WeekQF_Form Week_QF;
    TPrint_Month_Form Month;
    TPrint_Quart_Form Quarter;
    Tprint_Statistics_Form Statistics;

    // The form of a View_Kind (1..6).
    Report_Form &Form(int view_kind);

    // Runs the fill method of the view's form on the view as last computed
    // (rows: the page's rows; the week QF view takes the week page's) and
    // returns the filled page.
    const Report_Page &Fill(int view_kind, Model &model, const Row_Selections &rows,
                            const Statistics_Shown &statistics);
};

} // namespace telvo
