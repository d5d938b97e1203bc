#pragma once

#include <QString>

class QColor;
class QPlainTextEdit;

// The text boxes of the question screen hold plain text whose line break is carriage return and line
// feed. These helpers read and write them in that form, whatever the box uses inside.
namespace Textfeld {

// The box's text with every line break as carriage return and line feed; nothing else changes.
QString text(const QPlainTextEdit* box);
void setzen(QPlainTextEdit* box, const QString& text);
// Appends at the end, as setting the old text followed by `text` would: the selection goes, the cursor
// stands at the start.
void anhaengen(QPlainTextEdit* box, const QString& text);
bool leer(const QPlainTextEdit* box);
void hintergrund(QPlainTextEdit* box, const QColor& farbe);

} // namespace Textfeld

// Selects the last character of the box's text and scrolls it into view.
void LetztesZeichenMarkieren(QPlainTextEdit* box);
