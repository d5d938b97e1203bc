#include "catalogue/Quelle.h"

#include "engine/Regeln.h"
#include "engine/Schema.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSet>
#include <cmath>

namespace Katalogbau {

const QStringList& sprachen()
{
    static const QStringList s = [] {
        QStringList k;
        for (const Regeln::Sprache& sprache : Regeln::Sprachen)
            k << sprache.quelle.toString();
        return k;
    }();
    return s;
}

const QStringList& geschlechter()
{
    static const QStringList g = [] {
        QStringList k;
        for (const Regeln::Geschlechtsregel& geschlecht : Regeln::Geschlechter)
            k << geschlecht.quelle.toString();
        return k;
    }();
    return g;
}

const QStringList& buchstaben()
{
    static const QStringList b{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    return b;
}

const QStringList& rollen()
{
    static const QStringList r{QStringLiteral("einleitung"),   QStringLiteral("unternehmen"),
                               QStringLiteral("werdegang"),    QStringLiteral("aufgaben"),
                               QStringLiteral("befugnisse"),   QStringLiteral("ausbildungsinhalte"),
                               QStringLiteral("berufsschule"), QStringLiteral("leistung"),
                               QStringLiteral("fuehrung"),     QStringLiteral("zusammenfassung"),
                               QStringLiteral("vertrauen"),    QStringLiteral("verhalten"),
                               QStringLiteral("austritt"),     QStringLiteral("bedauern"),
                               QStringLiteral("dank"),         QStringLiteral("wuensche"),
                               QStringLiteral("anlass")};
    return r;
}

QString sprachwort(const QString& sprache)
{
    for (const Regeln::Sprache& s : Regeln::Sprachen)
        if (s.quelle == sprache)
            return s.wort.toString();
    return {};
}

const QList<Satzart>& satzarten()
{
    static const QList<Satzart> arten = [] {
        QList<Satzart> a;
        for (const Regeln::Satz& s : Regeln::Saetze)
            a.append({s.quelle.toString(), s.typ, s.art, s.fragen, s.ersteNr});
        return a;
    }();
    return arten;
}

const Satzart* satzart(int arbeitnehmertyp, int zeugnisart)
{
    for (const Satzart& art : satzarten())
        if (art.arbeitnehmertyp == arbeitnehmertyp && art.zeugnisart == zeugnisart)
            return &art;
    return nullptr;
}

const QStringList& pflichtsaetze()
{
    // Every set the program can open.
    static const QStringList pflicht = [] {
        QStringList namen;
        for (const Satzart& art : satzarten())
            namen << art.name;
        return namen;
    }();
    return pflicht;
}

QString Meldung::alsText() const
{
    QStringList ort;
    ort << (satz.isEmpty() || QFileInfo(datei).completeBaseName() == satz
                ? datei
                : QStringLiteral("%1 (Satz %2)").arg(datei, satz));
    if (nr)
        ort << QStringLiteral("Frage %1").arg(*nr);
    if (note)
        ort << QStringLiteral("Note %1").arg(*note);
    if (!buchstabe.isEmpty())
        ort << QStringLiteral("Variante %1").arg(buchstabe);
    if (!sprache.isEmpty())
        ort << QStringLiteral("Sprache %1").arg(sprache);
    if (!geschlecht.isEmpty())
        ort << QStringLiteral("Geschlecht %1").arg(geschlecht);
    const QString stufeText = stufe == Stufe::Fehler ? QStringLiteral("Fehler") : QStringLiteral("Warnung");
    return QStringLiteral("%1: %2: %3").arg(stufeText, ort.join(QStringLiteral(", ")), text);
}

bool hatFehler(const Meldungen& meldungen)
{
    for (const Meldung& m : meldungen)
        if (m.stufe == Meldung::Stufe::Fehler)
            return true;
    return false;
}

namespace {

std::optional<int> ganzzahl(const QJsonValue& wert)
{
    if (!wert.isDouble())
        return std::nullopt;
    const double d = wert.toDouble();
    if (std::floor(d) != d || d < -1e9 || d > 1e9)
        return std::nullopt;
    return int(d);
}

QString typname(const QJsonValue& wert)
{
    switch (wert.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return QStringLiteral("Wahrheitswert");
    case QJsonValue::Double:
        return QStringLiteral("Zahl");
    case QJsonValue::String:
        return QStringLiteral("Text");
    case QJsonValue::Array:
        return QStringLiteral("Liste");
    case QJsonValue::Object:
        return QStringLiteral("Objekt");
    case QJsonValue::Undefined:
        break;
    }
    return QStringLiteral("nichts");
}

// Reads one file's sets; every finding carries the place given by `ort`.
class Leser
{
public:
    explicit Leser(Meldungen& meldungen) : m_meldungen(meldungen) {}

    void fehler(const Meldung& ort, const QString& text)
    {
        Meldung m = ort;
        m.stufe = Meldung::Stufe::Fehler;
        m.text = text;
        m_meldungen.append(m);
    }

    // Reports every key of `objekt` that is not among `erlaubt`.
    void unbekannteSchluessel(const Meldung& ort, const QJsonObject& objekt, const QStringList& erlaubt,
                              const QString& wo)
    {
        for (auto it = objekt.begin(); it != objekt.end(); ++it)
            if (!erlaubt.contains(it.key()))
                fehler(ort, QStringLiteral("unbekannter Schlüssel \u201e%1\u201c in %2 (erlaubt: %3)")
                                .arg(it.key(), wo, erlaubt.join(QStringLiteral(", "))));
    }

    std::optional<int> pflichtZahl(const Meldung& ort, const QJsonObject& objekt, const QString& schluessel)
    {
        const QJsonValue wert = objekt.value(schluessel);
        const auto zahl = ganzzahl(wert);
        if (!zahl)
            fehler(ort, wert.isUndefined()
                            ? QStringLiteral("\u201e%1\u201c fehlt").arg(schluessel)
                            : QStringLiteral("\u201e%1\u201c muss eine ganze Zahl sein, ist %2")
                                  .arg(schluessel, typname(wert)));
        return zahl;
    }

    bool pflichtWahrheitswert(const Meldung& ort, const QJsonObject& objekt, const QString& schluessel)
    {
        const QJsonValue wert = objekt.value(schluessel);
        if (!wert.isBool())
            fehler(ort, wert.isUndefined()
                            ? QStringLiteral("\u201e%1\u201c fehlt").arg(schluessel)
                            : QStringLiteral("\u201e%1\u201c muss true oder false sein, ist %2")
                                  .arg(schluessel, typname(wert)));
        return wert.toBool();
    }

    QString freierText(const Meldung& ort, const QJsonObject& objekt, const QString& schluessel)
    {
        const QJsonValue wert = objekt.value(schluessel);
        if (!wert.isUndefined() && !wert.isString())
            fehler(
                ort,
                QStringLiteral("\u201e%1\u201c muss ein Text sein, ist %2").arg(schluessel, typname(wert)));
        return wert.toString();
    }

    std::optional<Formulierung> formulierung(const Meldung& ort, const QJsonValue& wert)
    {
        const QJsonArray teile = wert.toArray();
        if (!wert.isArray() || teile.isEmpty() || teile.size() > 2) {
            fehler(ort,
                   QStringLiteral("ein Text muss eine Liste aus einem oder zwei Texten sein, ist %1")
                       .arg(wert.isArray() ? QStringLiteral("eine Liste mit %1 Einträgen").arg(teile.size())
                                           : typname(wert)));
            return std::nullopt;
        }
        for (const QJsonValue& teil : teile)
            if (!teil.isString()) {
                fehler(ort, QStringLiteral("ein Textteil muss ein Text sein, ist %1").arg(typname(teil)));
                return std::nullopt;
            }
        Formulierung f;
        f.teil1 = teile.at(0).toString();
        if (teile.size() == 2)
            f.teil2 = teile.at(1).toString();
        return f;
    }

    Sprachtexte sprachtexte(Meldung ort, const QJsonValue& wert)
    {
        Sprachtexte texte;
        if (!wert.isObject()) {
            fehler(
                ort,
                QStringLiteral("eine Variante muss ein Objekt der Sprachen sein, ist %1").arg(typname(wert)));
            return texte;
        }
        const QJsonObject objekt = wert.toObject();
        unbekannteSchluessel(ort, objekt, sprachen(), QStringLiteral("der Variante"));
        for (const QString& sprache : sprachen()) {
            if (!objekt.contains(sprache))
                continue;
            ort.sprache = sprache;
            ort.geschlecht.clear();
            const QJsonValue sprachwert = objekt.value(sprache);
            if (!sprachwert.isObject()) {
                fehler(ort,
                       QStringLiteral(
                           "eine Sprache muss ein Objekt mit \u201em\u201c und \u201ew\u201c sein, ist %1")
                           .arg(typname(sprachwert)));
                continue;
            }
            const QJsonObject nachGeschlecht = sprachwert.toObject();
            unbekannteSchluessel(ort, nachGeschlecht, geschlechter(), QStringLiteral("der Sprache"));
            QMap<QString, Formulierung>& ziel = texte[sprache];
            for (const QString& g : geschlechter()) {
                if (!nachGeschlecht.contains(g))
                    continue;
                ort.geschlecht = g;
                if (auto f = formulierung(ort, nachGeschlecht.value(g)))
                    ziel.insert(g, *f);
            }
        }
        return texte;
    }

    std::optional<Antwortzeile> antwortzeile(Meldung ort, const QJsonValue& wert, int index)
    {
        if (!wert.isObject()) {
            fehler(ort, QStringLiteral("Antwortzeile %1 muss ein Objekt sein, ist %2")
                            .arg(index + 1)
                            .arg(typname(wert)));
            return std::nullopt;
        }
        const QJsonObject objekt = wert.toObject();
        Antwortzeile zeile;
        const auto note = pflichtZahl(ort, objekt, QStringLiteral("note"));
        if (!note)
            return std::nullopt;
        zeile.note = *note;
        ort.note = zeile.note;
        QStringList erlaubt{QStringLiteral("note")};
        erlaubt << buchstaben();
        unbekannteSchluessel(ort, objekt, erlaubt, QStringLiteral("der Antwortzeile"));
        for (const QString& b : buchstaben()) {
            if (!objekt.contains(b))
                continue;
            ort.buchstabe = b;
            zeile.varianten.insert(b, sprachtexte(ort, objekt.value(b)));
        }
        return zeile;
    }

    std::optional<Frage> frage(Meldung ort, const QJsonValue& wert, int index)
    {
        if (!wert.isObject()) {
            fehler(ort, QStringLiteral("Frage %1 der Liste muss ein Objekt sein, ist %2")
                            .arg(index + 1)
                            .arg(typname(wert)));
            return std::nullopt;
        }
        const QJsonObject objekt = wert.toObject();
        Frage f;
        const auto nr = pflichtZahl(ort, objekt, QStringLiteral("nr"));
        if (!nr)
            return std::nullopt;
        f.nr = *nr;
        ort.nr = f.nr;
        unbekannteSchluessel(ort, objekt,
                             {QStringLiteral("nr"), QStringLiteral("thema"), QStringLiteral("rolle"),
                              QStringLiteral("frage"), QStringLiteral("keineAussage"),
                              QStringLiteral("absatz"), QStringLiteral("antworten")},
                             QStringLiteral("der Frage"));
        f.thema = freierText(ort, objekt, QStringLiteral("thema"));
        const QJsonValue rolle = objekt.value(QStringLiteral("rolle"));
        if (rolle.isUndefined())
            fehler(ort, QStringLiteral("\u201erolle\u201c fehlt (erlaubt: %1)")
                            .arg(rollen().join(QStringLiteral(", "))));
        else if (!rolle.isString() || !rollen().contains(rolle.toString()))
            fehler(ort, QStringLiteral("unbekannte Rolle %1 (erlaubt: %2)")
                            .arg(rolle.isString() ? QStringLiteral("\u201e%1\u201c").arg(rolle.toString())
                                                  : typname(rolle),
                                 rollen().join(QStringLiteral(", "))));
        else
            f.rolle = rolle.toString();
        f.keineAussage = pflichtWahrheitswert(ort, objekt, QStringLiteral("keineAussage"));
        f.absatz = pflichtWahrheitswert(ort, objekt, QStringLiteral("absatz"));

        const QJsonValue fragetext = objekt.value(QStringLiteral("frage"));
        if (!fragetext.isObject()) {
            fehler(ort,
                   QStringLiteral(
                       "\u201efrage\u201c muss ein Objekt mit \u201em\u201c und \u201ew\u201c sein, ist %1")
                       .arg(typname(fragetext)));
        } else {
            const QJsonObject nachGeschlecht = fragetext.toObject();
            unbekannteSchluessel(ort, nachGeschlecht, geschlechter(), QStringLiteral("\u201efrage\u201c"));
            for (const QString& g : geschlechter()) {
                Meldung o = ort;
                o.geschlecht = g;
                const QJsonValue text = nachGeschlecht.value(g);
                if (text.isString())
                    f.frage.insert(g, text.toString());
                else if (!text.isUndefined())
                    fehler(o, QStringLiteral("der Fragetext muss ein Text sein, ist %1").arg(typname(text)));
            }
        }

        const QJsonValue antworten = objekt.value(QStringLiteral("antworten"));
        if (!antworten.isArray()) {
            fehler(
                ort,
                QStringLiteral("\u201eantworten\u201c muss eine Liste sein, ist %1").arg(typname(antworten)));
        } else {
            const QJsonArray zeilen = antworten.toArray();
            for (int i = 0; i < zeilen.size(); ++i)
                if (auto zeile = antwortzeile(ort, zeilen.at(i), i))
                    f.antworten.append(*zeile);
        }
        return f;
    }

    std::optional<Satz> satz(Meldung ort, const QJsonValue& wert, bool sammeldatei)
    {
        if (!wert.isObject()) {
            fehler(ort, QStringLiteral("ein Satz muss ein Objekt sein, ist %1").arg(typname(wert)));
            return std::nullopt;
        }
        const QJsonObject objekt = wert.toObject();
        Satz s;
        s.datei = ort.datei;
        s.sammeldatei = sammeldatei;
        const auto typ = pflichtZahl(ort, objekt, QStringLiteral("arbeitnehmertyp"));
        const auto art = pflichtZahl(ort, objekt, QStringLiteral("zeugnisart"));
        s.arbeitnehmertyp = typ.value_or(0);
        s.zeugnisart = art.value_or(0);
        if (typ && art) {
            if (const Satzart* bekannt = satzart(*typ, *art))
                s.name = bekannt->name;
            else
                fehler(ort, QStringLiteral("keinen Satz gibt es für Arbeitnehmertyp %1 und Zeugnisart %2")
                                .arg(*typ)
                                .arg(*art));
        }
        ort.satz = s.name;
        unbekannteSchluessel(ort, objekt,
                             {QStringLiteral("arbeitnehmertyp"), QStringLiteral("zeugnisart"),
                              QStringLiteral("titel"), QStringLiteral("fragen")},
                             QStringLiteral("des Satzes"));
        s.titel = freierText(ort, objekt, QStringLiteral("titel"));
        const QJsonValue fragen = objekt.value(QStringLiteral("fragen"));
        if (!fragen.isArray()) {
            fehler(ort,
                   QStringLiteral("\u201efragen\u201c muss eine Liste sein, ist %1").arg(typname(fragen)));
            return s;
        }
        const QJsonArray liste = fragen.toArray();
        for (int i = 0; i < liste.size(); ++i)
            if (auto f = frage(ort, liste.at(i), i))
                s.fragen.append(*f);
        return s;
    }

private:
    Meldungen& m_meldungen;
};

// Line and column of a byte offset, for the parse error message.
QString zeileUndSpalte(const QByteArray& json, int offset)
{
    int zeile = 1;
    int spalte = 1;
    for (int i = 0; i < offset && i < json.size(); ++i) {
        if (json.at(i) == '\n') {
            ++zeile;
            spalte = 1;
        } else if ((json.at(i) & 0xC0) != 0x80) {
            ++spalte;
        }
    }
    return QStringLiteral("Zeile %1, Spalte %2").arg(zeile).arg(spalte);
}

} // namespace

QList<Satz> lesen(const QByteArray& json, const QString& datei, Meldungen& meldungen)
{
    Leser leser(meldungen);
    Meldung ort;
    ort.datei = datei;

    QJsonParseError fehler;
    const QJsonDocument dokument = QJsonDocument::fromJson(json, &fehler);
    if (fehler.error != QJsonParseError::NoError) {
        leser.fehler(ort, QStringLiteral("kein gültiges JSON (%1): %2")
                              .arg(zeileUndSpalte(json, fehler.offset), fehler.errorString()));
        return {};
    }
    if (!dokument.isObject()) {
        leser.fehler(ort, QStringLiteral("die Datei muss ein JSON-Objekt enthalten"));
        return {};
    }
    const QJsonObject wurzel = dokument.object();
    QList<Satz> saetze;
    if (wurzel.contains(QStringLiteral("saetze"))) {
        leser.unbekannteSchluessel(ort, wurzel, {QStringLiteral("saetze")},
                                   QStringLiteral("einer Sammeldatei"));
        const QJsonValue liste = wurzel.value(QStringLiteral("saetze"));
        if (!liste.isArray()) {
            leser.fehler(ort, QStringLiteral("\u201esaetze\u201c muss eine Liste sein"));
            return {};
        }
        for (const QJsonValue& wert : liste.toArray())
            if (auto s = leser.satz(ort, wert, true))
                saetze.append(*s);
    } else if (auto s = leser.satz(ort, wurzel, false)) {
        saetze.append(*s);
    }
    return saetze;
}

QList<Satz> lesen(const QString& pfad, Meldungen& meldungen)
{
    QFile datei(pfad);
    const QString name = QFileInfo(pfad).fileName();
    if (!datei.open(QIODevice::ReadOnly)) {
        Meldung m;
        m.datei = name;
        m.text = QStringLiteral("die Datei lässt sich nicht lesen: %1").arg(datei.errorString());
        meldungen.append(m);
        return {};
    }
    return lesen(datei.readAll(), name, meldungen);
}

} // namespace Katalogbau
