#pragma once

#include <QString>

#include <functional>

namespace HistorySchema {

// "SDHP" in the file's header: tells our history from other SQLite files.
inline constexpr int applicationId = 0x53444850;
inline constexpr int version = 2;

// Brings the tables up from an older version, inside the caller's transaction;
// exec runs one statement and says whether it succeeded.
bool migrate(const std::function<bool(const QString &sql)> &exec, int from);

} // namespace HistorySchema
