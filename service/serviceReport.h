// Where the service tools report: the service log (texts appended; an empty text clears it) and
// the progress of a transfer. Called on the thread that runs the tool; the receiver forwards
// to the GUI thread when it needs to.
#pragma once

#include <QString>

#include <functional>

struct ServiceReport {
  std::function<void(const QString &text)> log;
  // Removes the last `count` characters of the log (a progress figure about to be replaced).
  std::function<void(int count)> dropTail;
  // 0..1000 over the whole write and read-back.
  std::function<void(int permille)> progress;

  void say(const QString &text) const
  {
    if (log)
      log(text);
  }
  void drop(int count) const
  {
    if (dropTail)
      dropTail(count);
  }
  void advance(int permille) const
  {
    if (progress)
      progress(permille);
  }
};
