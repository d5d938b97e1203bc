#pragma once

#include <QObject>
#include <QtGlobal>

class QAbstractButton;

// One press per question for the buttons that move on: a press that follows the last accepted one within
// the double-click interval (the second half of a double click, which would hit the next question's button
// in the same place) is dropped, and so is every press while the screen is moving on.
class Einmalklick : public QObject
{
    Q_OBJECT

public:
    explicit Einmalklick(QObject* eltern = nullptr);

    // Watches `knopf`.
    void beobachten(QAbstractButton* knopf);

    // The screen moves on: presses are dropped until freigeben().
    void sperren() { m_gesperrt = true; }
    // The next question is shown.
    void freigeben() { m_gesperrt = false; }

    // Locks for its lifetime: the time the screen moves on.
    class Sperre
    {
    public:
        explicit Sperre(Einmalklick& e) : m_e(e) { m_e.sperren(); }
        ~Sperre() { m_e.freigeben(); }
        Sperre(const Sperre&) = delete;
        Sperre& operator=(const Sperre&) = delete;

    private:
        Einmalklick& m_e;
    };

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    bool m_gesperrt = false;
    bool m_gedrueckt = false;
    quint64 m_letzter = 0; // time stamp of the last accepted press
};
