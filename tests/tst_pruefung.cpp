#include "engine/Datumspruefung.h"
#include "engine/Gesamtpruefung.h"
#include "engine/Wendungen.h"
#include "store/Sitzung.h"
#include "tests/Arbeitsordner.h"
#include "tests/Beispielsitzung.h"
#include "tests/Testkatalog.h"

#include <QTest>

using Gesamtpruefung::Befund;
using Gesamtpruefung::Frage;
using Gesamtpruefung::Wahl;

namespace {

// A question written as "rolle:note:wahl[:text]", wahl one of A B C E (own wording) S (skipped) O (open).
Frage frage(qint32 nr, const QString& kurz)
{
    const QStringList t = kurz.split(QLatin1Char(':'));
    Frage f;
    f.nr = nr;
    f.rolle = t.value(0);
    f.note = qint16(t.value(1).toInt());
    const QString w = t.value(2);
    f.wahl = w == u"A"   ? Wahl::A
             : w == u"B" ? Wahl::B
             : w == u"C" ? Wahl::C
             : w == u"E" ? Wahl::Eigene
             : w == u"S" ? Wahl::Uebersprungen
                         : Wahl::Offen;
    f.eigenerText = t.value(3);
    return f;
}

Gesamtpruefung::Eingabe eingabe(qint16 typ, const QStringList& fragen)
{
    Gesamtpruefung::Eingabe e;
    e.typ = typ;
    for (qsizetype i = 0; i < fragen.size(); ++i)
        e.fragen.append(frage(qint32(i + 1), fragen.at(i)));
    return e;
}

// The findings as "frage|text", each cut to the length of its expected counterpart: the start of a text is
// enough to tell the rules apart.
QStringList kurz(const QList<Befund>& befunde, const QStringList& erwartet = {})
{
    QStringList r;
    for (const Befund& b : befunde) {
        const QString ganz = QStringLiteral("%1|%2").arg(b.frage).arg(b.text);
        r << (r.size() < erwartet.size() ? ganz.left(erwartet.at(r.size()).size()) : ganz);
    }
    return r;
}

// A sound reference of type 1: introduction, three performances of grade 2, summary 2, conduct 2, leaving,
// regret, thanks and wishes of grade 2.
QStringList gesund()
{
    return {QStringLiteral("einleitung:0:A"),
            QStringLiteral("leistung:2:A"),
            QStringLiteral("leistung:2:B"),
            QStringLiteral("leistung:2:C"),
            QStringLiteral("zusammenfassung:2:A"),
            QStringLiteral("verhalten:2:A"),
            QStringLiteral("austritt:0:B"),
            QStringLiteral("bedauern:2:A"),
            QStringLiteral("dank:2:A"),
            QStringLiteral("wuensche:2:A")};
}

QStringList mit(QStringList fragen, int index, const QString& neu)
{
    fragen[index] = neu;
    return fragen;
}

} // namespace

class TstPruefung : public QObject
{
    Q_OBJECT

private slots:
    void datumLesen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("datum");
        QTest::newRow("TT.MM.JJJJ") << QStringLiteral("15.03.2005") << QDate(2005, 3, 15);
        QTest::newRow("einstellig") << QStringLiteral("1.4.2010") << QDate(2010, 4, 1);
        QTest::newRow("Blanks außen") << QStringLiteral(" 1.4.2010 ") << QDate(2010, 4, 1);
        QTest::newRow("Schalttag") << QStringLiteral("29.02.2024") << QDate(2024, 2, 29);
        QTest::newRow("31. Februar") << QStringLiteral("31.02.1990") << QDate();
        QTest::newRow("kein Schaltjahr") << QStringLiteral("29.02.2023") << QDate();
        QTest::newRow("ISO") << QStringLiteral("2005-03-15") << QDate();
        QTest::newRow("Monatsname") << QStringLiteral("Juli 2026") << QDate();
        QTest::newRow("zweistelliges Jahr") << QStringLiteral("1.4.10") << QDate();
        QTest::newRow("Monat 13") << QStringLiteral("01.13.2010") << QDate();
        QTest::newRow("leer") << QString() << QDate();
    }
    void datumLesen()
    {
        QFETCH(QString, text);
        QFETCH(QDate, datum);
        QCOMPARE(Datumspruefung::lesen(text).value_or(QDate()), datum);
    }

    void datumsWarnungen_data()
    {
        QTest::addColumn<QStringList>("daten"); // birth, entry, leaving, reference
        QTest::addColumn<QStringList>("felder");
        QTest::addColumn<int>("art");
        const auto d = [](const char* g, const char* e, const char* a, const char* z) {
            return QStringList{QString::fromUtf8(g), QString::fromUtf8(e), QString::fromUtf8(a),
                               QString::fromUtf8(z)};
        };
        QTest::newRow("stimmig") << d("1.2.1980", "1.4.2010", "30.6.2024", "30.06.2024") << QStringList{}
                                 << 2;
        QTest::newRow("unlesbar, Regeln entfallen")
            << d("31.02.1990", "2005-03-15", "Juli 2026", "30.6.2024")
            << QStringList{QStringLiteral("Geburtsdatum"), QStringLiteral("Eintrittsdatum"),
                           QStringLiteral("Austrittsdatum")}
            << 2;
        QTest::newRow("leer wird nicht gewarnt") << d("", "", "", "") << QStringList{} << 2;
        QTest::newRow("Austritt vor Eintritt") << d("1.2.1980", "1.4.2010", "31.3.2010", "31.3.2010")
                                               << QStringList{QStringLiteral("Austrittsdatum")} << 2;
        QTest::newRow("Austritt am Eintrittstag")
            << d("1.2.1980", "1.4.2010", "1.4.2010", "1.4.2010") << QStringList{} << 2;
        QTest::newRow("Zeugnis später") << d("1.2.1980", "1.4.2010", "30.6.2024", "15.7.2024")
                                        << QStringList{QStringLiteral("Zeugnisdatum")} << 2;
        QTest::newRow("13 Jahre beim Eintritt") << d("2.4.1996", "1.4.2010", "30.6.2024", "30.6.2024")
                                                << QStringList{QStringLiteral("Geburtsdatum")} << 2;
        QTest::newRow("am 14. Geburtstag")
            << d("1.4.1996", "1.4.2010", "30.6.2024", "30.6.2024") << QStringList{} << 2;
        QTest::newRow("alles zugleich")
            << d("1.1.2000", "1.4.2010", "1.1.2009", "1.1.2020")
            << QStringList{QStringLiteral("Austrittsdatum"), QStringLiteral("Zeugnisdatum"),
                           QStringLiteral("Geburtsdatum")}
            << 2;
        // An interim reference has no leaving date: whatever stands in its field is not judged.
        QTest::newRow("Zwischenzeugnis: Austritt vor Eintritt, anderes Zeugnisdatum")
            << d("1.2.1980", "1.4.2010", "31.3.2010", "15.7.2024") << QStringList{} << 3;
        QTest::newRow("Zwischenzeugnis: Austrittsfeld unlesbar")
            << d("1.2.1980", "1.4.2010", "Juli 2026", "15.7.2024") << QStringList{} << 3;
        QTest::newRow("Zwischenzeugnis: die anderen Regeln bleiben")
            << d("2.4.1996", "1.4.2010", "", "2024-07-15")
            << QStringList{QStringLiteral("Zeugnisdatum"), QStringLiteral("Geburtsdatum")} << 3;
        QTest::newRow("einfaches Zeugnis wie das qualifizierte")
            << d("1.2.1980", "1.4.2010", "31.3.2010", "31.3.2010")
            << QStringList{QStringLiteral("Austrittsdatum")} << 1;
    }

    void datumsWarnungen()
    {
        QFETCH(QStringList, daten);
        QFETCH(QStringList, felder);
        QFETCH(int, art);
        Arbeitnehmerdaten a;
        a.Geburtsdatum = daten.at(0);
        a.Eintrittsdatum = daten.at(1);
        a.Austrittsdatum = daten.at(2);
        a.Zeugnisdatum = daten.at(3);
        QStringList gefunden;
        for (const auto& w : Datumspruefung::warnungen(a, qint16(art))) {
            QVERIFY2(!w.text.isEmpty(), qPrintable(w.feld));
            gefunden << w.feld;
        }
        QCOMPARE(gefunden, felder);
    }

    void regeln_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QStringList>("fragen");
        QTest::addColumn<QStringList>("befunde");
        const auto L = [](const char* t) {
            return QString::fromUtf8(t);
        };
        const QStringList g = gesund();

        QTest::newRow("stimmig") << 1 << g << QStringList{};
        QTest::newRow("eine Note Abstand ist keiner")
            << 1 << mit(g, 4, L("zusammenfassung:3:A")) << QStringList{};
        QTest::newRow("Zusammenfassung über dem Schnitt")
            << 1
            << QStringList{L("leistung:3:A"), L("leistung:3:B"), L("leistung:4:A"), L("zusammenfassung:1:A"),
                           L("austritt:0:A")}
            << QStringList{L("4|Die Zusammenfassung (Not"), L("3|Note 4 (ausreichend) lieg")};
        QTest::newRow("Schluss der Note 1 unter Zusammenfassung 3")
            << 1
            << QStringList{L("leistung:3:A"), L("leistung:3:B"), L("zusammenfassung:3:A"), L("austritt:0:A"),
                           L("bedauern:1:A"), L("dank:1:B"),     L("wuensche:2:A")}
            << QStringList{L("5|Das Bedauern (Note 1) pa"), L("6|Der Dank (Note 1) passt ")};
        QTest::newRow("Verhalten gegen Leistung ohne Zusammenfassung")
            << 1 << QStringList{L("einleitung:0:A"),      L("leistung:1:A"),  L("leistung:1:A"),
                                L("zusammenfassung:0:S"), L("verhalten:3:A"), L("verhalten:4:B"),
                                L("austritt:0:A")}
            << QStringList{L("5|Das Verhalten (Schnitt 3"), L("6|Note 4 (ausreichend) lieg")};
        QTest::newRow("Hinweis bei Note 5")
            << 1 << mit(g, 1, L("leistung:5:A")) << QStringList{L("2|Note 5 (mangelhaft) lieg")};
        QTest::newRow("eigene Formulierung zählt nicht als Note")
            << 1 << mit(g, 1, L("leistung:5:E:Sie arbeitete sorgfältig.")) << QStringList{};
        QTest::newRow("Führungskraft ohne Führung")
            << 2 << (QStringList(g) << L("fuehrung:2:S") << L("fuehrung:2:O"))
            << QStringList{L("11|Das Zeugnis einer Führung")};
        QTest::newRow("Führung in eigenen Worten")
            << 2 << (QStringList(g) << L("fuehrung:0:E:Er führte sein Team umsichtig.")) << QStringList{};
        QTest::newRow("Führung nur bei Führungskräften erwartet")
            << 1 << (QStringList(g) << L("fuehrung:2:S")) << QStringList{};
        QTest::newRow("Ausbildung mit leerer eigener Formulierung")
            << 3 << (QStringList(g) << L("ausbildungsinhalte:0:E:"))
            << QStringList{L("11|Das Ausbildungszeugnis ne")};
        QTest::newRow("keine Austrittsformel")
            << 4 << mit(g, 6, L("austritt:0:S")) << QStringList{L("7|Das Zeugnis enthält kein")};
        QTest::newRow("Satz ohne Austrittsfrage erwartet keine")
            << 1 << QStringList{L("einleitung:0:A"), L("aufgaben:0:B")} << QStringList{};
        QTest::newRow("ohne Rollen nur Hinweise und eigene Worte")
            << 1 << QStringList{L(":0:A"), L(":1:A"), L(":4:B"), L(":0:E:Er war stets gesellig.")}
            << QStringList{L("0|Der Fragenkatalog nennt d"), L("3|Note 4 (ausreichend) lieg"),
                           L("4|Die eigene Formulierung ")};
    }
    void regeln()
    {
        QFETCH(int, typ);
        QFETCH(QStringList, fragen);
        QFETCH(QStringList, befunde);
        QCOMPARE(kurz(Gesamtpruefung::pruefen(eingabe(qint16(typ), fragen)), befunde), befunde);
    }

    // The expected closing parts by kind: a final reference misses its leaving formula, an interim one its
    // reason and its thanks; neither is asked for in the other kind.
    void erwartungenJeArt_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<QStringList>("fragen");
        QTest::addColumn<QStringList>("befunde");
        const auto L = [](const char* t) {
            return QString::fromUtf8(t);
        };
        const QStringList zwischen{L("einleitung:0:A"), L("leistung:2:A"), L("zusammenfassung:2:B"),
                                   L("verhalten:2:A"),  L("anlass:0:B"),   L("dank:2:A")};
        QTest::newRow("Zwischenzeugnis stimmig") << 3 << zwischen << QStringList{};
        QTest::newRow("Zwischenzeugnis ohne Anlass")
            << 3 << mit(zwischen, 4, L("anlass:0:S")) << QStringList{L("5|Das Zwischenzeugnis nennt k")};
        QTest::newRow("Zwischenzeugnis ohne Dank")
            << 3 << mit(zwischen, 5, L("dank:0:S")) << QStringList{L("6|Das Zwischenzeugnis schließt")};
        QTest::newRow("Zwischenzeugnis vermisst keine Austrittsformel")
            << 3 << (QStringList(zwischen) << L("austritt:0:S")) << QStringList{};
        QTest::newRow("Endzeugnis vermisst sie") << 2 << (QStringList(zwischen) << L("austritt:0:S"))
                                                 << QStringList{L("7|Das Zeugnis enthält keine Au")};
        QTest::newRow("einfaches Zeugnis vermisst sie")
            << 1 << QStringList{L("einleitung:0:A"), L("austritt:0:S")}
            << QStringList{L("2|Das Zeugnis enthält keine Au")};
        QTest::newRow("Endzeugnis fragt nicht nach Anlass und Dank")
            << 2 << QStringList{L("einleitung:0:A"), L("anlass:0:S"), L("dank:0:S"), L("austritt:0:A")}
            << QStringList{};
    }
    void erwartungenJeArt()
    {
        QFETCH(int, art);
        QFETCH(QStringList, fragen);
        QFETCH(QStringList, befunde);
        Gesamtpruefung::Eingabe e = eingabe(Typ::Gewerblich, fragen);
        e.art = qint16(art);
        QCOMPARE(kurz(Gesamtpruefung::pruefen(e), befunde), befunde);
    }

    void eigeneWorte_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("grund"); // empty: no finding
        const auto L = [](const char* t) {
            return QString::fromUtf8(t);
        };
        QTest::newRow("Geheimcode") << L("Er war stets gesellig.") << L("Geheimcode (Geselligkeit)");
        QTest::newRow("Krankheit") << L("Er fehlte wegen Krankheit.") << L("Krankheit");
        QTest::newRow("englisch") << L("He was often sick.") << L("Krankheit oder Behinderung");
        QTest::newRow("Notenzahl") << L("Gesamtnote 2,0") << L("eine Notenzahl");
        QTest::newRow("Note mit Ziffer") << L("Sie erhielt von uns die Note 1.") << L("eine Notenzahl");
        QTest::newRow("Notentabelle")
            << L("Fachwissen: gut\nArbeitsweise: sehr gut") << L("eine Schulnotentabelle");
        QTest::newRow("Schulnote im Satz") << L("Seine Leistungen waren gut.") << L("eine Schulnote");
        QTest::newRow("gut als Wort") << L("Er arbeitete gut und zuverlässig.") << QString();
        QTest::newRow("Zahl ohne Note") << L("Er war 2 Jahre bei uns.") << QString();
        QTest::newRow("Gehalt") << L("Er erhielt 2.500 Euro.") << QString();
    }
    void eigeneWorte()
    {
        QFETCH(QString, text);
        QFETCH(QString, grund);
        Frage f;
        f.nr = 7;
        f.rolle = QStringLiteral("aufgaben");
        f.wahl = Wahl::Eigene;
        f.eigenerText = QString(text).replace(QStringLiteral("\\n"), QStringLiteral("\r\n"));
        Gesamtpruefung::Eingabe e;
        e.fragen = {f};
        const auto befunde = Gesamtpruefung::pruefen(e);
        if (grund.isEmpty()) {
            QCOMPARE(kurz(befunde), QStringList{});
            return;
        }
        QCOMPARE(befunde.size(), 1);
        QCOMPARE(befunde.first().frage, 7);
        QVERIFY2(befunde.first().text.contains(grund), qPrintable(befunde.first().text));
    }

    // The roles come from the catalogue's table Fragenrolle, the choices from Auswahl; a catalogue without
    // the table gives questions without roles.
    void ladenAusKatalog_data()
    {
        QTest::addColumn<bool>("rollentabelle");
        QTest::newRow("mit Fragenrolle") << true;
        QTest::newRow("ohne Fragenrolle") << false;
    }
    void ladenAusKatalog()
    {
        QFETCH(bool, rollentabelle);
        Arbeitsordner ordner;
        Testkatalog k;
        k.ungewerteteFrage(1)
            .bewerteteFrage(2)
            .bewerteteFrage(3, 5, false, true)
            .ungewerteteFrage(4, false, true);
        k.bewerteteFrage(9, 5, false, false, 2, 2);
        if (rollentabelle) {
            k.sql(QStringLiteral("CREATE TABLE Fragenrolle (Nr INTEGER PRIMARY KEY, Rolle TEXT NOT NULL)"));
            k.sql(QStringLiteral("INSERT INTO Fragenrolle VALUES (1, 'einleitung'), (2, 'leistung'), "
                                 "(3, 'zusammenfassung'), (4, 'austritt'), (9, 'fuehrung')"));
        }
        k.sql(QStringLiteral(
            "INSERT INTO Auswahl (Frage, Note, Variante, KeineAussage, EigeneFormulierung) VALUES "
            "(1, 0, 'B', 0, NULL), (2, 3, NULL, 0, 'Eigene Worte.'), (3, 2, 'C', 0, 'Gelöscht'), "
            "(4, 0, NULL, 1, NULL)"));
        sitzungSetzen(1, 2, 1);
        const auto e = Gesamtpruefung::laden(Sitzung::instanz());
        QVERIFY2(e.ok(), qPrintable(e.fehler()));
        QCOMPARE(e->typ, qint16(1));
        QStringList gelesen;
        for (const Frage& f : e->fragen)
            gelesen << QStringLiteral("%1 %2 %3 %4 %5")
                           .arg(f.nr)
                           .arg(f.rolle.isEmpty() ? QStringLiteral("-") : f.rolle)
                           .arg(f.note)
                           .arg(int(f.wahl))
                           .arg(f.eigenerText);
        const QStringList rollen =
            rollentabelle ? QStringList{QStringLiteral("einleitung"), QStringLiteral("leistung"),
                                        QStringLiteral("zusammenfassung"), QStringLiteral("austritt")}
                          : QStringList(4, QStringLiteral("-"));
        QCOMPARE(gelesen, (QStringList{QStringLiteral("1 %1 0 2 ").arg(rollen[0]),
                                       QStringLiteral("2 %1 3 4 Eigene Worte.").arg(rollen[1]),
                                       QStringLiteral("3 %1 2 3 Gelöscht").arg(rollen[2]),
                                       QStringLiteral("4 %1 0 5 ").arg(rollen[3])}));
    }
};

QTEST_GUILESS_MAIN(TstPruefung)
#include "tst_pruefung.moc"
