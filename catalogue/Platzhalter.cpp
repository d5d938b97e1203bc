#include "catalogue/Platzhalter.h"

#include "engine/Zeugnistext.h"
#include "store/Sitzung.h"

namespace Platzhalter {

const QStringList& alle()
{
    static const QStringList namen{QStringLiteral("(Eintrittsdatum)"), QStringLiteral("(Austrittsdatum)"),
                                   QStringLiteral("(Position)"),       QStringLiteral("(Geburtsdatum)"),
                                   QStringLiteral("(Geburtsort)"),     QStringLiteral("(VollerName)")};
    return namen;
}

bool schluckt(const QString& platzhalter)
{
    const qsizetype i = alle().indexOf(platzhalter);
    return i >= 0 && i < 4;
}

bool wirdGefuellt(const QString& text)
{
    return bausteineEinsetzbar(text);
}

QString fuellen(QString text, const Werte& werte)
{
    Arbeitnehmerdaten daten;
    daten.Name = werte.name;
    daten.Vorname = werte.vorname;
    daten.Titel = werte.titel;
    daten.Position = werte.position;
    daten.Geburtsort = werte.geburtsort;
    daten.Geburtsdatum = werte.geburtsdatum;
    daten.Eintrittsdatum = werte.eintrittsdatum;
    daten.Austrittsdatum = werte.austrittsdatum;
    return TextBausteineEinsetzen(text, daten);
}

} // namespace Platzhalter
