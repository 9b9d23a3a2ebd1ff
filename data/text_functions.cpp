#include "text_functions.h"

#include <limits>

namespace telvo {

QString Int_To_Text(std::int32_t n)
{
    return QString::number(n);
}

namespace {

int Digit_Value(char16_t c, int base)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (base == 16 && c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (base == 16 && c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

} // namespace

std::int32_t Text_To_Int(const QString &text)
{
    const char16_t *p = reinterpret_cast<const char16_t *>(text.constData());
    const char16_t *const end = p + text.size();

    while (p != end && *p == u' ')
        ++p;
    bool negative = false;
    if (p != end && (*p == u'+' || *p == u'-')) {
        negative = *p == u'-';
        ++p;
    }
    int base = 10;
    if (p != end && (*p == u'$' || *p == u'x' || *p == u'X')) {
        base = 16;
        ++p;
    } else if (end - p >= 2 && p[0] == u'0' && p[1] == u'x') {
        base = 16;
        p += 2;
    }
    if (p == end)
        return 0;

    // The magnitude may reach 2^31 for the most negative number; anything
    // larger is out of range and, like any other text that is not a number
    // of this type, gives 0.
    const std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + (negative ? 1 : 0);
    std::int64_t value = 0;
    for (; p != end; ++p) {
        const int digit = Digit_Value(*p, base);
        if (digit < 0)
            return 0;
        value = value * base + digit;
        if (value > limit)
            return 0;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

} // namespace telvo
