// Small helpers shared by the solver tests: boards from ASCII art, digit sets from text.
#pragma once

#include "solver/digit_set.h"
#include "solver/kakuro_puzzle.h"
#include "support/board_fixture.h"

#include <QString>
#include <QStringList>

namespace solvertest {

inline kakuro::Puzzle puzzleOf(const QStringList &rows)
{
    return kakuro::puzzleFromRecord(fixture::puzzleFromAscii(rows));
}

// "129" -> {1, 2, 9}; "*" -> all nine digits.
inline kakuro::DigitSet setOf(const QString &text)
{
    if (text == QLatin1String("*"))
        return kakuro::kAllDigits;
    kakuro::DigitSet s = 0;
    for (QChar c : text)
        if (c >= QLatin1Char('1') && c <= QLatin1Char('9'))
            s |= kakuro::digitBit(c.digitValue());
    return s;
}

inline QString textOf(kakuro::DigitSet s)
{
    QString t;
    for (int d = 1; d <= 9; ++d)
        if (s & kakuro::digitBit(d))
            t += QChar(QLatin1Char('0' + d));
    return t.isEmpty() ? QStringLiteral("-") : t;
}

} // namespace solvertest
