#include "databaseSchema.h"

#include <QRegularExpression>

#include <iterator>

namespace
{
// The statements stand exactly as older files were made with.
const char *const createStatements[] = {
    "CREATE TABLE EventsTable (id INTEGER PRIMARY KEY AUTOINCREMENT, device VARCHAR(255)    NOT NULL,date "
    "VARCHAR(255)    NOT NULL,time VARCHAR(255)    NOT NULL,event VARCHAR(255)    NOT NULL )",
    "CREATE TABLE SystemMain (id INTEGER PRIMARY KEY AUTOINCREMENT, language INTEGER,temparatur_unit "
    "INTEGER,autostart INTEGER,save_settings INTEGER,password VARCHAR(255),comport "
    "INTEGER,auto_device_detecting "
    "INTEGER,app_open_maximized INTEGER )",
    "CREATE TABLE Shutdown (id INTEGER PRIMARY KEY AUTOINCREMENT, device VARCHAR(255),shutdown_active "
    "INTEGER,shutdown_active_backup INTEGER )",
    "CREATE TABLE Parameter (id INTEGER PRIMARY KEY AUTOINCREMENT, device VARCHAR(255),par_settings "
    "VARCHAR(255) )",
    "CREATE TABLE Programstart (id INTEGER PRIMARY KEY AUTOINCREMENT, device VARCHAR(255),program1_value "
    "INTEGER,program1_path VARCHAR(255),program2_value INTEGER,program2_path "
    "VARCHAR(255),program1_value_backup "
    "INTEGER,program1_path_backup VARCHAR(255),program2_value_backup INTEGER,program2_path_backup "
    "VARCHAR(255) )",
    "CREATE TABLE Email (id INTEGER PRIMARY KEY AUTOINCREMENT, device VARCHAR(255),email1_signal "
    "INTEGER,email1_config VARCHAR(255),email1_message VARCHAR(255),email1_message_text "
    "VARCHAR(255),email1_path "
    "VARCHAR(255),email2_signal INTEGER,email2_config VARCHAR(255),email2_message "
    "VARCHAR(255),email2_message_text "
    "VARCHAR(255),email2_path VARCHAR(255),email1_signal_backup INTEGER,email1_config_backup "
    "VARCHAR(255),email1_message_backup VARCHAR(255),email1_message_text_backup "
    "VARCHAR(255),email1_path_backup "
    "VARCHAR(255),email2_signal_backup INTEGER,email2_config_backup VARCHAR(255),email2_message_backup "
    "VARCHAR(255),email2_message_text_backup VARCHAR(255),email2_path_backup VARCHAR(255) )",
    "CREATE TABLE ProgramDelaytime (id INTEGER PRIMARY KEY AUTOINCREMENT, device VARCHAR(255),program1_hours "
    "INTEGER,program1_minutes INTEGER,program1_seconds INTEGER,program2_hours INTEGER,program2_minutes "
    "INTEGER,program2_seconds INTEGER,program1_hours_backup INTEGER,program1_minutes_backup "
    "INTEGER,program1_seconds_backup INTEGER,program2_hours_backup INTEGER,program2_minutes_backup "
    "INTEGER,program2_seconds_backup INTEGER )",
    // Newer than the others: files made before them lack them.
    "CREATE TABLE NutServer (name TEXT PRIMARY KEY, value TEXT)",
    "CREATE TABLE LinkSettings (name TEXT PRIMARY KEY, value TEXT)",
};
constexpr size_t firstOptionalTable = 7;

// The column names of a CREATE statement: the first word of each definition between the brackets.
QStringList columnsOf(const QString &statement)
{
  const int open = statement.indexOf(QLatin1Char('('));
  const int close = statement.lastIndexOf(QLatin1Char(')'));
  QStringList columns;
  const QStringList definitions = statement.mid(open + 1, close - open - 1).split(QLatin1Char(','));
  for (const QString &definition : definitions)
    columns << definition.trimmed().section(QLatin1Char(' '), 0, 0);
  return columns;
}

std::vector<TableSchema> makeSchema()
{
  // Default rows: the per-device ones carry no device and are never looked up; the e-mail table's
  // would never be read.
  const QStringList defaultColumns[] = {
      {},
      {"language", "temparatur_unit", "autostart", "save_settings", "password", "comport",
       "auto_device_detecting", "app_open_maximized"},
      {"device", "shutdown_active", "shutdown_active_backup"},
      {"device", "par_settings"},
      {"program1_value", "program1_path", "program2_value", "program2_path", "program1_value_backup",
       "program1_path_backup", "program2_value_backup", "program2_path_backup"},
      {},
      {"program1_hours", "program1_minutes", "program1_seconds", "program2_hours", "program2_minutes",
       "program2_seconds", "program1_hours_backup", "program1_minutes_backup", "program1_seconds_backup",
       "program2_hours_backup", "program2_minutes_backup", "program2_seconds_backup"},
      {},
      {},
  };
  static_assert(std::size(defaultColumns) == std::size(createStatements));
  std::vector<TableSchema> schema;
  for (size_t i = 0; i < std::size(createStatements); ++i) {
    const QString statement = QString::fromLatin1(createStatements[i]);
    const QString name = statement.section(QLatin1Char(' '), 2, 2);
    schema.push_back({name, statement, columnsOf(statement), defaultColumns[i], i >= firstOptionalTable});
  }
  return schema;
}
} // namespace

const std::vector<TableSchema> &databaseSchema()
{
  static const std::vector<TableSchema> schema = makeSchema();
  return schema;
}
