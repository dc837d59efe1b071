#include "report/reportfile.h"

#include <QCoreApplication>

#include "platform/savefile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

constexpr qsizetype fieldLimit = 4096;
constexpr qsizetype chunkSize = qsizetype(64) * 1024;
constexpr int fieldsPerRow = 5;
constexpr int wrongColourValue = 255;

void appendText(QByteArray &out, const QString &text)
{
    out += '"';
    out += text.toUtf8().replace("\"", "\"\"");
    out += '"';
}

// Older reports were written in an 8-bit code page; bytes that are not UTF-8
// are taken as Latin-1 rather than turned into replacement characters.
QString decode(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

// Splits the report into fields without regard to line ends. A quoted field
// runs to the closing quote (two quotes stand for one); anything else runs to
// the next comma or line end and is trimmed.
class FieldReader
{
public:
    explicit FieldReader(QIODevice &device)
        : device(device)
    {
    }

    // Skips blanks and line ends; true when no further field starts.
    bool atEnd()
    {
        skipSpace();
        return peek() < 0;
    }

    // The next field, or nothing when the data ends before or inside it.
    std::optional<QByteArray> next()
    {
        if (atEnd())
            return std::nullopt;
        QByteArray field;
        const auto keep = [&field](int c) {
            if (field.size() < fieldLimit)
                field.append(char(c));
        };
        if (peek() == '"') {
            advance();
            for (;;) {
                const int c = peek();
                if (c < 0)
                    return std::nullopt; // an unterminated quote: the file was cut short
                advance();
                if (c == '"') {
                    if (peek() != '"')
                        break;
                    advance();
                }
                keep(c);
            }
            // Stray bytes between the closing quote and the delimiter are dropped.
            for (int c = peek(); c >= 0 && !isLineEnd(c) && c != ','; c = peek())
                advance();
        } else {
            for (int c = peek(); c >= 0 && !isLineEnd(c) && c != ','; c = peek()) {
                keep(c);
                advance();
            }
            field = field.trimmed();
        }
        if (peek() == ',')
            advance();
        return field;
    }

private:
    static bool isLineEnd(int c) { return c == '\r' || c == '\n'; }

    int peek()
    {
        if (position == buffer.size()) {
            buffer = device.read(chunkSize);
            position = 0;
            if (buffer.isEmpty())
                return -1;
        }
        return static_cast<unsigned char>(buffer[position]);
    }

    void advance() { ++position; }

    void skipSpace()
    {
        for (int c = peek(); c == ' ' || c == '\t' || isLineEnd(c); c = peek())
            advance();
    }

    QIODevice &device;
    QByteArray buffer;
    qsizetype position = 0;
};

} // namespace

QString reportFileName(const QString &chosen)
{
    return chosen.endsWith(QLatin1String(".txt"), Qt::CaseSensitive) ? chosen : chosen + QLatin1String(".txt");
}

QByteArray formatReport(const GameSummary &summary)
{
    QByteArray out;
    appendText(out, QLatin1String(reportMark));
    out += ',';
    appendText(out, summary.resultLine());
    out += "\r\n";
    for (const SummaryRow &row : summary.shownRows()) {
        appendText(out, row.problem);
        out += ',';
        appendText(out, row.answer);
        out += ',';
        appendText(out, row.time);
        out += ',';
        out += QByteArray::number(row.wrong ? wrongColourValue : 0);
        out += ",0\r\n";
    }
    return out;
}

bool writeReportFile(const GameSummary &summary, const QString &path, QString *error)
{
    return saveFileWhole(path, formatReport(summary), error);
}

ReportContents parseReport(QIODevice &device)
{
    FieldReader reader(device);
    ReportContents contents;
    const std::optional<QByteArray> mark = reader.next();
    if (!mark)
        return contents;
    if (*mark != reportMark) {
        contents.kind = ReportContents::Kind::NotAReport;
        return contents;
    }
    contents.kind = ReportContents::Kind::Loaded;
    const std::optional<QByteArray> result = reader.next();
    if (!result)
        return contents;
    contents.resultLine = decode(*result);
    while (!reader.atEnd()) {
        if (contents.rows.size() == GameSummary::rowCount)
            return contents; // a row past the last one the summary holds
        std::array<QByteArray, fieldsPerRow> fields;
        for (QByteArray &field : fields) {
            std::optional<QByteArray> value = reader.next();
            if (!value)
                return contents;
            field = std::move(*value);
        }
        const bool wrong = fields[3].trimmed().toInt() == wrongColourValue;
        contents.rows.append(SummaryRow{true, decode(fields[0]), decode(fields[1]), decode(fields[2]), true, wrong});
    }
    contents.complete = true;
    return contents;
}

ReportContents readReportFile(const QString &path)
{
    // A pipe or a device would never end, or never answer: not a report.
    if (QFileInfo::exists(path) && !QFileInfo(path).isFile()) {
        ReportContents contents;
        contents.kind = ReportContents::Kind::NotAReport;
        return contents;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ReportContents contents;
        contents.kind = ReportContents::Kind::Unreadable;
        return contents;
    }
    return parseReport(file);
}

QString notAReportMessage(const QString &path)
{
    return path + QCoreApplication::translate("ReportFile", " is not a valid Sumdrop file.");
}

bool applyReport(const ReportContents &contents, GameSummary &summary)
{
    if (contents.kind != ReportContents::Kind::Loaded)
        return false;
    summary.clearPages();
    if (contents.resultLine)
        summary.setResultLine(*contents.resultLine);
    int row = GameSummary::firstRow;
    for (const SummaryRow &loaded : contents.rows)
        summary.setRow(row++, loaded.problem, loaded.answer, loaded.time, loaded.wrong);
    return contents.complete;
}
