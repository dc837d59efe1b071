#pragma once

#include <QObject>

class GameFlow;
class Program;

// Reads each dealt card: aloud when "Read Cards Aloud" is ticked (F5 says it
// again), and always to screen readers, as the card's accessible name.
class CardReader : public QObject
{
    Q_OBJECT
public:
    CardReader(Program &program, GameFlow &flow);

    // The user option that keeps "Read Cards Aloud".
    static QString speakOption();

    void repeatCard();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void checkSpeech();
    void cardDealt();
    void nameCard(const QString &name);

    Program &program;
    QString phrase; // the card on show; empty between games
    bool speechChecked = false;
    QMetaObject::Connection keepChoice; // the box's state into the user option
};
