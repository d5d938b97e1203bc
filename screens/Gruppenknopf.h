#pragma once

#include <QPushButton>

// A 3-D group push button: checkable, one of an exclusive group, with its caption wrapped over several
// lines where it is wider than the button. Its face colour is the palette's button colour, so a screen can
// mark the selected button of a group by colour.
class Gruppenknopf : public QPushButton
{
    Q_OBJECT

public:
    Gruppenknopf(const QString& text, QWidget* eltern);

    void setFlaeche(const QColor& farbe);
    QColor flaeche() const;

protected:
    void paintEvent(QPaintEvent* ereignis) override;
};
