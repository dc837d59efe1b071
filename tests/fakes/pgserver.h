#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A real PostgreSQL server of the test's own: its data and its Unix socket
// in a temporary folder, no TCP port, run as an unprivileged user when the
// test runs as root (the server refuses root). Stopped when destroyed.
class PgServer
{
public:
    PgServer();
    ~PgServer();
    PgServer(const PgServer &) = delete;
    PgServer &operator=(const PgServer &) = delete;

    // Empty when the server programs are installed; otherwise why the tests
    // that need them skip.
    static QString missing();

    // The first start makes the cluster; false, with the log in error(),
    // when the server does not come up.
    bool start();
    // Fast, clean shutdown.
    void stop();
    // SIGKILL to the server and each of its processes, as a crash would.
    void kill();
    bool isRunning() const;

    QString socketFolder() const { return dir.path(); }
    // key=value words for libpq; user "postgres" is the superuser.
    QString conninfo(const QString &database, const QString &user = QStringLiteral("postgres")) const;
    bool createDatabase(const QString &name);
    // A new database set up as a Sumdrop class.
    bool createClass(const QString &name);
    // A login role with a password (checked by SCRAM, unlike the others),
    // member of the groups.
    bool createUser(const QString &name, const QString &password, const QStringList &groups = {});
    // Runs SQL through psql as the superuser; the rows as "a|b" lines.
    // Empty and false in *ok on any error.
    QStringList sql(const QString &database, const QString &statement, bool *ok = nullptr) const;
    QString error() const { return lastError; }

private:
    bool run(const QString &program, const QStringList &arguments, bool asServerUser);
    QString dataFolder() const;
    qint64 postmasterPid() const;

    QTemporaryDir dir;
    bool made = false;
    bool running = false;
    QString lastError;
};

// A port on this machine that takes connections and never says a word, as a
// server that stopped answering: libpq waits for its greeting.
class SilentListener
{
public:
    SilentListener();
    ~SilentListener();
    SilentListener(const SilentListener &) = delete;
    SilentListener &operator=(const SilentListener &) = delete;

    // 0 when no port could be opened.
    quint16 port() const { return listening; }

private:
    int socket = -1;
    quint16 listening = 0;
};
