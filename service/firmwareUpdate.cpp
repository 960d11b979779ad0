#include "firmwareUpdate.h"

#include "boardLines.h"
#include "stm32Bootloader.h"

#include <QFile>

#include <atomic>

namespace
{
constexpr int connectAttempts = 3;
constexpr int chunkAttempts = 3;

std::atomic_bool updateRunning{false};

QString hexAddress(uint32_t address)
{
  return QStringLiteral("0x%1").arg(address, 8, 16, QLatin1Char('0'));
}

class FlashLoad
{
public:
  FlashLoad(FtdiAdapter &adapter, BoardLines &lines, const ServiceReport &report)
      : adapter(adapter), lines(lines), report(report), bootloader(adapter)
  {
  }

  bool run(const QString &filePath);

private:
  bool connect();
  bool synchronise();
  int prepare();
  int readoutUnprotect();
  int writeUnprotect();
  int erase();
  bool writeImage();
  bool writeChunk(uint32_t address, const QByteArray &chunk);
  bool verifyImage();
  void showPercent(int percent);
  // Anything logged after a percentage keeps it: only a percentage right at the end is replaced.
  void say(const QString &text)
  {
    report.say(text);
    shownPercentLength = 0;
  }

  FtdiAdapter &adapter;
  BoardLines &lines;
  const ServiceReport &report;
  Stm32Bootloader bootloader;
  QByteArray image;
  int shownPercentLength = 0;
};

bool FlashLoad::synchronise()
{
  if (bootloader.synchronise() != Answer::Ack)
    return false;
  say(QStringLiteral("ST OK!\n"));
  return true;
}

bool FlashLoad::connect()
{
  for (int attempt = 0; attempt < connectAttempts; ++attempt) {
    lines.enterBootloader();
    if (synchronise())
      return true;
    lines.bootSelect(false);
    settle(10);
    lines.boardReset();
  }
  return false;
}

int FlashLoad::readoutUnprotect()
{
  switch (bootloader.readoutUnprotect()) {
  case Answer::Ack:
    say(QStringLiteral("ROP_DISABLE\n"));
    return 0;
  case Answer::Nack:
    say(QStringLiteral("ROP DISABLE FAILED\n"));
    return -1;
  default:
    return -1;
  }
}

int FlashLoad::writeUnprotect()
{
  switch (bootloader.writeUnprotect()) {
  case Answer::Ack:
    say(QStringLiteral("WP_DISABLE\n"));
    return 0;
  case Answer::Nack:
    say(QStringLiteral("WP DISABLE FAILED\n"));
    return -1;
  default:
    return -1;
  }
}

int FlashLoad::erase()
{
  say(QStringLiteral("ERASING MEMORY -> "));
  switch (bootloader.massErase()) {
  case Answer::Ack:
    say(QStringLiteral("ERASING MEMORY COMPLETED\n"));
    return 0;
  case Answer::Nack:
    say(QStringLiteral("ERASING MEMORY FAILED\n"));
    return -1;
  default:
    return -1;
  }
}

// Both unprotect commands end in a reset of the controller: reconnect after each.
int FlashLoad::prepare()
{
  const int readout = readoutUnprotect();
  say(QStringLiteral("ST_ReadoutUnprotect: %1\n").arg(readout));
  if (readout != 0)
    return -1;
  lines.enterBootloader();
  synchronise();
  say(QStringLiteral("ST_WriteUnprotect: %1\n").arg(writeUnprotect()));
  lines.enterBootloader();
  synchronise();
  const int erased = erase();
  say(QStringLiteral("ST_EraseMemory: %1\n").arg(erased));
  return erased;
}

void FlashLoad::showPercent(int percent)
{
  report.drop(shownPercentLength);
  const QString text = QStringLiteral("%1 %").arg(percent);
  report.say(text);
  shownPercentLength = text.size();
}

// A refused chunk is sent again; one that is not answered leaves the bootloader waiting in the
// middle of a command, so the controller is restarted into its bootloader before the next try.
bool FlashLoad::writeChunk(uint32_t address, const QByteArray &chunk)
{
  for (int attempt = 0; attempt < chunkAttempts; ++attempt) {
    const Answer answer = bootloader.writeMemory(address, chunk);
    if (answer == Answer::Ack)
      return true;
    if (answer == Answer::Nack) {
      say(QStringLiteral("NACK!\n"));
      continue;
    }
    say(QStringLiteral("No answer at %1\n").arg(hexAddress(address)));
    lines.enterBootloader();
    synchronise();
    shownPercentLength = 0;
  }
  return false;
}

bool FlashLoad::writeImage()
{
  say(QStringLiteral("Loading: "));
  const int length = image.size();
  for (int offset = 0; offset < length; offset += Stm32::maxChunk) {
    const uint32_t address = Stm32::flashStart + uint32_t(offset);
    showPercent(int(100.0 * offset / length));
    if (!writeChunk(address, image.mid(offset, Stm32::maxChunk))) {
      say(QStringLiteral("\nWrite failed at %1.\n").arg(hexAddress(address)));
      return false;
    }
    report.advance(
        int(500LL * (offset + Stm32::maxChunk > length ? length : offset + Stm32::maxChunk) / length));
  }
  say(QStringLiteral(" -> "));
  return true;
}

bool FlashLoad::verifyImage()
{
  say(QStringLiteral("Verifying -> "));
  const int length = image.size();
  for (int offset = 0; offset < length; offset += Stm32::maxChunk) {
    const uint32_t address = Stm32::flashStart + uint32_t(offset);
    const QByteArray expected = image.mid(offset, Stm32::maxChunk);
    QByteArray read = bootloader.readMemory(address, expected.size());
    if (read.isEmpty()) { // an answer lost on the way: once more from a fresh bootloader
      lines.enterBootloader();
      if (synchronise())
        read = bootloader.readMemory(address, expected.size());
    }
    if (read != expected) {
      int at = 0;
      while (at < read.size() && read.at(at) == expected.at(at))
        ++at;
      say(QStringLiteral("\nVerify failed at %1.\n").arg(hexAddress(address + uint32_t(at))));
      return false;
    }
    report.advance(500 + int(500LL * (offset + expected.size()) / length));
  }
  say(QStringLiteral("Verified.\n"));
  return true;
}

bool FlashLoad::run(const QString &filePath)
{
  if (filePath.isEmpty()) {
    say(QStringLiteral("No File selected.\n"));
    return false;
  }
  QFile file(filePath);
  if (!file.open(QIODevice::ReadOnly)) {
    say(QStringLiteral("Cannot open the file.\n"));
    return false;
  }
  image = paddedImage(file.readAll());
  if (!adapter.configureUart()) {
    say(QStringLiteral("FT_SetBaudRate Failed.\n"));
    return false;
  }
  if (!connect()) {
    say(QStringLiteral("Cannot connect.\n"));
    return false;
  }
  say(QStringLiteral("Connected.\n"));
  const int prepared = prepare();
  if (prepared != 0) {
    say(QStringLiteral("Error Code: %1\n").arg(prepared));
    return false;
  }
  if (!writeImage() || !verifyImage())
    return false;
  say(QStringLiteral("Flash Load Finished!\n"));
  return true;
}

bool loadWithOpenAdapter(FtdiAdapter &adapter, BoardLines &lines, const QString &filePath,
                         const QString &description, const ServiceReport &report)
{
  if (!adapter.open(description)) {
    report.say(QStringLiteral("FT_OpenEx Failed.\n"));
    return false;
  }
  settle(10);
  lines.boardReset();
  settle(10);
  const bool loaded = FlashLoad(adapter, lines, report).run(filePath);
  if (loaded) {
    // Start the new firmware from flash.
    lines.bootSelect(false);
    settle(10);
    lines.boardReset();
  }
  adapter.close();
  return loaded;
}
} // namespace

QByteArray paddedImage(QByteArray image)
{
  while (image.size() % 4 != 0)
    image += char(0xFF);
  return image;
}

UpdateResult updateFirmware(FtdiAdapter &adapter, bool inverted, const QString &filePath,
                            const QString &description, const ServiceReport &report)
{
  if (updateRunning.exchange(true))
    return UpdateResult::Busy;
  BoardLines lines(adapter, inverted, report);
  bool loaded = loadWithOpenAdapter(adapter, lines, filePath, description, report);
  if (!loaded)
    loaded = loadWithOpenAdapter(adapter, lines, filePath, description, report);
  if (!loaded)
    report.say(QStringLiteral("Load Error.\n"));
  updateRunning = false;
  return loaded ? UpdateResult::Written : UpdateResult::Failed;
}
