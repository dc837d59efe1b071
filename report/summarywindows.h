#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <memory>

#include "report/gamesummary.h"

class Dialogs;
class Platform;
struct GameSession;
class QAction;
class SummaryPage;

// The five summary page windows, frmSummaryDisplay0 to frmSummaryDisplay4:
// each created when first shown, then only shown and hidden. They are
// independent windows; the main window stays usable while one is up.
class SummaryWindows : public QObject
{
    Q_OBJECT
public:
    SummaryWindows(Platform &platform, Dialogs &dialogs, GameSummary &summary, const GameSession &session);
    ~SummaryWindows() override;

    // "View Previous Game Summary" and "Open Saved Game Report".
    void attachMenu(QAction *mnuPrevious, QAction *mnuSavedGame);

    // page 1..5
    void showPage(int page);
    // A new game: pages of the last one would show it mixed with the new.
    void hideAll();
    // The facts the last game won, on the first page and never in its report;
    // empty for none.
    void setFactsWon(const QString &text);
    // Null until the page has been shown once.
    SummaryPage *createdPage(int page) const;

signals:
    // A page was closed between games: the main window goes back to its setup.
    void closedBetweenGames();

private:
    SummaryPage &pageWindow(int page);
    void turnPage(int from, int to);
    void closePage(int page);
    void openSavedReport();
    void redraw();

    Platform &platform;
    Dialogs &dialogs;
    GameSummary &summary;
    const GameSession &session;
    std::array<std::unique_ptr<SummaryPage>, GameSummary::pageCount> pages;
    QString reportFile; // the name Save and Open share, replaced on each use
    QString factsWon;
};
