// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// The About box: the product picture in a white frame, name, version and
// date, a short text, the maker's web address as a link, and OK.  Created
// once at start-up and shown modally by the main window's Info button.
//
// exec() returns mrOk (1) after OK or Enter, mrCancel (2) after the close
// box or Alt+F4.  Escape does nothing: there is no cancel button.

#include <QDialog>
#include <QUrl>

#include <functional>

class AnchorKeeper;
class QPlainTextEdit;
class QPushButton;
class TBevel;
class TImage;
class TLabel;
class TShape;

class TFormInfo : public QDialog
{
    Q_OBJECT
public:
    static constexpr QSize DesignClientSize{390, 219};
    static constexpr int mrOk = QDialog::Accepted; // 1
    static constexpr int mrCancel = 2;

    // The picture embedded in the program.
    static QString ProductPicturePath();

    // Opens a web address; the answer is ignored.
    using UrlOpener = std::function<bool(const QUrl &)>;

    // `owner` is the window the first showing centres over (the main window).
    explicit TFormInfo(QWidget *owner = nullptr);

    // Replaces the desktop's "open" for the link (tests record the address).
    void SetUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }

    // Controls, by their names in the layout.
    TShape *Shape1 = nullptr;
    TImage *Image1 = nullptr;
    TLabel *lbl_Programmname = nullptr;
    TLabel *lbl_Version_Nr_Date = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    TBevel *Bevel1 = nullptr;
    TLabel *lbl_Internet = nullptr;
    QPushButton *OKBtn = nullptr;

    void setVisible(bool visible) override;

public slots:
    void lbl_InternetClick(QObject *sender);
    // The close box and Alt+F4 end here: the result is mrCancel.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildLayout();
    void PlaceOverOwner();

    AnchorKeeper *m_anchors = nullptr;
    UrlOpener m_openUrl;
    bool m_placed = false;
};
