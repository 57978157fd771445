#pragma once
// The main window: the top panel with help, info, the game clock, the game
// buttons, the loaders and the maker's logo; the two rosters in the middle;
// the export button at the bottom; the window geometry kept between runs.

#include <QDialog>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <optional>

#include "PlayingTimeLedger.h"
#include "TickSource.h"
#include "WindowGeometryStore.h"

class AnchorKeeper;
class QStatusBar;
class TFrameClock;
class TLabel;
class TPanel;
class TSpeedButton;

class TFormMain : public QWidget
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

    PlayingTimeLedger &Ledger() { return m_ledger; }
    const QString &HelpFile() const { return m_helpFile; }
    const QString &OpenDialogInitialDir() const { return m_openDialogInitialDir; }
    const WindowGeometryStore &GeometryStore() const { return m_geometryStore; }

    // Controls, by their names in the layout.
    TPanel *Panel1 = nullptr;
    TPanel *Panel2 = nullptr;
    TPanel *Panel3 = nullptr;
    TPanel *Panel4 = nullptr;
    TPanel *PanelClock = nullptr;
    TFrameClock *FrameClock1 = nullptr; // the game clock, filling PanelClock inside its bevel
    TSpeedButton *sbHelp = nullptr;
    TSpeedButton *sbInfo = nullptr;
    TSpeedButton *sbExcel = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    TLabel *LogoShadow1 = nullptr;
    TLabel *LogoShadow2 = nullptr;
    TLabel *Label8 = nullptr; // first part of the maker's name
    TLabel *Label9 = nullptr; // second part
    TLabel *Label10 = nullptr; // suffix

public slots:
    void sbHelpClick(QObject *sender);
    void sbInfoClick(QObject *sender);
    void Label8Click(QObject *sender);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildLayout();
    void BuildLogo();
    void AlignPanels();
    void FormCreate();
    void FormDestroy();
    void FormResize();
    void RestoreGeometry();
    void AdjustForFrameAfterShow();

    QString m_executablePath;
    TickSource m_tick;
    PlayingTimeLedger m_ledger;
    WindowGeometryStore m_geometryStore;
    QString m_helpFile;
    QString m_openDialogInitialDir;
    QPointer<QDialog> m_aboutBox;
    AnchorKeeper *m_panel1Anchors = nullptr;
    AnchorKeeper *m_panel2Anchors = nullptr;

    // Outer size to apply once the window manager's frame is known.
    std::optional<QSize> m_pendingFrameSize;
    bool m_centreOnShow = false;
    bool m_adjustedAfterShow = false;
    std::optional<QRect> m_frameAtClose;
    bool m_geometrySaved = false;
};
