// The question screen on a 34-question set: opening it, one Continue, the placeholder filling, the rebuild
// of a 34-answer reference in another language. Each figure
// stands beside the bare SQLite queries for the same rows, measured alternately in the same run so that
// machine load hits both alike; the counter "zu_sqlite" is the ratio of the two.

#include "engine/Zeugnistext.h"
#include "screens/FragenForm.h"
#include "store/Sitzung.h"
#include "tests/Testkatalog.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <functional>
#include <memory>

namespace {

using Uhr = std::chrono::steady_clock;

double sekunden(const std::function<void()>& f)
{
    const auto anfang = Uhr::now();
    f();
    return std::chrono::duration<double>(Uhr::now() - anfang).count();
}

// One figure beside its baseline: each iteration times the bare queries first and then the program's step;
// the step's time is the iteration's time.
class Vergleich
{
public:
    explicit Vergleich(benchmark::State& state) : m_state(state) {}

    void messen(const std::function<void()>& roh, const std::function<void()>& schritt)
    {
        m_roh += sekunden(roh);
        const double t = sekunden(schritt);
        m_schritt += t;
        m_state.SetIterationTime(t);
    }

    // The bare queries' mean time as counter `name`, in seconds times `faktor`, and the ratio "zu_sqlite".
    void melden(const char* name, double faktor)
    {
        m_state.counters[name] = m_roh * faktor / double(m_state.iterations());
        m_state.counters["zu_sqlite"] = m_roh > 0 ? m_schritt / m_roh : 0;
    }

private:
    benchmark::State& m_state;
    double m_roh = 0;
    double m_schritt = 0;
};

// A bare SQLite connection of its own name on `pfad`, closed and removed when it goes.
class Rohverbindung
{
public:
    Rohverbindung(const QString& name, const QString& pfad) : m_name(name)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(pfad);
        db.open();
    }
    ~Rohverbindung()
    {
        db().close();
        QSqlDatabase::removeDatabase(m_name);
    }
    Rohverbindung(const Rohverbindung&) = delete;
    Rohverbindung& operator=(const Rohverbindung&) = delete;

    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

private:
    QString m_name;
};

const QString Einleitung = QStringLiteral(
    "(VollerName), geboren am (Geburtsdatum) in (Geburtsort), war vom (Eintrittsdatum) bis zum "
    "(Austrittsdatum) als (Position) in unserem Unternehmen tätig.");

// A working folder with a catalogue of 34 questions of type 1, kind 2: the first ungraded, the others
// graded with five rows of three phrasings each.
class Arbeitsplatz
{
public:
    Arbeitsplatz() : m_vorher(QDir::currentPath())
    {
        QDir::setCurrent(m_ordner.path());
        m_katalog = std::make_unique<Testkatalog>();
        m_katalog->frage(
            {1, QStringLiteral("Wie sollen die einleitenden Angaben aussehen?"), 1, 2, false, true});
        m_katalog->antwort({1,
                            0,
                            Einleitung,
                            {},
                            QStringLiteral("Herr "),
                            QStringLiteral(" trat am (Eintrittsdatum) bei uns ein."),
                            {},
                            {}});
        for (int nr = 2; nr <= 34; ++nr) {
            m_katalog->frage(
                {nr, QStringLiteral("Wie beurteilen Sie Punkt %1?").arg(nr), 1, 2, nr % 5 == 0, nr % 7 == 0});
            for (qint16 n = 1; n <= 5; ++n)
                m_katalog->antwort(
                    {nr,
                     n,
                     QStringLiteral("Herr "),
                     QStringLiteral(" erfüllte die Aufgaben in Punkt %1 mit Note %2 und großem "
                                    "Einsatz, stets sorgfältig und zuverlässig.")
                         .arg(nr)
                         .arg(n),
                     QStringLiteral("Seine Leistung in Punkt %1 verdient die Note %2.").arg(nr).arg(n),
                     {},
                     QStringLiteral("Punkt %1, Note %2: ohne Beanstandung.").arg(nr).arg(n),
                     {}});
        }

        Sitzung& s = Sitzung::instanz();
        s = Sitzung{};
        s.arbeitgeber.Name = QStringLiteral("Hans Huber");
        s.arbeitgeber.Ort = QStringLiteral("Bonn");
        s.arbeitnehmer = {QStringLiteral("Maier"),     QStringLiteral("Peter"),
                          QStringLiteral("Dr."),       QStringLiteral("Leiter Buchhaltung"),
                          QStringLiteral("Köln"),      QStringLiteral("1.2.1980"),
                          QStringLiteral("1.4.2010"),  QStringLiteral("30.6.2024"),
                          QStringLiteral("30.6.2024"), 1};
        s.Arbeitnehmertyp = 1;
        s.Zeugnisart = 2;

        m_roh = std::make_unique<Rohverbindung>(QStringLiteral("bench-roh"), katalog());
    }
    ~Arbeitsplatz()
    {
        m_roh.reset();
        m_katalog.reset();
        QDir::setCurrent(m_vorher);
    }

    QString katalog() const { return m_ordner.filePath(QStringLiteral("system98.dll")); }

    // A bare connection that stays open, for the queries of one step.
    QSqlDatabase roh() const { return m_roh->db(); }

    // The bare queries of opening the screen, on a connection of their own: the question set, the first
    // question's answers, emptying Auswahl.
    void rohOeffnen() const
    {
        const Rohverbindung v(QStringLiteral("bench-oeffnen"), katalog());
        QSqlQuery q(v.db());
        q.prepare(QStringLiteral("SELECT Nr, Frage, KeineAussage, Absatz FROM FragenMann "
                                 "WHERE Arbeitnehmertyp = ? AND Zeugnisart = ? ORDER BY Nr"));
        q.addBindValue(1);
        q.addBindValue(2);
        q.exec();
        while (q.next())
            benchmark::DoNotOptimize(q.value(1).toString());
        antwortenLesen(v.db(), 1);
        q.exec(QStringLiteral("DELETE FROM Auswahl"));
    }

    static void antwortenLesen(const QSqlDatabase& db, int frage)
    {
        QSqlQuery q(db);
        q.prepare(QStringLiteral(
            "SELECT Frage, Note, VarianteAAntwort1, VarianteBAntwort1, VarianteCAntwort1, "
            "VarianteAAntwort2, VarianteBAntwort2, VarianteCAntwort2 FROM AntwortenMannDeutsch "
            "WHERE Frage = ? ORDER BY rowid"));
        q.addBindValue(frage);
        q.exec();
        while (q.next())
            benchmark::DoNotOptimize(q.value(2).toString());
    }

private:
    QTemporaryDir m_ordner;
    QString m_vorher;
    std::unique_ptr<Testkatalog> m_katalog;
    std::unique_ptr<Rohverbindung> m_roh;
};

template <typename T> T* kind(QWidget* w, const QString& name)
{
    return w->findChild<T*>(name);
}

void BM_FragenFormOeffnen(benchmark::State& state)
{
    Arbeitsplatz platz;
    Vergleich vergleich(state);
    for (auto _ : state)
        vergleich.messen([&] { platz.rohOeffnen(); }, [] { FragenForm form; });
    vergleich.melden("sqlite_ms", 1000);
}
BENCHMARK(BM_FragenFormOeffnen)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

// One press of ">> Weiter >>" after a phrasing was chosen: stores nothing of its own here, appends the
// phrase and loads the next question. The bare queries: the current Auswahl row and the next question's
// answer rows on an open connection.
void BM_Weiter(benchmark::State& state)
{
    Arbeitsplatz platz;
    std::unique_ptr<FragenForm> form;
    int frage = 0;
    Vergleich vergleich(state);
    for (auto _ : state) {
        if (!form || frage > 34) {
            form = std::make_unique<FragenForm>();
            frage = 1;
        }
        if (frage > 1)
            kind<QRadioButton>(form.get(), QStringLiteral("Wert2"))->click();
        kind<QPushButton>(form.get(), QStringLiteral("Varian0"))->click();

        auto* knopf = kind<QPushButton>(form.get(), QStringLiteral("WeiterButton"));
        vergleich.messen(
            [&] {
                QSqlQuery q(platz.roh());
                q.prepare(QStringLiteral("SELECT EigeneFormulierung FROM Auswahl WHERE rowid = ?"));
                q.addBindValue(frage);
                q.exec();
                while (q.next())
                    benchmark::DoNotOptimize(q.value(0).toString());
                Arbeitsplatz::antwortenLesen(platz.roh(), frage + 1);
            },
            [&] { knopf->click(); });
        ++frage;
    }
    vergleich.melden("sqlite_ms", 1000);
}
BENCHMARK(BM_Weiter)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(200);

// The placeholder filling of the introduction phrase, beside the bare query that reads that phrase.
void BM_TextBausteineEinsetzen(benchmark::State& state)
{
    Arbeitsplatz platz;
    const Arbeitnehmerdaten& daten = Sitzung::instanz().arbeitnehmer;
    Vergleich vergleich(state);
    for (auto _ : state) {
        QString text = Einleitung;
        vergleich.messen(
            [&] {
                QSqlQuery q(platz.roh());
                q.prepare(QStringLiteral(
                    "SELECT VarianteAAntwort1 FROM AntwortenMannDeutsch WHERE Frage = ? AND Note = ?"));
                q.addBindValue(1);
                q.addBindValue(0);
                q.exec();
                q.next();
                benchmark::DoNotOptimize(q.value(0).toString());
            },
            [&] { benchmark::DoNotOptimize(TextBausteineEinsetzen(text, daten)); });
    }
    vergleich.melden("sqlite_us", 1e6);
}
BENCHMARK(BM_TextBausteineEinsetzen)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(2000);

// The language switch on a finished 34-answer reference (a click on "Englisch"), beside the bare queries
// of the same rows on a connection of their own: all of Auswahl, then per row its question and its answer.
void BM_ChangeLanguage(benchmark::State& state)
{
    Arbeitsplatz platz;
    FragenForm form;
    kind<QPushButton>(&form, QStringLiteral("Varian0"))->click();
    kind<QPushButton>(&form, QStringLiteral("WeiterButton"))->click();
    for (int frage = 2; frage <= 34; ++frage) {
        kind<QRadioButton>(&form, QStringLiteral("Wert%1").arg(1 + frage % 5))->click();
        kind<QPushButton>(&form, QStringLiteral("Varian%1").arg(frage % 3))->click();
        kind<QPushButton>(&form, QStringLiteral("WeiterButton"))->click();
    }
    auto* englisch = kind<QRadioButton>(&form, QStringLiteral("Wert2"));
    if (englisch->toolTip() != QStringLiteral("Sprachen")) {
        state.SkipWithError("Der Fragensatz wurde nicht zu Ende geführt.");
        return;
    }

    Vergleich vergleich(state);
    for (auto _ : state) {
        vergleich.messen(
            [&] {
                const Rohverbindung v(QStringLiteral("bench-sprache"), platz.katalog());
                QSqlQuery auswahl(v.db()), frage(v.db()), antwort(v.db());
                auswahl.exec(QStringLiteral("SELECT Frage, Note, Variante, KeineAussage, EigeneFormulierung "
                                            "FROM Auswahl ORDER BY rowid"));
                frage.prepare(QStringLiteral("SELECT Absatz FROM FragenMann WHERE Nr = ?"));
                antwort.prepare(QStringLiteral(
                    "SELECT VarianteAAntwort1, VarianteAAntwort2, VarianteBAntwort1, VarianteBAntwort2, "
                    "VarianteCAntwort1, VarianteCAntwort2 FROM AntwortenMannEnglisch WHERE Frage = ? AND "
                    "Note = ?"));
                while (auswahl.next()) {
                    frage.addBindValue(auswahl.value(0));
                    frage.exec();
                    frage.next();
                    benchmark::DoNotOptimize(frage.value(0).toInt());
                    antwort.addBindValue(auswahl.value(0));
                    antwort.addBindValue(auswahl.value(1));
                    antwort.exec();
                    antwort.next();
                    benchmark::DoNotOptimize(antwort.value(0).toString());
                }
            },
            [&] { englisch->click(); });
    }
    vergleich.melden("sqlite_ms", 1000);
}
BENCHMARK(BM_ChangeLanguage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
