// The real window and back end as the program builds them, for the tests that drive the pages
// offscreen against the device simulator. A QML warning from any page while the window lives fails
// the test that ends it.
#pragma once

#include "qmlWarnings.h"

#include "app/appState.h"
#include "app/qmlContext.h"
#include "app/upsApp.h"
#include "common/vendorData.h"
#include "storage/eventControlModel.h"
#include "storage/upsDataBase.h"

#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QtTest>

#include <cmath>
#include <functional>
#include <memory>

// The item named `name` below `root`, looked for along the visual tree (delegates included).
inline QQuickItem *findItem(QQuickItem *root, const QString &name)
{
  if (root->objectName() == name)
    return root;
  for (QQuickItem *child : root->childItems())
    if (QQuickItem *found = findItem(child, name))
      return found;
  return nullptr;
}

// A left click in the middle of `item`.
inline void clickItem(QQuickWindow *window, QQuickItem *item)
{
  const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
  QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
}

// Stores the open-maximised option of the window in the database of `s`, which the first tick
// loads. A fresh database opens the window maximised, at the size of the screen (800x600 offscreen).
inline void storeOpenMaximised(AppState &s, bool maximised)
{
  s.storage.database->UpdateRow_inDatabase(QStringLiteral("SystemMain"), QStringLiteral("app_open_maximized"),
                                           maximised ? 0 : 1, 1);
}

// A fresh application state, the back end and the main window on the serial ports `ports`; the
// window opens at the size a test sets unless `openMaximised`. `beforeLoad` changes the state
// between the back end's start and the window's. Check `window` after construction: it is null
// when the window did not load.
struct RealWindow {
  const QmlWarnings warnings; // from before the window loads until after it is gone
  std::unique_ptr<QQmlApplicationEngine> engine;
  std::unique_ptr<upsApp> app;
  QQuickWindow *window = nullptr;

  explicit RealWindow(const QStringList &ports, bool openMaximised = false,
                      const std::function<void(AppState &)> &beforeLoad = {})
  {
    resetAppState();
    AppState &s = appState();
    s.scan.extraPorts = ports;
    fillCompanyData(s.ui.companyData, s.vendor, QCoreApplication::applicationDirPath());
    engine = std::make_unique<QQmlApplicationEngine>();
    app = std::make_unique<upsApp>();
    storeOpenMaximised(s, openMaximised);
    if (beforeLoad)
      beforeLoad(s);
    publishQmlContext(*engine, app.get(), app->eventLogModel());
    engine->load(QUrl(QStringLiteral("qrc:/qml/main.qml")));
    if (engine->rootObjects().isEmpty())
      return;
    window = qobject_cast<QQuickWindow *>(engine->rootObjects().constFirst());
    if (window)
      window->resize(1280, 800);
  }

  // The window goes before the back end it shows.
  ~RealWindow()
  {
    engine.reset();
    app.reset();
    const QStringList seen = warnings.seen();
    if (!seen.isEmpty())
      QTest::qFail(qPrintable(QStringLiteral("QML warnings:\n") + seen.join(QLatin1Char('\n'))), __FILE__,
                   __LINE__);
  }

  QQuickItem *item(const QString &name) const { return findItem(window->contentItem(), name); }

  // Waits until the page on view has slid into place and the window has drawn it `frames` times
  // since, so that its layouts, pictures and charts have settled; false when that does not happen.
  bool waitForSettledFrames(int frames = 3) const
  {
    QQuickItem *swipe = item(QStringLiteral("idSwipeView"));
    const auto inPlace = [swipe] {
      const auto *page = swipe->property("currentItem").value<QQuickItem *>();
      return page &&
             std::abs(page->mapToScene(QPointF(0, 0)).x() - swipe->mapToScene(QPointF(0, 0)).x()) < 0.5 &&
             std::abs(page->width() - swipe->width()) < 0.5;
    };
    int drawn = 0;
    QObject counting;
    QObject::connect(window, &QQuickWindow::frameSwapped, &counting,
                     [&drawn, &inPlace] { drawn = inPlace() ? drawn + 1 : 0; });
    return QTest::qWaitFor([this, &drawn, frames] { return window->update(), drawn >= frames; }, 10000);
  }

  // Saves a picture of the window as `folder`/`name`.png once the page on view has settled.
  bool saveScreenshot(const QString &folder, const QString &name) const
  {
    if (!waitForSettledFrames())
      return false;
    QDir().mkpath(folder);
    return window->screen()
        ->grabWindow(window->winId())
        .save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
  }

  // Shows page `index`; false when the swipe view did not get there.
  bool showPage(int index) const
  {
    window->findChild<QObject *>(QStringLiteral("idGlobal"))->setProperty("currentPage", index);
    auto *swipe = window->findChild<QQuickItem *>(QStringLiteral("idSwipeView"));
    return QTest::qWaitFor([swipe, index] { return swipe->property("currentIndex").toInt() == index; }, 5000);
  }
};
