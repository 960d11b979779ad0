#include "languageTable.h"

int setCurrentLanguage(LanguageTable &table, int index)
{
  // A stored index can come from an imported database of another build: never trust it.
  table.current = (index >= 0 && index < table.count) ? index : 0;
  return table.current;
}

QString languageText(const LanguageTable &table, int slot)
{
  if (slot < 0 || slot >= languageSlotCount || table.current < 0 || table.current >= table.count)
    return QString();
  return table.languages[table.current].text[slot];
}

QStringList languageNames(const LanguageTable &table)
{
  QStringList names;
  for (int i = 0; i < table.count; ++i)
    names << table.languages[i].text[0];
  return names;
}
