#include "screens/Beenden.h"

#include "screens/Umgebung.h"

bool programmBeendenBestaetigen(QWidget* eltern)
{
    const Umgebung::Meldung frage{QStringLiteral("Programm beenden"),
                                  QStringLiteral("Wollen Sie wirklich das Programm beenden?"),
                                  Umgebung::Knoepfe::JaNein, Umgebung::Symbol::Keins};
    if (Umgebung::zeigen(eltern, frage) != Umgebung::Antwort::Ja)
        return false;
    Umgebung::beenden();
    return true;
}
