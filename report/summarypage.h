#pragma once

#include <QMap>
#include <QWidget>

class GameSummary;
class QLabel;
class QPushButton;

// One summary page window, frmSummaryDisplay0 (page 1) to frmSummaryDisplay4
// (page 5). It draws its twenty rows of the summary; what the buttons do is
// wired by SummaryWindows.
class SummaryPage : public QWidget
{
    Q_OBJECT
public:
    explicit SummaryPage(int page);

    int page() const { return number; }
    void draw(const GameSummary &summary);
    // Page 1: the facts the game won, beside the rows; empty hides them.
    void setFactsWon(const QString &text);

    QLabel *lblSumTitle = nullptr;
    // Indexed by summary row: 0 the column header, 1 the result line (page 1
    // only), then this page's rows.
    QMap<int, QLabel *> lblSum;
    QMap<int, QLabel *> lblSuma;
    QMap<int, QLabel *> lblSumb;
    QLabel *lblFactsWon = nullptr; // page 1 only

    QPushButton *cmdSumClose = nullptr;
    QPushButton *cmdSumSave = nullptr;  // page 1 only
    QPushButton *cmdSumPrint = nullptr; // page 1 only
    // Named after the page they sit on: cmdSumPrev1 on page 2 up to
    // cmdSumPrev4 on page 5, cmdSumNext0 on page 1 up to cmdSumNext3 on page 4.
    QPushButton *cmdSumPrev = nullptr;
    QPushButton *cmdSumNext = nullptr;

private:
    // The header, the rows and the buttons sit shift pixels lower, under a
    // result line of more than two lines.
    void moveBelowResult(int shift);
    QLabel *addLabel(const QString &name, const QRect &box, const QFont &font, Qt::Alignment alignment);
    QPushButton *addButton(const QString &name, const QString &caption, int x);

    const int number;
};
