#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Tables of the catalogue file system98.dll. Table names are only ever taken from here, never from input.
namespace Schema {

inline const QString Dateiname = QStringLiteral("system98.dll");

// The language words of the answer tables, in the order of the language buttons' design:
// "Deutsch", "Englisch", "Franzoesisch", "Italienisch", "Spanisch".
const QStringList& sprachwoerter();

// "FragenMann" for Geschlecht 1, "FragenFrau" for 2, empty otherwise.
QString fragenTabelle(qint16 geschlecht);

// "AntwortenMann"/"AntwortenFrau" followed by the language word; empty when sex or word is not one of the
// fixed set.
QString antwortTabelle(qint16 geschlecht, const QString& sprachwort);

// The twelve content tables: both question tables and the ten answer tables.
QStringList inhaltstabellen();

// The content tables and the two tables of the work in progress, Auswahl and LetzterBrief.
QStringList alleTabellen();

// The statements that create an empty catalogue file: both question tables, the ten answer tables,
// `Auswahl`, and `LetzterBrief` with its one row.
QStringList anlegen();

} // namespace Schema
