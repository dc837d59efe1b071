#include "report/summarypage.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

#include "ui/widgets.h"
#include "report/gamesummary.h"

namespace {

constexpr int firstRowTop = 107;
constexpr int lastRowTop = 472;
constexpr int rowHeight = 17;
constexpr int buttonTop = 494;
// Clear of the card time column.
constexpr int factsWonLeft = 320;
// Wide enough for "99 x 99 = 9801" in the window font; it still ends where
// the answer column begins.
constexpr int problemWidth = 90;
constexpr int resultTop = 56;
constexpr int resultHeight = 19;
constexpr int headerTop = 88;
constexpr int windowWidth = 664;
constexpr int windowHeight = 533;
// A report opened from a file may hold a result line of any length.
constexpr int mostResultLines = 3;

QFont windowFont(double points, bool bold = false)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

int rowTop(int k)
{
    return firstRowTop + qRound((k - 1) * double(lastRowTop - firstRowTop) / (GameSummary::rowsPerPage - 1));
}

} // namespace

SummaryPage::SummaryPage(int page)
    : QWidget(nullptr, Qt::Window)
    , number(page)
{
    setObjectName(QStringLiteral("frmSummaryDisplay%1").arg(page - 1));
    setWindowTitle(tr("Game Summary Page %1").arg(page));
    setFixedSize(windowWidth, windowHeight);
    const QFont cellFont = windowFont(9.75);
    setFont(cellFont);

    lblSumTitle = addLabel(QStringLiteral("lblSumTitle"), QRect(144, 24, 384, 34), windowFont(18, true),
                           Qt::AlignCenter);
    lblSumTitle->setText(tr("Game Summary"));
    setTextColour(lblSumTitle, QColor(192, 64, 0));

    if (page == 1) {
        QLabel *result = addLabel(indexedName(QStringLiteral("lblSum"), 1), QRect(16, resultTop, 624, resultHeight),
                                  cellFont, Qt::AlignLeft | Qt::AlignVCenter);
        setTextColour(result, QColor(0, 0, 255));
        result->setWordWrap(true);
        lblSum[1] = result;
    }
    if (page == 1) {
        // Beside the rows, where the columns leave room, so that the window
        // keeps its size on the smallest screen.
        lblFactsWon = addLabel(QStringLiteral("lblFactsWon"),
                               QRect(factsWonLeft, firstRowTop, windowWidth - factsWonLeft - 24,
                                     lastRowTop + rowHeight - firstRowTop),
                               cellFont, Qt::AlignLeft | Qt::AlignTop);
        lblFactsWon->setWordWrap(true);
        setTextColour(lblFactsWon, QColor(0, 128, 0));
        lblFactsWon->hide();
    }
    QFont headerFont = windowFont(8.25, true);
    headerFont.setUnderline(true);
    QLabel *header = addLabel(indexedName(QStringLiteral("lblSum"), 0), QRect(14, headerTop, 624, 19), headerFont,
                              Qt::AlignLeft | Qt::AlignVCenter);
    header->setText(tr("PROBLEM      YOUR ANSWER    CARD TIME"));
    lblSum[0] = header;

    for (int k = 1; k <= GameSummary::rowsPerPage; ++k) {
        const int r = GameSummary::rowOnPage(page, k);
        const int top = rowTop(k);
        const auto left = Qt::AlignLeft | Qt::AlignVCenter;
        const auto right = Qt::AlignRight | Qt::AlignVCenter;
        lblSum[r] = addLabel(indexedName(QStringLiteral("lblSum"), r), QRect(14, top, problemWidth, rowHeight),
                             cellFont, left);
        lblSuma[r] = addLabel(indexedName(QStringLiteral("lblSuma"), r), QRect(104, top, 65, rowHeight), cellFont,
                              right);
        lblSumb[r] = addLabel(indexedName(QStringLiteral("lblSumb"), r), QRect(200, top, 65, rowHeight), cellFont,
                              right);
    }

    cmdSumClose = addButton(QStringLiteral("cmdSumClose"), tr("Close"), 84);
    if (page == 1) {
        cmdSumSave = addButton(QStringLiteral("cmdSumSave"), tr("Save"), 217);
        cmdSumPrint = addButton(QStringLiteral("cmdSumPrint"), tr("Print"), 352);
    } else {
        cmdSumPrev = addButton(QStringLiteral("cmdSumPrev%1").arg(page - 1), tr("<<Previous"), 351);
    }
    if (page < GameSummary::pageCount) {
        cmdSumNext = addButton(QStringLiteral("cmdSumNext%1").arg(page - 1), tr("Next >>>"), 484);
        cmdSumNext->setToolTip(tr("Next report page"));
        cmdSumNext->hide();
    }
}

void SummaryPage::draw(const GameSummary &summary)
{
    if (QLabel *result = lblSum.value(1)) {
        // A player's name and the unfinished-game sentence can outgrow one
        // line; the second fits in the gap above the column header, and more
        // push the header and the rows down.
        const int widthAvailable = result->width() * mostResultLines * 9 / 10;
        result->setText(result->fontMetrics().elidedText(summary.resultLine(), Qt::ElideRight, widthAvailable));
        const bool fits = result->fontMetrics().horizontalAdvance(result->text()) <= result->width();
        const int height = fits ? resultHeight
                                : std::max(headerTop - resultTop, result->heightForWidth(result->width()));
        result->resize(result->width(), height);
        moveBelowResult(std::max(0, resultTop + height - headerTop));
    }
    for (int k = 1; k <= GameSummary::rowsPerPage; ++k) {
        const int r = GameSummary::rowOnPage(number, k);
        const SummaryRow row = summary.row(r);
        const QColor colour = row.wrong ? QColor(255, 0, 0) : QColor(0, 0, 0);
        const QString texts[] = {row.problem, row.answer, row.time};
        const bool shown[] = {row.shown, row.shown, row.shown && row.timeShown};
        QLabel *const cells[] = {lblSum[r], lblSuma[r], lblSumb[r]};
        for (int column = 0; column < 3; ++column) {
            cells[column]->setText(texts[column]);
            setTextColour(cells[column], colour);
            cells[column]->setVisible(shown[column]);
        }
    }
    if (cmdSumNext)
        cmdSumNext->setVisible(summary.nextShown(number));
}

void SummaryPage::moveBelowResult(int shift)
{
    lblSum[0]->move(lblSum[0]->x(), headerTop + shift);
    for (int k = 1; k <= GameSummary::rowsPerPage; ++k) {
        const int r = GameSummary::rowOnPage(number, k);
        for (QLabel *cell : {lblSum[r], lblSuma[r], lblSumb[r]})
            cell->move(cell->x(), rowTop(k) + shift);
    }
    if (lblFactsWon)
        lblFactsWon->move(lblFactsWon->x(), firstRowTop + shift);
    for (QPushButton *button : findChildren<QPushButton *>())
        button->move(button->x(), buttonTop + shift);
    setFixedSize(windowWidth, windowHeight + shift);
}

void SummaryPage::setFactsWon(const QString &text)
{
    if (!lblFactsWon)
        return;
    lblFactsWon->setText(text);
    lblFactsWon->setVisible(!text.isEmpty());
}

QLabel *SummaryPage::addLabel(const QString &name, const QRect &box, const QFont &font, Qt::Alignment alignment)
{
    auto *label = makeNamed<QLabel>(this, name);
    label->setGeometry(box);
    label->setFont(font);
    label->setAlignment(alignment);
    return label;
}

QPushButton *SummaryPage::addButton(const QString &name, const QString &caption, int x)
{
    auto *button = makeNamed<QPushButton>(this, name);
    button->setText(caption);
    button->setFont(windowFont(9.75, true));
    button->setGeometry(x, buttonTop, 96, 34);
    return button;
}
