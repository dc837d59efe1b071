#include "history/historycsv.h"

#include <QStringList>

namespace {

QString operationWord(qint16 operation)
{
    switch (operation) {
    case Operation::Addition: return QStringLiteral("addition");
    case Operation::Subtraction: return QStringLiteral("subtraction");
    case Operation::Multiplication: return QStringLiteral("multiplication");
    default: return QStringLiteral("division");
    }
}

QString endingWord(CardEnding ending)
{
    switch (ending) {
    case CardEnding::TimedOut: return QStringLiteral("timed out");
    case CardEnding::MarkedRight: return QStringLiteral("marked right");
    case CardEnding::MarkedWrong: return QStringLiteral("marked wrong");
    case CardEnding::Typed: break;
    }
    return QStringLiteral("typed");
}

} // namespace

QString csvField(const QString &text)
{
    QString field = text;
    if (!field.isEmpty() && QStringLiteral("=+-@\t\r").contains(field.front()))
        field.prepend(QLatin1Char('\''));
    field.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

namespace {

QStringList headerFields()
{
    return {QStringLiteral("child"),  QStringLiteral("game"),   QStringLiteral("judged (UTC)"),
                                QStringLiteral("operation"), QStringLiteral("top"), QStringLiteral("bottom"),
                                QStringLiteral("answer"), QStringLiteral("given"), QStringLiteral("right"),
                                QStringLiteral("ended by"), QStringLiteral("seconds")};
}

QStringList rowFields(const QString &child, const StoredCard &card)
{
    return {
        csvField(child.trimmed()),
        QString::number(card.game),
        card.judgedAt.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")),
        operationWord(card.fact.operation),
        QString::number(card.fact.top),
        QString::number(card.fact.bottom),
        QString::number(card.answer),
        card.given ? QString::number(*card.given) : QString(),
        card.right ? QStringLiteral("yes") : QStringLiteral("no"),
        endingWord(card.ending),
        QString::number(card.seconds, 'f', 3),
    };
}

QByteArray csvLine(const QStringList &fields)
{
    return (fields.join(QLatin1Char(',')) + QStringLiteral("\r\n")).toUtf8();
}

// Read back as UTF-8 by spreadsheets, which guess otherwise.
const QByteArray byteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

} // namespace

QByteArray historyCsvHeader()
{
    return byteOrderMark + csvLine(headerFields());
}

QByteArray historyCsvRow(const QString &child, const StoredCard &card)
{
    return csvLine(rowFields(child, card));
}

QByteArray classCsvHeader()
{
    return byteOrderMark + csvLine(headerFields() << QStringLiteral("machine"));
}

QByteArray classCsvRow(const ClassCard &card)
{
    return csvLine(rowFields(card.child, card.card) << csvField(card.machine));
}

QByteArray historyCsv(const QString &child, const QList<StoredCard> &cards)
{
    QByteArray bytes = historyCsvHeader();
    for (const StoredCard &card : cards)
        bytes += historyCsvRow(child, card);
    return bytes;
}
