import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "global"

// Foot bar: the device and its operating mode, the active device states, the three lamps, the
// signal relay contacts, the potentiometer position and the state of the serial link.
Rectangle {
    id: foot

    // The newest copies of the records shown here.
    property var process: processData
    property var status: statusWindow

    // The link is still looking for a device (or the production page is flashing one).
    readonly property bool busy: idGlobal.flashMode
                                 || (process.offlineMode && process.deviceDetectingAutomatically)
                                 || String(process.textComPort).indexOf("scanning") >= 0
    readonly property string flasherLog: [idGlobal.flasherLogsTextGlobal, idGlobal.flasherLogsTextGlobal2]
                                         .filter(function(t) { return t !== "" }).join("\n")
    readonly property int smallPixelSize: 12

    color: idGlobal.mainFootArea_Color
    implicitHeight: idGlobal.mainFootArea_Height

    Connections {
        target: cppClass
        function onSendToQml_ProcessData(processData) { foot.process = processData }
        function onSendToQml_StatusWindow(statusWindow) { foot.status = statusWindow }
    }

    Rectangle {
        width: parent.width
        height: 1
        color: "#d4d5d8"
    }

    component Separator: Rectangle {
        Layout.fillHeight: true
        Layout.topMargin: 4
        Layout.bottomMargin: 4
        implicitWidth: 1
        color: "#dcdde0"
    }

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: 12
        anchors.rightMargin: 12
        anchors.topMargin: 8
        anchors.bottomMargin: 8
        spacing: 12

        // Device, operating mode and the one-line message of the back end.
        ColumnLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.minimumWidth: 150
            Layout.preferredWidth: 260
            spacing: 2

            Label {
                objectName: "footDeviceName"
                Layout.fillWidth: true
                text: idGlobal.devText
                font.pixelSize: idGlobal.fontPixelSize + 1
                font.bold: true
                color: idGlobal.infoPageTextColor
                elide: Text.ElideRight
            }
            Label {
                id: idModeLabel
                objectName: "footOperationMode"
                readonly property string alarm: foot.process.alarmState || ""
                Layout.fillWidth: true
                // An alarm shows in its colour, with the time it began.
                text: alarm !== "" && alarm !== "noConnection" ? foot.process.alarmText : foot.process.masterOperationModus
                font.pixelSize: idGlobal.fontPixelSize
                font.bold: alarm !== ""
                color: alarm !== "" ? "white" : idGlobal.infoPageVariableColor
                leftPadding: alarm !== "" ? 6 : 0
                rightPadding: leftPadding
                background: Rectangle {
                    objectName: "footAlarmBackground"
                    visible: idModeLabel.alarm !== ""
                    color: idGlobal.alarmColor(idModeLabel.alarm)
                    radius: 3
                }
                // A narrow window breaks a long state ("No connection since …") rather than cut its time.
                wrapMode: Text.Wrap
                maximumLineCount: 2
                elide: Text.ElideRight
                ToolTip.visible: idModeHover.containsMouse && truncated
                ToolTip.text: text
                MouseArea { id: idModeHover; anchors.fill: parent; hoverEnabled: true; acceptedButtons: Qt.NoButton }
            }
            Label {
                objectName: "footOperationModeExtra"
                Layout.fillWidth: true
                visible: text !== ""
                text: foot.process.masterOperationModusExtra
                font.pixelSize: foot.smallPixelSize
                color: idGlobal.infoPageVariableColor
                elide: Text.ElideRight
            }
            Label {
                id: idExtraMessage
                objectName: "extraMessageLabel"
                Layout.fillWidth: true
                text: foot.process.extraMessage
                font.pixelSize: idGlobal.fontPixelSize
                font.bold: true
                color: "#d9822b"
                elide: Text.ElideRight
                // A long message (a failed mail with the server's answer) shows whole on hover.
                ToolTip.visible: idMessageHover.containsMouse && truncated
                ToolTip.text: text
                MouseArea { id: idMessageHover; anchors.fill: parent; hoverEnabled: true; acceptedButtons: Qt.NoButton }
                // Blinks while there is a message.
                opacity: text === "" || idMessageBlink.phaseOn ? 1.0 : 0.15
                Timer {
                    id: idMessageBlink
                    property bool phaseOn: true
                    interval: 600
                    repeat: true
                    running: idExtraMessage.text !== ""
                    onTriggered: phaseOn = !phaseOn
                    onRunningChanged: phaseOn = true
                }
            }
            Item { Layout.fillHeight: true }
        }

        Separator {}

        // Active device states (one per line), or the flasher log while the production page flashes.
        Label {
            id: idStatusList
            objectName: "footStatusText"
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.minimumWidth: 120
            Layout.preferredWidth: 240
            // The state already shown on the left is not repeated here.
            text: foot.flasherLog !== "" ? foot.flasherLog : String(foot.process.devStatusText).split("\n").filter(
                      function(line) {
                          var label = line.replace(/^\s*▪\s*/, "").trim()
                          return label !== "" && label !== idModeLabel.text
                                 && label !== String(foot.process.masterOperationModus)
                      }).join("\n")
            font.pixelSize: foot.smallPixelSize
            color: idGlobal.infoPageTextColor
            verticalAlignment: Text.AlignTop
            wrapMode: Text.Wrap
            elide: Text.ElideRight
            maximumLineCount: Math.max(1, Math.floor(height / (fontMetrics.height)))
            clip: true
            FontMetrics { id: fontMetrics; font: idStatusList.font }
            ToolTip.visible: idStatusHover.containsMouse && truncated
            ToolTip.text: text
            MouseArea { id: idStatusHover; anchors.fill: parent; hoverEnabled: true; acceptedButtons: Qt.NoButton }
        }

        Separator {}

        // Lamps: alarm, charge/battery mode, DC OK.
        RowLayout {
            Layout.alignment: Qt.AlignVCenter
            spacing: 8
            MainFootLED {
                objectName: "ledRed"
                Layout.preferredWidth: 58
                Layout.alignment: Qt.AlignTop
                source: foot.process.red_image
                offSource: foot.process.grey_image !== "" ? foot.process.grey_image : "qrc:/images/led/led_grey.png"
                tact: foot.process.red_image_tact
                label: "Alarm"
                toolTipText: foot.process.signal_Label_ledRed
            }
            MainFootLED {
                objectName: "ledYellow"
                Layout.preferredWidth: 58
                Layout.alignment: Qt.AlignTop
                source: foot.process.yellow_image
                offSource: foot.process.grey_image !== "" ? foot.process.grey_image : "qrc:/images/led/led_grey.png"
                tact: foot.process.yellow_image_tact
                label: foot.process.currentLanguageNr === 1 ? "Laden/\nPufferbetr." : "Charge/\nBat. mode"
                toolTipText: foot.process.signal_Label_ledYellow
            }
            MainFootLED {
                objectName: "ledGreen"
                Layout.preferredWidth: 58
                Layout.alignment: Qt.AlignTop
                source: foot.process.green_image
                offSource: foot.process.grey_image !== "" ? foot.process.grey_image : "qrc:/images/led/led_grey.png"
                tact: foot.process.green_image_tact
                label: "DC OK"
                toolTipText: foot.process.signal_Label_ledGreen
            }
        }

        Separator {}

        // Signal relay contacts 14, 24 and 34: contact picture, name, and what drives it (tooltip).
        RowLayout {
            Layout.alignment: Qt.AlignVCenter
            spacing: 6
            Repeater {
                model: [
                    { name: idGlobal.signal14Bezeichnung, image: foot.process.signalRelayImage14, cause: foot.process.signalRelayText14 },
                    { name: idGlobal.signal24Bezeichnung, image: foot.process.signalRelayImage24, cause: foot.process.signalRelayText24 },
                    { name: idGlobal.signal34Bezeichnung, image: foot.process.signalRelayImage34, cause: foot.process.signalRelayText34 }
                ]
                delegate: Item {
                    id: idRelay
                    objectName: "relay" + ["14", "24", "34"][index]
                    // A contact without a name does not exist on the model.
                    visible: modelData.name !== ""
                    readonly property string cause: String(modelData.cause).replace(/\n+$/, "")
                    implicitWidth: 46
                    implicitHeight: 30 + 4 + idRelayName.implicitHeight
                    Accessible.role: Accessible.Indicator
                    Accessible.name: modelData.name
                    Accessible.description: cause

                    Image {
                        id: idRelayImage
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: 44
                        height: 30
                        source: modelData.image !== "" ? modelData.image : "qrc:/images/instrumente/Schalter_auf.png"
                        opacity: modelData.image !== "" ? 1.0 : 0.35
                        fillMode: Image.PreserveAspectFit
                        mipmap: true
                    }
                    Label {
                        id: idRelayName
                        anchors.top: idRelayImage.bottom
                        anchors.topMargin: 4
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: parent.width
                        text: modelData.name
                        font.pixelSize: foot.smallPixelSize
                        font.bold: idRelay.cause !== ""
                        color: idRelay.cause !== "" ? idGlobal.infoPageVariableColor : idGlobal.infoPageTextColor
                        horizontalAlignment: Text.AlignHCenter
                        elide: Text.ElideRight
                    }
                    MouseArea { id: idRelayHover; anchors.fill: parent; hoverEnabled: true; acceptedButtons: Qt.NoButton }
                    ToolTip.visible: idRelayHover.containsMouse && cause !== ""
                    ToolTip.text: cause
                    ToolTip.delay: 400
                }
            }
        }

        // Potentiometer position of the device, when it has one.
        ColumnLayout {
            objectName: "footPoti"
            visible: foot.status.poti_image !== ""
            Layout.alignment: Qt.AlignVCenter
            spacing: 4
            Image {
                Layout.alignment: Qt.AlignHCenter
                Layout.preferredWidth: 32
                Layout.preferredHeight: 32
                source: foot.status.poti_image
                fillMode: Image.PreserveAspectFit
                mipmap: true
            }
            // A long state ("Buffer time state: CUSTOM") takes two lines rather than the port's room.
            Label {
                Layout.alignment: Qt.AlignHCenter
                Layout.maximumWidth: 110
                visible: text !== ""
                text: foot.process.potiText
                font.pixelSize: foot.smallPixelSize
                color: idGlobal.infoPageTextColor
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
            }
        }

        Separator {}

        // Serial link: lamp, mode ("Automatic") and port, and a moving bar while scanning.
        ColumnLayout {
            Layout.fillHeight: true
            Layout.minimumWidth: 140
            Layout.preferredWidth: 180
            Layout.maximumWidth: 220
            spacing: 4

            RowLayout {
                spacing: 6
                BlinkingLamp {
                    objectName: "footComPortImage"
                    Layout.preferredWidth: 16
                    Layout.preferredHeight: 16
                    sourceSize.width: 32
                    sourceSize.height: 32
                    litSource: foot.process.imageComPort !== "" ? foot.process.imageComPort : "qrc:/images/led/led_grey.png"
                    litMs: foot.process.imageComPortLitMs
                }
                Label {
                    Layout.fillWidth: true
                    text: foot.process.textComPortLeft
                    font.pixelSize: foot.smallPixelSize
                    font.bold: true
                    color: idGlobal.infoPageTextColor
                    elide: Text.ElideRight
                }
            }
            Label {
                objectName: "footComPortText"
                Layout.fillWidth: true
                text: foot.process.textComPort
                font.pixelSize: foot.smallPixelSize
                color: idGlobal.infoPageTextColor
                // A device path has no spaces: it breaks anywhere rather than leave the bar. Four
                // lines hold a long path (a link below /dev/serial/by-id) beside the German text.
                wrapMode: Text.WrapAtWordBoundaryOrAnywhere
                maximumLineCount: 4
                elide: Text.ElideRight
            }
            Item { Layout.fillHeight: true }
            ProgressBar {
                objectName: "footActivityBar"
                Layout.fillWidth: true
                visible: foot.busy
                indeterminate: true
            }
        }
    }
}
