#pragma once

#include <QScrollArea>
#include <QSizeF>
#include <functional>

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

// Widget forms of the rules, run from a screen's resize handling on the canvas `flaeche` that carries the
// panels; `fuss` may be null. The rules measure the window's outer size; where the canvas is too small for
// that, the gaps shrink so that no panel leaves the canvas.
void anordnen(QWidget* flaeche, QWidget* kopf, QWidget* haupt, QWidget* fuss = nullptr);
void zentrieren(QWidget* flaeche, QWidget* panel);

// The smallest canvas that holds `panels` (at their design sizes) one below the other with narrow margins.
QSize platzbedarf(std::initializer_list<const QWidget*> panels);

// The share of a panel's growth beyond its design size that a control follows: `links`/`oben` move it,
// `breite`/`hoehe` widen it (fractions of the extra width and height).
struct Anker
{
    double links = 0;
    double breite = 0;
    double oben = 0;
    double hoehe = 0;
};

// Records the control's present geometry as its design geometry and how it follows its panel.
void verankern(QWidget* w, Anker anker);

// Gives `panel` its design size plus `dx` by `dy` pixels (negative shrinks) and places the controls
// anchored in it. A panel without anchored controls keeps its size.
void dehnen(QWidget* panel, int dx, int dy);

// The content area of a screen window. It fills the window; its canvas `innen()` carries the panels in the
// window's colour and runs `anordnen` whenever its size changes. A window smaller than the canvas's minimum
// size scrolls it.
class Flaeche : public QScrollArea
{
public:
    Flaeche(QWidget* fenster, std::function<void()> anordnen);
    QWidget* innen() const { return m_innen; }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    QWidget* m_innen = nullptr;
    std::function<void()> m_anordnen;
};

// Gives a window its design size, or less where the screen's available area is smaller (a title bar and
// frame allowed for), so that the whole window stays on the screen.
void startgroesse(QWidget* fenster, QSize design);

} // namespace Layout
