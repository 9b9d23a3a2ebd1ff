#include "text_cut.h"

namespace telvo {

QString Cut_Text(const QString &text, int length) {
    if (text.size() <= length)
        return text;
    if (length > 0 && text[length - 1].isHighSurrogate())
        --length;
    return text.left(length);
}

} // namespace telvo
