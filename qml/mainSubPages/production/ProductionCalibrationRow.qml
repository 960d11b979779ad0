import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../global" as G

// Steps through the model's calibration commands: choose one, start it, send the reference
// value, finish; the device's answer and the log follow below.
ColumnLayout {
    id: idCalibration

    property var prod: ({})
    // Compared as text so the list is replaced only when it really changes, not on every cycle.
    readonly property string commandsKey: (prod.calibrationCommandsText || []).join("\n")
    readonly property string command: String(Math.max(0, idCommand.currentIndex))

    function row(buttonNr, value) {
        cppClass.receiveFromQml_Production_Row(buttonNr, command, value, "", "", "", "", "")
    }
    // An empty field means "no value", which the back end knows as "00000".
    function referenceValue() {
        var value = idReference.text.trim()
        return value === "" ? "00000" : value
    }

    spacing: idGlobal.spacing

    RowLayout {
        spacing: idGlobal.spacing
        Layout.fillWidth: true

        ComboBox {
            id: idCommand
            objectName: "calibrationCommandCombo"
            model: idCalibration.commandsKey === "" ? [] : idCalibration.commandsKey.split("\n")
            enabled: count > 0
            font.pixelSize: idGlobal.fontPixelSize
            Layout.preferredWidth: 240
            Layout.preferredHeight: idGlobal.controlHeight
            onActivated: function(index) { cppClass.receiveFromQml_Production_Row(100, String(index), "", "", "", "", "", "") }
        }
        G.MyButton {
            objectName: "calibrationStartButton"
            text: "Start"
            enabled: idCommand.count > 0
            onClicked: idCalibration.row(3, "")
        }
        TextField {
            id: idReference
            objectName: "calibrationReferenceField"
            placeholderText: "Referenzwert"
            validator: RegularExpressionValidator { regularExpression: /\d{0,5}/ }
            selectByMouse: true
            font.pixelSize: idGlobal.fontPixelSize
            Layout.preferredWidth: 130
            Layout.preferredHeight: idGlobal.controlHeight
        }
        G.MyButton {
            objectName: "calibrationCalibrateButton"
            text: "Kalibrieren"
            enabled: idCommand.count > 0
            onClicked: idCalibration.row(4, idCalibration.referenceValue())
        }
        G.MyButton {
            objectName: "calibrationFinishButton"
            text: "Beenden"
            onClicked: idCalibration.row(5, "")
        }
        Label {
            objectName: "calibrationResponse"
            text: prod.calibrationResponse_Text || ""
            font.pixelSize: idGlobal.fontPixelSize
            font.bold: true
            color: idGlobal.productionPageVariableColor
            Layout.leftMargin: idGlobal.spacing
        }
        Item { Layout.fillWidth: true }
    }

    Label {
        text: prod.calibrationCommandsInfo || ""
        visible: text !== ""
        font.pixelSize: idGlobal.fontPixelSize - 1
        color: idGlobal.productionPageVariableColor
        wrapMode: Text.Wrap
        Layout.fillWidth: true
    }

    Flickable {
        id: idLogView
        visible: (prod.calibrationLogsText || "") !== ""
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        Layout.fillWidth: true
        Layout.preferredHeight: 80
        ScrollBar.vertical: G.PageScrollBar {}
        TextArea.flickable: TextArea {
            objectName: "calibrationLog"
            text: prod.calibrationLogsText || ""
            readOnly: true
            wrapMode: TextEdit.Wrap
            font.pixelSize: idGlobal.fontPixelSize - 2
            color: idGlobal.productionPageTextColor
            background: Rectangle { color: "#f5f6f8"; border.color: "#e0e1e4" }
            onTextChanged: cursorPosition = length
        }
    }
}
