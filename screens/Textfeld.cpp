#include "screens/Textfeld.h"

#include "store/Text.h"

#include <QColor>
#include <QPalette>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace Textfeld {

QString text(const QPlainTextEdit* box)
{
    // toPlainText() would also turn no-break spaces into blanks; the raw text keeps every character.
    QString t = box->document()->toRawText();
    t.replace(QChar::ParagraphSeparator, Text::Zeilenumbruch);
    t.replace(QChar::LineSeparator, Text::Zeilenumbruch);
    return t;
}

void setzen(QPlainTextEdit* box, const QString& text)
{
    box->setPlainText(text);
}

void anhaengen(QPlainTextEdit* box, const QString& text)
{
    QTextCursor c(box->document());
    c.movePosition(QTextCursor::End);
    c.insertText(text);
    // As after setting the whole text: no selection, the cursor at the start.
    box->setTextCursor(QTextCursor(box->document()));
}

bool leer(const QPlainTextEdit* box)
{
    return box->document()->isEmpty();
}

void hintergrund(QPlainTextEdit* box, const QColor& farbe)
{
    QPalette p = box->palette();
    p.setColor(QPalette::Base, farbe);
    box->setPalette(p);
}

} // namespace Textfeld

void LetztesZeichenMarkieren(QPlainTextEdit* box)
{
    QTextCursor c(box->document());
    c.movePosition(QTextCursor::End);
    c.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
    box->setTextCursor(c);
    box->ensureCursorVisible();
}
