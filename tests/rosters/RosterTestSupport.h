// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// Shared by the roster widget tests: a roster list drawn by the roster
// line drawing over a ledger with a scripted clock, and pixel helpers.

#include <QApplication>
#include <QImage>
#include <QTest>

#include "rosters/TCheckListBox.h"
#include "rosters/TeamRoster.h"
#include "support/CanvasImage.h"
#include "support/ScriptedTicks.h"
#include "timing/PlayingTimeLedger.h"

inline QRgb Rgb(TColor color)
{
    return ToQColor(color).rgb();
}

// One roster list of team 1 drawn as the main window draws it.
class RosterFixture
{
public:
    ScriptedTicks ticks;
    PlayingTimeLedger ledger{ticks.Source()};
    TCheckListBox list;
    int dumpCount = 0;
    bool keepFocus = false;

    RosterFixture()
    {
        TeamRoster::ApplyDesign(list, 1);
        list.SetOnDrawItem([this](QWidget *control, int index, const QRect &rect, TOwnerDrawState) {
            TeamRoster::DrawLine(ledger, control, index, rect);
        });
        list.resize(400, 234);
    }

    // Gives rows 0..onCourt-1 of team 1 a playing time of `ms`.
    void PlayFor(int lines, int onCourt, std::uint32_t ms)
    {
        ledger.SetCount(1, lines);
        ticks.now = 1000;
        ledger.Start();
        ticks.now = 1000 + ms;
        ledger.RefreshOnCourt([onCourt](TeamIndex team, int row) { return team == 1 && row < onCourt; }, {});
    }

    // What the lines show now, in viewport coordinates.
    QImage Grab()
    {
        if (!list.isVisible()) {
            list.show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&list));
            // The only window gets the focus; its dotted rectangle would cover pixels tests look at.
            if (!keepFocus)
                list.clearFocus();
        }
        QApplication::processEvents();
        QImage image = list.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (qEnvironmentVariableIsSet("ROSTER_DUMP"))
            image.save(QStringLiteral("/tmp/roster-%1.png").arg(++dumpCount));
        return image;
    }

    // The time text " <time> " as a line with `background` draws it, in an
    // image as wide and high as a line; only the part from right - 78 on is meaningful.
    QImage ExpectedTimeCell(const QString &time, int lineWidth, TColor background = clWindow, TColor ink = clWindowText)
    {
        return Draw(
            lineWidth, list.ItemHeight(),
            [&](Canvas &canvas) {
                canvas.SetFont(list.font());
                canvas.SetBrushColor(background);
                canvas.SetFontColor(ink);
                canvas.TextOut(lineWidth - TeamRoster::TimeTextOffset, 0, QLatin1Char(' ') + time + QLatin1Char(' '));
            },
            Rgb(background));
    }
};

// The part of `image` from column `left` to the right edge, rows top..top+height-1.
inline QImage Region(const QImage &image, int left, int top, int height)
{
    return image.copy(left, top, image.width() - left, height);
}

inline bool RegionHasColour(const QImage &image, const QRect &rect, QRgb colour)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixel(x, y) == colour)
                return true;
    return false;
}

inline bool RegionIsAll(const QImage &image, const QRect &rect, QRgb colour)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixel(x, y) != colour)
                return false;
    return true;
}
