// The question screen on a 34-question set: opening it, one Continue, the placeholder filling, the rebuild
// of a 34-answer reference in another language. Each figure
// stands beside the bare SQLite queries for the same rows, measured alternately in the same run so that
// machine load hits both alike; the counter "zu_sqlite" is the ratio of the two.

#include "engine/FragenForm.h"
#include "engine/Zeugnistext.h"
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

        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-roh"));
        db.setDatabaseName(m_ordner.filePath(QStringLiteral("system98.dll")));
        db.open();
    }
    ~Arbeitsplatz()
    {
        QSqlDatabase::database(QStringLiteral("bench-roh"), false).close();
        QSqlDatabase::removeDatabase(QStringLiteral("bench-roh"));
        m_katalog.reset();
        QDir::setCurrent(m_vorher);
    }

    // A bare connection that stays open, for the queries of one step.
    static QSqlDatabase roh() { return QSqlDatabase::database(QStringLiteral("bench-roh"), false); }

    // The bare queries of opening the screen, on a connection of their own: the question set, the first
    // question's answers, emptying Auswahl.
    void rohOeffnen() const
    {
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-oeffnen"));
            db.setDatabaseName(m_ordner.filePath(QStringLiteral("system98.dll")));
            db.open();
            QSqlQuery q(db);
            q.prepare(QStringLiteral("SELECT Nr, Frage, KeineAussage, Absatz FROM FragenMann "
                                     "WHERE Arbeitnehmertyp = ? AND Zeugnisart = ? ORDER BY Nr"));
            q.addBindValue(1);
            q.addBindValue(2);
            q.exec();
            while (q.next())
                benchmark::DoNotOptimize(q.value(1).toString());
            antwortenLesen(db, 1);
            q.exec(QStringLiteral("DELETE FROM Auswahl"));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("bench-oeffnen"));
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
};

template <typename T> T* kind(QWidget* w, const QString& name)
{
    return w->findChild<T*>(name);
}

void BM_FragenFormOeffnen(benchmark::State& state)
{
    Arbeitsplatz platz;
    double roh = 0, form = 0;
    for (auto _ : state) {
        roh += sekunden([&] { platz.rohOeffnen(); });
        const double t = sekunden([] { delete new FragenForm; });
        form += t;
        state.SetIterationTime(t);
    }
    state.counters["sqlite_ms"] = roh * 1000 / double(state.iterations());
    state.counters["zu_sqlite"] = roh > 0 ? form / roh : 0;
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
    double roh = 0, weiter = 0;
    for (auto _ : state) {
        if (!form || frage > 34) {
            form = std::make_unique<FragenForm>();
            frage = 1;
        }
        if (frage > 1)
            kind<QRadioButton>(form.get(), QStringLiteral("Wert2"))->click();
        kind<QPushButton>(form.get(), QStringLiteral("Varian0"))->click();

        roh += sekunden([&] {
            QSqlQuery q(Arbeitsplatz::roh());
            q.prepare(QStringLiteral("SELECT EigeneFormulierung FROM Auswahl WHERE rowid = ?"));
            q.addBindValue(frage);
            q.exec();
            while (q.next())
                benchmark::DoNotOptimize(q.value(0).toString());
            Arbeitsplatz::antwortenLesen(Arbeitsplatz::roh(), frage + 1);
        });
        auto* knopf = kind<QPushButton>(form.get(), QStringLiteral("WeiterButton"));
        const double t = sekunden([&] { knopf->click(); });
        weiter += t;
        state.SetIterationTime(t);
        ++frage;
    }
    state.counters["sqlite_ms"] = roh * 1000 / double(state.iterations());
    state.counters["zu_sqlite"] = roh > 0 ? weiter / roh : 0;
}
BENCHMARK(BM_Weiter)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(200);

// The placeholder filling of the introduction phrase, beside the bare query that reads that phrase.
void BM_TextBausteineEinsetzen(benchmark::State& state)
{
    Arbeitsplatz platz;
    const Arbeitnehmerdaten& daten = Sitzung::instanz().arbeitnehmer;
    double roh = 0, einsetzen = 0;
    for (auto _ : state) {
        roh += sekunden([] {
            QSqlQuery q(Arbeitsplatz::roh());
            q.prepare(QStringLiteral(
                "SELECT VarianteAAntwort1 FROM AntwortenMannDeutsch WHERE Frage = ? AND Note = ?"));
            q.addBindValue(1);
            q.addBindValue(0);
            q.exec();
            q.next();
            benchmark::DoNotOptimize(q.value(0).toString());
        });
        QString text = Einleitung;
        const double t = sekunden([&] { benchmark::DoNotOptimize(TextBausteineEinsetzen(text, daten)); });
        einsetzen += t;
        state.SetIterationTime(t);
    }
    state.counters["sqlite_us"] = roh * 1e6 / double(state.iterations());
    state.counters["zu_sqlite"] = roh > 0 ? einsetzen / roh : 0;
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

    const QString ordner = QDir::current().filePath(QStringLiteral("system98.dll"));
    double roh = 0, wechsel = 0;
    for (auto _ : state) {
        roh += sekunden([&] {
            {
                QSqlDatabase db =
                    QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-sprache"));
                db.setDatabaseName(ordner);
                db.open();
                QSqlQuery auswahl(db), frage(db), antwort(db);
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
                db.close();
            }
            QSqlDatabase::removeDatabase(QStringLiteral("bench-sprache"));
        });
        const double t = sekunden([&] { englisch->click(); });
        wechsel += t;
        state.SetIterationTime(t);
    }
    state.counters["sqlite_ms"] = roh * 1000 / double(state.iterations());
    state.counters["zu_sqlite"] = roh > 0 ? wechsel / roh : 0;
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
