#include "history/sheetarchive.h"

#include <QVariantList>

#include "history/historyconnection.h"
#include "history/historyrows.h"

using namespace HistoryRows;

SheetArchive::SheetArchive(HistoryConnection &connection, RowChecks &checks)
    : db(connection)
    , checks(checks)
{
}

bool SheetArchive::keep(const PrintedSheet &sheet)
{
    if (!db.open(true))
        return false;
    const WorksheetSetup &setup = sheet.setup;
    const int operations = (setup.addition ? 1 : 0) | (setup.subtraction ? 2 : 0) | (setup.multiplication ? 4 : 0)
                         | (setup.division ? 8 : 0);
    return db.transaction([&] {
        QSqlQuery query = db.query();
        return db.run(query,
                      QStringLiteral("INSERT OR REPLACE INTO sheets (number, name, operations, advanced_range, top_min, "
                                     "top_max, bottom_min, bottom_max, top_limit, bottom_limit, divisor_low, "
                                     "divisor_high, card_count, weak_facts) "
                                     "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                      {sheet.number, notNull(sheet.name), operations, setup.advancedRange, setup.topMin, setup.topMax,
                       setup.bottomMin, setup.bottomMax, setup.topLimit, setup.bottomLimit, setup.divisorLow,
                       setup.divisorHigh, setup.cardCount, notNull(weakFactsText(sheet.weakFacts))})
            && db.run(query,
                      QStringLiteral("DELETE FROM sheets WHERE id NOT IN "
                                     "(SELECT id FROM sheets ORDER BY id DESC LIMIT ?)"),
                      {keptSheets});
    });
}

std::optional<PrintedSheet> SheetArchive::sheet(int number)
{
    std::optional<PrintedSheet> found;
    db.select(QStringLiteral("SELECT id, name, operations, advanced_range, top_min, top_max, bottom_min, bottom_max, "
                             "top_limit, bottom_limit, divisor_low, divisor_high, card_count, weak_facts "
                             "FROM sheets WHERE number = ?"),
              {number}, [&](const QSqlQuery &row) {
                  PrintedSheet sheet;
                  sheet.number = number;
                  sheet.name = row.value(1).toString();
                  const auto operations = wholeOf(row.value(2), 0, 15);
                  const auto advanced = wholeOf(row.value(3), 0, 1);
                  WorksheetSetup &setup = sheet.setup;
                  // The ranges the setup tabs allow: anything else could make a
                  // sheet that never finishes drawing.
                  const std::pair<int *, std::pair<int, int>> numbers[] = {
                      {&setup.topMin, {1, 99}},    {&setup.topMax, {1, 99}},     {&setup.bottomMin, {1, 99}},
                      {&setup.bottomMax, {1, 99}}, {&setup.topLimit, {1, 99}},   {&setup.bottomLimit, {1, 99}},
                      {&setup.divisorLow, {2, 9}}, {&setup.divisorHigh, {2, 9}}, {&setup.cardCount, {10, 100}}};
                  bool sound = operations && advanced;
                  for (int i = 0; i < 9; ++i) {
                      const auto value = wholeOf(row.value(4 + i), numbers[i].second.first, numbers[i].second.second);
                      sound = sound && value;
                      *numbers[i].first = value.value_or(0);
                  }
                  const auto weak = weakFactsOf(row.value(13).toString());
                  if (!sound || !weak) {
                      checks.reject(QStringLiteral("sheets"), row.value(0));
                      return;
                  }
                  setup.addition = *operations & 1;
                  setup.subtraction = *operations & 2;
                  setup.multiplication = *operations & 4;
                  setup.division = *operations & 8;
                  setup.advancedRange = *advanced == 1;
                  sheet.weakFacts = *weak;
                  found = sheet;
              });
    return found;
}

bool SheetArchive::forgetChild(const QString &key)
{
    QSqlQuery query = db.query();
    QVariantList sheets;
    if (!db.run(query, QStringLiteral("SELECT id, name FROM sheets")))
        return false;
    while (query.next())
        if (childKey(query.value(1).toString()) == key)
            sheets.append(query.value(0));
    for (const QVariant &id : sheets)
        if (!db.run(query, QStringLiteral("DELETE FROM sheets WHERE id = ?"), {id}))
            return false;
    return true;
}
