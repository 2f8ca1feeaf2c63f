// Fuzzes the reader of numbers typed by the player.
#include "platform/typed_number.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const double v = typedNumber::leadingValue(text);
    if (std::isnan(v) || std::isinf(v))
        __builtin_trap();
    if (const auto n = typedNumber::roundedInRange(text, -32768, 32767); n && (*n < -32768 || *n > 32767))
        __builtin_trap();
    const long long c = typedNumber::roundedClamped(text, 1, 30);
    if (c < 1 || c > 30)
        __builtin_trap();
    return 0;
}
