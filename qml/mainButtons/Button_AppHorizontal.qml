import QtQuick 2.15
import QtQuick.Controls 2.15

// One button of the top row. `selected` marks the button of the page group on show; the Start
// button (`startStyle`) takes the start-button colours and sizes of the vendor theme.
AbstractButton {
    id: control

    property bool selected: false
    property bool startStyle: false

    readonly property color faceColor: startStyle ? idGlobal.startButton_Color : idGlobal.buttonsHorizontalArea_ButtonColor
    readonly property color downColor: startStyle ? idGlobal.startButton_DownColor : idGlobal.buttonsHorizontalArea_ButtonDownColor
    readonly property color frameColor: startStyle ? idGlobal.startButton_BorderColor : idGlobal.buttonsHorizontalArea_BorderColor
    readonly property color labelColor: startStyle ? idGlobal.startButton_TextColor : idGlobal.buttonsHorizontalArea_ButtonTextColor

    implicitWidth: startStyle ? idGlobal.startButton_Width : idGlobal.buttonsHorizontalArea_ButtonWidth
    implicitHeight: startStyle ? idGlobal.startButton_Height : idGlobal.buttonsHorizontalArea_Height
    focusPolicy: Qt.StrongFocus
    activeFocusOnTab: true
    font.pixelSize: startStyle ? idGlobal.startButton_FontSize : idGlobal.buttonsHorizontalArea_ButtonFontSize
    padding: 6

    Keys.onReturnPressed: control.clicked()
    Keys.onEnterPressed: control.clicked()

    Accessible.role: Accessible.PageTab
    Accessible.name: text

    contentItem: Text {
        text: control.text
        font: control.font
        // Long texts (German, or many buttons in a narrow window) shrink instead of being cut.
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: 11
        color: control.selected ? idGlobal.buttonSelectedTextColor : control.labelColor
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    background: Rectangle {
        color: control.down ? control.downColor
             : control.selected ? idGlobal.buttonSelectedColor
             : control.hovered ? Qt.lighter(control.faceColor, 1.25)
             : control.faceColor
        border.width: 1
        border.color: control.frameColor

        // Keyboard focus: a light inner frame.
        Rectangle {
            anchors.fill: parent
            anchors.margins: 3
            visible: control.visualFocus
            color: "transparent"
            border.width: 2
            border.color: idGlobal.infoPageVariableColor
        }
    }
}
