#include "store/Einstellungen.h"

#include "store/Profil.h"
#include "store/Text.h"

namespace Einstellungen {

namespace {

const QString Geschlecht = QStringLiteral("Geschlecht");
const QString Zeugnisdatum = QStringLiteral("Zeugnisdatum");
// Written with a capital T, as files of earlier versions hold it; names match without regard to case.
const QString Arbeitnehmertyp = QStringLiteral("ArbeitnehmerTyp");
const QString Zeugnisart = QStringLiteral("Zeugnisart");
const QString Frage = QStringLiteral("Frage");
const QString Zahl = QStringLiteral("Zahl");

std::optional<qint16> zahl(const std::optional<QString>& wert)
{
    if (!wert)
        return std::nullopt;
    return Text::zahlLesen(*wert);
}

} // namespace

const std::array<Feld<Arbeitgeberdaten>, 5>& arbeitgeberfelder()
{
    static const std::array<Feld<Arbeitgeberdaten>, 5> f{{
        {QStringLiteral("Name"), &Arbeitgeberdaten::Name},
        {QStringLiteral("Strasse"), &Arbeitgeberdaten::Strasse},
        {QStringLiteral("PLZ"), &Arbeitgeberdaten::PLZ},
        {QStringLiteral("Ort"), &Arbeitgeberdaten::Ort},
        {QStringLiteral("Firma"), &Arbeitgeberdaten::Firma},
    }};
    return f;
}

const std::array<Feld<Arbeitnehmerdaten>, 8>& arbeitnehmerfelder()
{
    static const std::array<Feld<Arbeitnehmerdaten>, 8> f{{
        {QStringLiteral("Name"), &Arbeitnehmerdaten::Name},
        {QStringLiteral("Vorname"), &Arbeitnehmerdaten::Vorname},
        {QStringLiteral("Titel"), &Arbeitnehmerdaten::Titel},
        {QStringLiteral("Position"), &Arbeitnehmerdaten::Position},
        {QStringLiteral("Geburtsort"), &Arbeitnehmerdaten::Geburtsort},
        {QStringLiteral("Geburtsdatum"), &Arbeitnehmerdaten::Geburtsdatum},
        {QStringLiteral("Eintrittsdatum"), &Arbeitnehmerdaten::Eintrittsdatum},
        {QStringLiteral("Austrittsdatum"), &Arbeitnehmerdaten::Austrittsdatum},
    }};
    return f;
}

int arbeitgeberLaden(Arbeitgeberdaten& ag)
{
    return arbeitgeberLaden(Profil::laden(Profil::pfad()), ag);
}

int arbeitgeberLaden(const ProfilDatei& datei, Arbeitgeberdaten& ag)
{
    int vorhanden = 0;
    for (const auto& f : arbeitgeberfelder())
        if (auto wert = datei.lesen(Profil::PersoenlicheDaten, f.schluessel)) {
            ag.*f.wert = *wert;
            ++vorhanden;
        }
    return vorhanden;
}

Status arbeitgeberSpeichern(const Arbeitgeberdaten& ag)
{
    QList<Profil::Eintrag> eintraege;
    for (const auto& f : arbeitgeberfelder())
        eintraege.append({Profil::PersoenlicheDaten, f.schluessel, ag.*f.wert});
    return Profil::schreiben(eintraege);
}

void Arbeitnehmereintraege::uebernehmen(Arbeitnehmerdaten& an) const
{
    for (std::size_t i = 0; i < texte.size(); ++i)
        if (texte[i])
            an.*arbeitnehmerfelder()[i].wert = *texte[i];
    if (geschlecht)
        an.Geschlecht = *geschlecht;
    if (zeugnisdatum)
        an.Zeugnisdatum = *zeugnisdatum;
}

Arbeitnehmereintraege arbeitnehmerLaden()
{
    return arbeitnehmerLaden(Profil::laden(Profil::pfad()));
}

Arbeitnehmereintraege arbeitnehmerLaden(const ProfilDatei& datei)
{
    Arbeitnehmereintraege e;
    for (std::size_t i = 0; i < e.texte.size(); ++i)
        e.texte[i] = datei.lesen(Profil::KlientenDaten, arbeitnehmerfelder()[i].schluessel);
    e.geschlecht = zahl(datei.lesen(Profil::KlientenDaten, Geschlecht));
    e.zeugnisdatum = datei.lesen(Profil::KlientenDaten, Zeugnisdatum);
    return e;
}

Status arbeitnehmerSpeichern(const Arbeitnehmerdaten& an)
{
    QList<Profil::Eintrag> eintraege;
    for (const auto& f : arbeitnehmerfelder())
        eintraege.append({Profil::KlientenDaten, f.schluessel, an.*f.wert});
    eintraege.append({Profil::KlientenDaten, Geschlecht, Text::vorzeichenZahl(an.Geschlecht)});
    eintraege.append({Profil::KlientenDaten, Zeugnisdatum, an.Zeugnisdatum});
    return Profil::schreiben(eintraege);
}

void Fortschritt::uebernehmen(Sitzung& s) const
{
    if (frage)
        s.AbbruchFrage = *frage;
    if (arbeitnehmertyp)
        s.Arbeitnehmertyp = *arbeitnehmertyp;
    if (zeugnisart)
        s.Zeugnisart = *zeugnisart;
    if (zahl)
        s.Zahl = *zahl;
}

Fortschritt fortschrittLaden()
{
    return fortschrittLaden(Profil::laden(Profil::pfad()));
}

Fortschritt fortschrittLaden(const ProfilDatei& datei)
{
    Fortschritt f;
    f.frage = datei.lesen(Profil::Abbruch, Frage);
    f.arbeitnehmertyp = zahl(datei.lesen(Profil::Abbruch, Arbeitnehmertyp));
    f.zeugnisart = zahl(datei.lesen(Profil::Abbruch, Zeugnisart));
    f.zahl = zahl(datei.lesen(Profil::Abbruch, Zahl));
    return f;
}

Status fortschrittSpeichern(const Sitzung& s, qint32 frage)
{
    return fortschrittSpeichern(s.Arbeitnehmertyp, s.Zeugnisart, frage, s.Zahl);
}

Status fortschrittSpeichern(qint16 typ, qint16 art, qint32 frage, qint16 zahl)
{
    return Profil::schreiben({
        {Profil::Abbruch, Arbeitnehmertyp, Text::vorzeichenZahl(typ)},
        {Profil::Abbruch, Zeugnisart, Text::vorzeichenZahl(art)},
        {Profil::Abbruch, Frage, Text::vorzeichenZahl(frage)},
        {Profil::Abbruch, Zahl, Text::vorzeichenZahl(zahl)},
    });
}

Status fortschrittVerwerfen()
{
    return Profil::schreiben({{Profil::Abbruch, Frage, QStringLiteral("0")}});
}

} // namespace Einstellungen
