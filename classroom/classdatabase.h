#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>

#include "classroom/classconnection.h"
#include "history/outbox.h"

class QTextStream;

// The class server's side: a schema "sumdrop" in a PostgreSQL database that
// the machines of one class send their games and cards to. Every value goes
// to the server bound, and every value read back is checked.
namespace ClassDatabase {

inline constexpr int schemaVersion = 1;
inline const QString marker = QStringLiteral("Sumdrop class");

// The group roles of a class: "<database>_pupil" may add and read,
// "<database>_teacher" may also forget a child.
QString pupilRole(const QString &database);
QString teacherRole(const QString &database);

// Sets up the class in the database db is open on: the schema, its tables
// and the two group roles (made when missing), in one transaction. Says each
// step on out. Refuses, saying why, a schema "sumdrop" that already holds
// tables.
bool initClass(QSqlDatabase &db, QTextStream &out);

// For the command line: connects to conninfo and sets up the class there,
// saying on out what was done or what stood in the way.
bool initClassAt(const QString &conninfo, QTextStream &out);

// What db is: Ours (with the class's name and counts), Empty, NotOurs,
// Newer, or Failed with the server's words.
ClassCheck checkClass(QSqlDatabase &db);

// Whether the server's checks would take it: anything else is never sent.
bool isSendable(const SharedGame &game);
bool isSendable(const SharedCard &card);

struct SendResult
{
    bool sent = false; // committed: every card of the batch is on the server now
    ClassState state = ClassState::Failed; // Ours when sent; NotOurs or Newer: never write again
    QString error; // the server's words when not sent
    // UUIDs of the games and cards left out because no server would take
    // them (with the cards of such a game); sent or not, they never will be.
    QStringList refused;
};

// Sends the batch in one transaction; what the server has already is left
// as it is there, so a batch may be sent again after any failure.
SendResult sendBatch(QSqlDatabase &db, const SharedBatch &batch);

struct FetchResult
{
    bool fetched = false;
    QString error;
    SharedBatch batch; // the cards, and the games they and newly ended games belong to
    int skipped = 0;   // rows left out because this program could not have written them
    QString cursor;    // give it back as since next time: what was read is not read again
};

// The games and cards of the children (by childKey; the whole class without
// a list) that reached the server since the cursor of an earlier fetch (all
// when since is empty), without those played on excludeMachine (none left
// out when empty).
FetchResult fetchCards(QSqlDatabase &db, const std::optional<QStringList> &childKeys, const QString &since = {},
                       const QString &excludeMachine = {});

// Opens a connection of its own on conninfo, checks the class and closes
// again. Blocks up to the connect timeout: never on the GUI thread.
ClassCheck testConnection(const QString &conninfo);

} // namespace ClassDatabase
