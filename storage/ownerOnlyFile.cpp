#include "ownerOnlyFile.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

bool createOwnerOnlyFile(const QString &path)
{
#ifdef Q_OS_UNIX
  // The mode is given at creation: there is no moment in which others may open the file.
  const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd >= 0) {
    ::close(fd);
    return true;
  }
  return QFileInfo::exists(path);
#else
  if (QFileInfo::exists(path))
    return true;
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return false;
  file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  return true;
#endif
}

bool restrictToOwner(const QString &path)
{
  return QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
