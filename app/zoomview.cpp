#include "app/zoomview.h"

#include <QGraphicsProxyWidget>
#include <QScrollBar>

#include "ui/scale.h"
#include "ui/widgets.h"

ZoomView::ZoomView(QWidget *design, QWidget *parent)
    : QGraphicsView(parent)
{
    setObjectName(QStringLiteral("zoomView"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setBackgroundBrush(darkRed);
    // The pictures are the double-size drawings, shrunk smoothly to the factor.
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    auto *scene = new QGraphicsScene(this);
    proxy = scene->addWidget(design);
    setScene(scene);
    fit();
}

QWidget *ZoomView::release()
{
    QWidget *design = proxy->widget();
    if (design) {
        proxy->setWidget(nullptr);
        design->setParent(nullptr);
    }
    return design;
}

void ZoomView::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    fit();
}

void ZoomView::fit()
{
    const double factor = zoomFactor(viewport()->size(), proxy->size().toSize());
    setSceneRect(proxy->geometry());
    setTransform(QTransform::fromScale(factor, factor));
    // A design larger than the window shows from its top-left corner, as the
    // unzoomed window does.
    horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}
