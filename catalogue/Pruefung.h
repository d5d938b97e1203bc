#pragma once

#include "catalogue/Quelle.h"

// The consistency checks of the catalogue source. A build refuses a source with any finding of level
// Fehler; a Warnung is shown but does not stop it.
namespace Katalogbau {

struct Regeln
{
    QStringList sprachen =
        Katalogbau::sprachen();            // languages every phrasing must have (others checked if present)
    QStringList pflicht = pflichtsaetze(); // sets that must be given
    bool anzahlPruefen = true;             // each set holds exactly its number of questions
    bool ziffernVerbieten = true;          // no digit in any phrasing
    bool vielfaltPruefen = true;           // the variety of a whole reference (see gesamtpruefung())
    // Sets whose text is still being rewritten: the whole-reference checks (gesamtpruefung()) report their
    // findings there as warnings. A set leaves this list when its text passes them.
    QStringList vorlaeufig;

    // The rules of the delivered catalogue.
    static Regeln streng() { return {}; }
    // The test catalogue: no required sets, any number of questions per set, digits allowed and no variety
    // asked (its texts carry markers such as "T103N2B-de-m" so that tests can tell every text apart).
    // Everything else is checked as strictly.
    static Regeln testkatalog();
};

Meldungen pruefen(const QList<Satz>& saetze, const Regeln& regeln = Regeln::streng());

} // namespace Katalogbau
