import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// A labelled whole-number field for a device setting; the back end moves a number past the model's
// limits to the nearest one it takes, however many digits it has. While the user edits it, records
// do not overwrite the text; when the user finishes with a changed value, userEdited is emitted
// and the typed value stays shown until the device reports it or `holdMs` has passed. Leaving the
// field unchanged or with an unusable text sends nothing and shows the device's value again.
RowLayout {
    id: row

    property alias label: idLabel.text
    property string deviceText: ""
    property bool pending: false
    property string sentText: ""
    property int holdMs: 3000
    // The values the model takes ("Allowed: 2 to 3600"); empty where any whole number goes.
    property string rangeText: ""
    readonly property alias control: idField
    // True while the user works in the field or the typed value waits for the device.
    readonly property bool editing: idField.activeFocus || pending

    signal userEdited(string value)

    // Puts the keyboard into the field with its text selected, ready to type a new value.
    function beginEdit() {
        idField.forceActiveFocus()
        idField.selectAll()
    }

    function showDeviceText() {
        if (!idField.activeFocus && !pending)
            idField.text = deviceText
    }

    visible: label !== ""
    spacing: idGlobal.spacing

    Label {
        id: idLabel
        Layout.preferredWidth: idGlobal.labelWidth
        Layout.alignment: Qt.AlignVCenter
        font.pixelSize: idGlobal.fontPixelSize
        color: idGlobal.infoPageTextColor
        opacity: row.enabled ? 1.0 : 0.5
        wrapMode: Text.WordWrap
    }

    TextField {
        id: idField
        Layout.preferredWidth: 120
        Layout.preferredHeight: idGlobal.controlHeight
        font.pixelSize: idGlobal.fontPixelSize
        horizontalAlignment: TextInput.AlignRight
        selectByMouse: true
        activeFocusOnTab: true
        inputMethodHints: Qt.ImhDigitsOnly
        validator: RegularExpressionValidator { regularExpression: /[0-9]+/ }
        Accessible.name: row.label
        Accessible.description: row.rangeText
        ToolTip.visible: hovered && row.rangeText !== ""
        ToolTip.text: row.rangeText
        ToolTip.delay: 500
        Component.onCompleted: text = row.deviceText

        onEditingFinished: {
            // Enter and the following focus change both finish the edit; send the value once.
            if (text === row.deviceText || (row.pending && text === row.sentText))
                return
            row.sentText = text
            row.pending = true
            idHoldTimer.restart()
            row.userEdited(text)
        }
        // Runs after editingFinished, which Qt emits in the same focus change.
        onActiveFocusChanged: {
            if (activeFocus)
                selectAll()
            else
                Qt.callLater(row.showDeviceText)
        }
        Keys.onEscapePressed: {
            row.pending = false
            text = row.deviceText
            selectAll()
        }
    }

    Label {
        objectName: "rangeHint"
        Layout.fillWidth: true
        Layout.alignment: Qt.AlignVCenter
        visible: row.rangeText !== ""
        text: row.rangeText
        font.pixelSize: idGlobal.fontPixelSize - 2
        color: idGlobal.infoPageTextColor
        opacity: 0.7
        wrapMode: Text.WordWrap
    }
    Item { Layout.fillWidth: true; visible: row.rangeText === "" }

    onDeviceTextChanged: {
        if (pending && deviceText === idField.text)
            pending = false
        showDeviceText()
    }

    Timer {
        id: idHoldTimer
        interval: row.holdMs
        onTriggered: {
            row.pending = false
            row.showDeviceText()
        }
    }
}
