// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "clock/TFrameClock.h"

#include <QPainter>

#include <algorithm>

#include "clock/TDigit.h"
#include "platform/Canvas.h"
#include "platform/TLabel.h"
#include "platform/TTimer.h"
#include "timing/ShownTime.h"

std::uint32_t ClockPauseTick = 0xFFFFFFFFu;

namespace {

constexpr int DigitTop = 7;
constexpr QSize DigitSize(60, 85);
constexpr int DigitThickness = 7;
constexpr int RefreshInterval = 200;

} // namespace

TFrameClock::TFrameClock(TickSource tick, QWidget *parent)
    : QWidget(parent)
    , m_tick(std::move(tick))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(DesignSize);

    auto makeDigit = [this](const char *name, int left, TColor colorOn) {
        auto *digit = new TDigit(this);
        digit->setObjectName(QLatin1String(name));
        digit->setGeometry(QRect(QPoint(left, DigitTop), DigitSize));
        digit->SetColor(clBlack);
        digit->SetColorOff(clBlack);
        digit->SetColorOn(colorOn);
        digit->SetValueBinary(TDigit::DigitPatterns[0]);
        digit->SetThickness(DigitThickness);
        digit->SetSeparation(0);
        digit->setEnabled(false); // display only: no mouse input
        return digit;
    };
    DigitM10 = makeDigit("DigitM10", 7, MinuteTensColors[0]);
    DigitM1 = makeDigit("DigitM1", 79, clYellow);

    LabSec = new TLabel(QStringLiteral(":"), this);
    LabSec->setObjectName(QStringLiteral("LabSec"));
    LabSec->setGeometry(146, 0, 25, 81);
    LabSec->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    LabSec->setFont(MakeFont("Times New Roman", -75, true));
    LabSec->SetFontColor(clYellow);
    LabSec->setCursor(Qt::PointingHandCursor); // only a cursor: no click is bound

    DigitS10 = makeDigit("DigitS10", 174, clYellow);
    DigitS1 = makeDigit("DigitS1", 246, clYellow);

    Timer1 = new TTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->SetEnabled(false);
    Timer1->SetInterval(RefreshInterval);
    Timer1->SetTag(NotStartedTag);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(Timer1); });
}

void TFrameClock::SetColor(TColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

std::uint32_t TFrameClock::StartReference() const
{
    return static_cast<std::uint32_t>(Timer1->Tag());
}

void TFrameClock::SetStartReference(std::uint32_t tick)
{
    Timer1->SetTag(static_cast<std::int32_t>(tick));
}

void TFrameClock::ShowTime(int Minutes, int Seconds)
{
    // Each digit repaints at once, and only if its value or colour changed.
    DigitM10->SetValue(Minutes / 10);
    DigitM10->SetColorOn(MinuteTensColors[Minutes >= 10 ? 1 : 0]);
    DigitM1->SetValue(Minutes % 10);
    DigitS10->SetValue(Seconds / 10);
    DigitS1->SetValue(Seconds % 10);
    emit Shown();
}

std::array<int, 4> TFrameClock::ShownDigits() const
{
    return {DigitM10->Value(), DigitM1->Value(), DigitS10->Value(), DigitS1->Value()};
}

bool TFrameClock::MinuteTensLit() const
{
    return DigitM10->ColorOn() == MinuteTensColors[1];
}

void TFrameClock::ShowElapsed(std::int32_t Milliseconds)
{
    m_shownMs = Milliseconds;
    // The players' times turn their seconds at the same moment.
    const std::int32_t seconds = ShownTime::Seconds32(Milliseconds);
    ShowTime((seconds / 60) % 60, seconds % 60);
}

void TFrameClock::ResetClock()
{
    SetStartReference(static_cast<std::uint32_t>(NotStartedTag));
    m_started = false;
    m_shownMs = 0;
    DigitM10->SetValue(0);
    DigitM1->SetValue(0);
    DigitS10->SetValue(0);
    DigitS1->SetValue(0);
    emit Shown();
}

void TFrameClock::StartStop(bool Stop)
{
    if (!m_started) {
        const std::uint32_t now = m_tick();
        SetStartReference(now);
        ClockPauseTick = now;
        m_started = true;
    }
    if (Stop) {
        ClockPauseTick = m_tick();
    } else {
        // Move the start on by the pause just ended, so game time resumes where it stood.
        const std::uint32_t now = m_tick();
        SetStartReference(StartReference() + (now - ClockPauseTick));
    }
    Timer1->SetEnabled(!Stop);
}

std::int32_t TFrameClock::GameTime() const
{
    if (!m_started)
        return 0;
    const std::uint32_t end = Timer1->Enabled() ? m_tick() : ClockPauseTick;
    return static_cast<std::int32_t>(end - StartReference());
}

void TFrameClock::SetGameTime(std::int32_t milliseconds)
{
    RestoreGameTime(milliseconds, std::max(milliseconds, 0));
}

void TFrameClock::RestoreGameTime(std::int32_t milliseconds, std::int32_t shownMilliseconds)
{
    if (Timer1->Enabled())
        return;
    milliseconds = std::max(milliseconds, 0);
    // A pause that began now at that game time: the next start moves the
    // reference on by the pause, as every resume does.
    const std::uint32_t now = m_tick();
    ClockPauseTick = now;
    SetStartReference(now - static_cast<std::uint32_t>(milliseconds));
    m_started = true;
    ShowElapsed(std::max(shownMilliseconds, 0));
}

void TFrameClock::Timer1Timer(QObject *)
{
    ShowElapsed(static_cast<std::int32_t>(m_tick() - StartReference()));
}

void TFrameClock::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Canvas canvas(painter);
    canvas.SetBrushColor(m_color);
    canvas.FillRect(rect());
}
