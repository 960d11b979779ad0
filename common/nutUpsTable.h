// The UPS as network monitoring clients see it: a name, a description and a table of named
// values. Built from the device's state on every tick; the protocol server reads nothing else.
#pragma once

#include <QByteArray>
#include <QVector>

struct NutVariable {
  QByteArray name;  // e.g. "ups.status"
  QByteArray value; // plain text, numbers with a dot
};

struct NutUpsTable {
  QByteArray upsName;     // what clients write after the command, e.g. "vt-40a"
  QByteArray description; // free text
  bool stale = true;      // no live device data: clients get no values
  QVector<NutVariable> variables;

  // The value of `name`, or nullptr when the device does not report it.
  const QByteArray *value(const QByteArray &name) const
  {
    for (const NutVariable &v : variables) {
      if (v.name == name)
        return &v.value;
    }
    return nullptr;
  }
};
