#include "show_centred.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace telvo {

void Show_Centred(QWidget *window) {
    if (window->isVisible()) {
        window->raise();
        window->activateWindow();
        return;
    }
    window->adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
    window->show();
}

} // namespace telvo
