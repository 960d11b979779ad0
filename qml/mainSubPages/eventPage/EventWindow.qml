import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import "../../global" as G

// The device's current state (lamps, relay contacts, active signals) and the event log table with
// its clear and export buttons.
Item {
    id: idEventWindow

    // Newest copies of the records this page shows.
    property var sys: systemWindow
    property alias proc: idShownProcess.record
    G.ShownRecord { id: idShownProcess; shown: idEventWindow.visible; record: processData }
    property var outputs: signalOutputs

    readonly property int maxContentWidth: 1200

    // The signals that are active now: the back end lists one per line as "▪ " + label.
    readonly property var activeSignals: {
        var active = {}
        var lines = (proc.devStatusText || "").split("\n")
        for (var i = 0; i < lines.length; ++i) {
            var label = lines[i].replace(/^\s*▪\s*/, "").trim()
            if (label !== "")
                active[label] = true
        }
        return active
    }

    // Lines of the current-state list that are no event of the model, such as the loss of the
    // connection: shown as a note above the lamps.
    readonly property string stateNote: {
        var notes = []
        var lines = (proc.devStatusText || "").split("\n")
        for (var i = 0; i < lines.length; ++i) {
            var label = lines[i].replace(/^\s*▪\s*/, "").trim()
            if (label !== "" && signalLabels.indexOf(label) < 0)
                notes.push(label)
        }
        return notes.join("\n")
    }

    // Event row labels of the current model, rows without a label left out.
    readonly property var signalLabels: {
        var labels = []
        for (var row = 1; row <= 14; ++row) {
            var label = outputs["signal_Label_Row" + row]
            if (label)
                labels.push(label)
        }
        return labels
    }

    function clearEvents() {
        cppClass.receiveFromQml_DataBase_EventControl(0, "")
    }

    // The back end turns the folder URL into a path and names the file after today's date.
    function exportEvents(folderUrl) {
        cppClass.receiveFromQml_DataBase_EventControl(1, folderUrl.toString())
    }

    G.FocusScroller {
        flickable: idFlick
        content: idContent
    }

    Connections {
        target: cppClass
        function onSendToQml_SystemWindow(systemWindow) { idEventWindow.sys = systemWindow }
        function onSendToQml_ProcessData(processData) { idShownProcess.take(processData) }
        function onSendToQml_SignalOutputs(signalOutputs) { idEventWindow.outputs = signalOutputs }
    }

    Flickable {
        id: idFlick
        anchors.fill: parent
        contentWidth: width
        // The log table takes the room that is left; below its minimum the page scrolls.
        contentHeight: Math.max(height, idContent.implicitHeight + 2 * idGlobal.pageMargin)
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: G.PageScrollBar {}

        ColumnLayout {
            id: idContent
            x: idGlobal.pageMargin
            y: idGlobal.pageMargin
            width: Math.min(idFlick.width - 2 * idGlobal.pageMargin, idEventWindow.maxContentWidth)
            height: idFlick.contentHeight - 2 * idGlobal.pageMargin
            spacing: idGlobal.spacing * 2

            MyGroupBox {
                objectName: "currentStateGroup"
                myTitle: sys.currentStateIndicator
                Layout.fillWidth: true

                ColumnLayout {
                    anchors.left: parent.left
                    anchors.right: parent.right
                    spacing: idGlobal.spacing

                    Label {
                        objectName: "currentStateNote"
                        visible: text !== ""
                        text: idEventWindow.stateNote
                        font.pixelSize: idGlobal.titlePixelSize
                        font.bold: true
                        color: idGlobal.infoPageTextColor
                        wrapMode: Text.Wrap
                        Layout.fillWidth: true
                    }

                    Flow {
                        Layout.fillWidth: true
                        spacing: idGlobal.spacing * 3

                        // The three lamps of the device with the causes that light them.
                        Column {
                            spacing: 4
                            Repeater {
                                model: [
                                    { name: "Alarm", image: "red_image", causes: "signal_Label_ledRed" },
                                    { name: idEventWindow.proc.currentLanguageNr === 1 ? "Laden/Pufferbetrieb" : "Charge/Bat. mode", image: "yellow_image", causes: "signal_Label_ledYellow" },
                                    { name: "DC OK", image: "green_image", causes: "signal_Label_ledGreen" }
                                ]
                                delegate: RowLayout {
                                    objectName: "lamp_" + index
                                    spacing: idGlobal.spacing
                                    width: 350
                                    Image {
                                        source: proc[modelData.image] || proc.grey_image || ""
                                        sourceSize.width: 20
                                        sourceSize.height: 20
                                        Layout.preferredWidth: 20
                                        Layout.preferredHeight: 20
                                        Layout.alignment: Qt.AlignTop
                                    }
                                    Label {
                                        text: modelData.name
                                        font.pixelSize: idGlobal.fontPixelSize
                                        color: idGlobal.infoPageTextColor
                                        Layout.preferredWidth: 130
                                        Layout.alignment: Qt.AlignTop
                                    }
                                    Label {
                                        text: (proc[modelData.causes] || "").trim()
                                        font.pixelSize: idGlobal.fontPixelSize
                                        color: idGlobal.infoPageVariableColor
                                        wrapMode: Text.WordWrap
                                        Layout.fillWidth: true
                                        Layout.alignment: Qt.AlignTop
                                    }
                                }
                            }
                        }

                        // The signal contacts: open or closed, and the events that switch them.
                        Column {
                            spacing: 4
                            Repeater {
                                model: [
                                    { name: "signal14_Bezeichnung", image: "signalRelayImage14", causes: "signalRelayText14", fallback: "14" },
                                    { name: "signal24_Bezeichnung", image: "signalRelayImage24", causes: "signalRelayText24", fallback: "24" },
                                    { name: "signal34_Bezeichnung", image: "signalRelayImage34", causes: "signalRelayText34", fallback: "34" }
                                ]
                                delegate: RowLayout {
                                    objectName: "relay_" + modelData.fallback
                                    // A model without this contact has no name for it.
                                    visible: (outputs[modelData.name] || proc[modelData.image] || "") !== ""
                                    spacing: idGlobal.spacing
                                    width: 400
                                    Image {
                                        source: proc[modelData.image] || ""
                                        sourceSize.width: 36
                                        sourceSize.height: 24
                                        Layout.preferredWidth: 36
                                        Layout.preferredHeight: 24
                                        Layout.alignment: Qt.AlignTop
                                    }
                                    Label {
                                        text: outputs[modelData.name] || modelData.fallback
                                        font.pixelSize: idGlobal.fontPixelSize
                                        color: idGlobal.infoPageTextColor
                                        Layout.preferredWidth: 150
                                        Layout.alignment: Qt.AlignTop
                                        Layout.topMargin: 3
                                    }
                                    Label {
                                        text: (proc[modelData.causes] || "").trim()
                                        font.pixelSize: idGlobal.fontPixelSize
                                        color: idGlobal.infoPageVariableColor
                                        wrapMode: Text.WordWrap
                                        Layout.fillWidth: true
                                        Layout.alignment: Qt.AlignTop
                                        Layout.topMargin: 3
                                    }
                                }
                            }
                        }
                    }

                    Rectangle {
                        visible: idEventWindow.signalLabels.length > 0
                        color: "#e4e5e8"
                        Layout.fillWidth: true
                        Layout.preferredHeight: 1
                    }

                    // Every event of the model with a lamp that is lit while the event is active.
                    Flow {
                        objectName: "signalLamps"
                        Layout.fillWidth: true
                        spacing: 4
                        Repeater {
                            model: idEventWindow.signalLabels
                            delegate: Row {
                                property bool active: idEventWindow.activeSignals[modelData] === true
                                objectName: "signalLamp_" + index
                                spacing: 8
                                width: 260
                                height: 22
                                Rectangle {
                                    anchors.verticalCenter: parent.verticalCenter
                                    width: 12
                                    height: 12
                                    radius: 6
                                    color: parent.active ? idGlobal.infoPageVariableColor : "#dcdde0"
                                    border.color: parent.active ? Qt.darker(idGlobal.infoPageVariableColor, 1.3) : "#b8b9bc"
                                }
                                Label {
                                    anchors.verticalCenter: parent.verticalCenter
                                    width: parent.width - 20
                                    text: modelData
                                    elide: Text.ElideRight
                                    font.pixelSize: idGlobal.fontPixelSize
                                    font.bold: parent.active
                                    color: parent.active ? idGlobal.infoPageTextColor : "#8a8b8e"
                                }
                            }
                        }
                    }
                }
            }

            // The log's title row carries its buttons, so the table keeps the height.
            ColumnLayout {
                spacing: 6
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.minimumHeight: 190

                RowLayout {
                    spacing: idGlobal.spacing
                    Layout.fillWidth: true
                    Label {
                        text: sys.eventsProtocol
                        font.pixelSize: idGlobal.titlePixelSize
                        font.bold: true
                        color: idGlobal.infoPageTextColor
                        leftPadding: 12
                        elide: Text.ElideRight
                        Layout.fillWidth: true
                    }
                    G.MyButton {
                        objectName: "clearEventsButton"
                        text: sys.clearEvents
                        Layout.preferredHeight: idGlobal.controlHeight
                        onClicked: idClearBox.open()
                    }
                    G.MyButton {
                        objectName: "exportEventsButton"
                        text: sys.saveAsCsv
                        Layout.preferredHeight: idGlobal.controlHeight
                        onClicked: idExportDialog.open()
                    }
                }

                MyGroupBox {
                    objectName: "eventProtocolGroup"
                    Layout.fillWidth: true
                    Layout.fillHeight: true

                    ColumnLayout {
                        anchors.fill: parent
                        spacing: 0

                        Rectangle {
                            objectName: "eventTableHeader"
                            color: "#eceef1"
                            Layout.fillWidth: true
                            Layout.preferredHeight: 30
                            Row {
                                anchors.fill: parent
                                Repeater {
                                    model: [sys.tableViewColumnDevice, sys.tableViewColumnDate,
                                            sys.tableViewColumnTime, sys.tableViewColumnEvent]
                                    delegate: Label {
                                        width: idEventTable.columnWidths[index]
                                        height: parent.height
                                        leftPadding: 8
                                        text: modelData
                                        font.pixelSize: idGlobal.fontPixelSize
                                        font.bold: true
                                        color: idGlobal.infoPageTextColor
                                        verticalAlignment: Text.AlignVCenter
                                        elide: Text.ElideRight
                                    }
                                }
                            }
                        }

                        ListView {
                            id: idEventTable
                            objectName: "eventTable"
                            // Column widths shared by the header and the rows: device, date, time, event.
                            readonly property real deviceWidth: Math.max(140, width * 0.22)
                            readonly property var columnWidths: [deviceWidth, 110, 90, Math.max(120, width - deviceWidth - 200)]
                            // Newest event first; the model already sorts that way.
                            model: qmlDataBaseModel
                            clip: true
                            activeFocusOnTab: true
                            boundsBehavior: Flickable.StopAtBounds
                            highlightMoveDuration: 0
                            Layout.fillWidth: true
                            Layout.fillHeight: true
                            Layout.minimumHeight: 90
                            ScrollBar.vertical: G.PageScrollBar {}

                            delegate: Rectangle {
                                // The row's cells in column order.
                                readonly property var cells: [model.device, model.date, model.time, model.event]
                                width: idEventTable.width
                                height: 26
                                color: idEventTable.activeFocus && ListView.isCurrentItem ? "#d9ecfb"
                                     : (index % 2 === 0 ? "#ffffff" : "#f5f6f8")
                                Row {
                                    anchors.fill: parent
                                    Repeater {
                                        model: 4
                                        delegate: Label {
                                            width: idEventTable.columnWidths[index]
                                            height: parent.height
                                            leftPadding: 8
                                            text: cells[index] !== undefined ? String(cells[index]) : ""
                                            font.pixelSize: idGlobal.fontPixelSize
                                            color: idGlobal.infoPageTextColor
                                            verticalAlignment: Text.AlignVCenter
                                            elide: Text.ElideRight
                                        }
                                    }
                                }
                                MouseArea {
                                    anchors.fill: parent
                                    onClicked: {
                                        idEventTable.currentIndex = index
                                        idEventTable.forceActiveFocus()
                                    }
                                }
                            }
                        }
                    }
                }
            }
        }
    }

    G.MyMessageBox {
        id: idClearBox
        objectName: "clearEventsBox"
        messageBoxTitle: sys.clearEvents + "?"
        yesText: sys.yesText !== "" ? sys.yesText : idGlobal.yesText
        noText: sys.noText !== "" ? sys.noText : idGlobal.noText
        onYesValueChanged: {
            if (yesValue)
                idEventWindow.clearEvents()
        }
    }

    G.LazyFileDialog {
        id: idExportDialog
        objectName: "exportDialog"
        title: sys.saveAsCsv
        selectFolder: true
        startInDocuments: true
        // A chosen folder arrives as the file URL; without one the folder shown is the choice.
        onAccepted: function(fileUrl, folder) {
            idEventWindow.exportEvents(fileUrl.toString() !== "" ? fileUrl : folder)
        }
    }
}
