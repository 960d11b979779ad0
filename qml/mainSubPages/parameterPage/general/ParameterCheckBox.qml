import QtQuick 2.15
import QtQuick.Controls 2.15

// A check box for a device setting. It shows the state the device reports; after the user changes
// it, it keeps showing the user's choice until the device reports that state or `holdMs` has
// passed, so that a record arriving before the device took the change does not flip it back.
// Only the user's click or key press emits userToggled; record updates never do.
CheckBox {
    id: control

    property bool deviceChecked: false
    property bool pending: false
    property bool wanted: false
    // While true the user's choice stays shown (for instance while the user types a related value).
    property bool keepWanted: false
    property int holdMs: 3000

    signal userToggled(bool on)

    checked: (pending || keepWanted) ? wanted : deviceChecked
    visible: text !== ""
    font.pixelSize: idGlobal.fontPixelSize
    activeFocusOnTab: true
    Accessible.name: text

    contentItem: Text {
        leftPadding: control.indicator.width + control.spacing
        text: control.text
        font: control.font
        color: idGlobal.infoPageTextColor
        opacity: control.enabled ? 1.0 : 0.5
        wrapMode: Text.WordWrap
        verticalAlignment: Text.AlignVCenter
    }

    onToggled: {
        wanted = checked
        pending = true
        idHoldTimer.restart()
        userToggled(checked)
    }
    onDeviceCheckedChanged: {
        if (deviceChecked === wanted)
            pending = false
    }

    Timer {
        id: idHoldTimer
        interval: control.holdMs
        onTriggered: control.pending = false
    }
}
