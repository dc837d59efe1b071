#include "report/summarywindows.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "game/gamesession.h"
#include "platform/product.h"
#include "report/reportcommands.h"
#include "report/summarypage.h"
#include "report/summaryprinting.h"

SummaryWindows::SummaryWindows(Platform &platform, Dialogs &dialogs, GameSummary &summary, const GameSession &session)
    : platform(platform)
    , dialogs(dialogs)
    , summary(summary)
    , session(session)
{
    connect(&summary, &GameSummary::changed, this, &SummaryWindows::redraw);
}

SummaryWindows::~SummaryWindows() = default;

void SummaryWindows::attachMenu(QAction *mnuPrevious, QAction *mnuSavedGame)
{
    connect(mnuPrevious, &QAction::triggered, this, [this] { showPage(1); });
    connect(mnuSavedGame, &QAction::triggered, this, &SummaryWindows::openSavedReport);
}

void SummaryWindows::showPage(int page)
{
    if (page < 1 || page > GameSummary::pageCount)
        return;
    SummaryPage &window = pageWindow(page);
    window.show();
    window.raise();
    window.activateWindow();
}

SummaryPage *SummaryWindows::createdPage(int page) const
{
    return page >= 1 && page <= GameSummary::pageCount ? pages[page - 1].get() : nullptr;
}

SummaryPage &SummaryWindows::pageWindow(int page)
{
    std::unique_ptr<SummaryPage> &slot = pages[page - 1];
    if (slot)
        return *slot;
    slot = std::make_unique<SummaryPage>(page);
    SummaryPage &window = *slot;
    window.draw(summary);
    window.setFactsWon(factsWon);
    connect(window.cmdSumClose, &QPushButton::clicked, this, [this, page] { closePage(page); });
    if (window.cmdSumNext)
        connect(window.cmdSumNext, &QPushButton::clicked, this, [this, page] { turnPage(page, page + 1); });
    if (window.cmdSumPrev)
        connect(window.cmdSumPrev, &QPushButton::clicked, this, [this, page] { turnPage(page, page - 1); });
    // Only a whole game is saved or printed, never one being played.
    if (window.cmdSumSave)
        connect(window.cmdSumSave, &QPushButton::clicked, this, [this] {
            if (session.state == 0)
                saveReport(platform, dialogs, summary, reportFile);
        });
    if (window.cmdSumPrint)
        connect(window.cmdSumPrint, &QPushButton::clicked, this, [this] {
            if (session.state == 0)
                printSummary(platform, summary, versionLabel());
        });
    return window;
}

void SummaryWindows::turnPage(int from, int to)
{
    SummaryPage &leaving = pageWindow(from);
    // The next page opens where the reader already looks.
    pageWindow(to).move(leaving.pos());
    showPage(to);
    leaving.hide();
}

void SummaryWindows::closePage(int page)
{
    // While a game runs the main window is the game's: bringing back the setup
    // tabs and the Start face there would let the setup change mid-game and
    // show Start on the button that stops it.
    if (session.state == 0)
        emit closedBetweenGames();
    pageWindow(page).hide();
}

void SummaryWindows::hideAll()
{
    for (const std::unique_ptr<SummaryPage> &page : pages)
        if (page)
            page->hide();
}

void SummaryWindows::setFactsWon(const QString &text)
{
    factsWon = text;
    if (SummaryPage *first = createdPage(1))
        first->setFactsWon(text);
}

void SummaryWindows::openSavedReport()
{
    if (openReport(platform, dialogs, summary, reportFile)) {
        setFactsWon({}); // a report keeps no record of it
        showPage(1);
    }
}

void SummaryWindows::redraw()
{
    for (const std::unique_ptr<SummaryPage> &page : pages)
        if (page)
            page->draw(summary);
}
