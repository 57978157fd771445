// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// The "Uhr stellen" dialog as the bench meets it: the shown time, typing,
// the arrow keys, OK and Return, Abbrechen and Escape, and refusals that
// keep it open.

#include "game/ClockSetDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>
#include <memory>

namespace {

class SetClockDialog : public ::testing::Test
{
protected:
    std::unique_ptr<ClockSetDialog> dialog;
    QString refusal; // what the caller's check answers for times below `refusedBelow`
    std::int32_t refusedBelow = 0;

    void Open(std::int32_t gameMs)
    {
        dialog = std::make_unique<ClockSetDialog>(
            gameMs, [this](std::int32_t ms) { return ms < refusedBelow ? refusal : QString(); });
        dialog->show();
    }
    void Type(const QString &text)
    {
        dialog->TimeEdit->selectAll();
        QTest::keyClick(dialog->TimeEdit, Qt::Key_Delete);
        QTest::keyClicks(dialog->TimeEdit, text);
    }
    void Key(Qt::Key key) { QTest::keyClick(dialog->TimeEdit, key); }
    bool Open() const { return dialog->isVisible(); }
};

TEST_F(SetClockDialog, ShowsTheGameTimeAsMinutesAndSeconds)
{
    const std::pair<std::int32_t, const char *> cases[] = {
        {0, "00:00"}, {754321, "12:34"}, {4510000, "75:10"}, {59550, "01:00"}};
    for (const auto &[ms, text] : cases) {
        Open(ms);
        EXPECT_EQ(dialog->TimeEdit->text(), QLatin1String(text));
        EXPECT_EQ(dialog->TimeEdit->selectedText(), QLatin1String(text)) << "typing replaces it";
    }
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Uhr stellen"));
    EXPECT_EQ(dialog->OkButton->text(), QStringLiteral("OK"));
    EXPECT_TRUE(dialog->OkButton->isDefault());
    EXPECT_EQ(dialog->CancelButton->text(), QStringLiteral("Abbrechen"));
    EXPECT_FALSE(dialog->Message->isVisible());
}

TEST_F(SetClockDialog, ReturnTakesAWellFormedTimeAndKeepsAnythingElseForAnotherTry)
{
    struct Case
    {
        const char *typed;
        bool accepted;
        std::int32_t gameMs;
    };
    const Case cases[] = {
        {"12:34", true, 754000}, {"75:10", true, 4510000}, {"0:07", true, 7000}, {" 9:59 ", true, 599000},
        {"7:5", false, 0},       {"12:60", false, 0},      {"1234", false, 0},   {"", false, 0},
        {"12.34", false, 0},     {"-1:00", false, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        Open(60000);
        Type(QString::fromUtf8(c.typed));
        Key(Qt::Key_Return);
        EXPECT_EQ(!Open(), c.accepted);
        if (c.accepted) {
            EXPECT_EQ(dialog->result(), QDialog::Accepted);
            EXPECT_TRUE(dialog->Changed());
            EXPECT_EQ(dialog->GameTime(), c.gameMs);
        } else {
            EXPECT_TRUE(dialog->Message->isVisible());
            EXPECT_EQ(dialog->Message->text(), ClockSetDialog::BadEntryText(QString::fromUtf8(c.typed)));
            EXPECT_TRUE(dialog->Message->text().contains(QStringLiteral("ist keine Spielzeit")));
            EXPECT_EQ(dialog->TimeEdit->text(), QString::fromUtf8(c.typed)) << "the entry stays";
        }
    }
}

TEST_F(SetClockDialog, ArrowKeysStepOneSecond)
{
    struct Case
    {
        std::int32_t shownMs;
        std::vector<Qt::Key> keys;
        const char *text;
    };
    const Case cases[] = {
        {59000, {Qt::Key_Up}, "01:00"},
        {60000, {Qt::Key_Down}, "00:59"},
        {4510000, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}, "75:09"},
        {0, {Qt::Key_Down}, "00:00"},
        {59999000, {Qt::Key_Up}, "999:59"},
        {3599000, {Qt::Key_Up}, "60:00"},
    };
    for (const Case &c : cases) {
        Open(c.shownMs);
        for (Qt::Key key : c.keys)
            Key(key);
        EXPECT_EQ(dialog->TimeEdit->text(), QLatin1String(c.text)) << c.shownMs;
    }
    Open(60000);
    Type(QStringLiteral("7:5"));
    Key(Qt::Key_Up);
    EXPECT_EQ(dialog->TimeEdit->text(), QStringLiteral("7:5")) << "nothing to step from";
    Type(QStringLiteral("07:05"));
    Key(Qt::Key_Up);
    Key(Qt::Key_Return);
    EXPECT_EQ(dialog->GameTime(), 426000);
}

TEST_F(SetClockDialog, ARefusalIsShownAndTheDialogStaysOpen)
{
    refusal = QStringLiteral("So weit nicht.");
    refusedBelow = 30000;
    Open(50000);
    Type(QStringLiteral("00:20"));
    Key(Qt::Key_Return);
    ASSERT_TRUE(Open());
    EXPECT_TRUE(dialog->Message->isVisible());
    EXPECT_EQ(dialog->Message->text(), refusal);
    Type(QStringLiteral("00:3"));
    EXPECT_FALSE(dialog->Message->isVisible()) << "a new entry makes the refusal stale";
    Type(QStringLiteral("00:30"));
    QTest::mouseClick(dialog->OkButton, Qt::LeftButton);
    EXPECT_FALSE(Open());
    EXPECT_EQ(dialog->GameTime(), 30000);
}

TEST_F(SetClockDialog, AnEntryLeftAsShownChangesNothing)
{
    refusedBelow = 1000000000; // even a check that refuses everything is not asked
    refusal = QStringLiteral("nie");
    Open(59800);
    Key(Qt::Key_Return);
    EXPECT_FALSE(Open());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->Changed());
}

TEST_F(SetClockDialog, EscapeAndAbbrechenCancel)
{
    Open(60000);
    Type(QStringLiteral("12:34"));
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Open());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->Changed());

    Open(60000);
    Type(QStringLiteral("12:34"));
    QTest::mouseClick(dialog->CancelButton, Qt::LeftButton);
    EXPECT_FALSE(Open());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

} // namespace
