#include "ui/widgets.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTabBar>
#include <QTimer>

#include <algorithm>
#include <functional>

QString indexedName(const QString &group, int index)
{
    return QStringLiteral("%1(%2)").arg(group).arg(index);
}

namespace {

// Draws its picture unchanged when its window is disabled: the card must not
// turn grey while a help window or a question is up.
class PictureBox : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        const QPixmap picture = pixmap();
        if (picture.isNull()) {
            QLabel::paintEvent(event);
            return;
        }
        // A zoomed window draws the double-size pictures scaled.
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(0, 0, picture);
    }
};

// Sees the keys that the window's controls leave unused.
class EscapeCloses : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent *>(event)->key() != Qt::Key_Escape)
            return false;
        static_cast<QWidget *>(watched)->close();
        return true;
    }
};

// Runs its work once, at the first event of one type that its widget gets.
class OnFirstEvent : public QObject
{
public:
    OnFirstEvent(QWidget *widget, QEvent::Type type, std::function<void()> work)
        : QObject(widget)
        , type(type)
        , work(std::move(work))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == type) {
            watched->removeEventFilter(this);
            deleteLater();
            work();
        }
        return false;
    }

private:
    QEvent::Type type;
    std::function<void()> work;
};

} // namespace

QLabel *makePicture(QWidget *parent, const QString &name)
{
    auto *picture = makeNamed<PictureBox>(parent, name);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return picture;
}

QSize logicalSize(const QPixmap &picture)
{
    return picture.deviceIndependentSize().toSize();
}

void setBackground(QLineEdit *box, const QColor &colour)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, colour);
    box->setPalette(palette);
}

QColor background(const QLineEdit *box)
{
    return box->palette().color(QPalette::Base);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

void afterFirstPaint(QWidget *window, std::function<void()> work)
{
    window->installEventFilter(new OnFirstEvent(window, QEvent::Paint, [window, work = std::move(work)] {
        // The rest of the window paints in this same pass.
        QTimer::singleShot(0, window, work);
    }));
}

void whenFirstShown(QWidget *widget, std::function<void()> work)
{
    if (widget->isVisible())
        work();
    else
        widget->installEventFilter(new OnFirstEvent(widget, QEvent::Show, std::move(work)));
}

void setFontWhenShown(QWidget *widget, const QFont &font)
{
    whenFirstShown(widget, [widget, font] { widget->setFont(font); });
}

void closeOnEscape(QWidget *window)
{
    window->installEventFilter(new EscapeCloses(window));
}

QRect screenArea(const QWidget *widget)
{
    const QScreen *screen = widget->screen();
    return screen ? screen->availableGeometry() : QRect();
}

void centreOver(QWidget *window, const QWidget *over)
{
    QRect place = window->frameGeometry();
    place.moveCenter(over->frameGeometry().center());
    // Never partly off a small screen.
    const QRect area = screenArea(over);
    if (area.isValid()) {
        place.moveLeft(std::clamp(place.left(), area.left(), std::max(area.left(), area.right() + 1 - place.width())));
        place.moveTop(std::clamp(place.top(), area.top(), std::max(area.top(), area.bottom() + 1 - place.height())));
    }
    window->move(place.topLeft());
}

void fitToLayout(QWidget *window)
{
    QLayout *layout = window->layout();
    window->setMinimumSize(0, 0);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    layout->activate();
    const int width = layout->totalSizeHint().width();
    const int height = layout->hasHeightForWidth() ? layout->totalHeightForWidth(width) : layout->totalSizeHint().height();
    window->setFixedSize(width, std::max(height, layout->totalMinimumSize().height()));
}

void fitCaptions(QWidget *root)
{
    static constexpr double smallest = 7;
    const auto shrink = [](QWidget *widget, const std::function<bool()> &fits) {
        QFont font = widget->font();
        while (!fits() && font.pointSizeF() > smallest) {
            font.setPointSizeF(std::max(smallest, font.pointSizeF() - 0.5));
            widget->setFont(font);
        }
    };
    // Only a shown widget has been laid out and knows its width.
    for (QAbstractButton *button : root->findChildren<QAbstractButton *>())
        if (button->isVisible() && !button->text().isEmpty())
            shrink(button, [button] { return button->sizeHint().width() <= button->width(); });
    for (QTabBar *tabs : root->findChildren<QTabBar *>())
        if (tabs->isVisible())
            shrink(tabs, [tabs] { return tabs->count() == 0 || tabs->tabRect(tabs->count() - 1).right() < tabs->width(); });
}
