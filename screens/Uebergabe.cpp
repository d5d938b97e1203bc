#include "screens/Uebergabe.h"

#include "screens/Bildschirm.h"

#include <QCoreApplication>
#include <QEventLoopLocker>
#include <QWidget>

namespace {

int tiefe = 0;

void schliessen(QWidget* w)
{
    if (auto* b = qobject_cast<Bildschirm*>(w))
        b->ohneNachfrageSchliessen();
    else
        w->close();
}

void zeigenUndMalen(QWidget* w)
{
    w->show();
    w->activateWindow();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

bool uebergabeLaeuft()
{
    return tiefe > 0;
}

void uebergeben(QWidget* von, QWidget* nach, Uebergabeart art)
{
    ++tiefe;
    switch (art) {
    case Uebergabeart::Schliessen:
        zeigenUndMalen(nach);
        if (von)
            schliessen(von);
        break;
    case Uebergabeart::Verbergen:
        zeigenUndMalen(nach);
        if (von)
            von->hide();
        break;
    case Uebergabeart::ErstSchliessen: {
        // For the moment between the two windows no screen is visible; the lock keeps the application from
        // ending because its last window closed.
        const QEventLoopLocker haltenBisZumNaechsten;
        if (von)
            schliessen(von);
        zeigenUndMalen(nach);
        break;
    }
    }
    --tiefe;
    if (auto* b = qobject_cast<Bildschirm*>(nach))
        b->aktivierungEinreihen();
}
