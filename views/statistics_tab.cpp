#include "statistics_tab.h"

#include "output/table_export.h"

#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace telvo {

namespace {

// The lines put their columns at these character positions; the headings
// stand over them.
constexpr int Group_Columns[3] = {11, 37, 63};
constexpr int Heading_Columns[7] = {11, 22, 37, 48, 63, 74, 86};

QFont Monospaced_Font() {
    QFont font(QStringLiteral("Liberation Mono"));
    font.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("Courier New")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(9);
    return font;
}

} // namespace

TStatistics_Tab::TStatistics_Tab(Model &model, QWidget *parent)
    : QWidget(parent), Data(model), Stat_Location_Name_Lab(new QLabel(this)),
      Statistics_Result_Box(new QListWidget(this)),
      Stat_Buttons(new Tab_Buttons({QString(), QStringLiteral("Stat_Print_Button"), QString(),
                                    QStringLiteral("Stat_Exit_Button"), QStringLiteral("EXIT")},
                                   this)) {
    Stat_Location_Name_Lab->setObjectName(QStringLiteral("Stat_Location_Name_Lab"));
    QFont title_font = Stat_Location_Name_Lab->font();
    title_font.setBold(true);
    title_font.setPointSizeF(title_font.pointSizeF() * 1.2);
    Stat_Location_Name_Lab->setFont(title_font);

    auto *location_row = new QHBoxLayout;
    for (int k = 1; k <= Device_Slots; ++k) {
        auto *button = new QPushButton(this);
        button->setObjectName(QStringLiteral("Button%1").arg(k));
        button->hide();
        connect(button, &QPushButton::clicked, this, [this, k] { emit locationClicked(k); });
        location_row->addWidget(button);
        Location_Button[k] = button;
    }
    location_row->addStretch(1);

    const QFont mono = Monospaced_Font();
    Statistics_Result_Box->setObjectName(QStringLiteral("Statistics_Result_Box"));
    Statistics_Result_Box->setFont(mono);
    Statistics_Result_Box->setToolTip(QStringLiteral("Double click to export the data to file"));
    Statistics_Result_Box->setSelectionMode(QAbstractItemView::SingleSelection);
    Statistics_Result_Box->viewport()->installEventFilter(this);

    // Headings at the character columns of the list: a group line over the
    // column names, which wrap within their column when a language needs it.
    const int char_width = QFontMetrics(mono).horizontalAdvance(QLatin1Char('0'));
    const int left = Statistics_Result_Box->frameWidth() + 4;
    auto *headings = new QWidget(this);
    QFont group_font = font();
    group_font.setBold(true);
    const int line_height = QFontMetrics(group_font).height() + 2;
    for (int i = 1; i <= 9; ++i) {
        auto *label = new QLabel(headings);
        label->setObjectName(QStringLiteral("Stat_Lab_%1").arg(i));
        const int group = (i - 1) / 3;
        const int in_group = (i - 1) % 3;
        if (in_group == 0) {
            label->setFont(group_font);
            label->move(left + Group_Columns[group] * char_width, 0);
        } else {
            const int column = group * 2 + in_group - 1;
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setGeometry(left + (Heading_Columns[column] + 1) * char_width, line_height,
                               (Heading_Columns[column + 1] - Heading_Columns[column] - 1) * char_width,
                               2 * line_height);
        }
        Stat_Lab[i] = label;
    }
    headings->setFixedHeight(3 * line_height + 2);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(Statistics_Result_Box, 1);
    bottom->addWidget(Stat_Buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Stat_Location_Name_Lab);
    layout->addLayout(location_row);
    layout->addWidget(headings);
    layout->addLayout(bottom, 1);
}

void TStatistics_Tab::Prepare_Statistics_Tab() {
    for (int k = 1; k <= Device_Slots; ++k) {
        QPushButton *button = Location_Button[k];
        button->hide();
        if (!Data.ID_Names[k].isEmpty()) {
            button->setText(Data.ID_Names[k]);
            button->show();
        }
    }
}

void TStatistics_Tab::Show_Statistics(const QString &title, const QStringList &lines) {
    Stat_Location_Name_Lab->setText(title);
    Statistics_Result_Box->clear();
    Statistics_Result_Box->addItems(lines);
}

void TStatistics_Tab::Set_Statistics_Headers(const Language_Texts &texts) {
    const QString groups[3] = {texts.Lang_This_Year.toUpper(), texts.Lang_Last_Year.toUpper(),
                               texts.Lang_Percentage_Versus.toUpper()};
    for (int group = 0; group < 3; ++group) {
        Stat_Lab[group * 3 + 1]->setText(groups[group]);
        Stat_Lab[group * 3 + 2]->setText(texts.Lang_Week_Total_Stat);
        Stat_Lab[group * 3 + 3]->setText(texts.Lang_Cumulative_Total);
    }
    for (int group = 0; group < 3; ++group)
        Stat_Lab[group * 3 + 1]->adjustSize();
}

bool TStatistics_Tab::Export_Table(const QString &path, QString *error) const {
    return Statistics_Tabel_Export(path, Data, error);
}

bool TStatistics_Tab::eventFilter(QObject *watched, QEvent *event) {
    if (watched == Statistics_Result_Box->viewport() && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        emit resultBoxDoubleClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace telvo
