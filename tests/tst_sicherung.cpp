#include "screens/Einzelstart.h"
#include "store/Dateiablage.h"
#include "store/Profil.h"
#include "store/Sperre.h"
#include "tests/Testumgebung.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QTest>

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

} // namespace

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
            fehler.clear();
            QVERIFY(!Profil::schreiben(
                {{Profil::Abbruch, u("Frage"), u(" 8")}, {Profil::Abbruch, u("Zahl"), u(" 7")}}, &fehler));
            QVERIFY2(fehler.contains(QDir::toNativeSeparators(pfad)), qPrintable(fehler));
        }
        QCOMPARE(QFileInfo::exists(pfad), vorhanden);
        if (vorhanden)
            QCOMPARE(inhaltVon(pfad), Bisher);
        QCOMPARE(QDir::current().entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
                 vorhanden ? QStringList{Profil::Dateiname} : QStringList{});

        // Without the failure the same write succeeds, all keys in one go.
        QVERIFY(Profil::schreiben(
            pfad, {{Profil::Abbruch, u("Frage"), u(" 8")}, {Profil::Abbruch, u("Zahl"), u(" 7")}}, &fehler));
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

        const Profil::Abbild abbild = Profil::Abbild::laden();
        QVERIFY2(abbild.fehler().contains(u("zu groß")), qPrintable(abbild.fehler()));
        QVERIFY(abbild.fehler().contains(QDir::toNativeSeparators(pfad)));
        QCOMPARE(abbild.lesen(Profil::PersoenlicheDaten, u("Firma")), std::nullopt);

        QString fehler;
        QVERIFY(!Profil::schreiben(Profil::Abbruch, u("Frage"), u("0"), &fehler));
        QVERIFY2(fehler.contains(u("zu groß")), qPrintable(fehler));
        QCOMPARE(inhaltVon(pfad), gross);

        // At the limit the file is still read.
        ablegen(pfad, Bisher + QByteArray(Profil::Hoechstgroesse - Bisher.size(), ' '));
        const Profil::Abbild grenze = Profil::Abbild::laden();
        QCOMPARE(grenze.fehler(), QString());
        QCOMPARE(grenze.lesen(Profil::PersoenlicheDaten, u("Firma")),
                 std::optional<QString>(u("Muster GmbH")));
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

QTEST_GUILESS_MAIN(TstSicherung)
#include "tst_sicherung.moc"
