#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include "game/gamesession.h"
#include "history/mastery.h"
#include "platform/printlayout.h"

// What the class page knows of one child of the class.
struct ClassChild
{
    QString name; // the latest spelling; empty for the child with no name
    QDateTime lastPlayed;
    int gamesLastWeek = 0;
    double fluencySeconds = defaultFluencySeconds;
    FactRecords facts;
};

// "(no name)" for the child with no name.
QString classChildName(const QString &name);

// The four operations in the order of the class table's columns.
inline constexpr qint16 classOperations[] = {Operation::Addition, Operation::Subtraction, Operation::Multiplication,
                                             Operation::Division};

// A row of the class table: each operation's grid mastered, by the child's
// own fluency time.
struct ClassRow
{
    QString name;
    QDateTime lastPlayed;
    int gamesLastWeek = 0;
    int mastered[4] = {};
    int cells[4] = {};
    bool practised[4] = {};
};
ClassRow classRowOf(const ClassChild &child);

// How much of the class has mastered something, in the steps the legend
// names: NotSeen when no child has practised it yet.
enum class ClassShare { NotSeen, UnderQuarter, UnderHalf, UnderThreeQuarters, ThreeQuartersUp };
inline constexpr ClassShare classShares[] = {ClassShare::ThreeQuartersUp, ClassShare::UnderThreeQuarters,
                                             ClassShare::UnderHalf, ClassShare::UnderQuarter, ClassShare::NotSeen};
ClassShare classShareOf(int mastered, int of, bool seen);
PrintColour classShareColour(ClassShare share);
// "75 % or more", for the legend.
QString classShareText(ClassShare share);

// One fact of the class grid: how many of the children have mastered it and
// who needs work on it or is learning it.
struct ClassFact
{
    Fact fact;
    int mastered = 0;
    int seen = 0;
    QStringList needWork;
    QStringList learning;
};

struct ClassFactGrid
{
    qint16 operation = 0;
    int children = 0;
    QList<ClassFact> cells; // row by row from gridFirstRow(), 13 a row

    const ClassFact &at(GridCell cell) const
    {
        return cells.at(gridIndexOf(operation, cell));
    }
};
ClassFactGrid classFactGrid(const QList<ClassChild> &children, qint16 operation);
// "Mastered by 12 of 30 children.\nNeeds work: Ann, Ben\nLearning: Cy"
QString classFactDescription(const ClassFact &fact, int children);

// The facts that most children need work on, of any operation and numbers:
// most needing work first, then most learning, then fewest mastered.
QList<ClassFact> classHardestFacts(const QList<ClassChild> &children, int count);
