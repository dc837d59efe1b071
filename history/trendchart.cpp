#include "history/trendchart.h"

#include <QPainter>

#include "history/progressprint.h"
#include "platform/printrenderer.h"

TrendChart::TrendChart(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picTrend"));
    setAccessibleName(tr("Score and median seconds of the last 30 games"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TrendChart::setGames(const QList<GameTrend> &recent)
{
    games = recent;
    update();
}

namespace {

// Both charts are drawn by the printed report's layouts, in inches.
void paintChart(QWidget &chart, const std::function<QList<PrintItem>(const QRectF &)> &items)
{
    QPainter painter(&chart);
    painter.fillRect(chart.rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF inches(0.05, 0.05, chart.width() / double(chart.logicalDpiX()) - 0.1,
                        chart.height() / double(chart.logicalDpiY()) - 0.1);
    paintPrintItems(painter, chart, items(inches));
}

} // namespace

void TrendChart::paintEvent(QPaintEvent *)
{
    paintChart(*this, [this](const QRectF &inches) { return trendChartItems(games, inches, 8); });
}

TimeChart::TimeChart(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picTime"));
    setAccessibleName(tr("Minutes practised on each of the last %1 days").arg(practiceDaysShown));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TimeChart::setDays(const PracticeDays &practised)
{
    days = practised;
    update();
}

void TimeChart::paintEvent(QPaintEvent *)
{
    paintChart(*this, [this](const QRectF &inches) { return practiceChartItems(days, inches, 8); });
}
