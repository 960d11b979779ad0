// The settings of the UPS network server, kept in their own table of the settings database.
#pragma once

#include <QString>

constexpr quint16 nutDefaultPort = 3493;

struct NutServerSettings {
  bool enabled = false; // off until the user switches it on
  QString address = QStringLiteral("127.0.0.1");
  quint16 port = nutDefaultPort;
  QString upsName; // empty: the model's name in lower case
  QString user;    // empty: nobody can log in
  QString password;
};

// Reads the stored settings; the defaults where none are stored.
NutServerSettings readNutServerSettings();
// Stores one setting by its name: enabled, address, port, upsName, user, password.
void storeNutServerSetting(const QString &name, const QString &value);
