#include "store/Profil.h"

// Placeholder until the private-profile reader and writer are in place.
namespace Profil {

std::optional<QString> lesen(const QString& abschnitt, const QString& schluessel)
{
    return lesen(pfad(), abschnitt, schluessel);
}

bool schreiben(const QString& abschnitt, const QString& schluessel, const QString& wert, QString* fehler)
{
    return schreiben(pfad(), abschnitt, schluessel, wert, fehler);
}

std::optional<QString> lesen(const QString&, const QString&, const QString&)
{
    return std::nullopt;
}

bool schreiben(const QString&, const QString&, const QString&, const QString&, QString*)
{
    return false;
}

QString pfad()
{
    return Dateiname;
}

} // namespace Profil
