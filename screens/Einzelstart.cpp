#include "screens/Einzelstart.h"

#include "engine/Startpruefung.h"
#include "screens/Umgebung.h"
#include "store/Sperre.h"

#include <QDir>
#include <QLockFile>

namespace Einzelstart {

bool sperren(std::unique_ptr<QLockFile>& sperre)
{
    const QString ordner = QDir::currentPath();
    const QString datei = QDir::toNativeSeparators(Sperre::pfad(ordner));
    Sperre::Versuch versuch = Sperre::sperren(ordner);
    if (versuch.art == Sperre::Versuch::Art::AndererRechner) {
        const Umgebung::Meldung frage{
            QStringLiteral("Ordner gesperrt"),
            QStringLiteral(
                "Die Sperrdatei\n%1\nstammt vom Rechner „%2“. Dort arbeitet das Programm vielleicht "
                "noch in diesem Ordner, oder die Datei kam mit einer Sicherung oder einem "
                "geteilten Ordner hierher.\n\nArbeitet auf dem Rechner „%2“ niemand mehr mit "
                "diesem Ordner? Mit „Ja“ übernimmt dieses Programm die Sperre; mit „Nein“ endet "
                "es, ohne etwas zu verändern.")
                .arg(datei, versuch.rechner),
            Umgebung::Knoepfe::JaNein, Umgebung::Symbol::Ausrufezeichen};
        if (Umgebung::zeigen(nullptr, frage) != Umgebung::Antwort::Ja)
            return false;
        versuch = Sperre::uebernehmen(ordner);
    }
    switch (versuch.art) {
    case Sperre::Versuch::Art::Gesperrt:
        sperre = std::move(versuch.sperre);
        return true;
    case Sperre::Versuch::Art::KeineSperre:
        sperre.reset();
        return true;
    case Sperre::Versuch::Art::Belegt:
    case Sperre::Versuch::Art::AndererRechner:
        break;
    }
    Umgebung::zeigen(nullptr, Umgebung::warnung(
                                  QStringLiteral("Programm läuft bereits"),
                                  QStringLiteral("Das Programm arbeitet in diesem Ordner bereits:\n%1\n\nEin "
                                                 "zweiter Start würde dieselben Dateien verändern. Beenden "
                                                 "Sie bitte zuerst das andere Programmfenster. Die Sperre "
                                                 "steht in der Datei\n%2")
                                      .arg(QDir::toNativeSeparators(ordner), datei)));
    return false;
}

bool ordnerPruefen(QWidget* fenster)
{
    const QString problem = Startpruefung::arbeitsordner();
    if (problem.isEmpty())
        return true;
    Umgebung::zeigen(fenster, Umgebung::warnung(QStringLiteral("Arbeitsordner"), problem));
    Umgebung::beenden();
    return false;
}

} // namespace Einzelstart
