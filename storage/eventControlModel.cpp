#include "eventControlModel.h"

#include "eventLogExport.h"

#include <QDate>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUrl>

EventControl_DataBaseModel::EventControl_DataBaseModel(QObject *parent) : QSqlQueryModel(parent)
{
  updateModel_EVENTS_TABLE();
}

QVariant EventControl_DataBaseModel::data(const QModelIndex &index, int role) const
{
  if (role < DeviceRole || role > EventRole)
    return QSqlQueryModel::data(index, role);
  const QVariant stored =
      QSqlQueryModel::data(this->index(index.row(), role - Qt::UserRole - 1), Qt::DisplayRole);
  if (role == EventRole && !shownEventTexts.isEmpty())
    return shownEventTexts.value(stored.toString(), stored.toString());
  return stored;
}

void EventControl_DataBaseModel::setShownEventTexts(const QHash<QString, QString> &texts)
{
  shownEventTexts = texts;
  if (rowCount() > 0)
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {EventRole});
}

QHash<int, QByteArray> EventControl_DataBaseModel::roleNames() const
{
  return {{DeviceRole, "device"}, {DateRole, "date"}, {TimeRole, "time"}, {EventRole, "event"}};
}

void EventControl_DataBaseModel::updateModel_EVENTS_TABLE()
{
  // The view fetches further rows in batches as it scrolls, so a long log costs one batch here.
  setQuery(QStringLiteral("SELECT id, device, date, time, event FROM EventsTable ORDER BY id DESC "),
           QSqlDatabase::database());
}

int EventControl_DataBaseModel::getId(int row) const
{
  return data(index(row, 0), DateRole).toInt();
}

void EventControl_DataBaseModel::exportCSV_EVENTS_TABLE(const QString &newPathFile)
{
  exportEventLog(QSqlDatabase::database().databaseName(), newPathFile);
}

QString localPathOf(const QString &folderUrl)
{
  const QUrl url(folderUrl);
  return url.isLocalFile() ? url.toLocalFile() : folderUrl;
}

QString csvExportPath(const QString &folderUrl, const QDate &date)
{
  const QString folder = localPathOf(folderUrl);
  return folder + QStringLiteral("/upsEvents_") + date.toString(QStringLiteral("yyyyMMdd")) +
         QStringLiteral(".csv");
}
