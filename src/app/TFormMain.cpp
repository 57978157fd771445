// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "app/TFormMain.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QCompleter>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QUrl>

#include "app/AppIdentity.h"
#include "app/DesktopOpener.h"
#include "app/InterfaceLanguage.h"
#include "app/TApplication.h"
#include "app/WindowFrameKeeper.h"
#include "buttons/TLbSpeedButton.h"
#include "clock/TFrameClock.h"
#include "display/HallDisplayKeeper.h"
#include "export/AutomationRegistry.h"
#include "export/DesktopDelivery.h"
#include "export/RosterExport.h"
#include "export/SpreadsheetApplication.h"
#include "export/TExcel.h"
#include "game/ClockCommands.h"
#include "game/ClockMenu.h"
#include "game/GameControls.h"
#include "game/ReportExport.h"
#include "game/ResetUndo.h"
#include "game/RulesWatch.h"
#include "platform/AnchorKeeper.h"
#include "platform/Canvas.h"
#include "platform/TLabel.h"
#include "platform/TPanel.h"
#include "platform/TSpeedButton.h"
#include "platform/TTimer.h"
#include "rosters/TeamFile.h"
#include "rosters/TeamRoster.h"

namespace {

constexpr int TopPanelHeight = 111;
constexpr int BottomPanelHeight = 41;
constexpr int StatusBarHeight = 19;
const QSize TopPanelDesignSize(800, TopPanelHeight);
const QSize BottomPanelDesignSize(800, BottomPanelHeight);

QImage LoadGlyph(const QString &name)
{
    return QImage(QStringLiteral(":/glyphs/") + name);
}

} // namespace

TFormMain::TFormMain(const QString &executablePath, TickSource tick, QWidget *parent)
    : GameWindow(parent)
    , m_executablePath(executablePath)
    , m_tick(std::move(tick))
    , m_ledger(m_tick)
    , m_geometryStore(AppIdentity::SettingsApplicationName(executablePath))
    , m_openFile(&DesktopOpener::Open)
{
    setObjectName(QStringLiteral("FormMain"));
    BuildLayout();
    FormCreate();
}

TFormMain::~TFormMain()
{
    // The display follows the window's parts: it goes before they do.
    delete HallDisplays;
    HallDisplays = nullptr;
    FormDestroy();
}

void TFormMain::BuildLayout()
{
    resize(DesignClientSize);
    setFont(MakeFont("MS Sans Serif", -21));
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, ToQColor(clBtnShadow));
    setPalette(windowPalette);
    setAutoFillBackground(true);

    Panel1 = new TPanel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->SetColor(clSkyBlue);
    m_panel1Anchors = new AnchorKeeper(Panel1, TopPanelDesignSize);

    sbHelp = new TSpeedButton(Panel1);
    sbHelp->setObjectName(QStringLiteral("sbHelp"));
    sbHelp->SetGlyph(LoadGlyph(QStringLiteral("help.png")), 2);
    sbHelp->setCursor(Qt::PointingHandCursor);
    sbHelp->setToolTip(tr("Hilfe (F1)"));
    m_panel1Anchors->Place(sbHelp, QRect(6, 25, 40, 39), akLeft | akTop);
    connect(sbHelp, &QToolButton::clicked, this, [this] { sbHelpClick(sbHelp); });

    sbInfo = new TSpeedButton(Panel1);
    sbInfo->setObjectName(QStringLiteral("sbInfo"));
    sbInfo->SetGlyph(LoadGlyph(QStringLiteral("info.png")), 4);
    sbInfo->setCursor(Qt::PointingHandCursor);
    sbInfo->setToolTip(tr("Info (F3)"));
    m_panel1Anchors->Place(sbInfo, QRect(6, 68, 40, 39), akLeft | akTop);
    connect(sbInfo, &QToolButton::clicked, this, [this] { sbInfoClick(sbInfo); });

    // The game clock sits in a lowered panel; only its top is anchored, so
    // its centre keeps its proportional place when the width changes.
    PanelClock = new TPanel(Panel1);
    PanelClock->setObjectName(QStringLiteral("PanelClock"));
    PanelClock->SetBevelOuter(TPanel::Bevel::Lowered, 2);
    PanelClock->SetColor(clBtnFace);
    m_panel1Anchors->Place(PanelClock, QRect(240, 4, 318, 104), akTop);

    // The clock fills the panel inside its bevel and keeps doing so if the panel is resized.
    FrameClock1 = new TFrameClock(m_tick, PanelClock);
    FrameClock1->setObjectName(QStringLiteral("FrameClock1"));
    FrameClock1->SetColor(clBlack);
    auto *clockAlign = new AnchorKeeper(PanelClock, PanelClock->size());
    clockAlign->Place(FrameClock1, PanelClock->ClientRect(), akLeft | akTop | akRight | akBottom);

    Panel4 = new TPanel(Panel1);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->SetColor(clSkyBlue);
    m_panel1Anchors->Place(Panel4, QRect(612, 62, 185, 45), akTop | akRight);
    BuildLogo();

    Panel3 = new TPanel(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->SetColor(clBtnFace);
    BuildRosters();

    Panel2 = new TPanel(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->SetColor(clBtnShadow);
    m_panel2Anchors = new AnchorKeeper(Panel2, BottomPanelDesignSize);
    sbExcel = new TSpeedButton(Panel2);
    sbExcel->setObjectName(QStringLiteral("sbExcel"));
    sbExcel->SetGlyph(LoadGlyph(QStringLiteral("excel.png")), 2);
    sbExcel->setToolTip(tr("Datei in MS Excel"));
    sbExcel->setEnabled(false);
    m_panel2Anchors->Place(sbExcel, QRect(384, 2, 36, 39), Anchors{});
    connect(sbExcel, &QToolButton::clicked, this, [this] { Reported([&] { sbExcelClick(sbExcel); }); });
    // The program's own spreadsheet application answers to "Excel.Application";
    // it saves each export's workbook and opens it with the desktop's program.
    if (!AutomationRegistry::Process().IsRegistered(QLatin1String(TExcel::ProgId)))
        RegisterSpreadsheetProvider(AutomationRegistry::Process(),
                                    DesktopDelivery::Actions(&TApplication::ShowException));

    BuildGameControls();

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);

    AlignPanels();
}

void TFormMain::BuildLogo()
{
    // The maker's name in three parts; each coloured part stands over a
    // black copy of itself two pixels further right and lower: its shadow.
    const QFont partFont = MakeFont("Arial", -27, true);
    auto makeLabel = [this, &partFont](const QString &text, TColor color, QRect rect, bool clickable) {
        auto *label = new TLabel(text, Panel4);
        label->setFont(partFont);
        label->SetFontColor(color);
        label->setGeometry(rect);
        if (clickable) {
            label->setCursor(Qt::PointingHandCursor);
            connect(label, &TLabel::Clicked, this, &TFormMain::Label8Click);
        } else {
            label->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        return label;
    };
    LogoShadow1 = makeLabel(QStringLiteral("Vel"), clBlack, QRect(0, 0, 61, 32), false);
    Label8 = makeLabel(QStringLiteral("Vel"), clRed, QRect(-2, -2, 61, 32), true);
    // The first part ends where the second begins, so the name reads as one word.
    LogoShadow1->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label8->setAlignment(Qt::AlignRight | Qt::AlignTop);
    LogoShadow2 = makeLabel(QStringLiteral("marin"), clBlack, QRect(62, 0, 81, 32), false);
    Label9 = makeLabel(QStringLiteral("marin"), clGreen, QRect(60, -2, 81, 32), true);
    Label10 = makeLabel(QStringLiteral("SW"), clBlack, QRect(143, 8, 28, 22), true);
    Label10->setFont(MakeFont("Arial", -19, true));
    Label8->setObjectName(QStringLiteral("Label8"));
    Label9->setObjectName(QStringLiteral("Label9"));
    Label10->setObjectName(QStringLiteral("Label10"));
}

void TFormMain::AlignPanels()
{
    const int w = width();
    const int h = height();
    Panel1->setGeometry(0, 0, w, TopPanelHeight);
    StatusBar1->setGeometry(0, h - StatusBarHeight, w, StatusBarHeight);
    Panel2->setGeometry(0, h - StatusBarHeight - BottomPanelHeight, w, BottomPanelHeight);
    Panel3->setGeometry(0, TopPanelHeight, w, std::max(0, h - TopPanelHeight - BottomPanelHeight - StatusBarHeight));
    // A hidden window gets no resize events; place the anchored children now.
    m_panel1Anchors->ArrangeAll();
    m_panel2Anchors->ArrangeAll();
    AlignRosters();
}

void TFormMain::FormCreate()
{
    const QFileInfo executable(m_executablePath);
    m_openDialogInitialDir = executable.absolutePath() + QLatin1Char('/');
    OpenDialog->setDirectory(m_openDialogInitialDir);
    // An installed program's folder holds no team files; the sample teams
    // are one click away in the dialog's sidebar.
    const QString sampleTeams = AppIdentity::FindSampleTeamsFolder(m_executablePath);
    if (!sampleTeams.isEmpty()) {
        QList<QUrl> places = OpenDialog->sidebarUrls();
        const QUrl teamsPlace = QUrl::fromLocalFile(sampleTeams);
        if (!places.contains(teamsPlace))
            places.append(teamsPlace);
        OpenDialog->setSidebarUrls(places);
    }
    m_helpFile = AppIdentity::FindHelpPage(m_executablePath, InterfaceLanguage::Code(InterfaceLanguage::Current()));
    setWindowTitle(AppIdentity::MainCaption(m_executablePath));
    sbHelp->setEnabled(!m_helpFile.isEmpty());
    // PAUSE stands exactly where START stands; a fresh game starts from zero.
    bPause->setGeometry(bSTART->geometry());
    m_panel1Anchors->SetDesignRect(bPause, TGameControls::StartBounds);
    bResetClick(bReset);
    // That RESET only sets up the first game: there is nothing to take back.
    TakeBackReset->Forget();
    RestoreGeometry();
    // The ledger times as many lines as the rosters hold, and the first
    // five of each team start on court.
    m_ledger.SetCount(1, Command1->Count());
    m_ledger.SetCount(2, Command2->Count());
    for (int row = 0; row < 5; ++row) {
        Command1->SetChecked(row, true);
        Command2->SetChecked(row, true);
    }
}

void TFormMain::BuildGameControls()
{
    TGameControls::Wiring wiring;
    wiring.Ledger = &m_ledger;
    wiring.FrameClock1 = FrameClock1;
    wiring.Command1 = Command1;
    wiring.Command2 = Command2;
    wiring.sbLoad1 = sbLoad1;
    wiring.sbLoad2 = sbLoad2;
    wiring.sbExcel = sbExcel;
    GameControls = new TGameControls(Panel1, wiring, this);
    bSTART = GameControls->bSTART;
    bPause = GameControls->bPause;
    bReset = GameControls->bReset;
    TimerList = GameControls->TimerList;
    connect(bSTART, &TLbSpeedButton::OnClick, this,
            [this](QObject *sender) { Reported([&] { bSTART_STOPClick(sender); }); });
    connect(bPause, &TLbSpeedButton::OnClick, this,
            [this](QObject *sender) { Reported([&] { bSTART_STOPClick(sender); }); });
    connect(bReset, &TLbSpeedButton::OnClick, this,
            [this](QObject *sender) { Reported([&] { bResetClick(sender); }); });
    m_panel1Anchors->Place(bSTART, TGameControls::StartBounds, akLeft | akTop);
    m_panel1Anchors->Place(bPause, TGameControls::PauseBounds, akLeft | akTop);
    m_panel1Anchors->Place(bReset, TGameControls::ResetBounds, akTop | akRight);

    ClockMenuCommands =
        new ClockCommands({FrameClock1, GameControls, &m_ledger, m_geometryStore.ApplicationName()}, this);
    TakeBackReset = new ResetUndo(*GameControls, &ClockMenuCommands->Correction(), this);
    connect(this, &TFormMain::TeamLoaded, TakeBackReset, &ResetUndo::Forget);
    auto *undoKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this);
    undoKey->setContext(Qt::WindowShortcut);
    undoKey->setAutoRepeat(false);
    connect(undoKey, &QShortcut::activated, TakeBackReset, &ResetUndo::TakeBack);

    // The playing-time rules' line beside the export button, shown only while rules are in force.
    RulesStatus = new TLabel(QString(), Panel2);
    RulesStatus->setObjectName(QStringLiteral("RulesStatus"));
    RulesStatus->setFont(MakeFont("Arial", -11, false));
    RulesStatus->setWordWrap(true);
    RulesStatus->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    RulesStatus->hide();
    m_panel2Anchors->Place(RulesStatus, QRect(426, 2, 370, 39), akLeft | akTop | akRight);
    PlayingRules = new RulesWatch(*this, RulesStatus, RulesWatch::MessageBox(this, TApplication::CurrentTitle()), this);

    HallDisplays = new HallDisplayKeeper(*this, m_geometryStore.ApplicationName(), this);
    ClockMenu *menu = ClockMenuCommands->Menu;
    connect(menu, &ClockMenu::HallDisplayChosen, HallDisplays, &HallDisplayKeeper::Toggle);
    connect(HallDisplays, &HallDisplayKeeper::OpenChanged, menu->HallDisplayAction, &QAction::setChecked);
}

void TFormMain::bSTART_STOPClick(QObject *sender)
{
    GameControls->bSTART_STOPClick(sender);
}

void TFormMain::bResetClick(QObject *sender)
{
    GameControls->bResetClick(sender);
}

void TFormMain::TimerListTimer(QObject *sender)
{
    GameControls->TimerListTimer(sender);
}

void TFormMain::RestoreGeometry()
{
    const WindowGeometryStore::Restored stored = m_geometryStore.Read();
    WindowPlacement::Wish wish;
    // A size that is missing, or below one pixel (it would leave an invisible
    // window, saved again at exit), is the design size, as on a first run.
    wish.designWidth = !stored.hasWidth || stored.width < 1;
    wish.designHeight = !stored.hasHeight || stored.height < 1;
    wish.frame = QRect(DesignPosition, DesignFrameSize);
    if (stored.keyExists)
        wish.frame = StoredFrame(stored, wish);
    else
        wish.centred = true; // first run: centred at the design size
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), DesignFrameSize);
    m_frameKeeper = new WindowFrameKeeper(this, WindowPlacement(wish, DesignClientSize, area));
}

QRect TFormMain::StoredFrame(const WindowGeometryStore::Restored &stored, const WindowPlacement::Wish &design)
{
    // Start from the design position and size; each value read replaces one
    // of them, and the first bad value ends the reading.
    QPoint position = design.frame.topLeft();
    QSize size = design.frame.size();
    if (stored.hasLeft)
        position.setX(stored.left);
    if (stored.hasTop)
        position.setY(stored.top);
    if (!design.designWidth)
        size.setWidth(stored.width);
    if (!design.designHeight)
        size.setHeight(stored.height);

    // A window bigger than all screens together cannot have been left so by a
    // user: such a value would only ask for an enormous backing store.
    QRect desktop;
    QList<QRect> screens;
    for (const QScreen *each : QGuiApplication::screens()) {
        desktop = desktop.united(each->geometry());
        screens.append(each->availableGeometry());
    }
    size = size.boundedTo(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    if (!desktop.isEmpty())
        size = size.boundedTo(desktop.size());
    // Coordinates near the ends of the integer range lie beyond every screen
    // anyway; bounded, the rectangle's right and bottom cannot overflow.
    position.setX(std::clamp(position.x(), -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    position.setY(std::clamp(position.y(), -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    return WindowGeometryStore::KeepOnScreens(QRect(position, size), screens);
}

void TFormMain::closeEvent(QCloseEvent *event)
{
    // While the window is still on screen its frame margins are known.
    m_frameAtClose = m_frameKeeper->FrameToKeep();
    QWidget::closeEvent(event);
}

void TFormMain::FormDestroy()
{
    if (m_geometrySaved)
        return;
    m_geometrySaved = true;
    m_geometryStore.Write(m_frameAtClose.value_or(m_frameKeeper->FrameToKeep()));
}

void TFormMain::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    AlignPanels();
    FormResize();
}

void TFormMain::FormResize()
{
    // The rosters share the width; on an odd width the left one is a pixel narrower.
    m_command1Width = width() / 2;
    AlignRosters();
    Command1->Refresh();
    Command2->Refresh();
}

void TFormMain::sbHelpClick(QObject *)
{
    if (m_helpFile.isEmpty() || !m_openFile)
        return;
    // The answer can come after the window is gone.
    m_openFile(m_helpFile, [window = QPointer<TFormMain>(this), page = m_helpFile] {
        if (window)
            window->TellHelpPageNotShown(page);
    });
}

void TFormMain::TellHelpPageNotShown(const QString &page)
{
    QMessageBox::information(this, TApplication::CurrentTitle(),
                             tr("Es wurde kein Programm gefunden, das die Hilfeseite anzeigen kann. "
                                "Sie können sie von Hand öffnen:\n%1")
                                 .arg(QDir::toNativeSeparators(page)));
    TakeFocusBack();
}

void TFormMain::sbInfoClick(QObject *)
{
    if (m_aboutBox) {
        m_aboutBox->exec();
        TakeFocusBack();
    }
}

void TFormMain::Label8Click(QObject *)
{
    // The shell's answer is not checked: a failure to open the page shows nothing.
    QDesktopServices::openUrl(QUrl(QLatin1String(AppIdentity::MakerUrl)));
}

void TFormMain::BuildRosters()
{
    const auto makeRoster = [this](TeamIndex team, const char *name, const QStringList &lines) {
        auto *list = new TCheckListBox(Panel3);
        list->setObjectName(QLatin1String(name));
        TeamRoster::ApplyDesign(*list, team);
        list->SetLines(lines);
        list->SetOnDrawItem([this](QWidget *control, int index, const QRect &rect, TOwnerDrawState state) {
            Command1DrawItem(control, index, rect, state);
        });
        return list;
    };
    // Each line: the shirt number right-aligned in two characters, a blank, the name.
    Command1 = makeRoster(1, "Command1",
                          {QStringLiteral(" 4 Tom Wagner"), QStringLiteral(" 5 Jens Richter"),
                           QStringLiteral(" 6 Kai Neumann"), QStringLiteral(" 7 Ben Schulz"),
                           QStringLiteral(" 8 Lars Becker"), QStringLiteral(" 9 Sven Koch"),
                           QStringLiteral("10 Marco Wolf"), QStringLiteral("11 Uwe Zimmermann"),
                           QStringLiteral("12 Jörg Krämer"), QStringLiteral("18 Till Schneider")});
    Command2 = makeRoster(2, "Command2",
                          {QStringLiteral(" 4 Peter Krause"), QStringLiteral(" 5 Dirk Lehmann"),
                           QStringLiteral(" 6 Rolf Hartmann"), QStringLiteral(" 7 Frank Braun"),
                           QStringLiteral(" 8 Ralf Schmitt"), QStringLiteral(" 9 Olaf Lange"),
                           QStringLiteral("10 Heiko Vogel"), QStringLiteral("11 Timo Berger"),
                           QStringLiteral("12 Nils Franke"), QStringLiteral("13 Sascha Roth")});
    // The right roster comes first in the tab order.
    QWidget::setTabOrder(Command2, Command1);

    const auto makeLoader = [this](TeamIndex team, const char *name, QRect rect, Anchors anchors) {
        auto *button = new TSpeedButton(Panel1);
        button->setObjectName(QLatin1String(name));
        button->SetTag(team);
        button->SetFlat(true);
        button->SetGlyph(LoadGlyph(QStringLiteral("load.png")), 2);
        m_panel1Anchors->Place(button, rect, anchors);
        connect(button, &QToolButton::clicked, this, [this, button] { Reported([&] { sbLoadClick(button); }); });
        return button;
    };
    sbLoad1 = makeLoader(1, "sbLoad1", QRect(197, 67, 36, 39), akLeft | akBottom);
    sbLoad2 = makeLoader(2, "sbLoad2", QRect(565, 68, 36, 39), akRight | akBottom);

    // Qt's own dialog, so that it looks and behaves the same everywhere.
    OpenDialog = new QFileDialog(this);
    OpenDialog->setObjectName(QStringLiteral("OpenDialog"));
    OpenDialog->setOption(QFileDialog::DontUseNativeDialog, true);
    OpenDialog->setAcceptMode(QFileDialog::AcceptOpen);
    OpenDialog->setFileMode(QFileDialog::ExistingFile);
    OpenDialog->setNameFilter(tr("Text files(*.txt)"));
    OpenDialog->setDefaultSuffix(QStringLiteral("txt"));
}

void TFormMain::AlignRosters()
{
    if (!Command1 || !Command2)
        return;
    const int height = Panel3->height();
    const int left = std::clamp(m_command1Width, 0, Panel3->width());
    Command1->setGeometry(0, 0, left, height);
    Command2->setGeometry(left, 0, Panel3->width() - left, height);
}

void TFormMain::Command1DrawItem(QWidget *Control, int Index, const QRect &Rect, TOwnerDrawState)
{
    const auto *list = qobject_cast<const TCheckListBox *>(Control);
    TeamRoster::DrawLine(m_ledger, Control, Index, Rect,
                         PlayingRules && list ? PlayingRules->Mark(list->Tag(), Index) : QString());
}

QString TFormMain::ChooseTeamFile()
{
    const int result = OpenDialog->exec();
    TakeFocusBack();
    // A completion list that opened while the name was typed can outlive
    // the dialog as an empty box over the window; it goes with the dialog.
    for (QCompleter *completer : OpenDialog->findChildren<QCompleter *>()) {
        if (completer->popup())
            completer->popup()->hide();
    }
    if (result != QDialog::Accepted)
        return {};
    return OpenDialog->selectedFiles().value(0);
}

void TFormMain::sbLoadClick(QObject *sender)
{
    const auto *button = qobject_cast<const TSpeedButton *>(sender);
    TCheckListBox *roster = button ? Roster(button->Tag()) : nullptr;
    if (!roster)
        return;
    const QString path = m_chooseTeamFile ? m_chooseTeamFile() : ChooseTeamFile();
    if (path.isEmpty())
        return; // cancelled: nothing changes
    // A file that cannot be read throws before anything changes; the
    // application's exception report shows the message.
    TeamRoster::Load(*roster, m_ledger, path);
    SetTeamName(button->Tag(), TeamFile::TeamName(path));
    emit TeamLoaded(button->Tag());
}

void TFormMain::sbExcelClick(QObject *)
{
    // A call that fails ends the export there and throws; the rows written
    // so far are already handed over when the click's report shows it.
    const QStringList team1 = Command1->Lines();
    const QStringList team2 = Command2->Lines();
    std::optional<GameReport> report = CurrentReport();
    // A history that missed an action would contradict the rosters' sheet.
    if (report && !ReportExport::FitsRosters(*report, team1, team2, m_ledger))
        report.reset();
    RosterExport::Run(this, team1, team2, m_ledger, nullptr,
                      report ? ReportExport::Sheets(*report, ClockMenuCommands->Rules()) : nullptr);
    emit Exported();
}

void TFormMain::TakeFocusBack()
{
    // A window manager hands the keyboard back to the main window when a
    // dialog closes; without one nobody does, and F5 and F9 would not reach it.
    if (isVisible())
        activateWindow();
}

void TFormMain::ReportException(const std::exception &error)
{
    TApplication::ShowException(QString::fromUtf8(error.what()));
}
