#include "screens/Layout.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace Layout {
namespace {

// The gap between panels, rounded to a whole twip with halves to the even neighbour.
double luecke(double frei, int teiler)
{
    return std::nearbyint(static_cast<float>(frei) / static_cast<float>(teiler));
}

QSizeF groesseInTwips(const QWidget* w)
{
    return {twips(w->width()), twips(w->height())};
}

// The screen's outer size in twips: the canvas plus the window's frame and title bar where it has them.
QSizeF aussenInTwips(const QWidget* flaeche)
{
    const QWidget* fenster = flaeche->window();
    const QSize rahmen = fenster->frameGeometry().size() - fenster->size();
    const QSize s = flaeche->size() + rahmen.expandedTo(QSize(0, 0));
    return {twips(s.width()), twips(s.height())};
}

// The margin the fitting keeps around panels, in pixels.
constexpr int Rand = 8;

void verschieben(QWidget* w, Platz p)
{
    // The panels sit in the client area, whose origin lies below the title bar; none leaves the canvas
    // on the left or at the top.
    const QWidget* flaeche = w->parentWidget();
    const int links = std::clamp(px(p.left), 0, std::max(0, flaeche->width() - w->width()));
    w->move(links, std::max(0, px(p.top)));
}

const char* const DesignGeometrie = "zeugnisDesign";
const char* const DesignGroesse = "zeugnisDesignGroesse";
const char* const AnkerEigenschaft = "zeugnisAnker";

} // namespace

int px(double t)
{
    return static_cast<int>(std::lround(t / TwipsProPixel));
}

double twips(int pixel)
{
    return pixel * TwipsProPixel;
}

void setzen(QWidget* w, double left, double top, double width, double height)
{
    w->setGeometry(px(left), px(top), px(width), px(height));
}

ZweiPanels zweiPanels(double W, double H, QSizeF kopf, QSizeF haupt)
{
    ZweiPanels r;
    r.haupt.left = (W - haupt.width()) / 2;
    const double g = luecke(H - haupt.height() - kopf.height(), 3);
    r.haupt.top = kopf.height() + 2 * g;
    r.kopf.left = (W - kopf.width()) / 2;
    r.kopf.top = g;
    return r;
}

DreiPanels dreiPanels(double W, double H, QSizeF kopf, QSizeF haupt, QSizeF fuss)
{
    DreiPanels r;
    r.haupt.left = (W - haupt.width()) / 2;
    const double g = luecke(H - haupt.height() - kopf.height() - fuss.height(), 4);
    r.haupt.top = kopf.height() + 2 * g;
    r.kopf.left = (W - kopf.width()) / 2;
    r.kopf.top = g;
    r.fuss.top = kopf.height() + 3 * g + haupt.height();
    r.fuss.left = (W - fuss.width()) / 2;
    return r;
}

Platz einPanel(double W, double H, QSizeF panel)
{
    return {(W - panel.width()) / 2, (H - panel.height()) / 2 - 150};
}

void anordnen(QWidget* flaeche, QWidget* kopf, QWidget* haupt, QWidget* fuss)
{
    const QSizeF aussen = aussenInTwips(flaeche);
    if (fuss) {
        DreiPanels p = dreiPanels(aussen.width(), aussen.height(), groesseInTwips(kopf),
                                  groesseInTwips(haupt), groesseInTwips(fuss));
        const int unten = px(p.fuss.top) + fuss->height();
        if (unten > flaeche->height()) {
            // Too little room below: the three gaps above the bottom panel share what there is.
            const double frei = twips(flaeche->height() - kopf->height() - haupt->height() - fuss->height());
            const double g = std::max(0.0, std::floor(frei / 4));
            p.kopf.top = g;
            p.haupt.top = twips(kopf->height()) + 2 * g;
            p.fuss.top = twips(kopf->height() + haupt->height()) + 3 * g;
        }
        verschieben(kopf, p.kopf);
        verschieben(haupt, p.haupt);
        verschieben(fuss, p.fuss);
    } else {
        ZweiPanels p =
            zweiPanels(aussen.width(), aussen.height(), groesseInTwips(kopf), groesseInTwips(haupt));
        const int unten = px(p.haupt.top) + haupt->height();
        if (unten > flaeche->height()) {
            const double frei = twips(flaeche->height() - kopf->height() - haupt->height());
            const double g = std::max(0.0, std::floor(frei / 3));
            p.kopf.top = g;
            p.haupt.top = twips(kopf->height()) + 2 * g;
        }
        verschieben(kopf, p.kopf);
        verschieben(haupt, p.haupt);
    }
}

void zentrieren(QWidget* flaeche, QWidget* panel)
{
    const QSizeF aussen = aussenInTwips(flaeche);
    Platz p = einPanel(aussen.width(), aussen.height(), groesseInTwips(panel));
    p.top = std::min(p.top, twips(flaeche->height() - panel->height()) / 2);
    verschieben(panel, p);
}

QSize platzbedarf(std::initializer_list<const QWidget*> panels)
{
    int breite = 0;
    int hoehe = Rand;
    for (const QWidget* p : panels) {
        // A panel that grows with the window needs only its design size.
        const QVariant design = p->property(DesignGroesse);
        const QSize s = design.isValid() ? design.toSize() : p->size();
        breite = std::max(breite, s.width());
        hoehe += s.height() + Rand;
    }
    return {breite + 2 * Rand, hoehe};
}

void verankern(QWidget* w, Anker anker)
{
    w->setProperty(DesignGeometrie, w->geometry());
    w->setProperty(AnkerEigenschaft,
                   QVariant::fromValue(QList<double>{anker.links, anker.breite, anker.oben, anker.hoehe}));
    QWidget* panel = w->parentWidget();
    if (!panel->property(DesignGroesse).isValid())
        panel->setProperty(DesignGroesse, panel->size());
}

void dehnen(QWidget* panel, int dx, int dy)
{
    const QVariant design = panel->property(DesignGroesse);
    if (!design.isValid())
        return;
    panel->resize(design.toSize() + QSize(dx, dy));
    for (QWidget* w : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QVariant anker = w->property(AnkerEigenschaft);
        if (!anker.isValid())
            continue;
        const QList<double> a = anker.value<QList<double>>();
        const QRect r = w->property(DesignGeometrie).toRect();
        w->setGeometry(r.x() + qRound(a[0] * dx), r.y() + qRound(a[2] * dy), r.width() + qRound(a[1] * dx),
                       r.height() + qRound(a[3] * dy));
    }
}

Flaeche::Flaeche(QWidget* fenster, std::function<void()> anordnen)
    : QScrollArea(fenster), m_innen(new QWidget), m_anordnen(std::move(anordnen))
{
    setObjectName(QStringLiteral("Flaeche"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    m_innen->setObjectName(QStringLiteral("Innenflaeche"));
    m_innen->setAutoFillBackground(true);
    m_innen->installEventFilter(this);
    setWidget(m_innen); // takes ownership
    // The window's colour shows through the viewport and the canvas.
    viewport()->setAutoFillBackground(false);
    auto* anordnung = new QVBoxLayout(fenster);
    anordnung->setContentsMargins(0, 0, 0, 0);
    anordnung->addWidget(this);
}

bool Flaeche::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt == m_innen && ereignis->type() == QEvent::Resize && m_anordnen)
        m_anordnen();
    return QScrollArea::eventFilter(objekt, ereignis);
}

void startgroesse(QWidget* fenster, QSize design)
{
    const QScreen* bildschirm = fenster->screen() ? fenster->screen() : QGuiApplication::primaryScreen();
    QSize groesse = design;
    if (bildschirm) {
        // Before the window is shown its frame is unknown; the usual title bar and border are allowed for.
        QSize rahmen = fenster->frameGeometry().size() - fenster->size();
        if (rahmen.isEmpty())
            rahmen = QSize(2 * Rand, 5 * Rand);
        groesse = design.boundedTo(bildschirm->availableGeometry().size() - rahmen);
    }
    fenster->resize(groesse);
}

} // namespace Layout
