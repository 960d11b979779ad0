// A mail address with an optional display name.
#pragma once

#include <QByteArray>
#include <QString>

class EmailAddress
{
public:
  EmailAddress() = default;
  explicit EmailAddress(const QString &address, const QString &name = QString());

  QString address() const { return m_address; }
  QString name() const { return m_name; }

  // The address as it appears in a From, To or Cc header.
  QByteArray toHeader() const;

private:
  QString m_address;
  QString m_name;
};
