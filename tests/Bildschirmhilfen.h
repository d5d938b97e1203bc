#pragma once

// Helpers for the tests of the data-entry screens: finding the program's windows, letting queued
// activation run, writing the settings file and a small catalogue into the current working folder.

#include "engine/Schema.h"
#include "screens/StartForm.h"
#include "store/Profil.h"
#include "store/Sitzung.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace Hilfe {

// Lets queued activation handling, hand-overs and deferred deletions run to completion.
inline void abwarten()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The visible top-level window with this object name, or null.
inline QWidget* fenster(const QString& name)
{
    QWidget* gefunden = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            gefunden = w;
    return gefunden;
}

// Every top-level window with this object name, visible or not.
inline int anzahl(const QString& name)
{
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            ++n;
    return n;
}

inline QString fokus()
{
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QString();
}

// Deletes every window of the program and empties the shared record.
inline void aufraeumen()
{
    abwarten();
    const QStringList bildschirme{QStringLiteral("StartForm"), QStringLiteral("ZeugnisForm"),
                                  QStringLiteral("StammdatenForm"), QStringLiteral("PersönlicheDaten"),
                                  QStringLiteral("FragenForm")};
    const auto alle = QApplication::topLevelWidgets();
    for (QWidget* w : alle)
        if (bildschirme.contains(w->objectName()))
            delete w;
    abwarten();
    Sitzung::instanz() = Sitzung{};
}

template <typename T = QWidget> T* kind(QWidget* fenster, const QString& name)
{
    T* w = fenster ? fenster->findChild<T*>(name) : nullptr;
    if (!w)
        qWarning("Steuerelement %s fehlt", qPrintable(name));
    return w;
}

inline QLineEdit* box(QWidget* fenster, int index)
{
    return kind<QLineEdit>(fenster, QStringLiteral("Stammdaten%1").arg(index));
}

// A mouse click on the named control of a window, then the queued activation and hand-overs run.
inline void klicken(QWidget* fenster, const QString& name)
{
    QTest::mouseClick(kind<QWidget>(fenster, name), Qt::LeftButton);
    abwarten();
}

// Opens a data-entry screen ready for input: the employer record of `ArbeitgeberAbschnitt` in the shared
// record and `aufrufer` as the caller mark, set after creation, so that a type screen that found no employer
// data in the settings file stays instead of handing over to the employer screen.
template <typename T> QPointer<T> zeigen(const QString& aufrufer = {})
{
    Sitzung& s = Sitzung::instanz();
    s.arbeitgeber = {QStringLiteral("Muster GmbH"), QStringLiteral("Erika Beispiel"),
                     QStringLiteral("Hauptstraße 12"), QStringLiteral("79100"), QStringLiteral("Freiburg")};
    QPointer<T> f = new T;
    s.Aufrufer = aufrufer;
    f->show();
    abwarten();
    return f;
}

// The program's start: the start screen is shown and its ">> Weiter >>" clicked.
inline void starten()
{
    auto* start = new StartForm;
    start->show();
    klicken(start, QStringLiteral("WeiterButton"));
}

// The settings file as the program finds it: Windows-1252 text with CRLF line ends.
inline void iniSchreiben(const QString& inhalt)
{
    QFile f(QDir::current().filePath(Profil::Dateiname));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QString(inhalt).replace(QStringLiteral("\n"), QStringLiteral("\r\n")).toLatin1());
}

inline QString iniLesen()
{
    QFile f(QDir::current().filePath(Profil::Dateiname));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(f.readAll());
}

inline const QString ArbeitgeberAbschnitt = QStringLiteral("[Persönliche Daten]\n"
                                                           "Firma=Muster GmbH\n"
                                                           "Name=Erika Beispiel\n"
                                                           "Strasse=Hauptstraße 12\n"
                                                           "PLZ=79100\n"
                                                           "Ort=Freiburg\n");

inline const QString KlientenAbschnitt = QStringLiteral("[Klienten Daten]\n"
                                                        "Name=Mustermann\n"
                                                        "Vorname=Max\n"
                                                        "Titel=Dr.\n"
                                                        "Position=Leiter Vertrieb\n"
                                                        "Geburtsort=Neustadt\n"
                                                        "Geburtsdatum=01.02.1970\n"
                                                        "Eintrittsdatum=01.04.2001\n"
                                                        "Austrittsdatum=30.06.2025\n"
                                                        "Geschlecht= 2\n"
                                                        "Zeugnisdatum=15.07.2025\n");

// True once the settings file can really be written and read back.
inline bool profilBereit()
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(Profil::Dateiname);
    Profil::schreiben(pfad, Profil::Abbruch, QStringLiteral("Frage"), QStringLiteral("0"));
    return Profil::lesen(pfad, Profil::Abbruch, QStringLiteral("Frage")) == QStringLiteral("0");
}

struct Katalogfrage
{
    int nr;
    int typ;
    int art;
};

// The questions of the test catalogue: type 1 with both kinds, types 2 and 3 qualified only; type 4 has none.
inline QList<Katalogfrage> standardfragen()
{
    QList<Katalogfrage> f;
    for (int nr = 1; nr <= 3; ++nr)
        f.append({nr, 1, 2});
    f.append({4, 1, 1});
    for (int nr = 10; nr <= 20; ++nr)
        f.append({nr, 3, 2});
    for (int nr = 30; nr <= 31; ++nr)
        f.append({nr, 2, 2});
    return f;
}

// Writes system98.dll into the current working folder: the full schema, the questions for both sexes and
// one ungraded answer row per question in every answer table.
inline bool katalogAnlegen(const QList<Katalogfrage>& fragen = standardfragen())
{
    bool gut = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("Testkatalog"));
        db.setDatabaseName(QDir::current().filePath(Schema::Dateiname));
        gut = db.open() && db.transaction();
        QSqlQuery q(db);
        for (const QString& s : Schema::anlegen())
            gut = gut && q.exec(s);
        for (qint16 g : {qint16(1), qint16(2)}) {
            for (const Katalogfrage& f : fragen) {
                gut = gut && q.exec(QStringLiteral("INSERT INTO %1 (Nr, Frage, Arbeitnehmertyp, Zeugnisart) "
                                                   "VALUES (%2, 'Frage %2', %3, %4)")
                                        .arg(Schema::fragenTabelle(g))
                                        .arg(f.nr)
                                        .arg(f.typ)
                                        .arg(f.art));
                for (const QString& wort : Schema::sprachwoerter())
                    gut = gut && q.exec(QStringLiteral("INSERT INTO %1 (Frage, Note, VarianteAAntwort1) "
                                                       "VALUES (%2, 0, 'Satz %2.')")
                                            .arg(Schema::antwortTabelle(g, wort))
                                            .arg(f.nr));
            }
        }
        gut = gut && db.commit();
        if (!gut)
            qWarning("Testkatalog: %s", qPrintable(q.lastError().text()));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("Testkatalog"));
    return gut;
}

} // namespace Hilfe

// Skips a test that needs the real settings file while the store still lacks it.
#define PROFIL_NOETIG()                                                                                      \
    do {                                                                                                     \
        if (!Hilfe::profilBereit())                                                                          \
            QSKIP("Die Einstellungsdatei kann noch nicht gelesen und geschrieben werden");                   \
    } while (false)
