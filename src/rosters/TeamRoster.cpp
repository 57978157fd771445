#include "TeamRoster.h"

#include "Canvas.h"
#include "TCheckListBox.h"
#include "TeamFile.h"

#include <climits>

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

void TeamRoster::DrawLine(const PlayingTimeLedger &ledger, QWidget *control, int index, const QRect &rect)
{
    auto *list = qobject_cast<TCheckListBox *>(control);
    if (!list || !list->Canvas())
        return;
    Canvas &canvas = *list->Canvas();
    const int right = rect.left() + rect.width(); // exclusive
    canvas.FillRect(rect);
    canvas.TextOut(rect.left() + 2, rect.top(), list->Item(index));
    canvas.TextOut(right - TimeTextOffset, rect.top(),
                   QLatin1Char(' ') + TimeText(ledger, list->Tag(), index) + QLatin1Char(' '));
}

void TeamRoster::Load(TCheckListBox &list, PlayingTimeLedger &ledger, const QString &path)
{
    const QStringList lines = TeamFile::Read(path); // throws before anything changes
    list.SetLines(lines);
    ledger.SetCount(list.Tag(), int(std::min<qsizetype>(lines.size(), INT_MAX)));
    list.Refresh();
}
