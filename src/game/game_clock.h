// The game clock: seconds played on the puzzle in play, ticking once a second while it runs.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>

namespace game {

class GameClock : public QObject {
    Q_OBJECT
public:
    explicit GameClock(QObject *parent = nullptr);

    bool isRunning() const { return timer_.isActive(); }

    // Seconds played, held at the 16-bit ceiling (9 h 6 min 7 s) rather than wrapping.
    int seconds() const { return seconds_; }
    // "hh:mm:ss" of the time played; the hours go on past 99.
    QString text() const { return text_; }

    // One second more, as the timer does it.
    void tick();

Q_SIGNALS:
    void ticked(int seconds);

private:
    // The game alone starts and stops its clock.
    friend class Game;
    // `seconds` played (zero unless a game is carried on), and running from now: the first tick
    // comes a full second later.
    void restart(int seconds = 0);
    void stop();
    // Starts a stopped clock; a running one keeps its rhythm.
    void resume();
    void showText();

    QTimer timer_;
    std::int16_t seconds_ = 0;
    int elapsedSeconds_ = 0; // the shown time: it keeps counting past the ceiling
    int elapsedMinutes_ = 0;
    int elapsedHours_ = 0;
    QString text_;
};

} // namespace game
