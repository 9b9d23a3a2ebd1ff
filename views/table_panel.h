#pragma once

#include <QFrame>

class QGridLayout;
class QLabel;

namespace telvo {

// A table of labels on a sunken panel; a double click anywhere on it asks for
// the table's export.
class Table_Panel : public QFrame {
    Q_OBJECT
public:
    Table_Panel(const QString &name, const QString &hint, QWidget *parent = nullptr);

    // A label named as the table's cell, placed at a grid position.
    QLabel *Add_Cell(const QString &name, int row, int column, Qt::Alignment alignment = Qt::AlignRight);
    QGridLayout *Grid() const { return Layout; }

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QGridLayout *Layout;
};

} // namespace telvo
