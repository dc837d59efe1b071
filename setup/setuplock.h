#pragma once

#include <QObject>
#include <QString>

class Dialogs;
class Platform;
class QAction;

// A parent's four-digit PIN over the setup. It keeps a child's curiosity out,
// nothing more: the PIN is kept salted and hashed in the per-user settings,
// and deleting the key lockHash there unlocks.
class SetupLock : public QObject
{
    Q_OBJECT
public:
    // command is mnuLock; its caption tells which way it goes.
    SetupLock(Platform &platform, Dialogs &dialogs, QAction *command);

    bool locked();
    // True when the setup may be changed; otherwise tells the child to ask a
    // grown-up, so that no refused click goes unanswered.
    bool mayChange();
    // A stand-in for a command that changes what the setup shows: it is
    // triggered when the command is and the setup may be changed.
    QAction *guarded(QAction *command);
    // The command: choose a PIN and lock, or ask for it and unlock.
    void toggle();
    void showCaption();

    static QString saltKey() { return QStringLiteral("lockSalt"); }
    static QString hashKey() { return QStringLiteral("lockHash"); }
    static constexpr int wrongTriesAllowed = 3;
    static constexpr qint64 waitMs = 30000;

private:
    void lock();
    void unlock();
    void tell(const QString &text);

    Platform &platform;
    Dialogs &dialogs;
    QAction *command;
    int wrongTries = 0;
    qint64 waitUntil = 0;
    bool waiting = false;
};
