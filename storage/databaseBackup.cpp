#include "databaseBackup.h"

#include "common/logging.h"
#include "eventControlModel.h"
#include "ownerOnlyFile.h"

#include <QFile>
#include <QSaveFile>

QString backupFilePath(const QString &folderUrl, const QDate &date)
{
  return localPathOf(folderUrl) + QStringLiteral("/upsData_") + date.toString(QStringLiteral("yyyyMMdd")) +
         QStringLiteral(".db");
}

bool backupDatabaseFile(const QString &databaseFile, const QString &target)
{
  QFile source(databaseFile);
  if (!source.open(QIODevice::ReadOnly)) {
    qCWarning(lcDatabase) << "backup: cannot read" << databaseFile << source.errorString();
    return false;
  }
  // QSaveFile writes beside the target and renames over it on commit; its temporary file takes the
  // target's mode, so an owner-only target keeps the copy (it holds the passwords) owner-only
  // throughout.
  if (!createOwnerOnlyFile(target) || !restrictToOwner(target)) {
    qCWarning(lcDatabase) << "backup: cannot write" << target;
    return false;
  }
  QSaveFile copy(target);
  if (!copy.open(QIODevice::WriteOnly)) {
    qCWarning(lcDatabase) << "backup: cannot write" << target << copy.errorString();
    return false;
  }
  while (!source.atEnd()) {
    const QByteArray block = source.read(1 << 16);
    if (block.isEmpty() || copy.write(block) != block.size()) {
      copy.cancelWriting();
      qCWarning(lcDatabase) << "backup: copy failed" << target << copy.errorString();
      return false;
    }
  }
  if (!copy.commit()) {
    qCWarning(lcDatabase) << "backup: cannot finish" << target << copy.errorString();
    return false;
  }
  return true;
}
