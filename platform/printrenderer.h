#pragma once

#include <functional>

#include "platform/printlayout.h"

class Platform;

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

// The pages one after another, each on a sheet of its own.
bool renderPrintPages(const QList<PrintPage> &pages, QPagedPaintDevice &device);

// Prints the pages that layout makes for the chosen printer, shown first in
// a preview when the user keeps that option on; the preview, the paper and a
// PDF are painted from the same pages. False when nothing was printed.
using PagesForPrinter = std::function<QList<PrintPage>(const PrintMeasure &)>;
bool printPages(Platform &platform, const PagesForPrinter &layout);
// The user option of "Preview Before Printing".
QString printPreviewOption();

// Measures texts as renderPrintPage prints them on this device.
PrintMeasure printTextWidth(const QPagedPaintDevice &device);
