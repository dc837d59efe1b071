#include "history/classpage.h"

#include <QCollator>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "history/factgrid.h"
#include "platform/datetext.h"

namespace {

enum Column { NameColumn, FirstOperationColumn, LastColumn = FirstOperationColumn + 4, GamesColumn, ColumnCount };

// Sorts by the number it was given, not by its text.
class SortedItem final : public QTableWidgetItem
{
public:
    SortedItem(const QString &text, const QVariant &key)
        : QTableWidgetItem(text)
    {
        setData(Qt::UserRole, key);
    }
    bool operator<(const QTableWidgetItem &other) const override
    {
        const QVariant mine = data(Qt::UserRole);
        const QVariant theirs = other.data(Qt::UserRole);
        if (mine.typeId() == QMetaType::QString) {
            // "Ann2" before "Ann10", as a teacher reads them.
            static const QCollator collator = [] {
                QCollator made;
                made.setNumericMode(true);
                made.setCaseSensitivity(Qt::CaseInsensitive);
                return made;
            }();
            return collator.compare(mine.toString(), theirs.toString()) < 0;
        }
        if (mine.typeId() == QMetaType::QDateTime)
            return mine.toDateTime() < theirs.toDateTime();
        return mine.toDouble() < theirs.toDouble();
    }
};

} // namespace

ClassPage::ClassPage(double screenScale, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("tabClass"));
    auto *row = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;

    grdClass = new QTableWidget(0, ColumnCount, this);
    grdClass->setObjectName(QStringLiteral("grdClass"));
    grdClass->setAccessibleName(tr("Children of the class"));
    const QString operations[] = {QCoreApplication::translate("ProgressWindow", "Addition"),
                                  QCoreApplication::translate("ProgressWindow", "Subtraction"),
                                  QCoreApplication::translate("ProgressWindow", "Multiplication"),
                                  QCoreApplication::translate("ProgressWindow", "Division")};
    grdClass->setHorizontalHeaderLabels({tr("Child"), operations[0], operations[1], operations[2], operations[3],
                                         tr("Last practice"), tr("Games in 7 days")});
    grdClass->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdClass->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdClass->setSelectionMode(QAbstractItemView::SingleSelection);
    grdClass->verticalHeader()->hide();
    grdClass->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grdClass->horizontalHeader()->setStretchLastSection(true);
    grdClass->setToolTip(tr("Click a heading to sort. Double-click a child to see their own pages."));
    grdClass->sortByColumn(NameColumn, Qt::AscendingOrder);
    const int rowHeight = grdClass->fontMetrics().height() + 8;
    grdClass->verticalHeader()->setDefaultSectionSize(rowHeight);
    // Eight children in view before it scrolls.
    grdClass->setMinimumHeight(grdClass->horizontalHeader()->sizeHint().height() + 8 * rowHeight
                               + 2 * grdClass->frameWidth());
    left->addWidget(grdClass, 2);

    auto *hardestHeading = new QLabel(tr("The facts most children need work on"), this);
    QFont bold = hardestHeading->font();
    bold.setBold(true);
    hardestHeading->setFont(bold);
    left->addWidget(hardestHeading);
    lstClassHardest = new QTreeWidget(this);
    lstClassHardest->setObjectName(QStringLiteral("lstClassHardest"));
    lstClassHardest->setAccessibleName(tr("The facts most children need work on"));
    lstClassHardest->setRootIsDecorated(false);
    const QString fact = QCoreApplication::translate("ProgressWindow", "Fact");
    lstClassHardest->setHeaderLabels({fact, tr("Needs work"), tr("Learning"), tr("Mastered")});
    lstClassHardest->header()->setStretchLastSection(false);
    lstClassHardest->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < 4; ++c)
        lstClassHardest->header()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    hardestHeading->setBuddy(lstClassHardest);
    // All ten facts without scrolling.
    lstClassHardest->setMinimumHeight((hardestCount + 1) * (lstClassHardest->fontMetrics().height() + 6)
                                      + 2 * lstClassHardest->frameWidth());
    left->addWidget(lstClassHardest, 1);

    auto *buttons = new QHBoxLayout;
    cmdPrintClass = new QPushButton(tr("Print Class..."), this);
    cmdPrintClass->setObjectName(QStringLiteral("cmdPrintClass"));
    cmdExportClass = new QPushButton(tr("Export Class..."), this);
    cmdExportClass->setObjectName(QStringLiteral("cmdExportClass"));
    buttons->addWidget(cmdPrintClass);
    buttons->addWidget(cmdExportClass);
    buttons->addStretch();
    left->addLayout(buttons);
    row->addLayout(left, 1);

    auto *right = new QVBoxLayout;
    auto *choice = new QHBoxLayout;
    cboClassOperation = new QComboBox(this);
    cboClassOperation->setObjectName(QStringLiteral("cboClassOperation"));
    for (int i = 0; i < 4; ++i)
        cboClassOperation->addItem(operations[i], int(classOperations[i]));
    auto *choiceLabel = new QLabel(tr("Facts mastered by the class:"), this);
    choiceLabel->setBuddy(cboClassOperation);
    choice->addWidget(choiceLabel);
    choice->addWidget(cboClassOperation);
    choice->addStretch();
    right->addLayout(choice);
    grdClassFacts = newFactGrid(this, QStringLiteral("grdClassFacts"), tr("Facts mastered by the class"), screenScale);
    shapeFactGrid(grdClassFacts, Operation::Addition);
    right->addWidget(grdClassFacts);
    // The steps of the colours, two to a line so that the page stays narrow.
    auto *legend = new QGridLayout;
    int at = 0;
    for (const ClassShare share : classShares) {
        legend->addWidget(legendEntry(classShareColour(share), classShareText(share), this), at / 2, at % 2);
        ++at;
    }
    right->addLayout(legend);
    right->addStretch();
    row->addLayout(right);

    connect(cboClassOperation, &QComboBox::currentIndexChanged, this, &ClassPage::showFacts);
    connect(grdClass, &QTableWidget::cellDoubleClicked, this, [this](int r, int) {
        if (const QTableWidgetItem *item = grdClass->item(r, NameColumn))
            emit childChosen(item->data(Qt::UserRole + 1).toString());
    });
}

void ClassPage::setChildren(const QList<ClassChild> &children)
{
    shown = children;
    rows.clear();
    for (const ClassChild &child : shown)
        rows.append(classRowOf(child));
    hardest = classHardestFacts(shown, hardestCount);
    showTable();
    showFacts();
    lstClassHardest->clear();
    for (const ClassFact &fact : std::as_const(hardest)) {
        auto *item = new QTreeWidgetItem(lstClassHardest,
                                         {factText(fact.fact), QString::number(fact.needWork.size()),
                                          QString::number(fact.learning.size()), QString::number(fact.mastered)});
        item->setToolTip(0, classFactDescription(fact, int(shown.size())));
        for (int c = 1; c < 4; ++c)
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
}

void ClassPage::showTable()
{
    grdClass->setSortingEnabled(false);
    grdClass->setRowCount(int(shown.size()));
    for (int r = 0; r < int(shown.size()); ++r) {
        const ClassChild &child = shown[r];
        const ClassRow &row = rows[r];
        auto *name = new SortedItem(row.name, row.name);
        name->setData(Qt::UserRole + 1, child.name);
        grdClass->setItem(r, NameColumn, name);
        for (int op = 0; op < 4; ++op) {
            const double share = row.cells[op] > 0 ? double(row.mastered[op]) / row.cells[op] : 0;
            auto *cell = new SortedItem(QCoreApplication::translate("Mastery", "Mastered %1 of %2").arg(row.mastered[op]).arg(row.cells[op]), share);
            cell->setBackground(
                screenColour(classShareColour(classShareOf(row.mastered[op], row.cells[op], row.practised[op]))));
            cell->setTextAlignment(Qt::AlignCenter);
            grdClass->setItem(r, FirstOperationColumn + op, cell);
        }
        grdClass->setItem(r, LastColumn,
                          new SortedItem(shortDateText(row.lastPlayed.toLocalTime().date()), row.lastPlayed));
        auto *games = new SortedItem(QString::number(row.gamesLastWeek), row.gamesLastWeek);
        games->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grdClass->setItem(r, GamesColumn, games);
    }
    grdClass->setSortingEnabled(true);
    // The whole table in view where the screen has room, and the window opens that wide.
    grdClass->resizeColumnsToContents();
    int wanted = 2 * grdClass->frameWidth() + grdClass->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < ColumnCount; ++c)
        wanted += grdClass->horizontalHeader()->sectionSize(c);
    const int room = screen()->availableGeometry().width() - grdClassFacts->width() - 120;
    grdClass->setMinimumWidth(std::max(200, std::min(wanted, room)));
}

void ClassPage::showFacts()
{
    const auto operation = qint16(cboClassOperation->currentData().toInt());
    shapeFactGrid(grdClassFacts, operation);
    const ClassFactGrid grid = classFactGrid(shown, operation);
    for (int r = 0; r < grdClassFacts->rowCount(); ++r) {
        for (int c = 0; c < grdClassFacts->columnCount(); ++c) {
            const ClassFact &fact = grid.at({r + gridFirstRow(operation), c});
            QTableWidgetItem *item = grdClassFacts->item(r, c);
            const QString description = classFactDescription(fact, grid.children);
            item->setBackground(screenColour(classShareColour(classShareOf(fact.mastered, grid.children, fact.seen > 0))));
            item->setToolTip(description);
            item->setData(Qt::AccessibleDescriptionRole, description);
        }
    }
}
