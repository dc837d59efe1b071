#pragma once

#include <QColor>
#include <QRect>
#include <QString>

#include <functional>

class QFont;
class QLabel;
class QLineEdit;
class QPixmap;
class QSize;
class QWidget;

// Small helpers for building the windows' controls by their documented names.
template <typename W>
W *makeNamed(QWidget *parent, const QString &name)
{
    auto *widget = new W(parent);
    widget->setObjectName(name);
    return widget;
}

// Name of an item of an indexed group, such as "key(10)".
QString indexedName(const QString &group, int index);

QLabel *makePicture(QWidget *parent, const QString &name);

// A picture's size in the window's units, whatever its device pixel ratio.
QSize logicalSize(const QPixmap &picture);

// A box is told active or idle by its background colour.
void setBackground(QLineEdit *box, const QColor &colour);
QColor background(const QLineEdit *box);
void setTextColour(QWidget *widget, const QColor &colour);

// Fixes a window to the size its layout needs, word-wrapped texts included.
void fitToLayout(QWidget *window);

// Work that can wait until the window has been seen: run once, after the
// window's first paint.
void afterFirstPaint(QWidget *window, std::function<void()> work);
// Work for a control hidden at start: run once, as it is first shown (at
// once when it is shown already).
void whenFirstShown(QWidget *widget, std::function<void()> work);
// A font for a control hidden at start, given as it is first shown: a line
// edit lays its text out, and so loads the font, as soon as it gets one.
void setFontWhenShown(QWidget *widget, const QFont &font);

// Escape acts as the window's close box, wherever the focus is in it.
void closeOnEscape(QWidget *window);

// Shrinks the captions of the shown buttons and tab bars below root, down to
// 7 points, until each fits the width it has: a translation longer than the
// English must not be cut off in a panel of fixed size.
void fitCaptions(QWidget *root);

// Places a window so that its centre is over the centre of another, moved
// as little as needed to lie inside the screen's available area.
void centreOver(QWidget *window, const QWidget *over);
// The available area of the widget's screen; empty without a screen.
QRect screenArea(const QWidget *widget);

inline const QColor darkRed(128, 0, 0);
