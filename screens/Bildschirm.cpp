#include "screens/Bildschirm.h"

#include "screens/Beenden.h"
#include "screens/Uebergabe.h"

#include <QCloseEvent>
#include <QShowEvent>

Bildschirm::Bildschirm(const QString& name, QWidget* eltern) : QWidget(eltern)
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString());
}

void Bildschirm::ohneNachfrageSchliessen()
{
    m_ohneNachfrage = true;
    close();
}

void Bildschirm::aktivierungEinreihen()
{
    if (m_aktivierungFaellig)
        QMetaObject::invokeMethod(this, &Bildschirm::aktivierungAusfuehren, Qt::QueuedConnection);
}

void Bildschirm::showEvent(QShowEvent* ereignis)
{
    QWidget::showEvent(ereignis);
    // Spontaneous show events come from the window system (a window restored from the task bar); only a
    // show by the program itself makes this the active screen.
    if (ereignis->spontaneous())
        return;
    m_aktivierungFaellig = true;
    aktivierungEinreihen();
}

void Bildschirm::aktivierungAusfuehren()
{
    // During a hand-over the screen is shown before the previous one is gone; the hand-over queues the
    // activation again once it is complete.
    if (!m_aktivierungFaellig || uebergabeLaeuft() || !isVisible())
        return;
    m_aktivierungFaellig = false;
    activateWindow();
    aktivieren();
}

void Bildschirm::closeEvent(QCloseEvent* ereignis)
{
    if (m_ohneNachfrage || uebergabeLaeuft() || programmBeendenBestaetigen(this)) {
        ereignis->accept();
        return;
    }
    ereignis->ignore();
}
