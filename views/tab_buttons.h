#pragma once

#include "data/language_texts.h"

#include <QWidget>

class QPushButton;

namespace telvo {

// Object names of a page's buttons; an empty name means the page has no such button.
struct Tab_Button_Names {
    QString View;
    QString Print;
    QString Clear;
    QString Exit;
    QString Exit_Text = QStringLiteral("Exit"); // the exit buttons keep their design text in every language
};

// The column of View, Print, Clear and Exit buttons of a page.
class Tab_Buttons : public QWidget {
    Q_OBJECT
public:
    explicit Tab_Buttons(const Tab_Button_Names &names, QWidget *parent = nullptr);

    void Set_Texts(const Language_Texts &texts);

signals:
    void viewClicked();
    void printClicked();
    void clearClicked();
    void exitClicked();

private:
    QPushButton *View = nullptr;
    QPushButton *Print = nullptr;
    QPushButton *Clear = nullptr;
};

} // namespace telvo
