#pragma once

#include <QString>
#include <QStringList>

// The placeholders of the phrasing texts and how the program fills them in.
namespace Platzhalter {

// "(Eintrittsdatum)", "(Austrittsdatum)", "(Position)", "(Geburtsdatum)", "(Geburtsort)", "(VollerName)",
// in the order in which they are filled.
const QStringList& alle();

// Whether the placeholder takes the one character after it with it and leaves a blank instead.
bool schluckt(const QString& platzhalter);

// Whether a character right after such a placeholder stays behind the value (a sentence mark).
bool bleibtHinterWert(QChar c);

// True when the text holds "(Eintrittsdatum)" or "(Austrittsdatum)"; only then are placeholders filled.
bool wirdGefuellt(const QString& text);

struct Werte
{
    QString name, vorname, titel, position, geburtsort, geburtsdatum, eintrittsdatum, austrittsdatum;
};

// The text as the program fills it in (TextBausteineEinsetzen): the first occurrence of each placeholder, in
// the order of alle(), when the text holds a date placeholder; the text unchanged otherwise.
QString fuellen(QString text, const Werte& werte);

} // namespace Platzhalter
