#include "smtpClient.h"

#include "mimeMessage.h"

#include "storage/emailFieldCheck.h"

#include <QByteArray>
#include <QList>
#include <QRegularExpression>
#include <QSysInfo>

#include <curl/curl.h>

#include <cstring>

struct SmtpClient::Session {
  QString host;
  int port = 0;
  int connectionType = TcpConnection;
  QString user;
  QString password;
  QString caFile;
  SmtpTimeouts timeouts;
  const std::atomic_bool *stop = nullptr;

  CURL *easy = nullptr;
  CURLM *multi = nullptr;
  char errorText[CURL_ERROR_SIZE] = {};

  // What the session has seen, from the commands that went out and the lines that came in.
  bool authSent = false;
  bool noopSent = false;
  QByteArray lastReply;
  QByteArray refusal;   // the last 4xx or 5xx answer
  qint64 sizeLimit = 0; // announced in the greeting

  bool connected = false;
  bool loginFailed = false;
  QString loginError;
  QString error;

  QByteArray upload;
  qsizetype uploadDone = 0;

  ~Session()
  {
    if (multi)
      curl_multi_cleanup(multi); // closes the cached connection with QUIT
    if (easy)
      curl_easy_cleanup(easy);
  }

  static int onDebug(CURL *, curl_infotype type, char *data, size_t size, void *user)
  {
    if (type != CURLINFO_HEADER_OUT && type != CURLINFO_HEADER_IN)
      return 0; // neither libcurl's own notes nor the mail data
    auto *s = static_cast<Session *>(user);
    const QByteArray line = QByteArray(data, int(size)).trimmed();
    if (type == CURLINFO_HEADER_OUT) {
      // Only the command word is looked at: the AUTH line carries the credentials.
      if (line.startsWith("AUTH "))
        s->authSent = true;
      else if (line.startsWith("NOOP"))
        s->noopSent = true;
    } else if (!line.isEmpty()) {
      // "250-SIZE 10240000" or "250 SIZE 10240000" among the greeting's extensions.
      if (line.size() > 9 && line.startsWith("250") && line.mid(4, 5).toUpper() == "SIZE ")
        s->sizeLimit = line.mid(9).trimmed().toLongLong();
      s->lastReply = line;
      if (line.startsWith('4') || line.startsWith('5'))
        s->refusal = line;
    }
    return 0;
  }

  static size_t onReceived(char *, size_t size, size_t count, void *) { return size * count; }

  static size_t onUpload(char *buffer, size_t size, size_t count, void *user)
  {
    auto *s = static_cast<Session *>(user);
    const size_t n = qMin(size * count, size_t(s->upload.size() - s->uploadDone));
    std::memcpy(buffer, s->upload.constData() + s->uploadDone, n);
    s->uploadDone += qsizetype(n);
    return n;
  }

  bool stopRequested() const { return stop && stop->load(); }

  QByteArray url() const
  {
    const QString scheme = connectionType == SslConnection ? QStringLiteral("smtps") : QStringLiteral("smtp");
    const QString hostPart =
        host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host;
    const QString portPart = port > 0 ? QLatin1Char(':') + QString::number(port) : QString();
    // The path is the name this computer greets the server with.
    QString greeting = QSysInfo::machineHostName();
    static const QRegularExpression hostName(QStringLiteral("^[A-Za-z0-9.-]+$"));
    if (!hostName.match(greeting).hasMatch())
      greeting = QStringLiteral("localhost");
    return (scheme + QStringLiteral("://") + hostPart + portPart + QLatin1Char('/') + greeting).toUtf8();
  }

  void setUp()
  {
    easy = curl_easy_init();
    if (!easy)
      return;
    const QByteArray address = url();
    curl_easy_setopt(easy, CURLOPT_URL, address.constData());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(easy, CURLOPT_USE_SSL,
                     long(connectionType == TlsConnection ? CURLUSESSL_ALL : CURLUSESSL_NONE));
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 2L);
    // Straight to the server, whatever proxy the environment names.
    curl_easy_setopt(easy, CURLOPT_PROXY, "");
    curl_easy_setopt(easy, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(easy, CURLOPT_VERBOSE, 1L); // feeds onDebug, which prints nothing
    curl_easy_setopt(easy, CURLOPT_DEBUGFUNCTION, &Session::onDebug);
    curl_easy_setopt(easy, CURLOPT_DEBUGDATA, this);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Session::onReceived);
    curl_easy_setopt(easy, CURLOPT_READFUNCTION, &Session::onUpload);
    curl_easy_setopt(easy, CURLOPT_READDATA, this);
  }

  void applySettings()
  {
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT, long(timeouts.connectSeconds));
    curl_easy_setopt(easy, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(timeouts.responseSeconds));
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, long(timeouts.stallSeconds));
    curl_easy_setopt(easy, CURLOPT_TIMEOUT, long(timeouts.stepSeconds));
    if (!caFile.isEmpty()) {
      curl_easy_setopt(easy, CURLOPT_CAINFO, caFile.toLocal8Bit().constData());
      curl_easy_setopt(easy, CURLOPT_CAPATH, static_cast<char *>(nullptr));
    }
    if (!user.isEmpty()) {
      curl_easy_setopt(easy, CURLOPT_USERNAME, user.toUtf8().constData());
      curl_easy_setopt(easy, CURLOPT_PASSWORD, password.toUtf8().constData());
    }
  }

  // Runs the transfer set up on the handle. The multi interface lets the wait be cut short when
  // the stop flag is set.
  CURLcode perform()
  {
    errorText[0] = '\0';
    lastReply.clear();
    refusal.clear();
    if (curl_multi_add_handle(multi, easy) != CURLM_OK)
      return CURLE_FAILED_INIT;
    int running = 1;
    bool stopped = false;
    while (running) {
      if (curl_multi_perform(multi, &running) != CURLM_OK)
        break;
      if (!running)
        break;
      if (stopRequested()) {
        stopped = true;
        break;
      }
      if (curl_multi_poll(multi, nullptr, 0, 200, nullptr) != CURLM_OK)
        break;
    }
    CURLcode result = stopped ? CURLE_ABORTED_BY_CALLBACK : CURLE_FAILED_INIT;
    int left = 0;
    while (CURLMsg *message = curl_multi_info_read(multi, &left)) {
      if (!stopped && message->msg == CURLMSG_DONE && message->easy_handle == easy)
        result = message->data.result;
    }
    curl_multi_remove_handle(multi, easy);
    if (stopped)
      std::strcpy(errorText, "stopped: the application is closing");
    return result;
  }

  QString describe(CURLcode code) const
  {
    QString text = QString::fromUtf8(errorText[0] ? errorText : curl_easy_strerror(code));
    const QByteArray &answer = refusal.isEmpty() ? lastReply : refusal;
    if (!answer.isEmpty())
      text += QStringLiteral("; server answered: ") + QString::fromUtf8(answer);
    return text;
  }
};

SmtpClient::SmtpClient(const QString &host, int port, int connectionType) : d(std::make_unique<Session>())
{
  d->host = host.trimmed();
  d->port = port;
  d->connectionType =
      connectionType == SslConnection || connectionType == TlsConnection ? connectionType : TcpConnection;
}

SmtpClient::~SmtpClient() = default;

void SmtpClient::setUser(const QString &user)
{
  d->user = user;
}

void SmtpClient::setPassword(const QString &password)
{
  d->password = password;
}

void SmtpClient::setCaFile(const QString &path)
{
  d->caFile = path;
}

void SmtpClient::setTimeouts(const SmtpTimeouts &timeouts)
{
  d->timeouts = timeouts;
}

void SmtpClient::setStopFlag(const std::atomic_bool *stop)
{
  d->stop = stop;
}

bool SmtpClient::connectToHost()
{
  d->connected = false;
  d->loginFailed = false;
  if (d->host.isEmpty()) {
    d->error = QStringLiteral("no server set");
    return false;
  }
  if (!d->easy)
    d->setUp();
  if (!d->multi)
    d->multi = curl_multi_init();
  if (!d->easy || !d->multi) {
    d->error = QStringLiteral("libcurl could not be initialised");
    return false;
  }
  d->applySettings();
  // libcurl opens a session only as part of a command: NOOP does nothing on the server, and the
  // connection stays open for the mail.
  d->authSent = false;
  d->noopSent = false;
  curl_easy_setopt(d->easy, CURLOPT_UPLOAD, 0L);
  curl_easy_setopt(d->easy, CURLOPT_MAIL_RCPT, static_cast<curl_slist *>(nullptr));
  curl_easy_setopt(d->easy, CURLOPT_CUSTOMREQUEST, "NOOP");
  const CURLcode result = d->perform();
  curl_easy_setopt(d->easy, CURLOPT_CUSTOMREQUEST, static_cast<char *>(nullptr));
  if (result == CURLE_OK || d->noopSent) { // a refused NOOP still means the session is open
    d->connected = true;
    return true;
  }
  if (result == CURLE_LOGIN_DENIED || result == CURLE_AUTH_ERROR ||
      (d->authSent && result != CURLE_ABORTED_BY_CALLBACK)) {
    d->connected = true;
    d->loginFailed = true;
    d->loginError = d->describe(result);
    return true;
  }
  d->error = d->describe(result);
  return false;
}

bool SmtpClient::login()
{
  if (!d->connected) {
    d->error = QStringLiteral("not connected");
    return false;
  }
  if (d->loginFailed) {
    d->error = d->loginError;
    return false;
  }
  return true;
}

bool SmtpClient::sendMail(const MimeMessage &message)
{
  if (!d->connected || d->loginFailed) {
    d->error = QStringLiteral("no open session");
    return false;
  }
  // The envelope goes out as command lines: an address that could end one never reaches the wire.
  bool lineSafe = !hasControlCharacter(message.sender().address());
  for (const QList<EmailAddress> *list : {&message.toRecipients(), &message.ccRecipients()}) {
    for (const EmailAddress &a : *list)
      lineSafe = lineSafe && !hasControlCharacter(a.address());
  }
  if (!lineSafe) {
    d->error = QStringLiteral("an address holds a control character");
    return false;
  }
  curl_slist *recipients = nullptr;
  for (const QList<EmailAddress> *list : {&message.toRecipients(), &message.ccRecipients()}) {
    for (const EmailAddress &a : *list) {
      const QByteArray rcpt = '<' + a.address().toUtf8() + '>';
      recipients = curl_slist_append(recipients, rcpt.constData());
    }
  }
  if (!recipients) {
    d->error = QStringLiteral("no recipient");
    return false;
  }
  const QByteArray from = '<' + message.sender().address().toUtf8() + '>';
  d->upload = message.toMime();
  d->uploadDone = 0;
  d->applySettings();
  curl_easy_setopt(d->easy, CURLOPT_MAIL_FROM, from.constData());
  curl_easy_setopt(d->easy, CURLOPT_MAIL_RCPT, recipients);
  curl_easy_setopt(d->easy, CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(d->easy, CURLOPT_INFILESIZE_LARGE, curl_off_t(d->upload.size()));
  const CURLcode result = d->perform();
  curl_easy_setopt(d->easy, CURLOPT_MAIL_RCPT, static_cast<curl_slist *>(nullptr));
  curl_easy_setopt(d->easy, CURLOPT_UPLOAD, 0L);
  curl_slist_free_all(recipients);
  d->upload.clear();
  if (result != CURLE_OK) {
    d->error = d->describe(result);
    return false;
  }
  return true;
}

void SmtpClient::quit()
{
  if (d->multi) {
    curl_multi_cleanup(d->multi);
    d->multi = nullptr;
  }
  d->connected = false;
}

QString SmtpClient::lastError() const
{
  return d->error;
}

qint64 SmtpClient::announcedSizeLimit() const
{
  return d->sizeLimit;
}

bool SmtpClient::messageRefused() const
{
  return d->refusal.startsWith("552") || d->refusal.startsWith("554");
}
