#pragma once

#include "engine/FragenForm.h"
#include "engine/Textfeld.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// Test access to the question screen: opens `FragenForm` on the catalogue in the working folder, finds its
// controls by object name and clicks them with the mouse.
class Fragenbildschirm
{
public:
    Fragenbildschirm()
    {
        form = new FragenForm;
        form->show();
        if (form->isVisible())
            static_cast<void>(QTest::qWaitForWindowExposed(form));
    }
    ~Fragenbildschirm() { delete form; }
    Fragenbildschirm(const Fragenbildschirm&) = delete;
    Fragenbildschirm& operator=(const Fragenbildschirm&) = delete;

    template <typename T = QWidget> T* kind(const QString& name) const
    {
        T* w = form->findChild<T*>(name);
        if (!w)
            qFatal("Fragenbildschirm: kein Steuerelement %s", qPrintable(name));
        return w;
    }

    QRadioButton* wert(int i) const { return kind<QRadioButton>(QStringLiteral("Wert%1").arg(i)); }
    QPushButton* varian(int k) const { return kind<QPushButton>(QStringLiteral("Varian%1").arg(k)); }
    QPushButton* weiter() const { return kind<QPushButton>(QStringLiteral("WeiterButton")); }
    QPushButton* abbrechen() const { return kind<QPushButton>(QStringLiteral("AbbrechenButton")); }
    QPlainTextEdit* variante() const { return kind<QPlainTextEdit>(QStringLiteral("Variante")); }
    QPlainTextEdit* zeugnisFeld() const { return kind<QPlainTextEdit>(QStringLiteral("Zeugnis")); }
    QGroupBox* bewertung() const { return kind<QGroupBox>(QStringLiteral("Bewertung")); }
    QGroupBox* frame() const { return kind<QGroupBox>(QStringLiteral("Frame3D1")); }
    QString zaehler() const { return kind<QLabel>(QStringLiteral("FrageLabel"))->text(); }
    QString frage() const { return kind<QLabel>(QStringLiteral("Statuszeile"))->text(); }
    QString zeugnis() const { return Textfeld::text(zeugnisFeld()); }
    QString vorschlag() const { return Textfeld::text(variante()); }

    // A mouse click where the button takes it: on the indicator of an option button, in the middle of
    // any other. Returns false when the button cannot be clicked (hidden or disabled).
    static bool klicken(QAbstractButton* b)
    {
        if (!b->isVisible() || !b->isEnabled())
            return false;
        const QPoint p = qobject_cast<QRadioButton*>(b) ? QPoint(6, b->height() / 2) : b->rect().center();
        QTest::mouseClick(b, Qt::LeftButton, {}, p);
        return true;
    }

    // One question answered through the widgets: grade `note` (0: none), phrasing `k`, then Continue
    // (unless `k` is the skip, which continues by itself).
    bool beantworten(int note, int k)
    {
        if (note > 0 && !klicken(wert(note)))
            return false;
        if (!klicken(varian(k)))
            return false;
        if (k == 4)
            return true;
        return klicken(weiter());
    }

    QPointer<FragenForm> form;
};
