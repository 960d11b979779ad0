// The event log as the event page shows it (newest first), and its export as a CSV file.
#pragma once

#include <QHash>
#include <QSqlQueryModel>

class EventControl_DataBaseModel : public QSqlQueryModel
{
  Q_OBJECT

public:
  enum Roles { DeviceRole = Qt::UserRole + 2, DateRole, TimeRole, EventRole };

  explicit EventControl_DataBaseModel(QObject *parent = nullptr);

  QVariant data(const QModelIndex &index, int role) const override;
  QHash<int, QByteArray> roleNames() const override;

  // Event texts as the view shows them: a stored text found here is shown as its value. What is
  // stored, and exported, stays as it was written.
  void setShownEventTexts(const QHash<QString, QString> &texts);

public slots:
  void updateModel_EVENTS_TABLE();
  int getId(int row) const;
  // Writes every row of the log, newest first: device;date;time;event per line.
  void exportCSV_EVENTS_TABLE(const QString &newPathFile);

private:
  QHash<QString, QString> shownEventTexts;
};

// A folder chosen in the UI as a local path: file URLs become paths ("file:///C:/data" → "C:/data" on
// Windows, "file:///home/u" → "/home/u" on Linux); other text is used as it stands.
QString localPathOf(const QString &folderUrl);

// The CSV file for an export on `date`: <folder>/upsEvents_yyyyMMdd.csv.
QString csvExportPath(const QString &folderUrl, const QDate &date);
