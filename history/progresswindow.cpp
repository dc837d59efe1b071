#include "history/progresswindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/dialogs.h"
#include "history/classpage.h"
#include "history/factgrid.h"
#include "history/historycsv.h"
#include "history/historyrecorder.h"
#include "history/progressprint.h"
#include "history/trendchart.h"
#include "platform/printrenderer.h"
#include "platform/product.h"
#include "platform/savefile.h"

namespace {

constexpr qint16 pageOperations[] = {Operation::Addition, Operation::Subtraction, Operation::Multiplication,
                                     Operation::Division};
constexpr int hardestCount = 10;
constexpr int trendGames = 30;

QColor colourOf(Mastery state)
{
    return screenColour(masteryColour(state));
}

QString indexed(const QString &group, int index)
{
    return QStringLiteral("%1(%2)").arg(group).arg(index);
}

// A name as a file name: no path separators, no characters that do not print.
QString fileNameOf(const QString &name)
{
    QString clean;
    for (const QChar c : name) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Other_Format || category == QChar::Other_NotAssigned
            || category == QChar::Separator_Line || category == QChar::Separator_Paragraph)
            continue;
        clean += QStringLiteral("/\\:*?\"<>|").contains(c) ? QChar(u'_') : c;
    }
    return clean.simplified();
}

} // namespace

ProgressWindow::ProgressWindow(Platform &platform, Dialogs &dialogs, HistoryRecorder &recorder, double screenScale,
                               std::function<QString()> playerName)
    : QWidget(nullptr, Qt::Window)
    , platform(platform)
    , dialogs(dialogs)
    , screenScale(screenScale)
    , playerName(std::move(playerName))
    , recorder(recorder)
{
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(tr("Progress"));
    auto *layout = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    cboChild = new QComboBox(this);
    cboChild->setObjectName(QStringLiteral("cboChild"));
    // The longest name the name box takes shows whole.
    cboChild->setMinimumContentsLength(25);
    cboChild->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboFluency = new QComboBox(this);
    cboFluency->setObjectName(QStringLiteral("cboFluency"));
    for (const double seconds : fluencyChoices)
        cboFluency->addItem(tr("%1 seconds").arg(seconds), seconds);
    auto *childLabel = new QLabel(tr("Child:"), this);
    childLabel->setBuddy(cboChild);
    auto *fluencyLabel = new QLabel(tr("Fluent within:"), this);
    fluencyLabel->setBuddy(cboFluency);
    top->addWidget(childLabel);
    top->addWidget(cboChild);
    top->addSpacing(16);
    top->addWidget(fluencyLabel);
    top->addWidget(cboFluency);
    top->addStretch();
    layout->addLayout(top);
    // A row of its own: beside the choices it made the window wider than a
    // small screen in some languages.
    masteryLegend = new QWidget(this);
    auto *legend = new QHBoxLayout(masteryLegend);
    legend->setContentsMargins(0, 0, 0, 0);
    for (const Mastery state : {Mastery::Mastered, Mastery::Learning, Mastery::NeedsWork, Mastery::NotSeen})
        legend->addWidget(legendEntry(masteryColour(state), masteryText(state), this));
    legend->addStretch();
    layout->addWidget(masteryLegend);

    tabOperation = new QTabWidget(this);
    tabOperation->setObjectName(QStringLiteral("tabOperation"));
    tabOperation->setAccessibleName(tr("Operations"));
    const QString titles[] = {tr("Addition"), tr("Subtraction"), tr("Multiplication"), tr("Division")};
    for (int i = 0; i < 4; ++i)
        buildPage(i, pageOperations[i], titles[i]);
    layout->addWidget(tabOperation, 1);

    // The chart's switch sits in its top right corner, where the legend
    // leaves room: a row of its own made the window taller than a small screen.
    trend = new QWidget(this);
    auto *charts = new QGridLayout(trend);
    charts->setContentsMargins(0, 0, 0, 0);
    stkTrend = new QStackedWidget(trend);
    stkTrend->setObjectName(QStringLiteral("stkTrend"));
    stkTrend->setAccessibleName(tr("Scores or time"));
    picTrend = new TrendChart(stkTrend);
    picTrend->setMinimumHeight(int(150 * std::max(0.78, screenScale)));
    stkTrend->addWidget(picTrend);
    picTime = new TimeChart(stkTrend);
    stkTrend->addWidget(picTime);
    charts->addWidget(stkTrend, 0, 0);
    auto *choice = new QHBoxLayout;
    choice->setSpacing(0);
    // Left of the seconds axis, above the plot.
    choice->setContentsMargins(0, 2, int(0.55 * stkTrend->logicalDpiX()), 0);
    const auto chartButton = [this, choice](const QString &name, const QString &text, QWidget *chart) {
        auto *made = new QToolButton(trend);
        made->setObjectName(name);
        made->setText(text);
        made->setCheckable(true);
        made->setAutoExclusive(true);
        choice->addWidget(made);
        connect(made, &QToolButton::toggled, this, [this, chart](bool on) {
            if (on)
                stkTrend->setCurrentWidget(chart);
        });
        return made;
    };
    optScores = chartButton(QStringLiteral("optScores"), tr("Scores"), picTrend);
    optTime = chartButton(QStringLiteral("optTime"), tr("Time"), picTime);
    optScores->setChecked(true);
    charts->addLayout(choice, 0, 0, Qt::AlignTop | Qt::AlignRight);
    layout->addWidget(trend);

    auto *buttons = new QHBoxLayout;
    const auto button = [this, buttons](const QString &name, const QString &text) {
        auto *made = new QPushButton(text, this);
        made->setObjectName(name);
        buttons->addWidget(made);
        return made;
    };
    cmdExport = button(QStringLiteral("cmdExport"), tr("Export..."));
    cmdPrintProgress = button(QStringLiteral("cmdPrintProgress"), tr("Print..."));
    cmdForget = button(QStringLiteral("cmdForget"), tr("Forget This Child..."));
    buttons->addStretch();
    cmdProgressHelp = button(QStringLiteral("cmdProgressHelp"), tr("Help"));
    cmdProgressClose = button(QStringLiteral("cmdProgressClose"), tr("Close"));
    layout->addLayout(buttons);

    connect(cboChild, &QComboBox::currentIndexChanged, this, &ProgressWindow::loadChild);
    connect(cboFluency, &QComboBox::currentIndexChanged, this, &ProgressWindow::fluencyChosen);
    connect(cmdExport, &QPushButton::clicked, this, &ProgressWindow::exportCards);
    connect(cmdPrintProgress, &QPushButton::clicked, this, &ProgressWindow::printProgress);
    connect(cmdForget, &QPushButton::clicked, this, &ProgressWindow::forgetChild);
    connect(cmdProgressClose, &QPushButton::clicked, this, &QWidget::close);
    // The legend and the chart are a child's: the class page has its own.
    connect(tabOperation, &QTabWidget::currentChanged, this, [this] {
        const bool classShown = tabClass && tabOperation->currentWidget() == tabClass;
        masteryLegend->setVisible(!classShown);
        trend->setVisible(!classShown);
    });
    // What shows is what the file holds now: read again after a game, and
    // when the window comes forward after cards were written.
    connect(&recorder, &HistoryRecorder::recorded, this, [this] {
        stale = true;
        if (isVisible() && !this->recorder.gameRunning())
            reload(child());
    });
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    connect(cmdProgressHelp, &QPushButton::clicked, this, &ProgressWindow::helpRequested);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            &ProgressWindow::helpRequested);
}

void ProgressWindow::buildPage(int index, qint16 operation, const QString &title)
{
    auto *page = new QWidget(tabOperation);
    auto *row = new QHBoxLayout(page);
    auto *left = new QVBoxLayout;

    auto *count = new QLabel(page);
    count->setObjectName(indexed(QStringLiteral("lblMastered"), index));
    QFont bold = count->font();
    bold.setBold(true);
    count->setFont(bold);
    lblMastered.append(count);
    left->addWidget(count);
    const QString axes = operation == Operation::Subtraction ? tr("Rows: the number taken away. Columns: the answer.")
                       : operation == Operation::Division    ? tr("Rows: the divisor. Columns: the answer.")
                                                             : tr("Rows: the top number. Columns: the bottom number.");
    left->addWidget(new QLabel(axes, page));

    auto *grid = newFactGrid(page, indexed(QStringLiteral("grdMastery"), index), tr("%1 facts").arg(title),
                             screenScale);
    shapeFactGrid(grid, operation);
    grdMastery.append(grid);
    left->addWidget(grid);
    left->addStretch();
    row->addLayout(left);

    auto *right = new QVBoxLayout;
    auto *heading = new QLabel(tr("Hardest facts"), page);
    heading->setFont(bold);
    right->addWidget(heading);
    auto *hardest = new QTreeWidget(page);
    hardest->setObjectName(indexed(QStringLiteral("lstHardest"), index));
    hardest->setAccessibleName(tr("Hardest %1 facts").arg(title));
    hardest->setRootIsDecorated(false);
    hardest->setHeaderLabels({tr("Fact"), tr("Tries"), tr("Right"), tr("Median s")});
    hardest->header()->setStretchLastSection(false);
    hardest->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < 4; ++c)
        hardest->header()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    // Room for the longest fact and the three counts, so that none is cut.
    const QFontMetrics metrics(hardest->font());
    int needed = metrics.horizontalAdvance(QStringLiteral("100 \u00f7 10 = 10")) + 24;
    for (int c = 1; c < 4; ++c)
        needed += metrics.horizontalAdvance(hardest->headerItem()->text(c)) + 24;
    hardest->setMinimumWidth(needed + 2 * hardest->frameWidth());
    lstHardest.append(hardest);
    heading->setBuddy(hardest);
    right->addWidget(hardest);
    row->addLayout(right, 1);

    tabOperation->addTab(page, title);
}

HistoryStore *ProgressWindow::store()
{
    return recorder.store();
}

void ProgressWindow::tell(const QString &text)
{
    dialogs.ask(programTitle(), text, Platform::Buttons::Ok, Platform::Icon::Warning);
}

bool ProgressWindow::hasChild() const
{
    return cboChild->currentIndex() >= 0;
}

void ProgressWindow::gameStarted()
{
    enableCommands();
}

void ProgressWindow::gameEnded()
{
    if (isVisible()) {
        reload(child());
        resize(size().expandedTo(sizeHint()));
    }
}

QString ProgressWindow::child() const
{
    return cboChild->currentData().toString();
}

void ProgressWindow::showProgress()
{
    reload(playerName());
    show();
    raise();
    activateWindow();
    recorder.tellProblems();
}

void ProgressWindow::reload(const QString &wanted)
{
    stale = false;
    HistoryStore *history = store();
    const QList<ChildEntry> children = history ? history->children(role == ClassRole::Pupil) : QList<ChildEntry>();
    const QString key = HistoryStore::childKey(wanted);
    {
        const QSignalBlocker quiet(cboChild);
        cboChild->clear();
        for (const ChildEntry &entry : children)
            cboChild->addItem(entry.name.isEmpty() ? tr("(no name)") : entry.name, entry.name);
        for (int i = 0; i < cboChild->count(); ++i)
            if (HistoryStore::childKey(cboChild->itemData(i).toString()) == key)
                cboChild->setCurrentIndex(i);
    }
    if (tabClass) {
        const QDateTime weekAgo = platform.now().addDays(-7);
        tabClass->setChildren(history ? history->classChildren(weekAgo) : QList<ClassChild>());
    }
    loadChild();
}

void ProgressWindow::setClassRole(ClassRole newRole, const QString &name)
{
    className = name;
    if (newRole == role)
        return;
    role = newRole;
    if (role == ClassRole::Teacher && !tabClass) {
        tabClass = new ClassPage(screenScale, tabOperation);
        tabOperation->insertTab(0, tabClass, tr("Class"));
        connect(tabClass, &ClassPage::childChosen, this, [this](const QString &name) {
            const int at = cboChild->findData(name);
            if (at < 0)
                return;
            cboChild->setCurrentIndex(at);
            tabOperation->setCurrentIndex(1);
        });
        connect(tabClass->cmdExportClass, &QPushButton::clicked, this, &ProgressWindow::exportClass);
        connect(tabClass->cmdPrintClass, &QPushButton::clicked, this, &ProgressWindow::printClass);
        tabOperation->setCurrentWidget(tabClass);
    } else if (role != ClassRole::Teacher && tabClass) {
        delete tabClass;
        tabClass = nullptr;
    }
    if (isVisible()) {
        reload(child());
        resize(size().expandedTo(sizeHint()));
    }
}

void ProgressWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && stale && !recorder.gameRunning())
        reload(child());
}

void ProgressWindow::loadChild()
{
    HistoryStore *history = hasChild() ? store() : nullptr;
    facts = history ? history->factRecords(child()) : FactRecords();
    fluency = history ? history->fluencySeconds(child()) : defaultFluencySeconds;
    {
        const QSignalBlocker quiet(cboFluency);
        cboFluency->setCurrentIndex(std::max(0, cboFluency->findData(fluency)));
    }
    picTrend->setGames(history ? history->recentGames(child(), trendGames) : QList<GameTrend>());
    picTime->setDays(practice(history));
    enableCommands();
    showFacts();
}

PracticeDays ProgressWindow::practice(HistoryStore *history)
{
    const QDate today = platform.now().toLocalTime().date();
    return practiceDays(history ? history->practiceSpans(child(), practiceReadSince(today)) : QList<PractiseSpan>(),
                        today);
}

void ProgressWindow::enableCommands()
{
    const bool readable = hasChild() && recorder.store() != nullptr;
    cboFluency->setEnabled(readable);
    // A game writes to the history: nothing may change or copy it meanwhile.
    const bool idle = readable && !recorder.gameRunning();
    for (QWidget *needsChild : std::initializer_list<QWidget *>{cmdExport, cmdPrintProgress, cmdForget})
        needsChild->setEnabled(idle);
    if (tabClass) {
        const bool classIdle = recorder.store() != nullptr && !recorder.gameRunning() && !tabClass->children().isEmpty();
        tabClass->cmdPrintClass->setEnabled(classIdle);
        tabClass->cmdExportClass->setEnabled(classIdle);
    }
}

void ProgressWindow::showFacts()
{
    for (int page = 0; page < 4; ++page) {
        const qint16 operation = pageOperations[page];
        const MasteryGrid grid = masteryGrid(facts, operation, fluency);
        lblMastered[page]->setText(masteredCountText(grid));
        QTableWidget *table = grdMastery[page];
        for (int r = 0; r < table->rowCount(); ++r) {
            for (int c = 0; c < table->columnCount(); ++c) {
                const FactSummary &fact = grid.at({r + gridFirstRow(operation), c});
                QTableWidgetItem *item = table->item(r, c);
                const QString description = factDescription(fact);
                item->setBackground(colourOf(fact.state));
                item->setToolTip(description);
                item->setData(Qt::AccessibleDescriptionRole, description);
            }
        }
        QTreeWidget *list = lstHardest[page];
        list->clear();
        for (const FactSummary &hard : hardestFacts(facts, operation, fluency, hardestCount)) {
            auto *item = new QTreeWidgetItem(list, {factText(hard.fact), QString::number(hard.tries),
                                                    QString::number(hard.right),
                                                    QString::number(hard.medianSeconds, 'f', 1)});
            item->setBackground(0, colourOf(hard.state));
            item->setToolTip(0, factDescription(hard));
            for (int c = 1; c < 4; ++c)
                item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
}

void ProgressWindow::fluencyChosen()
{
    fluency = cboFluency->currentData().toDouble();
    showFacts();
    HistoryStore *history = hasChild() ? store() : nullptr;
    if (history && !history->setFluencySeconds(child(), fluency))
        tell(tr("The fluency time cannot be saved: %1.").arg(history->error()));
}

void ProgressWindow::exportCards()
{
    HistoryStore *history = hasChild() && !recorder.gameRunning() ? store() : nullptr;
    if (!history)
        return;
    const QString name = child().isEmpty() ? tr("no name") : fileNameOf(child());
    const QString path = platform.saveFileName(tr("CSV Files (*.csv)"),
                                               (name.isEmpty() ? tr("no name") : name) + tr(" practice.csv"));
    if (path.isEmpty())
        return;
    writeCsv(path, history->cardCount(child()), historyCsvHeader(),
             [&](const std::function<bool(const QByteArray &)> &write) {
                 return history->forEachCard(child(),
                                             [&](const StoredCard &card) { return write(historyCsvRow(child(), card)); });
             });
}

void ProgressWindow::exportClass()
{
    HistoryStore *history = tabClass && !recorder.gameRunning() ? store() : nullptr;
    if (!history)
        return;
    const QString name = fileNameOf(className);
    const QString path = platform.saveFileName(
        tr("CSV Files (*.csv)"), (name.isEmpty() ? tr("class") : name) + tr(" practice.csv"));
    if (path.isEmpty())
        return;
    writeCsv(path, history->cardCount(std::nullopt), classCsvHeader(),
             [&](const std::function<bool(const QByteArray &)> &write) {
                 return history->forEachClassCard([&](const ClassCard &card) { return write(classCsvRow(card)); });
             });
}

void ProgressWindow::writeCsv(const QString &path, qint64 total, const QByteArray &header,
                              const std::function<bool(const std::function<bool(const QByteArray &)> &)> &rows)
{
    const auto progress = platform.startProgress(tr("Export..."), tr("Writing %1").arg(path), total);
    // Written as it is read, so that a large history needs no more memory than a card.
    QSaveFile file(path);
    bool cancelled = false;
    qint64 done = 0;
    const bool written = file.open(QIODevice::WriteOnly) && file.write(header) >= 0
        && rows([&](const QByteArray &row) {
               if (file.write(row) < 0)
                   return false;
               cancelled = !progress->advance(++done);
               return !cancelled;
           });
    if (cancelled) {
        file.cancelWriting();
        return;
    }
    QString why;
    if (!written || !commitSaveFile(file, &why))
        tell(tr("The file %1 cannot be written.").arg(path)
             + (why.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(why)));
}

void ProgressWindow::printClass()
{
    if (!tabClass || tabClass->children().isEmpty())
        return;
    ClassReport report;
    report.className = className;
    report.date = platform.shortDate();
    report.rows = tabClass->classRows();
    report.hardest = tabClass->hardestFacts();
    QStringList names;
    for (const ClassChild &one : tabClass->children())
        names.append(one.name);
    emit printClassRequested(report, names);
}

void ProgressWindow::printProgress()
{
    HistoryStore *history = hasChild() ? store() : nullptr;
    if (!history)
        return;
    ProgressReport report;
    report.child = child();
    report.date = platform.shortDate();
    report.fluencySeconds = fluency;
    for (const qint16 operation : pageOperations) {
        const bool practised = std::any_of(facts.begin(), facts.end(),
                                           [operation](const FactRecord &record) { return record.fact.operation == operation; });
        if (practised)
            report.sections.append({masteryGrid(facts, operation, fluency),
                                    hardestFacts(facts, operation, fluency, hardestCount),
                                    history->recentGames(child(), trendGames, operation)});
    }
    report.practice = practice(history);
    if (!report.sections.isEmpty())
        printPages(platform, [&report](const PrintMeasure &) { return progressPrintPages(report); });
}

void ProgressWindow::forgetChild()
{
    HistoryStore *history = hasChild() && !recorder.gameRunning() ? store() : nullptr;
    if (!history || (mayForget && !mayForget()))
        return;
    const QString shown = cboChild->currentText();
    if (dialogs.ask(programTitle(),
                    tr("Forget everything %1 has practised? This cannot be undone.").arg(shown),
                    Platform::Buttons::YesNo, Platform::Icon::Question)
        != Platform::Answer::Yes)
        return;
    const auto progress = platform.startProgress(tr("Forget This Child..."), tr("Forgetting %1").arg(shown),
                                                         history->cardCount(child()));
    bool cancelled = false;
    const bool forgotten = history->forget(child(), [&](qint64 done, qint64) {
        cancelled = !progress->advance(done);
        return !cancelled;
    });
    if (!forgotten && !cancelled)
        tell(tr("%1's practice cannot be forgotten: %2.").arg(shown, history->error()));
    reload(playerName());
}
