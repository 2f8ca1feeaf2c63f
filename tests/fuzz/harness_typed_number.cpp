// Fuzzes the reader of numbers typed by the player.
#include "harnesses.h"

#include "platform/typed_number.h"

#include <climits>
#include <cmath>

namespace fuzzing {

const char *typedNumberText(Input data)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data.data()), qsizetype(data.size()));
    const double v = platform::leadingValue(text);
    if (!std::isfinite(v))
        return "a leading value that is not a finite number";
    const long long c = platform::roundedClamped(text, 1, 30);
    if (c < 1 || c > 30)
        return "a clamped number outside its range";
    // The widest range: whatever the text, no conversion may overflow (the sanitizer watches),
    // and a value well inside it comes out as the rounded value itself.
    const long long wide = platform::roundedClamped(text, LLONG_MIN, LLONG_MAX);
    if (std::fabs(v) < 1e15 && wide != static_cast<long long>(std::nearbyint(v)))
        return "a number in range that clamps to another value";
    return nullptr;
}

} // namespace fuzzing
