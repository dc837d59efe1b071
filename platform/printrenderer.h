#pragma once

#include "platform/printlayout.h"

class QPagedPaintDevice;

// Paints the page on a printer (or any paged device) at its own resolution:
// inches become device pixels, and fonts keep their point size. False when the
// device could not be painted on.
bool renderPrintPage(const PrintPage &page, QPagedPaintDevice &device);

// Measures texts as renderPrintPage prints them on this device.
PrintMeasure printTextWidth(const QPagedPaintDevice &device);
