#pragma once

#include <QSizeF>

class QWidget;

// Screens are designed in twips. One device-independent pixel is 15 twips, so every screen keeps its
// proportions whatever the display scaling is.
namespace Layout {

inline constexpr double TwipsProPixel = 15.0;

int px(double twips);
double twips(int pixel);

// Places `w` at a design position given in twips (relative to its parent).
void setzen(QWidget* w, double left, double top, double width, double height);

// Panel positions in twips, from the screen's outer width W and height H.
struct Platz
{
    double left = 0;
    double top = 0;
};

struct ZweiPanels
{
    Platz kopf;
    Platz haupt;
};

struct DreiPanels
{
    Platz kopf;
    Platz haupt;
    Platz fuss;
};

// Header and main panel: gap, header, gap, main panel, rest; the gap is a third of the free height.
ZweiPanels zweiPanels(double W, double H, QSizeF kopf, QSizeF haupt);
// Header, main and bottom panel: the gap is a quarter of the free height.
DreiPanels dreiPanels(double W, double H, QSizeF kopf, QSizeF haupt, QSizeF fuss);
// A single panel, centred and lifted 150 twips above the vertical centre.
Platz einPanel(double W, double H, QSizeF panel);

// Widget forms of the rules, run from a screen's resize handling. `fuss` may be null.
void anordnen(QWidget* fenster, QWidget* kopf, QWidget* haupt, QWidget* fuss = nullptr);
void zentrieren(QWidget* fenster, QWidget* panel);

} // namespace Layout
