#include "languageTable.h"

#include <QSet>

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

QHash<QString, QString> textsInCurrentLanguage(const LanguageTable &table)
{
  QHash<QString, QString> shown;
  QSet<QString> ambiguous;
  const LanguageRecord &current = table.languages[table.current];
  for (int l = 0; l < table.count; ++l) {
    if (l == table.current)
      continue;
    for (int slot = 1; slot < languageSlotCount; ++slot) {
      const QString &from = table.languages[l].text[slot];
      const QString &to = current.text[slot];
      if (from.isEmpty() || to.isEmpty() || from == to || ambiguous.contains(from))
        continue;
      const auto known = shown.constFind(from);
      if (known == shown.constEnd()) {
        shown.insert(from, to);
      } else if (*known != to) {
        shown.remove(from);
        ambiguous.insert(from);
      }
    }
  }
  return shown;
}

QStringList languageNames(const LanguageTable &table)
{
  QStringList names;
  for (int i = 0; i < table.count; ++i)
    names << table.languages[i].text[0];
  return names;
}
