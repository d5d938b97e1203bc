#include "engine/Schema.h"

#include "engine/Regeln.h"

namespace Schema {

const QStringList& sprachwoerter()
{
    static const QStringList woerter = [] {
        QStringList w;
        for (const Regeln::Sprache& s : Regeln::Sprachen)
            w << s.wort.toString();
        return w;
    }();
    return woerter;
}

QString fragenTabelle(qint16 geschlecht)
{
    const Regeln::Geschlechtsregel* g = Regeln::geschlecht(geschlecht);
    return g ? QStringLiteral("Fragen") + g->tabellenwort.toString() : QString();
}

QString antwortTabelle(qint16 geschlecht, const QString& sprachwort)
{
    const Regeln::Geschlechtsregel* g = Regeln::geschlecht(geschlecht);
    if (!g || !sprachwoerter().contains(sprachwort))
        return {};
    return QStringLiteral("Antworten") + g->tabellenwort.toString() + sprachwort;
}

QStringList inhaltstabellen()
{
    QStringList t;
    for (const Regeln::Geschlechtsregel& g : Regeln::Geschlechter) {
        t << fragenTabelle(g.code);
        for (const QString& wort : sprachwoerter())
            t << antwortTabelle(g.code, wort);
    }
    return t;
}

QStringList alleTabellen()
{
    return inhaltstabellen() << QStringLiteral("Auswahl") << QStringLiteral("LetzterBrief");
}

QStringList anlegen()
{
    QStringList s;
    for (qint16 g : {qint16(1), qint16(2)}) {
        s << QStringLiteral("CREATE TABLE %1 (Nr INTEGER PRIMARY KEY, Frage TEXT, Arbeitnehmertyp INTEGER, "
                            "Zeugnisart INTEGER, KeineAussage INTEGER NOT NULL DEFAULT 0, "
                            "Absatz INTEGER NOT NULL DEFAULT 0)")
                 .arg(fragenTabelle(g));
        for (const QString& wort : sprachwoerter())
            s << QStringLiteral("CREATE TABLE %1 (Frage INTEGER NOT NULL, Note INTEGER NOT NULL, "
                                "VarianteAAntwort1 TEXT, VarianteAAntwort2 TEXT, VarianteBAntwort1 TEXT, "
                                "VarianteBAntwort2 TEXT, VarianteCAntwort1 TEXT, VarianteCAntwort2 TEXT)")
                     .arg(antwortTabelle(g, wort));
    }
    s << QStringLiteral("CREATE TABLE Auswahl (Frage INTEGER, Note INTEGER, Variante TEXT, "
                        "KeineAussage INTEGER NOT NULL DEFAULT 0, EigeneFormulierung TEXT)")
      << QStringLiteral("CREATE TABLE LetzterBrief (Text TEXT)")
      << QStringLiteral("INSERT INTO LetzterBrief (Text) VALUES (NULL)");
    return s;
}

} // namespace Schema
