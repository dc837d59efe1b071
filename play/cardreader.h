#pragma once

#include <QObject>

class GameFlow;
class Platform;
class QCheckBox;
class QLabel;
class QWidget;
struct GameSession;
struct GameSettings;

// Reads each dealt card: aloud when "Read Cards Aloud" is ticked (F5 says it
// again), and always to screen readers, as the card's accessible name.
class CardReader : public QObject
{
    Q_OBJECT
public:
    // speak is "Read Cards Aloud"; card is the picture the card is named on;
    // F5 repeats the card wherever the keyboard is in window.
    CardReader(GameFlow &flow, Platform &platform, const GameSession &session, const GameSettings &settings,
               QCheckBox &speak, QLabel &card, QWidget &window);

    // The user option that keeps "Read Cards Aloud".
    static QString speakOption();

    void repeatCard();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void checkSpeech();
    void cardDealt();
    void nameCard(const QString &name);

    Platform &platform;
    const GameSession &session;
    const GameSettings &settings;
    QCheckBox &speak;
    QLabel &card;
    QString phrase; // the card on show; empty between games
    bool speechChecked = false;
    QMetaObject::Connection keepChoice; // the box's state into the user option
};
