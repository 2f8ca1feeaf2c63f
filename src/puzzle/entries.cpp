// The player's entries.
#include "puzzle/entries.h"

#include <algorithm>

namespace puzzle {

Entries::Entries(int cellCount) : content_(std::size_t(cellCount) + 1), errorMarks_(content_.size(), 0)
{
}

void Entries::write(int i, int digit, bool inPencil)
{
    CellContent &cell = content_[std::size_t(i)];
    (inPencil ? cell.pencil : cell.pen) = std::uint8_t(digit);
    (inPencil ? cell.pen : cell.pencil) = 0;
}

void Entries::erase(int i)
{
    content_[std::size_t(i)].pen = 0;
    content_[std::size_t(i)].pencil = 0;
}

void Entries::toggleMark(int i, int digit)
{
    content_[std::size_t(i)].marks ^= std::uint16_t(1u << (digit - 1));
}

int Entries::filledCount() const
{
    return int(std::count_if(content_.begin() + 1, content_.end(),
                             [](const CellContent &c) { return c.pen != 0 || c.pencil != 0; }));
}

bool Entries::hasAnyMark() const
{
    return std::any_of(content_.begin() + 1, content_.end(), [](const CellContent &c) { return c.marks != 0; });
}

} // namespace puzzle
