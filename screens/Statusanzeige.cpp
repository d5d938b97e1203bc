#include "screens/Statusanzeige.h"

#include <QPainter>

Statusanzeige::Statusanzeige(QWidget* eltern) : QLabel(eltern)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAlignment(Qt::AlignCenter);
}

void Statusanzeige::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    drawFrame(&maler);
    const QRect feld = contentsRect().adjusted(4, 0, -4, 0);
    QFont schrift = font();
    // Smaller steps down to a floor that is still legible.
    while (QFontMetrics(schrift).horizontalAdvance(text()) > feld.width() && schrift.pointSizeF() > 6.5)
        schrift.setPointSizeF(schrift.pointSizeF() - 0.5);
    maler.setFont(schrift);
    maler.setPen(palette().color(QPalette::WindowText));
    maler.drawText(feld, Qt::AlignCenter | Qt::TextSingleLine, text());
}
