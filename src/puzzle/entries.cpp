// The player's entries.
#include "puzzle/entries.h"

#include <algorithm>

namespace puzzle {

Entries::Entries(int cellCount) : content_(std::size_t(cellCount)), errorMarks_(content_.size(), 0) {}

void Entries::write(int i, int digit, bool inPencil)
{
    content_[std::size_t(i)].write(digit, inPencil);
}

void Entries::erase(int i)
{
    content_[std::size_t(i)].eraseDigit();
}

int Entries::filledCount() const
{
    return int(
        std::count_if(content_.begin(), content_.end(), [](const CellContent &c) { return c.hasDigit(); }));
}

bool Entries::hasAnyMark() const
{
    return std::any_of(content_.begin(), content_.end(), [](const CellContent &c) { return c.marks != 0; });
}

std::vector<std::uint8_t> Entries::digits() const
{
    std::vector<std::uint8_t> digits(content_.size());
    for (std::size_t i = 0; i < digits.size(); ++i)
        digits[i] = std::uint8_t(digit(int(i)));
    return digits;
}

} // namespace puzzle
