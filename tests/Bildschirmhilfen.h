#pragma once

// Helpers for the tests of the program's screens: finding windows and controls, clicking, letting queued
// activation run, writing the settings file and a small catalogue into the current working folder.

#include "screens/StartForm.h"
#include "store/Profil.h"
#include "store/Sitzung.h"
#include "tests/Testkatalog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
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

// The control of that name in a window. A missing control ends the test program with its name: every
// control of the program has its name, so that is a fault of the screen or of the test.
template <typename T = QWidget> T* kind(const QWidget* fenster, const QString& name)
{
    T* w = fenster ? fenster->findChild<T*>(name) : nullptr;
    if (!w)
        qFatal("Steuerelement %s fehlt in %s", qPrintable(name),
               fenster ? qPrintable(fenster->objectName()) : "keinem Fenster");
    return w;
}

// A mouse click where the button takes it: on the indicator of an option button, in the middle of any other.
// Returns false when the button cannot be clicked (hidden or disabled).
inline bool klicken(QAbstractButton* b)
{
    if (!b->isVisible() || !b->isEnabled())
        return false;
    const QPoint p = qobject_cast<QRadioButton*>(b) ? QPoint(6, b->height() / 2) : b->rect().center();
    QTest::mouseClick(b, Qt::LeftButton, {}, p);
    return true;
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

// The lines of the settings file, joined by "|"; empty when there is no file.
inline QString iniZeilen()
{
    return iniLesen().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).join(QLatin1Char('|'));
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
    if (!Profil::schreiben(pfad, Profil::Abbruch, QStringLiteral("Frage"), QStringLiteral("0")))
        return false;
    return Profil::lesen(pfad, Profil::Abbruch, QStringLiteral("Frage")) == QStringLiteral("0");
}

// Writes system98.dll into the current working folder: questions 1 to 3 of type 1 qualified and 4 of type
// 1 simple, 10 to 20 of type 3 and 30, 31 of type 2, both qualified; type 4 has none. Every question is
// ungraded, for both sexes, with its three phrasings in every language. True once the file is there (a
// failure while writing it ends the test program).
inline bool katalogAnlegen()
{
    {
        Testkatalog k;
        const auto fragen = [&k](int von, int bis, qint16 typ, qint16 art) {
            for (int nr = von; nr <= bis; ++nr)
                k.ungewerteteFrage(nr, false, false, typ, art);
        };
        fragen(1, 3, Typ::Gewerblich, Art::Qualifiziert);
        fragen(4, 4, Typ::Gewerblich, Art::Einfach);
        fragen(10, 20, Typ::Auszubildender, Art::Qualifiziert);
        fragen(30, 31, Typ::Fuehrungskraft, Art::Qualifiziert);
    }
    return QFile::exists(QDir::current().filePath(QStringLiteral("system98.dll")));
}

} // namespace Hilfe

// Fails a test that needs the real settings file when the store cannot write and read it back.
#define PROFIL_NOETIG()                                                                                      \
    QVERIFY2(Hilfe::profilBereit(), "Die Einstellungsdatei kann nicht gelesen und geschrieben werden")
