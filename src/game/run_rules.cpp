// The digits of a set as texts.
#include "game/run_rules.h"

namespace game {

QStringList digitsOf(kakuro::DigitSet set)
{
    QStringList digits;
    kakuro::forEachDigit(set, [&](int d) { digits << QString::number(d); });
    return digits;
}

} // namespace game
