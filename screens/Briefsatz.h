#pragma once

#include "store/Ergebnis.h"

#include <QString>
#include <memory>

struct Brief;
class QPagedPaintDevice;
class QPrinter;
class QTextDocument;

// The letter on paper: A4 with the margins of a business letter, letterhead, title, paragraphs with space
// between them, closing with room for the signature, and page numbers when it runs over one page. Preview,
// print and PDF paint the same way; ODT takes the same document.
namespace Briefsatz {

// The letter as a document, without pages.
std::unique_ptr<QTextDocument> dokument(const Brief& brief);

// Paints the letter on `geraet`, page by page, from the top left corner of the paper. Returns the number of
// pages, or a failure when the device cannot be painted on.
Ergebnis<int> zeichnen(const Brief& brief, QPagedPaintDevice& geraet);

// Sets a printer up for the letter: A4 portrait, painting from the corner of the paper.
void druckerEinrichten(QPrinter& drucker);

// Saves the letter as PDF/A-1b with every font embedded, or as an OpenDocument text. The file is replaced
// only when complete.
Status alsPdf(const Brief& brief, const QString& pfad);
Status alsOdt(const Brief& brief, const QString& pfad);

} // namespace Briefsatz
