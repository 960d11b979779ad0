import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../global" as G

// Device details of the master or of a storage module, as two columns of lines. In production
// builds the master's details also offer a firmware update from a chosen image file.
Dialog {
    id: idPopUp

    property string titleText: ""
    property string infoImage: ""
    property string labelsText: ""
    property string valuesText: ""
    property bool firmwareUpdateOffered: false
    // False while the back end does not allow an update now (device running).
    property bool firmwareUpdateAllowed: true
    property string logText: ""
    property string firmwarePath: ""

    readonly property var labelLines: labelsText === "" ? [] : labelsText.split("\n")
    readonly property var valueLines: valuesText === "" ? [] : valuesText.replace(/\n+$/, "").split("\n")

    // A local path from a file URL: "file:///C:/x" gives "C:/x", "file:///home/x" gives "/home/x".
    function localPath(url) {
        var text = url.toString()
        if (/^file:\/\/\/[A-Za-z]:/.test(text))
            return decodeURIComponent(text.substring(8))
        if (text.indexOf("file://") === 0)
            return decodeURIComponent(text.substring(7))
        return text
    }

    // The update runs on the connected device with its own adapter description (no EEPROM write).
    function startFirmwareUpdate() {
        cppClass.receiveFromQml_Production_Row(24, "", "", "", "", "", "0", firmwarePath)
    }

    modal: true
    focus: true
    anchors.centerIn: Overlay.overlay
    width: Math.min(620, (parent ? parent.width : 620) - 40)
    padding: 20
    topPadding: 12
    font.pixelSize: idGlobal.fontPixelSize
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside

    onOpened: idCloseButton.forceActiveFocus()

    header: RowLayout {
        spacing: idGlobal.spacing
        Image {
            source: idPopUp.infoImage
            visible: source.toString() !== ""
            sourceSize.width: 28
            sourceSize.height: 28
            Layout.leftMargin: 20
            Layout.topMargin: 16
        }
        Label {
            objectName: "popUpTitle"
            text: idPopUp.titleText
            font.pixelSize: idGlobal.titlePixelSize + 2
            font.bold: true
            color: idGlobal.infoPageTextColor
            elide: Text.ElideRight
            Layout.fillWidth: true
            Layout.topMargin: 16
            Layout.leftMargin: idPopUp.infoImage === "" ? 20 : 0
            Layout.rightMargin: 20
        }
    }

    // A plain column: its height is the sum of what is shown, also after parts hide or show.
    contentItem: Column {
        spacing: idGlobal.spacing * 2

        GridLayout {
            id: idDetails
            objectName: "popUpDetails"
            columns: 2
            columnSpacing: idGlobal.spacing * 2
            rowSpacing: 4
            width: parent.width

            Repeater {
                model: Math.max(idPopUp.labelLines.length, idPopUp.valueLines.length) * 2
                delegate: Label {
                    readonly property int line: Math.floor(index / 2)
                    readonly property bool isValue: index % 2 === 1
                    text: isValue ? (idPopUp.valueLines[line] || "") : (idPopUp.labelLines[line] || "")
                    font.pixelSize: idGlobal.fontPixelSize
                    color: isValue ? idGlobal.infoPageVariableColor : idGlobal.infoPageTextColor
                    elide: isValue ? Text.ElideRight : Text.ElideNone
                    Layout.fillWidth: isValue
                    Layout.alignment: Qt.AlignTop
                }
            }
        }

        ColumnLayout {
            id: idFirmwareArea
            objectName: "firmwareUpdateArea"
            visible: idPopUp.firmwareUpdateOffered
            spacing: idGlobal.spacing
            width: parent.width

            Rectangle { color: "#e4e5e8"; Layout.fillWidth: true; Layout.preferredHeight: 1 }

            Label {
                text: "Firmware-Update"
                font.pixelSize: idGlobal.fontPixelSize
                font.bold: true
                color: idGlobal.infoPageTextColor
            }
            RowLayout {
                spacing: idGlobal.spacing
                Layout.fillWidth: true
                TextField {
                    objectName: "firmwarePathField"
                    text: idPopUp.firmwarePath
                    readOnly: true
                    placeholderText: "*.bin"
                    font.pixelSize: idGlobal.fontPixelSize
                    selectByMouse: true
                    Layout.fillWidth: true
                    Layout.preferredHeight: idGlobal.controlHeight
                }
                G.MyButton {
                    objectName: "firmwareChooseButton"
                    text: "Datei wählen…"
                    onClicked: idFirmwareDialog.open()
                }
                G.MyButton {
                    objectName: "firmwareStartButton"
                    text: "Update starten"
                    enabled: idPopUp.firmwareUpdateAllowed && /\.bin$/i.test(idPopUp.firmwarePath)
                    onClicked: idPopUp.startFirmwareUpdate()
                }
            }
            Flickable {
                visible: idPopUp.logText !== ""
                clip: true
                boundsBehavior: Flickable.StopAtBounds
                Layout.fillWidth: true
                // No room is kept for an empty log.
                Layout.preferredHeight: visible ? 90 : 0
                ScrollBar.vertical: G.PageScrollBar {}
                TextArea.flickable: TextArea {
                    text: idPopUp.logText
                    readOnly: true
                    font.pixelSize: idGlobal.fontPixelSize - 2
                    color: idGlobal.infoPageTextColor
                    wrapMode: TextEdit.Wrap
                    background: Rectangle { color: "#f5f6f8"; border.color: "#e0e1e4" }
                    // Follow the log as it grows.
                    onTextChanged: cursorPosition = length
                }
            }
        }
    }

    footer: DialogButtonBox {
        padding: 12
        alignment: Qt.AlignRight
        background: Rectangle { color: "transparent" }
        G.MyButton {
            id: idCloseButton
            objectName: "popUpCloseButton"
            text: "OK"
            DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
        }
    }

    G.LazyFileDialog {
        id: idFirmwareDialog
        dialogObjectName: "firmwareFileDialog"
        title: "Firmware"
        nameFilters: ["Firmware (*.bin)"]
        onAccepted: function(fileUrl, folder) { idPopUp.firmwarePath = idPopUp.localPath(fileUrl) }
    }
}
