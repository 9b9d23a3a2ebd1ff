#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace telvo {

struct Model;
class Settings_Store;

// Information boxes with one OK button. Tests install a presenter to see the
// texts instead of a box waiting for a click.
using Information_Presenter = std::function<void(QWidget *parent, const QString &title, const QString &text)>;

void Show_Information(QWidget *parent, const QString &text);

// Replaces how boxes are shown (an empty function restores the real box) and
// returns the presenter that was in place.
Information_Presenter Set_Information_Presenter(Information_Presenter presenter);

// The box text of settings that could not be written: what failed, the file, the reason.
QString Settings_Not_Saved_Text(const Model &model, const Settings_Store &store, const QString &reason);
// The same for an export, a chart bitmap or a report file.
QString File_Not_Written_Text(const Model &model, const QString &path, const QString &reason);

} // namespace telvo
