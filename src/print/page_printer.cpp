// The page printer: checks the sizes against the page, then draws footer, board and sums.
#include "print/page_printer.h"

#include "platform/app_identity.h"
#include "platform/modal.h"
#include "view/gdi_canvas.h"

#include <QFont>

#include <algorithm>
#include <exception>

namespace modPrint {
namespace {

// Puts the painter's solution-digit colour back when the page is done.
class KeepSolutionColour {
public:
    KeepSolutionColour() : saved_(modGDI::tools().solutionDigitColour) {}
    ~KeepSolutionColour() { modGDI::setSolutionDigitColour(saved_); }
    KeepSolutionColour(const KeepSolutionColour &) = delete;
    KeepSolutionColour &operator=(const KeepSolutionColour &) = delete;

private:
    QColor saved_;
};

// The board without the player's entries, so that the full paint leaves every entry cell empty.
modData::Board withoutEntries(const modData::Board &board)
{
    modData::Board blank = board;
    std::fill(blank.penEntries.begin(), blank.penEntries.end(), std::uint8_t(0));
    std::fill(blank.pencilEntries.begin(), blank.pencilEntries.end(), std::uint8_t(0));
    return blank;
}

// The digit the player wrote in each cell, pen before pencil, in one colour.
void paintPlayerDigits(BoardCanvas &canvas, const modData::Board &board, const QColor &colour)
{
    for (int i = 1; i <= board.cellCount; ++i) {
        const std::size_t k = std::size_t(i);
        if (board.layoutGrid[k] == 0)
            continue;
        const int digit = board.penEntries[k] != 0 ? board.penEntries[k] : board.pencilEntries[k];
        if (digit != 0)
            modGDI::drawCellDigit(canvas, board.colOf(i), board.rowOf(i), QString::number(digit), colour);
    }
}

void drawPage(QPainter &painter, const modData::Board &board, const PrintSettings &s, bool showSolution,
              bool showTally, int printableWidth)
{
    QFont face(QStringLiteral("Arial"));
    face.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(face);
    GdiCanvas gdi(&painter);
    BoardCanvas canvas{&gdi, s.cellSizePixels};

    const QRect footer = footerRect(s, board.gridHeight, printableWidth);
    gdi.setFontPointSize(s.footerFontSize);
    gdi.setTextColour(s.footerColour);
    gdi.drawText(s.footerText, footer.left(), footer.top(), footer.left() + footer.width(),
                 footer.top() + footer.height(), dt::SingleLine);

    gdi.setTextColour(s.solutionFontColour);
    gdi.setFontPointSize(s.solutionFontSize);
    KeepSolutionColour keep;
    modGDI::setSolutionDigitColour(s.solutionFontColour);
    if (showSolution) {
        modGDI::paintBoard(canvas, board, true, showTally, 1);
    } else {
        // The full paint would put the solution digit in every filled cell, turning a wrong
        // entry into a right one on paper; print what the player wrote instead.
        modGDI::paintBoard(canvas, withoutEntries(board), false, showTally, 1);
        paintPlayerDigits(canvas, board, s.solutionFontColour);
    }

    gdi.setFontPointSize(s.tallyFontSize);
    gdi.setTextColour(s.tallyFontColour);
    if (showTally)
        modGDI::paintSums(canvas, board, s.tallyFontColour);
}

void tell(QWidget *parent, const QString &text)
{
    modal::message(parent, text, appIdentity::title);
}

} // namespace

std::optional<SettingsProblem> checkSettings(const PrintSettings &s, QSize printable, int dotsPerInch)
{
    const int side = std::max(1, std::min(printable.width(), printable.height()));
    const int maxPoints = std::max(1, int(qint64(side) * 72 / std::max(1, dotsPerInch)));
    const auto fontProblem = [maxPoints](int size, SettingsProblem::Field field,
                                         const char *what) -> std::optional<SettingsProblem> {
        if (size >= 1 && size <= maxPoints)
            return std::nullopt;
        return SettingsProblem{
            field, QStringLiteral("The %1 must be from 1 to %2 points, so that it fits on the page.")
                       .arg(QLatin1String(what))
                       .arg(maxPoints)};
    };
    if (auto p =
            fontProblem(s.solutionFontSize, SettingsProblem::SolutionFontSize, "size of the answer digits"))
        return p;
    if (auto p = fontProblem(s.tallyFontSize, SettingsProblem::TallyFontSize, "size of the sums"))
        return p;
    if (auto p = fontProblem(s.footerFontSize, SettingsProblem::FooterFontSize, "Copyright Font Size"))
        return p;
    if (s.cellSizePixels < 1 || s.cellSizePixels > side)
        return SettingsProblem{
            SettingsProblem::CellSize,
            QStringLiteral(
                "The Cell Size must be from 1 to %1 printer pixels, so that a cell fits on the page.")
                .arg(side)};
    if (s.lineSize < 0 || s.lineSize > s.cellSizePixels)
        return SettingsProblem{
            SettingsProblem::LineSize,
            QStringLiteral("The Line Size must be from 0 to %1 printer pixels, no wider than a cell.")
                .arg(s.cellSizePixels)};
    return std::nullopt;
}

QRect footerRect(const PrintSettings &s, int gridHeight, int printableWidth)
{
    const qint64 cell = s.cellSizePixels;
    qint64 left = cell / 2; // half a cell, an odd half going to the even neighbour
    if (cell % 2 != 0 && left % 2 != 0)
        ++left;
    const qint64 top = (qint64(gridHeight) + 1) * cell + 2 * qint64(s.footerFontSize);
    return QRect(int(left), int(top), int(std::max<qint64>(0, printableWidth - left)), int(cell));
}

PrintOutcome printPuzzle(const modData::Board &board, const PrintSettings &settings, bool showSolution,
                         bool showTally, PageTarget &target, QWidget *parent)
{
    const QSize printable = target.printableSize();
    if (const auto problem = checkSettings(settings, printable, target.resolution())) {
        tell(parent, problem->text);
        return PrintOutcome::SettingsRefused;
    }
    if (!target.startDocument(jobName)) {
        tell(parent, QStringLiteral("Could not start Printing .."));
        return PrintOutcome::DocumentRefused;
    }
    if (!target.startPage()) {
        target.abortDocument();
        tell(parent, QStringLiteral("Could not start a New page .."));
        return PrintOutcome::PageRefused;
    }
    try {
        drawPage(target.painter(), board, settings, showSolution, showTally, printable.width());
    } catch (const std::exception &) {
        target.abortDocument();
        tell(parent, target.endFailureText());
        return PrintOutcome::Failed;
    }
    if (!target.endPage()) {
        target.abortDocument();
        tell(parent, target.endFailureText());
        return PrintOutcome::Failed;
    }
    if (!target.endDocument()) {
        tell(parent, target.endFailureText());
        return PrintOutcome::Failed;
    }
    return PrintOutcome::Printed;
}

KeepScreenTools::~KeepScreenTools()
{
    modGDI::createDrawingTools(saved_.entryBrush, saved_.clueBrush, saved_.darkLinePen.width);
    modGDI::setSolutionDigitColour(saved_.solutionDigitColour);
}

} // namespace modPrint
