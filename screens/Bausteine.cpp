#include "screens/Bausteine.h"

#include "screens/Einzeilig.h"
#include "screens/Layout.h"
#include "screens/Statusanzeige.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
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

QLabel* statuszeile(QWidget* eltern, double left, double top, double width, double height,
                    const QColor& grund, const QColor& schrift)
{
    auto* l = new Statusanzeige(eltern);
    l->setObjectName(QStringLiteral("Statuszeile"));
    QPalette p = l->palette();
    p.setColor(QPalette::Window, grund);
    p.setColor(QPalette::WindowText, schrift);
    l->setPalette(p);
    l->setAutoFillBackground(true);
    fett(l);
    Layout::setzen(l, left, top, width, height);
    return l;
}

QGroupBox* rahmen(QWidget* eltern, const QString& name, const QString& titel, double left, double top,
                  double width, double height)
{
    auto* g = new QGroupBox(titel, eltern);
    g->setObjectName(name);
    Layout::setzen(g, left, top, width, height);
    return g;
}

QLineEdit* textfeld(QWidget* eltern, const QString& name, QLabel* beschriftung, double left, double top,
                    double width, double height)
{
    auto* e = new QLineEdit(eltern);
    e->setObjectName(name);
    beschriftung->setBuddy(e);
    e->setAccessibleName(beschriftung->text());
    new Einzeilig(e);
    Layout::setzen(e, left, top, width, height);
    return e;
}

QPlainTextEdit* textbereich(QWidget* eltern, const QString& name, const QString& zugaenglich, double left,
                            double top, double width, double height)
{
    auto* t = new QPlainTextEdit(eltern);
    t->setObjectName(name);
    t->setAccessibleName(zugaenglich);
    t->setTabChangesFocus(true);
    Layout::setzen(t, left, top, width, height);
    return t;
}

void fett(QWidget* w, qreal punkte)
{
    QFont f = w->font();
    if (punkte > 0)
        f.setPointSizeF(punkte);
    f.setBold(true);
    w->setFont(f);
}

QFrame* kopfpanel(QWidget* eltern, const QString& name, double width, double height)
{
    QFrame* f = panel(eltern, name, width, height);
    const double innen = width - 240;
    auto* firma = label(f, QStringLiteral("Firmenzeile"), firmenzeile(), 120, 120, innen, 495);
    firma->setAlignment(Qt::AlignCenter);
    fett(firma, 16);
    auto* titel =
        label(f, QStringLiteral("Produkttitel"),
              QStringLiteral("Zeugniswerkstatt – Arbeitszeugnis in fünf Sprachen"), 120, 660, innen, 375);
    titel->setAlignment(Qt::AlignCenter);
    fett(titel);
    auto* netz = label(f, QStringLiteral("Webadresse"), QStringLiteral("www.zeugniswerkstatt.example"), 120,
                       1080, innen, 315);
    netz->setAlignment(Qt::AlignCenter);
    return f;
}

QString firmenzeile()
{
    return QStringLiteral("Zeugniswerkstatt");
}

} // namespace Bausteine
