// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The game clock: measures running game time itself from the millisecond
// tick source and shows it as MM:SS on four seven-segment digits with a
// colon between them.  It counts up from 00:00, pauses and resumes any
// number of times (paused time does not count) and is reset to 00:00; while
// it runs its own 200 ms timer refreshes the display.
//
// Game time is always the current tick count minus the start reference, the
// tick of the first start moved on by every pause since.  It is never summed
// up from timer events, so late or dropped events delay the display but do
// not lose time.  All tick arithmetic wraps modulo 2^32.

#include <QWidget>

#include <array>
#include <cstdint>

#include "platform/TColor.h"
#include "platform/TickSource.h"

class TDigit;
class TLabel;
class TTimer;

// Lit colour of the tens-of-minutes digit, indexed by "minutes >= 10": the
// leading zero of a time under ten minutes is shown dimmed.
inline constexpr std::array<TColor, 2> MinuteTensColors{0x404040, clYellow};

// Tick count at the last pause; one for the program, as the program has one clock.
extern std::uint32_t ClockPauseTick;

class TFrameClock : public QWidget
{
    Q_OBJECT
public:
    static constexpr QSize DesignSize{443, 270};
    static constexpr int NotStartedTag = -1;

    explicit TFrameClock(TickSource tick, QWidget *parent = nullptr);

    // Controls, by their names in the layout.
    TDigit *DigitM10 = nullptr;
    TDigit *DigitM1 = nullptr;
    TLabel *LabSec = nullptr;
    TDigit *DigitS10 = nullptr;
    TDigit *DigitS1 = nullptr;
    // Its Tag holds the start reference; -1 while not started.
    TTimer *Timer1 = nullptr;

    TColor Color() const { return m_color; }
    void SetColor(TColor color);

    // Stop false starts or resumes, Stop true pauses.  Neither writes the
    // display; the first update follows 200 ms after a start.  Throws
    // std::runtime_error("Not enough timers available") when the timer
    // cannot be started; the start reference is already updated then.
    void StartStop(bool Stop);
    // Back to not started, showing 00:00.  Leaves the timer, the pause tick
    // and the tens-of-minutes colour alone: it is called only while stopped.
    void ResetClock();

    // Whether the clock has run (or been paused) since it was created or reset.
    bool Started() const { return m_started; }

    // The game time in milliseconds: what the display shows, unrounded.
    // While the clock stands it is the time of the last pause; 0 before the
    // first start.
    std::int32_t GameTime() const;
    // Sets the standing clock to `milliseconds` (a recovered game, the clock
    // set to the official time): shown at once, and the next start continues
    // from there as after a pause.  Negative times are taken as 0.  Only
    // while the clock stands; ignored while it runs.
    void SetGameTime(std::int32_t milliseconds);
    // The same for a game brought back: it continues from `milliseconds`
    // but shows `shownMilliseconds`, the time of the display's last refresh
    // before, so the clock shows what it showed and agrees with the players.
    void RestoreGameTime(std::int32_t milliseconds, std::int32_t shownMilliseconds);
    // The game time the display was last written for: the last refresh, or
    // the time set.  While the clock stands this is what the bench reads,
    // up to 200 ms short of GameTime(); 0 before the first refresh.
    std::int32_t ShownGameTime() const { return m_shownMs; }

    // The four digits as shown (tens and ones of minutes, of seconds), and
    // whether the tens of minutes are lit rather than dimmed.
    std::array<int, 4> ShownDigits() const;
    bool MinuteTensLit() const;

signals:
    // The digits were written: at each refresh while the clock runs, when a
    // time is set and when the clock is reset.  Whoever shows the clock
    // elsewhere follows this, and shows the same second at the same moment.
    void Shown();

public slots:
    void Timer1Timer(QObject *Sender);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void ShowTime(int Minutes, int Seconds);
    void ShowElapsed(std::int32_t Milliseconds);

    std::uint32_t StartReference() const;
    void SetStartReference(std::uint32_t tick);

    TickSource m_tick;
    TColor m_color = clBlack;
    // Kept apart from the tag: a real start reference can be 0xFFFFFFFF,
    // the same bits as the tag's "not started".
    bool m_started = false;
    std::int32_t m_shownMs = 0;
};
