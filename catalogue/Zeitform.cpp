#include "catalogue/Zeitform.h"

#include "store/Sitzung.h"

#include <QHash>
#include <QRegularExpression>

namespace Katalogbau {

namespace {

// Stands in for the surname when a two-part text is composed for checking.
const QString Probename = QStringLiteral("Mustermann");

const QString Einleitung = QStringLiteral("einleitung");

QRegularExpression muster(const QString& ausdruck)
{
    return QRegularExpression(ausdruck, QRegularExpression::CaseInsensitiveOption |
                                            QRegularExpression::UseUnicodePropertiesOption);
}

// Each pattern is compiled once: the build matches every phrasing against every marker of its language.
const QRegularExpression& kompiliert(const QString& ausdruck)
{
    static QHash<QString, QRegularExpression> fertig;
    auto it = fertig.find(ausdruck);
    if (it == fertig.end())
        it = fertig.insert(ausdruck, muster(ausdruck));
    return *it;
}

QString zitat(const QString& s)
{
    return QStringLiteral("\u201e%1\u201c").arg(s);
}

const QList<Zeitmarke>& liste(const QHash<QString, QList<Zeitmarke>>& listen, const QString& sprache)
{
    static const QList<Zeitmarke> keine;
    const auto it = listen.constFind(sprache);
    return it == listen.constEnd() ? keine : *it;
}

} // namespace

const QList<Zeitmarke>& abschiedsmarken(const QString& sprache)
{
    // An interim reference has no leaving date: its placeholder marks a leaving phrase in every language.
    const Zeitmarke austrittsdatum{QStringLiteral("\\(Austrittsdatum\\)"),
                                   QStringLiteral("nennt das Austrittsdatum")};
    static const QHash<QString, QList<Zeitmarke>> listen{
        {QStringLiteral("de"),
         {
             austrittsdatum,
             {QStringLiteral("\\bwar\\b[^.]*\\btätig\\b"),
              QStringLiteral("stellt die Beschäftigung als abgeschlossen dar"), Einleitung},
             {QStringLiteral("\\bscheide[tn]?\\b[^.]*\\baus\\b"), QStringLiteral("ist eine Austrittsformel")},
             {QStringLiteral("\\bausgeschieden\\b"), QStringLiteral("ist eine Austrittsformel")},
             {QStringLiteral("\\bverl(ä|ae)sst\\s+(uns|unser)\\b"),
              QStringLiteral("ist eine Austrittsformel")},
             {QStringLiteral("\\b(Arbeits|Ausbildungs|Dienst)verhältnis\\b[^.]*\\bende(t|te)\\b|"
                             "\\bende(t|te)\\b[^.]*\\b(Arbeits|Ausbildungs|Dienst)verhältnis"),
              QStringLiteral("ist eine Austrittsformel")},
             {QStringLiteral("\\bbedauer\\w*\\b[^.]*\\bAusscheiden"),
              QStringLiteral("bedauert das Ausscheiden")},
             {QStringLiteral("für\\s+die\\s+Zukunft\\s+alles\\s+Gute"),
              QStringLiteral("ist ein Abschiedswunsch")},
             {QStringLiteral("(Berufs|Lebens)weg\\b"), QStringLiteral("ist ein Abschiedswunsch")},
         }},
        {QStringLiteral("en"),
         {
             austrittsdatum,
             {QStringLiteral("\\b(worked|was\\s+employed)\\b[^.]*\\bfrom\\b[^.]*\\bto\\b"),
              QStringLiteral("stellt die Beschäftigung als abgeschlossen dar"), Einleitung},
             {QStringLiteral("\\bleft\\s+(us|our|the)\\b"), QStringLiteral("ist eine Austrittsformel")},
             {QStringLiteral("\\bleav(es|ing)\\s+(us|our)\\b"), QStringLiteral("ist eine Austrittsformel")},
             {QStringLiteral("\\bregret\\w*\\b[^.]*\\b(departure|leaving)\\b"),
              QStringLiteral("bedauert das Ausscheiden")},
         }},
        {QStringLiteral("fr"),
         {
             austrittsdatum,
             {QStringLiteral("\\b(a\\s+travaillé|a\\s+été\\s+employée?)\\b[^.]*\\bdu\\b[^.]*\\bau\\b"),
              QStringLiteral("stellt die Beschäftigung als abgeschlossen dar"), Einleitung},
             {QStringLiteral("\\bquitt(e|ent|é|ée|er)\\b"), QStringLiteral("ist eine Austrittsformel")},
             {QStringLiteral("\\bregrett\\w*\\b[^.]*\\bdépart\\b"),
              QStringLiteral("bedauert das Ausscheiden")},
         }},
        {QStringLiteral("it"),
         {
             austrittsdatum,
             {QStringLiteral("\\bha\\s+lavorato\\b[^.]*\\bdal\\b[^.]*\\bal\\b"),
              QStringLiteral("stellt die Beschäftigung als abgeschlossen dar"), Einleitung},
             {QStringLiteral("\\blasci(a|are)\\b|\\blasciat[oa]\\b"),
              QStringLiteral("ist eine Austrittsformel")},
             {QStringLiteral("\\brammaric\\w*\\b[^.]*\\b(partenza|uscita)\\b"),
              QStringLiteral("bedauert das Ausscheiden")},
         }},
        {QStringLiteral("es"),
         {
             austrittsdatum,
             {QStringLiteral("\\btrabajó\\b[^.]*\\bdesde\\b[^.]*\\bhasta\\b"),
              QStringLiteral("stellt die Beschäftigung als abgeschlossen dar"), Einleitung},
             {QStringLiteral("\\bdej(a|ó|ar)\\s+(la|nuestra)\\s+empresa\\b|\\bnos\\s+deja\\b"),
              QStringLiteral("ist eine Austrittsformel")},
             {QStringLiteral("\\blament\\w*\\b[^.]*\\b(marcha|salida)\\b"),
              QStringLiteral("bedauert das Ausscheiden")},
         }},
    };
    return liste(listen, sprache);
}

const QList<Zeitmarke>& fortsetzungsmarken(const QString& sprache)
{
    const QString weiter = QStringLiteral("kündigt die weitere Zusammenarbeit an");
    static const QHash<QString, QList<Zeitmarke>> listen{
        {QStringLiteral("de"),
         {
             {QStringLiteral("\\b(weitere|künftige)n?\\s+(\\w+\\s+)?Zusammenarbeit"), weiter},
             {QStringLiteral("\\bZusammenarbeit\\b[^.]*\\bfort(zu)?(setzen|führen)\\b|"
                             "\\bfort(zu)?(setzen|führen)\\b[^.]*\\bZusammenarbeit"),
              weiter},
             {QStringLiteral("\\bweiterhin\\b[^.]*\\bZusammenarbeit"), weiter},
         }},
        {QStringLiteral("en"),
         {
             {QStringLiteral("\\bcontinu\\w*\\s+(working|to\\s+work)\\s+(together|with)\\b"), weiter},
             {QStringLiteral("\\b(further|continued|future)\\s+(cooperation|collaboration|work\\w*\\s+"
                             "together)\\b"),
              weiter},
         }},
        {QStringLiteral("fr"),
         {
             {QStringLiteral("\\bpoursui\\w*\\s+(de\\s+)?(notre|la|cette)\\s+collaboration\\b"), weiter},
             {QStringLiteral("\\bcontinuer\\s+à\\s+(travailler|collaborer)\\b"), weiter},
         }},
        {QStringLiteral("it"),
         {
             {QStringLiteral(
                  "\\b(prosegu|continu)\\w*\\s+(la\\s+|la\\s+nostra\\s+|questa\\s+)collaborazione\\b"),
              weiter},
             {QStringLiteral("\\bcontinuare\\s+a\\s+(collaborare|lavorare\\s+insieme)\\b"), weiter},
         }},
        {QStringLiteral("es"),
         {
             {QStringLiteral("\\b(seguir|continuar)\\s+(colaborando|trabajando\\s+juntos)\\b"), weiter},
             {QStringLiteral("\\bcontinuar\\s+(con\\s+)?(nuestra|la|esta)\\s+colaboración\\b"), weiter},
         }},
    };
    return liste(listen, sprache);
}

const QList<Zeitmarke>& uebernahmemarken(const QString& sprache)
{
    const QString bleibt = QStringLiteral("bleibt im Unternehmen");
    static const QHash<QString, QList<Zeitmarke>> listen{
        {QStringLiteral("de"),
         {{QStringLiteral("\\bübernommen\\b|\\bÜbernahme\\b|\\bweiterbeschäftigt"), bleibt}}},
        {QStringLiteral("en"),
         {{QStringLiteral("\\b(stay\\w*|remain\\w*)\\s+with\\s+us\\b|\\b(taken|kept)\\s+on\\b"), bleibt}}},
        {QStringLiteral("fr"), {{QStringLiteral("\\breste\\s+(dans|chez|au\\s+sein)\\b"), bleibt}}},
        {QStringLiteral("it"), {{QStringLiteral("\\bresta\\s+(nella|presso|con)\\b"), bleibt}}},
        {QStringLiteral("es"),
         {{QStringLiteral("\\b(continúa|sigue|permanece)\\s+en\\s+nuestra\\s+empresa\\b"), bleibt}}},
    };
    return liste(listen, sprache);
}

namespace {

class Zeitformpruefer
{
public:
    Meldungen ergebnis;

    void satz(const Satz& s)
    {
        const bool zwischen = s.zeugnisart == Art::Zwischen;
        const bool end = s.zeugnisart == Art::Einfach || s.zeugnisart == Art::Qualifiziert;
        if (!zwischen && !end)
            return;
        durchlaufen(
            s, [this, zwischen](const Meldung& ort, const Frage& frage) { rolle(ort, frage, zwischen); },
            [this, zwischen](const Meldung& ort, const Frage& frage, const Antwortzeile&,
                             const Formulierung& f) {
                text(ort, frage.rolle, zwischen, f.zusammengesetzt(Probename));
            });
    }

private:
    void fehler(const Meldung& ort, const QString& text)
    {
        Meldung m = ort;
        m.stufe = Meldung::Stufe::Fehler;
        m.text = text;
        ergebnis.append(m);
    }

    void rolle(const Meldung& ort, const Frage& frage, bool zwischen)
    {
        if (zwischen && frage.rolle == QStringLiteral("austritt"))
            fehler(ort, QStringLiteral("ein Zwischenzeugnis hat keine Frage der Rolle \u201eaustritt\u201c; "
                                       "an ihre Stelle tritt der Anlass (\u201eanlass\u201c)"));
        if (frage.rolle != QStringLiteral("anlass"))
            return;
        if (!zwischen) {
            fehler(ort, QStringLiteral("die Rolle \u201eanlass\u201c gehört nur in ein Zwischenzeugnis"));
            return;
        }
        const bool ungewertet = frage.antworten.size() == 1 && frage.antworten.first().note == 0;
        if (!ungewertet)
            fehler(ort,
                   QStringLiteral("eine Frage der Rolle \u201eanlass\u201c ist ungewertet (eine Zeile mit "
                                  "Note 0)"));
        if (!frage.keineAussage)
            fehler(ort,
                   QStringLiteral("eine Frage der Rolle \u201eanlass\u201c muss übersprungen werden können "
                                  "(keineAussage)"));
        for (const Antwortzeile& zeile : frage.antworten)
            for (const QString& b : buchstaben())
                if (!zeile.varianten.contains(b)) {
                    Meldung o = ort;
                    o.note = zeile.note;
                    o.buchstabe = b;
                    fehler(o, QStringLiteral("der Anlass bietet drei Varianten an (eigener Wunsch, neuer "
                                             "Vorgesetzter, Versetzung oder Umstrukturierung)"));
                }
    }

    void text(const Meldung& ort, const QString& rolle, bool zwischen, const QString& ganz)
    {
        if (!zwischen)
            for (const Zeitmarke& marke : uebernahmemarken(ort.sprache))
                if (kompiliert(marke.ausdruck).match(ganz).hasMatch())
                    return;
        const QList<Zeitmarke>& marken =
            zwischen ? abschiedsmarken(ort.sprache) : fortsetzungsmarken(ort.sprache);
        for (const Zeitmarke& marke : marken) {
            if (!marke.rolle.isEmpty() && marke.rolle != rolle)
                continue;
            const auto treffer = kompiliert(marke.ausdruck).match(ganz);
            if (!treffer.hasMatch())
                continue;
            fehler(ort, zwischen ? QStringLiteral("%1 %2; ein Zwischenzeugnis spricht im Präsens von einem "
                                                  "Arbeitsverhältnis, das weitergeht")
                                       .arg(zitat(treffer.captured()), marke.grund)
                                 : QStringLiteral("%1 %2; ein Endzeugnis schließt das Arbeitsverhältnis ab")
                                       .arg(zitat(treffer.captured()), marke.grund));
        }
    }
};

} // namespace

Meldungen zeitformpruefung(const QList<Satz>& saetze)
{
    Zeitformpruefer pruefer;
    for (const Satz& s : saetze)
        pruefer.satz(s);
    return pruefer.ergebnis;
}

} // namespace Katalogbau
