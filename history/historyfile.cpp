#include "history/historyfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>

#include "history/historyschema.h"

namespace {

bool isBigEndianAt(const QByteArray &bytes, qsizetype at, quint32 &value)
{
    if (bytes.size() < at + 4)
        return false;
    value = qFromBigEndian<quint32>(bytes.constData() + at);
    return true;
}

// SQLite's file header: "SQLite format 3", the page size at 16, the schema
// version at 60, the application id at 68, then page 1's b-tree header whose
// cell count at 103 says whether the schema holds anything.
struct Header
{
    bool database = false;
    quint32 pageSize = 0;
    quint32 version = 0;
    quint32 application = 0;
    int schemaCells = 0;
};

Header headerOf(const QByteArray &page)
{
    Header header;
    if (page.size() < 105 || !page.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return header;
    header.database = true;
    const quint16 size = qFromBigEndian<quint16>(page.constData() + 16);
    header.pageSize = size == 1 ? 65536 : size;
    isBigEndianAt(page, 60, header.version);
    isBigEndianAt(page, 68, header.application);
    header.schemaCells = qFromBigEndian<quint16>(page.constData() + 103);
    return header;
}

// Makes the missing folders of path, each for its owner alone.
bool makeFolders(const QString &path)
{
    QStringList missing;
    QFileInfo folder(path);
    while (!folder.exists() && !folder.isSymLink() && !folder.isRoot()) {
        missing.prepend(folder.absoluteFilePath());
        folder.setFile(folder.absolutePath());
    }
    const QFileDevice::Permissions ownerOnly =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    // Another copy may make the same folder at the same moment.
    return std::all_of(missing.begin(), missing.end(), [&ownerOnly](const QString &made) {
        return QDir().mkdir(made, ownerOnly) || QFileInfo(made).isDir();
    });
}

FileVerdict failed(const QString &why, HistoryState state = HistoryState::Failed)
{
    return {state, why};
}

} // namespace

FileVerdict inspectHistoryFile(const QString &file, bool forWriting)
{
    using State = HistoryState;
    const QFileInfo info(file);
    if (info.isSymLink())
        return failed(QCoreApplication::translate("HistoryStore", "it is a link, not a file"), State::NotAFile);
    if (!info.exists()) {
        if (!forWriting)
            return {State::Absent, {}};
        if (!makeFolders(info.absolutePath()))
            return failed(QCoreApplication::translate("HistoryStore", "the folder %1 cannot be made")
                              .arg(QDir::toNativeSeparators(info.absolutePath())));
        QFile made(file);
        // NewOnly: a file another copy made meanwhile is not emptied.
        if (!made.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner)
            && !made.exists())
            return failed(made.errorString());
        return {};
    }
    if (!info.isFile())
        return failed(QCoreApplication::translate("HistoryStore", "it is not a file"), State::NotAFile);
    QFile main(file);
    if (!main.open(QIODevice::ReadOnly))
        return failed(main.errorString());
    const QByteArray first = main.read(4096);
    if (first.isEmpty())
        return {}; // made by us, or by a copy that was stopped before its first write
    const Header header = headerOf(first);
    const auto notOurs = [](const QString &why) { return failed(why, State::NotOurs); };
    // SQLite writes only these page sizes and opens no file with another.
    const bool sqlitePageSize =
        header.pageSize >= 512 && header.pageSize <= 65536 && (header.pageSize & (header.pageSize - 1)) == 0;
    if (!header.database || !sqlitePageSize)
        return notOurs(QCoreApplication::translate("HistoryStore", "it is not a database"));
    const bool fresh = header.application == 0 && header.version == 0 && header.schemaCells == 0;
    if (!fresh && header.application != quint32(HistorySchema::applicationId))
        return notOurs(QCoreApplication::translate("HistoryStore", "another program's file"));
    if (header.version > quint32(HistorySchema::version))
        return failed(QString(), State::Newer);

    // Opening would replay a log beside the file into it: one from another
    // database would rewrite ours, so its first page is read here first.
    QFile log(file + QStringLiteral("-wal"));
    const QFileInfo logInfo(log.fileName());
    if (logInfo.isSymLink() || (logInfo.exists() && !logInfo.isFile()))
        return failed(QCoreApplication::translate("HistoryStore", "%1 is not a file").arg(logInfo.fileName()),
                      State::NotAFile);
    if (log.open(QIODevice::ReadOnly) && log.size() >= 32) {
        const QByteArray head = log.read(32);
        quint32 magic = 0;
        quint32 pageSize = 0;
        isBigEndianAt(head, 0, magic);
        isBigEndianAt(head, 8, pageSize);
        const bool isLog = (magic & 0xFFFFFFFE) == 0x377f0682;
        const QString foreign = QCoreApplication::translate("HistoryStore", "%1 beside it belongs to another database")
                                    .arg(logInfo.fileName());
        if (isLog && pageSize != header.pageSize)
            return notOurs(foreign);
        for (qint64 at = 32; isLog && at + 24 + pageSize <= log.size(); at += 24 + pageSize) {
            log.seek(at);
            const QByteArray frame = log.read(24 + 105);
            quint32 page = 0;
            isBigEndianAt(frame, 0, page);
            // Frames of an older round of the log carry other salts and are never replayed.
            if (page != 1 || frame.mid(8, 8) != head.mid(16, 8))
                continue;
            const Header logged = headerOf(frame.mid(24));
            if (!logged.database || logged.application != quint32(HistorySchema::applicationId))
                return notOurs(foreign);
            if (logged.version > quint32(HistorySchema::version))
                return failed(QString(), State::Newer);
        }
    }
    if (forWriting && (info.permissions() & (QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther
                                             | QFileDevice::WriteOther))) {
        // A child's practice is for the family's eyes: the history and its
        // side files are the owner's alone, whatever made them otherwise.
        for (const QString &side : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
            if (QFileInfo(file + side).isFile())
                QFile::setPermissions(file + side, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    return {};
}
