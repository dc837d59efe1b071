#pragma once

#include <QWidget>

#include "history/classmastery.h"

class QComboBox;
class QPushButton;
class QTableWidget;
class QTreeWidget;

// tabClass: the whole class at a glance, for a teacher. Who has mastered
// how much of each operation, which facts the class has and has not got,
// and the facts most children need work on.
class ClassPage : public QWidget
{
    Q_OBJECT
public:
    ClassPage(double screenScale, QWidget *parent);

    void setChildren(const QList<ClassChild> &children);
    const QList<ClassChild> &children() const { return shown; }
    // The table's rows in the order of children(), and the hardest facts, as shown.
    const QList<ClassRow> &classRows() const { return rows; }
    const QList<ClassFact> &hardestFacts() const { return hardest; }

    QTableWidget *grdClass = nullptr;
    QComboBox *cboClassOperation = nullptr;
    QTableWidget *grdClassFacts = nullptr;
    QTreeWidget *lstClassHardest = nullptr;
    QPushButton *cmdPrintClass = nullptr;
    QPushButton *cmdExportClass = nullptr;

    static constexpr int hardestCount = 10;

signals:
    // A child of the table was double-clicked: their own pages are wanted.
    void childChosen(const QString &name);

private:
    void showTable();
    void showFacts();

    QList<ClassChild> shown;
    QList<ClassRow> rows;
    QList<ClassFact> hardest;
};
