#pragma once

#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

#include "game/playersource.h"
#include "history/historystore.h"
#include "platform/platform.h"

class Platform;
class QCompleter;
class QLineEdit;
class QStringListModel;

// Edit distance between two names as the history matches them (trimmed,
// without regard to case): the letters to add, drop or change.
int nameDistance(const QString &a, const QString &b);
// The known child a name not on record most likely misspells: one or two
// letters away, and fewer than half its letters; the closest first, then the
// most recently played (children come in that order).
std::optional<QString> nearName(const QString &typed, const QList<ChildEntry> &children);

// Who is playing: the name box completes from the children on record and
// starts with the last name played on this computer; at Start a near miss of
// a known name or a missing name is asked about, so that one child stays one
// in the history.
class PlayerChoice : public QObject, public PlayerSource
{
    Q_OBJECT
public:
    // The children on record, the most recently played first; quiet when the
    // history cannot be read.
    using Children = std::function<QList<ChildEntry>()>;
    // Owned by parent; nameBox is the setup's txtName.
    PlayerChoice(Platform &platform, Children children, QLineEdit *nameBox, QObject *parent);

    bool settlePlayer() override;

    // The per-user option with the last name played.
    static QString lastPlayerOption() { return QStringLiteral("lastPlayer"); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Read when the name box gets the keyboard, never at start-up, and again
    // each time, so that a child just played or forgotten is in or out.
    void fillCompletion();

    Platform &platform;
    Children children;
    QLineEdit *box;
    QCompleter *completer = nullptr;
    QStringListModel *names = nullptr;
};
