#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <array>

struct CardRecord;

// One line of the summary: a judged card, or a line read from a saved report.
struct SummaryRow
{
    bool shown = false;
    QString problem; // the problem with its correct answer, "7 x 8 = 56"
    QString answer;  // the answer given
    QString time;    // the card time
    bool timeShown = false; // the time cell can be hidden while the row is shown
    bool wrong = false;     // drawn in red

    bool operator==(const SummaryRow &) const = default;
};

// The summary of the last game (or of the last report opened): a result line
// and rows 2 to 101, card n in row n + 1, twenty rows to a page. The page
// windows draw it and listen to changed(); printing and saving read it.
class GameSummary : public QObject
{
    Q_OBJECT
public:
    static constexpr int firstRow = 2;
    static constexpr int lastRow = 101;
    static constexpr int rowCount = lastRow - firstRow + 1;
    static constexpr int rowsPerPage = 20;
    static constexpr int pageCount = 5;

    explicit GameSummary(QObject *parent = nullptr);

    QString resultLine() const { return result; }
    // row in firstRow..lastRow; any other number gives a hidden, empty row.
    SummaryRow row(int row) const;
    // page 1..4: whether its "Next >>>" button is visible.
    bool nextShown(int page) const;
    // The unbroken run of shown rows from row 2 upward.
    int shownRowCount() const;
    QList<SummaryRow> shownRows() const;

    // 1..5 for a row of the summary, 0 for any other number.
    static int pageOfRow(int row);
    // The k-th row of page p (k 1..20).
    static int rowOnPage(int page, int k) { return rowsPerPage * (page - 1) + firstRow + k - 1; }

    // A new game: clearPages(); the result line stays.
    void reset();
    // Hides every row and every "Next >>>" button.
    void clearPages();
    // The row of a judged card; cards outside 1..100 are ignored.
    void addCardRow(const CardRecord &card);
    void setResultLine(const QString &text);
    // A whole row as loaded from a report: all three cells shown.
    void setRow(int row, const QString &problem, const QString &answer, const QString &time, bool wrong);

signals:
    void changed();

private:
    void showNextButtonsUpTo(int row);

    QString result;
    std::array<SummaryRow, rowCount> rows;
    std::array<bool, pageCount - 1> next{};
};
