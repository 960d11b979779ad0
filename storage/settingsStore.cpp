#include "settingsStore.h"

#include "emailSettingsText.h"
#include "eventControlModel.h"
#include "upsDataBase.h"
#include "userSettings.h"

#include "app/appState.h"
#include "devices/currentDevice.h"

#include <QMetaProperty>

namespace
{
const QString programTable = QStringLiteral("Programstart");
const QString delayTable = QStringLiteral("ProgramDelaytime");
const QString emailTable = QStringLiteral("Email");
const QString shutdownTable = QStringLiteral("Shutdown");
const QString backupSuffix = QStringLiteral("_backup");

QString column(const char *pattern, int number)
{
  return QString::fromLatin1(pattern).arg(number + 1);
}

// The selected device's row of `table` (created when missing), or 0 when there is nothing to address.
uint16_t deviceRow(AppState &s, const QString &table)
{
  const QString device = currentCatalogueEntry(s).name;
  if (!s.storage.database || device.isEmpty())
    return 0;
  return s.storage.database->deviceRow(table, device);
}

void write(AppState &s, const QString &table, const QString &columnName, const QVariant &value)
{
  if (const uint16_t row = deviceRow(s, table))
    s.storage.database->UpdateRow_inDatabase(table, columnName, value, row);
}

// The stored value, or a null string when the row has none (never written).
QString read(AppState &s, const QString &table, const QString &columnName, uint16_t row)
{
  const QStringList values = s.storage.database->ReadRow_fromDatabase(table, columnName, row);
  return values.isEmpty() ? QString() : values.constFirst();
}

// A column never written is saved as empty text, so that the backup counts as taken.
QString savedValue(AppState &s, const QString &table, const QString &columnName, uint16_t row)
{
  const QString value = read(s, table, columnName, row);
  return value.isNull() ? QStringLiteral("") : value;
}

uint32_t withBit(uint32_t mask, unsigned bit, bool on)
{
  if (bit > 31)
    return mask;
  return on ? (mask | (1u << bit)) : (mask & ~(1u << bit));
}

bool validNumber(int number)
{
  return number == 0 || number == 1;
}

template <typename Record> void setProperty(Record &record, const QString &name, const QVariant &value)
{
  const QMetaObject &meta = Record::staticMetaObject;
  meta.property(meta.indexOfProperty(name.toLatin1().constData())).writeOnGadget(&record, value);
}

void fillProgramstartRecord(AppState &s)
{
  ProgramstartWindowStruct &r = s.ui.programstartWindow;
  const ProgramStartConfig *p = s.settings.program;
  r.Hours1_CurrentIndex = p[0].hours;
  r.Minutes1_CurrentIndex = p[0].minutes;
  r.Seconds1_CurrentIndex = p[0].seconds;
  r.Hours2_CurrentIndex = p[1].hours;
  r.Minutes2_CurrentIndex = p[1].minutes;
  r.Seconds2_CurrentIndex = p[1].seconds;
  for (int n = 0; n < 2; ++n) {
    const QString prefix = QStringLiteral("p%1_").arg(n + 1);
    setProperty(r, prefix + QStringLiteral("activ"), (p[n].signalMask & 1u) != 0);
    for (int k = 1; k <= 15; ++k)
      setProperty(r, prefix + QStringLiteral("signal%1").arg(k), (p[n].signalMask & (1u << k)) != 0);
    setProperty(r, prefix + QStringLiteral("path"), p[n].path);
  }
}

void fillEmailRecord(AppState &s)
{
  EmailWindowStruct &r = s.ui.emailWindow;
  for (int n = 0; n < 2; ++n) {
    const EmailConfig &e = s.settings.email[n];
    const QString value = QStringLiteral("email%1_").arg(n + 1);
    setProperty(r, value + QStringLiteral("ServerValue"), e.server);
    setProperty(r, value + QStringLiteral("UsernameValue"), e.user);
    setProperty(r, value + QStringLiteral("PasswordValue"), e.password);
    setProperty(r, value + QStringLiteral("PortValue"), e.port);
    setProperty(r, value + QStringLiteral("CodingValue"), e.coding.toInt());
    setProperty(r, value + QStringLiteral("FromValue"), e.from);
    setProperty(r, value + QStringLiteral("ToValue"), e.to);
    setProperty(r, value + QStringLiteral("CcValue"), e.cc);
    setProperty(r, value + QStringLiteral("SubjectValue"), e.subject);
    setProperty(r, value + QStringLiteral("TextValue"), e.text);
    setProperty(r, QStringLiteral("eventReport_Attachment_active_%1").arg(n + 1), e.attachReport);
    const QString prefix = QStringLiteral("e%1_").arg(n + 1);
    setProperty(r, prefix + QStringLiteral("activ"), (e.signalMask & 1u) != 0);
    for (int k = 1; k <= 15; ++k)
      setProperty(r, prefix + QStringLiteral("signal%1").arg(k), (e.signalMask & (1u << k)) != 0);
    setProperty(r, prefix + QStringLiteral("path"), e.path);
  }
}

void loadProgramStarts(AppState &s)
{
  const uint16_t row = deviceRow(s, programTable);
  if (row == 0)
    return;
  for (int n = 0; n < 2; ++n) {
    s.settings.program[n].signalMask = read(s, programTable, column("program%1_value", n), row).toUInt();
    s.settings.program[n].path = read(s, programTable, column("program%1_path", n), row);
  }
}

void loadProgramDelays(AppState &s)
{
  const uint16_t row = deviceRow(s, delayTable);
  if (row == 0)
    return;
  for (int n = 0; n < 2; ++n) {
    ProgramStartConfig &p = s.settings.program[n];
    p.hours = read(s, delayTable, column("program%1_hours", n), row).toInt();
    p.minutes = read(s, delayTable, column("program%1_minutes", n), row).toInt();
    p.seconds = read(s, delayTable, column("program%1_seconds", n), row).toInt();
  }
}

void loadEmails(AppState &s)
{
  const uint16_t row = deviceRow(s, emailTable);
  if (row == 0)
    return;
  for (int n = 0; n < 2; ++n) {
    EmailConfig e;
    e.signalMask = read(s, emailTable, column("email%1_signal", n), row).toUInt();
    e.path = read(s, emailTable, column("email%1_path", n), row);
    e.text = read(s, emailTable, column("email%1_message_text", n), row);
    readEmailConfigText(read(s, emailTable, column("email%1_config", n), row), e);
    readEmailMessageText(read(s, emailTable, column("email%1_message", n), row), e);
    s.settings.email[n] = e;
  }
}

void writeShutdown(AppState &s, const QString &columnName)
{
  const int value =
      (s.ui.shutdownWindow.pcShutdownEnable ? 1 : 0) + 2 * (s.ui.processData.fastStartup ? 1 : 0);
  write(s, shutdownTable, columnName, QString::number(value));
}

// The live and backup columns of every group, in the order they are saved and restored.
struct GroupColumns {
  QString table;
  QStringList columns;
};

QVector<GroupColumns> settingsGroups()
{
  QVector<GroupColumns> groups{{shutdownTable, {QStringLiteral("shutdown_active")}},
                               {programTable, {}},
                               {emailTable, {}},
                               {delayTable, {}}};
  for (int n = 0; n < 2; ++n) {
    groups[1].columns << column("program%1_value", n) << column("program%1_path", n);
    groups[2].columns << column("email%1_signal", n) << column("email%1_message", n)
                      << column("email%1_config", n) << column("email%1_path", n)
                      << column("email%1_message_text", n);
    groups[3].columns << column("program%1_hours", n) << column("program%1_minutes", n)
                      << column("program%1_seconds", n);
  }
  return groups;
}
} // namespace

void requestSettingsReload(AppState &s)
{
  s.settings.programReload = true;
  s.settings.delayReload = true;
  s.settings.emailReload = true;
}

bool loadRequestedSettings(AppState &s)
{
  if (currentCatalogueEntry(s).name.isEmpty() || !s.storage.database)
    return false;
  bool loaded = false;
  if (s.settings.programReload || s.settings.delayReload) {
    s.settings.programReload = false;
    s.settings.delayReload = false;
    loadProgramStarts(s);
    loadProgramDelays(s);
    fillProgramstartRecord(s);
    loaded = true;
  }
  if (s.settings.emailReload) {
    s.settings.emailReload = false;
    loadEmails(s);
    fillEmailRecord(s);
    loaded = true;
  }
  return loaded;
}

void storeProgramStartEvent(AppState &s, int number, unsigned bit, bool checked)
{
  if (!validNumber(number) || currentCatalogueEntry(s).name.isEmpty())
    return;
  uint32_t &mask = s.settings.program[number].signalMask;
  mask = withBit(mask, bit, checked);
  write(s, programTable, column("program%1_value", number), QString::number(mask));
  s.settings.programReload = true;
}

void storeProgramStartPath(AppState &s, int number, const QString &pathOrUrl)
{
  if (!validNumber(number) || currentCatalogueEntry(s).name.isEmpty())
    return;
  // A file chooser gives a URL; typed text is used as it stands.
  const QString path = localPathOf(pathOrUrl);
  s.settings.program[number].path = path;
  write(s, programTable, column("program%1_path", number), path);
  s.settings.programReload = true;
}

void storeProgramDelay(AppState &s, int number, int field, int value)
{
  if (!validNumber(number) || field < 1 || field > 3 || value < 0 || value > 255 ||
      currentCatalogueEntry(s).name.isEmpty())
    return;
  ProgramStartConfig &p = s.settings.program[number];
  static const char *const columns[] = {"program%1_hours", "program%1_minutes", "program%1_seconds"};
  int *const fields[] = {&p.hours, &p.minutes, &p.seconds};
  *fields[field - 1] = value;
  write(s, delayTable, column(columns[field - 1], number), QString::number(value));
  s.settings.delayReload = true;
}

void storeEmailEvent(AppState &s, int number, unsigned bit, bool checked)
{
  if (!validNumber(number) || currentCatalogueEntry(s).name.isEmpty())
    return;
  uint32_t &mask = s.settings.email[number].signalMask;
  mask = withBit(mask, bit, checked);
  write(s, emailTable, column("email%1_signal", number), QString::number(mask));
  s.settings.emailReload = true;
}

void storeEmailConfig(AppState &s, int number, int field, const QString &value)
{
  if (!validNumber(number) || field < 1 || field > 5 || currentCatalogueEntry(s).name.isEmpty())
    return;
  EmailConfig &e = s.settings.email[number];
  QString *const fields[] = {&e.server, &e.user, &e.password, &e.port, &e.coding};
  *fields[field - 1] = field == 3 ? value : withoutBlanks(value);
  write(s, emailTable, column("email%1_config", number), emailConfigText(e));
  s.settings.emailReload = true;
}

void storeEmailMessage(AppState &s, int number, int field, const QString &value)
{
  if (!validNumber(number) || field < 1 || field > 7 || currentCatalogueEntry(s).name.isEmpty())
    return;
  EmailConfig &e = s.settings.email[number];
  switch (field) {
  case 3:
    e.path = localPathOf(value);
    write(s, emailTable, column("email%1_path", number), e.path);
    break;
  case 6:
    e.text = value;
    write(s, emailTable, column("email%1_message_text", number), e.text);
    break;
  default:
    if (field == 1)
      e.from = withoutBlanks(value);
    else if (field == 2)
      e.to = withoutBlanks(value);
    else if (field == 4)
      e.cc = withoutBlanks(value);
    else if (field == 5)
      e.subject = value;
    else if (field == 7)
      e.attachReport = value == QLatin1String("true") || value.toInt() != 0;
    write(s, emailTable, column("email%1_message", number), emailMessageText(e));
    break;
  }
  s.settings.emailReload = true;
}

void setFactoryUserSettings(AppState &s)
{
  if (currentCatalogueEntry(s).name.isEmpty() || !s.storage.database)
    return;
  s.ui.shutdownWindow.pcShutdownEnable = false;
  s.ui.processData.fastStartup = false;
  writeShutdown(s, QStringLiteral("shutdown_active"));
  const QString blank = QStringLiteral(" ");
  for (int n = 0; n < 2; ++n) {
    s.settings.program[n] = ProgramStartConfig{};
    s.settings.program[n].path = blank;
    write(s, programTable, column("program%1_value", n), QStringLiteral("0"));
    write(s, programTable, column("program%1_path", n), blank);
    s.settings.email[n] = EmailConfig{};
    write(s, emailTable, column("email%1_signal", n), QStringLiteral("0"));
    for (const char *c : {"email%1_message", "email%1_path", "email%1_message_text", "email%1_config"})
      write(s, emailTable, column(c, n), blank);
    for (const char *c : {"program%1_hours", "program%1_minutes", "program%1_seconds"})
      write(s, delayTable, column(c, n), QStringLiteral("0"));
  }
  requestSettingsReload(s);
}

void saveUserSettings(AppState &s)
{
  if (currentCatalogueEntry(s).name.isEmpty() || !s.storage.database)
    return;
  // The in-memory values are the stored ones (every edit is written at once), so the backup
  // columns take the live columns' contents.
  writeShutdown(s, QStringLiteral("shutdown_active") + backupSuffix);
  for (const GroupColumns &group : settingsGroups()) {
    const uint16_t row = deviceRow(s, group.table);
    if (row == 0)
      continue;
    for (const QString &name : group.columns)
      if (name != QLatin1String("shutdown_active"))
        s.storage.database->UpdateRow_inDatabase(group.table, name + backupSuffix,
                                                 savedValue(s, group.table, name, row), row);
  }
}

void restoreUserSettings(AppState &s)
{
  if (currentCatalogueEntry(s).name.isEmpty() || !s.storage.database)
    return;
  for (const GroupColumns &group : settingsGroups()) {
    const uint16_t row = deviceRow(s, group.table);
    if (row == 0)
      continue;
    // A group that was never saved keeps its live settings.
    if (read(s, group.table, group.columns.constFirst() + backupSuffix, row).isNull())
      continue;
    for (const QString &name : group.columns)
      s.storage.database->UpdateRow_inDatabase(group.table, name,
                                               read(s, group.table, name + backupSuffix, row), row);
    if (group.table == shutdownTable) {
      const int value = read(s, shutdownTable, QStringLiteral("shutdown_active"), row).toInt();
      s.ui.shutdownWindow.pcShutdownEnable = (value & 1) != 0;
      s.ui.processData.fastStartup = (value & 2) != 0;
    }
  }
  requestSettingsReload(s);
}
