import QtQuick 2.15

// A lamp that blinks by itself: lit for `litMs`, dark for 200 ms, steady while `litMs` is 0.
// The window times the blinking, so the back end sends the lamp only when its state changes.
Image {
    id: lamp

    property string litSource
    property int litMs: 0
    property bool lit: true
    readonly property bool blinking: idBlink.running

    source: lit ? litSource : "qrc:/images/led/led_grey.png"

    Timer {
        id: idBlink
        running: lamp.litMs > 0 && lamp.visible
        repeat: true
        interval: lamp.lit ? lamp.litMs : 200
        onTriggered: lamp.lit = !lamp.lit
        onRunningChanged: if (!running) lamp.lit = true
    }
}
