// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// What makes a check list a team roster: its look, the drawing of a line
// with the player's playing time beside it, and loading a team file.

#include <QRect>
#include <QString>

#include "timing/PlayingTimeLedger.h"

class QWidget;
class TCheckListBox;

class TeamRoster
{
public:
    // The time text starts this many pixels left of a line's right edge.
    static constexpr int TimeTextOffset = 78;

    // Tag = team, fixed lines of 23 pixels, flat check boxes, Courier New
    // bold -21 in the window text colour.
    static void ApplyDesign(TCheckListBox &list, TeamIndex team);

    // The time shown beside a line: the ledger's time text, or "--:--" for
    // a line the ledger keeps no time for.
    static QString TimeText(const PlayingTimeLedger &ledger, TeamIndex team, int row);

    // Draws one line of a roster (`control`, a TCheckListBox whose Tag is its
    // team) on its canvas: the rectangle filled with the brush, the line
    // text at left + 2, and " time " at right - 78 on an opaque background
    // that covers any line text reaching into it.
    // `mark` (the periods played against a rule, "2/2") stands just left of the time.
    static void DrawLine(const PlayingTimeLedger &ledger, QWidget *control, int index, const QRect &rect,
                         const QString &mark = {});

    // The part of the roster's viewport that holds the time texts of lines
    // `firstRow` to `lastRow`: repainting it redraws those times with the
    // same pixels as repainting the whole lines.  The whole viewport when
    // the lines have no place yet.
    static QRect TimeColumnRect(const TCheckListBox &list, int firstRow, int lastRow);

    // Replaces the roster's lines with the team file at `path`, tells the
    // ledger the new count and leaves every line unchecked.  The ledger's
    // rows stay: times belong to positions.  Throws TeamFileError, with the
    // roster untouched, when the file cannot be read.
    static void Load(TCheckListBox &list, PlayingTimeLedger &ledger, const QString &path);
};
