#include "screens/Gruppenknopf.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

Gruppenknopf::Gruppenknopf(const QString& text, QWidget* eltern) : QPushButton(text, eltern)
{
    setCheckable(true);
    setAccessibleName(text);
}

void Gruppenknopf::setFlaeche(const QColor& farbe)
{
    QPalette p = palette();
    p.setColor(QPalette::Button, farbe);
    setPalette(p);
}

QColor Gruppenknopf::flaeche() const
{
    return palette().color(QPalette::Button);
}

void Gruppenknopf::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    const bool gedrueckt = isDown() || isChecked();
    const QColor farbe = flaeche();
    qDrawWinButton(&maler, rect(), palette(), gedrueckt, nullptr);
    maler.fillRect(rect().adjusted(2, 2, -2, -2), farbe);

    QColor schrift = palette().color(QPalette::ButtonText);
    if (!isEnabled())
        schrift = palette().color(QPalette::Disabled, QPalette::ButtonText);
    else if (farbe.lightness() < 128)
        schrift = Qt::white; // readable on a dark face
    maler.setPen(schrift);
    maler.setFont(font());
    QRect textfeld = rect().adjusted(4, 3, -4, -3);
    if (gedrueckt)
        textfeld.translate(1, 1);
    maler.drawText(textfeld, Qt::AlignCenter | Qt::TextWordWrap, text());

    if (hasFocus()) {
        QStyleOptionFocusRect fokus;
        fokus.initFrom(this);
        fokus.rect = rect().adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &fokus, &maler, this);
    }
}
