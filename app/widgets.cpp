#include "app/widgets.h"

#include <QLabel>
#include <QLineEdit>

QString indexedName(const QString &group, int index)
{
    return QStringLiteral("%1(%2)").arg(group).arg(index);
}

QLabel *makePicture(QWidget *parent, const QString &name)
{
    auto *picture = makeNamed<QLabel>(parent, name);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return picture;
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
