#include "settingsStore.h"

#include "emailFieldCheck.h"
#include "emailSettingsText.h"
#include "eventControlModel.h"
#include "upsDataBase.h"
#include "userSettings.h"

#include "common/logging.h"
#include "common/uiRecords.h"

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
uint16_t deviceRow(const DeviceRows &rows, const QString &table)
{
  if (!rows.database || rows.deviceName.isEmpty())
    return 0;
  return rows.database->deviceRow(table, rows.deviceName);
}

void write(const DeviceRows &rows, const QString &table, const QString &columnName, const QVariant &value)
{
  if (const uint16_t row = deviceRow(rows, table))
    rows.database->UpdateRow_inDatabase(table, columnName, value, row);
}

// The stored value, or a null string when the row has none (never written).
QString read(const DeviceRows &rows, const QString &table, const QString &columnName, uint16_t row)
{
  const QStringList values = rows.database->ReadRow_fromDatabase(table, columnName, row);
  return values.isEmpty() ? QString() : values.constFirst();
}

// A column never written is saved as empty text, so that the backup counts as taken.
QString savedValue(const DeviceRows &rows, const QString &table, const QString &columnName, uint16_t row)
{
  const QString value = read(rows, table, columnName, row);
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

void fillProgramstartRecord(const UserSettingsState &settings, ProgramstartWindowStruct &r)
{
  const ProgramStartConfig *p = settings.program;
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

void fillEmailRecord(const UserSettingsState &settings, EmailWindowStruct &r)
{
  for (int n = 0; n < 2; ++n) {
    const EmailConfig &e = settings.email[n];
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

void loadProgramStarts(UserSettingsState &settings, const DeviceRows &rows)
{
  const uint16_t row = deviceRow(rows, programTable);
  if (row == 0)
    return;
  for (int n = 0; n < 2; ++n) {
    settings.program[n].signalMask = read(rows, programTable, column("program%1_value", n), row).toUInt();
    settings.program[n].path = read(rows, programTable, column("program%1_path", n), row);
  }
}

void loadProgramDelays(UserSettingsState &settings, const DeviceRows &rows)
{
  const uint16_t row = deviceRow(rows, delayTable);
  if (row == 0)
    return;
  for (int n = 0; n < 2; ++n) {
    ProgramStartConfig &p = settings.program[n];
    p.hours = read(rows, delayTable, column("program%1_hours", n), row).toInt();
    p.minutes = read(rows, delayTable, column("program%1_minutes", n), row).toInt();
    p.seconds = read(rows, delayTable, column("program%1_seconds", n), row).toInt();
  }
}

void loadEmails(UserSettingsState &settings, const DeviceRows &rows)
{
  const uint16_t row = deviceRow(rows, emailTable);
  if (row == 0)
    return;
  for (int n = 0; n < 2; ++n) {
    EmailConfig e;
    e.signalMask = read(rows, emailTable, column("email%1_signal", n), row).toUInt();
    e.path = read(rows, emailTable, column("email%1_path", n), row);
    e.text = read(rows, emailTable, column("email%1_message_text", n), row);
    readEmailConfigText(read(rows, emailTable, column("email%1_config", n), row), e);
    readEmailMessageText(read(rows, emailTable, column("email%1_message", n), row), e);
    if (dropUnusableAddresses(e))
      qCWarning(lcDatabase) << "e-mail" << n + 1 << "of" << rows.deviceName
                            << "left without an address that holds a control character";
    settings.email[n] = e;
  }
}

void writeShutdown(const DeviceRows &rows, const QString &columnName, ShutdownChoice choice)
{
  const int value = (choice.pcShutdownEnable ? 1 : 0) + 2 * (choice.fastStartup ? 1 : 0);
  write(rows, shutdownTable, columnName, QString::number(value));
}

ShutdownChoice shutdownChoiceOf(int storedValue)
{
  return {(storedValue & 1) != 0, (storedValue & 2) != 0};
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

void requestSettingsReload(UserSettingsState &settings)
{
  settings.programReload = true;
  settings.delayReload = true;
  settings.emailReload = true;
}

bool loadRequestedSettings(UserSettingsState &settings, const DeviceRows &rows,
                           ProgramstartWindowStruct &programs, EmailWindowStruct &emails)
{
  if (rows.deviceName.isEmpty() || !rows.database)
    return false;
  bool loaded = false;
  if (settings.programReload || settings.delayReload) {
    settings.programReload = false;
    settings.delayReload = false;
    loadProgramStarts(settings, rows);
    loadProgramDelays(settings, rows);
    fillProgramstartRecord(settings, programs);
    loaded = true;
  }
  if (settings.emailReload) {
    settings.emailReload = false;
    loadEmails(settings, rows);
    fillEmailRecord(settings, emails);
    loaded = true;
  }
  return loaded;
}

void storeProgramStartEvent(UserSettingsState &settings, const DeviceRows &rows, int number, unsigned bit,
                            bool checked)
{
  if (!validNumber(number) || rows.deviceName.isEmpty())
    return;
  uint32_t &mask = settings.program[number].signalMask;
  mask = withBit(mask, bit, checked);
  write(rows, programTable, column("program%1_value", number), QString::number(mask));
  settings.programReload = true;
}

void storeProgramStartPath(UserSettingsState &settings, const DeviceRows &rows, int number,
                           const QString &pathOrUrl)
{
  if (!validNumber(number) || rows.deviceName.isEmpty())
    return;
  // A file chooser gives a URL; typed text is used as it stands.
  const QString path = localPathOf(pathOrUrl);
  settings.program[number].path = path;
  write(rows, programTable, column("program%1_path", number), path);
  settings.programReload = true;
}

void storeProgramDelay(UserSettingsState &settings, const DeviceRows &rows, int number, int field, int value)
{
  if (!validNumber(number) || field < 1 || field > 3 || value < 0 || value > 255 || rows.deviceName.isEmpty())
    return;
  ProgramStartConfig &p = settings.program[number];
  static const char *const columns[] = {"program%1_hours", "program%1_minutes", "program%1_seconds"};
  int *const fields[] = {&p.hours, &p.minutes, &p.seconds};
  *fields[field - 1] = value;
  write(rows, delayTable, column(columns[field - 1], number), QString::number(value));
  settings.delayReload = true;
}

void storeEmailEvent(UserSettingsState &settings, const DeviceRows &rows, int number, unsigned bit,
                     bool checked)
{
  if (!validNumber(number) || rows.deviceName.isEmpty())
    return;
  uint32_t &mask = settings.email[number].signalMask;
  mask = withBit(mask, bit, checked);
  write(rows, emailTable, column("email%1_signal", number), QString::number(mask));
  settings.emailReload = true;
}

bool storeEmailConfig(UserSettingsState &settings, const DeviceRows &rows, int number, int field,
                      const QString &value)
{
  if (!validNumber(number) || field < 1 || field > 5 || rows.deviceName.isEmpty())
    return true;
  if (!acceptsEmailConfigValue(field, value)) {
    settings.emailReload = true; // the page shows the stored value again
    return false;
  }
  EmailConfig &e = settings.email[number];
  QString *const fields[] = {&e.server, &e.user, &e.password, &e.port, &e.coding};
  *fields[field - 1] = field == 3 ? value : withoutBlanks(value);
  write(rows, emailTable, column("email%1_config", number), emailConfigText(e));
  settings.emailReload = true;
  return true;
}

bool storeEmailMessage(UserSettingsState &settings, const DeviceRows &rows, int number, int field,
                       const QString &value)
{
  if (!validNumber(number) || field < 1 || field > 7 || rows.deviceName.isEmpty())
    return true;
  if (!acceptsEmailMessageValue(field, value)) {
    settings.emailReload = true;
    return false;
  }
  EmailConfig &e = settings.email[number];
  switch (field) {
  case 3:
    e.path = localPathOf(value);
    write(rows, emailTable, column("email%1_path", number), e.path);
    break;
  case 6:
    e.text = value;
    write(rows, emailTable, column("email%1_message_text", number), e.text);
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
    write(rows, emailTable, column("email%1_message", number), emailMessageText(e));
    break;
  }
  settings.emailReload = true;
  return true;
}

bool setFactoryUserSettings(UserSettingsState &settings, const DeviceRows &rows)
{
  if (rows.deviceName.isEmpty() || !rows.database)
    return false;
  writeShutdown(rows, QStringLiteral("shutdown_active"), ShutdownChoice{});
  const QString blank = QStringLiteral(" ");
  for (int n = 0; n < 2; ++n) {
    settings.program[n] = ProgramStartConfig{};
    settings.program[n].path = blank;
    write(rows, programTable, column("program%1_value", n), QStringLiteral("0"));
    write(rows, programTable, column("program%1_path", n), blank);
    settings.email[n] = EmailConfig{};
    write(rows, emailTable, column("email%1_signal", n), QStringLiteral("0"));
    for (const char *c : {"email%1_message", "email%1_path", "email%1_message_text", "email%1_config"})
      write(rows, emailTable, column(c, n), blank);
    for (const char *c : {"program%1_hours", "program%1_minutes", "program%1_seconds"})
      write(rows, delayTable, column(c, n), QStringLiteral("0"));
  }
  requestSettingsReload(settings);
  return true;
}

void saveUserSettings(const DeviceRows &rows, ShutdownChoice shutdown)
{
  if (rows.deviceName.isEmpty() || !rows.database)
    return;
  // The in-memory values are the stored ones (every edit is written at once), so the backup
  // columns take the live columns' contents.
  writeShutdown(rows, QStringLiteral("shutdown_active") + backupSuffix, shutdown);
  for (const GroupColumns &group : settingsGroups()) {
    const uint16_t row = deviceRow(rows, group.table);
    if (row == 0)
      continue;
    for (const QString &name : group.columns)
      if (name != QLatin1String("shutdown_active"))
        rows.database->UpdateRow_inDatabase(group.table, name + backupSuffix,
                                            savedValue(rows, group.table, name, row), row);
  }
}

std::optional<ShutdownChoice> restoreUserSettings(UserSettingsState &settings, const DeviceRows &rows)
{
  if (rows.deviceName.isEmpty() || !rows.database)
    return std::nullopt;
  std::optional<ShutdownChoice> shutdown;
  for (const GroupColumns &group : settingsGroups()) {
    const uint16_t row = deviceRow(rows, group.table);
    if (row == 0)
      continue;
    // A group that was never saved keeps its live settings.
    if (read(rows, group.table, group.columns.constFirst() + backupSuffix, row).isNull())
      continue;
    for (const QString &name : group.columns)
      rows.database->UpdateRow_inDatabase(group.table, name,
                                          read(rows, group.table, name + backupSuffix, row), row);
    if (group.table == shutdownTable)
      shutdown = shutdownChoiceOf(read(rows, shutdownTable, QStringLiteral("shutdown_active"), row).toInt());
  }
  requestSettingsReload(settings);
  return shutdown;
}

void storeShutdownChoice(const DeviceRows &rows, ShutdownChoice choice)
{
  writeShutdown(rows, QStringLiteral("shutdown_active"), choice);
}

std::optional<ShutdownChoice> loadShutdownChoice(const DeviceRows &rows)
{
  const uint16_t row = deviceRow(rows, shutdownTable);
  if (row == 0)
    return std::nullopt;
  return shutdownChoiceOf(read(rows, shutdownTable, QStringLiteral("shutdown_active"), row).toInt());
}
