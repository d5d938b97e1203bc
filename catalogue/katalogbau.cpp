// katalogbau: checks the catalogue source, builds system98.dll from it and installs a built catalogue into a
// working folder. Messages go to stderr in German; the exit code is 0 on success, 1 on a failed check or
// step, 2 on a wrong call.

#include "catalogue/Bau.h"
#include "catalogue/Einbau.h"
#include "catalogue/Pruefung.h"
#include "store/Sperre.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStringList>
#include <QTextStream>

namespace {

QTextStream& fehlerausgabe()
{
    static QTextStream strom(stderr);
    return strom;
}

int aufruf()
{
    fehlerausgabe()
        << "Aufruf:\n"
           "  katalogbau --pruefen [--nur-deutsch] [--testkatalog] QUELLE.json...\n"
           "      prüft die Katalogquellen\n"
           "  katalogbau --bauen AUSGABE.dll [--nur-deutsch] [--testkatalog] QUELLE.json...\n"
           "      prüft und baut den Katalog, nur wenn keine Prüfung fehlschlägt\n"
           "  katalogbau --installieren ZIEL.dll NEU.dll\n"
           "      bringt einen gebauten Katalog in den Arbeitsordner; Auswahl und LetzterBrief bleiben\n"
           "Schalter:\n"
           "  --nur-deutsch  nur die deutschen Texte sind Pflicht (zum Ausprobieren von Entwürfen)\n"
           "  --testkatalog  keine Pflichtsätze, beliebige Anzahl Fragen je Satz, Ziffern erlaubt (für den "
           "Testkatalog)\n"
        << Qt::flush;
    return 2;
}

// Reads and checks the sources; prints every finding and a summary. True when no check failed.
bool pruefenUndLesen(const QStringList& quellen, const Katalogbau::Regeln& regeln,
                     QList<Katalogbau::Satz>& saetze)
{
    Katalogbau::Meldungen meldungen;
    for (const QString& quelle : quellen)
        saetze << Katalogbau::lesen(quelle, meldungen);
    meldungen << Katalogbau::pruefen(saetze, regeln);
    int fehler = 0;
    for (const Katalogbau::Meldung& m : meldungen) {
        fehlerausgabe() << m.alsText() << '\n';
        if (m.stufe == Katalogbau::Meldung::Stufe::Fehler)
            ++fehler;
    }
    int fragen = 0;
    for (const Katalogbau::Satz& s : saetze)
        fragen += int(s.fragen.size());
    fehlerausgabe() << QStringLiteral("Katalogprüfung: %1 Sätze, %2 Fragen, %3 Fehler, %4 Warnungen.\n")
                           .arg(saetze.size())
                           .arg(fragen)
                           .arg(fehler)
                           .arg(meldungen.size() - fehler)
                    << Qt::flush;
    return fehler == 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList argumente = app.arguments().mid(1);
    if (argumente.isEmpty())
        return aufruf();
    const QString befehl = argumente.takeFirst();

    if (befehl == QStringLiteral("--installieren")) {
        if (argumente.size() != 2)
            return aufruf();
        // The program must not find its tables replaced under a running reference; the lock is held until
        // the installation is done, so that no run starts meanwhile.
        const QString ordner = QFileInfo(argumente.at(0)).absolutePath();
        const Sperre::Versuch sperre = Sperre::sperren(ordner);
        if (sperre.art == Sperre::Versuch::Art::Belegt ||
            sperre.art == Sperre::Versuch::Art::AndererRechner) {
            fehlerausgabe() << QStringLiteral(
                                   "Fehler: das Programm arbeitet gerade im Ordner %1 (Sperrdatei %2%3). "
                                   "Der Katalog wurde nicht installiert. Beenden Sie bitte das "
                                   "Programm und rufen Sie die Installation dann erneut auf.\n")
                                   .arg(QDir::toNativeSeparators(ordner),
                                        QDir::toNativeSeparators(Sperre::pfad(ordner)),
                                        sperre.rechner.isEmpty()
                                            ? QString()
                                            : QStringLiteral(", vom Rechner „%1“").arg(sperre.rechner))
                            << Qt::flush;
            return 1;
        }
        const Katalogbau::Einbau ergebnis = Katalogbau::installieren(argumente.at(0), argumente.at(1));
        const QString vorsatz = !ergebnis.ok() ? QStringLiteral("Fehler: ")
                                : ergebnis.art == Katalogbau::Einbau::Art::Beiseitegelegt
                                    ? QStringLiteral("Achtung: ")
                                    : QString();
        fehlerausgabe() << vorsatz << ergebnis.text << '\n' << Qt::flush;
        return ergebnis.ok() ? 0 : 1;
    }

    if (befehl != QStringLiteral("--pruefen") && befehl != QStringLiteral("--bauen"))
        return aufruf();
    QString ausgabe;
    if (befehl == QStringLiteral("--bauen")) {
        if (argumente.isEmpty())
            return aufruf();
        ausgabe = argumente.takeFirst();
    }
    bool nurDeutsch = false;
    bool testkatalog = false;
    QStringList quellen;
    for (const QString& a : std::as_const(argumente)) {
        if (a == QStringLiteral("--nur-deutsch"))
            nurDeutsch = true;
        else if (a == QStringLiteral("--testkatalog"))
            testkatalog = true;
        else if (a.startsWith(QStringLiteral("--")))
            return aufruf();
        else
            quellen << a;
    }
    Katalogbau::Regeln regeln =
        testkatalog ? Katalogbau::Regeln::testkatalog() : Katalogbau::Regeln::streng();
    if (nurDeutsch)
        regeln.sprachen = QStringList{QStringLiteral("de")};
    if (quellen.isEmpty())
        return aufruf();

    QList<Katalogbau::Satz> saetze;
    if (!pruefenUndLesen(quellen, regeln, saetze)) {
        if (!ausgabe.isEmpty())
            fehlerausgabe() << QStringLiteral("Der Katalog %1 wurde nicht gebaut.\n").arg(ausgabe)
                            << Qt::flush;
        return 1;
    }
    if (ausgabe.isEmpty())
        return 0;
    QString fehler;
    if (!Katalogbau::bauen(saetze, ausgabe, &fehler)) {
        fehlerausgabe()
            << QStringLiteral("Fehler: der Katalog %1 ließ sich nicht bauen: %2\n").arg(ausgabe, fehler)
            << Qt::flush;
        return 1;
    }
    fehlerausgabe() << QStringLiteral("Katalog %1 gebaut.\n").arg(ausgabe) << Qt::flush;
    return 0;
}
