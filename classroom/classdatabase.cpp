#include "classroom/classdatabase.h"

#include <QRegularExpression>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <QUuid>

#include "history/historyrows.h"

#include <algorithm>
#include <limits>

using HistoryRows::wholeOf;

namespace {

// The setup's numbers and the bounds the server holds them to.
struct SetupColumn
{
    const char *name;
    int GameSetup::*field;
    int low;
    int high;
};
constexpr SetupColumn setupColumns[] = {
    {"card_count", &GameSetup::cardCount, 0, 10000},
    {"top_min", &GameSetup::topMin, 0, largestCardAnswer},
    {"top_max", &GameSetup::topMax, 0, largestCardAnswer},
    {"bottom_min", &GameSetup::bottomMin, 0, largestCardAnswer},
    {"bottom_max", &GameSetup::bottomMax, 0, largestCardAnswer},
    {"divisor_low", &GameSetup::divisorLow, 0, largestCardAnswer},
    {"divisor_high", &GameSetup::divisorHigh, 0, largestCardAnswer},
    {"answer_format", &GameSetup::answerFormat, -32768, 32767},
};
constexpr int largestOperations = 99;
constexpr int longestText = 200;

QString quoted(const QString &identifier)
{
    return u'"' + QString(identifier).replace(u'"', QLatin1String("\"\"")) + u'"';
}

bool isUuid(const QString &uuid)
{
    static const QRegularExpression form(
        QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$"));
    return form.match(uuid).hasMatch();
}

bool isPlausibleTime(const QDateTime &time)
{
    return time.isValid() && time.toUTC().date().year() >= 1900 && time.toUTC().date().year() <= 9999;
}

// The server's text holds no NUL, and a batch it refuses would never leave.
bool isStorableText(const QString &text)
{
    return text.size() <= longestText && !text.contains(QChar(0));
}

QString errorOf(const QSqlQuery &query)
{
    return ClassConnection::errorText(query.lastError());
}

QString errorOf(const QSqlDatabase &db)
{
    return ClassConnection::errorText(db.lastError());
}

bool run(QSqlQuery &query, const QString &sql, const QVariantList &values = {})
{
    // The server prepares no statement of its schema.
    if (values.isEmpty())
        return query.exec(sql);
    if (!query.prepare(sql))
        return false;
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query.exec();
}

// Whether db holds our marker, of a version this program writes.
ClassState markerState(QSqlDatabase &db, QString *className, QString *detail)
{
    QSqlQuery query(db);
    if (!run(query, QStringLiteral("SELECT EXISTS (SELECT 1 FROM pg_namespace WHERE nspname = 'sumdrop'), "
                                   "current_database()"))
        || !query.next()) {
        *detail = errorOf(query);
        return ClassConnection::stateOfError(*detail);
    }
    *className = query.value(1).toString();
    if (!query.value(0).toBool())
        return ClassState::Empty;
    // Another program's schema of the same name may hold anything: it is
    // ours only with our marker.
    if (!run(query, QStringLiteral("SELECT application, version::bigint, class_name::text FROM sumdrop.info"))) {
        *detail = errorOf(query);
        const ClassState state = ClassConnection::stateOfError(*detail);
        // A login outside the class's roles is told so, not that it is not a class.
        const bool denied = query.lastError().nativeErrorCode() == QLatin1String("42501");
        return state == ClassState::Failed && !denied ? ClassState::NotOurs : state;
    }
    if (!query.next() || query.value(0).toString() != ClassDatabase::marker)
        return ClassState::NotOurs;
    const auto version = wholeOf(query.value(1), 1, std::numeric_limits<int>::max());
    if (!version)
        return ClassState::NotOurs;
    *className = query.value(2).toString().left(longestText);
    return *version > ClassDatabase::schemaVersion ? ClassState::Newer : ClassState::Ours;
}

// INSERT ... ON CONFLICT DO NOTHING of many rows, as few statements of many
// rows each, every value bound.
bool insertRows(QSqlDatabase &db, const QString &table, const QStringList &columns, const QStringList &placeholders,
                const QList<QVariantList> &rows, QString *error)
{
    // Under the server's limit of 65535 values in one statement.
    const qsizetype perStatement = std::max<qsizetype>(1, std::min<qsizetype>(500, 30000 / columns.size()));
    const QString tuple = u'(' + placeholders.join(QLatin1String(", ")) + u')';
    QSqlQuery query(db);
    qsizetype prepared = 0;
    for (qsizetype from = 0; from < rows.size(); from += perStatement) {
        const qsizetype count = std::min(perStatement, rows.size() - from);
        if (count != prepared) {
            QStringList tuples(count, tuple);
            if (!query.prepare(QStringLiteral("INSERT INTO sumdrop.%1 (%2) VALUES %3 ON CONFLICT DO NOTHING")
                                   .arg(table, columns.join(QLatin1String(", ")), tuples.join(QLatin1String(", "))))) {
                *error = errorOf(query);
                return false;
            }
            prepared = count;
        }
        for (qsizetype i = from; i < from + count; ++i)
            for (const QVariant &value : rows[i])
                query.addBindValue(value);
        if (!query.exec()) {
            *error = errorOf(query);
            return false;
        }
    }
    return true;
}

QVariant nullInt()
{
    return QVariant(QMetaType::fromType<int>());
}

QString setupChecks()
{
    QStringList checks;
    for (const SetupColumn &column : setupColumns)
        checks.append(QStringLiteral("CHECK (%1 BETWEEN %2 AND %3)")
                          .arg(QLatin1String(column.name))
                          .arg(column.low)
                          .arg(column.high));
    return checks.join(QLatin1String(", "));
}

// The same facts isPlausibleFact() takes, and their answers.
QString factChecks()
{
    return QStringLiteral(
               "CHECK (CASE operation "
               "WHEN %1 THEN top BETWEEN 0 AND %5 AND bottom BETWEEN 0 AND %5 "
               "WHEN %2 THEN top BETWEEN 0 AND %5 AND bottom BETWEEN 0 AND top "
               "WHEN %3 THEN top BETWEEN 0 AND %5 AND bottom BETWEEN 0 AND %5 AND top * bottom <= %6 "
               "WHEN %4 THEN top BETWEEN 0 AND %6 AND bottom BETWEEN 1 AND %5 AND top % bottom = 0 "
               "ELSE false END), "
               "CHECK (answer = CASE operation WHEN %1 THEN top + bottom WHEN %2 THEN top - bottom "
               "WHEN %3 THEN top * bottom ELSE top / NULLIF(bottom, 0) END)")
        .arg(Operation::Addition)
        .arg(Operation::Subtraction)
        .arg(Operation::Multiplication)
        .arg(Operation::Division)
        .arg(largestCardNumber)
        .arg(largestCardAnswer);
}

QStringList setupColumnNames()
{
    QStringList names;
    for (const SetupColumn &column : setupColumns)
        names.append(QLatin1String(column.name));
    return names;
}

} // namespace

namespace ClassDatabase {

QString pupilRole(const QString &database)
{
    return database + QLatin1String("_pupil");
}

QString teacherRole(const QString &database)
{
    return database + QLatin1String("_teacher");
}

bool initClass(QSqlDatabase &db, QTextStream &out)
{
    QSqlQuery query(db);
    const auto fail = [&](const QString &why) {
        out << why << Qt::endl;
        return false;
    };
    const auto failed = [&] {
        const QString why = errorOf(query);
        db.rollback();
        return fail(ClassServer::tr("Failed: %1 Nothing was changed.").arg(why));
    };
    if (!run(query, QStringLiteral("SELECT current_database(), current_user")) || !query.next())
        return failed();
    const QString database = query.value(0).toString();
    out << ClassServer::tr("Setting up the class %1 as %2.").arg(database, query.value(1).toString()) << Qt::endl;
    const QString pupil = pupilRole(database);
    const QString teacher = teacherRole(database);
    // Longer names would be cut by the server, and might meet another class's.
    if (teacher.toUtf8().size() > 63)
        return fail(ClassServer::tr("The database name %1 is too long for the names of its roles.").arg(database));
    if (!db.transaction())
        return fail(ClassServer::tr("Failed: %1 Nothing was changed.").arg(errorOf(db)));
    if (!run(query, QStringLiteral("SELECT string_agg(c.relname, ', ' ORDER BY c.relname) FROM pg_class c "
                                   "JOIN pg_namespace n ON n.oid = c.relnamespace "
                                   "WHERE n.nspname = 'sumdrop' AND c.relkind IN ('r', 'p', 'v', 'm', 'f')"))
        || !query.next())
        return failed();
    if (!query.value(0).isNull()) {
        const QString tables = query.value(0).toString();
        db.rollback();
        QString className;
        QString detail;
        if (markerState(db, &className, &detail) == ClassState::Ours)
            return fail(ClassServer::tr("This database is a Sumdrop class already. Nothing was changed."));
        return fail(ClassServer::tr("The schema sumdrop already holds tables (%1). Nothing was changed.").arg(tables));
    }
    const QString setupNumbers = [] {
        QStringList columns;
        for (const SetupColumn &column : setupColumns)
            columns.append(QLatin1String(column.name) + QLatin1String(" integer NOT NULL"));
        return columns.join(QLatin1String(", "));
    }();
    // tx: the transaction that brought a row, so that a reader can ask for
    // what came since it last read.
    const QStringList schema = {
        QStringLiteral("CREATE SCHEMA IF NOT EXISTS sumdrop"),
        QStringLiteral("CREATE TABLE sumdrop.info (only_row boolean PRIMARY KEY DEFAULT true CHECK (only_row), "
                       "application text NOT NULL, version integer NOT NULL, class_name text NOT NULL, "
                       "created timestamptz NOT NULL DEFAULT now())"),
        QStringLiteral("CREATE TABLE sumdrop.children (key text PRIMARY KEY CHECK (char_length(key) <= %1), "
                       "name text NOT NULL CHECK (char_length(name) <= %1))")
            .arg(longestText),
        QStringLiteral("CREATE TABLE sumdrop.games (uuid uuid PRIMARY KEY, "
                       "child_key text NOT NULL REFERENCES sumdrop.children (key) ON DELETE CASCADE, "
                       "child_name text NOT NULL CHECK (char_length(child_name) <= %1), "
                       "machine text NOT NULL CHECK (char_length(machine) <= %1), started timestamptz NOT NULL, "
                       "operations smallint NOT NULL CHECK (operations BETWEEN 0 AND %2), %3, "
                       "advanced_range boolean NOT NULL, verbal boolean NOT NULL, "
                       "tx xid8 NOT NULL DEFAULT pg_current_xact_id(), %4)")
            .arg(longestText)
            .arg(largestOperations)
            .arg(setupNumbers, setupChecks()),
        QStringLiteral("CREATE INDEX games_by_child ON sumdrop.games (child_key)"),
        // Apart from the game, so that a pupil adds an end and never alters a game.
        QStringLiteral("CREATE TABLE sumdrop.game_ends (game uuid PRIMARY KEY REFERENCES sumdrop.games (uuid) "
                       "ON DELETE CASCADE, ended timestamptz NOT NULL, completed boolean NOT NULL, "
                       "tx xid8 NOT NULL DEFAULT pg_current_xact_id())"),
        QStringLiteral("CREATE TABLE sumdrop.cards (uuid uuid PRIMARY KEY, "
                       "game uuid NOT NULL REFERENCES sumdrop.games (uuid) ON DELETE CASCADE, "
                       "operation smallint NOT NULL, top integer NOT NULL, bottom integer NOT NULL, "
                       "answer integer NOT NULL, given integer, correct boolean NOT NULL, "
                       "ending smallint NOT NULL CHECK (ending BETWEEN %1 AND %2), "
                       "seconds double precision NOT NULL CHECK (seconds >= 0 AND seconds <= %3), "
                       "judged_at timestamptz NOT NULL, tx xid8 NOT NULL DEFAULT pg_current_xact_id(), %4)")
            .arg(int(CardEnding::Typed))
            .arg(int(CardEnding::MarkedWrong))
            .arg(longestCardSeconds)
            .arg(factChecks()),
        QStringLiteral("CREATE INDEX cards_by_game ON sumdrop.cards (game)"),
        QStringLiteral("CREATE INDEX cards_by_tx ON sumdrop.cards (tx)"),
        QStringLiteral("CREATE INDEX game_ends_by_tx ON sumdrop.game_ends (tx)"),
    };
    for (const QString &sql : schema)
        if (!run(query, sql))
            return failed();
    if (!run(query, QStringLiteral("INSERT INTO sumdrop.info (application, version, class_name) VALUES (?, ?, ?)"),
             {marker, schemaVersion, database}))
        return failed();
    out << ClassServer::tr("Created the schema sumdrop and its tables info, children, games, game_ends and cards.")
        << Qt::endl;
    for (const QString &role : {pupil, teacher}) {
        if (!run(query, QStringLiteral("SELECT 1 FROM pg_roles WHERE rolname = ?"), {role}))
            return failed();
        if (query.next()) {
            out << ClassServer::tr("The role %1 exists already and is used as it is.").arg(quoted(role)) << Qt::endl;
            continue;
        }
        if (!run(query, QStringLiteral("CREATE ROLE %1 NOLOGIN").arg(quoted(role))))
            return failed();
        out << ClassServer::tr("Created the role %1.").arg(quoted(role)) << Qt::endl;
    }
    // Pupils add rows and read them; the tx columns are the server's own.
    const QString p = quoted(pupil);
    const QString t = quoted(teacher);
    const QStringList grants = {
        QStringLiteral("GRANT CONNECT ON DATABASE %1 TO %2, %3").arg(quoted(database), p, t),
        QStringLiteral("GRANT USAGE ON SCHEMA sumdrop TO %1, %2").arg(p, t),
        QStringLiteral("GRANT SELECT ON sumdrop.info, sumdrop.children, sumdrop.games, sumdrop.game_ends, "
                       "sumdrop.cards TO %1, %2")
            .arg(p, t),
        QStringLiteral("GRANT INSERT ON sumdrop.children TO %1, %2").arg(p, t),
        QStringLiteral("GRANT INSERT (uuid, child_key, child_name, machine, started, operations, %1, "
                       "advanced_range, verbal) ON sumdrop.games TO %2, %3")
            .arg(setupColumnNames().join(QLatin1String(", ")), p, t),
        QStringLiteral("GRANT INSERT (game, ended, completed) ON sumdrop.game_ends TO %1, %2").arg(p, t),
        QStringLiteral("GRANT INSERT (uuid, game, operation, top, bottom, answer, given, correct, ending, seconds, "
                       "judged_at) ON sumdrop.cards TO %1, %2")
            .arg(p, t),
        QStringLiteral("GRANT DELETE ON sumdrop.children, sumdrop.games, sumdrop.game_ends, sumdrop.cards TO %1")
            .arg(t),
    };
    for (const QString &sql : grants)
        if (!run(query, sql))
            return failed();
    out << ClassServer::tr("%1 may add games and cards and read them; %2 may also forget a child.").arg(p, t)
        << Qt::endl;
    if (!db.commit())
        return fail(ClassServer::tr("Failed: %1 Nothing was changed.").arg(errorOf(db)));
    out << ClassServer::tr("Done: %1 is a Sumdrop class. Give each login the role %2 or %3.").arg(database, p, t)
        << Qt::endl;
    return true;
}

bool initClassAt(const QString &conninfo, QTextStream &out)
{
    const QString name = QStringLiteral("class-init-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    bool done = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        const ClassCheck check = ClassConnection::open(db, conninfo);
        if (check.state == ClassState::Ours)
            done = initClass(db, out);
        else
            out << ClassConnection::describe(check) << Qt::endl;
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return done;
}

ClassCheck checkClass(QSqlDatabase &db)
{
    ClassCheck check;
    check.state = markerState(db, &check.className, &check.detail);
    if (check.state != ClassState::Ours)
        return check;
    QSqlQuery query(db);
    if (!run(query,
             QStringLiteral("SELECT (SELECT count(*) FROM sumdrop.children), (SELECT count(*) FROM sumdrop.cards), "
                            "EXISTS (SELECT 1 FROM pg_roles r WHERE r.rolname = ? "
                            "AND pg_has_role(current_user, r.oid, 'MEMBER')) "
                            "OR (SELECT rolsuper FROM pg_roles WHERE rolname = current_user)"),
             {teacherRole(check.className)})
        || !query.next()) {
        check.detail = errorOf(query);
        check.state = ClassConnection::stateOfError(check.detail);
        return check;
    }
    check.children = query.value(0).toLongLong();
    check.cards = query.value(1).toLongLong();
    check.isTeacher = query.value(2).toBool();
    return check;
}

bool isSendable(const SharedGame &game)
{
    const GameSetup &setup = game.setup;
    for (const SetupColumn &column : setupColumns)
        if (setup.*column.field < column.low || setup.*column.field > column.high)
            return false;
    return isUuid(game.uuid) && isStorableText(game.childKey) && isStorableText(game.machine)
        && isStorableText(setup.child)
        && isPlausibleTime(setup.started) && (!game.ended || isPlausibleTime(*game.ended))
        && setup.operations >= 0 && setup.operations <= largestOperations;
}

bool isSendable(const SharedCard &card)
{
    return isUuid(card.uuid) && isUuid(card.gameUuid) && isPlausibleTime(card.judgedAt) && isPlausibleFact(card.fact)
        && card.answer == factAnswer(card.fact) && isPlausibleSeconds(card.seconds)
        && card.ending >= CardEnding::Typed && card.ending <= CardEnding::MarkedWrong;
}

SendResult sendBatch(QSqlDatabase &db, const SharedBatch &batch)
{
    SendResult result;
    QSet<QString> refusedGames;
    QList<QVariantList> children;
    QSet<QString> childKeys;
    QList<QVariantList> games;
    QList<QVariantList> ends;
    QList<SharedGame> sortedGames = batch.games;
    std::sort(sortedGames.begin(), sortedGames.end(),
              [](const SharedGame &a, const SharedGame &b) { return a.uuid < b.uuid; });
    for (const SharedGame &game : sortedGames) {
        if (!isSendable(game)) {
            refusedGames.insert(game.uuid);
            result.refused.append(game.uuid);
            continue;
        }
        const GameSetup &setup = game.setup;
        const QString key = HistoryRows::notNull(game.childKey);
        if (!childKeys.contains(key)) {
            childKeys.insert(key);
            children.append({key, HistoryRows::notNull(setup.child)});
        }
        QVariantList row = {game.uuid, key, HistoryRows::notNull(setup.child), HistoryRows::notNull(game.machine),
                            HistoryRows::timeText(setup.started), setup.operations};
        for (const SetupColumn &column : setupColumns)
            row.append(setup.*column.field);
        row << setup.advancedRange << setup.verbal;
        games.append(row);
        if (game.ended)
            ends.append({game.uuid, HistoryRows::timeText(*game.ended), game.completed});
    }
    std::sort(children.begin(), children.end(),
              [](const QVariantList &a, const QVariantList &b) { return a[0].toString() < b[0].toString(); });
    QList<QVariantList> cards;
    // In the order of their keys, so that machines sending the same rows at
    // once wait for each other instead of deadlocking.
    QList<SharedCard> sorted = batch.cards;
    std::sort(sorted.begin(), sorted.end(), [](const SharedCard &a, const SharedCard &b) { return a.uuid < b.uuid; });
    for (const SharedCard &card : sorted) {
        if (!isSendable(card) || refusedGames.contains(card.gameUuid)) {
            result.refused.append(card.uuid);
            continue;
        }
        cards.append({card.uuid, card.gameUuid, card.fact.operation, card.fact.top, card.fact.bottom, card.answer,
                      card.given ? QVariant(*card.given) : nullInt(), card.right, int(card.ending), card.seconds,
                      HistoryRows::timeText(card.judgedAt)});
    }
    if (!db.transaction()) {
        result.error = errorOf(db);
        result.state = ClassConnection::stateOfError(result.error);
        return result;
    }
    QString className;
    result.state = markerState(db, &className, &result.error);
    if (result.error.isEmpty() && result.state != ClassState::Ours)
        result.error = ClassConnection::describe({result.state, {}, {}, 0, 0, false});
    const auto placeholders = [](const QStringList &types) {
        QStringList marks;
        for (const QString &type : types)
            marks.append(type.isEmpty() ? QStringLiteral("?") : QStringLiteral("CAST(? AS %1)").arg(type));
        return marks;
    };
    const QString uuid = QStringLiteral("uuid");
    const QString time = QStringLiteral("timestamptz");
    QStringList gameTypes = {uuid, {}, {}, {}, time, QStringLiteral("smallint")};
    gameTypes += QStringList(std::size(setupColumns), QString());
    gameTypes += {QStringLiteral("boolean"), QStringLiteral("boolean")};
    // A database that is not ours, or newer, is never written to.
    const bool sent = result.state == ClassState::Ours
        && insertRows(db, QStringLiteral("children"), {QStringLiteral("key"), QStringLiteral("name")},
                      placeholders({{}, {}}), children, &result.error)
        && insertRows(db, QStringLiteral("games"),
                      QStringList{QStringLiteral("uuid"), QStringLiteral("child_key"), QStringLiteral("child_name"),
                                  QStringLiteral("machine"), QStringLiteral("started"), QStringLiteral("operations")}
                          + setupColumnNames()
                          + QStringList{QStringLiteral("advanced_range"), QStringLiteral("verbal")},
                      placeholders(gameTypes), games, &result.error)
        && insertRows(db, QStringLiteral("game_ends"),
                      {QStringLiteral("game"), QStringLiteral("ended"), QStringLiteral("completed")},
                      placeholders({uuid, time, QStringLiteral("boolean")}), ends, &result.error)
        && insertRows(db, QStringLiteral("cards"),
                      {QStringLiteral("uuid"), QStringLiteral("game"), QStringLiteral("operation"),
                       QStringLiteral("top"), QStringLiteral("bottom"), QStringLiteral("answer"),
                       QStringLiteral("given"), QStringLiteral("correct"), QStringLiteral("ending"),
                       QStringLiteral("seconds"), QStringLiteral("judged_at")},
                      placeholders({uuid, uuid, QStringLiteral("smallint"), {}, {}, {}, QStringLiteral("integer"),
                                    QStringLiteral("boolean"), QStringLiteral("smallint"),
                                    QStringLiteral("double precision"), time}),
                      cards, &result.error);
    if (!sent || !db.commit()) {
        if (sent)
            result.error = errorOf(db);
        db.rollback();
        if (result.state == ClassState::Ours)
            result.state = ClassConnection::stateOfError(result.error);
        return result;
    }
    result.sent = true;
    return result;
}

FetchResult fetchCards(QSqlDatabase &db, const std::optional<QStringList> &childKeys, const QString &since,
                       const QString &excludeMachine)
{
    FetchResult result;
    static const QRegularExpression number(QStringLiteral("^[0-9]{1,19}$"));
    const QString from = number.match(since).hasMatch() ? since : QStringLiteral("0");
    result.cursor = from;
    if (childKeys && childKeys->isEmpty()) {
        result.fetched = true;
        return result;
    }
    if (!db.transaction()) {
        result.error = errorOf(db);
        return result;
    }
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const auto failed = [&] {
        if (result.error.isEmpty())
            result.error = errorOf(query);
        db.rollback();
        result.batch = {};
        return result;
    };
    // One snapshot for every read, and its oldest running transaction as the
    // cursor: whatever is not seen now comes from that one or a later one.
    if (!run(query, QStringLiteral("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ, READ ONLY")))
        return failed();
    QString className;
    if (markerState(db, &className, &result.error) != ClassState::Ours) {
        if (result.error.isEmpty())
            result.error = ClassConnection::describe({ClassState::NotOurs, {}, {}, 0, 0, false});
        return failed();
    }
    if (!run(query, QStringLiteral("SELECT pg_snapshot_xmin(pg_current_snapshot())::text")) || !query.next())
        return failed();
    const QString cursor = query.value(0).toString();
    QString where = QStringLiteral("TRUE");
    QVariantList values;
    if (childKeys) {
        const QStringList marks(childKeys->size(), QStringLiteral("?"));
        where = QStringLiteral("g.child_key IN (%1)").arg(marks.join(QLatin1String(", ")));
        for (const QString &key : *childKeys)
            values.append(HistoryRows::notNull(key));
    }
    if (!excludeMachine.isEmpty()) {
        where += QLatin1String(" AND g.machine <> ?");
        values.append(excludeMachine);
    }
    QStringList setupNames = setupColumnNames();
    for (QString &name : setupNames)
        name.prepend(QLatin1String("g."));
    if (!run(query,
             QStringLiteral("SELECT g.uuid::text, g.child_key, g.child_name, g.machine, g.started, g.operations, %1, "
                            "g.advanced_range, g.verbal, e.ended, e.completed FROM sumdrop.games g "
                            "LEFT JOIN sumdrop.game_ends e ON e.game = g.uuid WHERE %2 AND (e.tx >= CAST(? AS xid8) OR "
                            "EXISTS (SELECT 1 FROM sumdrop.cards c WHERE c.game = g.uuid AND c.tx >= CAST(? AS xid8)))")
                 .arg(setupNames.join(QLatin1String(", ")), where),
             values + QVariantList{from, from}))
        return failed();
    QSet<QString> games;
    while (query.next()) {
        SharedGame game;
        game.uuid = query.value(0).toString();
        game.childKey = query.value(1).toString();
        game.setup.child = query.value(2).toString();
        game.machine = query.value(3).toString();
        game.setup.started = query.value(4).toDateTime().toUTC();
        const auto operations = wholeOf(query.value(5), 0, largestOperations);
        game.setup.operations = FunctionSet(operations.value_or(-1));
        bool plausible = operations.has_value();
        int at = 6;
        for (const SetupColumn &column : setupColumns) {
            const auto value = wholeOf(query.value(at++), column.low, column.high);
            plausible = plausible && value;
            game.setup.*column.field = value.value_or(0);
        }
        game.setup.advancedRange = query.value(at++).toBool();
        game.setup.verbal = query.value(at++).toBool();
        if (!query.value(at).isNull())
            game.ended = query.value(at).toDateTime().toUTC();
        game.completed = query.value(at + 1).toBool();
        if (!plausible || !isSendable(game)) {
            ++result.skipped;
            continue;
        }
        games.insert(game.uuid);
        result.batch.games.append(game);
    }
    if (!run(query,
             QStringLiteral("SELECT c.uuid::text, c.game::text, c.judged_at, c.operation, c.top, c.bottom, c.answer, "
                            "c.given, c.correct, c.ending, c.seconds FROM sumdrop.cards c "
                            "JOIN sumdrop.games g ON g.uuid = c.game WHERE %1 AND c.tx >= CAST(? AS xid8)")
                 .arg(where),
             values + QVariantList{from}))
        return failed();
    while (query.next()) {
        SharedCard card;
        card.uuid = query.value(0).toString();
        card.gameUuid = query.value(1).toString();
        card.judgedAt = query.value(2).toDateTime().toUTC();
        const auto operation = wholeOf(query.value(3), Operation::Addition, Operation::Division);
        const auto top = wholeOf(query.value(4), 0, largestCardAnswer);
        const auto bottom = wholeOf(query.value(5), 0, largestCardAnswer);
        const auto answer = wholeOf(query.value(6), 0, largestCardAnswer);
        const auto ending = wholeOf(query.value(9), int(CardEnding::Typed), int(CardEnding::MarkedWrong));
        const bool hasGiven = !query.value(7).isNull();
        const auto given = wholeOf(query.value(7), std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
        card.fact = {qint16(operation.value_or(0)), top.value_or(0), bottom.value_or(0)};
        card.answer = answer.value_or(-1);
        if (hasGiven)
            card.given = given;
        card.right = query.value(8).toBool();
        card.ending = CardEnding(ending.value_or(0));
        card.seconds = query.value(10).toDouble();
        if (!operation || !top || !bottom || !answer || !ending || (hasGiven && !given)
            || !games.contains(card.gameUuid) || !isSendable(card)) {
            ++result.skipped;
            continue;
        }
        result.batch.cards.append(card);
    }
    db.commit();
    result.fetched = true;
    result.cursor = cursor;
    return result;
}

ClassCheck testConnection(const QString &conninfo)
{
    const QString name = QStringLiteral("class-test-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    ClassCheck check;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        check = ClassConnection::open(db, conninfo);
        if (check.state == ClassState::Ours)
            check = checkClass(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return check;
}

} // namespace ClassDatabase
