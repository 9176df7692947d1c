#include "runtime/StrToInt.h"

#include "runtime/RuntimeError.h"

#include <cstdint>
#include <limits>

namespace runtime {

namespace {

int digitValue(QChar c, int base)
{
    int value = -1;
    if (c >= u'0' && c <= u'9')
        value = c.unicode() - u'0';
    else if (c >= u'a' && c <= u'f')
        value = c.unicode() - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        value = c.unicode() - u'A' + 10;
    return value < base ? value : -1;
}

} // namespace

int StrToInt(const QString& text)
{
    const auto invalid = [&] { return RuntimeError(QStringLiteral("'%1' is not a valid integer value").arg(text)); };
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < n && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i < n && (text[i] == u'x' || text[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i >= n)
        throw invalid();
    // Accumulated as a magnitude so that -2147483648 is accepted.
    const std::int64_t limit =
        negative ? std::int64_t(std::numeric_limits<int>::max()) + 1 : std::numeric_limits<int>::max();
    std::int64_t magnitude = 0;
    for (; i < n; ++i) {
        const int digit = digitValue(text[i], base);
        if (digit < 0)
            throw invalid();
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            throw invalid();
    }
    return int(negative ? -magnitude : magnitude);
}

} // namespace runtime
