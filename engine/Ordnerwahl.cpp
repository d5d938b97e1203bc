#include "engine/Ordnerwahl.h"

#include "engine/Schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Ordnerwahl {

namespace {

QString anzeigen(const QString& pfad)
{
    return QDir::toNativeSeparators(pfad);
}

bool hatKatalog(const QString& ordner)
{
    return QFileInfo(QDir(ordner).filePath(Schema::Dateiname)).isFile();
}

Status anlegen(const QString& ordner)
{
    if (QFileInfo(ordner).isDir() || QDir().mkpath(ordner))
        return Ok{};
    return Fehler{QStringLiteral("Der Arbeitsordner %1 lässt sich nicht anlegen.").arg(anzeigen(ordner))};
}

} // namespace

Orte standardorte(const QString& angegeben)
{
    Orte orte;
    orte.aktuell = QDir::currentPath();
    orte.angegeben = angegeben.isEmpty() ? QString() : QDir(orte.aktuell).absoluteFilePath(angegeben);
    const QString daten = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    orte.benutzer = QDir(daten).filePath(QStringLiteral("zeugnisfeder"));
    orte.frueher = QDir(daten).filePath(QStringLiteral("arbeitszeugnis"));
    const QString variable = qEnvironmentVariable(KatalogVariable);
    orte.katalog = !variable.isEmpty()
                       ? QDir(orte.aktuell).absoluteFilePath(variable)
                       : QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                         QStringLiteral("/../share/zeugnisfeder/") + Schema::Dateiname);
    return orte;
}

Ergebnis<Wahl> waehlen(const Orte& orte)
{
    if (!orte.angegeben.isEmpty()) {
        const QString ordner = QDir::cleanPath(QDir(orte.aktuell).absoluteFilePath(orte.angegeben));
        if (auto s = anlegen(ordner); !s)
            return s.alsFehler();
        return Wahl{ordner, Herkunft::Angegeben, true};
    }
    if (hatKatalog(orte.aktuell))
        return Wahl{QDir::cleanPath(orte.aktuell), Herkunft::Aktuell, false};

    const QString ordner = QDir::cleanPath(orte.benutzer);
    Herkunft herkunft = Herkunft::Benutzer;
    if (!QFileInfo::exists(ordner) && !orte.frueher.isEmpty() && QFileInfo(orte.frueher).isDir()) {
        if (!QDir().mkpath(QFileInfo(ordner).absolutePath()) || !QDir().rename(orte.frueher, ordner))
            return Fehler{QStringLiteral("Der bisherige Arbeitsordner %1 lässt sich nicht in %2 umbenennen. "
                                         "Er bleibt unverändert; verschieben Sie ihn bitte von Hand oder "
                                         "geben Sie ihn beim Start mit --ordner an.")
                              .arg(anzeigen(orte.frueher), anzeigen(ordner))};
        herkunft = Herkunft::Uebernommen;
    }
    if (auto s = anlegen(ordner); !s)
        return s.alsFehler();
    return Wahl{ordner, herkunft, true};
}

Ergebnis<QString> katalogEinrichten(const Wahl& wahl, const Orte& orte, const Installierer& installieren)
{
    if (!wahl.katalogEinrichten)
        return QString();
    const QString ziel = QDir(wahl.ordner).filePath(Schema::Dateiname);
    if (!QFileInfo(orte.katalog).isFile()) {
        if (QFileInfo::exists(ziel))
            return QString();
        return Fehler{QStringLiteral("Der mitgelieferte Fragenkatalog %1 fehlt; der Arbeitsordner %2 hat "
                                     "keinen eigenen.")
                          .arg(anzeigen(orte.katalog), anzeigen(wahl.ordner))};
    }
    return installieren(ziel, orte.katalog);
}

} // namespace Ordnerwahl
