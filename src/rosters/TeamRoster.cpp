// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "rosters/TeamRoster.h"

#include <algorithm>
#include <climits>

#include "platform/Canvas.h"
#include "rosters/TCheckListBox.h"
#include "rosters/TeamFile.h"

void TeamRoster::ApplyDesign(TCheckListBox &list, TeamIndex team)
{
    list.SetTag(team);
    list.SetItemHeight(TCheckListBox::DefaultItemHeight);
    list.SetFlat(true);
    list.setFont(MakeFont("Courier New", -21, true));
    list.SetFontColor(clWindowText);
}

QString TeamRoster::TimeText(const PlayingTimeLedger &ledger, TeamIndex team, int row)
{
    if (!PlayingTimeLedger::IsTimed(team, row))
        return QString::fromLatin1(UntimedPlayTime);
    return QString::fromStdString(FormatPlayTime(ledger.ElapsedOf(team, row)));
}

void TeamRoster::DrawLine(const PlayingTimeLedger &ledger, QWidget *control, int index, const QRect &rect,
                          const QString &mark)
{
    auto *list = qobject_cast<TCheckListBox *>(control);
    if (!list || !list->Canvas())
        return;
    Canvas &canvas = *list->Canvas();
    const int right = rect.left() + rect.width(); // exclusive
    canvas.FillRect(rect);
    canvas.TextOut(rect.left() + 2, rect.top(), list->Item(index));
    if (!mark.isEmpty())
        canvas.TextOut(right - TimeTextOffset - canvas.TextWidth(mark + QLatin1Char(' ')), rect.top(), mark);
    canvas.TextOut(right - TimeTextOffset, rect.top(),
                   QLatin1Char(' ') + TimeText(ledger, list->Tag(), index) + QLatin1Char(' '));
}

QRect TeamRoster::TimeColumnRect(const TCheckListBox &list, int firstRow, int lastRow)
{
    const QRect viewport = list.viewport()->rect();
    const QRect first = list.ItemRect(firstRow);
    const QRect last = list.ItemRect(lastRow);
    if (!first.isValid() || !last.isValid())
        return viewport;
    // DrawLine writes the time from right - TimeTextOffset to the line's right
    // edge, which is the viewport's.
    const int left = std::max(0, first.right() + 1 - TimeTextOffset);
    return QRect(QPoint(left, first.top()), QPoint(last.right(), last.bottom())).intersected(viewport);
}

void TeamRoster::Load(TCheckListBox &list, PlayingTimeLedger &ledger, const QString &path)
{
    const QStringList lines = TeamFile::Read(path); // throws before anything changes
    list.SetLines(lines);
    ledger.SetCount(list.Tag(), int(std::min<qsizetype>(lines.size(), INT_MAX)));
    list.Refresh();
}
