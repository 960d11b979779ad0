import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// One row of the signal-contact table: the event (or "output inverted") and one check box per
// relay 14, 24 and 34. A user's click routes the row to the relay or removes it; row 0 is the
// relay's inverted output. Relays the model does not have leave their column empty.
Rectangle {
    id: row

    property string label: ""
    property int rowNumber: 0
    property int labelWidth: idGlobal.labelWidth
    property int columnWidth: 140
    // Per relay 14, 24, 34: offered by the model, routed, changeable.
    property var relayShown: [true, true, true]
    property var relayChecked: [false, false, false]
    property var relayEnabled: [false, false, false]
    readonly property var relays: [14, 24, 34]

    visible: label !== ""
    implicitWidth: idRow.implicitWidth
    implicitHeight: Math.max(idGlobal.controlHeight + 4, idLabel.implicitHeight + 8)
    color: "transparent"

    // The check box of one relay, for tests and for keyboard order.
    function box(relayIndex) {
        return idRepeater.itemAt(relayIndex).children[0]
    }

    RowLayout {
        id: idRow
        anchors.fill: parent
        spacing: 0

        Label {
            id: idLabel
            text: row.label
            Layout.preferredWidth: row.labelWidth
            Layout.leftMargin: 6
            font.pixelSize: idGlobal.fontPixelSize
            color: idGlobal.infoPageTextColor
            wrapMode: Text.WordWrap
            verticalAlignment: Text.AlignVCenter
        }

        Repeater {
            id: idRepeater
            model: 3
            Item {
                Layout.preferredWidth: row.columnWidth
                Layout.fillHeight: true
                visible: row.relayShown[index]

                ParameterCheckBox {
                    objectName: "relay" + row.relays[index]
                    anchors.centerIn: parent
                    // The label is beside the row; the box itself carries no text.
                    visible: true
                    deviceChecked: row.relayChecked[index]
                    enabled: row.relayEnabled[index]
                    Accessible.name: row.label + " " + row.relays[index]
                    onUserToggled: function(on) { cppClass.receiveFromQml_SetSignalOut(row.relays[index], on, row.rowNumber) }
                }
            }
        }

        Item { Layout.fillWidth: true }
    }
}
