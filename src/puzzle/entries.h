// The player's work on one puzzle: a pen or a pencil digit per cell, and the marks that Check All
// leaves on wrong cells. A cell never holds a pen and a pencil digit at once.
#pragma once

#include <cstdint>
#include <vector>

namespace puzzle {

class Entries {
public:
    // Empty entries for cells 1..cellCount.
    explicit Entries(int cellCount = 0);

    int cellCount() const { return int(pen_.size()) - 1; }
    // 0 for none; i in 1..cellCount.
    int pen(int i) const { return pen_[std::size_t(i)]; }
    int pencil(int i) const { return pencil_[std::size_t(i)]; }
    // The digit the cell shows, pen before pencil; 0 for none.
    int digit(int i) const { return pen(i) != 0 ? pen(i) : pencil(i); }
    bool hasErrorMark(int i) const { return errorMarks_[std::size_t(i)] != 0; }

    // Writes `digit` (1-9) in pen or pencil, taking out the other kind.
    void write(int i, int digit, bool inPencil);
    // Takes out both digits; an error mark stays.
    void erase(int i);
    void setErrorMark(int i) { errorMarks_[std::size_t(i)] = 1; }

    // Cells that hold a pen or a pencil digit.
    int filledCount() const;

private:
    std::vector<std::uint8_t> pen_;
    std::vector<std::uint8_t> pencil_;
    std::vector<std::uint8_t> errorMarks_;
};

} // namespace puzzle
