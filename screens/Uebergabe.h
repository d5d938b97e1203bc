#pragma once

class QWidget;

// A hand-over between two screens: `nach` is shown modeless and painted at once, then `von` is closed
// and its instance dropped (every screen deletes itself on close).
void uebergeben(QWidget* von, QWidget* nach);
