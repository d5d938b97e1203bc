#include "tests/Arbeitsordner.h"

#include "store/Dateiablage.h"
#include "store/Profil.h"

#include <QDir>

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

Schreibsperre::Schreibsperre()
{
    Dateiablage::setzeErsatz([this](const QString& pfad, const QByteArray&) -> Status {
        versucht.append(pfad);
        return Fehler{grund()};
    });
}

Schreibsperre::~Schreibsperre()
{
    Dateiablage::setzeErsatz({});
}

QString Schreibsperre::grund()
{
    return QStringLiteral("Auf dem Gerät ist kein Speicherplatz mehr verfügbar");
}

QString Schreibsperre::meldung(const QString& was, const Arbeitsordner& ordner)
{
    return was + QStringLiteral("\n\nDie Einstellungsdatei „%1“ konnte nicht geschrieben werden: %2")
                     .arg(QDir::toNativeSeparators(ordner.pfad(Profil::Dateiname)), grund());
}
