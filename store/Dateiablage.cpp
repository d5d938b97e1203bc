#include "store/Dateiablage.h"

#include <QSaveFile>
#include <utility>

namespace Dateiablage {
namespace {

Stoerung& aktuelleStoerung()
{
    static Stoerung stoerung;
    return stoerung;
}

bool gestoert(Schritt schritt, const QString& pfad)
{
    const Stoerung& s = aktuelleStoerung();
    return s && s(schritt, pfad);
}

const QString Voll = QStringLiteral("Auf dem Datenträger ist kein Platz mehr.");

} // namespace

void setzeStoerung(Stoerung stoerung)
{
    aktuelleStoerung() = std::move(stoerung);
}

std::optional<QString> ersetzen(const QString& pfad, const QByteArray& inhalt)
{
    QSaveFile neu(pfad);
    // A write error is then reported by write() itself and not only by a later flush, which commit()
    // would not look at.
    if (gestoert(Schritt::Oeffnen, pfad))
        return Voll;
    if (!neu.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return neu.errorString();

    const auto abbrechen = [&neu](const QString& grund) {
        neu.cancelWriting();
        return std::optional<QString>(grund);
    };
    if (gestoert(Schritt::Schreiben, pfad)) {
        // As a full disk does: the first part arrives, the rest not.
        static_cast<void>(neu.write(inhalt.first(inhalt.size() / 2)));
        return abbrechen(Voll);
    }
    if (neu.write(inhalt) != inhalt.size())
        return abbrechen(neu.errorString());
    if (gestoert(Schritt::Leeren, pfad) || !neu.flush() || neu.error() != QFileDevice::NoError)
        return abbrechen(neu.error() != QFileDevice::NoError ? neu.errorString() : Voll);
    if (gestoert(Schritt::Uebernehmen, pfad))
        return abbrechen(Voll);
    if (!neu.commit())
        return neu.errorString();
    return std::nullopt;
}

QString name(Schritt schritt)
{
    switch (schritt) {
    case Schritt::Oeffnen:
        return QStringLiteral("Öffnen");
    case Schritt::Schreiben:
        return QStringLiteral("Schreiben");
    case Schritt::Leeren:
        return QStringLiteral("Leeren");
    case Schritt::Uebernehmen:
        return QStringLiteral("Übernehmen");
    }
    return {};
}

} // namespace Dateiablage
