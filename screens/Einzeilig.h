#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;

// The rule of the one-line boxes: a line break, typed or pasted, becomes one blank, as the settings file
// stores it, so that the text and a resumed text read the same; and a box stops at the longest value the
// settings file gives back, with a note at the box when a paste was cut, so that nothing is cut later
// without a word.
class Einzeilig : public QValidator
{
    Q_OBJECT

public:
    // Longest value of a box, in UTF-16 units: what the settings file gives back.
    static constexpr qsizetype Hoechstlaenge = 254;

    explicit Einzeilig(QLineEdit* box);

    // The text as the box takes it: each line break (CR LF, CR, LF, and the Unicode line and paragraph
    // separators) as one blank, cut after Hoechstlaenge units, never inside a surrogate pair. `gekuerzt`,
    // when given, tells whether anything was cut.
    static QString bereinigt(QStringView text, bool* gekuerzt = nullptr);

    State validate(QString& text, int& pos) const override;

    // The note shown when text was cut.
    static QString hinweis();

signals:
    // A change was cut at the longest value.
    void gekuerzt() const;
};
