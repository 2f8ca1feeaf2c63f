// The game clock and the window caption.
#include "game/frm_tav_mn.h"

#include "platform/app_identity.h"

#include <QTimer>

#include <limits>

void frmTavMn::timerSec_Timer()
{
    // The tick that finds the window minimised still counts; the restore starts the clock again.
    if (isMinimized())
        timerSec->stop();

    ++elapsedSeconds;
    // The score store keeps 99999 as its "cleared" marker, so the total stays a 16-bit count
    // and holds at its ceiling (9 h 6 min 7 s) instead of wrapping to a negative time.
    if (secondsPlayed < std::numeric_limits<std::int16_t>::max())
        ++secondsPlayed;
    if (elapsedSeconds >= 60) {
        elapsedSeconds = 0;
        ++elapsedMinutes;
        if (elapsedMinutes >= 60) {
            elapsedMinutes = 0;
            ++elapsedHours;
        }
    }

    const QChar zero(QLatin1Char('0'));
    timePlayedText = QStringLiteral("%1:%2:%3")
                         .arg(elapsedHours, 2, 10, zero)
                         .arg(elapsedMinutes, 2, 10, zero)
                         .arg(elapsedSeconds, 2, 10, zero);
    setWindowTitle(QStringLiteral("Puzzle:") + QString::number(board_.lastPlayed[1]) +
                   QStringLiteral(" - Time Played: ") + timePlayedText + QStringLiteral(" - ") +
                   appIdentity::title + QStringLiteral(" : ") + appIdentity::companyName);
}
