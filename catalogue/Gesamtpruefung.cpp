#include "catalogue/Gesamtpruefung.h"

#include "engine/Regeln.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>

namespace Katalogbau {

namespace {

// Stands in for the surname when a reference is assembled for checking.
const QString Probename = QStringLiteral("Mustermann");

// A marker that no grade may carry.
constexpr int Nie = 0;

QRegularExpression muster(const QString& ausdruck)
{
    return QRegularExpression(ausdruck, QRegularExpression::CaseInsensitiveOption |
                                            QRegularExpression::UseUnicodePropertiesOption);
}

QString zitat(const QString& s)
{
    return QStringLiteral("\u201e%1\u201c").arg(s);
}

bool erlaubt(const Notenmarke& marke, int note)
{
    return marke.vonNote != Nie && note >= marke.vonNote && note <= marke.bisNote;
}

QString notenText(const Notenmarke& marke)
{
    if (marke.vonNote == Nie)
        return QStringLiteral("gehört in keine Note");
    if (marke.vonNote == marke.bisNote)
        return QStringLiteral("gehört nur in Note %1").arg(marke.vonNote);
    return QStringLiteral("gehört nur in die Noten %1 bis %2").arg(marke.vonNote).arg(marke.bisNote);
}

} // namespace

const QList<Notenmarke>& notenmarken(const QString& sprache)
{
    // German in full (the formulas of grade 1 and of grade 5 that Pruefung.cpp already refuses are not
    // repeated here); the other languages with the words readers found at the wrong grade or reading stiff.
    // "we could not always rely on her" judges the person; grade 5 restricts what the work did
    static const QString ueberDenMenschen =
        QStringLiteral("urteilt über den Menschen statt über die Arbeit; Note 5 schränkt die Arbeit ein");
    static const QHash<QString, QList<Notenmarke>> listen{
        {QStringLiteral("de"),
         {
             {QStringLiteral("\\b(äußerst|außerordentlich\\w*|außergewöhnlich\\w*|überaus|höchste[nmr]?)\\b"),
              1, 2, QStringLiteral("Verstärkung der Noten 1 und 2")},
             {QStringLiteral("\\b(hervorragend\\w*|herausragend\\w*|ausgezeichnet\\w*)\\b"), 1, 2,
              QStringLiteral("Lob der Noten 1 und 2")},
             {QStringLiteral("\\bsehr\\b"), 1, 2, QStringLiteral("Verstärkung der Noten 1 und 2")},
             {QStringLiteral("in\\s+jeder\\s+Hinsicht"), 1, 2,
              QStringLiteral("Verstärkung der Noten 1 und 2")},
             {QStringLiteral("(?<!nicht )\\b(stets|jederzeit|immer)\\b"), 1, 2,
              QStringLiteral("Zeitwort der Noten 1 und 2")},
             {QStringLiteral("vorbildlich"), 1, 2, QStringLiteral("Verhalten der Noten 1 und 2")},
             {QStringLiteral("zufriedenstellend"), 4, 5,
              QStringLiteral("bescheidenes Wort der Noten 4 und 5")},
             {QStringLiteral("den\\s+Anforderungen\\s+entspr"), 4, 5,
              QStringLiteral("bescheidene Wendung der Noten 4 und 5")},
             {QStringLiteral("\\bkorrekt\\w*"), 4, 5, QStringLiteral("Verhaltenswort der Noten 4 und 5")},
             {QStringLiteral(
                  "\\b(insgesamt|weitgehend\\w*|überwiegend|grundsätzlich|teilweise|nicht\\s+immer|"
                  "in\\s+der\\s+Regel|zum\\s+Teil|meistens)\\b"),
              5, 5, QStringLiteral("Einschränkung der Note 5")},
             {QStringLiteral("\\b(befriedigend|ausreichend|mangelhaft|ungenügend)\\b"), Nie, Nie,
              QStringLiteral("Schulnote im Text")},
             {QStringLiteral(
                  "\\b(war|waren)\\s+((stets|immer|jederzeit)\\s+)?(sehr\\s+)?gut(?=\\s*([.,;]|und\\b))"),
              Nie, Nie, QStringLiteral("Schulnote im Text")},
             {QStringLiteral("\\bmit\\s+((großem|regem|viel)\\s+)?Interesse\\b"), Nie, Nie,
              QStringLiteral("Geheimcode (Interesse)")},
             {QStringLiteral("\\bals\\s+[^.;]*\\bkennen\\s*gelernt"), Nie, Nie,
              QStringLiteral("Geheimcode (als … kennengelernt)")},
             {QStringLiteral("\\bVerständnis\\s+für\\s+(die|seine|ihre)\\s+(Entscheidung|Kündigung)|"
                             "mit\\s+Verständnis"),
              Nie, Nie, QStringLiteral("Geheimcode (Verständnis für das Ausscheiden)")},
             {QStringLiteral("Ausbildungsberuf\\s+\\(Position\\)"), Nie, Nie,
              QStringLiteral("doppelt gemoppelt: Ausbildungsberuf und Position")},
             {QStringLiteral(
                  "Berufsbildungsgesetz|\\bKammer\\b|Handelskammer|Handwerkskammer|\\bIHK\\b|\\bHWK\\b"),
              Nie, Nie, QStringLiteral("die Abschlussprüfung nennen, keine Kammer und kein Gesetz")},
         }},
        {QStringLiteral("en"),
         {
             {QStringLiteral(
                  "\\b(utmost|outstanding\\w*|exceptional\\w*|excellen\\w*|extremely|highest|superb\\w*|"
                  "remarkabl\\w*|great(er|est)?)\\b"),
              1, 2, QStringLiteral("Lob der Noten 1 und 2")},
             // "exemplary" is top praise on its own; "always exemplary" sounds no stronger
             {QStringLiteral("\\bexemplar\\w*"), 1, 1, QStringLiteral("Lob der Note 1")},
             {QStringLiteral("\\bvery\\b"), 1, 2, QStringLiteral("Verstärkung der Noten 1 und 2")},
             {QStringLiteral("(?<!not )\\b(always|consistently|unfailingly)\\b|"
                             "\\b(throughout|without\\s+exception|time\\s+and\\s+again|at\\s+every\\s+stage|"
                             "every\\s+time|in\\s+every\\s+respect)\\b"),
              1, 2, QStringLiteral("Zeitwort der Noten 1 und 2")},
             {QStringLiteral("\\b(satisfactor(y|ily)|adequate(ly)?|sufficient(ly)?|as\\s+required|"
                             "to\\s+the\\s+extent\\s+required|to\\s+our\\s+satisfaction)\\b"),
              4, 5, QStringLiteral("bescheidenes Wort der Noten 4 und 5")},
             {QStringLiteral("\\b(not\\s+always|only\\s+(partly|in\\s+part)|partly|largely|mostly|"
                             "for\\s+the\\s+most\\s+part|at\\s+times(?!\\s+of)|from\\s+time\\s+to\\s+time|"
                             "not\\s+(all|every)|needed\\s+(guidance|support|(further\\s+)?explanation))\\b"),
              5, 5, QStringLiteral("Einschränkung der Note 5")},
             {QStringLiteral("\\b(on\\s+the\\s+whole|in\\s+general|by\\s+and\\s+large|all\\s+in\\s+all)\\b"),
              Nie, Nie,
              QStringLiteral("liest sich nicht schwächer als Note 4; Note 5 sagt \u201enot always\u201c, "
                             "\u201eonly partly\u201c")},
             {QStringLiteral("\\bat\\s+all\\s+times\\b"), Nie, Nie,
              QStringLiteral("deutscher Rhythmus, kein Lob")},
             {QStringLiteral(
                  "\\b(earned|found|met\\s+with|won)\\s+our\\s+(\\w+\\s+)?recognition\\b|"
                  "\\bto\\s+our\\s+(utmost|fullest|full|complete|entire|highest)\\s+satisfaction\\b"),
              Nie, Nie, QStringLiteral("Lehnübersetzung der deutschen Zusammenfassung")},
             {QStringLiteral(
                  "\\b(relevant|competent)\\s+chamber\\b|\\bchamber\\s+of\\s+(commerce|crafts)\\b|"
                  "\\bVocational\\s+Training\\s+Act\\b|\\bdisciplinary\\s+responsibility\\b|"
                  "\\broad\\s+ahead\\b|\\b(employment|training)\\s+relationship\\b|\\btasks\\s+arising\\b"),
              Nie, Nie, QStringLiteral("deutsche Einrichtung oder Wendung wörtlich übersetzt")},
             {QStringLiteral(
                  "\\bmade\\s+an\\s+effort\\b|\\bendeavou?r(s|ed)?\\s+to\\b|\\btried\\s+to\\b|"
                  "\\bwith\\s+understanding\\b|\\bwith\\s+((great|keen|the\\s+keenest)\\s+)?interest\\b"),
              Nie, Nie, QStringLiteral("Geheimcode (Bemühen, Verständnis, Interesse)")},
             {QStringLiteral(
                  "\\b(could|can)(not|\\s+not|n['\u2019]t)\\s+always\\s+(rely|count|depend)\\s+on\\b"),
              Nie, Nie, ueberDenMenschen},
             // "did not always lead his staff appropriately" reads as misconduct towards the staff
             {QStringLiteral("\\bnot\\s+always\\s+\\w+\\s+(his|her)\\s+(staff|team|employees)\\s+"
                             "(appropriately|properly)\\b"),
              Nie, Nie,
              QStringLiteral("liest sich als Fehlverhalten gegenüber Mitarbeitern; Note 5 sagt "
                             "\u201eeffectively\u201c")},
             // "only partly constructive" says the rest was obstructive
             {QStringLiteral(
                  "\\bonly\\s+(partly|in\\s+part)\\s+(constructive|cooperative|cordial|polite|friendly|"
                  "respectful|courteous)\\b"),
              Nie, Nie,
              QStringLiteral(
                  "liest sich als Fehlverhalten; Note 5 sagt \u201enot always constructive\u201c")},
             // "generally correct" restricts conduct at grade 5; anywhere else it reads as faint praise
             {QStringLiteral("\\bgenerally\\b"), 5, 5, QStringLiteral("Einschränkung der Note 5")},
             // "courteous" is warm praise; the modest grade 4 says "proper", "correct", "satisfactory"
             {QStringLiteral("\\bcourteous\\w*"), 1, 3, QStringLiteral("Lob der Noten 1 bis 3")},
             {QStringLiteral("\\binvariabl\\w*"), Nie, Nie, QStringLiteral("steif; \u201ealways\u201c")},
             {QStringLiteral("\\bbehav\\w*"), Nie, Nie,
              QStringLiteral("klingt nach Schule; \u201econduct\u201c, \u201edealings with\u201c")},
             {QStringLiteral("\\bno\\s+cause\\s+for\\s+complaint\\b"), Nie, Nie,
              QStringLiteral("Lehnübersetzung von \u201egab zu keiner Klage Anlass\u201c; Note 4 sagt "
                             "\u201esatisfactory\u201c, \u201eproper\u201c")},
             {QStringLiteral(
                  "\\b(quick|rapid|good|very\\s+good|excellent|outstanding|satisfactory)\\s+grasp\\b"
                  "(?!\\s+of\\b)|\\bgrasp(ed|s)?\\s*[.,;]"),
              Nie, Nie, QStringLiteral("\u201egrasp\u201c ohne Gegenstand")},
             // a restriction tacked on at the end reads as an afterthought; grade 5 puts it on the verb
             {QStringLiteral("\\bfor\\s+the\\s+most\\s+part\\s*\\.|\\bthough\\s+not\\s+(always|all|every)\\b|"
                             "\\bto\\s+a\\s+limited\\s+extent\\s*\\."),
              Nie, Nie,
              QStringLiteral(
                  "nachgestellte Einschränkung; Note 5 sagt \u201eonly partly\u201c vor dem Verb")},
             {QStringLiteral("\\bonly\\s+in\\s+part\\b"), Nie, Nie,
              QStringLiteral(
                  "steif; Note 5 sagt \u201eonly partly\u201c oder \u201enot always\u201c vor dem Verb")},
             {QStringLiteral(
                  "\\bnew\\s+(steps|matters|connections)\\b|\\bsure\\s+decisions?\\b|"
                  "\\borderly\\s+atmosphere\\b|\\bability\\s+to\\s+understand\\b|"
                  "\\b(outstanding|excellent|good|satisfactory)\\s+understanding\\b|"
                  "\\bpressure\\s+of\\s+(deadlines|time|work|decisions)\\b|"
                  "\\bsituation\\s+as\\s+a\\s+whole\\b|\\bpersonal\\s+future\\b|"
                  "\\bon\\s+an\\s+internship\\s+from\\b|"
                  "\\bcorrect\\s+(and\\s+[\\w-]+\\s+)?manner\\b|\\bworthy\\s+of\\s+mention\\b|"
                  "\\bwith\\s+(Mr|Ms)\\s+\\S+\\s+we\\s+are\\s+losing\\b|\\bcame\\s+to\\s+know\\s+(Mr|Ms)\\b|"
                  "\\bthe\\s+(apprenticeship|internship|conduct|leadership|departure)\\s+of\\s+(Mr|Ms)\\b"),
              Nie, Nie, QStringLiteral("deutsche Wortstellung oder Lehnübersetzung")},
             {QStringLiteral(
                  "\\btraining\\s+framework\\b|\\bunder\\s+German\\s+law\\b|\\(Handlungsvollmacht\\)|"
                  "\\bcompleted\\s+an\\s+apprenticeship\\s+with\\s+us\\b"),
              Nie, Nie, QStringLiteral("deutsche Einrichtung erklärt statt benannt")},
         }},
        {QStringLiteral("fr"),
         {
             // The Swiss ladder of the summary: "toujours à notre pleine et entière satisfaction",
             // "(toujours) à notre entière satisfaction", "a pleinement répondu à nos attentes", "à notre
             // satisfaction", "dans l'ensemble à notre satisfaction". "Pleine et entière" is the top alone;
             // "entière" is above average on its own, with or without "toujours".
             {QStringLiteral("pleine\\s+et\\s+entière\\s+satisfaction"), 1, 1,
              QStringLiteral("Zufriedenheit der Note 1")},
             {QStringLiteral("(?<!pleine\\set\\s)\\bentière\\s+satisfaction"), 2, 2,
              QStringLiteral("Zufriedenheit der Note 2")},
             // Grade 5 of conduct and of the summary restricts "correct" and "à notre satisfaction" as a
             // whole; the same words with any other quality read as praise (see the next but one marker).
             {QStringLiteral("\\bdans\\s+l['\u2019]ensemble\\s+((polie?s?\\s+et\\s+)?correct\\w*|"
                             "à\\s+notre\\s+satisfaction)"),
              5, 5, QStringLiteral("Einschränkung der Note 5")},
             {QStringLiteral("\\bnotre\\s+satisfaction"), 4, 5,
              QStringLiteral("Zufriedenheit der Noten 4 und 5")},
             {QStringLiteral("\\btrès\\s+satisfaite?s?\\b"), 1, 2,
              QStringLiteral("Zufriedenheit der Noten 1 und 2")},
             {QStringLiteral("\\b(très|extrêmement|hautement|particulièrement|vivement|profondément|"
                             "parfaitement|grandement)\\b"),
              1, 2, QStringLiteral("Verstärkung der Noten 1 und 2")},
             // "pleinement" is the German "voll": the full match of grade 3, or stronger with a time word
             {QStringLiteral("\\bpleinement\\b"), 1, 3, QStringLiteral("Verstärkung der Noten 1 bis 3")},
             {QStringLiteral("\\b(exceptionnel\\w*|remarquabl\\w*|excellen\\w*|irréprochabl\\w*|"
                             "éminent\\w*|hors\\s+pair|tout\\s+premier\\s+ordre|plus\\s+haute?s?)\\b"),
              1, 2, QStringLiteral("Lob der Noten 1 und 2")},
             // "exemplaire" is the top word on its own; grade 2 says "irréprochable", "très courtois"
             {QStringLiteral("\\bexemplaire\\w*"), 1, 1, QStringLiteral("Lob der Note 1")},
             {QStringLiteral("(?<!pas\\s)\\b(toujours|constamment|en\\s+permanence)\\b"), 1, 2,
              QStringLiteral("Zeitwort der Noten 1 und 2")},
             // A time word for every German one: mechanical adverbs and stacked ones.
             {QStringLiteral("\\b(systématiquement|invariablement)\\b|"
                             "\\b(constamment|toujours|chaque\\s+fois)\\s+sans\\s+tarder\\b"),
              Nie, Nie, QStringLiteral("deutscher Rhythmus, gehäuftes Zeitwort")},
             {QStringLiteral(
                  "\\b(satisfaisant\\w*|suffisant\\w*)|conformément\\s+aux\\s+(attentes|exigences)|"
                  "n['\u2019]a\\s+donné\\s+lieu\\s+à\\s+aucune"),
              4, 5, QStringLiteral("bescheidenes Wort der Noten 4 und 5")},
             {QStringLiteral(
                  "\\bpas\\s+toujours|\\ben\\s+partie\\b|\\bpartiellement|"
                  "\\b(avait|a\\s+eu|ayant)\\s+besoin\\s+d|\\bparfois\\b|la\\s+plupart\\s+du\\s+temps|"
                  "\\bnon\\s+sans\\b"),
              5, 5, QStringLiteral("Einschränkung der Note 5")},
             // Without "pleinement" or "entièrement" the match of expectations reads as grade 4, not as the
             // full match of grade 3.
             {QStringLiteral("(?<!pleinement\\s)\\brépond\\w*\\s+à\\s+nos\\s+attentes"), 4, 5,
              QStringLiteral("ohne \u201epleinement\u201c Erwartung der Noten 4 und 5")},
             // An effort named instead of a result is read as failure, below any grade.
             {QStringLiteral(
                  "\\bs['\u2019](est\\s+)?efforc\\w*|\\b(a\\s+)?essayé\\s+d|\\b(a\\s+)?tenté\\s+d|"
                  "\\btentait\\s+d|de\\s+son\\s+mieux|dans\\s+la\\s+mesure\\s+de\\s+ses\\s+moyens"),
              Nie, Nie, QStringLiteral("Geheimcode (Bemühen)")},
             // Grade 5 restricts the quality the German names; it does not allege conflict.
             {QStringLiteral("exempte?s?\\s+de\\s+tensions|\\bconflictuel\\w*"), Nie, Nie,
              QStringLiteral("erfindet einen Fehler statt einzuschränken")},
             {QStringLiteral(
                  "pression\\s+des\\s+délais\\s+et\\s+d|domaine\\s+d['\u2019]affectation|\\brepensons\\b|"
                  "\\bcirconspection\\b|\\bvenait\\s+à\\s+bout\\b|\\bdisponibilité|"
                  // "sich orientieren an" and "auftreten": French directs an action "vers" something and
                  // shows qualities; it does not "present itself with" them.
                  "\\bs['\u2019]orient\\w*(\\s+[\\w']+){0,4}\\s+sur\\b|"
                  "\\bse\\s+présent\\w*\\s+(avec|de\\s+manière|correctement)\\b"),
              Nie, Nie, QStringLiteral("dem Deutschen nachgebildet")},
             {QStringLiteral("\\bdans\\s+l['\u2019]ensemble\\b"
                             "(?!\\s+(des|du|d['\u2019]|de\\s+(ses|son|sa|ces|cette|ce|la|l['\u2019]|le|"
                             "leurs?|nos|notre)\\b))"
                             "(?!\\s+((polie?s?\\s+et\\s+)?correct\\w*|à\\s+notre\\s+satisfaction))|"
                             "pour\\s+l['\u2019]essentiel|le\\s+plus\\s+souvent|\\bglobalement|"
                             "dans\\s+les\\s+grandes\\s+lignes|en\\s+règle\\s+générale"),
              Nie, Nie,
              QStringLiteral(
                  "liest sich als Lob, nicht als Einschränkung; Note 5 sagt \u201epas toujours\u201c, "
                  "\u201een partie\u201c")},
             {QStringLiteral("\\b(insuffisant\\w*|médiocres?|mauvaise?s?|passables?)\\b"), Nie, Nie,
              QStringLiteral("Schulnote im Text")},
             {QStringLiteral("avec\\s+(un\\s+)?(très\\s+)?(grand\\s+|vif\\s+)?intérêt|avec\\s+compréhension|"
                             "comprenons\\s+(sa|la)\\s+décision"),
              Nie, Nie, QStringLiteral("Geheimcode (Interesse, Verständnis)")},
             {QStringLiteral("en\\s+tout\\s+temps"), Nie, Nie,
              QStringLiteral("deutscher Rhythmus, kein Lob")},
             {QStringLiteral("\\bpas\\s+toujours\\s+compter\\s+sur\\b"), Nie, Nie, ueberDenMenschen},
             // "ne dirigeait pas toujours son équipe de manière appropriée" and "ne se montre pas toujours
             // aimable" read as incidents; grade 5 says "ne répond qu'en partie", "dans l'ensemble correct"
             {QStringLiteral(
                  "\\b(dirig|condui|men|trait|encadr)\\w*\\s+pas\\s+toujours\\b[^.;]*\\bappropri\\w*|"
                  "\\bpas\\s+toujours\\s+(aimable|courtois|poli|respectueu)\\w*"),
              Nie, Nie,
              QStringLiteral("liest sich als Fehlverhalten; Note 5 sagt \u201ene répond qu'en partie\u201c, "
                             "\u201edans l'ensemble correct\u201c")},
             {QStringLiteral("notre\\s+maison|résultats\\s+de\\s+travail|\\bimpulsions?\\b|"
                             "gard\\w*\\s+calme|\\ba\\s+passé\\s+par\\b|"
                             "\\brésistante?s?\\b(?!\\s+(au|à|aux)\\b)"),
              Nie, Nie, QStringLiteral("ungebräuchlich")},
             {QStringLiteral(
                  "\\b(de|que|ne|se|je|me|te|le|la)\\s+(il|ils|elle|elles|en|y)\\b|\\bsi\\s+ils?\\b"),
              Nie, Nie,
              QStringLiteral("fehlende Elision (\u201ed\u2019elle\u201c, \u201equ\u2019il\u201c, "
                             "\u201es\u2019il\u201c)")},
             // the other way round: "d'elle-même" carried over to a man
             {QStringLiteral("\\bd['\u2019]lui\\b"), Nie, Nie,
              QStringLiteral("falsche Elision (\u201ede lui\u201c)")},
             {QStringLiteral("organe\\s+compétent|\\bchambre\\b|loi\\s+sur\\s+la\\s+formation|"
                             "responsabilité\\s+disciplinaire"),
              Nie, Nie, QStringLiteral("deutsche Einrichtung wörtlich übersetzt")},
         }},
        {QStringLiteral("it"),
         {
             {QStringLiteral("\\b(estremamente|straordinari\\w*|eccezional\\w*|eccellent\\w*|ottim[oaie]|"
                             "moltissim\\w*|massim[oaie]|grandissim\\w*)\\b|prim'ordine"),
              1, 2, QStringLiteral("Lob der Noten 1 und 2")},
             {QStringLiteral("\\bmolto\\b(?!\\s+successo)"), 1, 2,
              QStringLiteral("Verstärkung der Noten 1 und 2")},
             {QStringLiteral("sotto\\s+ogni\\s+aspetto|in\\s+ogni\\s+(aspetto|circostanza|situazione)"), 1, 2,
              QStringLiteral("Verstärkung der Noten 1 und 2")},
             {QStringLiteral(
                  "(?<!\\bnon )(?<!\\bnon è )(?<!\\bnon era )\\b(sempre|costantemente|invariabilmente)\\b"),
              1, 2, QStringLiteral("Zeitwort der Noten 1 und 2")},
             // The Swiss ladder: 1 "sempre ... piena e completa", 2 "sempre ... piena", 3 "piena", 4 "con
             // nostra soddisfazione"; "piena e completa" without "sempre" already reads as the top grade.
             {QStringLiteral("piena\\s+e\\s+completa\\s+soddisfazione"), 1, 1,
              QStringLiteral("Zufriedenheit der Note 1")},
             {QStringLiteral("\\bmolto\\s+soddisfatt[ie]\\b"), 1, 2,
              QStringLiteral("Zufriedenheit der Noten 1 und 2")},
             // "esemplare" is the top word on its own, with or without "sempre"; grade 2 says "sempre ottimo"
             {QStringLiteral("\\besemplar[ei]\\b"), 1, 1, QStringLiteral("Lob der Note 1")},
             // "ineccepibile" is praise, never below grade 2 (alone it does not carry grade 2 either)
             {QStringLiteral("\\bineccepibil[ei]\\b"), 1, 2,
              QStringLiteral("höchstes Lob, nie in Note 3 bis 5")},
             {QStringLiteral("nostra\\s+piena\\s+soddisfazione"), 2, 3,
              QStringLiteral("Zufriedenheit der Noten 2 und 3")},
             {QStringLiteral("con\\s+nostra\\s+soddisfazione"), 4, 5,
              QStringLiteral("Zufriedenheit der Noten 4 und 5")},
             {QStringLiteral("\\bsoddisfacent[ei]\\b|conform[ei]\\s+alle\\s+aspettative"), 4, 5,
              QStringLiteral("bescheidenes Wort der Noten 4 und 5")},
             {QStringLiteral(
                  "\\b(non\\s+(è\\s+|era\\s+)?sempre|solo\\s+in\\s+parte|in\\s+gran\\s+parte|"
                  "nel\\s+complesso|per\\s+lo\\s+più|in\\s+genere|in\\s+linea\\s+di\\s+massima|"
                  "si\\s+è\\s+sforzat[oa]|si\\s+sforzava|(ha\\s+)?cercato\\s+di|cercava\\s+di)\\b"),
              5, 5, QStringLiteral("Einschränkung der Note 5")},
             {QStringLiteral("\\b(in)?sufficient\\w*|\\bdiscret[oaie]\\b|\\bmediocr\\w*"), Nie, Nie,
              QStringLiteral("Schulnote im Text")},
             {QStringLiteral("\\bcon\\s+((grande|vivo|molto)\\s+)?interesse\\b|"
                             "comprensione\\s+per\\s+la\\s+(sua\\s+)?(decisione|partenza)"),
              Nie, Nie, QStringLiteral("Geheimcode (Interesse, Verständnis)")},
             {QStringLiteral("sostanzialmente"), Nie, Nie,
              QStringLiteral(
                  "liest sich als Lob über Note 4; Note 5 sagt \u201enon sempre\u201c, \u201esolo in "
                  "parte\u201c")},
             {QStringLiteral("in\\s+ogni\\s+momento|\\bogni\\s+volta\\b|\\binvariabilmente\\b"), Nie, Nie,
              QStringLiteral("deutscher Rhythmus, kein Lob")},
             {QStringLiteral("disponibilità\\s+all['\u2019]impegno|rapida\\s+capacità\\s+di\\s+comprensione|"
                             "settore\\s+d['\u2019]impiego|compagni\\s+di\\s+apprendistato|"
                             "\\bsi\\s+è\\s+(sempre\\s+)?presentat[oa]\\b|come\\s+una\\s+personalità|"
                             "\\bpromozione\\s+d(i|ei|elle)\\s+collabora"),
              Nie, Nie, QStringLiteral("deutsche Wendung wörtlich übersetzt")},
             // a restriction of grade 5 names no fault the German does not name
             {QStringLiteral("priva\\s+di\\s+difficoltà|\\btono\\s+adeguato|su\\s+nostra\\s+sollecitazione|"
                             "\\baltalenante\\b|\\baveva\\s+(spesso\\s+)?bisogno\\s+d|"
                             "spiegazioni\\s+(ripetute|dettagliate)"),
              Nie, Nie, QStringLiteral("Vorwurf statt Einschränkung; Note 5 sagt \u201enon sempre\u201c")},
             {QStringLiteral(
                  "pieno\\s+e\\s+completo\\s+apprezzamento|camera\\s+competente|\\bimpulsi\\b|"
                  "ci\\s+dispiace|consiglio\\s+di\\s+amministrazione|clima\\s+di\\s+lavoro\\s+ordinato"),
              Nie, Nie, QStringLiteral("ungebräuchlich")},
             // "pieno" belongs to the summary formula; tacked onto a plain statement it pads or overclaims
             {QStringLiteral(
                  "\\bcon\\s+pien[oa]\\s+(successo|profitto|sicurezza|impegno|motivazione|competenza|"
                  "padronanza|precisione|efficacia|flessibilità|pertinenza|correttezza|dedizione|"
                  "disponibilità)\\b|\\bpienamente\\s+(corrett|adeguat|rispondent|pertinent|affidabil|"
                  "motivat|dispost|efficac|in\\s+linea|all['\u2019]altezza)"),
              Nie, Nie, QStringLiteral("Füllwort; \u201epieno\u201c gehört in die Schlussformel")},
             {QStringLiteral(
                  "in\\s+modo\\s+nel\\s+complesso|nel\\s+complesso\\s+con\\s+nostra\\s+soddisfazione|"
                  "ottimo\\s+successo|relazioni\\s+strategiche"),
              Nie, Nie,
              QStringLiteral("ungebräuchlich; Note 5 sagt \u201esolo in parte soddisfacente\u201c, "
                             "\u201enel complesso corretto\u201c")},
             {QStringLiteral("conform[ei]\\s+ai\\s+requisiti|in\\s+(modo|misura)\\s+conforme"), Nie, Nie,
              QStringLiteral("Sprache der Normprüfung; Note 4 sagt \u201erispondente alle esigenze\u201c, "
                             "\u201esoddisfacente\u201c")},
             // a restriction tacked on at the end reads as an afterthought; it belongs on the verb
             {QStringLiteral("(solo\\s+in\\s+parte|solo\\s+parzialmente)\\s*[.;]|"
                             ",\\s*(ma|anche\\s+se|però)\\s+non\\s+sempre\\b|\\bperò\\s+solo\\s+in\\s+parte"),
              Nie, Nie,
              QStringLiteral(
                  "Einschränkung als Nachsatz; \u201enon sempre\u201c, \u201esolo in parte\u201c vor "
                  "das Verb")},
             {QStringLiteral("\\bnon\\s+(sempre\\s+)?(potevamo|possiamo|abbiamo\\s+potuto)\\s+(sempre\\s+)?"
                             "contare\\s+(\\w+\\s+)?su\\b"),
              Nie, Nie, ueberDenMenschen},
             // conduct at grade 5 is "nel complesso corretto"; "not always proper" reads as incidents
             {QStringLiteral(
                  "\\b(comport\\w*|atteggiament\\w*)\\b[^.;]*\\b(non\\s+(è\\s+|era\\s+)?sempre|"
                  "per\\s+lo\\s+più|in\\s+genere)\\b|\\b(non\\s+(è\\s+|era\\s+)?sempre|per\\s+lo\\s+più|"
                  "in\\s+genere)\\b[^.;]*\\b(comport\\w*|atteggiament\\w*)"),
              Nie, Nie,
              QStringLiteral("liest sich als Vorfall; Verhalten der Note 5 sagt \u201enel complesso "
                             "corretto\u201c")},
         }},
        {QStringLiteral("es"),
         {
             {QStringLiteral(
                  "\\b(sumamente|extraordinari\\w*|excepcional\\w*|excelente\\w*|sobresaliente\\w*|"
                  "brillante\\w*|inmejorable\\w*|intachable\\w*|impecable\\w*)\\b"),
              1, 2, QStringLiteral("Lob der Noten 1 und 2 (\u201eintachable\u201c ist höchstes Lob)")},
             {QStringLiteral("\\bejemplar\\w*"), 1, 1,
              QStringLiteral("\u201eejemplar\u201c ist schon ohne \u201esiempre\u201c höchstes Lob")},
             {QStringLiteral("\\b(muy|enorme\\w*|máxim[oa]s?|muchísim[oa]s?)\\b|\\bcon\\s+sum[oa]\\b"), 1, 2,
              QStringLiteral("Verstärkung der Noten 1 und 2")},
             {QStringLiteral("(?<!no )\\b(siempre|en\\s+todo\\s+momento|constantemente)\\b"), 1, 2,
              QStringLiteral("Zeitwort der Noten 1 und 2")},
             {QStringLiteral("\\b(plena|plenamente|pleno)\\b|\\bentera\\s+satisfacción"), 1, 2,
              QStringLiteral("\u201epleno\u201c und \u201eentera satisfacción\u201c gehören zu Note 1 und 2, "
                             "nicht 3")},
             {QStringLiteral("\\bsatisfactori\\w*|conforme\\s+a\\s+lo\\s+exigido|acorde\\w*\\s+con\\s+lo\\s+"
                             "exigido|respond\\w*\\s+a\\s+(lo\\s+exigido|las\\s+exigencias)|"
                             "no\\s+dio\\s+lugar\\s+a\\s+ninguna\\s+queja"),
              4, 5, QStringLiteral("bescheidenes Wort der Noten 4 und 5")},
             // "in every respect" is as strong as "plenamente"; grade 3 does not render "voll" so
             {QStringLiteral("\\ben\\s+su\\s+totalidad\\b|\\ben\\s+todos\\s+los\\s+aspectos\\b|\\ben\\s+"
                             "todo\\b(?!\\s+momento)"),
              1, 2, QStringLiteral("Verstärkung der Noten 1 und 2")},
             {QStringLiteral("\\btambién\\b"), 1, 3,
              QStringLiteral("\u201etambién\u201c in Note 4 und 5 ahmt das deutsche \u201eauch\u201c nach")},
             {QStringLiteral("\\b(no\\s+siempre|s[óo]lo\\s+en\\s+parte|en\\s+líneas\\s+generales|"
                             "en\\s+(general|conjunto)|parcial\\w*|ocasional\\w*)\\b"),
              5, 5, QStringLiteral("Einschränkung der Note 5")},
             {QStringLiteral("\\bs[óo]lo\\s+en\\s+parte\\s*[.;]"), Nie, Nie,
              QStringLiteral("nachgestellte Einschränkung liest sich als Nachtrag; sie gehört zum Verb "
                             "(\u201ecumplió solo parcialmente\u201c)")},
             {QStringLiteral("\\bno\\s+siempre\\s+(se\\s+comport\\w*|fue\\s+(correct|educad)\\w*)|"
                             "\\bcorrect[oa]s?\\s+s[óo]lo\\s+en\\s+parte\\b|"
                             "\\b(en\\s+parte|parcialmente)\\s+(constructiv|cooperativ|colaborativ|respetuos|"
                             "cordial|amable|educad|correct)\\w*"),
              Nie, Nie,
              QStringLiteral("Verhalten der Note 5 klingt so nach Vorfällen; es schränkt ein "
                             "(\u201een líneas generales correcto\u201c)")},
             {QStringLiteral("\\binvariablemente\\b"), Nie, Nie,
              QStringLiteral("steif; Note 1 und 2 sagen \u201esiempre\u201c")},
             // "correcto" about conduct is the grade-4 word; a grade-2 "muy cordial y correcto" reads lower
             {QStringLiteral("\\b(trato|comportamiento|conducta|actitud)\\b[^.;]*\\bcorrect[oa]s?\\b"), 3, 5,
              QStringLiteral("\u201ecorrecto\u201c über das Verhalten gehört zu Note 4; Note 1 und 2 sagen "
                             "\u201emuy cordial y respetuoso\u201c")},
             {QStringLiteral("\\bmuy\\s+correct\\w*"), Nie, Nie,
              QStringLiteral("\u201ecorrecto\u201c ist Durchschnitt; Note 2 sagt \u201emuy bueno\u201c")},
             {QStringLiteral("\\bbajo\\s+su\\s+propia\\s+responsabilidad|\\bcalidad\\s+de\\s+trabajo\\b|"
                             "\\boferta\\s+de\\s+prestaciones|\\bde\\s+tamaño\\s+medio\\b|"
                             "\\ben\\s+(un\\s+)?grado\\s+(muy|extraordinari\\w*)\\b"),
              Nie, Nie,
              QStringLiteral("Lehnübersetzung; \u201ede forma autónoma\u201c, \u201ela calidad de su "
                             "trabajo\u201c, \u201egama de servicios\u201c, \u201emediana empresa\u201c")},
             {QStringLiteral("\\bdla\\b"), Nie, Nie, QStringLiteral("Tippfehler: \u201ede la\u201c")},
             {QStringLiteral("\\boficios?\\b"), Nie, Nie,
              QStringLiteral(
                  "nicht jeder Ausbildungsberuf ist ein \u201eoficio\u201c; \u201eprofesión\u201c")},
             {QStringLiteral("\\b(a\\s+menudo|con\\s+frecuencia|frecuentemente)\\b"), 1, 2,
              QStringLiteral("Häufigkeit eines Mangels erfindet einen Vorwurf; Note 5 schränkt ein")},
             {QStringLiteral("\\b(roces|revisión\\s+posterior|recordatorios?)\\b"), Nie, Nie,
              QStringLiteral("erfundener Vorwurf statt Einschränkung")},
             {QStringLiteral("\\ben\\s+lo\\s+esencial\\b"), Nie, Nie,
              QStringLiteral(
                  "Lehnübersetzung von \u201eim Wesentlichen\u201c; Note 5 sagt \u201eno siempre\u201c, "
                  "\u201esolo en parte\u201c")},
             // "la que cabía esperar de ella" measures the person; grade 4 measures the post
             {QStringLiteral("\\besperar\\s+de\\s+(él|ella)\\b"), Nie, Nie,
              QStringLiteral("misst den Menschen statt der Stelle; Note 4 sagt \u201eacorde con lo "
                             "exigido\u201c")},
             {QStringLiteral("\\bno\\s+siempre\\s+(podíamos|podemos|pudimos)\\s+contar\\s+con\\b"), Nie, Nie,
              ueberDenMenschen},
             {QStringLiteral("\\bse\\s+esforz\\w*|\\bintent(ó|aba|aban)\\b"), Nie, Nie,
              QStringLiteral("\u201ebemüht\u201c liest sich unter Note 5")},
             {QStringLiteral("\\bcon\\s+(un\\s+)?(sobresaliente|notable|aprobado|suficiente|insuficiente)\\b|"
                             "\\bnota\\s+de\\b|\\bcalificaci[óo]n\\b"),
              Nie, Nie, QStringLiteral("Schulnote im Text")},
             {QStringLiteral("\\bcon\\s+comprensión\\b|\\bcomprendemos\\s+(su|la)\\s+decisión"), Nie, Nie,
              QStringLiteral("Geheimcode (Verständnis für das Ausscheiden)")},
             {QStringLiteral(
                  "c[áa]mara\\s+competente|futur[oa]\\s+camino|\\bimpulsos\\b|\\bnuevos\\s+contextos|"
                  "\\brelaciones\\s+(más\\s+)?complejas|capacidad\\s+de\\s+resistencia|resistencia\\s+a\\s+"
                  "la\\s+"
                  "presión|\\bfases\\s+de\\b|pensamiento\\s+analítico|\\bnúcleo\\b|reglamento\\s+de\\s+"
                  "formación|disposición\\s+al\\s+trabajo|ofertas?\\s+de\\s+formación|pasos\\s+de\\s+trabajo|"
                  "clima\\s+ordenado|de\\s+forma\\s+específica"),
              Nie, Nie, QStringLiteral("deutsche Wendung wörtlich übersetzt")},
         }},
    };
    static const QList<Notenmarke> keine;
    const auto it = listen.constFind(sprache);
    return it == listen.constEnd() ? keine : *it;
}

const Vielfaltregel& vielfaltregel(const QString& sprache)
{
    // Inflected forms are caught by a trailing \w*.
    static const QHash<QString, Vielfaltregel> regeln{
        {QStringLiteral("de"),
         {false,
          {
              {QStringLiteral("stets"), QStringLiteral("\\bstets\\b")},
              {QStringLiteral("jederzeit"), QStringLiteral("\\bjederzeit\\b")},
              {QStringLiteral("immer"), QStringLiteral("\\bimmer\\b")},
              {QStringLiteral("sehr"), QStringLiteral("\\bsehr\\b")},
              {QStringLiteral("äußerst"), QStringLiteral("\\bäußerst\\b")},
              {QStringLiteral("außerordentlich"), QStringLiteral("\\baußerordentlich\\w*")},
              {QStringLiteral("außergewöhnlich"), QStringLiteral("\\baußergewöhnlich\\w*")},
              {QStringLiteral("besonders"), QStringLiteral("\\bbesonders\\b")},
              {QStringLiteral("überaus"), QStringLiteral("\\büberaus\\b")},
              {QStringLiteral("ausgesprochen"), QStringLiteral("\\bausgesprochen\\b")},
          },
          QStringLiteral("(?:der|die|das|ein|eine)\\s+")}},

        {QStringLiteral("en"),
         {false,
          {
              {QStringLiteral("always"), QStringLiteral("(?<!not )\\balways\\b")},
              {QStringLiteral("not always"), QStringLiteral("\\bnot\\s+always\\b")},
              {QStringLiteral("consistently"), QStringLiteral("\\bconsistent\\w*")},
              {QStringLiteral("invariably"), QStringLiteral("\\binvariabl\\w*")},
              {QStringLiteral("unfailingly"), QStringLiteral("\\bunfailing\\w*")},
              {QStringLiteral("at all times"), QStringLiteral("\\bat\\s+all\\s+times\\b")},
              {QStringLiteral("very"), QStringLiteral("\\bvery\\b")},
              {QStringLiteral("extremely"), QStringLiteral("\\bextremely\\b")},
              {QStringLiteral("exceptionally"), QStringLiteral("\\bexceptional\\w*")},
              {QStringLiteral("highly"), QStringLiteral("\\bhighly\\b")},
              {QStringLiteral("particularly"), QStringLiteral("\\bparticular\\w*")},
          },
          QStringLiteral("(?:the|a|an)\\s+")}},

        {QStringLiteral("fr"),
         {false,
          {
              // "pas toujours" restricts at grade 5 and is counted on its own
              {QStringLiteral("toujours"), QStringLiteral("(?<!\\bpas )\\btoujours\\b")},
              {QStringLiteral("pas toujours"), QStringLiteral("\\bpas\\s+toujours\\b")},
              {QStringLiteral("constamment"), QStringLiteral("\\bconstam\\w*")},
              {QStringLiteral("en tout temps"), QStringLiteral("\\ben\\s+tout\\s+temps\\b")},
              {QStringLiteral("très"), QStringLiteral("\\btrès\\b")},
              {QStringLiteral("extrêmement"), QStringLiteral("\\bextrêmement\\b")},
              {QStringLiteral("particulièrement"), QStringLiteral("\\bparticulièrement\\b")},
              {QStringLiteral("remarquable"), QStringLiteral("\\bremarquabl\\w*")},
          },
          QStringLiteral("(?:le|la|les|un|une)\\s+|l['’]")}},

        {QStringLiteral("it"),
         {false,
          {
              // "non sempre" restricts at grade 5 and is no praise
              {QStringLiteral("sempre"),
               QStringLiteral("(?<!\\bnon )(?<!\\bnon è )(?<!\\bnon era )\\bsempre\\b")},
              {QStringLiteral("costantemente"), QStringLiteral("\\bcostant\\w*")},
              {QStringLiteral("in ogni momento"), QStringLiteral("\\bin\\s+ogni\\s+momento\\b")},
              {QStringLiteral("molto"), QStringLiteral("\\bmolto\\b")},
              {QStringLiteral("estremamente"), QStringLiteral("\\bestremamente\\b")},
              {QStringLiteral("particolarmente"), QStringLiteral("\\bparticolarmente\\b")},
              {QStringLiteral("eccellente"), QStringLiteral("\\beccellent\\w*")},
              {QStringLiteral("straordinariamente"), QStringLiteral("\\bstraordinari\\w*")},
              {QStringLiteral("invariabilmente"), QStringLiteral("\\binvariabilmente\\b")},
              {QStringLiteral("in ogni circostanza"),
               QStringLiteral("\\bin\\s+ogni\\s+(circostanza|occasione|situazione)\\b")},
          },
          QStringLiteral("(?:il|lo|la|i|gli|le|un|uno|una)\\s+|l['’]|un['’]")}},

        {QStringLiteral("es"),
         {false,
          {
              // "no siempre" restricts at grade 5 and is counted on its own
              {QStringLiteral("siempre"), QStringLiteral("(?<!\\bno )\\bsiempre\\b")},
              {QStringLiteral("no siempre"), QStringLiteral("\\bno\\s+siempre\\b")},
              {QStringLiteral("constantemente"), QStringLiteral("\\bconstante\\w*")},
              {QStringLiteral("en todo momento"), QStringLiteral("\\ben\\s+todo\\s+momento\\b")},
              {QStringLiteral("invariablemente"), QStringLiteral("\\binvariablemente\\b")},
              {QStringLiteral("sin excepción"), QStringLiteral("\\bsin\\s+excepción\\b")},
              {QStringLiteral("una y otra vez"), QStringLiteral("\\buna\\s+y\\s+otra\\s+vez\\b")},
              {QStringLiteral("muy"), QStringLiteral("\\bmuy\\b")},
              {QStringLiteral("sumamente"), QStringLiteral("\\bsumamente\\b|\\bsum[oa]\\b")},
              {QStringLiteral("extraordinario"), QStringLiteral("\\bextraordinari\\w*")},
              {QStringLiteral("especialmente"), QStringLiteral("\\bespecialmente\\b")},
              {QStringLiteral("excelente"), QStringLiteral("\\bexcelente\\w*")},
              {QStringLiteral("solo en parte"), QStringLiteral("\\bs[óo]lo\\s+en\\s+parte\\b")},
          },
          QStringLiteral("(?:el|la|los|las|un|una)\\s+")}},
    };
    static const Vielfaltregel keine;
    const auto it = regeln.constFind(sprache);
    return it == regeln.constEnd() ? keine : *it;
}

QStringList saetzeVon(const QString& text)
{
    static const QRegularExpression grenze(QStringLiteral("(?<=[.!?])\\s+(?=[\\p{Lu}(\u201e\"])"),
                                           QRegularExpression::UseUnicodePropertiesOption);
    // A title before a name ends in a full stop but no sentence: "M. Maier", "Dr. Weber".
    static const QRegularExpression anrede(
        QStringLiteral("(^|\\s)(M|MM|Mme|Mlle|Dr|Prof|Sr|Sra|Srta|D|Dña|Hr|Fr)\\.$"),
        QRegularExpression::UseUnicodePropertiesOption);
    QStringList saetze;
    for (const QString& teil : text.split(grenze, Qt::SkipEmptyParts)) {
        if (!saetze.isEmpty() && anrede.match(saetze.constLast()).hasMatch())
            saetze.last() += QLatin1Char(' ') + teil.trimmed();
        else
            saetze << teil.trimmed();
    }
    return saetze;
}

QStringList gesamttext(const Satz& satz, const QString& buchstabe, int note, const QString& geschlecht,
                       const QString& name, const QString& sprache)
{
    QStringList phrasen;
    for (const Frage& frage : satz.fragen) {
        const Antwortzeile* gewaehlt = nullptr;
        for (const Antwortzeile& zeile : frage.antworten)
            if (zeile.note == note || (zeile.note == 0 && frage.antworten.size() == 1))
                gewaehlt = &zeile;
        if (!gewaehlt || gewaehlt->varianten.isEmpty())
            continue;
        const QString b = gewaehlt->varianten.contains(buchstabe) ? buchstabe : QStringLiteral("A");
        const auto texte = gewaehlt->varianten.value(b).value(sprache);
        if (texte.contains(geschlecht))
            phrasen << texte.value(geschlecht).zusammengesetzt(name);
    }
    return phrasen;
}

namespace {

class Gesamtpruefer
{
public:
    Meldungen ergebnis;

    void fehler(const Meldung& ort, const QString& text, bool warnung = false)
    {
        Meldung m = ort;
        m.stufe = warnung ? Meldung::Stufe::Warnung : Meldung::Stufe::Fehler;
        m.text = text;
        ergebnis.append(m);
    }

    void satz(const Satz& s, bool mitVielfalt)
    {
        durchlaufen(
            s, [this](const Meldung& ort, const Frage& frage) { rolle(ort, frage); },
            [this](const Meldung& ort, const Frage& frage, const Antwortzeile& zeile, const Formulierung& f) {
                text(ort, frage.rolle, zeile.note, f);
            });
        Meldung ort;
        ort.datei = s.datei;
        ort.satz = s.name;
        if (mitVielfalt)
            vielfalt(ort, s);
    }

private:
    // What the role asks of the question as a whole.
    void rolle(const Meldung& ort, const Frage& frage)
    {
        const bool ungewertet = frage.antworten.size() == 1 && frage.antworten.first().note == 0;
        if (frage.rolle == QStringLiteral("vertrauen") || frage.rolle == QStringLiteral("austritt")) {
            if (!ungewertet)
                fehler(ort, QStringLiteral("eine Frage der Rolle %1 ist ungewertet (eine Zeile mit Note 0)")
                                .arg(zitat(frage.rolle)));
            if (!frage.keineAussage)
                fehler(ort, QStringLiteral("eine Frage der Rolle %1 muss übersprungen werden können "
                                           "(keineAussage)")
                                .arg(zitat(frage.rolle)));
        }
        if (frage.rolle == QStringLiteral("einleitung")) {
            bool ohneGeburt = false;
            for (const Antwortzeile& zeile : frage.antworten)
                for (const Sprachtexte& texte : zeile.varianten) {
                    const QString t = texte.value(QStringLiteral("de")).value(QStringLiteral("m")).teil1;
                    if (!t.isEmpty() && !t.contains(QStringLiteral("(Geburtsdatum)")) &&
                        !t.contains(QStringLiteral("(Geburtsort)")))
                        ohneGeburt = true;
                }
            if (!ohneGeburt)
                fehler(ort, QStringLiteral("die Einleitung braucht eine Variante ohne Geburtsdatum und "
                                           "Geburtsort"));
        }
    }

    void text(const Meldung& ort, const QString& rolle, int note, const Formulierung& f)
    {
        const QString ganz = f.zusammengesetzt(Probename);
        for (const Notenmarke& marke : notenmarken(ort.sprache)) {
            if (note == 0 && marke.vonNote != Nie)
                continue; // an ungraded text carries no grade
            if (erlaubt(marke, note))
                continue;
            const auto treffer = muster(marke.ausdruck).match(ganz);
            if (treffer.hasMatch())
                fehler(ort,
                       QStringLiteral("%1 %2 (%3)")
                           .arg(zitat(treffer.captured()), notenText(marke), marke.grund),
                       marke.nurWarnung);
        }
        if (ort.sprache == QStringLiteral("fr") || ort.sprache == QStringLiteral("it"))
            elision(ort, f);
        if (ort.sprache == QStringLiteral("de")) {
            if (note > 0)
                zusammenfassung(ort, note, ganz);
            deutscheRolle(ort, rolle, note, ganz);
        }
    }

    // "de", "que", "le", "la", "di", "che", "lo" elide before a vowel; a name or position may begin with one.
    void elision(const Meldung& ort, const Formulierung& f)
    {
        static const QRegularExpression vorPlatzhalter = muster(QStringLiteral(
            "(^|[\\s'\u2019])(de|que|le|la|di|che|lo)\\s+\\((VollerName|Position|Geburtsort)\\)"));
        static const QRegularExpression vorNachname =
            muster(QStringLiteral("(^|[\\s'\u2019])(de|que|le|la|di|che|lo)\\s$"));
        const auto treffer = vorPlatzhalter.match(f.zusammengesetzt(Probename));
        if (treffer.hasMatch())
            fehler(ort, QStringLiteral("%1 müsste vor einem Vokal elidieren; anders anschließen (\u201ecomme "
                                       "(Position)\u201c, \u201eque Monsieur (VollerName)\u201c)")
                            .arg(zitat(treffer.captured().trimmed())));
        if (f.teil2) {
            const auto vorName = vorNachname.match(f.teil1);
            if (vorName.hasMatch())
                fehler(ort, QStringLiteral("%1 steht direkt vor dem Nachnamen und müsste vor einem Vokal "
                                           "elidieren; Anrede dazwischen setzen")
                                .arg(zitat(vorName.captured().trimmed())));
        }
    }

    // The summary fragments have one grade each, wherever they stand.
    void zusammenfassung(const Meldung& ort, int note, const QString& text)
    {
        static const QRegularExpression zufrieden = muster(
            QStringLiteral("(\\b(stets|jederzeit|immer)\\s+)?zu(r|\\s+unserer)\\s+(vollsten\\s+|vollen\\s+)?"
                           "Zufriedenheit"));
        static const QRegularExpression anerkennung = muster(
            QStringLiteral("(\\b(stets|jederzeit|immer)\\s+)?unsere[rn]?\\s+(höchsten?\\s+|vollen?\\s+)?"
                           "Anerkennung"));
        static const QRegularExpression eingeschraenkt =
            muster(QStringLiteral("im\\s+(Gro(ß|ss)en\\s+und\\s+Ganzen|Wesentlichen)"));
        const bool einschraenkung = eingeschraenkt.match(text).hasMatch();
        for (const auto* ausdruck : {&zufrieden, &anerkennung}) {
            for (auto it = ausdruck->globalMatch(text); it.hasNext();) {
                const auto t = it.next();
                const bool zeit = !t.captured(2).isEmpty();
                const QString stufe = t.captured(ausdruck == &zufrieden ? 4 : 3).trimmed().toLower();
                int soll = 0;
                if (stufe.startsWith(QStringLiteral("vollst")) || stufe.startsWith(QStringLiteral("höchst")))
                    soll = 1;
                else if (stufe.startsWith(QStringLiteral("voll")))
                    soll = zeit ? 2 : 3;
                else if (!zeit)
                    soll = einschraenkung ? 5 : 4;
                if (soll != 0 && soll != note)
                    fehler(ort, QStringLiteral("%1 ist eine Stufe der Zusammenfassung und gehört in Note %2")
                                    .arg(zitat(t.captured().trimmed()))
                                    .arg(soll));
            }
        }
    }

    void deutscheRolle(const Meldung& ort, const QString& rolle, int note, const QString& text)
    {
        static const QRegularExpression bemueht = muster(QStringLiteral("\\bbemüh\\w*"));
        static const QRegularExpression dank = muster(QStringLiteral("\\bdank"));
        static const QRegularExpression entscheidung =
            muster(QStringLiteral("\\b(seine[nr]?|ihre[nr]?)\\s+(Entscheidung|Entschluss)"));
        if (rolle == QStringLiteral("zusammenfassung")) {
            const auto t = bemueht.match(text);
            if (t.hasMatch())
                fehler(ort, QStringLiteral("%1 in der Zusammenfassung liest sich als Note unter 5")
                                .arg(zitat(t.captured())));
        }
        // A closing without thanks is the code for the lowest grade; that grade skips the question.
        if (rolle == QStringLiteral("dank") && note > 0 && !dank.match(text).hasMatch())
            fehler(ort, QStringLiteral("der Schluss dankt nicht und liest sich so als Note 5; für Note 5 "
                                       "wird die Frage übersprungen"));
        if (rolle == QStringLiteral("bedauern") || rolle == QStringLiteral("dank") ||
            rolle == QStringLiteral("wuensche")) {
            const auto t = entscheidung.match(text);
            if (t.hasMatch())
                fehler(ort,
                       QStringLiteral("%1 passt nur zum Ausscheiden auf eigenen Wunsch; der Schluss muss "
                                      "zu jeder Art des Ausscheidens passen")
                           .arg(zitat(t.captured())));
        }
    }

    // In a reference assembled from one letter at one grade in one language, no word opens more than a
    // third of the sentences and no time word or intensifier stands in more than 40 % of them.
    void vielfalt(const Meldung& ort, const Satz& s)
    {
        // The opening word is the first word after an article, so that "El señor Maier" and "El equipo"
        // open differently while "El señor Maier" three times does not.
        const auto erstesWort = [](const Vielfaltregel& regel) {
            const QString artikel =
                regel.artikel.isEmpty() ? QString() : QStringLiteral("(?:%1)?").arg(regel.artikel);
            return QRegularExpression(
                QStringLiteral("^[\u201e\u201c\u00ab\u00a1\u00bf\"]?\\s*%1(\\(?[\\p{L}]+\\)?)").arg(artikel),
                QRegularExpression::UseUnicodePropertiesOption | QRegularExpression::CaseInsensitiveOption);
        };
        for (int note = 1; note <= 5; ++note) {
            bool hatNote = false;
            for (const Frage& f : s.fragen)
                for (const Antwortzeile& z : f.antworten)
                    hatNote = hatNote || z.note == note;
            if (!hatNote)
                continue;
            for (const Regeln::Sprache& sprache : Regeln::Sprachen) {
                const QString code = sprache.quelle.toString();
                const Vielfaltregel& regel = vielfaltregel(code);
                const QRegularExpression anfang = erstesWort(regel);
                for (const QString& b : buchstaben())
                    for (const QString& g : geschlechter()) {
                        QStringList saetze;
                        for (const QString& phrase : gesamttext(s, b, note, g, Probename, code))
                            saetze << saetzeVon(phrase);
                        const qsizetype n = saetze.size();
                        if (n < MindestSaetze)
                            continue;
                        Meldung o = ort;
                        o.note = note;
                        o.buchstabe = b;
                        o.sprache = code;
                        o.geschlecht = g;
                        QHash<QString, int> anfaenge;
                        for (const QString& satz : saetze) {
                            const auto t = anfang.match(satz);
                            if (t.hasMatch())
                                ++anfaenge[t.captured(1).toLower()];
                        }
                        for (auto it = anfaenge.begin(); it != anfaenge.end(); ++it)
                            if (3 * it.value() > n)
                                fehler(o,
                                       QStringLiteral("im ganzen Zeugnis dieser Variante beginnen %1 von %2 "
                                                      "Sätzen mit %3 (höchstens ein Drittel)")
                                           .arg(it.value())
                                           .arg(n)
                                           .arg(zitat(it.key())),
                                       regel.nurWarnung);
                        for (const auto& eintrag : regel.verstaerker) {
                            const QRegularExpression wort = muster(eintrag.second);
                            // clang 14 cannot capture a structured binding: the lambda takes the pattern.
                            const auto anzahl =
                                std::count_if(saetze.begin(), saetze.end(), [&wort](const QString& satz) {
                                    return wort.match(satz).hasMatch();
                                });
                            if (10 * anzahl > 4 * n)
                                fehler(
                                    o,
                                    QStringLiteral("im ganzen Zeugnis dieser Variante steht %1 in %2 von %3 "
                                                   "Sätzen (höchstens 40 %)")
                                        .arg(zitat(eintrag.first))
                                        .arg(anzahl)
                                        .arg(n),
                                    regel.nurWarnung);
                        }
                    }
            }
        }
    }

    // Below this many sentences a repeated opening is no monotony.
    static constexpr qsizetype MindestSaetze = 4;
};

} // namespace

Meldungen gesamtpruefung(const QList<Satz>& saetze, bool vielfalt)
{
    Gesamtpruefer pruefer;
    for (const Satz& s : saetze)
        pruefer.satz(s, vielfalt);
    return pruefer.ergebnis;
}

} // namespace Katalogbau
