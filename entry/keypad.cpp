#include "entry/keypad.h"

#include <QFontMetrics>

#include "ui/clicklabel.h"
#include "ui/widgets.h"
#include "game/gamesession.h"

namespace {

ClickLabel *makeKey(QWidget *parent, const QString &name, const QString &caption, QPoint position,
                    QSize size, double pointSize)
{
    auto *key = makeNamed<ClickLabel>(parent, name);
    key->setText(caption);
    key->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(pointSize);
    font.setBold(true);
    key->setFont(font);
    key->setGeometry(QRect(position, size));
    key->setCursor(Qt::PointingHandCursor);
    return key;
}

// A caption too long for its key in some language is set smaller, never cut.
void fitCaption(ClickLabel *key)
{
    constexpr int clearance = 2;
    QFont font = key->font();
    while (font.pointSizeF() > 8 && QFontMetrics(font).horizontalAdvance(key->text()) > key->width() - 2 * clearance)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    key->setFont(font);
}

} // namespace

Keypad::Keypad(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("frmKeypad"));
    setFixedSize(217, 178);
    setAutoFillBackground(true);
    // Keys are white on black; a disabled key turns grey so the child sees it is off.
    setStyleSheet(QStringLiteral("#frmKeypad { background: rgb(128,0,0); }"
                                 "#frmKeypad QLabel { background: black; color: white; border-radius: 4px; }"
                                 "#frmKeypad QLabel:disabled { background: rgb(60,60,60); color: rgb(140,140,140); }"));

    const QSize small(33, 33);
    const QSize wide(65, 33);
    const QPoint digitPlaces[10] = {{48, 136}, {8, 96}, {48, 96}, {88, 96}, {8, 56},
                                    {48, 56},  {88, 56}, {8, 16}, {48, 16}, {88, 16}};
    for (int d = 0; d < 10; ++d)
        key[d] = makeKey(this, indexedName(QStringLiteral("key"), d), QString::number(d), digitPlaces[d], small, 18);
    key[10] = makeKey(this, indexedName(QStringLiteral("key"), 10), QStringLiteral("<"), {8, 136}, small, 18);
    key[11] = makeKey(this, indexedName(QStringLiteral("key"), 11), QStringLiteral(">"), {88, 136}, small, 18);
    key[10]->setAccessibleName(tr("move left"));
    key[11]->setAccessibleName(tr("move right"));
    keyErase = makeKey(this, indexedName(QStringLiteral("keyErase"), 10), tr("Erase"), {136, 24}, wide, 15.75);
    keyCarryKey = makeKey(this, indexedName(QStringLiteral("keyCarryKey"), 0), tr("Carry"), {136, 72}, wide, 15.75);
    keyEnter = makeKey(this, indexedName(QStringLiteral("keyEnter"), 11), tr("Enter"), {136, 128}, wide, 15.75);

    // Measured only when the keypad is first shown: it is hidden at start.
    whenFirstShown(this, [this] {
        for (ClickLabel *each : findChildren<ClickLabel *>())
            fitCaption(each);
    });

    for (int i = 0; i < 12; ++i)
        connect(key[i], &ClickLabel::clicked, this, [this, i] { emit digitOrArrowClicked(i); });
    connect(keyErase, &ClickLabel::clicked, this, &Keypad::eraseClicked);
    connect(keyCarryKey, &ClickLabel::clicked, this, &Keypad::carryClicked);
    connect(keyEnter, &ClickLabel::clicked, this, &Keypad::enterClicked);
}

void Keypad::setKeysForCard(qint16 cardOperation)
{
    keyCarryKey->show();
    switch (cardOperation) {
    case Operation::Addition:
        keyCarryKey->setEnabled(false);
        key[10]->show();
        key[10]->setEnabled(true);
        key[11]->show();
        key[11]->setEnabled(false);
        break;
    case Operation::Multiplication:
        keyCarryKey->setEnabled(false);
        for (int arrow : {10, 11}) {
            key[arrow]->show();
            key[arrow]->setEnabled(false);
        }
        break;
    default: // a subtraction's Carry stays as the borrow test left it
        break;
    }
}
