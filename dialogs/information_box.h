#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace telvo {

// How a dialog shows an information box with one OK button. Tests put in a
// function that records the text instead of a box waiting for a click.
using Information_Function = std::function<void(QWidget *parent, const QString &text)>;

// The real box, titled with the application name like every message of the program.
void Show_Information_Box(QWidget *parent, const QString &text);

} // namespace telvo
