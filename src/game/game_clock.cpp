// The game clock.
#include "game/game_clock.h"

#include <algorithm>
#include <limits>

namespace game {

GameClock::GameClock(QObject *parent) : QObject(parent)
{
    timer_.setObjectName(QStringLiteral("timerSec"));
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &GameClock::tick);
}

void GameClock::restart(int seconds)
{
    seconds_ = std::int16_t(std::clamp(seconds, 0, int(std::numeric_limits<std::int16_t>::max())));
    elapsedSeconds_ = seconds_ % 60;
    elapsedMinutes_ = seconds_ / 60 % 60;
    elapsedHours_ = seconds_ / 3600;
    showText();
    timer_.start();
}

void GameClock::stop()
{
    timer_.stop();
}

void GameClock::resume()
{
    if (!timer_.isActive())
        timer_.start();
}

void GameClock::tick()
{
    // The score store keeps 99999 as its "cleared" marker, so the total stays a 16-bit count and
    // holds at its ceiling instead of wrapping to a negative time.
    if (seconds_ < std::numeric_limits<std::int16_t>::max())
        ++seconds_;
    if (++elapsedSeconds_ >= 60) {
        elapsedSeconds_ = 0;
        if (++elapsedMinutes_ >= 60) {
            elapsedMinutes_ = 0;
            ++elapsedHours_;
        }
    }
    showText();
    Q_EMIT ticked(seconds_);
}

void GameClock::showText()
{
    const QChar zero(QLatin1Char('0'));
    text_ = QStringLiteral("%1:%2:%3")
                .arg(elapsedHours_, 2, 10, zero)
                .arg(elapsedMinutes_, 2, 10, zero)
                .arg(elapsedSeconds_, 2, 10, zero);
}

} // namespace game
