#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

// Text helpers shared by every layer.
namespace Text {

// Line break of every assembled text: carriage return and line feed.
inline const QString Zeilenumbruch = QStringLiteral("\r\n");

// A number as text: its digits preceded by one blank, or by a minus sign when negative (7 -> " 7").
QString vorzeichenZahl(qint64 zahl);

// The numeric value of a text: blanks and tabs before it are skipped, then an optional sign, digits and an
// optional decimal fraction are read; no number reads 0. The result is the nearest 16-bit value (halves to
// the even neighbour); a value outside the 16-bit range is clamped to it.
qint16 zahlLesen(QStringView text);

} // namespace Text
