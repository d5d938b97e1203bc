#include "store/Dateiablage.h"

#include <QSaveFile>

namespace Dateiablage {

namespace {

Ersatz& ersatz()
{
    static Ersatz e;
    return e;
}

} // namespace

Status ersetzen(const QString& pfad, const QByteArray& inhalt)
{
    if (ersatz())
        return ersatz()(pfad, inhalt);
    QSaveFile neu(pfad);
    if (!neu.open(QIODevice::WriteOnly))
        return Fehler{neu.errorString()};
    if (neu.write(inhalt) != inhalt.size()) {
        const QString grund = neu.errorString();
        neu.cancelWriting();
        return Fehler{grund};
    }
    if (!neu.commit())
        return Fehler{neu.errorString()};
    return Ok{};
}

void setzeErsatz(Ersatz e)
{
    ersatz() = std::move(e);
}

} // namespace Dateiablage
