#pragma once

#include <QWidget>

#include "history/mastery.h"

// picTrend: the score and the median seconds of a child's recent games.
class TrendChart : public QWidget
{
    Q_OBJECT
public:
    explicit TrendChart(QWidget *parent = nullptr);

    void setGames(const QList<GameTrend> &recent);
    const QList<GameTrend> &shownGames() const { return games; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<GameTrend> games;
};
