#include "emailFieldCheck.h"

#include "userSettings.h"

bool hasControlCharacter(const QString &value)
{
  for (const QChar c : value) {
    const QChar::Category category = c.category();
    if (category == QChar::Other_Control || category == QChar::Separator_Line ||
        category == QChar::Separator_Paragraph)
      return true;
  }
  return false;
}

bool acceptsEmailConfigValue(int field, const QString &value)
{
  return field != 2 || !hasControlCharacter(value);
}

bool acceptsEmailMessageValue(int field, const QString &value)
{
  return (field != 1 && field != 2 && field != 4) || !hasControlCharacter(value);
}

bool dropUnusableAddresses(EmailConfig &config)
{
  bool dropped = false;
  for (QString *field : {&config.user, &config.from, &config.to, &config.cc}) {
    if (hasControlCharacter(*field)) {
      field->clear();
      dropped = true;
    }
  }
  return dropped;
}
