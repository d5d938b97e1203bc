#pragma once

#include <QString>

class QWidget;

// The program's contact with its surroundings: message boxes, the clipboard and ending the program.
// Screens reach them only through here, so that tests can script the answers and observe the effects.
namespace Umgebung {

enum class Knoepfe
{
    Ok,
    JaNein,
    JaNeinAbbrechen
};
enum class Symbol
{
    Keins,
    Ausrufezeichen
};
enum class Antwort
{
    Ok,
    Ja,
    Nein,
    Abbrechen
};

struct Meldung
{
    QString titel;
    QString text;
    Knoepfe knoepfe = Knoepfe::Ok;
    Symbol symbol = Symbol::Keins;
};

// A message with an OK button and the exclamation icon, as every refused input gets.
inline Meldung warnung(const QString& titel, const QString& text)
{
    return {titel, text, Knoepfe::Ok, Symbol::Ausrufezeichen};
}

// A save that failed: what was not saved, then the store's description naming the file and the reason.
inline Meldung nichtGespeichert(const QString& was, const QString& fehler)
{
    return warnung(QStringLiteral("Nicht gespeichert"), was + QStringLiteral("\n\n") + fehler);
}

// The implementation in use. The program's own shows real message boxes and uses the real clipboard.
class Anbieter
{
public:
    virtual ~Anbieter() = default;
    virtual Antwort zeigen(QWidget* eltern, const Meldung& meldung) = 0;
    virtual void inZwischenablage(const QString& text) = 0;
    virtual void beenden() = 0;
};

// Installs another implementation (tests); nullptr restores the program's own.
void setzeAnbieter(Anbieter* anbieter);

// Shows a modal message box and returns the button that closed it. A box closed by its frame or by
// Escape answers as its cancelling button would (Abbrechen, Nein or Ok).
Antwort zeigen(QWidget* eltern, const Meldung& meldung);

// Empties the clipboard and puts `text` on it as plain text.
void inZwischenablage(const QString& text);

// Ends the program: every window disappears at once and the event loop ends. The caller returns
// straight after this call and touches nothing more.
void beenden();

// The application's title, the caption of message boxes that have no caption of their own.
QString programmtitel();

} // namespace Umgebung
