// The typed-number rule shared by the puzzle number box and the print dialog.
#include "platform/typed_number.h"

#include <algorithm>
#include <cmath>

namespace platform {

double leadingValue(const QString &text)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    const qsizetype n = t.size();
    QString number;
    if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        number += t[i++];
    qsizetype digits = 0;
    while (i < n && t[i] >= QLatin1Char('0') && t[i] <= QLatin1Char('9')) {
        number += t[i++];
        ++digits;
    }
    if (i < n && t[i] == QLatin1Char('.')) {
        QString fraction;
        qsizetype j = i + 1;
        while (j < n && t[j] >= QLatin1Char('0') && t[j] <= QLatin1Char('9'))
            fraction += t[j++];
        if (!fraction.isEmpty() || digits > 0) {
            number += QLatin1Char('.') + fraction;
            digits += fraction.size();
        }
    }
    if (digits == 0)
        return 0.0;
    bool ok = false;
    double v = number.toDouble(&ok);
    if (std::isinf(v)) // too many digits for a double: saturate
        v = std::copysign(1e300, v);
    else if (!ok) // a fraction too small for a double ("0.000...01") is 0
        v = 0.0;
    return v;
}

namespace {

// The whole number `v` as a long long, or nothing when it lies outside what one can hold. The
// bounds are checked on the double, before converting: converting a value out of range is
// undefined.
std::optional<long long> asWhole(double v)
{
    constexpr double twoTo63 = 9223372036854775808.0;
    if (!(v >= -twoTo63 && v < twoTo63))
        return std::nullopt;
    return static_cast<long long>(v);
}

} // namespace

long long roundedClamped(const QString &text, long long lo, long long hi)
{
    const double v = std::nearbyint(leadingValue(text));
    const std::optional<long long> n = asWhole(v);
    if (!n)
        return v < 0 ? lo : hi;
    return std::clamp(*n, lo, hi);
}

} // namespace platform
