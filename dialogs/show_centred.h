#pragma once

class QWidget;

namespace telvo {

// Shows a modeless window centred on the desktop and brings it to the front;
// a window that is already open moves to the front where it is.
void Show_Centred(QWidget *window);

} // namespace telvo
