#pragma once

class QWidget;

// How the current screen leaves the stage when it hands over to the next one.
enum class Uebergabeart
{
    Schliessen,     // `nach` is shown and painted, then `von` is closed and its instance dropped
    Verbergen,      // `nach` is shown and painted, then `von` is only hidden and keeps its contents
    ErstSchliessen, // `von` is closed first, then `nach` is shown and painted
};

// A hand-over between two screens: `nach` is shown modeless and painted at once, `von` is closed (every
// screen deletes itself on close) or hidden. Closing here never asks the quit confirmation. The activation
// handling of `nach` runs only after the event handler that called this has finished.
void uebergeben(QWidget* von, QWidget* nach, Uebergabeart art = Uebergabeart::Schliessen);

// True while a hand-over is in progress; screens defer their activation handling meanwhile.
bool uebergabeLaeuft();
