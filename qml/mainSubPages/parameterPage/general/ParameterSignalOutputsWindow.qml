import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../../global"

// Signal contacts: which device events drive the relays 14, 24 and 34, and whether a relay's
// output is inverted. Rows the model does not offer (empty label) are hidden.
ParameterScrollPage {
    id: page
    maxContentWidth: 960

    property var so: signalOutputs

    Connections {
        target: cppClass
        function onSendToQml_SignalOutputs(signalOutputs) { page.so = signalOutputs }
    }

    readonly property var relayNames: [so.signal14_Bezeichnung, so.signal24_Bezeichnung, so.signal34_Bezeichnung]
    readonly property var relayShown: [relayNames[0] !== "", relayNames[1] !== "", relayNames[2] !== ""]
    readonly property bool hasRows: {
        for (var k = 1; k <= 14; ++k) {
            if (so["signal_Label_Row" + k] !== "")
                return true
        }
        return false
    }
    readonly property int columnWidth: 140

    Label {
        objectName: "signalOutputsPlaceholder"
        visible: !page.hasRows
        text: idGlobal.devNoSelected
        font.pixelSize: idGlobal.titlePixelSize
        color: idGlobal.infoPageTextColor
        Layout.topMargin: idGlobal.pageMargin
    }

    MyGroupBox {
        objectName: "signalOutputsGroup"
        visible: page.hasRows
        myTitle: idGlobal.buttonsParameter_SignalContact_Text
        Layout.fillWidth: true

        ColumnLayout {
            width: parent.width
            spacing: 0

            // Column titles: the event column and the relays.
            RowLayout {
                spacing: 0
                Label {
                    text: page.so.signalEvent_Label
                    Layout.preferredWidth: idGlobal.labelWidth
                    Layout.leftMargin: 6
                    font.pixelSize: idGlobal.fontPixelSize
                    font.bold: true
                    color: idGlobal.infoPageTextColor
                    wrapMode: Text.WordWrap
                }
                Repeater {
                    model: 3
                    Label {
                        visible: page.relayShown[index]
                        text: page.relayNames[index]
                        Layout.preferredWidth: page.columnWidth
                        horizontalAlignment: Text.AlignHCenter
                        font.pixelSize: idGlobal.fontPixelSize
                        font.bold: true
                        color: idGlobal.infoPageTextColor
                        wrapMode: Text.WordWrap
                    }
                }
            }

            MyRowSignalOutputs {
                objectName: "signalInvertedRow"
                Layout.fillWidth: true
                Layout.topMargin: 4
                rowNumber: 0
                label: page.so.signalInverted_Bezeichnung
                columnWidth: page.columnWidth
                relayShown: page.relayShown
                relayChecked: [page.so.signal14_Inverted, page.so.signal24_Inverted, page.so.signal34_Inverted]
                relayEnabled: [page.so.signal14_Inverted_enabled, page.so.signal24_Inverted_enabled,
                               page.so.signal34_Inverted_enabled]
                color: "#eef0f2"
            }

            Rectangle {
                Layout.fillWidth: true
                Layout.topMargin: 4
                Layout.bottomMargin: 4
                height: 1
                color: "#d4d5d8"
            }

            Repeater {
                model: 14
                MyRowSignalOutputs {
                    readonly property int k: index + 1
                    objectName: "signalRow" + k
                    Layout.fillWidth: true
                    rowNumber: k
                    label: page.so["signal_Label_Row" + k]
                    columnWidth: page.columnWidth
                    relayShown: page.relayShown
                    relayChecked: [page.so["signal14_Row" + k], page.so["signal24_Row" + k], page.so["signal34_Row" + k]]
                    relayEnabled: [page.so["signal14_enabled_Row" + k], page.so["signal24_enabled_Row" + k],
                                   page.so["signal34_enabled_Row" + k]]
                    color: k % 2 === 0 ? "#f4f5f6" : "transparent"
                }
            }
        }
    }
}
