#include "engine/Brief.h"

#include "store/Sitzung.h"

#include <QRegularExpression>
#include <array>

namespace {

// Titles by employee type: the general reference, the trainee's and the intern's, in the five output
// languages.
struct Titel
{
    QStringView sprache;
    std::array<QStringView, 3> titel; // general, trainee, intern
    QStringView seite;                // "%1" page, "%2" pages
};

constexpr std::array<Titel, 5> Titeltabelle{{
    {u"Deutsch", {u"Arbeitszeugnis", u"Ausbildungszeugnis", u"Praktikumszeugnis"}, u"Seite %1 von %2"},
    {u"Englisch", {u"Reference", u"Training Reference", u"Internship Reference"}, u"Page %1 of %2"},
    {u"Franzoesisch",
     {u"Certificat de travail", u"Certificat d\u2019apprentissage", u"Certificat de stage"},
     u"Page %1 sur %2"},
    {u"Italienisch",
     {u"Certificato di lavoro", u"Certificato di apprendistato", u"Certificato di tirocinio"},
     u"Pagina %1 di %2"},
    {u"Spanisch",
     {u"Certificado de trabajo", u"Certificado de formaci\u00f3n profesional",
      u"Certificado de pr\u00e1cticas"},
     u"P\u00e1gina %1 de %2"},
}};

const Titel& zeile(const QString& sLand)
{
    for (const Titel& t : Titeltabelle)
        if (t.sprache == sLand)
            return t;
    return Titeltabelle.front();
}

std::size_t titelspalte(qint16 typ)
{
    switch (typ) {
    case Typ::Auszubildender:
        return 1;
    case Typ::Praktikant:
        return 2;
    default:
        return 0;
    }
}

} // namespace

QString zeugnistitel(qint16 typ, const QString& sLand)
{
    return zeile(sLand).titel.at(titelspalte(typ)).toString();
}

QString seitenangabe(int seite, int seiten, const QString& sLand)
{
    return zeile(sLand).seite.toString().arg(seite).arg(seiten);
}

Brief briefAufbauen(const QString& zeugnis, const Sitzung& s, const QString& sLand)
{
    Brief b;
    b.sprache = sLand;
    const Arbeitgeberdaten& ag = s.arbeitgeber;
    for (const QString& z : {ag.Firma, ag.Strasse, QString(ag.PLZ + QLatin1Char(' ') + ag.Ort)})
        if (!z.trimmed().isEmpty())
            b.briefkopf << z.trimmed();
    b.titel = zeugnistitel(s.Arbeitnehmertyp, sLand);
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
    QString name = zeugnistitel(s.Arbeitnehmertyp, QStringLiteral("Deutsch"));
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
