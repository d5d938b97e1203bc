#include "engine/Startpruefung.h"

#include "engine/Katalog.h"
#include "engine/Schema.h"
#include "store/Profil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace Startpruefung {

QString arbeitsordner()
{
    const QString ordner = QDir::toNativeSeparators(QDir::currentPath());
    const QString tun = QStringLiteral(
        "\n\nGeben Sie sich bitte Schreibrechte für diesen Ordner und seine Dateien, oder starten "
        "Sie das Programm in einem Ordner, in dem Sie schreiben dürfen.");

    // A file can be created only in a folder that may be written; the catalogue's journal needs that too.
    {
        QTemporaryFile probe(QDir::current().filePath(QStringLiteral(".schreibprobe-XXXXXX")));
        if (!probe.open())
            return QStringLiteral(
                       "Im Arbeitsordner\n%1\nkann das Programm nicht schreiben (%2). Ihre Eingaben "
                       "ließen sich nicht speichern.")
                       .arg(ordner, probe.errorString()) +
                   tun;
    }

    const QString einstellungen = Profil::pfad();
    if (QFileInfo::exists(einstellungen)) {
        if (QString fehler; Profil::laden(einstellungen, &fehler), !fehler.isEmpty())
            return fehler;
        // Opened for appending, the file keeps every byte.
        QFile datei(einstellungen);
        if (!datei.open(QIODevice::ReadWrite | QIODevice::Append))
            return QStringLiteral(
                       "Die Einstellungsdatei\n%1\nim Arbeitsordner ist schreibgeschützt (%2). Ihre "
                       "Eingaben ließen sich nicht speichern.")
                       .arg(QDir::toNativeSeparators(einstellungen), datei.errorString()) +
                   tun;
    }

    const QString katalog = QDir::toNativeSeparators(QDir::current().absoluteFilePath(Schema::Dateiname));
    const QString installieren =
        QStringLiteral("\n\nInstallieren Sie bitte den Fragenkatalog in diesen Ordner (mit „make run“ oder "
                       "„katalogbau --installieren“) und starten Sie das Programm dann erneut.");
    {
        Katalog::Verbindung v(Katalog::Zugriff::NurLesen);
        if (!v.offen())
            return QStringLiteral("Der Fragenkatalog\n%1\nist nicht zu gebrauchen: %2")
                       .arg(katalog, v.fehler()) +
                   installieren;
    }
    QFile datei(katalog);
    if (!datei.open(QIODevice::ReadWrite | QIODevice::Append))
        return QStringLiteral("Der Fragenkatalog\n%1\nist schreibgeschützt (%2). Ihre Antworten ließen sich "
                              "nicht speichern.")
                   .arg(katalog, datei.errorString()) +
               tun;
    return {};
}

} // namespace Startpruefung
