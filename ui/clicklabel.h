#pragma once

#include <QLabel>

// A label or picture that takes clicks, as the card's picture buttons and the
// keypad's keys do. A disabled one ignores them.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickLabel(QWidget *parent = nullptr)
        : QLabel(parent)
    {
    }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool pressed = false;
};
