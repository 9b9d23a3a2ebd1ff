#pragma once

#include "chart.h"

#include <QWidget>

namespace telvo {

// Shows a chart on white; a double click asks the owner to save it.
class Chart_Widget : public QWidget {
    Q_OBJECT

public:
    explicit Chart_Widget(QWidget *parent = nullptr);

    const Chart &chart() const { return chart_; }
    void setChart(const Chart &chart);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    Chart chart_;
};

} // namespace telvo
