// The typed-number rule shared by the puzzle number box and the print dialog.
#include "platform/typed_number.h"

#include <cmath>

namespace typedNumber {

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
    if (!ok || !std::isfinite(v)) // too many digits for a double: saturate
        v = number.startsWith(QLatin1Char('-')) ? -1e300 : 1e300;
    return v;
}

std::optional<long long> roundedInRange(const QString &text, long long lo, long long hi)
{
    const double v = std::nearbyint(leadingValue(text)); // default rounding: half to even
    if (v < double(lo) || v > double(hi))
        return std::nullopt;
    return static_cast<long long>(v);
}

long long roundedClamped(const QString &text, long long lo, long long hi)
{
    const double v = std::nearbyint(leadingValue(text));
    if (v < double(lo))
        return lo;
    if (v > double(hi))
        return hi;
    return static_cast<long long>(v);
}

} // namespace typedNumber
