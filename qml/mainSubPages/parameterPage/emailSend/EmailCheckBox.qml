import QtQuick 2.15
import QtQuick.Controls 2.15

// One flag of an e-mail: box 0 switches the e-mail on, boxes 1..15 choose the events that send
// it. Only a click or key press of the user sends the new state; records arriving from the back
// end set `checked` without sending anything.
CheckBox {
    id: idControl

    property int emailNr: 0
    property int checkBoxNr: 0

    font.pixelSize: idGlobal.fontPixelSize
    activeFocusOnTab: true

    contentItem: Text {
        leftPadding: idControl.indicator.width + idControl.spacing
        text: idControl.text
        font: idControl.font
        color: idGlobal.infoPageTextColor
        wrapMode: Text.WordWrap
        verticalAlignment: Text.AlignVCenter
    }

    onToggled: cppClass.receiveFromQml_SetEmailEvent_CheckBox(emailNr, checkBoxNr, checked)
}
