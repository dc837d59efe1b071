#include "platform/printrenderer.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

QFont fontFor(const PrintFont &face)
{
    QFont font = face.face.isEmpty() ? QGuiApplication::font() : QFont(face.face);
    if (face.face.isEmpty())
        font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(face.pointSize);
    font.setBold(face.bold);
    font.setUnderline(face.underline);
    return font;
}

} // namespace

PrintMeasure printTextWidth(const QPagedPaintDevice &device)
{
    return [&device](const QString &text, const PrintFont &face) {
        const QFont font(fontFor(face), &device);
        return QFontMetricsF(font, &device).horizontalAdvance(text) / device.logicalDpiX();
    };
}

bool renderPrintPage(const PrintPage &page, QPagedPaintDevice &device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double dpiX = device.logicalDpiX();
    const double dpiY = device.logicalDpiY();
    const auto toDevice = [dpiX, dpiY](QPointF inches) { return QPointF(inches.x() * dpiX, inches.y() * dpiY); };
    const QPen rule(Qt::black, dpiY / 144.0); // half a point

    for (const PrintItem &item : page.items) {
        if (const PrintText *text = std::get_if<PrintText>(&item)) {
            // The font must be resolved against the device, or point sizes
            // would follow the screen's resolution.
            const QFont font(fontFor(text->font), &device);
            const QFontMetricsF metrics(font, &device);
            QPointF at = toDevice(text->at);
            if (text->rightAligned)
                at.rx() -= metrics.horizontalAdvance(text->text);
            at.ry() += metrics.ascent();
            painter.setFont(font);
            painter.setPen(QColor(text->font.colour.red, text->font.colour.green, text->font.colour.blue));
            painter.drawText(at, text->text);
        } else if (const PrintLine *line = std::get_if<PrintLine>(&item)) {
            painter.setPen(rule);
            painter.drawLine(toDevice(line->from), toDevice(line->to));
        }
    }
    return painter.end();
}
