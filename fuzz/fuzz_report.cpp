#include <QBuffer>

#include <cstdint>
#include <cstdlib>

#include "report/reportfile.h"

namespace {

ReportContents parse(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return parseReport(buffer);
}

// The reader keeps at most this many bytes of a field; a longer text cannot
// come back whole.
bool fitsAField(const QString &text)
{
    return text.toUtf8().size() < 4096;
}

} // namespace

// Whatever the bytes, the reader stops at the summary's last row, and a report
// it read whole is saved again and reads back to the same pages.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const ReportContents contents = parse(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (contents.rows.size() > GameSummary::rowCount)
        std::abort();
    GameSummary summary;
    if (!applyReport(contents, summary))
        return 0;
    if (summary.shownRows() != contents.rows)
        std::abort();
    if (!fitsAField(summary.resultLine()))
        return 0;
    for (const SummaryRow &row : contents.rows) {
        if (!fitsAField(row.problem) || !fitsAField(row.answer) || !fitsAField(row.time))
            return 0;
    }
    const ReportContents again = parse(formatReport(summary));
    if (!again.complete || again.resultLine != contents.resultLine || again.rows != contents.rows)
        std::abort();
    return 0;
}
