#include "screens/Briefsatz.h"

#include "engine/Brief.h"
#include "screens/Umgebung.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextLayout>

namespace Briefsatz {
namespace {

// Margins in millimetres: a business letter's left and right margins, the letterhead near the top edge and
// room for the page line at the bottom.
constexpr qreal Links = 25;
constexpr qreal Rechts = 20;
constexpr qreal Oben = 20;
constexpr qreal Unten = 25;
constexpr qreal Seitenzeile = 12; // distance of the page line's baseline from the bottom edge

const QString Schrift = QStringLiteral("DejaVu Sans");

QFont schrift(qreal punkte, bool fett = false)
{
    QFont f(Schrift);
    // Without ligatures, so that text copied or extracted from the PDF reads as typed ("fi", not one sign).
    f.setStyleStrategy(QFont::PreferNoShaping);
    f.setPointSizeF(punkte);
    f.setBold(fett);
    return f;
}

qreal mm(qreal wert, qreal dpi)
{
    return wert * dpi / 25.4;
}

QString fehlerText(const QString& pfad, const QString& grund)
{
    return QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden: %2")
        .arg(QDir::toNativeSeparators(pfad), grund);
}

} // namespace

std::unique_ptr<QTextDocument> dokument(const Brief& b)
{
    // Lengths of the document are pixels at 96 dots per inch; the layout scales them to the device.
    const auto pt = [](qreal punkte) {
        return punkte * 96 / 72;
    };
    auto doc = std::make_unique<QTextDocument>();
    doc->setDocumentMargin(0);
    doc->setDefaultFont(schrift(11));
    doc->setMetaInformation(QTextDocument::DocumentTitle, b.titel);
    QTextCursor c(doc.get());

    const auto absatz = [](Qt::Alignment ausrichtung, qreal vor, qreal nach, const QFont& f) {
        QTextBlockFormat bf;
        bf.setAlignment(ausrichtung);
        bf.setTopMargin(vor);
        bf.setBottomMargin(nach);
        QTextCharFormat cf;
        cf.setFont(f);
        return std::pair{bf, cf};
    };
    bool erster = true;
    const auto schreiben = [&](const std::pair<QTextBlockFormat, QTextCharFormat>& format,
                               const QString& text) {
        if (erster) {
            c.setBlockFormat(format.first);
            c.setBlockCharFormat(format.second);
            erster = false;
        } else {
            c.insertBlock(format.first, format.second);
        }
        c.insertText(text, format.second);
    };

    // Letterhead at the right, the company larger; space below it before the title.
    for (qsizetype i = 0; i < b.briefkopf.size(); ++i) {
        const bool letzte = i + 1 == b.briefkopf.size();
        schreiben(absatz(Qt::AlignRight, 0, letzte ? pt(48) : 0, i == 0 ? schrift(14, true) : schrift(10)),
                  b.briefkopf.at(i));
    }
    schreiben(absatz(Qt::AlignHCenter, 0, pt(24), schrift(16, true)), b.titel);
    // Ragged right, as business letters are set; the lines a little apart for reading.
    for (const QString& text : b.absaetze) {
        auto format = absatz(Qt::AlignLeft, 0, pt(8), schrift(11));
        format.first.setLineHeight(115, QTextBlockFormat::ProportionalHeight);
        schreiben(format, text);
    }

    // Place and date, room for the handwritten signature, name and function: one block, kept on one page
    // when the letter is painted.
    QString schluss = b.ortDatum + QString(4, QChar::LineSeparator) + b.unterzeichner;
    if (!b.funktion.isEmpty())
        schluss += QChar::LineSeparator + b.funktion;
    schreiben(absatz(Qt::AlignLeft, pt(16), 0, schrift(11)), schluss);
    return doc;
}

Ergebnis<int> zeichnen(const Brief& b, QPagedPaintDevice& geraet)
{
    const qreal dpi = geraet.logicalDpiY();
    const QRectF text(mm(Links, dpi), mm(Oben, dpi), geraet.width() - mm(Links + Rechts, dpi),
                      geraet.height() - mm(Oben + Unten, dpi));
    auto doc = dokument(b);
    doc->documentLayout()->setPaintDevice(&geraet);
    doc->setPageSize(text.size());
    // The page a line of a block stands on; the layout moves a line that does not fit to the next page.
    const auto seiteDerZeile = [&doc, &text](const QTextBlock& block, int zeile) {
        const qreal oben =
            doc->documentLayout()->blockBoundingRect(block).top() + block.layout()->lineAt(zeile).y();
        return int((oben + 1) / text.height());
    };
    // A closing split over two pages, or without the whole last paragraph above it, moves to the next page
    // together with that paragraph, so that the signature never stands without text.
    static_cast<void>(doc->pageCount()); // lays the whole document out
    const QTextBlock schluss = doc->lastBlock();
    const QTextBlock davor = schluss.previous();
    if (const int n = schluss.layout()->lineCount(); n > 0 && !b.absaetze.isEmpty()) {
        const int anfang = seiteDerZeile(schluss, 0);
        const bool geteilt = anfang != seiteDerZeile(schluss, n - 1);
        const bool allein = davor.layout()->lineCount() > 0 && seiteDerZeile(davor, 0) != anfang;
        if (geteilt || allein) {
            QTextBlockFormat format = davor.blockFormat();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(davor).setBlockFormat(format);
        }
    }
    const int seiten = doc->pageCount();

    QPainter p;
    if (!p.begin(&geraet))
        return Fehler{QStringLiteral("Das Ausgabegerät lässt sich nicht beschreiben.")};
    for (int i = 0; i < seiten; ++i) {
        if (i > 0 && !geraet.newPage())
            return Fehler{QStringLiteral("Eine neue Seite ließ sich nicht beginnen.")};
        // Line by line, each on the page the layout put it on: a line drawn on a page and clipped away
        // would still stand in the PDF's text.
        for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
            const QTextLayout* zeilen = block.layout();
            const QPointF ursprung = doc->documentLayout()->blockBoundingRect(block).topLeft();
            for (int j = 0; j < zeilen->lineCount(); ++j) {
                if (seiteDerZeile(block, j) != i)
                    continue;
                const QTextLine zeile = zeilen->lineAt(j);
                zeile.draw(&p, text.topLeft() + ursprung - QPointF(0, i * text.height()));
            }
        }
        if (seiten > 1) {
            p.setFont(schrift(9));
            const qreal grundlinie = geraet.height() - mm(Seitenzeile, dpi);
            const QRectF zeile(text.left(), grundlinie - p.fontMetrics().ascent(), text.width(),
                               p.fontMetrics().height());
            p.drawText(zeile, Qt::AlignHCenter | Qt::AlignTop, seitenangabe(i + 1, seiten, b.sprache));
        }
    }
    if (!p.end())
        return Fehler{QStringLiteral("Die Ausgabe ließ sich nicht abschließen.")};
    return seiten;
}

void druckerEinrichten(QPrinter& drucker)
{
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setPageOrientation(QPageLayout::Portrait);
    drucker.setFullPage(true);
}

Status alsPdf(const Brief& b, const QString& pfad)
{
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return Fehler{fehlerText(pfad, datei.errorString())};
    {
        QPdfWriter pdf(&datei);
        pdf.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        pdf.setTitle(b.titel);
        pdf.setCreator(Umgebung::programmtitel());
        if (auto s = zeichnen(b, pdf); !s) {
            datei.cancelWriting();
            return Fehler{fehlerText(pfad, s.fehler())};
        }
    }
    if (!datei.commit())
        return Fehler{fehlerText(pfad, datei.errorString())};
    return Ok{};
}

Status alsOdt(const Brief& b, const QString& pfad)
{
    // The ODF writer closes the device it wrote to, which a save file does not allow: it writes to memory.
    QBuffer puffer;
    const auto doc = dokument(b);
    QTextDocumentWriter schreiber(&puffer, "odf");
    if (!schreiber.write(doc.get()))
        return Fehler{fehlerText(pfad, QStringLiteral("Das Dokument ließ sich nicht zusammenstellen."))};
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(puffer.data()) != puffer.data().size()) {
        const QString grund = datei.errorString();
        datei.cancelWriting();
        return Fehler{fehlerText(pfad, grund)};
    }
    if (!datei.commit())
        return Fehler{fehlerText(pfad, datei.errorString())};
    return Ok{};
}

} // namespace Briefsatz
