import QtQuick 2.15
import QtQuick.Controls 2.15

// Push button in the vendor's look: dark face with light text, grey while pressed or checked.
// Return and Enter press it as well as Space, so it works like the other controls from the keyboard.
Button {
    id: control

    font.pixelSize: idGlobal.fontPixelSize
    leftPadding: 14
    rightPadding: 14
    topPadding: 4
    bottomPadding: 4
    focusPolicy: Qt.StrongFocus
    activeFocusOnTab: true

    Keys.onReturnPressed: control.clicked()
    Keys.onEnterPressed: control.clicked()

    contentItem: Label {
        text: control.text
        font: control.font
        color: control.enabled ? idGlobal.startButton_TextColor : "#eeeeee"
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    background: Rectangle {
        implicitWidth: 100
        implicitHeight: idGlobal.controlHeight
        radius: 3
        color: !control.enabled ? "#a9aaac"
             : (control.down || control.checked) ? idGlobal.startButton_DownColor
             : control.hovered ? Qt.lighter(idGlobal.startButton_Color, 1.35)
             : idGlobal.startButton_Color
        border.width: control.visualFocus ? 2 : 1
        border.color: control.visualFocus ? idGlobal.infoPageVariableColor : idGlobal.startButton_BorderColor
    }
}
