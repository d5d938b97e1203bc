#pragma once

#include <QString>
#include <optional>

class QPrinter;
class QWidget;

// The program's file and print dialogs. Screens reach them only through here, so that tests can script the
// chosen file or printer.
namespace Dateiwahl {

struct Speichern
{
    QString titel;     // caption of the dialog
    QString vorschlag; // full path offered
    QString filter;    // e.g. "PDF-Dokument (*.pdf)"
};

class Anbieter
{
public:
    virtual ~Anbieter() = default;
    // The chosen path, or nullopt when the user cancelled. Never asks about an existing file itself.
    virtual std::optional<QString> speichern(QWidget* eltern, const Speichern& frage) = 0;
    // Lets the user choose and set up a printer; false when cancelled.
    virtual bool drucker(QWidget* eltern, QPrinter& drucker) = 0;
    // The user's documents folder.
    virtual QString dokumente() = 0;
};

// Installs another implementation (tests); nullptr restores the program's own.
void setzeAnbieter(Anbieter* anbieter);

// Asks for a path to save to, starting at `frage.vorschlag`, whose folder is created when needed. A name
// typed without the extension of `endung` gets it. An existing file is replaced only after "Ja" to a
// question; "Nein" offers the dialog again. nullopt when the user cancelled.
std::optional<QString> speichern(QWidget* eltern, const Speichern& frage, const QString& endung);

bool drucker(QWidget* eltern, QPrinter& drucker);

// The folder "Zeugnisse" in the user's documents folder, where letters are saved unless the user chooses
// another.
QString zeugnisordner();

} // namespace Dateiwahl
