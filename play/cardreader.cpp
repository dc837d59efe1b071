#include "play/cardreader.h"

#include <QAccessible>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QShortcut>

#include "app/mainwindow.h"
#include "app/program.h"
#include "game/cardphrase.h"
#include "game/cardview.h"
#include "play/gameflow.h"
#include "setup/setuppanel.h"

CardReader::CardReader(Program &program, GameFlow &flow)
    : QObject(&flow)
    , program(program)
{
    MainWindow &window = *program.frmProgram();
    QCheckBox *box = window.setup->chkSpeak;
    box->setChecked(program.platform.userOption(speakOption()).toBool());
    keepChoice = connect(box, &QCheckBox::toggled, this,
                         [&program](bool on) { program.platform.setUserOption(speakOption(), on); });
    // Asking for the speech engines loads the speech libraries, so it waits
    // until the box is first seen or a card is first to be read.
    box->installEventFilter(this);

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
    QCheckBox *box = program.frmProgram()->setup->chkSpeak;
    box->removeEventFilter(this);
    QString why;
    if (program.platform.speechAvailable(&why))
        return;
    // Without an engine the box shows unticked, and the saved choice stays.
    disconnect(keepChoice);
    box->setChecked(false);
    box->setEnabled(false);
    box->setToolTip(tr("Cards cannot be read aloud: %1").arg(why));
}

void CardReader::cardDealt()
{
    const GameSession &session = program.session;
    phrase = cardPhrase(session);
    nameCard(tr("Card %1 of %2: %3").arg(qint64(session.cardNumber)).arg(program.settings.cardCount).arg(phrase));
    const QCheckBox *box = program.frmProgram()->setup->chkSpeak;
    if (box->isChecked())
        checkSpeech();
    if (box->isChecked())
        program.platform.say(phrase);
}

void CardReader::repeatCard()
{
    if (phrase.isEmpty())
        return;
    checkSpeech();
    if (program.frmProgram()->setup->chkSpeak->isEnabled())
        program.platform.say(phrase);
}

void CardReader::nameCard(const QString &name)
{
    QLabel *card = program.frmProgram()->card->imgCard;
    card->setAccessibleName(name);
    // Screen readers hear the new card without having to look for it.
    QAccessibleEvent changed(card, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}
