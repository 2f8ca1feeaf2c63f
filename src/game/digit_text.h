// The digits of a set as the player reads them.
#pragma once

#include "core/digit_set.h"

#include <QStringList>

namespace game {

// The digits of `set` as texts, smallest first.
QStringList digitsOf(kakuro::DigitSet set);

} // namespace game
