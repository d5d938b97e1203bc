#include "screens/Bildschirm.h"

#include "screens/Bausteine.h"
#include "screens/Beenden.h"
#include "screens/Layout.h"
#include "screens/Uebergabe.h"

#include <QCloseEvent>
#include <QFrame>
#include <QPushButton>
#include <QShowEvent>

Bildschirm::Bildschirm(const QString& name, double breite, double hoehe, QWidget* eltern) : QWidget(eltern)
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString());
    Bausteine::hintergrund(this, Bausteine::Dunkelblau);
    resize(Layout::px(9480), Layout::px(7425));
    Panel3D2 = Bausteine::kopfpanel(this, QStringLiteral("Panel3D2"), 7695, 1575);
    Panel3D1 = Bausteine::panel(this, QStringLiteral("Panel3D1"), breite, hoehe);
}

QPushButton* Bildschirm::abbrechenKnopf(double left, double top, double width, double height)
{
    auto* knopf = Bausteine::knopf(Panel3D1, QStringLiteral("AbbrechenButton"), QStringLiteral("Abbrechen"),
                                   QStringLiteral("Beendet das Programm"), left, top, width, height);
    connect(knopf, &QPushButton::clicked, this, [this] { programmBeendenBestaetigen(this); });
    return knopf;
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

void Bildschirm::resizeEvent(QResizeEvent* ereignis)
{
    QWidget::resizeEvent(ereignis);
    Layout::anordnen(this, Panel3D2, Panel3D1, Panel3D3);
}
