#include "history/classmastery.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>

#include "history/progressprint.h"

namespace {

int pageOf(qint16 operation)
{
    return operation - Operation::Addition;
}

void addChild(ClassFact &fact, const QString &name, Mastery state)
{
    if (state == Mastery::NotSeen)
        return;
    ++fact.seen;
    if (state == Mastery::Mastered)
        ++fact.mastered;
    else if (state == Mastery::NeedsWork)
        fact.needWork.append(name);
    else
        fact.learning.append(name);
}

} // namespace

QString classChildName(const QString &name)
{
    return name.isEmpty() ? QCoreApplication::translate("Progress", "(no name)") : name;
}

ClassRow classRowOf(const ClassChild &child)
{
    ClassRow row;
    row.name = classChildName(child.name);
    row.lastPlayed = child.lastPlayed;
    row.gamesLastWeek = child.gamesLastWeek;
    for (const FactRecord &record : child.facts)
        if (record.fact.operation >= Operation::Addition && record.fact.operation <= Operation::Division)
            row.practised[pageOf(record.fact.operation)] = true;
    for (const qint16 operation : classOperations) {
        const MasteryGrid grid = masteryGrid(child.facts, operation, child.fluencySeconds);
        row.mastered[pageOf(operation)] = grid.mastered;
        row.cells[pageOf(operation)] = int(grid.cells.size());
    }
    return row;
}

ClassShare classShareOf(int mastered, int of, bool seen)
{
    if (!seen || of <= 0)
        return ClassShare::NotSeen;
    // In whole numbers, so that 3 of 4 is three quarters exactly.
    if (4 * mastered >= 3 * of)
        return ClassShare::ThreeQuartersUp;
    if (2 * mastered >= of)
        return ClassShare::UnderThreeQuarters;
    if (4 * mastered >= of)
        return ClassShare::UnderHalf;
    return ClassShare::UnderQuarter;
}

PrintColour classShareColour(ClassShare share)
{
    switch (share) {
    case ClassShare::ThreeQuartersUp: return masteryColour(Mastery::Mastered);
    case ClassShare::UnderThreeQuarters: return {190, 222, 120};
    case ClassShare::UnderHalf: return masteryColour(Mastery::Learning);
    case ClassShare::UnderQuarter: return masteryColour(Mastery::NeedsWork);
    case ClassShare::NotSeen: break;
    }
    return masteryColour(Mastery::NotSeen);
}

QString classShareText(ClassShare share)
{
    switch (share) {
    case ClassShare::ThreeQuartersUp: return QCoreApplication::translate("Class", "75 % or more");
    case ClassShare::UnderThreeQuarters: return QCoreApplication::translate("Class", "50 to 74 %");
    case ClassShare::UnderHalf: return QCoreApplication::translate("Class", "25 to 49 %");
    case ClassShare::UnderQuarter: return QCoreApplication::translate("Class", "under 25 %");
    case ClassShare::NotSeen: break;
    }
    return QCoreApplication::translate("Class", "not practised");
}

ClassFactGrid classFactGrid(const QList<ClassChild> &children, qint16 operation)
{
    ClassFactGrid grid;
    grid.operation = operation;
    grid.children = int(children.size());
    for (int row = gridFirstRow(operation); row <= gridLast; ++row)
        for (int column = 0; column <= gridLast; ++column)
            grid.cells.append({factAtCell(operation, {row, column}), 0, 0, {}, {}});
    for (const ClassChild &child : children) {
        const MasteryGrid own = masteryGrid(child.facts, operation, child.fluencySeconds);
        const QString name = classChildName(child.name);
        for (qsizetype i = 0; i < own.cells.size(); ++i)
            addChild(grid.cells[i], name, own.cells[i].state);
    }
    return grid;
}

QString classFactDescription(const ClassFact &fact, int children)
{
    QString text = QCoreApplication::translate("Class", "%1: mastered by %2 of %3 children")
                       .arg(factText(fact.fact))
                       .arg(fact.mastered)
                       .arg(children);
    if (!fact.needWork.isEmpty())
        text += QLatin1Char('\n')
              + QCoreApplication::translate("Class", "Needs work: %1").arg(fact.needWork.join(QStringLiteral(", ")));
    if (!fact.learning.isEmpty())
        text += QLatin1Char('\n')
              + QCoreApplication::translate("Class", "Learning: %1").arg(fact.learning.join(QStringLiteral(", ")));
    return text;
}

QList<ClassFact> classHardestFacts(const QList<ClassChild> &children, int count)
{
    QHash<Fact, ClassFact> facts;
    for (const ClassChild &child : children) {
        const QString name = classChildName(child.name);
        for (const FactRecord &record : child.facts) {
            ClassFact &fact = facts[record.fact];
            fact.fact = record.fact;
            addChild(fact, name, summarise(record, child.fluencySeconds).state);
        }
    }
    QList<ClassFact> hardest;
    for (const ClassFact &fact : std::as_const(facts))
        if (!fact.needWork.isEmpty())
            hardest.append(fact);
    std::sort(hardest.begin(), hardest.end(), [](const ClassFact &a, const ClassFact &b) {
        if (a.needWork.size() != b.needWork.size())
            return a.needWork.size() > b.needWork.size();
        if (a.learning.size() != b.learning.size())
            return a.learning.size() > b.learning.size();
        if (a.mastered != b.mastered)
            return a.mastered < b.mastered;
        return a.fact < b.fact;
    });
    return hardest.mid(0, count);
}
