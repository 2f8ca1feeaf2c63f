// The editor's rules, its undo and its drafts. A draft is a short text: a header line, the size,
// then one line per row with one word per cell: "." an entry cell, "#" a block without sums,
// "D\A" a block with its down and across sums (either may be left out).
#include "game/puzzle_editor.h"

#include <QCoreApplication>
#include <QList>

#include <algorithm>

namespace game {
namespace {

const QByteArray kDraftHeader = "KORVEL-DRAFT 1";

} // namespace

int EditorGrid::runLength(int col, int row, bool across) const
{
    int length = 0;
    for (int c = col + (across ? 1 : 0), r = row + (across ? 0 : 1); isEntry(c, r); across ? ++c : ++r)
        ++length;
    return length;
}

std::optional<std::pair<int, int>> sumRange(int length)
{
    if (length < 2 || length > 9)
        return std::nullopt;
    return std::pair(length * (length + 1) / 2, 45 - (9 - length) * (10 - length) / 2);
}

PuzzleEditor::PuzzleEditor(int width, int height) : grid_(freshGrid(width, height)) {}

EditorGrid PuzzleEditor::freshGrid(int width, int height)
{
    EditorGrid grid;
    grid.width = std::clamp(width, kMinEditorSide, kMaxEditorSide);
    grid.height = std::clamp(height, kMinEditorSide, kMaxEditorSide);
    grid.cells.resize(std::size_t(grid.width * grid.height));
    for (int row = 1; row <= grid.height; ++row)
        for (int col = 1; col <= grid.width; ++col)
            grid.at(col, row).block = row == 1 || col == 1;
    return grid;
}

void PuzzleEditor::remember()
{
    undo_.push_back(grid_);
}

void PuzzleEditor::toggleBlock(int col, int row)
{
    if (!grid_.isInGrid(col, row))
        return;
    remember();
    const bool block = !grid_.at(col, row).block;
    const auto set = [&](int c, int r) { grid_.at(c, r) = EditorCell{block, 0, 0}; };
    set(col, row);
    if (symmetric_)
        set(grid_.width + 1 - col, grid_.height + 1 - row);
}

bool PuzzleEditor::setSum(int col, int row, bool across, int sum, QString *error)
{
    const auto refuse = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (!grid_.isInGrid(col, row) || !grid_.at(col, row).block)
        return refuse(QCoreApplication::translate("game::PuzzleEditor", "Sums go into blocks only."));
    const int length = grid_.runLength(col, row, across);
    if (sum != 0) {
        const std::optional<std::pair<int, int>> range = sumRange(length);
        if (length < 2)
            return refuse(across ? QCoreApplication::translate("game::PuzzleEditor",
                                                               "No run starts to the right of this block.")
                                 : QCoreApplication::translate("game::PuzzleEditor",
                                                               "No run starts below this block."));
        if (!range)
            return refuse(
                QCoreApplication::translate("game::PuzzleEditor",
                                            "A run of %1 cells is too long: it cannot hold distinct digits.")
                    .arg(length));
        if (sum < range->first || sum > range->second)
            return refuse(QCoreApplication::translate("game::PuzzleEditor",
                                                      "A run of %1 cells can only add up to %2 to %3.")
                              .arg(length)
                              .arg(range->first)
                              .arg(range->second));
    }
    EditorCell &cell = grid_.at(col, row);
    if ((across ? cell.across : cell.down) == sum)
        return true;
    remember();
    (across ? cell.across : cell.down) = sum;
    return true;
}

void PuzzleEditor::resize(int width, int height)
{
    remember();
    grid_ = freshGrid(width, height);
}

void PuzzleEditor::load(const EditorGrid &grid)
{
    remember();
    grid_ = grid;
}

void PuzzleEditor::undo()
{
    if (undo_.empty())
        return;
    grid_ = undo_.back();
    undo_.pop_back();
}

QByteArray PuzzleEditor::draftText() const
{
    QByteArray text =
        kDraftHeader + '\n' + QByteArray::number(grid_.width) + ' ' + QByteArray::number(grid_.height) + '\n';
    for (int row = 1; row <= grid_.height; ++row) {
        QList<QByteArray> words;
        for (int col = 1; col <= grid_.width; ++col) {
            const EditorCell &cell = grid_.at(col, row);
            if (!cell.block)
                words << ".";
            else if (cell.across == 0 && cell.down == 0)
                words << "#";
            else
                words << (cell.down ? QByteArray::number(cell.down) : QByteArray()) + '\\' +
                             (cell.across ? QByteArray::number(cell.across) : QByteArray());
        }
        text += words.join(' ') + '\n';
    }
    return text;
}

// A sum in a draft is taken as written (0 to 45); the status line tells what is wrong with it.
std::optional<EditorGrid> PuzzleEditor::readDraft(const QByteArray &text)
{
    const QList<QByteArray> lines = text.split('\n');
    if (lines.size() < 2 || lines[0].trimmed() != kDraftHeader)
        return std::nullopt;
    const QList<QByteArray> size = lines[1].simplified().split(' ');
    bool okWidth = false, okHeight = false;
    EditorGrid grid;
    if (size.size() == 2) {
        grid.width = size[0].toInt(&okWidth);
        grid.height = size[1].toInt(&okHeight);
    }
    if (!okWidth || !okHeight || grid.width < kMinEditorSide || grid.width > kMaxEditorSide ||
        grid.height < kMinEditorSide || grid.height > kMaxEditorSide || lines.size() < grid.height + 2)
        return std::nullopt;
    const auto sumOf = [](const QByteArray &word, int &sum) {
        if (word.isEmpty())
            return true;
        bool ok = false;
        sum = word.toInt(&ok);
        return ok && sum >= 1 && sum <= 45;
    };
    for (int row = 1; row <= grid.height; ++row) {
        const QList<QByteArray> words = lines[row + 1].simplified().split(' ');
        if (words.size() != grid.width)
            return std::nullopt;
        for (const QByteArray &word : words) {
            EditorCell cell;
            if (word == ".") {
                cell.block = false;
            } else if (word != "#") {
                const qsizetype slash = word.indexOf('\\');
                if (slash < 0 || !sumOf(word.left(slash), cell.down) ||
                    !sumOf(word.mid(slash + 1), cell.across))
                    return std::nullopt;
            }
            grid.cells.push_back(cell);
        }
    }
    return grid;
}

} // namespace game
