#include "history/factgrid.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <algorithm>

#include "history/mastery.h"

namespace {

// Paints a cell's colour whatever its state, and shows the cell that has the
// keyboard with a frame rather than the selection colour.
class MasteryCellDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem plain = option;
        plain.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        QStyledItemDelegate::paint(painter, plain, index);
        if (option.state & QStyle::State_HasFocus) {
            painter->save();
            painter->setPen(QPen(option.palette.color(QPalette::WindowText), 2));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
            painter->restore();
        }
    }
};

} // namespace

QTableWidget *newFactGrid(QWidget *parent, const QString &objectName, const QString &accessibleName,
                          double screenScale)
{
    auto *grid = new QTableWidget(parent);
    grid->setObjectName(objectName);
    grid->setAccessibleName(accessibleName);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setItemDelegate(new MasteryCellDelegate(grid));
    // Nothing to select, but a screen reader still finds the corner.
    grid->setCornerButtonEnabled(false);
    if (auto *corner = grid->findChild<QAbstractButton *>())
        corner->setAccessibleName(QCoreApplication::translate("ProgressWindow", "Rows and columns"));
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int cell = int(26 * std::max(0.78, screenScale));
    for (QHeaderView *header : {grid->horizontalHeader(), grid->verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setMinimumSectionSize(cell); // first: the default is held above the minimum
        header->setDefaultSectionSize(cell);
        header->setDefaultAlignment(Qt::AlignCenter);
    }
    return grid;
}

void shapeFactGrid(QTableWidget *grid, qint16 operation)
{
    const int first = gridFirstRow(operation);
    const int cell = grid->horizontalHeader()->defaultSectionSize();
    // Sections take their size when made: after the sizes are set.
    grid->setRowCount(gridLast + 1 - first);
    grid->setColumnCount(gridLast + 1);
    QStringList rows;
    QStringList columns;
    for (int n = first; n <= gridLast; ++n)
        rows.append(QString::number(n));
    for (int n = 0; n <= gridLast; ++n)
        columns.append(QString::number(n));
    grid->setVerticalHeaderLabels(rows);
    grid->setHorizontalHeaderLabels(columns);
    for (int r = 0; r < grid->rowCount(); ++r)
        for (int c = 0; c < grid->columnCount(); ++c)
            if (!grid->item(r, c))
                grid->setItem(r, c, new QTableWidgetItem);
    grid->setFixedSize(grid->verticalHeader()->sizeHint().width() + cell * grid->columnCount() + 2 * grid->frameWidth(),
                       grid->horizontalHeader()->sizeHint().height() + cell * grid->rowCount() + 2 * grid->frameWidth());
}

QColor screenColour(const PrintColour &colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

QLabel *legendEntry(const PrintColour &colour, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setText(QStringLiteral("<span style=\"background-color:%1\">&nbsp;&nbsp;&nbsp;&nbsp;</span> %2")
                       .arg(screenColour(colour).name(), text.toHtmlEscaped()));
    return label;
}
