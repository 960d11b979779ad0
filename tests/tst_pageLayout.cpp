// The real window against the simulator at the small window sizes a user meets (1024x700, and a
// 1366x768 laptop), in English and German: every visible control of every page lies inside the
// window and inside the part of its page that is on view, and no text is cut. A control below the
// visible part is fine only where its page scrolls and shows a scroll bar.
#include "realWindow.h"
#include "simulatorProcess.h"
#include "temporaryWorkingDirectory.h"

#include "app/appState.h"

#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace
{
constexpr qreal tolerance = 1.0; // rounding of anchors and layouts

struct Page {
  const char *name;
  int index;
};

const Page pages[] = {{"start", 0},          {"status", 1}, {"event", 2},    {"parameter", 3},
                      {"signalContacts", 4}, {"ipc", 5},    {"overload", 6}, {"programStart", 7},
                      {"email", 8},          {"system", 9}, {"about", 10},   {"production", 11},
                      {"trend", 12}};

bool isText(const QQuickItem *item)
{
  return item->inherits("QQuickText");
}

// What the user reads or works: texts, fields, buttons and boxes. Containers and pictures are
// judged by what they hold.
bool isControl(const QQuickItem *item)
{
  if (isText(item))
    return !item->property("text").toString().trimmed().isEmpty();
  for (const char *type : {"QQuickTextInput", "QQuickTextEdit", "QQuickAbstractButton", "QQuickComboBox",
                           "QQuickSpinBox", "QQuickSlider", "QQuickGroupBox"})
    if (item->inherits(type))
      return item->width() > 0 && item->height() > 0;
  return false;
}

qreal effectiveOpacity(const QQuickItem *item)
{
  qreal opacity = 1.0;
  for (; item; item = item->parentItem())
    opacity *= item->opacity();
  return opacity;
}

QRectF sceneRect(const QQuickItem *item)
{
  return item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
}

// The rectangle a text paints (its laid-out lines where they sit), any other item's own rectangle.
QRectF paintedRect(const QQuickItem *item)
{
  return isText(item) ? item->mapRectToScene(item->boundingRect()) : sceneRect(item);
}

// The bars around the pages: what they hold stays inside them, clipped or not.
bool isBar(const QQuickItem *item)
{
  return item->objectName() == QLatin1String("footArea") ||
         item->objectName() == QLatin1String("parameterBackup");
}

bool scrolls(const QQuickItem *item)
{
  return item->inherits("QQuickFlickable") || item->inherits("QQuickScrollView");
}

// A scroll bar that the user sees on the scrolling `view` (one of its own, or of the scroll view
// around it).
bool showsScrollBar(const QQuickItem *view, Qt::Orientation orientation)
{
  QList<QQuickItem *> candidates = view->childItems();
  if (view->parentItem() && view->parentItem()->inherits("QQuickScrollView"))
    candidates += view->parentItem()->childItems();
  for (const QQuickItem *bar : candidates) {
    if (!bar->inherits("QQuickScrollBar") || !bar->isVisible() ||
        bar->property("orientation").toInt() != orientation)
      continue;
    const auto *handle = bar->property("contentItem").value<QQuickItem *>();
    if (bar->property("policy").toInt() == 2 /* AlwaysOn */ || (handle && handle->opacity() > 0))
      return true;
  }
  return false;
}

QString describe(const QQuickItem *item)
{
  QString name = item->objectName();
  const QVariant text = item->property("text");
  if (name.isEmpty())
    name = QString::fromLatin1(item->metaObject()->className()).section(QLatin1Char('_'), 0, 0);
  if (text.isValid() && !text.toString().isEmpty())
    name +=
        QStringLiteral(" \"%1\"").arg(text.toString().left(40).replace(QLatin1Char('\n'), QLatin1Char(' ')));
  for (const QQuickItem *p = item->parentItem(); p; p = p->parentItem())
    if (!p->objectName().isEmpty()) {
      name += QStringLiteral(" in ") + p->objectName();
      break;
    }
  return name;
}

QString rectText(const QRectF &r)
{
  return QStringLiteral("(%1,%2 %3x%4)")
      .arg(qRound(r.x()))
      .arg(qRound(r.y()))
      .arg(qRound(r.width()))
      .arg(qRound(r.height()));
}

bool inside(const QRectF &inner, const QRectF &outer)
{
  return inner.left() >= outer.left() - tolerance && inner.top() >= outer.top() - tolerance &&
         inner.right() <= outer.right() + tolerance && inner.bottom() <= outer.bottom() + tolerance;
}

// Where `item` fails to be seen whole: outside the window, cut by a clipping parent that does not
// scroll with a visible scroll bar, or a text that is elided or wider than its clipped box.
QString layoutFault(const QQuickItem *item, const QRectF &window)
{
  // What of the item can come into view; a scrolling parent brings the rest into view.
  QRectF shown = paintedRect(item);
  for (const QQuickItem *p = item->parentItem(); p && !shown.isEmpty(); p = p->parentItem()) {
    if (!p->clip() && !isBar(p))
      continue;
    const QRectF area = sceneRect(p);
    QRectF allowed = area;
    const bool flickable = scrolls(p);
    const bool scrollsDown = flickable && p->property("contentHeight").toReal() > p->height() + tolerance &&
                             showsScrollBar(p, Qt::Vertical);
    const bool scrollsAcross = flickable && p->property("contentWidth").toReal() > p->width() + tolerance &&
                               showsScrollBar(p, Qt::Horizontal);
    if (scrollsDown) {
      allowed.setTop(std::min(area.top(), shown.top()));
      allowed.setBottom(std::max(area.bottom(), shown.bottom()));
    }
    if (scrollsAcross) {
      allowed.setLeft(std::min(area.left(), shown.left()));
      allowed.setRight(std::max(area.right(), shown.right()));
    }
    if (!inside(shown, allowed)) {
      const QString by =
          p->objectName().isEmpty() ? QString::fromLatin1(p->metaObject()->className()) : p->objectName();
      return QStringLiteral("%1 cut by %2 %3").arg(rectText(shown), by, rectText(area));
    }
    shown = shown.intersected(area);
  }
  if (!shown.isEmpty() && !inside(shown, window))
    return QStringLiteral("outside the window %1").arg(rectText(shown));
  if (isText(item)) {
    if (item->property("truncated").toBool())
      return QStringLiteral("elided");
    if (item->clip() && (item->property("contentWidth").toReal() > item->width() + tolerance ||
                         item->property("contentHeight").toReal() > item->height() + tolerance))
      return QStringLiteral("text larger than its clipped box");
  } else if (item->inherits("QQuickTextInput") && item->property("readOnly").toBool() &&
             item->property("contentWidth").toReal() > item->width() + tolerance) {
    return QStringLiteral("text wider than its field");
  }
  return {};
}

// Checks the visible controls below `item`; returns how many it checked.
int collectFaults(const QQuickItem *item, const QRectF &window, QStringList &faults)
{
  if (!item->isVisible() || effectiveOpacity(item) <= 0.0)
    return 0;
  int checked = 0;
  if (isControl(item)) {
    ++checked;
    const QString fault = layoutFault(item, window);
    if (!fault.isEmpty())
      faults << describe(item) + QStringLiteral(": ") + fault;
  }
  for (const QQuickItem *child : item->childItems())
    checked += collectFaults(child, window, faults);
  return checked;
}
} // namespace

class PageLayoutTest : public QObject
{
  Q_OBJECT

  std::unique_ptr<TemporaryWorkingDirectory> workDir;
  std::unique_ptr<SimulatorProcess> simulator;
  std::unique_ptr<RealWindow> real;

  // Waits until the page of `index` is on view and has settled.
  bool settle(int index)
  {
    return real->item(QStringLiteral("idSwipeView"))->property("currentIndex").toInt() == index &&
           real->waitForSettledFrames();
  }

  // The faults of the window with the page on view; a page without controls is one too (it did
  // not load).
  QStringList faultsOnView(const QString &where)
  {
    QStringList faults;
    const QRectF window(0, 0, real->window->width(), real->window->height());
    auto *page = real->item(QStringLiteral("idSwipeView"))->property("currentItem").value<QQuickItem *>();
    if (collectFaults(page, window, faults) == 0)
      faults << QStringLiteral("no control on the page");
    collectFaults(real->window->contentItem(), window, faults);
    faults.removeDuplicates();
    for (QString &fault : faults)
      fault.prepend(where + QStringLiteral(": "));
    return faults;
  }

  void setLanguage(int language)
  {
    AppState &s = appState();
    real->app->receiveFromQml_ReloadLanguage(language);
    if (s.ui.processData.currentLanguageNr != language) // the first call was the system page's own
      real->app->receiveFromQml_ReloadLanguage(language);
    QCOMPARE(s.ui.processData.currentLanguageNr, language);
    const QQmlContext *context = real->engine->rootContext();
    QTRY_VERIFY_WITH_TIMEOUT(
        !s.loop.fullRefreshPending &&
            context->contextProperty(QStringLiteral("processData")).value<ProcessData>().currentLanguageNr ==
                language,
        5000);
  }

private slots:
  void initTestCase()
  {
    QCoreApplication::setOrganizationName(QStringLiteral("Norvex"));
    QCoreApplication::setApplicationName(QStringLiteral("Talvane tests"));
    workDir = std::make_unique<TemporaryWorkingDirectory>();
    const QString port = workDir->path() + QStringLiteral("/ups");
    QVERIFY(QFile::link(QStringLiteral(TALVANE_BUILD_DIR "/app"), workDir->path() + QStringLiteral("/app")));
    simulator = std::make_unique<SimulatorProcess>(QStringList{"--model", "VT-40A", "--link", port});
    real = std::make_unique<RealWindow>(QStringList{port});
    QVERIFY(real->window);
    // The service page is part of the window in production builds.
    appState().special.production_version = true;
    appState().ui.processData.production_version = true;
    QTRY_VERIFY_WITH_TIMEOUT(appState().link.has(LinkFlag::deviceIdentified), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(!appState().ui.processData.masterOutput_text.isEmpty(), 10000);
  }

  void cleanupTestCase()
  {
    real.reset();
    simulator.reset();
    workDir.reset();
  }

  void nothingIsCut_data()
  {
    QTest::addColumn<int>("language");
    QTest::addColumn<QSize>("size");
    QTest::newRow("English 1024x700") << 0 << QSize(1024, 700);
    QTest::newRow("German 1024x700") << 1 << QSize(1024, 700);
    QTest::newRow("English 1366x768") << 0 << QSize(1366, 768);
    QTest::newRow("German 1366x768") << 1 << QSize(1366, 768);
  }

  // Every page in mains operation, then the status page in buffer operation and with the link lost.
  void nothingIsCut()
  {
    QFETCH(int, language);
    QFETCH(QSize, size);
    const QString where =
        QStringLiteral("%1 %2x%3").arg(language == 0 ? "en" : "de").arg(size.width()).arg(size.height());
    setLanguage(language);
    real->window->resize(size);
    QTRY_COMPARE(real->window->contentItem()->size(), QSizeF(size));

    QStringList faults;
    for (const Page &page : pages) {
      QVERIFY(real->showPage(page.index));
      QVERIFY2(settle(page.index), page.name);
      faults += faultsOnView(QStringLiteral("%1 page, %2").arg(QLatin1String(page.name), where));
    }

    QVERIFY(real->showPage(1));
    const ProcessData &pd = appState().ui.processData;
    simulator->command(QStringLiteral("mode buffer"));
    QTRY_COMPARE_WITH_TIMEOUT(pd.alarmState, QStringLiteral("buffer"), 15000);
    QVERIFY(settle(1));
    faults += faultsOnView(QStringLiteral("status page in buffer operation, ") + where);

    simulator->command(QStringLiteral("silent on"));
    QTRY_COMPARE_WITH_TIMEOUT(pd.alarmState, QStringLiteral("noConnection"), 15000);
    QVERIFY(settle(1));
    faults += faultsOnView(QStringLiteral("status page with the link lost, ") + where);

    simulator->command(QStringLiteral("silent off"));
    simulator->command(QStringLiteral("mode mains"));
    QTRY_VERIFY_WITH_TIMEOUT(pd.alarmState.isEmpty(), 30000);
    for (const QString &fault : faults) // the whole list: the failure message below is cut short
      qWarning().noquote() << fault;
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 controls cut or hidden").arg(faults.size())));
  }

  // The status picture is sized from the window alone: it keeps its size in mains operation, in
  // buffer operation and with the link lost, grows with the window, and the page shows it with
  // its value cards without scrolling.
  void statusPictureKeepsItsSize()
  {
    struct Mode {
      const char *name;
      const char *command;
      const char *alarm;
    };
    const Mode modes[] = {{"mains operation", "mode mains", ""},
                          {"buffer operation", "mode buffer", "buffer"},
                          {"link lost", "silent on", "noConnection"}};
    QVERIFY(real->showPage(1));
    QQuickItem *banner = real->item(QStringLiteral("alarmBanner"));
    QQuickItem *picture = real->item(QStringLiteral("pictureArea"));
    QQuickItem *flickable = real->item(QStringLiteral("statusFlickable"));
    QVERIFY(banner && picture && flickable);
    qreal smallerWidth = 0;
    for (const QSize size : {QSize(1024, 700), QSize(1366, 768), QSize(1920, 1080)}) {
      real->window->resize(size);
      QTRY_COMPARE(real->window->contentItem()->size(), QSizeF(size));
      QSizeF first;
      for (const Mode &mode : modes) {
        const QString where =
            QStringLiteral("%1 at %2x%3").arg(QLatin1String(mode.name)).arg(size.width()).arg(size.height());
        simulator->command(QLatin1String(mode.command));
        QTRY_COMPARE_WITH_TIMEOUT(banner->property("key").toString(), QLatin1String(mode.alarm), 20000);
        QVERIFY(settle(1));
        if (first.isEmpty())
          first = picture->size();
        QVERIFY2(picture->size() == first,
                 qPrintable(QStringLiteral("%1: picture %2x%3, in mains operation %4x%5")
                                .arg(where)
                                .arg(picture->width())
                                .arg(picture->height())
                                .arg(first.width())
                                .arg(first.height())));
        QVERIFY2(flickable->property("contentHeight").toReal() <= flickable->height(),
                 qPrintable(QStringLiteral("%1: the page scrolls (%2 of %3)")
                                .arg(where)
                                .arg(flickable->property("contentHeight").toReal())
                                .arg(flickable->height())));
        if (QLatin1String(mode.command) == QLatin1String("silent on"))
          simulator->command(QStringLiteral("silent off"));
      }
      QVERIFY2(
          first.width() > smallerWidth,
          qPrintable(
              QStringLiteral("%1 wide at %2x%3").arg(first.width()).arg(size.width()).arg(size.height())));
      smallerWidth = first.width();
    }
    simulator->command(QStringLiteral("mode mains"));
    QTRY_VERIFY_WITH_TIMEOUT(banner->property("key").toString().isEmpty(), 30000);
  }
};

QTEST_MAIN(PageLayoutTest)

#include "tst_pageLayout.moc"
