// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

// Behaviour of the styled speed button as a widget: properties and their
// repaint rule, groups, clicks, the accelerator, hot tracking, popup menu,
// action and the see-through corners on a real parent.

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPixmap>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>
#include <memory>

#include "ButtonTestSupport.h"
#include "platform/TPanel.h"
#include "support/PropertyTable.h"

namespace {

using namespace buttontest;

class SpeedButton : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form = std::make_unique<QWidget>();
        form->resize(400, 200);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    TLbSpeedButton *Make(QWidget *parent = nullptr)
    {
        auto *button = new TLbSpeedButton(parent ? parent : form.get());
        button->setGeometry(10, 10, 80, 30);
        button->show();
        return button;
    }
    std::unique_ptr<QWidget> form;
};

TEST_F(SpeedButton, Defaults)
{
    TLbSpeedButton button;
    ExpectProperties({
        {"width", button.width(), 100},
        {"height", button.height(), 23},
        {"Alignment", button.Alignment(), taLeftJustify},
        {"AllowAllUp", button.AllowAllUp(), false},
        {"ButtonAnchors", button.ButtonAnchors(), akLeft | akTop},
        {"Caption is empty", button.Caption().isEmpty(), true},
        {"Color", button.Color(), clWindow},
        {"ParentColor", button.ParentColor(), true},
        {"ColorWhenDown", button.ColorWhenDown(), clNone},
        {"ColorStyle", button.ColorStyle(), lcsCustom},
        {"Down", button.Down(), false},
        {"Enabled", button.isEnabled(), true},
        {"Flat", button.Flat(), false},
        {"Glyph is null", button.Glyph().isNull(), true},
        {"GroupIndex", button.GroupIndex(), 0},
        {"HotTrackColor", button.HotTrackColor(), clNone},
        {"Layout", button.Layout(), blGlyphLeft},
        {"LightColor", button.LightColor(), clWhite},
        {"NumGlyphs", button.NumGlyphs(), 0},
        {"ParentFont", button.ParentFont(), true},
        {"ParentShowHint", button.ParentShowHint(), true},
        {"no PopupMenu", button.PopupMenu() == nullptr, true},
        {"ShadowColor", button.ShadowColor(), clBlack},
        {"SlowDecease", button.SlowDecease(), false},
        {"no FadeThread", button.FadeThread() == nullptr, true},
        {"Style", button.Style(), bsNormal},
        {"Transparent", button.Transparent(), false},
        {"UseHotTrackFont", button.UseHotTrackFont(), false},
        {"WordWrap", button.WordWrap(), false},
        {"Tag", button.Tag(), 0},
        {"opaque paint event (the parent shows through)", button.testAttribute(Qt::WA_OpaquePaintEvent), false},
    });
}

TEST_F(SpeedButton, HotTrackFontStartsAsTheFormsFont)
{
    QFont big = MakeFont("Arial", -21, true);
    form->setFont(big);
    QPalette colours = form->palette();
    colours.setColor(QPalette::WindowText, Qt::red);
    form->setPalette(colours);
    TLbSpeedButton *button = Make();
    EXPECT_EQ(button->HotTrackFont().Font, form->font());
    EXPECT_EQ(button->HotTrackFont().Color, clRed);

    // On a panel inside a panel the form is still the one that counts, not the panel's own font.
    TPanel outer(form.get());
    TPanel panel(&outer);
    panel.setFont(MakeFont("Courier New", -9));
    TLbSpeedButton onPanel(&panel);
    EXPECT_EQ(onPanel.HotTrackFont().Font, form->font());
    EXPECT_EQ(onPanel.HotTrackFont().Color, clRed);

    TLbSpeedButton alone;
    EXPECT_EQ(alone.HotTrackFont().Font, QFont()) << "no form, default font";
}

TEST_F(SpeedButton, ColourFollowsTheParentUntilSet)
{
    TPanel panel(form.get());
    panel.SetColor(clSkyBlue);
    TLbSpeedButton button(&panel);
    EXPECT_EQ(button.Color(), clSkyBlue);
    button.SetColor(clGreen);
    EXPECT_EQ(button.Color(), clGreen);
    EXPECT_FALSE(button.ParentColor());
    panel.SetColor(clRed);
    EXPECT_EQ(button.Color(), clGreen);
    button.SetParentColor(true);
    EXPECT_EQ(button.Color(), clRed);
}

TEST_F(SpeedButton, GlyphCountsSquareCells)
{
    TLbSpeedButton button;
    button.SetGlyph(QImage(64, 16, QImage::Format_RGB32));
    EXPECT_EQ(button.NumGlyphs(), 4);
    button.SetGlyph(QImage(10, 16, QImage::Format_RGB32));
    EXPECT_EQ(button.NumGlyphs(), 0);
    button.SetNumGlyphs(2);
    EXPECT_EQ(button.NumGlyphs(), 2) << "an explicit count wins";
    button.SetGlyph(QImage());
    EXPECT_EQ(button.NumGlyphs(), 0);
    EXPECT_EQ(button.Glyph().height(), 0);
}

class LowColourButton : public TLbSpeedButton
{
public:
    using TLbSpeedButton::TLbSpeedButton;
    int bits = 8;

protected:
    int DisplayBitsPerPixel() const override { return bits; }
};

TEST_F(SpeedButton, ModernNeedsMoreThanEightBitsButPresetsDoNotAsk)
{
    LowColourButton button;
    button.SetStyle(bsModern);
    EXPECT_EQ(button.Style(), bsNormal);
    button.SetStyle(bsQuicken);
    EXPECT_EQ(button.Style(), bsQuicken);
    button.bits = 16;
    button.SetStyle(bsModern);
    EXPECT_EQ(button.Style(), bsModern);
    button.bits = 8;
    button.SetStyle(bsNormal);
    button.SetColorStyle(lcsGold);
    EXPECT_EQ(button.Style(), bsModern);
}

TEST_F(SpeedButton, PresetsWriteTheirPropertiesAndReadBackCustom)
{
    TLbSpeedButton *button = Make();
    button->SetFlat(true);
    button->SetFontColor(clRed);
    button->SetColorStyle(lcsQuicken);
    EXPECT_EQ(button->ColorStyle(), lcsCustom);
    EXPECT_EQ(button->Color(), RGBColor(0, 48, 96));
    EXPECT_FALSE(button->ParentColor());
    EXPECT_EQ(button->FontColor(), clWhite);
    EXPECT_EQ(button->LightColor(), clSilver);
    EXPECT_EQ(button->ShadowColor(), clSilver);
    EXPECT_EQ(button->ColorWhenDown(), RGBColor(41, 101, 173));
    EXPECT_EQ(button->HotTrackColor(), RGBColor(156, 174, 206));
    EXPECT_FALSE(button->Flat());
    EXPECT_EQ(button->Style(), bsQuicken);

    button->SetColorStyle(lcsUltraFlat1);
    EXPECT_EQ(button->Color(), clBtnFace);
    EXPECT_EQ(button->FontColor(), clBlack);
    EXPECT_TRUE(button->Flat());
    EXPECT_EQ(button->Style(), bsNormal);
    EXPECT_EQ(button->ColorWhenDown(), RGBColor(132, 146, 181));

    button->SetColorStyle(lcsGold);
    QCoreApplication::processEvents();
    const TLbButtonFace before = button->FaceState();
    PaintLog paints(button);
    button->SetColorStyle(lcsCustom);
    QCoreApplication::processEvents();
    EXPECT_EQ(paints.count, 0) << "lcsCustom does nothing at all";
    EXPECT_EQ(button->FaceState().Color, before.Color);
    EXPECT_EQ(button->Style(), bsModern);
    button->SetColorStyle(lcsRed);
    EXPECT_EQ(paints.count, 1) << "a preset paints at once";
}

TEST_F(SpeedButton, RepaintRule)
{
    TLbSpeedButton *button = Make();
    QCoreApplication::processEvents();
    PaintLog paints(button);

    button->SetFlat(true);
    EXPECT_EQ(paints.count, 1) << "an opaque button paints at once";
    button->SetFlat(true);
    button->SetAlignment(taLeftJustify);
    QCoreApplication::processEvents();
    EXPECT_EQ(paints.count, 1) << "unchanged values paint nothing";
    for (auto set : std::initializer_list<std::function<void()>>{
             [&] { button->SetAlignment(taCenter); }, [&] { button->SetColorWhenDown(clRed); },
             [&] { button->SetDown(true); }, [&] { button->SetGroupIndex(3); }, [&] { button->SetLayout(blGlyphTop); },
             [&] { button->SetLightColor(clYellow); }, [&] { button->SetShadowColor(clGray); },
             [&] { button->SetWordWrap(true); }}) {
        const int before = paints.count;
        set();
        EXPECT_EQ(paints.count, before + 1);
    }

    const int before = paints.count;
    button->SetHotTrackColor(clRed);
    button->SetUseHotTrackFont(true);
    button->SetAllowAllUp(true);
    button->SetHotTrackFont(TLbFont{MakeFont("Arial", -30), clRed});
    QCoreApplication::processEvents();
    EXPECT_EQ(paints.count, before) << "stored only";

    button->SetCaption("Go");
    EXPECT_EQ(paints.count, before) << "a caption waits for the paint cycle";
    QCoreApplication::processEvents();
    EXPECT_EQ(paints.count, before + 1);

    button->SetTransparent(true);
    EXPECT_EQ(paints.count, before + 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(paints.count, before + 2);
    button->SetFlat(false);
    EXPECT_EQ(paints.count, before + 2) << "a transparent button waits for its background";
    QCoreApplication::processEvents();
    EXPECT_EQ(paints.count, before + 3);
    button->SetTransparent(false);
    EXPECT_EQ(paints.count, before + 4) << "back to opaque paints at once";
}

TEST_F(SpeedButton, CornersShowTheParent)
{
    TPanel panel(form.get());
    panel.setGeometry(0, 0, 300, 150);
    panel.SetColor(clBlue);
    panel.show();
    TLbSpeedButton *button = Make(&panel);
    button->setGeometry(20, 20, 114, 45);
    button->SetStyle(bsModern);
    button->SetColor(clGreen);
    button->SetShadowColor(RGBColor(0, 192, 0));
    const QImage shot = panel.grab(QRect(20, 20, 114, 45)).toImage();
    const auto at = [&shot](int x, int y) { return FromQColor(shot.pixelColor(x, y)); };
    for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}, {113, 0}, {0, 44}, {113, 44}, {112, 44}})
        EXPECT_EQ(at(x, y), clBlue) << x << "," << y;
    EXPECT_EQ(at(2, 0), RGBColor(0, 192, 0));
    EXPECT_EQ(at(57, 11), clGreen);
}

// ---- mouse, groups and clicks ----------------------------------------------

TEST_F(SpeedButton, UngroupedGoesDownOnLeftPressAndUpOnAnyRelease)
{
    TLbSpeedButton *button = Make();
    std::vector<bool> downAtClick;
    QObject::connect(button, &TLbSpeedButton::OnClick, [&](QObject *sender) {
        EXPECT_EQ(sender, button);
        downAtClick.push_back(button->Down());
    });
    Send(button, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(5, 5), Qt::LeftButton);
    EXPECT_TRUE(button->Down());
    Send(button, QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(downAtClick, std::vector<bool>{true}) << "the click comes while it still shows pressed";

    Send(button, QEvent::MouseButtonPress, Qt::RightButton, QPoint(5, 5), Qt::RightButton);
    EXPECT_FALSE(button->Down()) << "a right press does not press it";
    button->SetDown(true);
    Send(button, QEvent::MouseButtonRelease, Qt::RightButton);
    EXPECT_FALSE(button->Down()) << "any release lets it up";
    EXPECT_EQ(downAtClick.size(), 1u);

    Send(button, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(5, 5), Qt::LeftButton);
    Send(button, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(200, 5));
    EXPECT_EQ(downAtClick.size(), 1u) << "released outside: no click";
    EXPECT_FALSE(button->Down());
}

TEST_F(SpeedButton, GroupReleasesItsPeersUnderTheSameParentOnly)
{
    TLbSpeedButton *a = Make(), *b = Make(), *c = Make(), *other = Make();
    QWidget elsewhere(form.get());
    TLbSpeedButton *stranger = Make(&elsewhere);
    for (TLbSpeedButton *button : {a, b, c, stranger})
        button->SetGroupIndex(1);
    other->SetGroupIndex(2);
    other->SetDown(true);
    stranger->SetDown(true);

    ClickWith(a);
    EXPECT_TRUE(a->Down()) << "a grouped button stays down after release";
    ClickWith(b);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_FALSE(c->Down());
    EXPECT_TRUE(other->Down()) << "another group";
    EXPECT_TRUE(stranger->Down()) << "another parent";

    ClickWith(b);
    EXPECT_TRUE(b->Down()) << "without AllowAllUp a down button stays down";
    b->SetAllowAllUp(true);
    ClickWith(b);
    EXPECT_FALSE(b->Down()) << "with AllowAllUp it comes up";

    TLbSpeedButton orphan;
    orphan.SetGroupIndex(1);
    orphan.SetDown(true);
    EXPECT_TRUE(orphan.Down()) << "no parent, no peers";
}

TEST_F(SpeedButton, DoubleClickGivesTwoClicks)
{
    TLbSpeedButton *button = Make();
    int clicks = 0, presses = 0;
    QObject::connect(button, &TLbSpeedButton::OnClick, [&] { ++clicks; });
    QObject::connect(button, &TLbSpeedButton::OnMouseDown, [&](QObject *, Qt::MouseButton b) {
        EXPECT_EQ(b, Qt::LeftButton);
        ++presses;
    });
    Send(button, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(5, 5), Qt::LeftButton);
    Send(button, QEvent::MouseButtonRelease, Qt::LeftButton);
    Send(button, QEvent::MouseButtonDblClick, Qt::LeftButton, QPoint(5, 5), Qt::LeftButton);
    EXPECT_TRUE(button->Down());
    Send(button, QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(presses, 2);
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(button->Down());
}

TEST_F(SpeedButton, ClickHandlerMayDeleteTheButton)
{
    TLbSpeedButton *button = Make();
    QObject::connect(button, &TLbSpeedButton::OnClick, [&] { delete button; });
    QPointer<TLbSpeedButton> watch(button);
    ClickWith(button);
    EXPECT_TRUE(watch.isNull());
}

TEST_F(SpeedButton, MouseDownAndUpHandlersMayDeleteTheButton)
{
    for (const bool onDown : {true, false}) {
        for (const int groupIndex : {0, 1}) {
            TLbSpeedButton *button = Make();
            button->SetGroupIndex(groupIndex);
            const auto remove = [&] { delete button; };
            if (onDown)
                QObject::connect(button, &TLbSpeedButton::OnMouseDown, remove);
            else
                QObject::connect(button, &TLbSpeedButton::OnMouseUp, remove);
            QPointer<TLbSpeedButton> watch(button);
            Send(button, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(5, 5), Qt::LeftButton);
            if (watch)
                Send(button, QEvent::MouseButtonRelease, Qt::LeftButton);
            EXPECT_TRUE(watch.isNull()) << (onDown ? "OnMouseDown" : "OnMouseUp") << ", group " << groupIndex;
            delete watch.data();
        }
    }
}

// ---- accelerator -------------------------------------------------------------

TEST_F(SpeedButton, AcceleratorOfAGroupedButtonClicksAndLeavesTheGroupUp)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    TLbSpeedButton *a = Make(), *b = Make();
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    b->SetCaption("&Go");
    a->SetDown(true);
    std::vector<bool> downAtClick;
    QObject::connect(b, &TLbSpeedButton::OnClick, [&] { downAtClick.push_back(b->Down()); });
    PaintLog paints(b);

    QTest::keyClick(form.get(), Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(downAtClick, std::vector<bool>{true}) << "pressed while it clicks";
    EXPECT_FALSE(a->Down()) << "pressing released the peer";
    EXPECT_FALSE(b->Down()) << "and the button went back up";
    EXPECT_GE(paints.count, 2) << "painted pressed, then up";

    b->setEnabled(false);
    QTest::keyClick(form.get(), Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(downAtClick.size(), 1u) << "a disabled button ignores its accelerator";
    b->setEnabled(true);
    b->SetCaption("Go");
    QTest::keyClick(form.get(), Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(downAtClick.size(), 1u) << "no '&', no accelerator";
    b->SetCaption("&&Go");
    QTest::keyClick(form.get(), Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(downAtClick.size(), 1u) << "'&&' is a plain ampersand";
}

// ---- hot tracking ------------------------------------------------------------

TEST_F(SpeedButton, EnterAndLeave)
{
    TLbSpeedButton *button = Make();
    button->SetHotTrackColor(clRed);
    button->SetColor(clSilver);
    button->SetUseHotTrackFont(true);
    const TLbFont hotFont{MakeFont("Arial", -21, true), clYellow};
    button->SetHotTrackFont(hotFont);
    int entered = 0, exited = 0;
    QObject::connect(button, &TLbSpeedButton::OnMouseEnter, [&] { ++entered; });
    QObject::connect(button, &TLbSpeedButton::OnMouseExit, [&] { ++exited; });
    PaintLog paints(button);

    Enter(button);
    EXPECT_TRUE(button->MouseInside());
    EXPECT_EQ(button->FadeLevel(), 8);
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(paints.count, 1);
    EXPECT_EQ(CentreOf(*button), clRed);
    EXPECT_EQ(button->FaceState().Font, hotFont);

    Leave(button);
    EXPECT_FALSE(button->MouseInside());
    EXPECT_EQ(button->FadeLevel(), 0);
    EXPECT_EQ(exited, 1);
    EXPECT_EQ(paints.count, 2);
    EXPECT_EQ(CentreOf(*button), clSilver);
    EXPECT_EQ(button->FaceState().Font, button->Font());
}

TEST_F(SpeedButton, DisabledButtonsDoNotBecomeHot)
{
    TLbSpeedButton *button = Make();
    button->SetHotTrackColor(clRed);
    button->SetColor(clSilver);
    button->SetUseHotTrackFont(true);
    int entered = 0, exited = 0;
    QObject::connect(button, &TLbSpeedButton::OnMouseEnter, [&] { ++entered; });
    QObject::connect(button, &TLbSpeedButton::OnMouseExit, [&] { ++exited; });

    button->setEnabled(false);
    Enter(button);
    EXPECT_FALSE(button->MouseInside());
    EXPECT_EQ(entered, 0);
    Leave(button);
    EXPECT_EQ(exited, 0) << "no exit event for a disabled button";

    // Hot, then disabled: still the hot font (the pointer never left), but
    // not the hot colour; leaving clears the state without an event.
    button->setEnabled(true);
    Enter(button);
    button->setEnabled(false);
    EXPECT_TRUE(button->MouseInside());
    EXPECT_EQ(button->FaceState().Font, button->HotTrackFont());
    EXPECT_EQ(CentreOf(*button), clSilver);
    Leave(button);
    EXPECT_FALSE(button->MouseInside());
    EXPECT_EQ(exited, 0);

    button->setEnabled(true);
    button->hide();
    Enter(button);
    EXPECT_FALSE(button->MouseInside()) << "nor do hidden ones";
}

// ---- popup menu and action ---------------------------------------------------

TEST_F(SpeedButton, ClickPopsTheMenuUpAtTheBottomLeftThenClicks)
{
    TLbSpeedButton *button = Make();
    QMenu menu;
    menu.addAction("Eins");
    button->SetPopupMenu(&menu);
    EXPECT_TRUE(button->FaceState().HasPopupMenu) << "the arrow shows";
    std::vector<QString> order;
    QPoint shownAt;
    QObject::connect(&menu, &QMenu::aboutToShow, [&] {
        order.push_back("menu");
        QTimer::singleShot(0, &menu, [&] {
            shownAt = menu.pos();
            menu.close();
        });
    });
    QObject::connect(button, &TLbSpeedButton::OnClick, [&] { order.push_back("click"); });
    ClickWith(button);
    EXPECT_EQ(order, (std::vector<QString>{"menu", "click"}));
    EXPECT_EQ(shownAt, button->mapToGlobal(QPoint(0, button->height())));
}

TEST_F(SpeedButton, ActionGivesCaptionStateAndItsPictureAsGlyph)
{
    TLbSpeedButton *button = Make();
    QAction action("&Los");
    QPixmap picture(16, 16);
    picture.fill(Qt::red);
    action.setIcon(QIcon(picture));
    button->SetAction(&action);
    EXPECT_EQ(button->Caption(), "&Los");
    ASSERT_EQ(button->Glyph().size(), QSize(16, 16));
    EXPECT_EQ(button->NumGlyphs(), 1);
    EXPECT_EQ(button->Glyph().pixelColor(5, 5), QColor(Qt::red));

    action.setEnabled(false);
    EXPECT_FALSE(button->isEnabled());
    action.setEnabled(true);
    action.setText("Weiter");
    EXPECT_EQ(button->Caption(), "Weiter");

    int triggered = 0;
    QObject::connect(&action, &QAction::triggered, [&] { ++triggered; });
    ClickWith(button);
    EXPECT_EQ(triggered, 1) << "without OnClick the action executes";
    int clicks = 0;
    QObject::connect(button, &TLbSpeedButton::OnClick, [&] { ++clicks; });
    ClickWith(button);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(triggered, 1) << "an OnClick handler wins";

    QPixmap other(16, 16);
    other.fill(Qt::blue);
    action.setIcon(QIcon(other));
    EXPECT_EQ(button->Glyph().pixelColor(5, 5), QColor(Qt::red)) << "an existing glyph stays";
}

TEST_F(SpeedButton, SlowDeceaseCreatesOneThreadAndRevertsWhenRefused)
{
    TLbSpeedButton *button = Make();
    ScriptedSleep sleep;
    int created = 0;
    button->SetFadeThreadFactory(ThreadsWith(sleep, &created));
    button->SetSlowDecease(true);
    button->SetSlowDecease(true);
    EXPECT_EQ(created, 1);
    ASSERT_NE(button->FadeThread(), nullptr);
    EXPECT_TRUE(button->FadeThread()->Suspended()) << "created parked";
    button->SetSlowDecease(false);
    EXPECT_EQ(button->FadeThread(), nullptr);

    button->SetFadeThreadFactory([](TLbButtonThread::StepMethod) -> std::unique_ptr<TLbButtonThread> {
        throw std::runtime_error("Thread creation error: no more threads");
    });
    EXPECT_THROW(button->SetSlowDecease(true), std::runtime_error);
    EXPECT_FALSE(button->SlowDecease()) << "without a thread the hot colour would never go";
    button->SetHotTrackColor(clRed);
    Enter(button);
    Leave(button);
    EXPECT_EQ(button->FadeLevel(), 0);
}

} // namespace
