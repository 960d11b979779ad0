#include "emailSettingsText.h"

#include "userSettings.h"

#include <QStringList>
#include <QUrl>

namespace
{
// Blanks separate the tokens, so the subject carries its blanks as this marker.
const QString subjectBlank = QStringLiteral("$#*@€");

// A password with blanks cannot be a plain token; it goes percent-encoded under an id of its own,
// which readers that do not know it skip. Passwords without blanks stay plain tokens.
constexpr int encodedPasswordId = 8;

QString token(int id, const QString &value)
{
  return QString::number(id) + QLatin1Char(':') + value + QLatin1Char(' ');
}

// Calls `take(id, value)` for every token; the value is everything after the first colon.
template <typename Take> void readTokens(const QString &text, Take take)
{
  const QStringList pieces = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  for (const QString &piece : pieces) {
    const int colon = piece.indexOf(QLatin1Char(':'));
    bool ok = false;
    const int id = (colon < 0 ? piece : piece.left(colon)).toInt(&ok);
    if (ok)
      take(id, colon < 0 ? QString() : piece.mid(colon + 1));
  }
}
} // namespace

QString withoutBlanks(const QString &value)
{
  QString kept = value;
  kept.remove(QLatin1Char(' '));
  return kept;
}

QString emailConfigText(const EmailConfig &config)
{
  const bool plainPassword = !config.password.contains(QLatin1Char(' '));
  QString text = token(1, config.server) + token(2, config.user) +
                 token(3, plainPassword ? config.password : QString()) + token(4, config.port) +
                 token(5, config.coding);
  if (!plainPassword)
    text += token(encodedPasswordId, QString::fromLatin1(QUrl::toPercentEncoding(config.password)));
  return text;
}

QString emailMessageText(const EmailConfig &config)
{
  QString subject = config.subject;
  subject.replace(QLatin1Char(' '), subjectBlank);
  return token(1, config.from) + token(2, config.to) + token(4, config.cc) + token(5, subject) +
         token(7, config.attachReport ? QStringLiteral("1") : QStringLiteral("0"));
}

void readEmailConfigText(const QString &text, EmailConfig &config)
{
  readTokens(text, [&config](int id, const QString &value) {
    switch (id) {
    case 1:
      config.server = value;
      break;
    case 2:
      config.user = value;
      break;
    case 3:
      config.password = value;
      break;
    case 4:
      config.port = value;
      break;
    case 5:
      config.coding = value;
      break;
    case encodedPasswordId:
      config.password = QUrl::fromPercentEncoding(value.toLatin1());
      break;
    default:
      break;
    }
  });
}

void readEmailMessageText(const QString &text, EmailConfig &config)
{
  readTokens(text, [&config](int id, const QString &value) {
    switch (id) {
    case 1:
      config.from = value;
      break;
    case 2:
      config.to = value;
      break;
    case 4:
      config.cc = value;
      break;
    case 5:
      config.subject = QString(value).replace(subjectBlank, QStringLiteral(" "));
      break;
    case 7:
      config.attachReport = value.toInt() != 0;
      break;
    default:
      break;
    }
  });
}
