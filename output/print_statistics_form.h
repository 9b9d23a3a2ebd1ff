#pragma once

#include "report_form.h"

#include <QStringList>

namespace telvo {

// The statistics report: A4 portrait, the location line, the column headings
// and the 53 lines of the statistics list in a fixed-width font, and the footer.
// It has neither chart nor comment.
class Tprint_Statistics_Form : public Report_Form {
public:
    Tprint_Statistics_Form();

    // Fills the report from the statistics page as last shown: its location
    // line and the lines of its list, exactly as the list holds them.
    void fillStatisticPrintForm(const Language_Texts &texts, const QString &location_line,
                                const QStringList &lines);
};

} // namespace telvo
