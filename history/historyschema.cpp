#include "history/historyschema.h"

#include <QStringList>
#include <QSysInfo>
#include <QUuid>

namespace {

// A random (version 4) UUID as QUuid writes it, made by SQLite for each row.
const QString randomUuid = QStringLiteral(
    "lower(hex(randomblob(4)) || '-' || hex(randomblob(2)) || '-4' || substr(hex(randomblob(2)), 2) || '-' "
    "|| substr('89ab', 1 + abs(random() % 4), 1) || substr(hex(randomblob(2)), 2) || '-' || hex(randomblob(6)))");

} // namespace

bool HistorySchema::migrate(const std::function<bool(const QString &sql, const QVariantList &values)> &run, int from)
{
    const auto exec = [&run](const QString &sql) { return run(sql, {}); };
    // One step per version; each leaves user_version at its own number.
    if (from < 1) {
        const QStringList schema = {
            QStringLiteral("CREATE TABLE children (id INTEGER PRIMARY KEY, key TEXT NOT NULL UNIQUE, "
                           "name TEXT NOT NULL, fluency REAL NOT NULL DEFAULT 6)"),
            QStringLiteral("CREATE TABLE games (id INTEGER PRIMARY KEY, "
                           "child_id INTEGER NOT NULL REFERENCES children(id) ON DELETE CASCADE, "
                           "started TEXT NOT NULL, ended TEXT, card_count INTEGER NOT NULL, "
                           "judged INTEGER NOT NULL DEFAULT 0, right_count INTEGER NOT NULL DEFAULT 0, "
                           "completed INTEGER NOT NULL DEFAULT 0, operations INTEGER NOT NULL, "
                           "advanced_range INTEGER NOT NULL, top_min INTEGER NOT NULL, top_max INTEGER NOT NULL, "
                           "bottom_min INTEGER NOT NULL, bottom_max INTEGER NOT NULL, "
                           "divisor_low INTEGER NOT NULL, divisor_high INTEGER NOT NULL, "
                           "answer_format INTEGER NOT NULL, verbal INTEGER NOT NULL)"),
            QStringLiteral("CREATE INDEX games_by_child ON games (child_id, started)"),
            QStringLiteral("CREATE TABLE cards (id INTEGER PRIMARY KEY, "
                           "game_id INTEGER NOT NULL REFERENCES games(id) ON DELETE CASCADE, "
                           "operation INTEGER NOT NULL, top INTEGER NOT NULL, bottom INTEGER NOT NULL, "
                           "answer INTEGER NOT NULL, given INTEGER, right INTEGER NOT NULL, "
                           "ending INTEGER NOT NULL, seconds REAL NOT NULL, judged_at TEXT NOT NULL)"),
            QStringLiteral("CREATE INDEX cards_by_game ON cards (game_id)"),
            // Kept with every card, so that reading a child's facts does not
            // read every card.
            QStringLiteral("CREATE TABLE facts (child_id INTEGER NOT NULL REFERENCES children(id) ON DELETE CASCADE, "
                           "operation INTEGER NOT NULL, top INTEGER NOT NULL, bottom INTEGER NOT NULL, "
                           "tries INTEGER NOT NULL, right_count INTEGER NOT NULL, recent TEXT NOT NULL, "
                           "times BLOB NOT NULL, PRIMARY KEY (child_id, operation, top, bottom)) WITHOUT ROWID"),
            QStringLiteral("PRAGMA application_id = %1").arg(applicationId),
            QStringLiteral("PRAGMA user_version = 1"),
        };
        for (const QString &sql : schema)
            if (!exec(sql))
                return false;
    }
    if (from < 2) {
        // The newest row of a number is its sheet; id orders them by printing.
        if (!exec(QStringLiteral("CREATE TABLE sheets (id INTEGER PRIMARY KEY, number INTEGER NOT NULL UNIQUE, "
                                 "name TEXT NOT NULL, operations INTEGER NOT NULL, "
                                 "advanced_range INTEGER NOT NULL, top_min INTEGER NOT NULL, "
                                 "top_max INTEGER NOT NULL, bottom_min INTEGER NOT NULL, "
                                 "bottom_max INTEGER NOT NULL, top_limit INTEGER NOT NULL, "
                                 "bottom_limit INTEGER NOT NULL, divisor_low INTEGER NOT NULL, "
                                 "divisor_high INTEGER NOT NULL, card_count INTEGER NOT NULL, "
                                 "weak_facts TEXT NOT NULL)"))
            || !exec(QStringLiteral("PRAGMA user_version = 2")))
            return false;
    }
    if (from < 3) {
        // Games and cards are known by UUID wherever they travel; a card is
        // sent to the class server once, and so is a game's end, which may
        // come after its cards: 0 waiting, 1 sent, 2 never to be sent (a row
        // the program could not have written). A game's machine is null when
        // played here.
        const QStringList schema = {
            QStringLiteral("ALTER TABLE games ADD COLUMN uuid TEXT"),
            QStringLiteral("ALTER TABLE games ADD COLUMN machine TEXT"),
            QStringLiteral("ALTER TABLE games ADD COLUMN end_sent INTEGER NOT NULL DEFAULT 0"),
            QStringLiteral("ALTER TABLE cards ADD COLUMN uuid TEXT"),
            QStringLiteral("ALTER TABLE cards ADD COLUMN sent INTEGER NOT NULL DEFAULT 0"),
            QStringLiteral("UPDATE games SET uuid = %1").arg(randomUuid),
            QStringLiteral("UPDATE cards SET uuid = %1").arg(randomUuid),
            QStringLiteral("CREATE UNIQUE INDEX games_by_uuid ON games (uuid)"),
            QStringLiteral("CREATE UNIQUE INDEX cards_by_uuid ON cards (uuid)"),
            QStringLiteral("CREATE INDEX cards_unsent ON cards (id) WHERE sent = 0"),
            // A fact's cards of every child, for one taken in out of turn.
            QStringLiteral("CREATE INDEX cards_by_fact ON cards (operation, top, bottom)"),
            QStringLiteral("CREATE INDEX games_end_unsent ON games (id) WHERE end_sent = 0 AND ended IS NOT NULL"),
            QStringLiteral("CREATE TABLE machine (only INTEGER PRIMARY KEY CHECK (only = 1), uuid TEXT NOT NULL, "
                           "name TEXT NOT NULL)"),
        };
        for (const QString &sql : schema)
            if (!exec(sql))
                return false;
        if (!run(QStringLiteral("INSERT INTO machine VALUES (1, ?, ?)"),
                 {QUuid::createUuid().toString(QUuid::WithoutBraces), QSysInfo::machineHostName()})
            || !exec(QStringLiteral("PRAGMA user_version = 3")))
            return false;
    }
    return true;
}
