import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtCharts 2.15
import "../../global" as G

// The trend of one measured value over the last hour. The chart is redrawn at most once a second
// and only while the page is shown; each unbroken run between two gaps is a line of its own, so a
// lost link leaves a gap instead of a line across it.
Item {
    id: idTrendWindow

    property var texts: trendFeed.texts()
    property int selectedValue: 0
    property double drawnRevision: -1
    property int runCount: 0
    readonly property color lineColor: "#1f6fb2"

    function redraw() {
        var revision = trendFeed.revision()
        if (revision === drawnRevision)
            return
        drawnRevision = revision
        runCount = trendFeed.prepare(selectedValue)
        while (idChart.count < runCount) {
            var line = idChart.createSeries(ChartView.SeriesTypeLine, "", idAxisX, idAxisY)
            line.color = lineColor
            line.width = 2
        }
        for (var i = 0; i < idChart.count; ++i)
            trendFeed.fillSeries(i, idChart.series(i))
        var axes = trendFeed.range()
        idAxisX.min = new Date(axes[0])
        idAxisX.max = new Date(axes[1])
        idAxisX.format = axes[1] - axes[0] < 600000 ? "HH:mm:ss" : "HH:mm"
        idAxisY.min = axes[2]
        idAxisY.max = axes[3]
        idAxisY.applyNiceNumbers()
    }

    // The axes are not bound to the texts: the chart keeps its own copies of their titles.
    function showTitles() {
        idAxisX.titleText = texts.time
        idAxisY.titleText = texts.values[selectedValue]
    }
    onTextsChanged: showTitles()
    onSelectedValueChanged: showTitles()

    function select(value) {
        selectedValue = value
        drawnRevision = -1
        redraw()
    }

    onVisibleChanged: {
        if (visible) {
            texts = trendFeed.texts()
            redraw()
        }
    }
    Component.onCompleted: {
        showTitles()
        redraw()
    }

    Timer {
        interval: 1000
        repeat: true
        running: idTrendWindow.visible
        onTriggered: idTrendWindow.redraw()
    }

    Connections {
        target: cppClass
        // A change of language sends the main window's texts again.
        function onSendToQml_mainWindow() {
            idTrendWindow.texts = trendFeed.texts()
        }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: idGlobal.pageMargin
        spacing: 8

        Flow {
            objectName: "trendValueButtons"
            Layout.fillWidth: true
            spacing: 6
            Repeater {
                // A fixed count: a change of language renames the buttons instead of making new ones.
                model: 6
                delegate: G.MyButton {
                    objectName: "trendValue_" + index
                    text: idTrendWindow.texts.values[index]
                    checkable: true
                    checked: index === idTrendWindow.selectedValue
                    onClicked: idTrendWindow.select(index)
                }
            }
        }

        ChartView {
            id: idChart
            objectName: "trendChart"
            Layout.fillWidth: true
            Layout.fillHeight: true
            antialiasing: true
            legend.visible: false
            backgroundRoundness: 0
            margins { left: 4; right: 4; top: 4; bottom: 4 }
            readonly property int lineCount: idTrendWindow.runCount

            // Fonts in pixels like the rest of the page: the chart's default fonts are in points,
            // which come out larger on Qt 5 than on Qt 6.
            DateTimeAxis {
                id: idAxisX
                format: "HH:mm"
                tickCount: 6
                labelsFont: Qt.font({ pixelSize: idGlobal.fontPixelSize })
                titleFont: Qt.font({ pixelSize: idGlobal.fontPixelSize, bold: true })
            }
            ValueAxis {
                id: idAxisY
                tickCount: 6
                labelFormat: "%.1f"
                labelsFont: Qt.font({ pixelSize: idGlobal.fontPixelSize })
                titleFont: Qt.font({ pixelSize: idGlobal.fontPixelSize, bold: true })
            }

            Label {
                objectName: "trendNoData"
                anchors.centerIn: parent
                visible: idTrendWindow.runCount === 0
                text: idTrendWindow.texts.noData
                font.pixelSize: idGlobal.fontPixelSize
                color: "#666666"
            }
        }

        RowLayout {
            Layout.fillWidth: true
            Item { Layout.fillWidth: true }
            G.MyButton {
                objectName: "trendExportButton"
                text: idTrendWindow.texts.exportButton + " (CSV)"
                onClicked: idExportDialog.open()
            }
        }
    }

    G.LazyFileDialog {
        id: idExportDialog
        objectName: "trendExportDialog"
        title: idTrendWindow.texts.exportButton + " (CSV)"
        selectFolder: true
        startInDocuments: true
        // A chosen folder arrives as the file URL; without one the folder shown is the choice.
        onAccepted: function(fileUrl, folder) {
            trendFeed.exportCsv(fileUrl.toString() !== "" ? fileUrl : folder)
        }
    }
}
