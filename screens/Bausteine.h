#pragma once

#include <QColor>
#include <QString>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// Small builders shared by the screens: raised 3-D panels, labels and buttons placed in twips.
namespace Bausteine {

inline const QColor Grau{192, 192, 192};
inline const QColor Dunkelblau{0, 0, 192};
inline const QColor Dunkelrot{192, 0, 0};

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

// A sunken panel that shows one line of status text, centred.
QLabel* statuszeile(QWidget* eltern, double left, double top, double width, double height,
                    const QColor& grund, const QColor& schrift);

// A captioned frame that groups controls.
QGroupBox* rahmen(QWidget* eltern, const QString& name, const QString& titel, double left, double top,
                  double width, double height);

// A single-line text box with `beschriftung` as its label: the label is its buddy and names it for
// assistive technology.
QLineEdit* textfeld(QWidget* eltern, const QString& name, QLabel* beschriftung, double left, double top,
                    double width, double height);

// A multi-line text box that assistive technology knows as `zugaenglich`; Tab moves on to the next control.
QPlainTextEdit* textbereich(QWidget* eltern, const QString& name, const QString& zugaenglich, double left,
                            double top, double width, double height);

// Makes the widget's font bold, and `punkte` points large when given.
void fett(QWidget* w, qreal punkte = 0);

// The header panel of the data-entry screens: the program's name, what it does and its version.
QFrame* kopfpanel(QWidget* eltern, const QString& name, double width, double height);

// The program's name as the header shows it; the type screen types it out in its status line.
QString firmenzeile();

} // namespace Bausteine
