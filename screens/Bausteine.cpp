#include "screens/Bausteine.h"

#include "screens/Layout.h"

#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace Bausteine {

void hintergrund(QWidget* w, const QColor& farbe)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, farbe);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QFrame* panel(QWidget* eltern, const QString& name, double width, double height)
{
    auto* f = new QFrame(eltern);
    f->setObjectName(name);
    f->setFrameStyle(QFrame::Panel | QFrame::Raised);
    f->setLineWidth(2);
    hintergrund(f, Grau);
    f->resize(Layout::px(width), Layout::px(height));
    return f;
}

QFrame* panel(QWidget* eltern, const QString& name, double left, double top, double width, double height)
{
    QFrame* f = panel(eltern, name, width, height);
    Layout::setzen(f, left, top, width, height);
    return f;
}

QLabel* label(QWidget* eltern, const QString& name, const QString& text, double left, double top,
              double width, double height)
{
    auto* l = new QLabel(text, eltern);
    l->setObjectName(name);
    l->setWordWrap(true);
    Layout::setzen(l, left, top, width, height);
    return l;
}

QPushButton* knopf(QWidget* eltern, const QString& name, const QString& text, const QString& hinweis,
                   double left, double top, double width, double height)
{
    auto* b = new QPushButton(text, eltern);
    b->setObjectName(name);
    if (!hinweis.isEmpty())
        b->setToolTip(hinweis);
    b->setAccessibleName(text);
    Layout::setzen(b, left, top, width, height);
    return b;
}

} // namespace Bausteine
