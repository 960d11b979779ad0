import QtQuick 2.15
import QtQuick.Controls 2.15

// One flag of a program start: box 0 switches the program start on, boxes 1..15 choose the
// events that start the program. Only a click or key press of the user sends the new state;
// records arriving from the back end set `checked` without sending anything.
CheckBox {
    id: idControl

    property int programStartNr: 0
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

    onToggled: cppClass.receiveFromQml_SetProgramStartEvent_CheckBox(programStartNr, checkBoxNr, checked)
}
