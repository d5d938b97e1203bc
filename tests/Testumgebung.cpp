#include "tests/Testumgebung.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

Testumgebung::Testumgebung()
{
    Umgebung::setzeAnbieter(this);
}

Testumgebung::~Testumgebung()
{
    Umgebung::setzeAnbieter(nullptr);
}

Umgebung::Antwort Testumgebung::zeigen(QWidget*, const Umgebung::Meldung& meldung)
{
    QWidget* fokus = QApplication::focusWidget();
    gezeigt.append({meldung, fokus ? fokus->objectName() : QString()});
    if (beimZeigen)
        beimZeigen(meldung);
    return antworten.isEmpty() ? Umgebung::Antwort::Ok : antworten.takeFirst();
}

void Testumgebung::inZwischenablage(const QString& text)
{
    zwischenablage.append(text);
}

void Testumgebung::beenden()
{
    ++beendet;
}

Arbeitsordner::Arbeitsordner() : m_vorher(QDir::currentPath())
{
    QDir::setCurrent(m_ordner.path());
}

Arbeitsordner::~Arbeitsordner()
{
    QDir::setCurrent(m_vorher);
}

QString Arbeitsordner::pfad(const QString& datei) const
{
    return m_ordner.filePath(datei);
}
