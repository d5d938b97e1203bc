#pragma once

#include <QString>

struct Arbeitnehmerdaten;
struct Sitzung;

// How the reference text is put together, phrase by phrase. The question screen's first assembly and the
// rebuild in another language both go through these functions, so that the same choices give the same text.
namespace Textbau {

// A phrase as it enters the text: the employee's data filled in by the placeholder rule (only a phrase that
// holds "(Eintrittsdatum)" or "(Austrittsdatum)" gets any placeholder filled). Phrasings of the catalogue and
// own wordings alike. `sprache` is the phrase's language by its key in the catalogue ("de", "it").
QString satz(QString phrase, const Arbeitnehmerdaten& daten, QStringView sprache = u"de");

// What a question adds to a text: its separator (nothing before the first phrase, a line break when the
// question starts a paragraph, one blank otherwise) and the phrase; nothing at all for an empty phrase.
// `phrase` is taken as it stands: pass it through satz() first.
QString anschluss(const QString& phrase, bool absatz, bool textLeer);

// What closes the text: place of issue, date and signatory.
QString schluss(const Sitzung& sitzung);

} // namespace Textbau
