#include "screens/Einzeilig.h"

#include <QLineEdit>
#include <QToolTip>

namespace {

bool istUmbruch(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}

} // namespace

Einzeilig::Einzeilig(QLineEdit* box) : QValidator(box)
{
    box->setValidator(this);
    box->setAccessibleDescription(QStringLiteral("höchstens %1 Zeichen").arg(Hoechstlaenge));
    connect(
        this, &Einzeilig::gekuerzt, box,
        [box] { QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), hinweis(), box); },
        Qt::QueuedConnection);
}

QString Einzeilig::hinweis()
{
    return QStringLiteral("Hier passen höchstens %1 Zeichen hinein; der Rest wurde nicht übernommen.")
        .arg(Hoechstlaenge);
}

QString Einzeilig::bereinigt(QStringView text, bool* gekuerzt)
{
    QString r;
    r.reserve(std::min(text.size(), Hoechstlaenge));
    qsizetype i = 0;
    for (; i < text.size() && r.size() < Hoechstlaenge; ++i) {
        QChar c = text[i];
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        if (istUmbruch(c))
            c = QLatin1Char(' ');
        if (c.isHighSurrogate() && r.size() + 1 == Hoechstlaenge)
            break;
        r.append(c);
        if (c.isHighSurrogate() && i + 1 < text.size())
            r.append(text[++i]);
    }
    if (gekuerzt)
        *gekuerzt = i < text.size();
    return r;
}

QValidator::State Einzeilig::validate(QString& text, int& pos) const
{
    bool gekuerzt = false;
    const QString neu = bereinigt(text, &gekuerzt);
    if (neu == text)
        return Acceptable;
    text = neu;
    pos = std::min(pos, int(text.size()));
    if (gekuerzt)
        emit this->gekuerzt();
    return Acceptable;
}
