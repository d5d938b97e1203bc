#include "catalogue/Platzhalter.h"

#include "engine/Regeln.h"
#include "engine/Zeugnistext.h"
#include "store/Sitzung.h"

namespace Platzhalter {

const QStringList& alle()
{
    static const QStringList namen = [] {
        QStringList n;
        for (const Regeln::Platzhalter& p : Regeln::Platzhaltertabelle)
            n << p.name.toString();
        return n;
    }();
    return namen;
}

bool schluckt(const QString& platzhalter)
{
    for (const Regeln::Platzhalter& p : Regeln::Platzhaltertabelle)
        if (p.name == platzhalter)
            return p.schluckt;
    return false;
}

bool bleibtHinterWert(QChar c)
{
    return Regeln::bleibtHinterWert(c);
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
