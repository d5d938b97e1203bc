#include "engine/Brief.h"

#include "engine/Regeln.h"
#include "store/Sitzung.h"

#include <QRegularExpression>
#include <array>

namespace {

// The row of the languages table, German for an unknown word.
const Regeln::Sprache& sprachzeile(const QString& sLand)
{
    const Regeln::Sprache* s = Regeln::spracheMitWort(sLand);
    return s ? *s : Regeln::Sprachen.front();
}

} // namespace

QString zeugnistitel(qint16 typ, qint16 art, const QString& sLand)
{
    const Regeln::Satz* satz = Regeln::satz(typ, art);
    if (!satz)
        satz = Regeln::satz(Typ::Gewerblich, art);
    const auto spalte = std::size_t(&sprachzeile(sLand) - Regeln::Sprachen.data());
    return satz ? satz->titel.at(spalte).toString() : Regeln::Arbeitszeugnis.at(spalte).toString();
}

QString seitenangabe(int seite, int seiten, const QString& sLand)
{
    return sprachzeile(sLand).seite.toString().arg(seite).arg(seiten);
}

Brief briefAufbauen(const QString& zeugnis, const Sitzung& s, const QString& sLand)
{
    Brief b;
    b.sprache = sLand;
    const Arbeitgeberdaten& ag = s.arbeitgeber;
    for (const QString& z : {ag.Firma, ag.Strasse, QString(ag.PLZ + QLatin1Char(' ') + ag.Ort)})
        if (!z.trimmed().isEmpty())
            b.briefkopf << z.trimmed();
    b.titel = zeugnistitel(s.Arbeitnehmertyp, s.Zeugnisart, sLand);
    b.funktion = ag.Funktion.trimmed();

    QStringList zeilen = zeugnis.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    for (QString& z : zeilen)
        z = z.trimmed();
    while (!zeilen.isEmpty() && zeilen.last().isEmpty())
        zeilen.removeLast();

    const qsizetype n = zeilen.size();
    const bool schlussDa = n >= 4 && !zeilen.at(n - 1).isEmpty() && zeilen.at(n - 2).isEmpty() &&
                           !zeilen.at(n - 3).isEmpty() && zeilen.at(n - 4).isEmpty();
    if (schlussDa) {
        b.unterzeichner = zeilen.at(n - 1);
        b.ortDatum = zeilen.at(n - 3);
        zeilen.resize(n - 4);
    } else {
        b.unterzeichner = ag.Name.trimmed();
        b.ortDatum = ag.Ort.trimmed() + QStringLiteral(", ") + s.arbeitnehmer.Zeugnisdatum.trimmed();
    }
    for (const QString& z : std::as_const(zeilen))
        if (!z.isEmpty())
            b.absaetze << z;
    return b;
}

QString briefDateiname(const Sitzung& s, const QDate& datum, const QString& endung)
{
    QString name = zeugnistitel(s.Arbeitnehmertyp, s.Zeugnisart, QStringLiteral("Deutsch"));
    for (const QString& teil : {s.arbeitnehmer.Name, s.arbeitnehmer.Vorname, datum.toString(Qt::ISODate)})
        name += QLatin1Char(' ') + teil;
    for (QChar& c : name)
        if (c.unicode() < 0x20 || QStringView(u"<>:\"/\\|?*").contains(c))
            c = QLatin1Char('_');
    name = name.simplified();
    while (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    return name + QLatin1Char('.') + endung;
}
