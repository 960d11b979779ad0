// The real window against the simulator: the trend page fills from the live values, follows a
// mains failure, leaves a gap where the link was lost, and exports the trend as CSV.
#include "realWindow.h"
#include "simulatorProcess.h"
#include "temporaryWorkingDirectory.h"

#include "app/appState.h"

#include <QAbstractSeries>
#include <QMetaMethod>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QXYSeries>
#include <QtTest>

#include <cmath>
#include <memory>

// Qt 5 keeps the chart classes in a namespace of their own, Qt 6 does not.
namespace QtCharts
{
}
using namespace QtCharts;

namespace
{
constexpr int trendPage = 12;

float newestInputVoltage()
{
  const TrendStore &t = appState().trends;
  return t.size() > 0 ? t.valueAt(TrendValue::inputVoltage, t.size() - 1) : NAN;
}

bool newestIsLive()
{
  const TrendStore &t = appState().trends;
  return t.size() > 0 && !t.isGap(t.size() - 1);
}

// The line series the chart shows, and the points of each.
QVector<QVector<QPointF>> chartLines(QQuickItem *chart)
{
  QVector<QVector<QPointF>> lines;
  const int count = chart->property("count").toInt();
  for (int i = 0; i < count; ++i) {
    // The return type is named as the chart declares it, with or without the namespace.
    const QMetaMethod seriesAt =
        chart->metaObject()->method(chart->metaObject()->indexOfMethod("series(int)"));
    QAbstractSeries *series = nullptr;
    seriesAt.invoke(chart, QGenericReturnArgument(seriesAt.typeName(), &series), Q_ARG(int, i));
    auto *xy = qobject_cast<QXYSeries *>(series);
    if (xy && xy->count() > 0) {
      const QList<QPointF> points = xy->points();
      lines.append(QVector<QPointF>(points.cbegin(), points.cend()));
    }
  }
  return lines;
}
} // namespace

class TrendViewTest : public QObject
{
  Q_OBJECT

  std::unique_ptr<TemporaryWorkingDirectory> workDir;
  std::unique_ptr<SimulatorProcess> simulator;
  std::unique_ptr<RealWindow> real;

  // After a resize the swipe view slides the page back into place, and the chart paints its scene
  // into an image a frame or two after a change: the picture waits for both.
  void saveScreenshot(const QString &name)
  {
    QVERIFY(real->saveScreenshot(QStringLiteral(SCREENSHOT_DIR), QStringLiteral("trend_") + name));
  }

private slots:
  void initTestCase()
  {
    QCoreApplication::setOrganizationName(QStringLiteral("Norvex"));
    QCoreApplication::setApplicationName(QStringLiteral("Talvane tests"));
  }

  void chartFollowsMainsFailureAndLinkLoss()
  {
    workDir = std::make_unique<TemporaryWorkingDirectory>();
    const QString port = workDir->path() + QStringLiteral("/ups");
    QVERIFY(QFile::link(QStringLiteral(TALVANE_BUILD_DIR "/app"), workDir->path() + QStringLiteral("/app")));
    simulator = std::make_unique<SimulatorProcess>(QStringList{"--model", "VT-40A", "--link", port});
    real = std::make_unique<RealWindow>(QStringList{port});
    QVERIFY(real->window);
    real->window->resize(1366, 768);
    QVERIFY(real->showPage(trendPage));
    QVERIFY(real->item(QStringLiteral("buttonTrend"))->property("selected").toBool());
    QQuickItem *chart = real->item(QStringLiteral("trendChart"));
    QVERIFY(chart);

    // Mains operation: one unbroken line of the input voltage once the device answers.
    QTRY_VERIFY_WITH_TIMEOUT(newestIsLive() && newestInputVoltage() > 20.0f, 30000);
    const float mains = newestInputVoltage();
    QTRY_VERIFY_WITH_TIMEOUT(!chartLines(chart).isEmpty() && chartLines(chart).last().size() >= 2, 15000);
    QVERIFY(!real->item(QStringLiteral("trendNoData"))->isVisible());

    // A mains failure: the input voltage falls, and the chart's newest point with it.
    simulator->command(QStringLiteral("mode buffer"));
    QTRY_VERIFY_WITH_TIMEOUT(newestIsLive() && newestInputVoltage() < mains - 1.0f, 15000);
    const float buffer = newestInputVoltage();
    QTRY_VERIFY_WITH_TIMEOUT(
        !chartLines(chart).isEmpty() && chartLines(chart).last().last().y() < mains - 1.0, 5000);
    simulator->command(QStringLiteral("mode mains"));
    QTRY_VERIFY_WITH_TIMEOUT(newestIsLive() && newestInputVoltage() > buffer + 1.0f, 15000);

    // The link is lost and comes back: the line breaks and does not join across the gap.
    const int linesBefore = chartLines(chart).size();
    simulator->command(QStringLiteral("silent on"));
    QTRY_VERIFY_WITH_TIMEOUT(!newestIsLive(), 15000);
    simulator->command(QStringLiteral("silent off"));
    QTRY_VERIFY_WITH_TIMEOUT(newestIsLive(), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(
        chartLines(chart).size() == linesBefore + 1 && chartLines(chart).last().size() >= 2, 10000);
    const QVector<QVector<QPointF>> lines = chartLines(chart);
    const QPointF lastBeforeGap = lines[lines.size() - 2].last();
    const QPointF firstAfterGap = lines.last().first();
    QVERIFY2(firstAfterGap.x() - lastBeforeGap.x() >= 2000,
             qPrintable(QStringLiteral("gap of %1 ms").arg(firstAfterGap.x() - lastBeforeGap.x())));

    saveScreenshot(QStringLiteral("1366x768_en"));
    real->window->resize(1024, 700);
    QTRY_COMPARE(qRound(chart->mapToScene(QPointF(chart->width(), chart->height())).y()) <= 700, true);
    saveScreenshot(QStringLiteral("1024x700_en"));

    real->app->receiveFromQml_ReloadLanguage(0); // the first call is the system page's own report
    real->app->receiveFromQml_ReloadLanguage(1);
    QTRY_COMPARE(real->item(QStringLiteral("trendValue_0"))->property("text").toString(),
                 QStringLiteral("Eingangsspannung (V)"));
    saveScreenshot(QStringLiteral("1024x700_de"));
    real->window->resize(1366, 768);
    QTRY_COMPARE(real->window->contentItem()->width(), 1366.0);
    saveScreenshot(QStringLiteral("1366x768_de"));

    // Another value is drawn from its own samples: the temperature's axis is in degrees.
    // After a resize the swipe view slides the page back into place.
    QQuickItem *temperatureButton = real->item(QStringLiteral("trendValue_5"));
    QTRY_VERIFY(temperatureButton->mapToScene(QPointF(temperatureButton->width(), 0)).x() <=
                real->window->width());
    clickItem(real->window, temperatureButton);
    const auto newestTemperature = [] {
      const TrendStore &t = appState().trends;
      return t.valueAt(TrendValue::temperature, t.size() - 1);
    };
    QTRY_VERIFY(!chartLines(chart).isEmpty() &&
                std::fabs(chartLines(chart).last().last().y() - newestTemperature()) < 0.05);
    QCOMPARE(real->item(QStringLiteral("trendChart"))->property("lineCount").toInt(), lines.size());
  }

  // The export writes every sample, the gap as empty fields, and says so in the message line.
  void exportWritesTheTrend()
  {
    QVERIFY(real);
    const QString folder = workDir->path() + QStringLiteral("/export");
    QVERIFY(QDir().mkpath(folder));
    QObject *feed =
        real->engine->rootContext()->contextProperty(QStringLiteral("trendFeed")).value<QObject *>();
    QVERIFY(feed);
    const int samples = appState().trends.size();
    QMetaObject::invokeMethod(feed, "exportCsv", Q_ARG(QString, QUrl::fromLocalFile(folder).toString()));
    QTRY_VERIFY_WITH_TIMEOUT(
        appState().ui.processData.extraMessage.startsWith(QStringLiteral("Verlauf exportiert nach")), 10000);
    const QStringList files = QDir(folder).entryList({QStringLiteral("upsTrend_*.csv")});
    QCOMPARE(files.size(), 1);
    QFile file(folder + QLatin1Char('/') + files.first());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.first(), QByteArray("Zeit;Eingangsspannung (V);Ausgangsspannung (V);Ausgangsstrom (A);"
                                       "Speicherspannung (V);Speicherstrom (A);Temperatur (°C)"));
    QVERIFY2(lines.size() >= samples + 2, qPrintable(QString::number(lines.size())));
    QVERIFY(lines.contains(QByteArray()));
    bool gapWritten = false;
    for (const QByteArray &line : lines)
      gapWritten = gapWritten || line.endsWith(";;;;;;");
    QVERIFY(gapWritten);
  }

  void cleanupTestCase()
  {
    real.reset();
    simulator.reset();
    workDir.reset();
  }
};

QTEST_MAIN(TrendViewTest)

#include "tst_trendView.moc"
