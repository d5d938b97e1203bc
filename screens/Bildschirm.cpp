#include "screens/Bildschirm.h"

#include "screens/Bausteine.h"
#include "screens/Beenden.h"
#include "screens/Uebergabe.h"

#include <QCloseEvent>
#include <QFrame>
#include <QPushButton>
#include <QShowEvent>

namespace {

// The design size of every data-entry screen, in twips.
constexpr double Breite = 9480;
constexpr double Hoehe = 7425;

} // namespace

Bildschirm::Bildschirm(const QString& name, double breite, double hoehe, QWidget* eltern) : QWidget(eltern)
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString());
    Bausteine::hintergrund(this, Bausteine::Dunkelblau);
    m_flaeche = new Layout::Flaeche(this, [this] { anordnen(); });
    Panel3D2 = Bausteine::kopfpanel(flaeche(), QStringLiteral("Panel3D2"), 7695, 1575);
    Panel3D1 = Bausteine::panel(flaeche(), QStringLiteral("Panel3D1"), breite, hoehe);
    Layout::startgroesse(this, {Layout::px(Breite), Layout::px(Hoehe)});
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

QWidget* Bildschirm::flaeche() const
{
    return m_flaeche->innen();
}

void Bildschirm::anordnen()
{
    if (!Panel3D1)
        return;
    QWidget* innen = flaeche();
    const QSize bedarf = Panel3D3 ? Layout::platzbedarf({Panel3D2, Panel3D1, Panel3D3})
                                  : Layout::platzbedarf({Panel3D2, Panel3D1});
    if (innen->minimumSize() != bedarf)
        innen->setMinimumSize(bedarf);
    Layout::dehnen(Panel3D1, std::max(0, innen->width() - Layout::px(Breite)), 0);
    Layout::anordnen(innen, Panel3D2, Panel3D1, Panel3D3);
}
