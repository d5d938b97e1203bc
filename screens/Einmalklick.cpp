#include "screens/Einmalklick.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>

Einmalklick::Einmalklick(QObject* eltern) : QObject(eltern) {}

void Einmalklick::beobachten(QAbstractButton* knopf)
{
    knopf->installEventFilter(this);
}

bool Einmalklick::eventFilter(QObject* objekt, QEvent* ereignis)
{
    const QEvent::Type art = ereignis->type();
    if (art != QEvent::MouseButtonPress && art != QEvent::MouseButtonDblClick)
        return QObject::eventFilter(objekt, ereignis);
    const auto* maus = static_cast<QMouseEvent*>(ereignis);
    if (maus->button() != Qt::LeftButton)
        return QObject::eventFilter(objekt, ereignis);

    const quint64 zeit = maus->timestamp();
    const auto abstand = static_cast<quint64>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    const bool zuFrueh = m_gedrueckt && zeit >= m_letzter && zeit - m_letzter < abstand;
    if (m_gesperrt || zuFrueh || art == QEvent::MouseButtonDblClick)
        return true;
    m_gedrueckt = true;
    m_letzter = zeit;
    return QObject::eventFilter(objekt, ereignis);
}
