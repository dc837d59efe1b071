#pragma once

#include <QWidget>

#include "history/mastery.h"
#include "history/practicetime.h"

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

// picTime: the minutes a child practised on each of the last days.
class TimeChart : public QWidget
{
    Q_OBJECT
public:
    explicit TimeChart(QWidget *parent = nullptr);

    void setDays(const PracticeDays &practised);
    const PracticeDays &shownDays() const { return days; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    PracticeDays days;
};
