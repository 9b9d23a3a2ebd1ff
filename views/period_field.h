#pragma once

#include <QLineEdit>

namespace telvo {

// The period field of a selection row: a read-only white box showing the
// row's date, week, month or period; a click opens the row's picker.
class Period_Field : public QLineEdit {
    Q_OBJECT
public:
    explicit Period_Field(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

} // namespace telvo
