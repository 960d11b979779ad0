#include "eventLogExport.h"

#include "common/logging.h"

#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <sqlite3.h>

#include <limits>
#include <memory>

namespace
{
// Rows read per statement: between two reads the main connection can write, so an event that
// occurs during a long export is logged at once rather than after it.
constexpr int rowsPerRead = 20000;
constexpr int writeBlock = 1 << 20;

struct CloseDatabase {
  void operator()(sqlite3 *db) const { sqlite3_close(db); }
};
struct FinishStatement {
  void operator()(sqlite3_stmt *statement) const { sqlite3_finalize(statement); }
};

// The rows come straight from SQLite as UTF-8: no per-value conversion on the way to the file.
bool writeRows(sqlite3 *db, QSaveFile &out, qint64 lastId)
{
  sqlite3_stmt *prepared = nullptr;
  if (sqlite3_prepare_v2(db,
                         "SELECT id, device, date, time, event FROM EventsTable WHERE id <= ?1 "
                         "ORDER BY id DESC LIMIT ?2",
                         -1, &prepared, nullptr) != SQLITE_OK)
    return false;
  const std::unique_ptr<sqlite3_stmt, FinishStatement> statement(prepared);
  QByteArray block;
  block.reserve(writeBlock + 4096);
  qint64 below = lastId;
  for (;;) {
    sqlite3_bind_int64(prepared, 1, below);
    sqlite3_bind_int(prepared, 2, rowsPerRead);
    int rows = 0;
    int step;
    while ((step = sqlite3_step(prepared)) == SQLITE_ROW) {
      ++rows;
      below = sqlite3_column_int64(prepared, 0) - 1;
      for (int column = 1; column <= 4; ++column) {
        block.append(reinterpret_cast<const char *>(sqlite3_column_text(prepared, column)),
                     sqlite3_column_bytes(prepared, column));
        block.append(column < 4 ? ';' : '\n');
      }
      if (block.size() >= writeBlock) {
        if (out.write(block) != block.size())
          return false;
        block.clear();
      }
    }
    sqlite3_reset(prepared); // lets go of the read lock until the next block
    if (step != SQLITE_DONE)
      return false;
    if (rows < rowsPerRead)
      break;
  }
  return out.write(block) == block.size();
}
} // namespace

bool exportEventLog(const QString &databaseFile, const QString &target, qint64 lastId)
{
  sqlite3 *opened = nullptr;
  const int status =
      sqlite3_open_v2(databaseFile.toUtf8().constData(), &opened, SQLITE_OPEN_READONLY, nullptr);
  const std::unique_ptr<sqlite3, CloseDatabase> db(opened);
  QSaveFile out(target);
  bool written = false;
  if (status == SQLITE_OK && out.open(QIODevice::WriteOnly)) {
    // The main connection may be writing an event: wait for it rather than fail.
    sqlite3_busy_timeout(opened, 5000);
    written =
        writeRows(opened, out, lastId >= 0 ? lastId : std::numeric_limits<qint64>::max()) && out.commit();
    if (!written)
      out.cancelWriting();
  }
  if (!written)
    qCWarning(lcDatabase) << "event log export to" << target << "failed";
  return written;
}

qint64 newestEventId()
{
  QSqlQuery query(QSqlDatabase::database());
  if (query.exec(QStringLiteral("SELECT MAX(id) FROM EventsTable")) && query.next() && !query.isNull(0))
    return query.value(0).toLongLong();
  return -1;
}
