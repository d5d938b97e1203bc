#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// The Windows-1252 code page, in which settings files written on Windows hold their text. Qt's own
// converters do not offer it, so the table is kept here. Bytes 0x00-0x7F are ASCII and 0xA0-0xFF are
// Latin-1; 0x80-0x9F hold the typographic characters (€ „ “ ” – — …, Š Œ Ž š œ ž Ÿ and others). The five
// bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters of
// the same number, so every byte sequence decodes and encodes back unchanged.
namespace Windows1252 {

// Every byte becomes exactly one character.
QString dekodieren(QByteArrayView bytes);

// The character's byte, or nullopt when the code page has no such character.
std::optional<char> zeichen(char16_t c);

// One byte per character; nullopt when any character has no byte in the code page.
std::optional<QByteArray> kodieren(QStringView text);

} // namespace Windows1252
