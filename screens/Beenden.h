#pragma once

class QWidget;

// "Abbrechen" of the data-entry screens: asks whether the program is really to be ended and ends it on
// "Ja". Returns true when the program is ending; the caller then returns at once.
bool programmBeendenBestaetigen(QWidget* eltern);
