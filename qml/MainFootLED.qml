import QtQuick 2.15
import QtQuick.Controls 2.15

// One indicator lamp of the foot bar with its caption. `tact` 0 keeps the lamp steady; a value
// above 0 makes it blink, each phase lasting `tact` main-loop ticks (100 ms). Values of 100 and
// more are taken as milliseconds. While dark the lamp shows `offSource`.
Item {
    id: led

    property string source: ""
    property string offSource: "qrc:/images/led/led_grey.png"
    property int tact: 0
    property string label: ""
    property string toolTipText: ""
    property int lampSize: 26

    readonly property int phaseMs: tact <= 0 ? 0 : (tact < 100 ? tact * 100 : tact)
    readonly property bool lit: idBlink.phaseOn || phaseMs === 0
    readonly property string shownSource: lit && source !== "" ? source : offSource

    implicitWidth: Math.max(lampSize, idCaption.implicitWidth)
    implicitHeight: lampSize + 4 + idCaption.implicitHeight

    Accessible.role: Accessible.Indicator
    Accessible.name: label.replace("\n", " ")
    Accessible.description: toolTipText

    Timer {
        id: idBlink
        property bool phaseOn: true
        interval: Math.max(50, led.phaseMs)
        running: led.phaseMs > 0
        repeat: true
        onTriggered: phaseOn = !phaseOn
        onRunningChanged: phaseOn = true
    }

    Image {
        id: idLamp
        objectName: "lampImage"
        anchors.horizontalCenter: parent.horizontalCenter
        width: led.lampSize
        height: led.lampSize
        sourceSize.width: led.lampSize * 2
        sourceSize.height: led.lampSize * 2
        source: led.shownSource
        fillMode: Image.PreserveAspectFit
    }
    Label {
        id: idCaption
        anchors.top: idLamp.bottom
        anchors.topMargin: 4
        anchors.horizontalCenter: parent.horizontalCenter
        text: led.label
        font.pixelSize: 12
        lineHeight: 0.9
        color: idGlobal.infoPageTextColor
        horizontalAlignment: Text.AlignHCenter
    }

    MouseArea {
        id: idHover
        anchors.fill: parent
        hoverEnabled: true
        acceptedButtons: Qt.NoButton
    }
    ToolTip.visible: idHover.containsMouse && toolTipText !== ""
    ToolTip.text: toolTipText
    ToolTip.delay: 400
}
