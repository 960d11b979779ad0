#include "dataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString enterDataFolder(const QString &folder)
{
  const QString path = QDir::cleanPath(QDir::current().absoluteFilePath(folder));
  if (!QFileInfo(path).isDir()) {
    if (!QDir().mkpath(path))
      return QStringLiteral("cannot create the data folder %1").arg(path);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  }
  if (!QDir::setCurrent(path))
    return QStringLiteral("cannot change into the data folder %1").arg(path);
  return QString();
}

QString userDataFolder()
{
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}
