// Shows the screens of answering and checking, for looking at them: "daten" (the master data screen with
// dates that look wrong), "uebersicht" (the question screen on the delivered catalogue, eight answers given
// and the third reopened for a change) or "pruefung" (a whole reference of type 1 with findings of the
// check; the catalogue gets roles for its questions when it has none) or "zwischen N" (a whole interim
// reference for a manager, answered at grade 2, shown in the language of the N-th language button, 1 German).
// Not a test; run it under a display.
#include "screens/Sprache.h"
#include "screens/StammdatenForm.h"
#include "tests/Bildschirmhilfen.h"
#include "tests/Echterkatalog.h"
#include "tests/Fragenbildschirm.h"
#include "tests/Testumgebung.h"

#include <QApplication>
#include <QListWidget>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

// Roles by position for the type-1 qualified set, where the catalogue lacks them: enough to show findings.
void rollenErgaenzen(const QList<Echterkatalog::Frage>& fragen)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("vorschau"));
    db.setDatabaseName(QStringLiteral("system98.dll"));
    if (!db.open() || db.tables().contains(QStringLiteral("Fragenrolle")))
        return;
    QSqlQuery q(db);
    q.exec(QStringLiteral("CREATE TABLE Fragenrolle (Nr INTEGER PRIMARY KEY, Rolle TEXT NOT NULL)"));
    for (qsizetype i = 0; i < fragen.size(); ++i) {
        const qsizetype rest = fragen.size() - i;
        const QString rolle = i == 0      ? QStringLiteral("einleitung")
                              : rest == 1 ? QStringLiteral("wuensche")
                              : rest == 2 ? QStringLiteral("dank")
                              : rest == 3 ? QStringLiteral("bedauern")
                              : rest == 4 ? QStringLiteral("austritt")
                              : rest <= 8 ? QStringLiteral("verhalten")
                              : rest == 9 ? QStringLiteral("zusammenfassung")
                              : i < 4     ? QStringLiteral("aufgaben")
                                          : QStringLiteral("leistung");
        q.prepare(QStringLiteral("INSERT INTO Fragenrolle VALUES (?, ?)"));
        q.addBindValue(fragen.at(i).nr);
        q.addBindValue(rolle);
        q.exec();
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Sprache::deutschEinrichten(app);
    const QString schritt = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("uebersicht");
    Arbeitsordner ordner;
    Testumgebung umgebung;

    if (schritt == QStringLiteral("daten")) {
        auto f = Hilfe::zeigen<StammdatenForm>();
        const QStringList werte{QStringLiteral("Mustermann"),
                                QStringLiteral("Max"),
                                QString(),
                                QStringLiteral("Sachbearbeiter"),
                                QStringLiteral("Köln"),
                                QString(),
                                QString(),
                                QStringLiteral("31.02.2000"),
                                QStringLiteral("01.04.2010"),
                                QStringLiteral("Juli 2026"),
                                QStringLiteral("15.07.2026")};
        for (int i = 0; i < werte.size(); ++i)
            if (!werte.at(i).isEmpty())
                Hilfe::box(f, i)->setText(werte.at(i));
        Hilfe::box(f, 8)->setText(QStringLiteral("01.04.2010"));
        Hilfe::box(f, 7)->setText(QStringLiteral("12.05.1998"));
        return QApplication::exec();
    }

    if (!Echterkatalog::kopieren(ordner))
        return 1;
    const bool zwischen = schritt == QStringLiteral("zwischen");
    QList<Echterkatalog::Frage> fragen;
    {
        Echterkatalog k;
        fragen = zwischen ? k.fragen(1, 2, Art::Zwischen) : k.fragen(1, 1, 2);
    }
    if (schritt == QStringLiteral("pruefung"))
        rollenErgaenzen(fragen);
    if (zwischen) {
        sitzungSetzen(2, Art::Zwischen);
        Sitzung::instanz().arbeitnehmer.Austrittsdatum.clear();
    } else {
        sitzungSetzen();
    }
    Sitzung::instanz().arbeitnehmer.Vorname = QStringLiteral("Peter"); // the catalogue's texts of sex 1
    Fragenbildschirm b;
    b.form->activateWindow();
    static_cast<void>(QTest::qWaitForWindowActive(b.form, 3000));
    QList<Echterkatalog::Antwort> antworten;
    const int bis = schritt == QStringLiteral("pruefung") || zwischen ? int(fragen.size()) : 8;
    for (int i = 0; i < bis; ++i) {
        int note = 0;
        if (b.bewertung()->isVisible())
            note = zwischen ? 2
                   : i < 20 ? 3
                            : 1; // the summary and closing come out better than the single grades
        if (note > 0 && !b.wert(note)->isVisible())
            note = 1;
        if (note > 0)
            Fragenbildschirm::klicken(b.wert(note));
        int wahl = 0;
        while (wahl < 3 && !b.varian(wahl)->isEnabled())
            ++wahl;
        if (i == 9 && bis > 8 && !zwischen) {
            // An own wording with a code phrase and a school mark.
            Fragenbildschirm::klicken(b.varian(3));
            b.variante()->clear();
            QTest::keyClicks(b.variante(),
                             QStringLiteral("Er war stets gesellig; seine Leistungen waren gut."));
            Fragenbildschirm::klicken(b.weiter());
            continue;
        }
        if (!b.beantworten(0, wahl))
            break;
    }
    if (zwischen && argc > 2)
        Fragenbildschirm::klicken(b.wert(QString::fromLocal8Bit(argv[2]).toInt()));
    if (schritt == QStringLiteral("uebersicht")) {
        auto* liste = b.kind<QListWidget>(QStringLiteral("Antwortliste"));
        liste->setFocus();
        liste->setCurrentRow(2);
        QTest::keyClick(liste, Qt::Key_Return);
        QWidget* fokus = QApplication::focusWidget();
        QTest::keyClick(fokus ? fokus : b.form.data(), Qt::Key_2);
    }
    return QApplication::exec();
}
