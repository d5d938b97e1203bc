#include "engine/Fragenbestand.h"

#include "engine/Katalog.h"
#include "engine/Schema.h"

std::optional<int> fragenImKatalog(qint16 geschlecht, qint16 typ, qint16 art, QString* fehler)
{
    const QString tabelle = Schema::fragenTabelle(geschlecht);
    if (tabelle.isEmpty())
        return 0;
    // Only the question table is needed for the count.
    Katalog::Verbindung v(Katalog::Zugriff::NurLesen, {tabelle});
    const Ergebnis<int> anzahl = Katalog::fragenZahl(v, geschlecht, typ, art);
    if (!anzahl) {
        if (fehler)
            *fehler = anzahl.fehler();
        return std::nullopt;
    }
    return *anzahl;
}
