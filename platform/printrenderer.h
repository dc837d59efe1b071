#pragma once

#include "platform/printlayout.h"

class QPagedPaintDevice;
class QPainter;
class QPaintDevice;

// Paints items measured in inches on a painter whose device has these dots
// per inch; the windows draw their charts with it too.
void paintPrintItems(QPainter &painter, QPaintDevice &device, const QList<PrintItem> &items);

// Paints the page on a printer (or any paged device) at its own resolution:
// inches become device pixels, and fonts keep their point size. False when the
// device could not be painted on.
bool renderPrintPage(const PrintPage &page, QPagedPaintDevice &device);

// Measures texts as renderPrintPage prints them on this device.
PrintMeasure printTextWidth(const QPagedPaintDevice &device);
