#include "autostart.h"

#include "pcActions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace
{
#ifndef Q_OS_WIN
// Characters that make a desktop entry's command-line argument need double quotes.
const QString reservedCharacters = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");

QString quotedArgument(const QString &argument)
{
  QString quoted = argument;
  bool needsQuotes = argument.isEmpty();
  for (const QChar c : argument) {
    if (reservedCharacters.contains(c))
      needsQuotes = true;
  }
  if (needsQuotes) {
    QString escaped;
    for (const QChar c : argument) {
      if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
        escaped += QLatin1Char('\\');
      escaped += c;
    }
    quoted = QLatin1Char('"') + escaped + QLatin1Char('"');
  }
  // A percent sign would start a field code.
  quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
  return quoted;
}

// The escapes of a string value, applied to the whole value after the quoting.
QString escapedValue(const QString &value)
{
  QString escaped;
  for (const QChar c : value) {
    if (c == QLatin1Char('\\'))
      escaped += QStringLiteral("\\\\");
    else if (c == QLatin1Char('\n'))
      escaped += QStringLiteral("\\n");
    else if (c == QLatin1Char('\t'))
      escaped += QStringLiteral("\\t");
    else if (c == QLatin1Char('\r'))
      escaped += QStringLiteral("\\r");
    else
      escaped += c;
  }
  return escaped;
}
#endif
} // namespace

QString desktopExecLine(const QString &program, const QStringList &arguments)
{
#ifdef Q_OS_WIN
  Q_UNUSED(program)
  Q_UNUSED(arguments)
  return {};
#else
  QStringList parts{quotedArgument(program)};
  for (const QString &argument : arguments)
    parts << quotedArgument(argument);
  return escapedValue(parts.join(QLatin1Char(' ')));
#endif
}

QString autostartFile()
{
#ifdef Q_OS_WIN
  return QDir::homePath() +
         QStringLiteral("/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Startup/talvane.lnk");
#else
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/autostart/talvane.desktop");
#endif
}

namespace
{
bool writeAutostartEntry(const QString &file, const QStringList &extraPorts)
{
#ifdef Q_OS_WIN
  Q_UNUSED(extraPorts)
  QFile::remove(file);
  return QFile::link(QDir::currentPath() + QStringLiteral("/talvane.exe"), file);
#else
  // The same program with the same ports, in the folder whose database it uses now.
  QStringList arguments;
  for (const QString &port : extraPorts)
    arguments << QStringLiteral("--serial-port") << port;
  if (!QDir().mkpath(QFileInfo(file).absolutePath()))
    return false;
  QSaveFile entry(file);
  if (!entry.open(QIODevice::WriteOnly | QIODevice::Text))
    return false;
  const QString text = QStringLiteral("[Desktop Entry]\n"
                                      "Type=Application\n"
                                      "Name=Talvane\n"
                                      "Exec=%1\n"
                                      "Path=%2\n"
                                      "Terminal=false\n"
                                      "X-GNOME-Autostart-enabled=true\n")
                           .arg(desktopExecLine(QCoreApplication::applicationFilePath(), arguments),
                                escapedValue(QDir::currentPath()));
  entry.write(text.toUtf8());
  return entry.commit();
#endif
}
} // namespace

bool setAutostart(bool on, const QStringList &extraPorts)
{
  const QString file = autostartFile();
  const bool done =
      on ? writeAutostartEntry(file, extraPorts) : (!QFileInfo::exists(file) || QFile::remove(file));
  if (!done)
    qCWarning(lcActions) << "could not" << (on ? "write" : "remove") << file;
  return done;
}
