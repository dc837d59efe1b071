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

void TrendChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF inches(0.05, 0.05, width() / double(logicalDpiX()) - 0.1, height() / double(logicalDpiY()) - 0.1);
    paintPrintItems(painter, *this, trendChartItems(games, inches, 8));
}
