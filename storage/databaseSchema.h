// The tables of upsData.db: their CREATE statements (the file format), their columns and the
// default rows written when a table is created.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

struct TableSchema {
  QString name;
  QString createStatement;
  QStringList columns;           // in table order, `id` first
  QStringList defaultRowColumns; // filled with '0' in the row written at creation; empty: no row
  bool optional = false;         // an imported file may lack it: it is then created empty
};

// The tables in the order in which they are created.
const std::vector<TableSchema> &databaseSchema();
