import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../global" as G

// Chooses which unit the identity rows address: 0 the master, 1 to 3 its storage modules.
RowLayout {
    id: idRow

    property var prod: ({})
    readonly property int recordValue: prod.slaveID || 0

    spacing: idGlobal.spacing

    // The record arrives every cycle; the field follows it only when the value really changes,
    // so an entry in progress is not overwritten.
    onRecordValueChanged: idIndex.value = recordValue

    Label {
        text: prod.slaveID_text || ""
        font.pixelSize: idGlobal.fontPixelSize
        color: idGlobal.productionPageTextColor
        Layout.preferredWidth: 190
        elide: Text.ElideRight
    }
    SpinBox {
        id: idIndex
        objectName: "slaveIndexSpinBox"
        from: 0
        to: 3
        value: idRow.recordValue
        editable: true
        font.pixelSize: idGlobal.fontPixelSize
        Layout.preferredWidth: 130
        Layout.preferredHeight: idGlobal.controlHeight
    }
    G.MyButton {
        objectName: "slaveIndexWriteButton"
        text: prod.write_button_Text || "Schreiben"
        onClicked: cppClass.receiveFromQml_Production_Row(0, "", String(idIndex.value), "", "", "", "", "")
    }
    Label {
        text: prod.slaveID_extra_text || ""
        font.pixelSize: idGlobal.fontPixelSize - 1
        color: idGlobal.productionPageVariableColor
        elide: Text.ElideRight
        Layout.fillWidth: true
    }
}
