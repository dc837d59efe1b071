#include "play/cardreader.h"

#include <QAccessible>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QShortcut>

#include "game/cardphrase.h"
#include "play/gameflow.h"
#include "platform/platform.h"
#include "setup/settings.h"

CardReader::CardReader(GameFlow &flow, Platform &platform, const GameSession &session, const GameSettings &settings,
                       QCheckBox &speak, QLabel &card, QWidget &window)
    : QObject(&flow)
    , platform(platform)
    , session(session)
    , settings(settings)
    , speak(speak)
    , card(card)
{
    speak.setChecked(platform.userOption(speakOption()).toBool());
    keepChoice = connect(&speak, &QCheckBox::toggled, this,
                         [&platform](bool on) { platform.setUserOption(speakOption(), on); });
    // Asking for the speech engines loads the speech libraries, so it waits
    // until the box is first seen or a card is first to be read.
    speak.installEventFilter(this);

    connect(&flow, &GameFlow::cardDealt, this, &CardReader::cardDealt);
    connect(&flow, &GameFlow::gameEnded, this, [this] {
        phrase.clear();
        nameCard(tr("Flash card"));
    });
    // Wherever the keyboard is in the game, the zoomed view included.
    auto *repeat = new QShortcut(QKeySequence(Qt::Key_F5), &window, this, &CardReader::repeatCard);
    repeat->setContext(Qt::ApplicationShortcut);
    nameCard(tr("Flash card"));
}

QString CardReader::speakOption()
{
    return QStringLiteral("readCardsAloud");
}

bool CardReader::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show)
        checkSpeech();
    return QObject::eventFilter(watched, event);
}

void CardReader::checkSpeech()
{
    if (speechChecked)
        return;
    speechChecked = true;
    QCheckBox *box = &speak;
    box->removeEventFilter(this);
    QString why;
    if (platform.speechAvailable(&why))
        return;
    // Without an engine the box shows unticked, and the saved choice stays.
    disconnect(keepChoice);
    box->setChecked(false);
    box->setEnabled(false);
    box->setToolTip(tr("Cards cannot be read aloud: %1").arg(why));
}

void CardReader::cardDealt()
{
    phrase = cardPhrase(session);
    nameCard(tr("Card %1 of %2: %3").arg(qint64(session.cardNumber)).arg(settings.cardCount).arg(phrase));
    const QCheckBox *box = &speak;
    if (box->isChecked())
        checkSpeech();
    if (box->isChecked())
        platform.say(phrase);
}

void CardReader::repeatCard()
{
    if (phrase.isEmpty())
        return;
    checkSpeech();
    if (speak.isEnabled())
        platform.say(phrase);
}

void CardReader::nameCard(const QString &name)
{
    card.setAccessibleName(name);
    // Screen readers hear the new card without having to look for it.
    QAccessibleEvent changed(&card, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}
