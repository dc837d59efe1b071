#include "fakes/pgserver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTextStream>
#include <QThread>

#include <arpa/inet.h>
#include <grp.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <pwd.h>
#include <signal.h>
#include <unistd.h>

#include "classroom/classdatabase.h"

namespace {

QString binFolder()
{
    // Debian's layout; the newest installed version when 15 is not there.
    QString found = QStringLiteral("/usr/lib/postgresql/15/bin");
    if (QFileInfo::exists(found + QLatin1String("/postgres")))
        return found;
    const QStringList versions =
        QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &version : versions)
        if (QFileInfo::exists(QStringLiteral("/usr/lib/postgresql/%1/bin/postgres").arg(version)))
            found = QStringLiteral("/usr/lib/postgresql/%1/bin").arg(version);
    return found;
}

QString identifier(const QString &name)
{
    return u'"' + QString(name).replace(u'"', QLatin1String("\"\"")) + u'"';
}

QString literal(const QString &text)
{
    return u'\'' + QString(text).replace(u'\'', QLatin1String("''")) + u'\'';
}

bool isAlive(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    // A zombie nobody reaps is gone all the same.
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    return close < 0 || line.mid(close + 2, 1) != "Z";
}

QList<qint64> childrenOf(qint64 parent)
{
    QList<qint64> children;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool number = false;
        const qint64 pid = entry.toLongLong(&number);
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!number || !stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields[1].toLongLong() == parent)
            children.append(pid);
    }
    return children;
}

} // namespace

PgServer::PgServer()
    : dir(QDir::tempPath() + QLatin1String("/sumdrop-pg-XXXXXX"))
{
}

PgServer::~PgServer()
{
    // Also a server that came up although its start was reported failed.
    running = running || isRunning();
    stop();
    if (isRunning())
        kill();
}

QString PgServer::missing()
{
    if (!QFileInfo::exists(binFolder() + QLatin1String("/postgres")))
        return QStringLiteral("the PostgreSQL server programs are not installed (postgresql-15)");
    if (geteuid() == 0 && !QFileInfo::exists(QStringLiteral("/usr/bin/setpriv")))
        return QStringLiteral("setpriv (util-linux) is needed to run PostgreSQL as nobody");
    return {};
}

bool PgServer::run(const QString &program, const QStringList &arguments, bool asServerUser)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QStringList command = QStringList{program} + arguments;
    if (asServerUser && geteuid() == 0)
        command = QStringList{QStringLiteral("/usr/bin/setpriv"), QStringLiteral("--reuid=nobody"),
                              QStringLiteral("--regid=") + QString::number(getpwnam("nobody")->pw_gid),
                              QStringLiteral("--clear-groups"), QStringLiteral("--")}
            + command;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    environment.insert(QStringLiteral("PGCLIENTENCODING"), QStringLiteral("UTF8"));
    process.setProcessEnvironment(environment);
    process.start(command.takeFirst(), command);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        lastError = program + QLatin1String(" did not finish");
        return false;
    }
    lastError = QString::fromUtf8(process.readAll());
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QString PgServer::dataFolder() const
{
    return dir.path() + QLatin1String("/data");
}

bool PgServer::start()
{
    if (running)
        return true;
    if (!dir.isValid()) {
        lastError = QStringLiteral("no temporary folder");
        return false;
    }
    const QString bin = binFolder();
    if (!made) {
        if (geteuid() == 0) {
            const passwd *nobody = getpwnam("nobody");
            if (!nobody || chown(QFile::encodeName(dir.path()).constData(), nobody->pw_uid, nobody->pw_gid) != 0) {
                lastError = QStringLiteral("cannot give the folder to nobody");
                return false;
            }
        }
        if (!run(bin + QLatin1String("/initdb"),
                 {QStringLiteral("-D"), dataFolder(), QStringLiteral("-A"), QStringLiteral("trust"),
                  QStringLiteral("-U"), QStringLiteral("postgres"), QStringLiteral("--no-sync"),
                  QStringLiteral("-E"), QStringLiteral("UTF8"), QStringLiteral("--locale=C")},
                 true))
            return false;
        // Members of password_users log in by password; everyone else is trusted.
        QFile hba(dataFolder() + QLatin1String("/pg_hba.conf"));
        if (!hba.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || hba.write("local all +password_users scram-sha-256\nlocal all all trust\n") < 0) {
            lastError = QStringLiteral("cannot write pg_hba.conf");
            return false;
        }
        hba.close();
    }
    const QString options = QStringLiteral("-k %1 -c listen_addresses='' -c fsync=off "
                                           "-c full_page_writes=off")
                                .arg(dir.path());
    if (!run(bin + QLatin1String("/pg_ctl"),
             {QStringLiteral("-D"), dataFolder(), QStringLiteral("-w"), QStringLiteral("-t"), QStringLiteral("60"),
              QStringLiteral("-l"), dir.path() + QLatin1String("/log"), QStringLiteral("-o"), options,
              QStringLiteral("start")},
             true)) {
        QFile log(dir.path() + QLatin1String("/log"));
        if (log.open(QIODevice::ReadOnly))
            lastError += QString::fromUtf8(log.readAll().right(600));
        return false;
    }
    running = true;
    if (!made) {
        made = true;
        bool ok = false;
        sql(QStringLiteral("postgres"), QStringLiteral("CREATE ROLE password_users NOLOGIN"), &ok);
        return ok;
    }
    return true;
}

void PgServer::stop()
{
    if (!running)
        return;
    run(binFolder() + QLatin1String("/pg_ctl"),
        {QStringLiteral("-D"), dataFolder(), QStringLiteral("-m"), QStringLiteral("fast"), QStringLiteral("-w"),
         QStringLiteral("stop")},
        true);
    running = isRunning();
}

qint64 PgServer::postmasterPid() const
{
    QFile pidFile(dataFolder() + QLatin1String("/postmaster.pid"));
    if (!pidFile.open(QIODevice::ReadOnly))
        return 0;
    return pidFile.readLine().trimmed().toLongLong();
}

void PgServer::kill()
{
    const qint64 postmaster = postmasterPid();
    if (postmaster <= 0 || !isAlive(postmaster)) {
        running = false;
        return;
    }
    QList<qint64> all = childrenOf(postmaster);
    all.prepend(postmaster);
    for (const qint64 pid : all)
        ::kill(pid_t(pid), SIGKILL);
    QElapsedTimer waited;
    waited.start();
    for (const qint64 pid : all)
        while (isAlive(pid) && waited.elapsed() < 10000)
            QThread::msleep(10);
    // The server takes a lock whose process still exists for a live server;
    // an unreaped zombie would keep it from starting again.
    QFile::remove(dataFolder() + QLatin1String("/postmaster.pid"));
    QFile::remove(dir.path() + QLatin1String("/.s.PGSQL.5432.lock"));
    running = false;
}

bool PgServer::isRunning() const
{
    const qint64 pid = postmasterPid();
    return pid > 0 && isAlive(pid);
}

QString PgServer::conninfo(const QString &database, const QString &user) const
{
    return QStringLiteral("host=%1 dbname=%2 user=%3").arg(dir.path(), database, user);
}

bool PgServer::createDatabase(const QString &name)
{
    bool ok = false;
    sql(QStringLiteral("postgres"), QStringLiteral("CREATE DATABASE ") + identifier(name), &ok);
    return ok;
}

bool PgServer::createClass(const QString &name)
{
    QString said;
    QTextStream out(&said);
    return createDatabase(name) && ClassDatabase::initClassAt(conninfo(name), out);
}

bool PgServer::createUser(const QString &name, const QString &password, const QStringList &groups)
{
    QStringList in{QStringLiteral("password_users")};
    for (const QString &group : groups)
        in.append(identifier(group));
    bool ok = false;
    sql(QStringLiteral("postgres"),
        QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD %2 IN ROLE %3")
            .arg(identifier(name), literal(password), in.join(QLatin1String(", "))),
        &ok);
    return ok;
}

QStringList PgServer::sql(const QString &database, const QString &statement, bool *ok) const
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PGCLIENTENCODING"), QStringLiteral("UTF8"));
    process.setProcessEnvironment(environment);
    process.start(binFolder() + QLatin1String("/psql"),
                  {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-A"), QStringLiteral("-t"),
                   QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-h"), dir.path(),
                   QStringLiteral("-U"), QStringLiteral("postgres"), QStringLiteral("-d"), database,
                   QStringLiteral("-c"), statement});
    const bool done = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
    if (ok)
        *ok = done;
    if (!done) {
        qWarning("psql: %s", process.readAllStandardError().constData());
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

SilentListener::SilentListener()
    : socket(::socket(AF_INET, SOCK_STREAM, 0))
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    // Never accepted: the kernel completes the connection, nobody answers it.
    if (socket >= 0 && ::bind(socket, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
        && ::listen(socket, 64) == 0 && ::getsockname(socket, reinterpret_cast<sockaddr *>(&address), &length) == 0)
        listening = ntohs(address.sin_port);
}

SilentListener::~SilentListener()
{
    if (socket >= 0)
        ::close(socket);
}
