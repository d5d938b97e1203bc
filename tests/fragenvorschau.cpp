// Shows the question screen on a small sample catalogue, for looking at it: "start" (as opened), "phrase"
// (a graded question with a phrase chosen), "ende" (the end state), "englisch" (the end state, rebuilt in
// English), "dialog" (the closing dialog over the end state) or "kopieren" (the end state, "Ja" in the
// closing dialog, which puts the text on the system clipboard, and "Beenden" after the number of
// milliseconds given as second argument; the text copied is also written to standard output).
// Not a test; run it under a display.
#include "screens/Sprache.h"
#include "tests/Fragenbildschirm.h"
#include "tests/Testkatalog.h"
#include "tests/Testumgebung.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Sprache::deutschEinrichten(app);
    const QString schritt = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("start");

    Arbeitsordner ordner;
    Testkatalog k;
    k.frage({1, QStringLiteral("Wie sollen die einleitenden Angaben im Arbeitszeugnis aussehen?"), 1, 2,
             false, true});
    k.antwort({1,
               0,
               QStringLiteral(
                   "(VollerName), geboren am (Geburtsdatum) in (Geburtsort), war vom (Eintrittsdatum) bis "
                   "zum (Austrittsdatum) als (Position) in unserem Unternehmen tätig."),
               {},
               QStringLiteral("Herr "),
               QStringLiteral(" trat am (Eintrittsdatum) in unser Unternehmen ein."),
               {},
               {}});
    k.frage({2, QStringLiteral("Wie beurteilen Sie das Fachwissen?"), 1, 2, false, true});
    const QStringList stufen{QStringLiteral("stets umfassende und hervorragende"),
                             QStringLiteral("umfassende und gute"), QStringLiteral("gute"),
                             QStringLiteral("solide"), QStringLiteral("im Wesentlichen ausreichende")};
    for (qint16 n = 1; n <= 5; ++n)
        k.antwort({2,
                   n,
                   QStringLiteral("Herr "),
                   QStringLiteral(" verfügte über %1 Fachkenntnisse.").arg(stufen.at(n - 1)),
                   QStringLiteral("Er besaß %1 Fachkenntnisse.").arg(stufen.at(n - 1)),
                   {},
                   QStringLiteral("Sein Fachwissen war %1.").arg(stufen.at(n - 1)),
                   {}});

    sitzungSetzen();
    Sitzung::instanz().arbeitnehmer.Vorname = QStringLiteral("Peter"); // the sample phrases speak of a man

    Fragenbildschirm b;
    if (schritt != QStringLiteral("start")) {
        b.beantworten(0, 0);
        Fragenbildschirm::klicken(b.wert(2));
        Fragenbildschirm::klicken(b.varian(1));
        if (schritt != QStringLiteral("phrase"))
            Fragenbildschirm::klicken(b.weiter());
        if (schritt == QStringLiteral("englisch"))
            Fragenbildschirm::klicken(b.wert(2));
        if (schritt == QStringLiteral("dialog"))
            QTimer::singleShot(0, b.weiter(), [&b] { b.weiter()->click(); });
        if (schritt == QStringLiteral("kopieren")) {
            const int warten = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 3000;
            QTimer::singleShot(0, b.weiter(), [&b, warten] {
                imDialog([](QDialog* d) { d->findChild<QPushButton*>(QStringLiteral("cmdJa"))->click(); });
                b.weiter()->click();
                fputs(b.zeugnis().toUtf8().constData(), stdout);
                fflush(stdout);
                QTimer::singleShot(warten, b.abbrechen(), [&b] { b.abbrechen()->click(); });
            });
        }
    }
    return QApplication::exec();
}
