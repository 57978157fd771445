// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// "Uhr stellen": the small dialog that sets the standing clock to the game
// time the bench types, e.g. the official clock's.  It shows the current
// game time as minutes and seconds ("MM:SS", minutes beyond 59 allowed);
// Up and Down move it by one second.  OK (the default, Return) closes it
// only for a time that is well formed and that the caller's check allows;
// otherwise the dialog says why in German and stays open with the entry.
// Abbrechen (Escape) changes nothing.

#include <QDialog>

#include <cstdint>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

class ClockSetDialog : public QDialog
{
    Q_OBJECT
public:
    // Why the clock cannot be set to a game time, as a German sentence;
    // empty when it can.
    using Check = std::function<QString(std::int32_t gameMs)>;

    ClockSetDialog(std::int32_t gameMs, Check check, QWidget *parent = nullptr);

    QLineEdit *TimeEdit = nullptr;
    QLabel *Message = nullptr; // why the last OK was refused; hidden until then
    QPushButton *OkButton = nullptr;
    QPushButton *CancelButton = nullptr;

    // After OK: whether a time other than the one first shown was entered,
    // and that time.  An entry left as it was sets nothing, so OK on the
    // shown (rounded) time never moves the clock by a fraction of a second.
    bool Changed() const { return m_changed; }
    std::int32_t GameTime() const { return m_gameMs; }

    // The sentence for a text that is no game time.
    static QString BadEntryText(const QString &entry);

public slots:
    void accept() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void StepSeconds(int seconds);
    void Refuse(const QString &why);

    Check m_check;
    QString m_shownText;
    std::int32_t m_gameMs;
    bool m_changed = false;
};
