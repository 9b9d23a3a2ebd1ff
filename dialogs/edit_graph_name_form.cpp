#include "edit_graph_name_form.h"

#include "settings_save.h"
#include "show_centred.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace telvo {

namespace {

struct Line_Names {
    const char *Label;
    const char *Entry;
};

// The dialog's lines from top to bottom.
constexpr std::array<Line_Names, 6> Names = {{
    {"Label1", "Edit_Day_Title_Tab1"},
    {"Label5", "Edit_Day_Title_Tab2"},
    {"Label2", "Edit_Week_Title"},
    {"Label3", "Edit_WeekQF_Title"},
    {"Label6", "Edit_Month_Title"},
    {"Label4", "Edit_Quart_Title"},
}};

} // namespace

TEdit_Graph_Name_Form::TEdit_Graph_Name_Form(Model &model, Settings_Store &store, QWidget *parent)
    : QDialog(parent), Data(model), Store(store),
      Lines{{
          {nullptr, nullptr, &Graph_Titles_Record::Day_Tab1, &Language_Texts::Lang_Day_Intensity_Tab},
          {nullptr, nullptr, &Graph_Titles_Record::Day_Tab2, &Language_Texts::Lang_Day_Total_Tab},
          {nullptr, nullptr, &Graph_Titles_Record::Week, &Language_Texts::Lang_Week},
          {nullptr, nullptr, &Graph_Titles_Record::Week_QF, &Language_Texts::Lang_Week_QF_Tab},
          {nullptr, nullptr, &Graph_Titles_Record::Month, &Language_Texts::Lang_Month_Tab},
          {nullptr, nullptr, &Graph_Titles_Record::Quarter, &Language_Texts::Lang_Quarter_Tab},
      }},
      Cancel_Button(new QPushButton(this)), OK_Button(new QPushButton(this)) {
    setObjectName(QStringLiteral("Edit_Graph_Name_Form"));
    Cancel_Button->setObjectName(QStringLiteral("Cancel_Button"));
    OK_Button->setObjectName(QStringLiteral("OK_Button"));

    auto *layout = new QVBoxLayout(this);
    for (std::size_t i = 0; i < Lines.size(); ++i) {
        Title_Line &line = Lines[i];
        line.Label = new QLabel(this);
        line.Entry = new QLineEdit(this);
        line.Label->setObjectName(QLatin1String(Names[i].Label));
        line.Entry->setObjectName(QLatin1String(Names[i].Entry));
        line.Label->setBuddy(line.Entry);
        line.Entry->setMinimumWidth(line.Entry->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 24);
        layout->addWidget(line.Label);
        layout->addWidget(line.Entry);
        if (i + 1 < Lines.size())
            layout->addSpacing(4);
    }

    OK_Button->setDefault(true);
    Cancel_Button->setAutoDefault(false);
    connect(OK_Button, &QPushButton::clicked, this, &QDialog::accept);
    connect(Cancel_Button, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OK_Button);
    buttons->addWidget(Cancel_Button);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TEdit_Graph_Name_Form::Open() {
    if (!isVisible())
        FormShow();
    Show_Centred(this);
}

void TEdit_Graph_Name_Form::FormShow() {
    setWindowTitle(Data.Texts.Lang_Change_Graph_Titles);
    Cancel_Button->setText(Data.Texts.Lang_Cancel);
    OK_Button->setText(Data.Texts.Lang_Ok);
    for (const Title_Line &line : Lines) {
        line.Label->setText(Data.Texts.*line.View_Name + QStringLiteral(" :"));
        line.Entry->setText(Data.Graph_Titles.*line.Title);
    }
    Lines.front().Entry->setFocus();
}

void TEdit_Graph_Name_Form::done(int result) {
    for (const Title_Line &line : Lines)
        Data.Graph_Titles.*line.Title = line.Entry->text();
    emit graphTitlesChanged();
    Save_Settings_Or_Inform(Data, Store, this);
    QDialog::done(result);
}

} // namespace telvo
