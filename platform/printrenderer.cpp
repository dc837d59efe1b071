#include "platform/printrenderer.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>

#include "platform/platform.h"

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

void paintPrintItems(QPainter &painter, QPaintDevice &device, const QList<PrintItem> &items)
{
    const double dpiX = device.logicalDpiX();
    const double dpiY = device.logicalDpiY();
    const auto toDevice = [dpiX, dpiY](QPointF inches) { return QPointF(inches.x() * dpiX, inches.y() * dpiY); };
    const auto colourOf = [](PrintColour c) { return QColor(c.red, c.green, c.blue); };
    const QPen rule(Qt::black, dpiY / 144.0); // half a point

    for (const PrintItem &item : items) {
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
            painter.setPen(colourOf(text->font.colour));
            painter.drawText(at, text->text);
        } else if (const PrintLine *line = std::get_if<PrintLine>(&item)) {
            painter.setPen(QPen(colourOf(line->colour), line->points * dpiY / 72.0));
            painter.drawLine(toDevice(line->from), toDevice(line->to));
        } else if (const PrintBox *box = std::get_if<PrintBox>(&item)) {
            painter.setPen(box->edged ? rule : QPen(Qt::NoPen));
            painter.setBrush(colourOf(box->fill));
            painter.drawRect(QRectF(toDevice(box->rect.topLeft()), toDevice(box->rect.bottomRight())));
        }
    }
}

bool renderPrintPage(const PrintPage &page, QPagedPaintDevice &device)
{
    return renderPrintPages({page}, device);
}

bool renderPrintPages(const QList<PrintPage> &pages, QPagedPaintDevice &device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        paintPrintItems(painter, device, pages[i].items);
    }
    return painter.end();
}

bool printPages(Platform &platform, const PagesForPrinter &layout)
{
    const auto paint = [&layout](QPagedPaintDevice &device) {
        renderPrintPages(layout(printTextWidth(device)), device);
    };
    return platform.userOption(printPreviewOption()).toBool() ? platform.printPreview(paint) : platform.print(paint);
}

QString printPreviewOption()
{
    return QStringLiteral("previewBeforePrinting");
}
