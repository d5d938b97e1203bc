#pragma once

#include <QColor>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

// Small builders shared by the screens: raised 3-D panels, labels and buttons placed in twips.
namespace Bausteine {

inline const QColor Grau{192, 192, 192};

// Gives a window or panel a plain background colour.
void hintergrund(QWidget* w, const QColor& farbe);

// A raised grey panel of the given design size in twips; it is placed later by the layout rule or by
// `platz` when `left`/`top` are given.
QFrame* panel(QWidget* eltern, const QString& name, double width, double height);
QFrame* panel(QWidget* eltern, const QString& name, double left, double top, double width, double height);

QLabel* label(QWidget* eltern, const QString& name, const QString& text, double left, double top,
              double width, double height);

QPushButton* knopf(QWidget* eltern, const QString& name, const QString& text, const QString& hinweis,
                   double left, double top, double width, double height);

} // namespace Bausteine
