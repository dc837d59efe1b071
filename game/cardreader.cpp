#include "game/cardreader.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QShortcut>

#include "app/mainwindow.h"
#include "app/program.h"
#include "game/cardphrase.h"
#include "game/cardview.h"
#include "game/gameflow.h"
#include "setup/setuppanel.h"

CardReader::CardReader(Program &program, GameFlow &flow)
    : QObject(&flow)
    , program(program)
{
    MainWindow &window = *program.frmProgram();
    QCheckBox *box = window.setup->chkSpeak;
    QString why;
    if (program.platform.speechAvailable(&why)) {
        box->setChecked(program.platform.userOption(speakOption()).toBool());
    } else {
        box->setEnabled(false);
        box->setToolTip(tr("Cards cannot be read aloud: %1").arg(why));
    }
    connect(box, &QCheckBox::toggled, this, [&program](bool on) { program.platform.setUserOption(speakOption(), on); });

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

void CardReader::cardDealt()
{
    const GameSession &session = program.session;
    phrase = cardPhrase(session);
    nameCard(tr("Card %1 of %2: %3").arg(qint64(session.cardNumber)).arg(program.settings.cardCount).arg(phrase));
    if (program.frmProgram()->setup->chkSpeak->isChecked())
        program.platform.say(phrase);
}

void CardReader::repeatCard()
{
    if (!phrase.isEmpty() && program.frmProgram()->setup->chkSpeak->isEnabled())
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
