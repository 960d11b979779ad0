#include "nutProtocol.h"

namespace
{
constexpr char protocolVersion[] = "1.3";

// Short descriptions of the variables clients may ask about.
struct VariableText {
  const char *name;
  const char *description;
  bool number;
};
constexpr VariableText variableTexts[] = {
    {"device.type", "Device type", false},
    {"device.mfr", "Device manufacturer", false},
    {"device.model", "Device model", false},
    {"device.serial", "Device serial number", false},
    {"ups.mfr", "UPS manufacturer", false},
    {"ups.model", "UPS model", false},
    {"ups.serial", "UPS serial number", false},
    {"ups.firmware", "UPS firmware", false},
    {"ups.status", "UPS status", false},
    {"ups.alarm", "UPS alarms", false},
    {"ups.temperature", "UPS temperature (degrees C)", true},
    {"input.voltage", "Input voltage (V)", true},
    {"output.voltage", "Output voltage (V)", true},
    {"output.current", "Output current (A)", true},
    {"battery.voltage", "Battery voltage (V)", true},
    {"battery.current", "Battery current (A)", true},
    {"battery.charge", "Battery charge (percent)", true},
    {"battery.runtime", "Battery runtime (seconds)", true},
};

const VariableText *variableText(const QByteArray &name)
{
  for (const VariableText &v : variableTexts) {
    if (name == v.name)
      return &v;
  }
  return nullptr;
}

QByteArray quoted(const QByteArray &text)
{
  QByteArray out;
  out.reserve(text.size() + 2);
  out += '"';
  for (char c : text) {
    if (c == '"' || c == '\\')
      out += '\\';
    out += c;
  }
  out += '"';
  return out;
}

QByteArray err(const char *message)
{
  return QByteArray("ERR ") + message + '\n';
}

// The value of a variable as clients see it: the forced shutdown shows in the status, also
// once the device's data is no longer live.
const QByteArray *shownValue(const NutShared &shared, const QByteArray &name, QByteArray &scratch)
{
  if (name == "ups.status" && shared.forcedShutdown()) {
    const QByteArray *status = shared.table.stale ? nullptr : shared.table.value(name);
    scratch = status && !status->isEmpty() ? "FSD " + *status : QByteArray("FSD");
    return &scratch;
  }
  if (shared.table.stale)
    return nullptr;
  return shared.table.value(name);
}

class Request
{
public:
  Request(NutSession &session, NutShared &shared, const QVector<QByteArray> &words)
      : session(session), shared(shared), words(words)
  {
  }

  QByteArray answer()
  {
    const QByteArray command = words.value(0).toUpper();
    if (command == "VER")
      return "Talvane network UPS server\n";
    if (command == "NETVER" || command == "PROTVER")
      return QByteArray(protocolVersion) + '\n';
    if (command == "HELP")
      return "Commands: HELP VER NETVER GET LIST SET INSTCMD LOGIN LOGOUT USERNAME PASSWORD PRIMARY "
             "MASTER FSD STARTTLS\n";
    if (command == "LIST")
      return list();
    if (command == "GET")
      return get();
    if (command == "USERNAME")
      return setCredential(session.username, session.usernameSet, "ALREADY-SET-USERNAME", "INVALID-USERNAME");
    if (command == "PASSWORD")
      return setCredential(session.password, session.passwordSet, "ALREADY-SET-PASSWORD", "INVALID-PASSWORD");
    if (command == "LOGIN")
      return login();
    if (command == "PRIMARY" || command == "MASTER")
      return primary(command);
    if (command == "FSD")
      return forcedShutdown();
    if (command == "LOGOUT") {
      session.closing = true;
      return "OK Goodbye\n";
    }
    if (command == "SET" || command == "INSTCMD")
      return err("ACCESS-DENIED");
    if (command == "STARTTLS")
      return err("FEATURE-NOT-SUPPORTED");
    return err("UNKNOWN-COMMAND");
  }

private:
  NutSession &session;
  NutShared &shared;
  const QVector<QByteArray> &words;

  bool knownUps(int index) const { return words.value(index) == shared.table.upsName; }

  QByteArray list()
  {
    const QByteArray what = words.value(1).toUpper();
    if (what == "UPS" && words.size() == 2)
      return "BEGIN LIST UPS\nUPS " + shared.table.upsName + ' ' + quoted(shared.table.description) +
             "\nEND LIST UPS\n";
    if ((what == "VAR" || what == "RW" || what == "CMD" || what == "CLIENT") && words.size() == 3)
      return listOfUps(what);
    if ((what == "ENUM" || what == "RANGE") && words.size() == 4) {
      if (!knownUps(2))
        return err("UNKNOWN-UPS");
      return err("INVALID-ARGUMENT"); // nothing here can be set
    }
    return err("INVALID-ARGUMENT");
  }

  QByteArray listOfUps(const QByteArray &what)
  {
    if (!knownUps(2))
      return err("UNKNOWN-UPS");
    const QByteArray &ups = shared.table.upsName;
    const QByteArray head = what + ' ' + ups;
    QByteArray out = "BEGIN LIST " + head + '\n';
    if (what == "VAR") {
      if (shared.table.stale && !shared.forcedShutdown())
        return err("DATA-STALE");
      QByteArray scratch;
      for (const NutVariable &v : shared.table.variables) {
        if (const QByteArray *value = shownValue(shared, v.name, scratch))
          out += "VAR " + ups + ' ' + v.name + ' ' + quoted(*value) + '\n';
      }
      if (shared.table.stale) // only the forced shutdown is known
        out += "VAR " + ups + " ups.status " + quoted(*shownValue(shared, "ups.status", scratch)) + '\n';
    } else if (what == "CLIENT") {
      for (const NutSession *s : shared.sessions) {
        if (s->loggedIn)
          out += "CLIENT " + ups + ' ' + s->peer + '\n';
      }
    }
    return out + "END LIST " + head + '\n';
  }

  QByteArray get()
  {
    const QByteArray what = words.value(1).toUpper();
    if ((what == "UPSDESC" || what == "NUMLOGINS") && words.size() == 3) {
      if (!knownUps(2))
        return err("UNKNOWN-UPS");
      const QByteArray &ups = shared.table.upsName;
      if (what == "UPSDESC")
        return "UPSDESC " + ups + ' ' + quoted(shared.table.description) + '\n';
      return "NUMLOGINS " + ups + ' ' + QByteArray::number(shared.loginCount()) + '\n';
    }
    if ((what == "VAR" || what == "TYPE" || what == "DESC") && words.size() == 4)
      return getOfVariable(what);
    if (what == "CMDDESC" && words.size() == 4)
      return knownUps(2) ? err("CMD-NOT-SUPPORTED") : err("UNKNOWN-UPS");
    return err("INVALID-ARGUMENT");
  }

  QByteArray getOfVariable(const QByteArray &what)
  {
    if (!knownUps(2))
      return err("UNKNOWN-UPS");
    const QByteArray &ups = shared.table.upsName;
    const QByteArray &name = words.at(3);
    const QByteArray head = what + ' ' + ups + ' ' + name + ' ';
    if (what == "DESC") {
      const VariableText *text = variableText(name);
      return head + quoted(text ? QByteArray(text->description) : QByteArray("Unavailable")) + '\n';
    }
    QByteArray scratch;
    const QByteArray *value = shownValue(shared, name, scratch);
    if (!value)
      return shared.table.stale ? err("DATA-STALE") : err("VAR-NOT-SUPPORTED");
    if (what == "TYPE") {
      const VariableText *text = variableText(name);
      return head +
             (text && text->number ? QByteArray("NUMBER") : "STRING:" + QByteArray::number(value->size())) +
             '\n';
    }
    return head + quoted(*value) + '\n';
  }

  QByteArray setCredential(QByteArray &target, bool &isSet, const char *alreadySet, const char *invalid)
  {
    if (words.size() != 2)
      return err("INVALID-ARGUMENT");
    if (isSet)
      return err(alreadySet);
    if (words.at(1).isEmpty())
      return err(invalid);
    target = words.at(1);
    isSet = true;
    return "OK\n";
  }

  // Null when the session's user and password match the account.
  const char *authenticationError() const
  {
    if (!session.usernameSet)
      return "USERNAME-REQUIRED";
    if (!session.passwordSet)
      return "PASSWORD-REQUIRED";
    if (shared.accountUser.isEmpty() || session.username != shared.accountUser ||
        session.password != shared.accountPassword)
      return "ACCESS-DENIED";
    return nullptr;
  }

  QByteArray login()
  {
    if (words.size() != 2)
      return err("INVALID-ARGUMENT");
    if (const char *error = authenticationError())
      return err(error);
    if (session.loggedIn)
      return err("ALREADY-LOGGED-IN");
    if (!knownUps(1))
      return err("UNKNOWN-UPS");
    session.loggedIn = true;
    return "OK\n";
  }

  QByteArray primary(const QByteArray &command)
  {
    if (words.size() != 2)
      return err("INVALID-ARGUMENT");
    if (const char *error = authenticationError())
      return err(error);
    if (!knownUps(1))
      return err("UNKNOWN-UPS");
    session.primary = true;
    return "OK " + command + "-GRANTED\n";
  }

  QByteArray forcedShutdown()
  {
    if (words.size() != 2)
      return err("INVALID-ARGUMENT");
    if (!session.primary || !session.loggedIn || authenticationError())
      return err("ACCESS-DENIED");
    if (!knownUps(1))
      return err("UNKNOWN-UPS");
    shared.clientForcedShutdown = true;
    return "OK FSD-SET\n";
  }
};
} // namespace

int NutShared::loginCount() const
{
  int count = 0;
  for (const NutSession *s : sessions)
    count += s->loggedIn ? 1 : 0;
  return count;
}

QVector<QByteArray> nutWords(const QByteArray &line)
{
  QVector<QByteArray> words;
  QByteArray word;
  bool inWord = false;
  bool inQuotes = false;
  for (int i = 0; i < line.size(); ++i) {
    const char c = line.at(i);
    if (c == '\\' && i + 1 < line.size()) {
      word += line.at(++i);
      inWord = true;
    } else if (c == '"') {
      inQuotes = !inQuotes;
      inWord = true;
    } else if (!inQuotes && (c == ' ' || c == '\t')) {
      if (inWord)
        words << word;
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord)
    words << word;
  return words;
}

QByteArray nutAnswer(NutSession &session, NutShared &shared, const QByteArray &line)
{
  const QVector<QByteArray> words = nutWords(line);
  if (words.isEmpty())
    return err("UNKNOWN-COMMAND");
  return Request(session, shared, words).answer();
}

QByteArray nutReceive(NutSession &session, NutShared &shared, const QByteArray &bytes)
{
  QByteArray answers;
  int start = 0;
  while (start < bytes.size() && !session.closing) {
    const int end = bytes.indexOf('\n', start);
    const int stop = end < 0 ? bytes.size() : end;
    if (!session.droppingLine) {
      session.pendingLine.append(bytes.constData() + start, stop - start);
      if (session.pendingLine.size() > nutMaxLineLength) {
        session.pendingLine.clear();
        session.droppingLine = true;
        answers += err("TOO-LONG");
      }
    }
    if (end < 0)
      break;
    if (!session.droppingLine) {
      QByteArray line = session.pendingLine;
      if (line.endsWith('\r'))
        line.chop(1);
      if (!line.trimmed().isEmpty())
        answers += nutAnswer(session, shared, line);
    }
    session.pendingLine.clear();
    session.droppingLine = false;
    start = end + 1;
  }
  return answers;
}
