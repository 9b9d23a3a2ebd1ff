#pragma once

#include "tab_buttons.h"

#include "data/model.h"

#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;

namespace telvo {

// Page 5: this year's weeks of one device against last year's, as fixed-column
// lines under three groups of column headings. The location buttons choose the
// device slot.
class TStatistics_Tab : public QWidget {
    Q_OBJECT
public:
    explicit TStatistics_Tab(Model &model, QWidget *parent = nullptr);

    Tab_Buttons *Buttons() const { return Stat_Buttons; }
    QListWidget *Result_Box() const { return Statistics_Result_Box; }

    // Location buttons: one per named device slot, captioned with its name.
    void Prepare_Statistics_Tab();
    void Show_Statistics(const QString &title, const QStringList &lines);
    void Set_Statistics_Headers(const Language_Texts &texts);

    bool Export_Table(const QString &path, QString *error) const;

signals:
    void locationClicked(int slot);
    void resultBoxDoubleClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Model &Data;
    QLabel *Stat_Location_Name_Lab;
    One_Based<QPushButton *, Device_Slots> Location_Button{};
    One_Based<QLabel *, 9> Stat_Lab{};
    QListWidget *Statistics_Result_Box;
    Tab_Buttons *Stat_Buttons;
};

} // namespace telvo
