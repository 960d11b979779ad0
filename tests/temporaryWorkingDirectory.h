// Moves a test into a fresh temporary folder, where the application keeps its database file.
#pragma once

#include <QDir>
#include <QTemporaryDir>

class TemporaryWorkingDirectory
{
public:
  TemporaryWorkingDirectory() : previous(QDir::currentPath()) { QDir::setCurrent(dir.path()); }
  ~TemporaryWorkingDirectory() { QDir::setCurrent(previous); }
  QString path() const { return dir.path(); }

private:
  QTemporaryDir dir;
  QString previous;
};
