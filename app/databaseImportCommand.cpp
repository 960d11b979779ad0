// Puts a database file the user chose (or the user configuration file) in place of the application's
// own. Only the rows of the chosen file come over, into tables made by this program, so that nothing
// the file defines (triggers, views, other columns) reaches the database in use. The current file is
// replaced only by a complete copy; a refused or failed import leaves it and the open connection as
// they were.
#include "upsApp.h"

#include "appState.h"

#include "common/logging.h"
#include "storage/databaseImport.h"
#include "storage/eventControlModel.h"
#include "storage/ownerOnlyFile.h"
#include "storage/upsDataBase.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryFile>

namespace
{
constexpr uint8_t importMessageTicks = 50;

void refuse(AppState &s, int slot)
{
  postMessage(s.loop.message, languageText(s.language, slot), importMessageTicks);
}

// Writes the whole of `source` into `target`, not yet committed.
bool stageCopy(const QString &source, QSaveFile &target)
{
  QFile in(source);
  if (!in.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly))
    return false;
  while (!in.atEnd()) {
    const QByteArray block = in.read(1 << 16);
    if (block.isEmpty() || target.write(block) != block.size())
      return false;
  }
  return true;
}
} // namespace

bool upsApp::importDatabase(const QString &fileName, bool keepEventLog)
{
  AppState &s = appState();
  const QString ownFile = database->fileName();
  if (isSameFile(fileName, ownFile)) {
    refuse(s, TextSlot::importSameFile);
    return false;
  }
  // The clean copy is made beside the database, owner-only from the start (it holds passwords).
  QTemporaryFile cleanCopy(ownFile + QStringLiteral(".import-XXXXXX"));
  QString why;
  if (!cleanCopy.open() || !writeCleanCopy(fileName, cleanCopy.fileName(), &why)) {
    qCWarning(lcDatabase) << "import refused, not a database of this application:" << fileName << why;
    refuse(s, TextSlot::importNotADatabase);
    return false;
  }
  const QVector<QStringList> eventLog = keepEventLog ? readEventLog(ownFile) : QVector<QStringList>{};

  // The replacement takes the mode of the file it replaces.
  restrictToOwner(ownFile);
  QSaveFile replacement(ownFile);
  if (!stageCopy(cleanCopy.fileName(), replacement)) {
    qCWarning(lcDatabase) << "import failed, cannot copy" << fileName << replacement.errorString();
    replacement.cancelWriting();
    refuse(s, TextSlot::importFailed);
    return false;
  }

  // Let go of the current file, then rename the complete copy over it in one step.
  disconnect(database, nullptr, nullptr, nullptr);
  eventModel->clear();
  // Events still waiting for the old file go to the new one, after its log.
  const QVector<QStringList> waiting = database->takePendingEvents();
  delete database;
  database = nullptr;
  const bool replaced = replacement.commit();
  if (!replaced) {
    qCWarning(lcDatabase) << "import failed, cannot replace" << ownFile << replacement.errorString();
    refuse(s, TextSlot::importFailed);
  } else
    QFile::setPermissions(ownFile, QFileDevice::ReadOwner | QFileDevice::WriteOwner); // it holds passwords
  database = new Ups_DataBase(this, ownFile);
  s.storage.database = database;

  if (replaced && keepEventLog) {
    database->DeleteData_from_EVETS_TABLE();
    for (const QStringList &row : eventLog)
      database->InserIntoTable_EVENTS_TABLE({row.at(0), row.at(1), row.at(2), row.at(3)}); // not new events
  }
  for (const QStringList &row : waiting)
    database->PrepareInserIntoTable_EVENTS_TABLE(row.at(0), row.at(1), row.at(2), row.at(3));
  eventModel->updateModel_EVENTS_TABLE();
  // The next tick reloads every setting from the imported file (the full refresh asks for the
  // device settings, the first-tick step for the system settings).
  s.loop.fullRefreshPending = true;
  s.loop.firstTick = true;
  return replaced;
}
