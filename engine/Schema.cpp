#include "engine/Schema.h"

namespace Schema {

const QStringList& sprachwoerter()
{
    static const QStringList woerter{QStringLiteral("Deutsch"), QStringLiteral("Englisch"),
                                     QStringLiteral("Franzoesisch"), QStringLiteral("Italienisch"),
                                     QStringLiteral("Spanisch")};
    return woerter;
}

QString fragenTabelle(qint16 geschlecht)
{
    switch (geschlecht) {
    case 1:
        return QStringLiteral("FragenMann");
    case 2:
        return QStringLiteral("FragenFrau");
    default:
        return {};
    }
}

QString antwortTabelle(qint16 geschlecht, const QString& sprachwort)
{
    if (!sprachwoerter().contains(sprachwort))
        return {};
    switch (geschlecht) {
    case 1:
        return QStringLiteral("AntwortenMann") + sprachwort;
    case 2:
        return QStringLiteral("AntwortenFrau") + sprachwort;
    default:
        return {};
    }
}

QStringList inhaltstabellen()
{
    QStringList t;
    for (qint16 g : {qint16(1), qint16(2)}) {
        t << fragenTabelle(g);
        for (const QString& wort : sprachwoerter())
            t << antwortTabelle(g, wort);
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
