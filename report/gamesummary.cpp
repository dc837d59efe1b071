#include "report/gamesummary.h"

#include "game/gamesession.h"

#include <cmath>

GameSummary::GameSummary(QObject *parent)
    : QObject(parent)
    , result(tr("No game to display."))
{
}

SummaryRow GameSummary::row(int row) const
{
    return pageOfRow(row) ? rows[row - firstRow] : SummaryRow();
}

bool GameSummary::nextShown(int page) const
{
    return page >= 1 && page < pageCount && next[page - 1];
}

int GameSummary::shownRowCount() const
{
    int count = 0;
    while (count < rowCount && rows[count].shown)
        ++count;
    return count;
}

QList<SummaryRow> GameSummary::shownRows() const
{
    return QList<SummaryRow>(rows.begin(), rows.begin() + shownRowCount());
}

int GameSummary::pageOfRow(int row)
{
    if (row < firstRow || row > lastRow)
        return 0;
    return (row - firstRow) / rowsPerPage + 1;
}

void GameSummary::reset()
{
    clearPages();
}

void GameSummary::clearPages()
{
    // The texts stay behind hidden cells; nothing hidden is ever shown, printed or saved.
    for (SummaryRow &r : rows)
        r.shown = r.timeShown = false;
    next.fill(false);
    emit changed();
}

void GameSummary::addCardRow(const CardRecord &card)
{
    if (!(card.cardNumber >= 1 && card.cardNumber <= rowCount) || card.cardNumber != std::floor(card.cardNumber))
        return;
    const int r = static_cast<int>(card.cardNumber) + 1;
    SummaryRow &target = rows[r - firstRow];
    target.shown = true;
    target.wrong = !card.right;
    target.problem = card.problem;
    target.answer = card.hasGiven ? QString::number(card.given, 'f', 0) : QString();
    target.timeShown = card.timeShown;
    target.time = card.timeShown ? card.cardTime : QString();
    showNextButtonsUpTo(r);
    emit changed();
}

void GameSummary::setResultLine(const QString &text)
{
    result = text;
    emit changed();
}

void GameSummary::setRow(int row, const QString &problem, const QString &answer, const QString &time,
                         bool wrong)
{
    if (!pageOfRow(row))
        return;
    rows[row - firstRow] = SummaryRow{true, problem, answer, time, true, wrong};
    showNextButtonsUpTo(row);
    emit changed();
}

void GameSummary::showNextButtonsUpTo(int row)
{
    for (int page = 1; page < pageOfRow(row); ++page)
        next[page - 1] = true;
}
