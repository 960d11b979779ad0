// The reference for the program's own figures: a minimal Qt Quick window with one text, started
// and shown the way the program is. Reports its first frame like the program does.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>

#include <cstdio>
#include <ctime>

int main(int argc, char *argv[])
{
  QElapsedTimer sinceStart;
  sinceStart.start();
  QGuiApplication application(argc, argv);
  QQmlApplicationEngine engine;
  engine.loadData("import QtQuick 2.15\nimport QtQuick.Window 2.15\n"
                  "Window { visible: true; width: 1280; height: 800; Text { text: \"Talvane\" } }");
  if (engine.rootObjects().isEmpty())
    return 1;
  auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().constFirst());
  QObject::connect(window, &QQuickWindow::frameSwapped, window, [&sinceStart, reported = false]() mutable {
    if (!reported)
      std::fprintf(stderr, "first frame after %lld ms (%ld ms of CPU)\n",
                   static_cast<long long>(sinceStart.elapsed()),
                   static_cast<long>(std::clock() * 1000 / CLOCKS_PER_SEC));
    reported = true;
  });
  return QGuiApplication::exec();
}
