// The digits of a set as the player reads them: "1 2 7".
#include "game/digit_text.h"

namespace game {

QStringList digitsOf(kakuro::DigitSet set)
{
    QStringList digits;
    kakuro::forEachDigit(set, [&](int d) { digits << QString::number(d); });
    return digits;
}

} // namespace game
