// Shows the letter's preview for a sample reference, for looking at it: the language word as first argument
// ("Deutsch", "Franzoesisch", ...), the number of paragraphs as second (default 6), "pdf" as third to write
// the letter to brief.pdf and brief.odt in the current folder instead. Not a test; run it under a display.
#include "screens/Briefvorschau.h"

#include "engine/Zeugnistext.h"
#include "screens/Briefsatz.h"
#include "screens/Sprache.h"
#include "screens/Zeugnisausgabe.h"
#include "store/Sitzung.h"
#include "tests/Beispielsitzung.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Sprache::deutschEinrichten(app);
    const QString sLand = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("Deutsch");
    const int absaetze = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 6;
    const bool dateien = argc > 3 && QString::fromLocal8Bit(argv[3]) == u"pdf";

    sitzungSetzen();
    Sitzung& s = Sitzung::instanz();
    s.arbeitgeber.Strasse = QStringLiteral("Poppelsdorfer Allee 24");
    s.arbeitgeber.PLZ = QStringLiteral("53115");
    s.arbeitgeber.Funktion = QStringLiteral("Geschäftsführer");
    const QStringList saetze{
        QStringLiteral("Frau Eva Maier, geboren am 1.2.1980 in Köln, war vom 1.4.2010 bis zum 30.6.2024 als "
                       "Buchhalterin in unserem Unternehmen tätig."),
        QStringLiteral("Zu ihren Aufgaben gehörten die Debitoren- und Kreditorenbuchhaltung, die "
                       "Vorbereitung der Monats- und Jahresabschlüsse sowie die Abstimmung mit dem "
                       "Steuerberater."),
        QStringLiteral("Frau Maier verfügt über umfassende und fundierte Fachkenntnisse, die sie stets "
                       "sicher und zielgerichtet einsetzte."),
        QStringLiteral("Sie arbeitete stets sorgfältig, zuverlässig und mit großem Engagement. Ihre "
                       "Leistungen fanden jederzeit unsere vollste Anerkennung."),
        QStringLiteral("Ihr Verhalten gegenüber Vorgesetzten, Kollegen und Geschäftspartnern war stets "
                       "vorbildlich."),
        QStringLiteral("Frau Maier verlässt unser Unternehmen auf eigenen Wunsch. Wir bedauern ihr "
                       "Ausscheiden sehr, danken ihr für die stets sehr gute Zusammenarbeit und wünschen ihr "
                       "für ihren weiteren Berufs- und Lebensweg alles Gute und weiterhin viel Erfolg."),
    };
    const QStringList franzoesisch{
        QStringLiteral("Madame Eva Maier, née le 1.2.1980 à Cologne, a travaillé dans notre entreprise du "
                       "1.4.2010 au 30.6.2024 en qualité de comptable."),
        QStringLiteral("Elle a toujours accompli ses tâches avec le plus grand soin et à notre entière "
                       "satisfaction."),
        QStringLiteral(
            "Son comportement envers ses supérieurs, ses collègues et nos partenaires a toujours été "
            "exemplaire."),
        QStringLiteral("Madame Maier nous quitte à sa demande. Nous la remercions de son excellente "
                       "collaboration et lui souhaitons beaucoup de succès pour la suite."),
    };
    const QStringList& saetzeJeSprache = sLand == u"Franzoesisch" ? franzoesisch : saetze;
    QStringList text;
    for (int i = 0; i < absaetze; ++i)
        text << saetzeJeSprache.at(i % saetzeJeSprache.size());
    const QString zeugnis = text.join(QStringLiteral("\r\n")) + Zeugnisschluss(s);

    QWidget panel;
    Zeugnisausgabe ausgabe(&panel, [&zeugnis] { return zeugnis; }, {}); // a look only: nothing recorded
    ausgabe.aufgebaut(sLand, zeugnis);
    if (dateien) {
        const Brief b = ausgabe.brief();
        for (const Status& st : {Briefsatz::alsPdf(b, QStringLiteral("brief.pdf")),
                                 Briefsatz::alsOdt(b, QStringLiteral("brief.odt"))})
            if (!st) {
                std::fprintf(stderr, "%s\n", qPrintable(st.fehler()));
                return 1;
            }
        return 0;
    }
    Briefvorschau vorschau(ausgabe);
    vorschau.show();
    return QApplication::exec();
}
