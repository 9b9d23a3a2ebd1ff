#pragma once

class QLineEdit;

namespace telvo {

// Makes a single-line entry hide what is typed behind one "*" per character.
void Make_Password_Entry(QLineEdit *entry);

} // namespace telvo
