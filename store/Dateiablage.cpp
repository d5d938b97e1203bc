#include "store/Dateiablage.h"

#include <QSaveFile>
#include <utility>

namespace Dateiablage {

namespace {

Ersatz& ersatz()
{
    static Ersatz e;
    return e;
}

Stoerung& stoerung()
{
    static Stoerung s;
    return s;
}

bool gestoert(Schritt schritt, const QString& pfad)
{
    return stoerung() && stoerung()(schritt, pfad);
}

const QString Voll = QStringLiteral("Auf dem Datenträger ist kein Platz mehr.");

} // namespace

Status ersetzen(const QString& pfad, const QByteArray& inhalt)
{
    if (ersatz())
        return ersatz()(pfad, inhalt);
    QSaveFile neu(pfad);
    if (gestoert(Schritt::Oeffnen, pfad))
        return Fehler{Voll};
    // Unbuffered, a write error shows in write() itself. Buffered, it would show only in the flush inside
    // commit(), which would then put an incomplete file in the old one's place.
    if (!neu.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Fehler{neu.errorString()};

    const auto abbrechen = [&neu](const QString& grund) {
        neu.cancelWriting();
        return Status(Fehler{grund});
    };
    if (gestoert(Schritt::Schreiben, pfad)) {
        // As a full disk does: the first part arrives, the rest not.
        static_cast<void>(neu.write(inhalt.first(inhalt.size() / 2)));
        return abbrechen(Voll);
    }
    if (neu.write(inhalt) != inhalt.size())
        return abbrechen(neu.errorString());
    if (gestoert(Schritt::Leeren, pfad))
        return abbrechen(Voll);
    if (!neu.flush() || neu.error() != QFileDevice::NoError)
        return abbrechen(neu.errorString());
    if (gestoert(Schritt::Uebernehmen, pfad))
        return abbrechen(Voll);
    if (!neu.commit())
        return Fehler{neu.errorString()};
    return Ok{};
}

void setzeErsatz(Ersatz e)
{
    ersatz() = std::move(e);
}

void setzeStoerung(Stoerung s)
{
    stoerung() = std::move(s);
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
