#include "entry/numberreading.h"

#include <QLocale>

#include <cmath>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Collects the characters of the leading number, passing over blanks.
class NumberScanner
{
public:
    explicit NumberScanner(const QString &text) : text(text) {}

    QChar peek()
    {
        while (pos < text.size() && isBlank(text.at(pos)))
            ++pos;
        return pos < text.size() ? text.at(pos) : QChar();
    }
    bool takeIf(bool accept)
    {
        if (accept)
            number += text.at(pos++);
        return accept;
    }
    bool takeSign() { return takeIf(peek() == u'+' || peek() == u'-'); }
    int takeDigits()
    {
        int count = 0;
        while (takeIf(isDigit(peek())))
            ++count;
        return count;
    }

    const QString &text;
    qsizetype pos = 0;
    QString number;
};

} // namespace

double readNumber(const QString &text)
{
    NumberScanner scan(text);
    scan.takeSign();
    int digits = scan.takeDigits();
    if (scan.takeIf(scan.peek() == u'.'))
        digits += scan.takeDigits();
    if (digits == 0)
        return 0;
    // An exponent counts only when digits follow it: "1e" reads as 1.
    const qsizetype mantissa = scan.number.size();
    if (scan.takeIf(scan.peek() == u'e' || scan.peek() == u'E')) {
        scan.takeSign();
        if (scan.takeDigits() == 0)
            scan.number.truncate(mantissa);
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(scan.number, &ok);
    if (!ok || !std::isfinite(value))
        return 0;
    return value + 0.0; // "-0" reads as plain 0
}

double readSeparateBoxes(const QString &hundreds, const QString &tens, const QString &units)
{
    return readNumber(hundreds + tens + units);
}
