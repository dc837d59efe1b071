#include "setup/settings.h"

#include "platform/savefile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

namespace {

constexpr int fieldCount = 25;

// A real file is a few dozen bytes; a huge or binary one is read no further.
constexpr qint64 readLimit = qint64(64) * 1024;

// Big enough to tell any slider value apart from nonsense, small enough that
// the digits of a garbage field cannot overflow.
constexpr qint64 saturation = qint64(1) << 40;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// A whole field of optional sign and decimal digits, blanks around it allowed.
std::optional<qint64> toNumber(QByteArrayView field)
{
    while (!field.isEmpty() && isBlank(field.front()))
        field = field.sliced(1);
    while (!field.isEmpty() && isBlank(field.back()))
        field.chop(1);
    bool negative = false;
    if (!field.isEmpty() && (field.front() == '-' || field.front() == '+')) {
        negative = field.front() == '-';
        field = field.sliced(1);
    }
    if (field.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (const char c : field) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = std::min(value * 10 + (c - '0'), saturation);
    }
    return negative ? -value : value;
}

// Splits at commas and line ends (CR LF, LF or a lone CR) and stops after the
// last field the record has, so the rest of a large file is never looked at.
std::array<std::optional<qint64>, fieldCount> readFields(QByteArrayView bytes)
{
    std::array<std::optional<qint64>, fieldCount> fields;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    int index = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= bytes.size() && index < fieldCount; ++i) {
        const bool atEnd = i == bytes.size();
        const char c = atEnd ? '\n' : bytes[i];
        if (c != ',' && c != '\r' && c != '\n')
            continue;
        if (!atEnd || i > start)
            fields[index++] = toNumber(bytes.sliced(start, i - start));
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    return fields;
}

int ranged(const std::optional<qint64> &field, int low, int high, int absent)
{
    return field ? int(std::clamp<qint64>(*field, low, high)) : absent;
}

bool exactlyOne(const std::optional<qint64> &field)
{
    return field == 1;
}

bool nonZero(const std::optional<qint64> &field)
{
    return field && *field != 0;
}

// Fields kept as 16-bit numbers: a value that does not fit was never read.
std::optional<qint64> sixteenBit(const std::optional<qint64> &field)
{
    if (field && *field >= std::numeric_limits<qint16>::min() && *field <= std::numeric_limits<qint16>::max())
        return field;
    return std::nullopt;
}

} // namespace

SettingsRecord parseSettings(const QByteArray &bytes)
{
    const auto f = readFields(bytes);
    SettingsRecord r;
    r.cardCount = f[0] == 0 ? 10 : ranged(f[0], 10, 100, 10);
    r.useAddition = exactlyOne(f[1]);
    r.useSubtraction = exactlyOne(f[2]);
    r.useMultiplication = exactlyOne(f[3]);
    r.useDivision = exactlyOne(f[4]);
    r.timerOn = exactlyOne(f[5]);
    r.soundsOn = exactlyOne(f[6]);
    r.verbalMode = exactlyOne(f[7]);
    r.showSummary = exactlyOne(f[8]);
    r.topMin = ranged(f[9], 1, 99, 1);
    r.topMax = ranged(f[10], 1, 99, 1);
    r.bottomMin = ranged(f[11], 1, 99, 1);
    r.bottomMax = ranged(f[12], 1, 99, 1);
    r.divisorLow = ranged(f[13], 2, 9, 2);
    r.divisorHigh = ranged(f[14], 2, 9, 2);
    r.topLimit = ranged(f[15], 1, 99, 1);
    r.bottomLimit = ranged(f[16], 1, 99, 1);
    r.answerFormat = qint16(sixteenBit(f[17]).value_or(0));
    r.showCardCount = nonZero(f[18]);
    r.showPreviousCard = exactlyOne(f[19]);
    r.showCarryBoxes = exactlyOne(f[20]);
    r.advancedRange = exactlyOne(f[21]);
    r.useKeypad = exactlyOne(f[22]);
    r.highlightEntry = exactlyOne(f[23]);
    r.skipIntroHelp = nonZero(sixteenBit(f[24]));
    return r;
}

QByteArray formatSettings(const SettingsRecord &r)
{
    // File order.
    const int values[fieldCount] = {
        r.cardCount,
        r.useAddition,
        r.useSubtraction,
        r.useMultiplication,
        r.useDivision,
        r.timerOn,
        r.soundsOn,
        r.verbalMode,
        r.showSummary,
        r.topMin,
        r.topMax,
        r.bottomMin,
        r.bottomMax,
        r.divisorLow,
        r.divisorHigh,
        r.topLimit,
        r.bottomLimit,
        r.answerFormat == 2 ? 2 : 1,
        r.showCardCount,
        r.showPreviousCard,
        r.showCarryBoxes,
        r.advancedRange,
        r.useKeypad,
        r.highlightEntry,
        r.skipIntroHelp,
    };
    QByteArray bytes;
    for (const int value : values)
        bytes += QByteArray::number(value) + "\r\n";
    return bytes;
}

SettingsRecord loadSettingsFile(const QString &path)
{
    // Only a regular file is read: a pipe would hold the program up for good.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return parseSettings({});
    return parseSettings(file.read(readLimit));
}

bool saveSettingsFile(const SettingsRecord &record, const QString &path, QString *error)
{
    return saveFileWhole(path, formatSettings(record), error);
}
