#pragma once

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include <optional>

// Whose texts the class server's side shows.
class ClassServer
{
    Q_DECLARE_TR_FUNCTIONS(ClassServer)
};

// How a class server is reached, and what it said when it was.
enum class ClassState {
    Ours,            // a Sumdrop class this program can write to
    Empty,           // reachable, but nothing set up in it yet
    NotOurs,         // holds a schema "sumdrop" that is not a Sumdrop class
    Newer,           // a class set up by a newer Sumdrop
    NotFound,        // no such host or service
    Unreachable,     // the server did not answer, or refused the connection
    PasswordRefused, // the login was refused
    NoDatabase,      // the server has no such database
    Unusable,        // the connection string cannot be used as written
    NoDriver,        // Qt's PostgreSQL driver is not installed
    Failed,          // anything else the server said
};

struct ClassCheck
{
    ClassState state = ClassState::Failed;
    QString detail; // the server's or libpq's own words, when it failed
    QString className;
    qint64 children = 0;
    qint64 cards = 0;
    bool isTeacher = false; // may read all and forget a child
};

namespace ClassConnection {

inline constexpr int defaultConnectTimeout = 5; // seconds

// The libpq connection string as the driver's connect options: its
// key=value words quoted again, with a connect timeout and keepalives added
// where it sets none. None, with the reason in *why, for a string that
// cannot be used: not key=value words, a password in it (passwords live in
// libpq's password file), or a ';', which the driver turns into a space.
std::optional<QString> connectOptions(const QString &conninfo, QString *why = nullptr);

// Opens db, a connection of the driver QPSQL, on conninfo. On failure the
// returned check says why; on success its state is Ours (not yet checked).
ClassCheck open(QSqlDatabase &db, const QString &conninfo);

// The server's or libpq's words for an error, else the driver's.
QString errorText(const QSqlError &error);
// What a failure means, from libpq's words (which stay in the detail).
ClassState stateOfError(const QString &message);
// Whether retrying cannot help until someone changes the configuration.
bool cannotWork(ClassState state);
// One line for a teacher: "Connected: class 4B, 25 children, 3,412 cards",
// or what went wrong in the server's own words.
QString describe(const ClassCheck &check);

} // namespace ClassConnection
