import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../global" as G

// One identity number of the addressed unit (serial or batch number): the value the device
// reports and a field to write a new one.
RowLayout {
    id: idRow

    property string caption: ""
    property string currentValue: ""
    property string placeholder: ""
    // The command number of the write at the back end.
    property int buttonNr: 1

    spacing: idGlobal.spacing

    function write() {
        var value = idValue.text.trim()
        if (value !== "")
            cppClass.receiveFromQml_Production_Row(buttonNr, "", value, "", "", "", "", "")
    }

    Label {
        text: idRow.caption + idRow.currentValue
        font.pixelSize: idGlobal.fontPixelSize
        color: idGlobal.productionPageTextColor
        Layout.preferredWidth: 190
        elide: Text.ElideRight
    }
    TextField {
        id: idValue
        objectName: "valueField"
        placeholderText: idRow.placeholder
        validator: RegularExpressionValidator { regularExpression: /\d{0,10}/ }
        selectByMouse: true
        font.pixelSize: idGlobal.fontPixelSize
        Layout.preferredWidth: 170
        Layout.preferredHeight: idGlobal.controlHeight
        onAccepted: idRow.write()
    }
    G.MyButton {
        objectName: "saveButton"
        text: "Speichern"
        enabled: idValue.text.trim() !== ""
        onClicked: idRow.write()
    }
    Item { Layout.fillWidth: true }
}
