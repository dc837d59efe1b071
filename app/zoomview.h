#pragma once

#include <QGraphicsView>

class QGraphicsProxyWidget;

// Shows the main window's design scaled by one factor, the largest that fits,
// and centred, so that a large screen is used. The design keeps its own
// positions and sizes; only the view scales it.
class ZoomView : public QGraphicsView
{
    Q_OBJECT
public:
    // Takes the design, a window without a parent, in at its current size.
    // While it holds the design, the design goes with the view.
    ZoomView(QWidget *design, QWidget *parent);

    // Gives the design back without a parent, to be placed again.
    QWidget *release();
    double factor() const { return transform().m11(); }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fit();

    QGraphicsProxyWidget *proxy = nullptr;
};
