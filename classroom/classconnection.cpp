#include "classroom/classconnection.h"

#include <QLocale>
#include <QSqlError>
#include <QStringList>

namespace {

struct Word
{
    QString key;
    QString value;
};

// libpq's key = value words; a value is bare up to the next space, or in
// single quotes, and a backslash takes the next character as it is.
std::optional<QList<Word>> wordsOf(const QString &conninfo, QString *why)
{
    QList<Word> words;
    qsizetype i = 0;
    const qsizetype n = conninfo.size();
    const auto skipSpace = [&] {
        while (i < n && conninfo[i].isSpace())
            ++i;
    };
    const auto fail = [&](const QString &reason) {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    for (skipSpace(); i < n; skipSpace()) {
        Word word;
        while (i < n && (conninfo[i].isLetterOrNumber() || conninfo[i] == u'_') && conninfo[i].unicode() < 128)
            word.key += conninfo[i++];
        skipSpace();
        if (word.key.isEmpty() || i >= n || conninfo[i] != u'=')
            return fail(
                ClassServer::tr("Write the connection as key=value words, such as host=school-db dbname=class4b."));
        ++i;
        skipSpace();
        const bool quoted = i < n && conninfo[i] == u'\'';
        if (quoted)
            ++i;
        bool closed = !quoted;
        while (i < n) {
            const QChar c = conninfo[i];
            if (quoted ? c == u'\'' : c.isSpace()) {
                closed = true;
                ++i;
                break;
            }
            if (c == u'\\' && i + 1 < n)
                ++i;
            word.value += conninfo[i++];
        }
        if (!closed)
            return fail(ClassServer::tr("A quote in the connection string is not closed."));
        words.append(word);
    }
    return words;
}

} // namespace

namespace ClassConnection {

std::optional<QString> connectOptions(const QString &conninfo, QString *why)
{
    const auto fail = [&](const QString &reason) {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    if (conninfo.contains(u';') || conninfo.contains(QChar(0)))
        return fail(ClassServer::tr("The connection string may not hold a semicolon."));
    const auto words = wordsOf(conninfo, why);
    if (!words)
        return std::nullopt;
    if (words->isEmpty())
        return fail(ClassServer::tr("The connection string is empty."));
    QStringList keys;
    QStringList options;
    for (const Word &word : *words) {
        if (word.key == QLatin1String("password"))
            return fail(ClassServer::tr("Sumdrop keeps no password: put it in the password file ~/.pgpass instead."));
        keys.append(word.key);
        QString value = word.value;
        value.replace(u'\\', QLatin1String("\\\\")).replace(u'\'', QLatin1String("\\'"));
        options.append(word.key + QLatin1String("='") + value + u'\'');
    }
    // Never wait long for a server that is not there, nor forever on one
    // that went away during a query.
    const QList<std::pair<QString, QString>> defaults = {
        {QStringLiteral("connect_timeout"), QString::number(defaultConnectTimeout)},
        {QStringLiteral("keepalives_idle"), QStringLiteral("10")},
        {QStringLiteral("keepalives_interval"), QStringLiteral("5")},
        {QStringLiteral("keepalives_count"), QStringLiteral("3")},
        {QStringLiteral("fallback_application_name"), QStringLiteral("sumdrop")},
    };
    for (const auto &[key, value] : defaults)
        if (!keys.contains(key))
            options.append(key + u'=' + value);
    return options.join(u' ');
}

ClassCheck open(QSqlDatabase &db, const QString &conninfo)
{
    ClassCheck check;
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        check.state = ClassState::NoDriver;
        check.detail = QStringLiteral("QPSQL");
        return check;
    }
    const auto options = connectOptions(conninfo, &check.detail);
    if (!options) {
        check.state = ClassState::Unusable;
        return check;
    }
    db.close();
    db.setConnectOptions(*options);
    if (!db.open()) {
        check.detail = errorText(db.lastError());
        check.state = stateOfError(check.detail);
        return check;
    }
    check.state = ClassState::Ours;
    return check;
}

QString errorText(const QSqlError &error)
{
    return (error.databaseText().isEmpty() ? error.driverText() : error.databaseText()).trimmed();
}

ClassState stateOfError(const QString &message)
{
    // libpq's own English words; in another language the message is shown
    // as it is, under the general heading.
    const auto says = [&](const char *words) { return message.contains(QLatin1String(words), Qt::CaseInsensitive); };
    if (says("password authentication failed") || says("no password supplied") || says("authentication failed")
        || (says("role \"") && says("does not exist")))
        return ClassState::PasswordRefused;
    if (says("database \"") && says("does not exist"))
        return ClassState::NoDatabase;
    if (says("could not translate host name") || says("definition of service") || says("service file"))
        return ClassState::NotFound;
    if (says("connection refused") || says("no such file or directory") || says("timeout expired")
        || says("network is unreachable") || says("no route to host") || says("server closed the connection")
        || says("connection timed out") || says("terminating connection") || says("the database system is")
        || says("no connection to the server") || says("could not receive data")
        || says("could not send data"))
        return ClassState::Unreachable;
    return ClassState::Failed;
}

bool cannotWork(ClassState state)
{
    switch (state) {
    case ClassState::NotOurs:
    case ClassState::Newer:
    case ClassState::PasswordRefused:
    case ClassState::NoDatabase:
    case ClassState::Unusable:
    case ClassState::NoDriver:
    case ClassState::Empty: return true;
    default: return false;
    }
}

QString describe(const ClassCheck &check)
{
    const QLocale locale;
    switch (check.state) {
    case ClassState::Ours:
        return ClassServer::tr("Connected: class %1, %2 children, %3 cards")
            .arg(check.className, locale.toString(check.children), locale.toString(check.cards));
    case ClassState::Empty:
        return ClassServer::tr("This database is not a Sumdrop class yet: set it up with sumdrop --init-class.");
    case ClassState::NotOurs: return ClassServer::tr("This database is not a Sumdrop class.");
    case ClassState::Newer:
        return ClassServer::tr("This class was set up by a newer Sumdrop: update Sumdrop on this computer.");
    case ClassState::NotFound: return ClassServer::tr("Server not found: %1").arg(check.detail);
    case ClassState::Unreachable: return ClassServer::tr("The server does not answer: %1").arg(check.detail);
    case ClassState::PasswordRefused: return ClassServer::tr("Password refused: %1").arg(check.detail);
    case ClassState::NoDatabase: return ClassServer::tr("Database missing: %1").arg(check.detail);
    case ClassState::Unusable: return check.detail;
    case ClassState::NoDriver:
        return ClassServer::tr("Qt's PostgreSQL driver is not installed (package libqt6sql6-psql).");
    case ClassState::Failed: break;
    }
    return ClassServer::tr("The class server failed: %1").arg(check.detail);
}

} // namespace ClassConnection
