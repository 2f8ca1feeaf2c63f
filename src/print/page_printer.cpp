// The page printer: checks the sizes against the page, then draws footer, board and sums.
#include "print/page_printer.h"

#include "platform/app_identity.h"
#include "platform/modal.h"
#include "view/board_painter.h"
#include "view/gdi_canvas.h"

#include <QCoreApplication>
#include <QFont>

#include <algorithm>
#include <exception>

namespace print {
namespace {

// The page's colours: the dialog's cell, digit and sum colours over the screen's others.
view::BoardPalette pagePalette(const PrintSettings &s)
{
    view::BoardPalette palette = view::BoardPalette::classic();
    palette.entry = s.entryCellColour;
    palette.clue = s.clueCellColour;
    palette.lineWidth = s.lineSize;
    palette.solution = s.solutionFontColour;
    palette.sum = s.sumFontColour;
    return palette;
}

void drawPage(QPainter &painter, const kakuro::Puzzle &puzzle, const puzzle::Entries &entries,
              const PrintSettings &s, bool showSolution, bool showSums, int printableWidth)
{
    QFont face(QStringLiteral("Arial"));
    face.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(face);
    view::GdiCanvas canvas(&painter);

    const QRect footer = footerRect(s, puzzle.height(), printableWidth);
    canvas.setFontPointSize(s.footerFontSize);
    canvas.setTextColour(s.footerColour);
    canvas.drawText(s.footerText, footer.left(), footer.top(), footer.left() + footer.width(),
                    footer.top() + footer.height(), view::textFlags::SingleLine);

    const view::BoardPalette palette = pagePalette(s);
    view::BoardPainter board(canvas, s.cellSizePixels, puzzle, entries, palette);
    canvas.setTextColour(s.solutionFontColour);
    canvas.setFontPointSize(s.solutionFontSize);
    // Without the solution the page shows what the player wrote, wrong digits included: the
    // solution digit would turn a wrong entry into a right one on paper.
    board.paintBoard(showSolution ? view::BoardDigits::Solution : view::BoardDigits::Player,
                     showSums ? view::ClueDiagonals::Drawn : view::ClueDiagonals::Hidden,
                     view::kOneLineInset);

    canvas.setFontPointSize(s.sumFontSize);
    canvas.setTextColour(s.sumFontColour);
    if (showSums)
        board.paintSums();
}

void tell(QWidget *parent, const QString &text)
{
    platform::message(parent, text, platform::appTitle);
}

} // namespace

std::optional<SettingsProblem> checkSettings(const PrintSettings &s, QSize printable, int dotsPerInch)
{
    const int side = std::max(1, std::min(printable.width(), printable.height()));
    const int maxPoints = std::max(1, int(qint64(side) * 72 / std::max(1, dotsPerInch)));
    // Each text whole, with the largest size as %1, so that it translates as one sentence.
    const auto fontProblem = [maxPoints](int size, SettingsProblem::Field field,
                                         const char *text) -> std::optional<SettingsProblem> {
        if (size >= 1 && size <= maxPoints)
            return std::nullopt;
        return SettingsProblem{field, QCoreApplication::translate("print::PagePrinter", text).arg(maxPoints)};
    };
    if (auto p = fontProblem(s.solutionFontSize, SettingsProblem::SolutionFontSize,
                             QT_TRANSLATE_NOOP("print::PagePrinter",
                                               "The size of the answer digits must be "
                                               "from 1 to %1 points, so that it fits on the page.")))
        return p;
    if (auto p =
            fontProblem(s.sumFontSize, SettingsProblem::SumFontSize,
                        QT_TRANSLATE_NOOP("print::PagePrinter", "The size of the sums must be from 1 to %1 "
                                                                "points, so that it fits on the page.")))
        return p;
    if (auto p =
            fontProblem(s.footerFontSize, SettingsProblem::FooterFontSize,
                        QT_TRANSLATE_NOOP("print::PagePrinter", "The Copyright Font Size must be from 1 to "
                                                                "%1 points, so that it fits on the page.")))
        return p;
    if (s.cellSizePixels < 1 || s.cellSizePixels > side)
        return SettingsProblem{
            SettingsProblem::CellSize,
            QCoreApplication::translate(
                "print::PagePrinter",
                "The Cell Size must be from 1 to %1 printer pixels, so that a cell fits on the page.")
                .arg(side)};
    if (s.lineSize < 0 || s.lineSize > s.cellSizePixels)
        return SettingsProblem{SettingsProblem::LineSize,
                               QCoreApplication::translate(
                                   "print::PagePrinter",
                                   "The Line Size must be from 0 to %1 printer pixels, no wider than a cell.")
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

PrintOutcome printPuzzle(const kakuro::Puzzle &puzzle, const puzzle::Entries &entries,
                         const PrintSettings &settings, bool showSolution, bool showSums, PageTarget &target,
                         QWidget *parent)
{
    const QSize printable = target.printableSize();
    if (const auto problem = checkSettings(settings, printable, target.resolution())) {
        tell(parent, problem->text);
        return PrintOutcome::SettingsRefused;
    }
    if (!target.startDocument(jobName)) {
        tell(parent, QCoreApplication::translate("print::PagePrinter", "Could not start Printing .."));
        return PrintOutcome::DocumentRefused;
    }
    if (!target.startPage()) {
        target.abortDocument();
        tell(parent, QCoreApplication::translate("print::PagePrinter", "Could not start a New page .."));
        return PrintOutcome::PageRefused;
    }
    try {
        drawPage(target.painter(), puzzle, entries, settings, showSolution, showSums, printable.width());
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

} // namespace print
