#pragma once

#include "engine/Brief.h"

#include <QObject>
#include <QString>
#include <functional>

class QLabel;
class QPushButton;
class QWidget;

// The finished reference on its way out: the output language, whether it was handed out (copied, printed
// or saved), the letter's preview, print and files, and the questions before leaving or rebuilding. The
// question screen owns one from its end state on and reports the text it built.
class Zeugnisausgabe : public QObject
{
    Q_OBJECT

public:
    // `panel` gets the preview button and the note on untranslated input, at the place of the phrasing
    // frame; `zeugnis` reads the reference box as it stands; `aufzeichnen` records each hand-out (and shows
    // a failure to do so).
    Zeugnisausgabe(QWidget* panel, std::function<QString()> zeugnis, std::function<void()> aufzeichnen);

    // The end state: `text` is what the program built, in language word `sLand`.
    void aufgebaut(const QString& sLand, const QString& text);
    // While an answer is changed: the preview button and the note give way until the next aufgebaut().
    void verbergen();
    const QString& sprache() const { return m_sprache; }
    bool ausgehaendigt() const { return m_ausgehaendigt; }

    // Whether a rebuild may replace the reference box: true when the user typed nothing into it since it
    // was built, or agreed to lose it.
    bool neuAufbauErlaubt(QWidget* eltern) const;
    // Whether the screen may be left: true once handed out, otherwise after the question ("Ja" saves a PDF
    // first and stays when that does not happen, "Nein" leaves, "Abbrechen" stays).
    bool verlassenErlaubt(QWidget* eltern);

    // The letter from the box as it stands.
    Brief brief() const;

    void vorschau(QWidget* eltern);
    bool drucken(QWidget* eltern);
    bool pdfSpeichern(QWidget* eltern);
    bool odtSpeichern(QWidget* eltern);
    // The text went to the clipboard.
    void kopiert();

private:
    bool speichern(QWidget* eltern, const QString& endung, const QString& filter);
    void ausgegeben();

    std::function<QString()> m_zeugnis;
    std::function<void()> m_aufzeichnen;
    QString m_sprache = QStringLiteral("Deutsch");
    QString m_aufgebaut;
    bool m_ausgehaendigt = false;
    QPushButton* VorschauButton = nullptr;
    QLabel* SprachHinweis = nullptr;
};
