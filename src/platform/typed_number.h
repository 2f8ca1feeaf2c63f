// Reading a number the player typed into a text field.
#pragma once

#include <QString>

#include <optional>

namespace platform {

// The longest leading number of the trimmed text (optional sign, digits, optional decimal
// point and fraction); 0 when the text does not start with a number. A number too long for a
// double saturates at +/-1e300 instead of becoming infinite.
double leadingValue(const QString &text);

// leadingValue rounded half to even and clamped into [lo, hi]. Precondition: lo <= hi.
long long roundedClamped(const QString &text, long long lo, long long hi);

} // namespace platform
