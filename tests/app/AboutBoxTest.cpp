// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// The About box: its layout, what it draws, its modal results, where it
// opens, and the link to the maker's page.

#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <tuple>
#include <utility>

#include "app/AppIdentity.h"
#include "app/TFormInfo.h"
#include "app/TFormMain.h"
#include "platform/TBevel.h"
#include "platform/TColor.h"
#include "platform/TImage.h"
#include "platform/TLabel.h"
#include "platform/TShape.h"
#include "platform/TSpeedButton.h"
#include "support/TempSettings.h"

namespace {

// Runs `whileOpen` once the dialog's modal loop is running, then returns
// exec()'s result.  A dialog still open afterwards is closed with OK so a
// failing check cannot hang the suite.
int ExecWhile(TFormInfo &dialog, const std::function<void()> &whileOpen)
{
    QTimer::singleShot(0, &dialog, [&dialog, whileOpen] {
        whileOpen();
        if (dialog.isVisible())
            QTimer::singleShot(0, &dialog, [&dialog] {
                if (dialog.isVisible())
                    dialog.done(TFormInfo::mrOk);
            });
    });
    return dialog.exec();
}

QWidget *ShownOwner(QWidget &owner, QRect geometry)
{
    owner.setGeometry(geometry);
    owner.show();
    return &owner;
}

QColor PixelOf(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

TEST(AboutBox, FormSettings)
{
    TFormInfo dialog;
    EXPECT_EQ(dialog.objectName(), QStringLiteral("FormInfo"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Information"));
    EXPECT_EQ(dialog.size(), QSize(390, 219));
    EXPECT_EQ(dialog.minimumSize(), QSize(390, 219)) << "not resizable";
    EXPECT_EQ(dialog.maximumSize(), QSize(390, 219)) << "not resizable";
    const std::pair<Qt::WindowType, bool> flags[] = {
        {Qt::WindowCloseButtonHint, true},        {Qt::WindowSystemMenuHint, true},
        {Qt::WindowMinimizeButtonHint, false},    {Qt::WindowMaximizeButtonHint, false},
        {Qt::WindowContextHelpButtonHint, false},
    };
    for (const auto &[flag, set] : flags)
        EXPECT_EQ(dialog.windowFlags().testFlag(flag), set) << "window flag " << std::hex << flag;
    EXPECT_EQ(dialog.palette().color(QPalette::Window), ToQColor(clBtnFace));
    EXPECT_EQ(dialog.font().pixelSize(), 11);
    EXPECT_EQ(dialog.font().family(), QStringLiteral("MS Sans Serif"));
    const QList<QSize> iconSizes = dialog.windowIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(16, 16)));
    EXPECT_TRUE(iconSizes.contains(QSize(32, 32)));
    EXPECT_FALSE(dialog.isVisible()) << "created hidden";
}

TEST(AboutBox, ControlsWhereTheLayoutPutsThem)
{
    TFormInfo dialog;
    const std::tuple<const char *, const QWidget *, QRect> placed[] = {
        {"Shape1", dialog.Shape1, QRect(8, 8, 137, 161)},  {"Image1", dialog.Image1, QRect(16, 16, 129, 153)},
        {"Memo1", dialog.Memo1, QRect(152, 32, 229, 110)}, {"Bevel1", dialog.Bevel1, QRect(152, 176, 233, 2)},
        {"OKBtn", dialog.OKBtn, QRect(281, 187, 101, 25)},
    };
    for (const auto &[name, control, geometry] : placed)
        EXPECT_EQ(control->geometry(), geometry) << name;
    EXPECT_EQ(dialog.Shape1->BrushColor(), clWhite);
    EXPECT_EQ(dialog.Shape1->PenColor(), clBlack);
    EXPECT_EQ(dialog.Image1->Picture().size(), QSize(120, 150));
    EXPECT_EQ(dialog.Bevel1->BevelStyle(), TBevel::Style::Lowered);

    // Painting order is creation order: the picture lies over its frame.
    const QObjectList children = dialog.children();
    EXPECT_LT(children.indexOf(dialog.Shape1), children.indexOf(dialog.Image1));
}

TEST(AboutBox, LabelsWithTheirTextsAndFonts)
{
    TFormInfo dialog;
    TLabel *name = dialog.lbl_Programmname;
    EXPECT_EQ(name->text(), QStringLiteral("Quintora"));
    EXPECT_EQ(name->pos(), QPoint(160, 8));
    EXPECT_TRUE(name->font().bold());
    EXPECT_EQ(name->font().pixelSize(), 13);
    EXPECT_EQ(name->font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(name->size(), name->sizeHint()) << "sized to its text";

    TLabel *version = dialog.lbl_Version_Nr_Date;
    EXPECT_EQ(version->text(), QStringLiteral("Version 0.9  (9.05.2005)"));
    EXPECT_EQ(version->pos(), QPoint(256, 10));
    EXPECT_FALSE(version->font().bold());
    EXPECT_EQ(version->font().pixelSize(), 12);
    EXPECT_EQ(version->size(), version->sizeHint());
    EXPECT_LE(version->geometry().right(), 389) << "fits in the dialog";
    EXPECT_LT(name->geometry().right(), version->x()) << "the two labels do not overlap";

    TLabel *link = dialog.lbl_Internet;
    EXPECT_EQ(link->text(), QLatin1String(AppIdentity::MakerAddress));
    EXPECT_EQ(link->geometry().topLeft(), QPoint(7, 180));
    EXPECT_EQ(link->height(), 20);
    EXPECT_GE(link->width(), link->sizeHint().width());
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(link->font().pixelSize(), 16);
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->palette().color(QPalette::WindowText), ToQColor(clBlue));
    EXPECT_LT(link->geometry().right(), dialog.OKBtn->x()) << "the link stays clear of OK";
}

TEST(AboutBox, MemoIsReadOnlyGermanTextThatFitsWithoutScrolling)
{
    TFormInfo dialog;
    dialog.show();
    QPlainTextEdit *memo = dialog.Memo1;
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_FALSE(memo->focusPolicy() & Qt::TabFocus) << "not a tab stop";
    EXPECT_EQ(memo->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(memo->font().pixelSize(), 11);
    EXPECT_TRUE(memo->toPlainText().contains(QStringLiteral("Spieluhr")));
    EXPECT_TRUE(memo->toPlainText().contains(QStringLiteral("f\u00fcr"))) << "umlauts survive";
    EXPECT_EQ(memo->verticalScrollBar()->maximum(), 0) << "the whole text is visible";
    dialog.hide();
}

TEST(AboutBox, OkIsTheDefaultButtonAndTheOnlyTabStop)
{
    TFormInfo dialog;
    EXPECT_EQ(dialog.OKBtn->text(), QStringLiteral("OK"));
    EXPECT_TRUE(dialog.OKBtn->isDefault());
    QList<QWidget *> tabStops;
    for (QWidget *child : dialog.findChildren<QWidget *>()) {
        if (child->focusPolicy() & Qt::TabFocus && child->isVisibleTo(&dialog))
            tabStops << child;
    }
    // The memo's viewport inherits no focus policy of its own.
    ASSERT_EQ(tabStops.size(), 1);
    EXPECT_EQ(tabStops.first(), dialog.OKBtn);
}

TEST(AboutBox, OkKeepsToTheBottomRightCorner)
{
    TFormInfo dialog;
    dialog.setFixedSize(490, 259);
    dialog.show(); // a hidden widget gets its resize event only when shown
    EXPECT_EQ(dialog.OKBtn->geometry(), QRect(381, 227, 101, 25));
    EXPECT_EQ(dialog.Memo1->geometry(), QRect(152, 32, 229, 110)) << "the rest stays at the top left";
}

TEST(AboutBox, DrawsThePictureInItsWhiteFrame)
{
    TFormInfo dialog;
    const QImage shot = dialog.grab().toImage();
    // The frame: black one-pixel outline around white.
    EXPECT_EQ(PixelOf(shot, 8, 8), QColor(Qt::black));
    EXPECT_EQ(PixelOf(shot, 144, 8), QColor(Qt::black));
    EXPECT_EQ(PixelOf(shot, 8, 168), QColor(Qt::black));
    EXPECT_EQ(PixelOf(shot, 144, 168), QColor(Qt::black)) << "the image does not cover the frame's corner";
    EXPECT_EQ(PixelOf(shot, 9, 9), QColor(Qt::white));
    EXPECT_EQ(PixelOf(shot, 145, 100), ToQColor(clBtnFace)) << "outside the frame";
    // The picture at its own size from 16,16: white right of and below it.
    EXPECT_NE(PixelOf(shot, 20, 20), QColor(Qt::white));
    EXPECT_NE(PixelOf(shot, 135, 165), QColor(Qt::white));
    EXPECT_EQ(PixelOf(shot, 136, 100), QColor(Qt::white));
    EXPECT_EQ(PixelOf(shot, 143, 100), QColor(Qt::white));
    EXPECT_EQ(PixelOf(shot, 60, 166), QColor(Qt::white));
    EXPECT_EQ(PixelOf(shot, 60, 167), QColor(Qt::white));
    EXPECT_EQ(PixelOf(shot, 15, 15), QColor(Qt::white)) << "the picture starts at 16,16";
}

TEST(AboutBox, BevelIsASunkenRule)
{
    TFormInfo dialog;
    const QImage shot = dialog.grab().toImage();
    const QColor shadow = ToQColor(clBtnShadow);
    const QColor highlight = ToQColor(clBtnHighlight);
    ASSERT_NE(shadow, highlight);
    // Top row shadow up to the last column; bottom row highlight from the second.
    EXPECT_EQ(PixelOf(shot, 152, 176), shadow);
    EXPECT_EQ(PixelOf(shot, 383, 176), shadow);
    EXPECT_EQ(PixelOf(shot, 384, 176), highlight);
    EXPECT_EQ(PixelOf(shot, 152, 177), shadow);
    EXPECT_EQ(PixelOf(shot, 153, 177), highlight);
    EXPECT_EQ(PixelOf(shot, 384, 177), highlight);
    EXPECT_EQ(PixelOf(shot, 151, 176), ToQColor(clBtnFace));
    EXPECT_EQ(PixelOf(shot, 200, 178), ToQColor(clBtnFace));
}

TEST(AboutBox, RaisedBevelSwapsTheColours)
{
    TBevel bevel;
    bevel.resize(10, 2);
    bevel.SetBevelStyle(TBevel::Style::Raised);
    QImage image(10, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    bevel.Paint(painter);
    painter.end();
    EXPECT_EQ(image.pixelColor(0, 0), ToQColor(clBtnHighlight));
    EXPECT_EQ(image.pixelColor(9, 0), ToQColor(clBtnShadow));
    EXPECT_EQ(image.pixelColor(5, 1), ToQColor(clBtnShadow));
}

TEST(AboutBox, ImageWithoutPictureLeavesWhatIsBelow)
{
    TImage image;
    image.resize(4, 4);
    QImage canvas(4, 4, QImage::Format_RGB32);
    canvas.fill(Qt::green);
    QPainter painter(&canvas);
    image.Paint(painter);
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    image.SetPicture(picture);
    image.Paint(painter);
    painter.end();
    EXPECT_EQ(canvas.pixelColor(1, 1), QColor(Qt::blue));
    EXPECT_EQ(canvas.pixelColor(2, 2), QColor(Qt::green));
    EXPECT_EQ(canvas.pixelColor(3, 0), QColor(Qt::green));
}

TEST(AboutBox, EnterOnOkEndsWithOk)
{
    TFormInfo dialog;
    QWidget *focusAtOpen = nullptr;
    const int result = ExecWhile(dialog, [&] {
        focusAtOpen = dialog.focusWidget();
        QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, Qt::Key_Return);
    });
    EXPECT_EQ(focusAtOpen, dialog.OKBtn) << "OK has the focus when the dialog opens";
    EXPECT_EQ(result, TFormInfo::mrOk);
    EXPECT_EQ(result, 1);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(AboutBox, ClickingOkEndsWithOk)
{
    TFormInfo dialog;
    const int result = ExecWhile(dialog, [&] { QTest::mouseClick(dialog.OKBtn, Qt::LeftButton); });
    EXPECT_EQ(result, 1);
}

TEST(AboutBox, EscapeLeavesTheDialogOpen)
{
    TFormInfo dialog;
    bool openAfterEscape = false;
    const int result = ExecWhile(dialog, [&] {
        QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, Qt::Key_Escape);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCoreApplication::processEvents();
        openAfterEscape = dialog.isVisible();
        QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
    });
    EXPECT_TRUE(openAfterEscape);
    EXPECT_EQ(result, TFormInfo::mrOk) << "only OK ended it";
}

TEST(AboutBox, CloseBoxEndsWithCancel)
{
    TFormInfo dialog;
    const int result = ExecWhile(dialog, [&] { dialog.close(); });
    EXPECT_EQ(result, TFormInfo::mrCancel);
    EXPECT_EQ(result, 2);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(AboutBox, FirstShowingCentresOverTheOwnerLaterOnesKeepTheirPlace)
{
    QWidget owner;
    ShownOwner(owner, QRect(10, 20, 700, 405));
    TFormInfo dialog(&owner);
    QRect firstFrame;
    ExecWhile(dialog, [&] {
        firstFrame = dialog.frameGeometry();
        dialog.move(50, 60);
        QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
    });
    // Centre over centre (the outer frames; integer halves may differ by one).
    const QPoint offset = firstFrame.center() - owner.frameGeometry().center();
    EXPECT_LE(std::abs(offset.x()), 1) << firstFrame.x();
    EXPECT_LE(std::abs(offset.y()), 1) << firstFrame.y();

    owner.move(200, 100); // moving the owner does not re-centre it either
    QPoint secondAt;
    ExecWhile(dialog, [&] {
        secondAt = dialog.pos();
        dialog.close();
    });
    EXPECT_EQ(secondAt, QPoint(50, 60));

    QPoint thirdAt;
    ExecWhile(dialog, [&] { thirdAt = dialog.pos(); });
    EXPECT_EQ(thirdAt, QPoint(50, 60));
}

TEST(AboutBox, FirstShowingStaysOnTheScreen)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget owner;
    ShownOwner(owner, QRect(area.right() - 100, area.top() + 10, 300, 200));
    TFormInfo dialog(&owner);
    QRect at;
    ExecWhile(dialog, [&] { at = dialog.frameGeometry(); });
    EXPECT_TRUE(area.contains(at)) << "dialog at " << at.x() << "," << at.y();
}

TEST(AboutBox, OwnerClosingEndsTheDialog)
{
    QWidget owner;
    ShownOwner(owner, QRect(10, 20, 700, 405));
    TFormInfo dialog(&owner);
    const int result = ExecWhile(dialog, [&] { owner.close(); });
    EXPECT_EQ(result, TFormInfo::mrCancel);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(AboutBox, LinkOpensTheMakersPageAndTheDialogStaysOpen)
{
    TFormInfo dialog;
    QList<QUrl> opened;
    dialog.SetUrlOpener([&opened](const QUrl &url) {
        opened << url;
        return false; // no browser: nothing to report
    });
    bool stillOpen = false;
    bool messageShown = false;
    const int result = ExecWhile(dialog, [&] {
        QTest::mouseClick(dialog.lbl_Internet, Qt::LeftButton, {}, QPoint(5, 10));
        QCoreApplication::processEvents();
        stillOpen = dialog.isVisible();
        for (QWidget *window : QApplication::topLevelWidgets())
            messageShown |= window->isVisible() && qobject_cast<QMessageBox *>(window) != nullptr;
        QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
    });
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.first(), QUrl(QStringLiteral("https://www.velmarin.example/")));
    EXPECT_EQ(opened.first().host(), QLatin1String(AppIdentity::MakerAddress)) << "the address the label shows";
    EXPECT_TRUE(stillOpen);
    EXPECT_FALSE(messageShown);
    EXPECT_EQ(result, TFormInfo::mrOk);
}

TEST(AboutBox, InfoButtonShowsTheSameDialogModallyEachTime)
{
    TempSettings settings;
    QTemporaryDir dir;
    TFormMain form(dir.path() + QStringLiteral("/Quintora"));
    form.show();
    TFormInfo dialog(&form);
    form.SetAboutBox(&dialog);
    for (int showing = 0; showing < 2; ++showing) {
        bool shownModally = false;
        QTimer::singleShot(0, &dialog, [&] {
            shownModally = dialog.isVisible() && dialog.isModal();
            dialog.done(showing == 0 ? TFormInfo::mrOk : TFormInfo::mrCancel);
        });
        QTest::mouseClick(form.sbInfo, Qt::LeftButton);
        EXPECT_TRUE(shownModally) << "showing " << showing;
        EXPECT_FALSE(dialog.isVisible());
    }
}

} // namespace
