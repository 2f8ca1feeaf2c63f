// The player's entries.
#include "puzzle/entries.h"

namespace puzzle {

Entries::Entries(int cellCount)
    : pen_(std::size_t(cellCount) + 1, 0), pencil_(pen_.size(), 0), errorMarks_(pen_.size(), 0)
{
}

void Entries::write(int i, int digit, bool inPencil)
{
    const auto at = std::size_t(i);
    (inPencil ? pencil_ : pen_)[at] = std::uint8_t(digit);
    (inPencil ? pen_ : pencil_)[at] = 0;
}

void Entries::erase(int i)
{
    pen_[std::size_t(i)] = 0;
    pencil_[std::size_t(i)] = 0;
}

int Entries::filledCount() const
{
    int n = 0;
    for (std::size_t i = 1; i < pen_.size(); ++i)
        n += pen_[i] != 0 || pencil_[i] != 0;
    return n;
}

} // namespace puzzle
