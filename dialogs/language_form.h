#pragma once

#include "data/model.h"

#include <QDialog>

#include <array>

class QPushButton;
class QToolButton;

namespace telvo {

class Settings_Store;

// The language window: four flags, one per language. A flag sets Language,
// loads its texts, has the main window apply them and saves all settings so
// the choice holds at the next start. The window stays open until Stop.
class TLanguage_Form : public QDialog {
    Q_OBJECT
public:
    TLanguage_Form(Model &model, Settings_Store &store, QWidget *parent = nullptr);

    // Shows the window centred, with the current language's flag pressed.
    void Open();

signals:
    // Language and the text slots have changed: the main window applies all its texts.
    void languageChanged();

private:
    struct Flag_Button {
        QToolButton *Button;
        QString Language;
    };

    Model &Data;
    Settings_Store &Store;
    std::array<Flag_Button, 4> Flags;
    QPushButton *Stop_Button;

    // The caption and Stop_Button from the current text slots.
    void Set_Window_Texts();
    void Choose_Language(const QString &language);
    void Mark_Current_Language();
};

} // namespace telvo
