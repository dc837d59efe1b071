#include "platform/printlayout.h"

namespace {

// The longest head of text, at least one character, that is no wider than width.
qsizetype headThatFits(const QString &text, const QString &suffix, const PrintFont &font, double width,
                       const PrintMeasure &measure)
{
    qsizetype low = 1;
    qsizetype high = text.size();
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (measure(text.left(middle) + suffix, font) <= width)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

} // namespace

QStringList wrapForPrint(const QString &text, const PrintFont &font, double width, int maxLines,
                         const PrintMeasure &measure)
{
    QStringList lines;
    QString rest = text;
    while (!rest.isEmpty() && measure(rest, font) > width) {
        if (lines.size() + 1 == maxLines) {
            const QString ellipsis(QChar(0x2026));
            lines.append(rest.left(headThatFits(rest, ellipsis, font, width, measure)) + ellipsis);
            return lines;
        }
        const qsizetype fits = headThatFits(rest, QString(), font, width, measure);
        // Break at the last blank that keeps some words on this line.
        qsizetype cut = rest.lastIndexOf(u' ', fits);
        if (cut <= 0 || rest.left(cut).trimmed().isEmpty())
            cut = fits;
        QString line = rest.left(cut);
        while (line.endsWith(u' '))
            line.chop(1);
        lines.append(line);
        rest = rest.mid(cut);
        while (rest.startsWith(u' '))
            rest.remove(0, 1);
    }
    if (!rest.isEmpty() || lines.isEmpty())
        lines.append(rest);
    return lines;
}
