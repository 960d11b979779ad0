import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// A labelled list choice for a device setting: the label in the page's label column, the list
// beside it. It shows the device's selection; after the user picks an entry it keeps showing the
// pick until the device reports it or `holdMs` has passed. Only a user's pick emits userActivated.
// A row whose label is empty is not offered by the device and stays hidden.
RowLayout {
    id: row

    property alias label: idLabel.text
    property var model: []
    property int deviceIndex: -1
    property bool pending: false
    property int wantedIndex: -1
    property int holdMs: 3000
    readonly property alias control: idBox

    signal userActivated(string value)

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

    ComboBox {
        id: idBox
        Layout.preferredWidth: 180
        Layout.preferredHeight: idGlobal.controlHeight
        model: row.model
        enabled: count > 0
        currentIndex: shownIndex()
        // Before a device is chosen the list is empty: show a dash rather than a blank box.
        displayText: count > 0 ? currentText : "\u2013"
        font.pixelSize: idGlobal.fontPixelSize
        activeFocusOnTab: true
        Accessible.name: row.label

        function shownIndex() {
            return row.pending ? row.wantedIndex : row.deviceIndex
        }
        // A new list resets the selection inside the box; show the device's entry again.
        onModelChanged: currentIndex = Qt.binding(shownIndex)

        onActivated: function(index) {
            row.wantedIndex = index
            row.pending = true
            idHoldTimer.restart()
            row.userActivated(textAt(index))
        }
    }

    Item { Layout.fillWidth: true }

    onDeviceIndexChanged: {
        if (deviceIndex === wantedIndex)
            pending = false
    }

    Timer {
        id: idHoldTimer
        interval: row.holdMs
        onTriggered: row.pending = false
    }
}
