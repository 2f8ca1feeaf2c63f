// The player's work on one puzzle: a pen or a pencil digit per cell, the candidate marks the player
// keeps beside them, and the marks that Check All leaves on wrong cells. A cell never holds a pen
// and a pencil digit at once. Cells are the puzzle's entry cells, numbered from 0 in reading order.
#pragma once

#include <cstdint>
#include <vector>

namespace puzzle {

// What the player has put in one cell; the error mark is not part of it.
struct CellContent {
    std::uint8_t pen = 0;
    std::uint8_t pencil = 0;
    std::uint16_t marks = 0; // candidate marks: bit d-1 stands for digit d

    bool hasDigit() const { return pen != 0 || pencil != 0; }
    // `digit` (1-9) written in pen or pencil, taking out the other kind; the marks stay.
    void write(int digit, bool inPencil)
    {
        (inPencil ? pencil : pen) = std::uint8_t(digit);
        (inPencil ? pen : pencil) = 0;
    }
    void eraseDigit() { pen = pencil = 0; }

    bool operator==(const CellContent &) const = default;
};

class Entries {
public:
    // Empty entries for cells 0..cellCount-1.
    explicit Entries(int cellCount = 0);

    int cellCount() const { return int(content_.size()); }
    // 0 for none.
    int pen(int i) const { return content_[std::size_t(i)].pen; }
    int pencil(int i) const { return content_[std::size_t(i)].pencil; }
    // The digit the cell shows, pen before pencil; 0 for none.
    int digit(int i) const { return pen(i) != 0 ? pen(i) : pencil(i); }
    bool hasErrorMark(int i) const { return errorMarks_[std::size_t(i)] != 0; }
    // The candidate marks, bit d-1 for digit d. A cell keeps its marks under a digit.
    int marks(int i) const { return content_[std::size_t(i)].marks; }
    bool hasAnyMark() const;

    const CellContent &content(int i) const { return content_[std::size_t(i)]; }
    void setContent(int i, const CellContent &content) { content_[std::size_t(i)] = content; }

    // Writes `digit` (1-9) in pen or pencil, taking out the other kind.
    void write(int i, int digit, bool inPencil);
    // Takes out both digits; marks and an error mark stay.
    void erase(int i);
    void setMarks(int i, int marks) { content_[std::size_t(i)].marks = std::uint16_t(marks & 0x1FF); }
    void setErrorMark(int i) { errorMarks_[std::size_t(i)] = 1; }

    // Cells that hold a pen or a pencil digit.
    int filledCount() const;
    // The digit each cell shows, 0 for none.
    std::vector<std::uint8_t> digits() const;

private:
    std::vector<CellContent> content_;
    std::vector<std::uint8_t> errorMarks_;
};

} // namespace puzzle
