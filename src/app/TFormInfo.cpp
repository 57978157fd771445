// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "app/TFormInfo.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

#include "app/AppIdentity.h"
#include "platform/AnchorKeeper.h"
#include "platform/Canvas.h"
#include "platform/TBevel.h"
#include "platform/TImage.h"
#include "platform/TLabel.h"
#include "platform/TShape.h"

namespace {

// Translated where it is shown: a constant is set before any translator is.
const char *const AboutText = QT_TRANSLATE_NOOP("TFormInfo",
                                                "Quintora ist eine Spieluhr für Basketball.\n"
                                                "\n"
                                                "Sie zeigt die Spielzeit groß an und zählt für jeden "
                                                "Spieler, wie lange er auf dem Feld stand. Gewechselt wird bei "
                                                "angehaltener Uhr; die Spielzeiten lassen sich in eine Tabelle "
                                                "übertragen.");

// Decoded by the JPEG plugin (libjpeg).  A picture that cannot be read
// leaves the frame empty rather than stopping the dialog.
QImage LoadProductPicture()
{
    QImageReader reader(TFormInfo::ProductPicturePath(), "jpeg");
    return reader.read();
}

QIcon InfoWindowIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/about/info-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/about/info-32.png"), QSize(32, 32));
    return icon;
}

// A label sized to its text, its top-left corner at `at`.
void PlaceSizedToText(TLabel *label, QPoint at)
{
    label->adjustSize();
    label->move(at);
}

} // namespace

QString TFormInfo::ProductPicturePath()
{
    return QStringLiteral(":/about/product.jpg");
}

TFormInfo::TFormInfo(QWidget *owner)
    : QDialog(owner,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_openUrl([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("FormInfo"));
    BuildLayout();
    if (owner)
        owner->installEventFilter(this);
}

void TFormInfo::BuildLayout()
{
    setWindowTitle(tr("Information"));
    setWindowIcon(InfoWindowIcon());
    setFixedSize(DesignClientSize);
    setSizeGripEnabled(false);
    setFont(MakeFont("MS Sans Serif", -11));
    QPalette formPalette = palette();
    formPalette.setColor(QPalette::Window, ToQColor(clBtnFace));
    setPalette(formPalette);
    setAutoFillBackground(true);
    m_anchors = new AnchorKeeper(this, DesignClientSize);

    // Creation order is painting order: the picture lies over its frame.
    Shape1 = new TShape(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    m_anchors->Place(Shape1, QRect(8, 8, 137, 161), akLeft | akTop);

    Image1 = new TImage(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->SetPicture(LoadProductPicture());
    m_anchors->Place(Image1, QRect(16, 16, 129, 153), akLeft | akTop);

    lbl_Programmname = new TLabel(QStringLiteral("Quintora"), this);
    lbl_Programmname->setObjectName(QStringLiteral("lbl_Programmname"));
    lbl_Programmname->setFont(MakeFont("MS Sans Serif", -13, true));
    PlaceSizedToText(lbl_Programmname, QPoint(160, 8));

    lbl_Version_Nr_Date = new TLabel(tr("Version 0.9  (9.05.2005)"), this);
    lbl_Version_Nr_Date->setObjectName(QStringLiteral("lbl_Version_Nr_Date"));
    lbl_Version_Nr_Date->setFont(MakeFont("MS Sans Serif", -12));
    PlaceSizedToText(lbl_Version_Nr_Date, QPoint(256, 10));

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setFont(MakeFont("Arial", -11));
    Memo1->setReadOnly(true);
    Memo1->setFocusPolicy(Qt::ClickFocus); // not a tab stop
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setPlainText(tr(AboutText));
    m_anchors->Place(Memo1, QRect(152, 32, 229, 110), akLeft | akTop);

    Bevel1 = new TBevel(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    m_anchors->Place(Bevel1, QRect(152, 176, 233, 2), akLeft | akTop);

    lbl_Internet = new TLabel(QLatin1String(AppIdentity::MakerAddress), this);
    lbl_Internet->setObjectName(QStringLiteral("lbl_Internet"));
    QFont linkFont = MakeFont("MS Sans Serif", -16);
    linkFont.setUnderline(true);
    lbl_Internet->setFont(linkFont);
    lbl_Internet->SetFontColor(clBlue);
    lbl_Internet->setCursor(Qt::PointingHandCursor);
    lbl_Internet->adjustSize();
    lbl_Internet->setGeometry(7, 180, lbl_Internet->width(), 20);
    connect(lbl_Internet, &TLabel::Clicked, this, &TFormInfo::lbl_InternetClick);

    OKBtn = new QPushButton(tr("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    OKBtn->setFocusPolicy(Qt::StrongFocus);
    m_anchors->Place(OKBtn, QRect(281, 187, 101, 25), akRight | akBottom);
    connect(OKBtn, &QPushButton::clicked, this, [this] { done(mrOk); });
}

void TFormInfo::setVisible(bool visible)
{
    if (visible && !m_placed) {
        PlaceOverOwner();
        m_placed = true;
    }
    QDialog::setVisible(visible);
}

void TFormInfo::PlaceOverOwner()
{
    // Only the first showing is centred; an explicit move also keeps Qt from
    // centring again later, so later showings open where this one was left.
    QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    QRect over = area;
    QSize margins(0, 0);
    if (owner && owner->isVisible()) {
        over = owner->frameGeometry();
        // The dialog's frame is not known before it is shown; the owner's is
        // the best guess for it.
        margins = owner->frameGeometry().size() - owner->geometry().size();
    }
    const QSize outer = size() + margins;
    QPoint topLeft(over.left() + (over.width() - outer.width()) / 2, over.top() + (over.height() - outer.height()) / 2);
    if (area.isValid()) {
        topLeft.setX(std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())));
        topLeft.setY(std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
    }
    move(topLeft);
}

void TFormInfo::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    OKBtn->setFocus(Qt::OtherFocusReason);
}

void TFormInfo::keyPressEvent(QKeyEvent *event)
{
    // No cancel button, so Escape has nothing to press.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormInfo::reject()
{
    done(mrCancel);
}

bool TFormInfo::eventFilter(QObject *watched, QEvent *event)
{
    // The main window closing (a logout, a signal) ends the dialog too, so a
    // modal About box never keeps the program alive without its window.
    // Minimising (a spontaneous hide) leaves it alone.
    if (watched == parentWidget() && event->type() == QEvent::Hide && !event->spontaneous() && isVisible())
        done(mrCancel);
    return QDialog::eventFilter(watched, event);
}

void TFormInfo::lbl_InternetClick(QObject *)
{
    // The answer is ignored: a page that cannot be opened shows nothing,
    // and the dialog stays open.
    if (m_openUrl)
        m_openUrl(QUrl(QLatin1String(AppIdentity::MakerUrl)));
}
