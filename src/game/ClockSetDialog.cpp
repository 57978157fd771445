// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "game/ClockSetDialog.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/Canvas.h"
#include "timing/GameTimeText.h"

ClockSetDialog::ClockSetDialog(std::int32_t gameMs, Check check, QWidget *parent)
    : QDialog(parent)
    , m_check(std::move(check))
    , m_shownText(QString::fromStdString(GameTimeText::Format(gameMs)))
    , m_gameMs(gameMs)
{
    setObjectName(QStringLiteral("ClockSetDialog"));
    setWindowTitle(tr("Uhr stellen"));
    setFont(MakeFont("MS Sans Serif", -13));

    auto *prompt = new QLabel(tr("&Spielzeit (Minuten:Sekunden):"), this);
    TimeEdit = new QLineEdit(m_shownText, this);
    TimeEdit->setObjectName(QStringLiteral("TimeEdit"));
    TimeEdit->setFont(MakeFont("Courier New", -21, true));
    TimeEdit->setMaxLength(12);
    TimeEdit->selectAll();
    TimeEdit->installEventFilter(this);
    prompt->setBuddy(TimeEdit);
    auto *hint = new QLabel(tr("Pfeiltasten ↑ und ↓: eine Sekunde vor oder zurück."), this);

    Message = new QLabel(this);
    Message->setObjectName(QStringLiteral("Message"));
    Message->setWordWrap(true);
    Message->setStyleSheet(QStringLiteral("color: #b00000;"));
    Message->hide();
    // A new entry makes the last refusal stale.
    connect(TimeEdit, &QLineEdit::textEdited, Message, &QWidget::hide);

    auto *buttons = new QDialogButtonBox(this);
    OkButton = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    CancelButton = buttons->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole);
    OkButton->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &ClockSetDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ClockSetDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(TimeEdit);
    layout->addWidget(hint);
    layout->addWidget(Message);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(320);
    TimeEdit->setFocus();
}

QString ClockSetDialog::BadEntryText(const QString &entry)
{
    // The no-break space ends its literal: lupdate would read the "B" as a fifth hex digit.
    return tr("„%1“ ist keine Spielzeit. Bitte Minuten und Sekunden mit Doppelpunkt eingeben, z.\u00a0"
              "B. 12:34 oder 75:10 (Sekunden 00 bis 59).")
        .arg(entry.trimmed());
}

void ClockSetDialog::accept()
{
    const QString entry = TimeEdit->text();
    if (entry.trimmed() == m_shownText) {
        m_changed = false;
        QDialog::accept();
        return;
    }
    const std::optional<std::int32_t> gameMs = GameTimeText::Parse(entry.toStdString());
    if (!gameMs) {
        Refuse(BadEntryText(entry));
        return;
    }
    if (m_check) {
        const QString why = m_check(*gameMs);
        if (!why.isEmpty()) {
            Refuse(why);
            return;
        }
    }
    m_gameMs = *gameMs;
    m_changed = true;
    QDialog::accept();
}

void ClockSetDialog::Refuse(const QString &why)
{
    // The entry stays for another try; selected, so typing replaces it.
    Message->setText(why);
    Message->show();
    TimeEdit->setFocus();
    TimeEdit->selectAll();
}

void ClockSetDialog::StepSeconds(int seconds)
{
    const std::optional<std::int32_t> gameMs = GameTimeText::Parse(TimeEdit->text().toStdString());
    if (!gameMs)
        return; // nothing to step from: the entry stays as typed
    const std::int64_t stepped = std::max<std::int64_t>(0, std::int64_t(*gameMs) / 1000 + seconds);
    const std::string text = GameTimeText::FormatSeconds(static_cast<std::int32_t>(stepped));
    // Past the largest time the field takes, the step is left out.
    if (GameTimeText::Parse(text))
        TimeEdit->setText(QString::fromStdString(text));
    Message->hide();
}

bool ClockSetDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == TimeEdit && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            StepSeconds(key->key() == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
