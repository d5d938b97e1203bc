#pragma once

#include "screens/Layout.h"

#include <QWidget>

class QFrame;
class QPushButton;

// Common ground of the data-entry screens (employer, type and master data screens): a top-level window that
// deletes itself on close, runs its activation handling whenever it becomes the program's active screen,
// and asks the quit confirmation when the user closes it by its window frame.
//
// Activation means being shown as the program's screen: the first display and every return from another
// screen of the program. It is queued from the show event, so it runs after the handler that showed the
// screen has finished. A window that merely regains the focus (after one of its own message boxes, or after
// the user visited another application) is not activated again.
class Bildschirm : public QWidget
{
    Q_OBJECT

public:
    // Builds what every data-entry screen shows: a dark blue window of 9480 by 7425 twips, the header panel
    // `Panel3D2` and the working panel `Panel3D1` of `breite` by `hoehe` twips.
    Bildschirm(const QString& name, double breite, double hoehe, QWidget* eltern = nullptr);

    // Closes the screen without the quit confirmation (a hand-over to the next screen).
    void ohneNachfrageSchliessen();

    // Queues the pending activation handling, if any; the hand-over calls this once it is complete.
    void aktivierungEinreihen();

protected:
    // The screen's own activation handling. It may hand over to another screen and close this one; nothing
    // of the screen is touched after it returns.
    virtual void aktivieren() {}

    // "Abbrechen" in the working panel, with the quit confirmation.
    QPushButton* abbrechenKnopf(double left, double top, double width, double height);

    void showEvent(QShowEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    // The canvas that carries the panels; it scrolls when the window is smaller than the panels need.
    QWidget* flaeche() const;

    QFrame* Panel3D1 = nullptr; // working panel
    QFrame* Panel3D2 = nullptr; // header panel
    QFrame* Panel3D3 = nullptr; // bottom panel, on a screen that has one

private:
    void aktivierungAusfuehren();
    // The layout rule places the panels, the bottom panel too when the screen has one; a working panel
    // with growing controls takes the width beyond the design's.
    void anordnen();

    Layout::Flaeche* m_flaeche = nullptr;

    bool m_aktivierungFaellig = false;
    bool m_ohneNachfrage = false;
};
