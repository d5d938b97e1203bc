#include "engine/Brief.h"
#include "engine/Fortschritt.h"
#include "screens/Briefsatz.h"
#include "screens/Dateiwahl.h"
#include "screens/Zeugnisausgabe.h"
#include "tests/Fragenbildschirm.h"

#include <QDate>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

// Scripted file and print dialogs: save dialogs answer from a queue (cancelled when it is empty) and are
// recorded; the printer prints into `druckdatei` as PDF, or is cancelled when that is empty.
class Testdateiwahl final : public Dateiwahl::Anbieter
{
public:
    explicit Testdateiwahl(QString dokumente) : m_dokumente(std::move(dokumente))
    {
        Dateiwahl::setzeAnbieter(this);
    }
    ~Testdateiwahl() override { Dateiwahl::setzeAnbieter(nullptr); }
    Testdateiwahl(const Testdateiwahl&) = delete;
    Testdateiwahl& operator=(const Testdateiwahl&) = delete;

    std::optional<QString> speichern(QWidget*, const Dateiwahl::Speichern& frage) override
    {
        gefragt << frage;
        if (pfade.isEmpty() || pfade.first().isEmpty()) {
            if (!pfade.isEmpty())
                pfade.removeFirst();
            return std::nullopt;
        }
        return pfade.takeFirst();
    }
    bool drucker(QWidget*, QPrinter& drucker) override
    {
        if (druckdatei.isEmpty())
            return false;
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(druckdatei);
        return true;
    }
    QString dokumente() override { return m_dokumente; }

    QStringList pfade; // an empty entry cancels
    QList<Dateiwahl::Speichern> gefragt;
    QString druckdatei;

private:
    QString m_dokumente;
};

// The standard output of a tool, or a failed test when it does not run cleanly.
QString werkzeug(const QString& programm, const QStringList& argumente)
{
    QProcess p;
    p.start(programm, argumente);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning("%s: %s", qPrintable(programm), p.readAllStandardError().constData());
        return QStringLiteral("<%1 gescheitert>").arg(programm);
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

Brief beispielbrief(const QString& sLand, int absaetze)
{
    Sitzung& s = Sitzung::instanz();
    s.arbeitgeber.Strasse = QStringLiteral("Hauptstraße 12");
    s.arbeitgeber.PLZ = QStringLiteral("53111");
    s.arbeitgeber.Funktion = QStringLiteral("Leiterin Personal");
    QString text;
    for (int i = 1; i <= absaetze; ++i)
        text += QStringLiteral("Absatz %1: Frau Maier erledigte ihre Aufgaben stets zu unserer vollsten "
                               "Zufriedenheit, mit großer Sorgfalt und Umsicht – auch unter Zeitdruck.\r\n")
                    .arg(i);
    return briefAufbauen(text + Zeugnisschluss(s), s, sLand);
}

// Everything on the paper in reading order, as one line of words.
QString woerter(const Brief& b)
{
    QStringList alles = b.briefkopf;
    alles << b.titel << b.absaetze << b.ortDatum << b.unterzeichner << b.funktion;
    return alles.join(QLatin1Char(' ')).simplified();
}

// The paragraphs of an ODF content.xml; line breaks inside a paragraph as "\n".
QStringList odfAbsaetze(const QString& xml)
{
    QStringList r;
    QXmlStreamReader x(xml);
    int tiefe = 0;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.qualifiedName() == u"text:p") {
            if (tiefe++ == 0)
                r << QString();
        } else if (x.isEndElement() && x.qualifiedName() == u"text:p") {
            if (--tiefe == 0 && r.last().endsWith(u' '))
                r.last().chop(1);
        } else if (tiefe > 0 && x.isStartElement() && x.qualifiedName() == u"text:line-break") {
            if (r.last().endsWith(u' '))
                r.last().chop(1);
            r.last() += QLatin1Char('\n');
        } else if (tiefe > 0 && x.isStartElement() && x.qualifiedName() == u"text:s") {
            r.last() +=
                QString(qMax(1, x.attributes().value(QStringLiteral("text:c")).toInt()), QLatin1Char(' '));
        } else if (tiefe > 0 && x.isCharacters()) {
            // White space collapses to one blank, and none at the start of a paragraph or line.
            for (QChar c : x.text()) {
                const bool leer = c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
                if (!leer)
                    r.last() += c;
                else if (!r.last().isEmpty() && !r.last().endsWith(u' ') && !r.last().endsWith(u'\n'))
                    r.last() += u' ';
            }
        }
    }
    return r;
}

QString heutigerName(const QString& endung)
{
    return QStringLiteral("Arbeitszeugnis Maier Eva %1.%2")
        .arg(QDate::currentDate().toString(Qt::ISODate), endung);
}

} // namespace

class TstBriefausgabe : public QObject
{
    Q_OBJECT

private slots:
    void init() { sitzungSetzen(); }
    void cleanup() { Hilfe::aufraeumen(); }

    // The PDF holds the letter's words in reading order, a page line only when it runs over one page, the
    // PDF/A-1b marker and nothing but embedded fonts.
    void pdf_data()
    {
        QTest::addColumn<QString>("sLand");
        QTest::addColumn<int>("absaetze");
        QTest::addColumn<int>("seiten");
        QTest::newRow("de eine Seite") << QStringLiteral("Deutsch") << 4 << 1;
        QTest::newRow("fr zwei Seiten") << QStringLiteral("Franzoesisch") << 24 << 2;
    }
    void pdf()
    {
        QFETCH(QString, sLand);
        QFETCH(int, absaetze);
        QFETCH(int, seiten);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("brief.pdf"));
        const Brief b = beispielbrief(sLand, absaetze);
        const Status s = Briefsatz::alsPdf(b, pfad);
        QVERIFY2(s.ok(), qPrintable(s.fehler()));

        const QString info = werkzeug(QStringLiteral("pdfinfo"), {pfad});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(seiten))),
                 qPrintable(info));
        QVERIFY(info.contains(QStringLiteral("(A4)")));

        QString text = werkzeug(QStringLiteral("pdftotext"),
                                {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pfad, QStringLiteral("-")});
        for (int i = 1; seiten > 1 && i <= seiten; ++i) {
            const QString zeile = seitenangabe(i, seiten, sLand);
            QCOMPARE(text.count(zeile), 1);
            text.remove(zeile);
        }
        QVERIFY(!text.contains(seitenangabe(1, 1, sLand).left(4)));
        const QString ist = text.simplified();
        const QString soll = woerter(b);
        qsizetype i = 0;
        while (i < ist.size() && i < soll.size() && ist.at(i) == soll.at(i))
            ++i;
        QVERIFY2(ist == soll, qPrintable(QStringLiteral("ab Zeichen %1: »%2« statt »%3«")
                                             .arg(i)
                                             .arg(ist.mid(i - 20, 80), soll.mid(i - 20, 80))));

        const QString meta = werkzeug(QStringLiteral("pdfinfo"), {QStringLiteral("-meta"), pfad});
        QVERIFY2(meta.contains(QRegularExpression(QStringLiteral("pdfaid:part(>|=\")1"))), qPrintable(meta));
        QVERIFY2(meta.contains(QRegularExpression(QStringLiteral("pdfaid:conformance(>|=\")B"))),
                 qPrintable(meta));

        const QStringList fonts =
            werkzeug(QStringLiteral("pdffonts"), {pfad}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY2(fonts.size() > 2, qPrintable(fonts.join(QLatin1Char('\n'))));
        for (const QString& zeile : fonts.mid(2)) {
            // name, type (may hold blanks), encoding, emb, sub, uni, object, generation
            const QStringList spalten = zeile.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            QVERIFY2(spalten.size() >= 8 && spalten.at(spalten.size() - 5) == u"yes", qPrintable(zeile));
        }
    }

    // Whatever the length, the closing stands whole on the last page, and with text above it.
    void schlussBleibtBeisammen()
    {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("brief.pdf"));
        for (int absaetze = 14; absaetze <= 28; ++absaetze) {
            const Brief b = beispielbrief(QStringLiteral("Deutsch"), absaetze);
            QVERIFY(Briefsatz::alsPdf(b, pfad));
            const QString info = werkzeug(QStringLiteral("pdfinfo"), {pfad});
            const QString seiten =
                QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1);
            const QString letzte =
                werkzeug(QStringLiteral("pdftotext"),
                         {QStringLiteral("-f"), seiten, QStringLiteral("-l"), seiten, QStringLiteral("-enc"),
                          QStringLiteral("UTF-8"), pfad, QStringLiteral("-")});
            for (const QString& teil : {QStringLiteral("Absatz"), b.ortDatum, b.unterzeichner, b.funktion})
                QVERIFY2(
                    letzte.contains(teil),
                    qPrintable(
                        QStringLiteral("%1 Absätze: %2 fehlt auf Seite %3").arg(absaetze).arg(teil, seiten)));
        }
    }

    // The ODT holds the letter paragraph by paragraph, the closing as one paragraph with its line breaks.
    void odt_data()
    {
        QTest::addColumn<QString>("sLand");
        QTest::newRow("de") << QStringLiteral("Deutsch");
        QTest::newRow("it") << QStringLiteral("Italienisch");
    }
    void odt()
    {
        QFETCH(QString, sLand);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("brief.odt"));
        const Brief b = beispielbrief(sLand, 3);
        const Status s = Briefsatz::alsOdt(b, pfad);
        QVERIFY2(s.ok(), qPrintable(s.fehler()));
        QCOMPARE(werkzeug(QStringLiteral("unzip"), {QStringLiteral("-p"), pfad, QStringLiteral("mimetype")}),
                 QStringLiteral("application/vnd.oasis.opendocument.text"));
        const QString inhalt =
            werkzeug(QStringLiteral("unzip"), {QStringLiteral("-p"), pfad, QStringLiteral("content.xml")});
        QStringList erwartet = b.briefkopf;
        erwartet << b.titel << b.absaetze
                 << b.ortDatum + QStringLiteral("\n\n\n\n") + b.unterzeichner + QLatin1Char('\n') +
                        b.funktion;
        QCOMPARE(odfAbsaetze(inhalt), erwartet);
    }

    // Leaving the end state before the reference was handed out asks first.
    void verlassenImEndzustand_data()
    {
        QTest::addColumn<Umgebung::Antwort>("antwort");
        QTest::addColumn<QStringList>("pfade");
        QTest::addColumn<int>("beendet");
        QTest::addColumn<Fortschritt::Zustand>("zustand");
        // Unless it was handed out, the finished reference stays recorded, to be offered at the next start.
        const auto ende = Fortschritt::Zustand::Ende;
        QTest::newRow("Abbrechen bleibt") << Umgebung::Antwort::Abbrechen << QStringList{} << 0 << ende;
        QTest::newRow("Nein verlässt") << Umgebung::Antwort::Nein << QStringList{} << 1 << ende;
        QTest::newRow("Ja speichert") << Umgebung::Antwort::Ja << QStringList{QStringLiteral("*")} << 1
                                      << Fortschritt::Zustand::Ausgegeben;
        QTest::newRow("Ja, Speichern abgebrochen")
            << Umgebung::Antwort::Ja << QStringList{QString()} << 0 << ende;
    }
    void verlassenImEndzustand()
    {
        QFETCH(Umgebung::Antwort, antwort);
        QFETCH(QStringList, pfade);
        QFETCH(int, beendet);
        QFETCH(Fortschritt::Zustand, zustand);
        Arbeitsordner ordner;
        Testkatalog k;
        k.ungewerteteFrage(1, true).bewerteteFrage(2, 4, true);
        // The resume point of the save this reference was continued from.
        QVERIFY(Profil::schreiben(Profil::Abbruch, QStringLiteral("Frage"), QStringLiteral(" 2")));
        Testumgebung umgebung;
        umgebung.antworten = {antwort};
        Testdateiwahl dateien(ordner.pfad(QStringLiteral("Dokumente")));
        const QString vorschlag =
            ordner.pfad(QStringLiteral("Dokumente/Zeugnisse/") + heutigerName(QStringLiteral("pdf")));
        pfade.replaceInStrings(QStringLiteral("*"), vorschlag);
        dateien.pfade = pfade;
        Fragenbildschirm b;
        QVERIFY(b.beantworten(0, 0));
        QVERIFY(b.beantworten(1, 1));
        QVERIFY(Fragenbildschirm::klicken(b.abbrechen()));

        QCOMPARE(umgebung.meldungen().size(), 1);
        QCOMPARE(umgebung.meldungen().first().knoepfe, Umgebung::Knoepfe::JaNeinAbbrechen);
        QCOMPARE(umgebung.beendet, beendet);
        QCOMPARE(Fortschritt::lesen()->value().zustand, zustand);
        // The resume point of the save this reference was continued from is gone in any case.
        QVERIFY2(Hilfe::iniZeilen().startsWith(QStringLiteral("[Abbruch]|Frage=0|")),
                 qPrintable(Hilfe::iniZeilen()));
        if (antwort == Umgebung::Antwort::Ja) {
            QCOMPARE(dateien.gefragt.size(), 1);
            QCOMPARE(dateien.gefragt.first().vorschlag, vorschlag);
            QVERIFY(QFileInfo(vorschlag).absoluteDir().exists());
        }
        QCOMPARE(QFile::exists(vorschlag), !pfade.isEmpty() && !pfade.first().isEmpty());
    }

    // From the end state through the preview: print, PDF and ODT; handed out, leaving asks nothing and a
    // later language switch sets no resume point.
    void vorschauDruckenSpeichern()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        k.ungewerteteFrage(1, true).bewerteteFrage(2, 4, true);
        QVERIFY(Profil::schreiben(Profil::Abbruch, QStringLiteral("Frage"), QStringLiteral(" 2")));
        Testumgebung umgebung;
        Testdateiwahl dateien(ordner.pfad(QStringLiteral("Dokumente")));
        dateien.druckdatei = ordner.pfad(QStringLiteral("gedruckt.pdf"));
        dateien.pfade = {ordner.pfad(QStringLiteral("brief.pdf")), ordner.pfad(QStringLiteral("brief"))};
        Fragenbildschirm b;
        QVERIFY(b.beantworten(0, 0));
        QVERIFY(b.beantworten(1, 1));
        QVERIFY(Fragenbildschirm::klicken(b.wert(5))); // Französisch

        QStringList geklickt;
        QPointer<QTimer> suche = imDialog([&geklickt](QDialog* d) {
            geklickt << d->objectName();
            for (const char* name : {"DruckenButton", "PdfButton", "OdtButton", "SchliessenButton"})
                if (auto* knopf = d->findChild<QPushButton*>(QString::fromLatin1(name));
                    knopf && Fragenbildschirm::klicken(knopf))
                    geklickt << QString::fromLatin1(name);
            if (d->isVisible())
                d->reject();
        });
        QVERIFY(Fragenbildschirm::klicken(b.kind<QPushButton>(QStringLiteral("VorschauButton"))));
        delete suche;
        QCOMPARE(geklickt, (QStringList{QStringLiteral("Briefvorschau"), QStringLiteral("DruckenButton"),
                                        QStringLiteral("PdfButton"), QStringLiteral("OdtButton"),
                                        QStringLiteral("SchliessenButton")}));
        QVERIFY(umgebung.gezeigt.isEmpty());

        const QString titel = QStringLiteral("Certificat de travail");
        for (const QString& pdf : {dateien.druckdatei, ordner.pfad(QStringLiteral("brief.pdf"))}) {
            const QString text = werkzeug(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
            QVERIFY2(text.contains(titel), qPrintable(pdf + QLatin1Char(':') + text));
        }
        QVERIFY(QFile::exists(ordner.pfad(QStringLiteral("brief.odt")))); // the extension added
        const QString ini = Hilfe::iniZeilen();
        QVERIFY2(ini.startsWith(QStringLiteral("[Abbruch]|Frage=0|")), qPrintable(ini));
        QCOMPARE(Fortschritt::lesen()->value().zustand, Fortschritt::Zustand::Ausgegeben);

        QVERIFY(Fragenbildschirm::klicken(b.wert(1)));
        QCOMPARE(Hilfe::iniZeilen(), ini);
        const auto stand = Fortschritt::lesen();
        QCOMPARE(stand->value().zustand, Fortschritt::Zustand::Ausgegeben);
        QCOMPARE(stand->value().text, b.zeugnis());
        QVERIFY(Fragenbildschirm::klicken(b.abbrechen()));
        QVERIFY(umgebung.gezeigt.isEmpty());
        QCOMPARE(umgebung.beendet, 1);
    }

    // A rebuild that would discard what the user typed asks first; outside German a note says what stays
    // untranslated.
    void neuaufbauFragt()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        k.ungewerteteFrage(1, true).bewerteteFrage(2, 4, true);
        Testumgebung umgebung;
        Fragenbildschirm b;
        QVERIFY(b.beantworten(0, 0));
        QVERIFY(b.beantworten(1, 1));
        auto* hinweis = b.kind<QLabel>(QStringLiteral("SprachHinweis"));
        QVERIFY(!hinweis->isVisible());

        // Untouched: no question.
        QVERIFY(Fragenbildschirm::klicken(b.wert(2)));
        QVERIFY(umgebung.gezeigt.isEmpty());
        QVERIFY(hinweis->isVisible());
        QVERIFY(b.zeugnis().startsWith(QStringLiteral("EN:")));

        b.zeugnisFeld()->moveCursor(QTextCursor::End);
        QTest::keyClicks(b.zeugnisFeld(), QStringLiteral(" Eigenes."));
        const QString getippt = b.zeugnis();
        umgebung.antworten = {Umgebung::Antwort::Nein};
        QVERIFY(Fragenbildschirm::klicken(b.wert(1)));
        QCOMPARE(umgebung.meldungen().size(), 1);
        QCOMPARE(umgebung.meldungen().first().knoepfe, Umgebung::Knoepfe::JaNein);
        QCOMPARE(b.zeugnis(), getippt);
        QVERIFY(b.wert(2)->isChecked());
        QVERIFY(hinweis->isVisible());

        umgebung.antworten = {Umgebung::Antwort::Ja};
        QVERIFY(Fragenbildschirm::klicken(b.wert(1)));
        QCOMPARE(umgebung.meldungen().size(), 2);
        QVERIFY(!b.zeugnis().contains(QStringLiteral("Eigenes")));
        QVERIFY(b.wert(1)->isChecked());
        QVERIFY(!hinweis->isVisible());
    }

    // An existing file is replaced only after "Ja"; "Nein" offers the dialog again. A failed save is shown
    // and hands nothing out.
    void vorhandeneDateiUndFehler_data()
    {
        QTest::addColumn<QList<Umgebung::Antwort>>("antworten");
        QTest::addColumn<bool>("ersetzt");
        QTest::newRow("Ja ersetzt") << QList{Umgebung::Antwort::Ja} << true;
        QTest::newRow("Nein fragt neu") << QList{Umgebung::Antwort::Nein} << false;
    }
    void vorhandeneDateiUndFehler()
    {
        QFETCH(QList<Umgebung::Antwort>, antworten);
        QFETCH(bool, ersetzt);
        Arbeitsordner ordner;
        Testumgebung umgebung;
        umgebung.antworten = antworten;
        Testdateiwahl dateien(ordner.pfad(QStringLiteral("Dokumente")));
        const QString alt = ordner.pfad(QStringLiteral("alt.pdf"));
        const QString neu = ordner.pfad(QStringLiteral("neu.pdf"));
        {
            QFile f(alt);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("alt");
        }
        dateien.pfade = {alt, neu};
        QWidget panel;
        int aufgezeichnet = 0;
        const auto aufzeichnen = [&aufgezeichnet] {
            ++aufgezeichnet;
        };
        Zeugnisausgabe ausgabe(
            &panel, [] { return QStringLiteral("Text."); }, aufzeichnen);
        ausgabe.aufgebaut(QStringLiteral("Deutsch"), QStringLiteral("Text."));
        QVERIFY(ausgabe.pdfSpeichern(&panel));
        QCOMPARE(umgebung.meldungen().size(), 1);
        QVERIFY(umgebung.meldungen().first().text.contains(QDir::toNativeSeparators(alt)));
        QCOMPARE(dateien.gefragt.size(), ersetzt ? 1 : 2);
        QFile f(alt);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll().startsWith("%PDF"), ersetzt);
        QCOMPARE(QFile::exists(neu), !ersetzt);
        QCOMPARE(aufgezeichnet, 1);

        Zeugnisausgabe zweite(
            &panel, [] { return QStringLiteral("Text."); }, aufzeichnen);
        dateien.pfade = {ordner.pfad(QStringLiteral("fehlt/ordner/x.odt"))};
        QVERIFY(!zweite.odtSpeichern(&panel));
        QCOMPARE(umgebung.meldungen().size(), 2);
        QVERIFY(umgebung.meldungen().last().text.contains(QStringLiteral("x.odt")));
        QVERIFY(!zweite.ausgehaendigt());
        QCOMPARE(aufgezeichnet, 1);
    }
};

QTEST_MAIN(TstBriefausgabe)
#include "tst_briefausgabe.moc"
