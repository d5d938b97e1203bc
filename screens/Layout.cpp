#include "screens/Layout.h"

#include <QWidget>
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

// The screen's outer size in twips, frame and title bar included where the window has them.
QSizeF aussenInTwips(const QWidget* fenster)
{
    const QSize s = fenster->isWindow() ? fenster->frameGeometry().size() : fenster->size();
    return {twips(s.width()), twips(s.height())};
}

void verschieben(QWidget* w, Platz p)
{
    // The panels sit in the client area, whose origin lies below the title bar.
    w->move(px(p.left), px(p.top));
}

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

void anordnen(QWidget* fenster, QWidget* kopf, QWidget* haupt, QWidget* fuss)
{
    const QSizeF aussen = aussenInTwips(fenster);
    if (fuss) {
        const DreiPanels p = dreiPanels(aussen.width(), aussen.height(), groesseInTwips(kopf),
                                        groesseInTwips(haupt), groesseInTwips(fuss));
        verschieben(kopf, p.kopf);
        verschieben(haupt, p.haupt);
        verschieben(fuss, p.fuss);
    } else {
        const ZweiPanels p =
            zweiPanels(aussen.width(), aussen.height(), groesseInTwips(kopf), groesseInTwips(haupt));
        verschieben(kopf, p.kopf);
        verschieben(haupt, p.haupt);
    }
}

void zentrieren(QWidget* fenster, QWidget* panel)
{
    const QSizeF aussen = aussenInTwips(fenster);
    verschieben(panel, einPanel(aussen.width(), aussen.height(), groesseInTwips(panel)));
}

} // namespace Layout
