#pragma once

#include <QWidget>

#include <functional>

#include "history/classprint.h"
#include "history/mastery.h"
#include "history/practicetime.h"

class ClassPage;
class HistoryRecorder;
class HistoryStore;
class Dialogs;
class Platform;
class QComboBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class QToolButton;
class QTableWidget;
class QTreeWidget;
class TimeChart;
class TrendChart;

// frmProgress: what a child knows, fact by fact, and how the last games went.
class ProgressWindow : public QWidget
{
    Q_OBJECT
public:
    // playerName is the name typed for the game, which the window opens on.
    ProgressWindow(Platform &platform, Dialogs &dialogs, HistoryRecorder &recorder, double screenScale,
                   std::function<QString()> playerName);

    // Reads the history afresh and opens on the player named in txtName
    // when that child has a history.
    void showProgress();

    // What the class server lets this login see. None: no class server, the
    // window shows every child in the history. Pupil: only the children who
    // played on this machine. Teacher: every child of the class, and the
    // class page first.
    enum class ClassRole { None, Pupil, Teacher };
    void setClassRole(ClassRole role, const QString &className);

    ClassPage *tabClass = nullptr; // only for a teacher
    QComboBox *cboChild = nullptr;
    QComboBox *cboFluency = nullptr;
    QTabWidget *tabOperation = nullptr;
    QList<QLabel *> lblMastered;    // lblMastered(0) to (3): addition, subtraction, multiplication, division
    QList<QTableWidget *> grdMastery;
    QList<QTreeWidget *> lstHardest;
    QStackedWidget *stkTrend = nullptr; // the scores or the time practised,
    QToolButton *optScores = nullptr;   // as chosen by these buttons
    QToolButton *optTime = nullptr;
    TrendChart *picTrend = nullptr;
    TimeChart *picTime = nullptr;
    QPushButton *cmdExport = nullptr;
    QPushButton *cmdPrintProgress = nullptr;
    QPushButton *cmdForget = nullptr;
    QPushButton *cmdProgressClose = nullptr;
    QPushButton *cmdProgressHelp = nullptr;
    // Asked before a child is forgotten; false refuses (and has said why).
    std::function<bool()> mayForget;

    // Nothing may change while a game runs; what it wrote shows when it ends.
    void gameStarted();
    void gameEnded();

signals:
    // Help, or F1: what this window shows and does.
    void helpRequested();
    // Print Class: the class table, and the names of its children as the
    // history knows them, in the same order, for their worksheets.
    void printClassRequested(const ClassReport &report, const QStringList &children);

private:
    void buildPage(int index, qint16 operation, const QString &title);
    void reload(const QString &wanted);
    void loadChild();
    void enableCommands();
    PracticeDays practice(HistoryStore *history);
    void showFacts();
    void fluencyChosen();
    void exportCards();
    void exportClass();
    // Writes the header, then the rows as the cards are read; says why when it cannot.
    void writeCsv(const QString &path, qint64 total, const QByteArray &header,
                  const std::function<bool(const std::function<bool(const QByteArray &)> &)> &rows);
    void printClass();
    void showClassPage();
    void printProgress();
    void forgetChild();
    bool hasChild() const;
    QString child() const;
    // The store when it can be read; after a write fails, says so once.
    HistoryStore *store();
    void tell(const QString &text);

    Platform &platform;
    Dialogs &dialogs;
    const double screenScale;
    const std::function<QString()> playerName;
    HistoryRecorder &recorder;
    FactRecords facts;
    double fluency = defaultFluencySeconds;
    bool stale = false;
    ClassRole role = ClassRole::None;
    QString className;
    QWidget *masteryLegend = nullptr;
    QWidget *trend = nullptr;

protected:
    void changeEvent(QEvent *event) override;
};
