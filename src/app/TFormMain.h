// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The main window: the top panel with help, info, the game clock, the game
// buttons, the loaders and the maker's logo; the two rosters in the middle;
// the export button at the bottom; the window geometry kept between runs.

#include <QDialog>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

#include "app/WindowGeometryStore.h"
#include "app/WindowPlacement.h"
#include "game/GameWindow.h"
#include "platform/TickSource.h"
#include "rosters/TCheckListBox.h"
#include "timing/PlayingTimeLedger.h"

class AnchorKeeper;
class ClockCommands;
class HallDisplayKeeper;
class QFileDialog;
class ResetUndo;
class RulesWatch;
class QStatusBar;
class TFrameClock;
class TGameControls;
class TLbSpeedButton;
class TTimer;
class TLabel;
class TPanel;
class TSpeedButton;
class WindowFrameKeeper;

class TFormMain : public GameWindow
{
    Q_OBJECT
public:
    static constexpr QSize DesignClientSize{800, 405};
    static constexpr QSize DesignFrameSize{808, 439};
    static constexpr QPoint DesignPosition{257, 110};

    // `executablePath` decides the caption, the settings key and the help
    // page; `tick` is the millisecond counter that clock and ledger read.
    explicit TFormMain(const QString &executablePath, TickSource tick = SystemTickSource(), QWidget *parent = nullptr);
    ~TFormMain() override;

    // The About box that the Info button shows; owned elsewhere.
    void SetAboutBox(QDialog *aboutBox) { m_aboutBox = aboutBox; }

    PlayingTimeLedger &Ledger() override { return m_ledger; }
    const QString &HelpFile() const { return m_helpFile; }
    const QString &OpenDialogInitialDir() const { return m_openDialogInitialDir; }
    const WindowGeometryStore &GeometryStore() const { return m_geometryStore; }

    // Controls, by their names in the layout.
    TPanel *Panel1 = nullptr;
    TPanel *Panel2 = nullptr;
    TPanel *Panel3 = nullptr;
    TPanel *Panel4 = nullptr;
    TPanel *PanelClock = nullptr;
    TSpeedButton *sbHelp = nullptr;
    TSpeedButton *sbInfo = nullptr;
    TSpeedButton *sbExcel = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    TLabel *LogoShadow1 = nullptr;
    TLabel *LogoShadow2 = nullptr;
    TLabel *Label8 = nullptr; // first part of the maker's name
    TLabel *Label9 = nullptr; // second part
    TLabel *Label10 = nullptr; // suffix

    // The rosters (team 1 left, team 2 right), their loaders and the open dialog they share.
    TCheckListBox *Command1 = nullptr;
    TCheckListBox *Command2 = nullptr;
    TSpeedButton *sbLoad1 = nullptr;
    TSpeedButton *sbLoad2 = nullptr;
    QFileDialog *OpenDialog = nullptr;

    // START, PAUSE, RESET (GameControls drives them; FrameClock1 fills
    // PanelClock inside its bevel; both are the game's parts of GameWindow).
    TLbSpeedButton *bSTART = nullptr;
    TLbSpeedButton *bPause = nullptr;
    TLbSpeedButton *bReset = nullptr;
    TTimer *TimerList = nullptr; // the refresh of the playing times
    // The playing-time rules: their status line and what watches them.
    TLabel *RulesStatus = nullptr;
    RulesWatch *PlayingRules = nullptr;
    // The hall display, opened from the clock's menu.
    HallDisplayKeeper *HallDisplays = nullptr;

    // Asks which team file to load: its path, or an empty string for cancel.
    // The window shows OpenDialog; tests put their own answer here.
    using TeamFileChooser = std::function<QString()>;
    void SetTeamFileChooser(TeamFileChooser chooser) { m_chooseTeamFile = std::move(chooser); }

    // Shows a local file (the help page) with the desktop's program and
    // calls `failed` when no program could show it.  The window uses
    // DesktopOpener; tests put their own here.
    using FileOpener = std::function<void(const QString &path, std::function<void()> failed)>;
    void SetFileOpener(FileOpener opener) { m_openFile = std::move(opener); }

public slots:
    void sbHelpClick(QObject *sender);
    void sbInfoClick(QObject *sender);
    void Label8Click(QObject *sender);
    void sbLoadClick(QObject *sender);
    void bSTART_STOPClick(QObject *sender);
    void bResetClick(QObject *sender);
    void TimerListTimer(QObject *sender);
    // Writes both rosters with their playing times into a new workbook, and
    // the game report's sheets when the report fits the rosters; what fails
    // is thrown, and the button's click reports it.
    void sbExcelClick(QObject *sender);
    void Command1DrawItem(QWidget *Control, int Index, const QRect &Rect, TOwnerDrawState State);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildLayout();
    void BuildLogo();
    void BuildRosters();
    void BuildGameControls();
    void AlignPanels();
    void AlignRosters();
    QString ChooseTeamFile();
    void TakeFocusBack();
    // Tells the user that no program showed the help page `page`, and where it is.
    void TellHelpPageNotShown(const QString &page);
    void FormCreate();
    void FormDestroy();
    void FormResize();
    void RestoreGeometry();
    // The outer frame that the stored values ask for, on a screen.
    static QRect StoredFrame(const WindowGeometryStore::Restored &stored, const WindowPlacement::Wish &design);
    // Runs a click handler and shows what it throws in the exception report
    // right here, instead of unwinding through the toolkit's event code.
    template <class Handler>
    static void Reported(Handler &&handler)
    {
        try {
            handler();
        } catch (const std::exception &error) {
            ReportException(error);
        }
    }
    static void ReportException(const std::exception &error);

    QString m_executablePath;
    TickSource m_tick;
    PlayingTimeLedger m_ledger;
    WindowGeometryStore m_geometryStore;
    QString m_helpFile;
    QString m_openDialogInitialDir;
    QPointer<QDialog> m_aboutBox;
    AnchorKeeper *m_panel1Anchors = nullptr;
    AnchorKeeper *m_panel2Anchors = nullptr;
    int m_command1Width = 400; // the left roster's width; the right one takes the rest
    TeamFileChooser m_chooseTeamFile;
    FileOpener m_openFile;

    WindowFrameKeeper *m_frameKeeper = nullptr;
    std::optional<QRect> m_frameAtClose;
    bool m_geometrySaved = false;
};
