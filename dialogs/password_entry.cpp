#include "password_entry.h"

#include <QLineEdit>

namespace telvo {

void Make_Password_Entry(QLineEdit *entry) {
    entry->setEchoMode(QLineEdit::Password);
    // The style's own mask character is a bullet; the program has always shown "*".
    entry->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
}

} // namespace telvo
