#pragma once

#include <QString>
#include <QVariantList>

#include <functional>

namespace HistorySchema {

// "SDHP" in the file's header: tells our history from other SQLite files.
inline constexpr int applicationId = 0x53444850;
inline constexpr int version = 3;

// Brings the tables up from an older version, inside the caller's transaction;
// exec runs one statement with its values bound in order and says whether it
// succeeded.
bool migrate(const std::function<bool(const QString &sql, const QVariantList &values)> &exec, int from);

} // namespace HistorySchema
