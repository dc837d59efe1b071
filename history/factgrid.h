#pragma once

#include <QColor>
#include <QString>

#include "platform/printlayout.h"

class QLabel;
class QTableWidget;
class QWidget;

// The 0 to 12 fact grids of the Progress window: coloured cells, nothing to
// edit or select, a frame on the cell that has the keyboard.
QTableWidget *newFactGrid(QWidget *parent, const QString &objectName, const QString &accessibleName,
                          double screenScale);
// Rows and columns for the operation (division from 1), and the grid's size to fit them.
void shapeFactGrid(QTableWidget *grid, qint16 operation);

QColor screenColour(const PrintColour &colour);
// A colour swatch and what it means.
QLabel *legendEntry(const PrintColour &colour, const QString &text, QWidget *parent);
