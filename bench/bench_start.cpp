// Whole-process start-up: how long a fresh process takes from exec to the painted start screen, and how
// much memory it peaks at, beside a bare Qt process that shows an empty window (measured alternately in the
// same run, so machine load hits both alike).

#include "screens/Sprache.h"
#include "screens/StartForm.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstring>

#if defined(Q_OS_UNIX)
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#else
#include <QProcess>
#endif

#if defined(Q_OS_UNIX)
extern char** environ;
#endif

namespace {

const char* selbst = nullptr;

// Runs this program again in `modus` and returns its wall time in seconds and peak memory in KiB (0 where
// the system does not report it to the parent).
std::pair<double, long> kindLaufen(const char* modus)
{
#if !defined(Q_OS_UNIX)
    const auto anfang = std::chrono::steady_clock::now();
    QProcess kind;
    kind.start(QString::fromLocal8Bit(selbst), {QString::fromLatin1(modus)});
    if (!kind.waitForFinished(-1))
        return {0, 0};
    const std::chrono::duration<double> dauer = std::chrono::steady_clock::now() - anfang;
    return {dauer.count(), 0};
#else
    char* argv[] = {const_cast<char*>(selbst), const_cast<char*>(modus), nullptr};
    const auto anfang = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, selbst, nullptr, nullptr, argv, environ) != 0)
        return {0, 0};
    int status = 0;
    rusage verbrauch{};
    wait4(pid, &status, 0, &verbrauch);
    const std::chrono::duration<double> dauer = std::chrono::steady_clock::now() - anfang;
    return {dauer.count(), verbrauch.ru_maxrss};
#endif
}

void BM_Programmstart(benchmark::State& state)
{
    double zeitStart = 0, zeitLeer = 0;
    long speicherStart = 0, speicherLeer = 0;
    for (auto _ : state) {
        const auto leer = kindLaufen("--kind-leer");
        const auto start = kindLaufen("--kind-start");
        state.SetIterationTime(start.first);
        zeitLeer += leer.first;
        zeitStart += start.first;
        speicherLeer = std::max(speicherLeer, leer.second);
        speicherStart = std::max(speicherStart, start.second);
    }
    state.counters["zeit_zu_qt_leer"] = zeitLeer > 0 ? zeitStart / zeitLeer : 0;
    state.counters["speicher_KiB"] = double(speicherStart);
    state.counters["speicher_zu_qt_leer"] =
        speicherLeer > 0 ? double(speicherStart) / double(speicherLeer) : 0;
}
BENCHMARK(BM_Programmstart)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

int kind(int argc, char** argv, bool mitStartbild)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QWidget* fenster = nullptr;
    QWidget leer;
    if (mitStartbild) {
        Sprache::deutschEinrichten(app);
        fenster = new StartForm; // deletes itself on close
    } else {
        fenster = &leer;
    }
    fenster->show();
    if (!QTest::qWaitForWindowExposed(fenster))
        return 1;
    fenster->grab(); // painted once
    if (mitStartbild)
        fenster->close();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    selbst = argv[0];
    if (argc > 1 && std::strcmp(argv[1], "--kind-start") == 0)
        return kind(1, argv, true);
    if (argc > 1 && std::strcmp(argv[1], "--kind-leer") == 0)
        return kind(1, argv, false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
