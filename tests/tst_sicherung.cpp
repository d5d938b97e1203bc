#include "engine/Fortschritt.h"
#include "engine/Katalog.h"
#include "engine/Startpruefung.h"
#include "screens/Einmalklick.h"
#include "screens/Einzeilig.h"
#include "screens/Einzelstart.h"
#include "store/Dateiablage.h"
#include "store/Einstellungen.h"
#include "store/Profil.h"
#include "store/Sperre.h"
#include "store/Text.h"
#include "tests/Beispielsitzung.h"
#include "tests/Testkatalog.h"
#include "tests/Testumgebung.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLockFile>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleHints>
#include <QSysInfo>
#include <QTest>
#include <unistd.h>

namespace {

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QByteArray inhaltVon(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

void ablegen(const QString& pfad, const QByteArray& inhalt)
{
    QFile datei(pfad);
    QVERIFY(datei.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(datei.write(inhalt), inhalt.size());
}

// Makes the given step of every file replacement fail while it lives.
class Stoerung
{
public:
    explicit Stoerung(Dateiablage::Schritt schritt)
    {
        Dateiablage::setzeStoerung(
            [schritt](Dateiablage::Schritt s, const QString&) { return s == schritt; });
    }
    ~Stoerung() { Dateiablage::setzeStoerung({}); }
    Stoerung(const Stoerung&) = delete;
    Stoerung& operator=(const Stoerung&) = delete;
};

const QByteArray Bisher = "[Pers\xF6nliche Daten]\r\nFirma=Muster GmbH\r\nName=Erika Beispiel\r\n"
                          "[Abbruch]\r\nFrage= 7\r\nZahl= 6\r\n";

using Fortschritt::Stand;
using Fortschritt::Zustand;

Stand stand(Zustand zustand, qint32 frage, qint16 zahl, const QString& text, const QString& sprache = {})
{
    Stand s;
    s.zustand = zustand;
    s.frage = frage;
    s.zahl = zahl;
    s.typ = 1;
    s.art = 2;
    s.text = text;
    s.sprache = sprache;
    return s;
}

// What a start finds, the last finished reference left out.
Stand beimStart()
{
    auto s = Fortschritt::beimStart(Einstellungen::fortschrittLaden());
    if (!s) {
        qWarning("%s", qPrintable(s.fehler()));
        return {};
    }
    Stand r = *s;
    r.fertig.clear();
    return r;
}

// The copy in the settings file: Frage, Zahl, Arbeitnehmertyp, Zeugnisart.
QList<int> abschrift()
{
    QList<int> r;
    for (const char* k : {"Frage", "Zahl", "Arbeitnehmertyp", "Zeugnisart"})
        r << Text::zahlLesen(Profil::lesen(Profil::Abbruch, QString::fromLatin1(k)).value_or(QString()));
    return r;
}

} // namespace

namespace Fortschritt {
char* toString(const Stand& s)
{
    return qstrdup(
        QStringLiteral("Zustand %1, Frage %2, Zahl %3, Typ %4, Art %5, Sprache \"%6\", Text \"%7\"")
            .arg(int(s.zustand))
            .arg(s.frage)
            .arg(s.zahl)
            .arg(s.typ)
            .arg(s.art)
            .arg(s.sprache, s.text)
            .toUtf8()
            .constData());
}
} // namespace Fortschritt

class TstSicherung : public QObject
{
    Q_OBJECT

private slots:
    // A replacement that fails at any step, with one key or several, leaves the old file byte for byte,
    // says so, and leaves no temporary file behind.
    void ersetzenScheitertOhneVerlust_data()
    {
        QTest::addColumn<Dateiablage::Schritt>("schritt");
        QTest::addColumn<bool>("vorhanden");
        for (auto s : {Dateiablage::Schritt::Oeffnen, Dateiablage::Schritt::Schreiben,
                       Dateiablage::Schritt::Leeren, Dateiablage::Schritt::Uebernehmen}) {
            for (bool vorhanden : {true, false})
                QTest::addRow("%s, Datei %s", qPrintable(Dateiablage::name(s)), vorhanden ? "da" : "neu")
                    << s << vorhanden;
        }
    }
    void ersetzenScheitertOhneVerlust()
    {
        QFETCH(Dateiablage::Schritt, schritt);
        QFETCH(bool, vorhanden);
        Arbeitsordner ordner;
        const QString pfad = ordner.pfad(Profil::Dateiname);
        if (vorhanden)
            ablegen(pfad, Bisher);

        QString fehler;
        {
            Stoerung stoerung(schritt);
            QVERIFY(!Profil::schreiben(pfad, Profil::Abbruch, u("Frage"), u(" 8"), &fehler));
            QVERIFY2(fehler.contains(u("konnte nicht geschrieben werden")), qPrintable(fehler));
            const Status mehrere = Profil::schreiben(
                {{Profil::Abbruch, u("Frage"), u(" 8")}, {Profil::Abbruch, u("Zahl"), u(" 7")}});
            QVERIFY(!mehrere);
            QVERIFY2(mehrere.fehler().contains(QDir::toNativeSeparators(pfad)), qPrintable(mehrere.fehler()));
        }
        QCOMPARE(QFileInfo::exists(pfad), vorhanden);
        if (vorhanden)
            QCOMPARE(inhaltVon(pfad), Bisher);
        QCOMPARE(QDir::current().entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
                 vorhanden ? QStringList{Profil::Dateiname} : QStringList{});

        // Without the failure the same write succeeds, all keys in one go.
        QVERIFY(Profil::schreiben(
            pfad, {{Profil::Abbruch, u("Frage"), u(" 8")}, {Profil::Abbruch, u("Zahl"), u(" 7")}}));
        QCOMPARE(Profil::lesen(pfad, Profil::Abbruch, u("Frage")), std::optional<QString>(u("8")));
        QCOMPARE(Profil::lesen(pfad, Profil::Abbruch, u("Zahl")), std::optional<QString>(u("7")));
    }

    // A file larger than any settings file is reported, neither parsed nor overwritten.
    void uebergrosseDateiWirdGemeldet()
    {
        Arbeitsordner ordner;
        const QString pfad = ordner.pfad(Profil::Dateiname);
        QByteArray gross = Bisher;
        gross.append(QByteArray(Profil::Hoechstgroesse, 'x'));
        ablegen(pfad, gross);

        QString gelesen;
        const ProfilDatei abbild = Profil::laden(pfad, &gelesen);
        QVERIFY2(gelesen.contains(u("zu groß")), qPrintable(gelesen));
        QVERIFY(gelesen.contains(QDir::toNativeSeparators(pfad)));
        QCOMPARE(abbild.lesen(Profil::PersoenlicheDaten, u("Firma")), std::nullopt);

        QString fehler;
        QVERIFY(!Profil::schreiben(Profil::Abbruch, u("Frage"), u("0"), &fehler));
        QVERIFY2(fehler.contains(u("zu groß")), qPrintable(fehler));
        QCOMPARE(inhaltVon(pfad), gross);

        // At the limit the file is still read.
        ablegen(pfad, Bisher + QByteArray(Profil::Hoechstgroesse - Bisher.size(), ' '));
        gelesen.clear();
        const ProfilDatei grenze = Profil::laden(pfad, &gelesen);
        QCOMPARE(gelesen, QString());
        QCOMPARE(grenze.lesen(Profil::PersoenlicheDaten, u("Firma")),
                 std::optional<QString>(u("Muster GmbH")));
    }

    // A save that stops between any two of its steps, as a crash there would, leaves either the previous
    // state or the new one at the next start, never a mix; once the catalogue file has the new state, it
    // counts, whatever the settings file says.
    void fortschrittUnterbrochen_data()
    {
        QTest::addColumn<Stand>("vorher");
        QTest::addColumn<Stand>("nachher");
        QTest::addColumn<int>("schritt"); // -1: no failure
        const Stand frage3 = stand(Zustand::Fragen, 3, 2, u("Satz eins. Satz zwei."));
        const Stand frage4 = stand(Zustand::Fragen, 4, 3, u("Satz eins. Satz zwei. Satz drei."));
        const Stand ende = stand(Zustand::Ende, 0, 4, u("Satz eins.\r\n\r\nBonn, 30.6.2024"), u("Englisch"));
        Stand ausgegeben = ende;
        ausgegeben.zustand = Zustand::Ausgegeben;
        const Stand keiner = stand(Zustand::Keiner, 0, 0, QString());
        const QList<std::tuple<const char*, Stand, Stand>> wechsel{{"Antwort", frage3, frage4},
                                                                   {"letzte Antwort", frage4, ende},
                                                                   {"Ausgabe", ende, ausgegeben},
                                                                   {"Verwerfen", frage4, keiner}};
        for (const auto& [name, vorher, nachher] : wechsel)
            for (int schritt = -1; schritt <= int(Fortschritt::Schritt::Abschrift); ++schritt)
                QTest::addRow("%s, Schritt %d", name, schritt) << vorher << nachher << schritt;
    }
    void fortschrittUnterbrochen()
    {
        QFETCH(Stand, vorher);
        QFETCH(Stand, nachher);
        QFETCH(int, schritt);
        Arbeitsordner ordner;
        Testkatalog katalog;
        QVERIFY(Fortschritt::speichern(vorher).fehler.isEmpty());
        QCOMPARE(beimStart(), vorher);
        const QList<int> abschriftVorher = abschrift();

        Fortschritt::setzeStoerung([schritt](Fortschritt::Schritt s) { return int(s) == schritt; });
        const Fortschritt::Gespeichert g = Fortschritt::speichern(nachher);
        Fortschritt::setzeStoerung({});

        const bool imKatalog = schritt < 0 || schritt == int(Fortschritt::Schritt::Abschrift);
        QCOMPARE(g.ok(), imKatalog);
        QCOMPARE(g.hinweis.isEmpty(), schritt != int(Fortschritt::Schritt::Abschrift));
        QCOMPARE(beimStart(), imKatalog ? nachher : vorher);
        if (schritt != -1)
            QCOMPARE(abschrift(), abschriftVorher);
        else if (nachher.zustand == Zustand::Fragen)
            QCOMPARE(abschrift(), (QList<int>{nachher.frage, nachher.zahl, 1, 2}));
        else
            QCOMPARE(abschrift().first(), 0);
    }

    // The same when the settings file cannot be replaced at any of its steps.
    void abschriftScheitertBeiVollerPlatte()
    {
        Arbeitsordner ordner;
        Testkatalog katalog;
        const Stand frage3 = stand(Zustand::Fragen, 3, 2, u("Satz eins."));
        const Stand frage4 = stand(Zustand::Fragen, 4, 3, u("Satz eins. Satz zwei."));
        QVERIFY(Fortschritt::speichern(frage3).fehler.isEmpty());
        {
            Stoerung stoerung(Dateiablage::Schritt::Leeren);
            const Fortschritt::Gespeichert g = Fortschritt::speichern(frage4);
            QVERIFY(g.ok());
            QVERIFY2(g.hinweis.contains(u("konnte nicht geschrieben werden")), qPrintable(g.hinweis));
        }
        QCOMPARE(abschrift(), (QList<int>{3, 2, 1, 2}));
        QCOMPARE(beimStart(), frage4);
    }

    // The finished reference stays retrievable after the hand-out and while the next one is written.
    void fertigesZeugnisBleibt()
    {
        Arbeitsordner ordner;
        Testkatalog katalog;
        const Stand ende = stand(Zustand::Ende, 0, 4, u("Fertig."), u("Deutsch"));
        Stand ausgegeben = ende;
        ausgegeben.zustand = Zustand::Ausgegeben;
        QVERIFY(Fortschritt::speichern(ende).ok());
        QVERIFY(Fortschritt::speichern(ausgegeben).ok());
        QVERIFY(Fortschritt::speichern(stand(Zustand::Keiner, 0, 0, {})).ok());
        QVERIFY(Fortschritt::speichern(stand(Zustand::Fragen, 2, 1, u("Neu."))).ok());
        auto s = Fortschritt::lesen();
        QVERIFY(s && *s);
        QCOMPARE((*s)->fertig, u("Fertig."));
        QCOMPARE((*s)->text, u("Neu."));
    }

    // A catalogue file of an earlier version has no record: the settings file says where work continues.
    void ohneSatzGiltDieEinstellungsdatei()
    {
        Arbeitsordner ordner;
        Testkatalog katalog;
        katalog.sql(u("UPDATE LetzterBrief SET Text = ?"), {u("Bisher.")});
        QVERIFY(Profil::schreiben({{Profil::Abbruch, u("Frage"), u(" 5")},
                                   {Profil::Abbruch, u("Zahl"), u(" 4")},
                                   {Profil::Abbruch, u("ArbeitnehmerTyp"), u(" 1")},
                                   {Profil::Abbruch, u("Zeugnisart"), u(" 2")}}));
        QCOMPARE(beimStart(), stand(Zustand::Fragen, 5, 4, u("Bisher.")));
        QVERIFY(Einstellungen::fortschrittVerwerfen());
        QCOMPARE(beimStart().zustand, Zustand::Keiner);
    }

    // Interrupted work goes on only when its resume point and text fit the set and the choices.
    void fortsetzungPruefen_data()
    {
        QTest::addColumn<Stand>("gespeichert");
        QTest::addColumn<QStringList>("auswahl"); // "Frage/Note/Variante" or "Frage/-" for a skip
        QTest::addColumn<int>("art");
        QTest::addColumn<Stand>("erwartet");
        using A = Fortschritt::Fortsetzung::Art;
        const QString zwei = u("F10N2A. F20N1B.");
        QTest::newRow("stimmig") << stand(Zustand::Fragen, 30, 2, zwei)
                                 << QStringList{u("10/2/A"), u("20/1/B")} << int(A::Weiter)
                                 << stand(Zustand::Fragen, 30, 2, zwei);
        QTest::newRow("Frage nicht im Satz")
            << stand(Zustand::Fragen, 99, 2, zwei) << QStringList{u("10/2/A"), u("20/1/B")}
            << int(A::Wiederhergestellt) << stand(Zustand::Fragen, 30, 2, zwei);
        QTest::newRow("Text fehlt") << stand(Zustand::Fragen, 30, 2, {})
                                    << QStringList{u("10/2/A"), u("20/1/B")} << int(A::Wiederhergestellt)
                                    << stand(Zustand::Fragen, 30, 2, zwei);
        QTest::newRow("alles übersprungen")
            << stand(Zustand::Fragen, 30, 2, {}) << QStringList{u("10/-"), u("20/-")} << int(A::Weiter)
            << stand(Zustand::Fragen, 30, 2, {});
        QTest::newRow("Text und Antworten fehlen") << stand(Zustand::Fragen, 30, 2, {}) << QStringList{}
                                                   << int(A::Neubeginn) << stand(Zustand::Fragen, 30, 2, {});
        QTest::newRow("erste Frage, nichts fehlt") << stand(Zustand::Fragen, 10, 0, {}) << QStringList{}
                                                   << int(A::Weiter) << stand(Zustand::Fragen, 10, 0, {});
        QTest::newRow("Lücke in den Antworten")
            << stand(Zustand::Fragen, 99, 2, zwei) << QStringList{u("10/2/A"), u("30/1/B")}
            << int(A::Neubeginn) << stand(Zustand::Fragen, 99, 2, zwei);
        const QString alle = zwei + u(" F30N3C.") + u("\r\n\r\nBonn, 30.6.2024\r\n\r\nHans Huber");
        QTest::newRow("Ende ohne Text")
            << stand(Zustand::Ende, 0, 3, {}) << QStringList{u("10/2/A"), u("20/1/B"), u("30/3/C")}
            << int(A::Wiederhergestellt) << stand(Zustand::Ende, 0, 3, alle, u("Deutsch"));
    }
    void fortsetzungPruefen()
    {
        QFETCH(Stand, gespeichert);
        QFETCH(QStringList, auswahl);
        QFETCH(int, art);
        QFETCH(Stand, erwartet);
        Arbeitsordner ordner;
        Testkatalog katalog;
        for (int nr : {10, 20, 30})
            katalog.bewerteteFrage(nr, 5, false, true);
        for (const QString& a : auswahl) {
            const QStringList t = a.split(QLatin1Char('/'));
            if (t.at(1) == u("-"))
                katalog.sql(u("INSERT INTO Auswahl (Frage, Note, KeineAussage) VALUES (?, 0, 1)"),
                            {t.at(0).toInt()});
            else
                katalog.sql(
                    u("INSERT INTO Auswahl (Frage, Note, Variante, KeineAussage) VALUES (?, ?, ?, 0)"),
                    {t.at(0).toInt(), t.at(1).toInt(), t.at(2)});
        }
        sitzungSetzen();
        const auto f = Fortschritt::fortsetzungPruefen(gespeichert, Sitzung::instanz());
        QVERIFY2(f, qPrintable(f.fehler()));
        QVERIFY2(int(f->art) == art, qPrintable(f->grund));
        QCOMPARE(f->grund.isEmpty(), art == int(Fortschritt::Fortsetzung::Art::Weiter));
        if (art != int(Fortschritt::Fortsetzung::Art::Neubeginn))
            QCOMPARE(f->stand, erwartet);
    }

    // A one-line box takes a pasted line break as a blank and stops at the longest value the settings file
    // gives back, saying so; what it holds comes back from the settings file unchanged.
    void einzeiligeFelder_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("erwartet");
        QTest::addColumn<bool>("gekuerzt");
        const QString x254(254, QLatin1Char('x'));
        const QString paar = QString::fromUcs4(U"\U0001F600");
        QTest::newRow("Zeilenumbruch") << u("01.03.2010\r\nbis") << u("01.03.2010 bis") << false;
        QTest::newRow("jede Art Umbruch") << u("a\nb\rc\u2028d") << u("a b c d") << false;
        QTest::newRow("genau 254") << x254 << x254 << false;
        QTest::newRow("100000 Zeichen")
            << QString(100000, QLatin1Char('y')) << QString(254, QLatin1Char('y')) << true;
        QTest::newRow("Paar an der Grenze") << x254.left(253) + paar << x254.left(253) << true;
        QTest::newRow("Umbruch an der Grenze")
            << x254.left(253) + u("\r\nz") << x254.left(253) + u(" ") << true;
    }
    void einzeiligeFelder()
    {
        QFETCH(QString, eingabe);
        QFETCH(QString, erwartet);
        QFETCH(bool, gekuerzt);
        Arbeitsordner ordner;
        QLineEdit box;
        auto* regel = new Einzeilig(&box);
        QSignalSpy hinweise(regel, &Einzeilig::gekuerzt);
        box.insert(eingabe); // as a paste does
        QCOMPARE(box.text(), erwartet);
        QCOMPARE(hinweise.size(), gekuerzt ? 1 : 0);
        box.setText(eingabe);
        QCOMPARE(box.text(), erwartet);

        QVERIFY(Profil::schreiben(Profil::KlientenDaten, u("Name"), box.text()));
        QCOMPARE(Profil::lesen(Profil::KlientenDaten, u("Name")).value_or(QString()), erwartet.trimmed());
    }

    // The working folder is checked before anything is typed; the message names the folder or file and says
    // what to do.
    void startpruefung()
    {
        Arbeitsordner ordner;
        QString problem = Startpruefung::arbeitsordner();
        QVERIFY2(problem.contains(QDir::toNativeSeparators(ordner.pfad(u("system98.dll")))),
                 qPrintable(problem));
        QVERIFY2(problem.contains(u("Installieren Sie bitte den Fragenkatalog")), qPrintable(problem));

        {
            Testkatalog katalog;
        }
        QCOMPARE(Startpruefung::arbeitsordner(), QString());

        ablegen(ordner.pfad(Profil::Dateiname), QByteArray(Profil::Hoechstgroesse + 1, 'x'));
        problem = Startpruefung::arbeitsordner();
        QVERIFY2(problem.contains(u("zu groß")), qPrintable(problem));
        QVERIFY(QFile::remove(ordner.pfad(Profil::Dateiname)));

        // Through the screen seam: the message, then the end of the program.
        Testumgebung umgebung;
        QFile::remove(ordner.pfad(u("system98.dll")));
        QVERIFY(!Einzelstart::ordnerPruefen(nullptr));
        QCOMPARE(umgebung.gezeigt.size(), 1);
        QCOMPARE(umgebung.gezeigt.first().meldung.symbol, Umgebung::Symbol::Ausrufezeichen);
        QCOMPARE(umgebung.beendet, 1);

        // Permissions stop no one as root.
        if (QFileInfo(ordner.pfad(u("."))).ownerId() == 0 || ::geteuid() == 0)
            QSKIP("Als root sind Schreibrechte nicht zu prüfen.");
        {
            Testkatalog katalog;
        }
        ablegen(ordner.pfad(Profil::Dateiname), "[A]\r\nk=1\r\n");
        QVERIFY(QFile::setPermissions(ordner.pfad(Profil::Dateiname), QFileDevice::ReadOwner));
        problem = Startpruefung::arbeitsordner();
        QVERIFY2(problem.contains(QDir::toNativeSeparators(ordner.pfad(Profil::Dateiname))),
                 qPrintable(problem));
        QVERIFY2(problem.contains(u("schreibgeschützt")), qPrintable(problem));
    }

    // The second press of a double click on a button that moves on is dropped; a later press counts, and
    // nothing counts while the screen is moving on.
    void einmalklick()
    {
        QPushButton knopf(QStringLiteral("Frage überspringen"));
        knopf.resize(200, 30);
        Einmalklick sperre;
        sperre.beobachten(&knopf);
        int geklickt = 0;
        connect(&knopf, &QPushButton::clicked, this, [&geklickt] { ++geklickt; });
        const QPoint mitte = knopf.rect().center();
        auto druecken = [&](quint64 zeit, QEvent::Type art = QEvent::MouseButtonPress) {
            QMouseEvent ab(art, mitte, knopf.mapToGlobal(mitte), Qt::LeftButton, Qt::LeftButton,
                           Qt::NoModifier);
            ab.setTimestamp(zeit);
            QCoreApplication::sendEvent(&knopf, &ab);
            QMouseEvent auf(QEvent::MouseButtonRelease, mitte, knopf.mapToGlobal(mitte), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
            auf.setTimestamp(zeit + 1);
            QCoreApplication::sendEvent(&knopf, &auf);
        };
        const auto abstand = quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval());
        druecken(1000);
        druecken(1000 + abstand / 2);
        druecken(1000 + abstand / 2, QEvent::MouseButtonDblClick);
        QCOMPARE(geklickt, 1);
        druecken(1000 + abstand + 1);
        QCOMPARE(geklickt, 2);
        sperre.sperren();
        druecken(10000);
        QCOMPARE(geklickt, 2);
        sperre.freigeben();
        druecken(20000);
        QCOMPARE(geklickt, 3);
    }

    // A lock of a process that is gone on this machine is taken over silently; one of another machine only
    // when the user agrees, after a question that names the lock file.
    void sperreEinesAnderenRechners_data()
    {
        QTest::addColumn<QString>("rechner");
        QTest::addColumn<Umgebung::Antwort>("antwort");
        QTest::addColumn<bool>("gesperrt");
        QTest::addColumn<int>("meldungen");
        const QString hier = QSysInfo::machineHostName();
        QTest::newRow("hier, Prozess fort") << hier << Umgebung::Antwort::Ok << true << 0;
        QTest::newRow("anderer Rechner, Ja") << u("anderer-rechner") << Umgebung::Antwort::Ja << true << 1;
        QTest::newRow("anderer Rechner, Nein")
            << u("anderer-rechner") << Umgebung::Antwort::Nein << false << 1;
    }
    void sperreEinesAnderenRechners()
    {
        QFETCH(QString, rechner);
        QFETCH(Umgebung::Antwort, antwort);
        QFETCH(bool, gesperrt);
        QFETCH(int, meldungen);
        Arbeitsordner ordner;
        Testumgebung umgebung;
        umgebung.antworten << antwort;
        // A process number no system hands out.
        const QByteArray fremd = "2147483000\nzeugnis\n" + rechner.toUtf8() + "\n";
        ablegen(ordner.pfad(Sperre::Dateiname), fremd);

        std::unique_ptr<QLockFile> sperre;
        QCOMPARE(Einzelstart::sperren(sperre), gesperrt);
        QCOMPARE(bool(sperre && sperre->isLocked()), gesperrt);
        QCOMPARE(umgebung.gezeigt.size(), meldungen);
        if (meldungen > 0) {
            const QString text = umgebung.gezeigt.first().meldung.text;
            QVERIFY2(text.contains(QDir::toNativeSeparators(ordner.pfad(Sperre::Dateiname))),
                     qPrintable(text));
            QVERIFY2(text.contains(rechner), qPrintable(text));
            QCOMPARE(umgebung.gezeigt.first().meldung.knoepfe, Umgebung::Knoepfe::JaNein);
        }
        if (!gesperrt)
            QCOMPARE(inhaltVon(ordner.pfad(Sperre::Dateiname)), fremd);
    }

    // The catalogue tool leaves a folder alone while a run holds its lock, and says why.
    void katalogwerkzeugAchtetDieSperre()
    {
        Arbeitsordner ordner;
        const QString ziel = ordner.pfad(u("system98.dll"));
        auto installieren = [&ziel](QString* ausgabe) {
            QProcess p;
            QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
            umgebung.insert(u("ASAN_OPTIONS"), u("detect_leaks=0"));
            p.setProcessEnvironment(umgebung);
            p.start(QStringLiteral(ZEUGNIS_KATALOGBAU),
                    {u("--installieren"), ziel, QStringLiteral(ZEUGNIS_TESTKATALOG)});
            p.waitForFinished(60000);
            *ausgabe = QString::fromUtf8(p.readAllStandardError());
            return p.exitCode();
        };
        QString ausgabe;
        {
            std::unique_ptr<QLockFile> lauf;
            Testumgebung umgebung;
            QVERIFY(Einzelstart::sperren(lauf) && lauf);
            QCOMPARE(installieren(&ausgabe), 1);
            QVERIFY2(ausgabe.contains(QDir::toNativeSeparators(ordner.pfad(Sperre::Dateiname))),
                     qPrintable(ausgabe));
            QVERIFY2(ausgabe.contains(u("Beenden Sie bitte das Programm")), qPrintable(ausgabe));
            QVERIFY(!QFileInfo::exists(ziel));
        }
        QCOMPARE(installieren(&ausgabe), 0);
        QVERIFY(QFileInfo::exists(ziel));
        QVERIFY(!QFileInfo::exists(ordner.pfad(Sperre::Dateiname)));
    }
};

QTEST_MAIN(TstSicherung)
#include "tst_sicherung.moc"
