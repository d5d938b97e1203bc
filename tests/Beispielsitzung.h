#pragma once

#include "store/Sitzung.h"

#include <QString>

// A fresh shared record for the question screen's tests, benchmarks and preview: type, kind, sex, resume
// number and count as given; fixed employer and employee data (employee Eva Maier, place of issue Bonn,
// signatory Hans Huber).
inline void sitzungSetzen(qint16 typ = 1, qint16 art = 2, qint16 geschlecht = 1, const QString& abbruch = {},
                          qint16 zahl = 0)
{
    Sitzung& s = Sitzung::instanz();
    s = Sitzung{};
    s.arbeitgeber.Firma = QStringLiteral("Muster GmbH");
    s.arbeitgeber.Name = QStringLiteral("Hans Huber");
    s.arbeitgeber.Ort = QStringLiteral("Bonn");
    s.arbeitnehmer.Name = QStringLiteral("Maier");
    s.arbeitnehmer.Vorname = QStringLiteral("Eva");
    s.arbeitnehmer.Position = QStringLiteral("Buchhalterin");
    s.arbeitnehmer.Geburtsort = QStringLiteral("Köln");
    s.arbeitnehmer.Geburtsdatum = QStringLiteral("1.2.1980");
    s.arbeitnehmer.Eintrittsdatum = QStringLiteral("1.4.2010");
    s.arbeitnehmer.Austrittsdatum = QStringLiteral("30.6.2024");
    s.arbeitnehmer.Zeugnisdatum = QStringLiteral("30.6.2024");
    s.arbeitnehmer.Geschlecht = geschlecht;
    s.Arbeitnehmertyp = typ;
    s.Zeugnisart = art;
    s.AbbruchFrage = abbruch;
    s.Zahl = zahl;
}
