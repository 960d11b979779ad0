import QtQuick 2.15
import QtQuick.Controls 2.15

// One sub-page button of the left column; `selected` marks the page on show.
AbstractButton {
    id: control

    property bool selected: false

    implicitWidth: idGlobal.buttonsVerticalArea_ButtonWidth
    implicitHeight: idGlobal.buttonsVerticalArea_ButtonHeight
    focusPolicy: Qt.StrongFocus
    activeFocusOnTab: true
    font.pixelSize: idGlobal.buttonsVerticalArea_ButtonFontSize
    leftPadding: 12
    rightPadding: 8
    topPadding: 2
    bottomPadding: 2

    Keys.onReturnPressed: control.clicked()
    Keys.onEnterPressed: control.clicked()

    Accessible.role: Accessible.PageTab
    Accessible.name: text

    contentItem: Text {
        text: control.text
        font: control.font
        // Two lines at most; a text that still does not fit gets smaller.
        wrapMode: Text.WordWrap
        maximumLineCount: 2
        fontSizeMode: Text.Fit
        minimumPixelSize: 11
        // The theme's grey on the column's grey is hard to read; unselected texts use a darker
        // shade of it.
        color: control.selected ? idGlobal.buttonSelectedTextColor
                                : Qt.darker(idGlobal.buttonsVerticalArea_ButtonTextColor, 1.9)
        opacity: control.enabled ? 1.0 : 0.45
        horizontalAlignment: Text.AlignLeft
        verticalAlignment: Text.AlignVCenter
    }

    background: Rectangle {
        color: control.down ? idGlobal.buttonsVerticalArea_ButtonDownColor
             : control.selected ? idGlobal.buttonSelectedColor
             : control.hovered && control.enabled ? Qt.lighter(idGlobal.buttonsVerticalArea_Color, 1.08)
             : idGlobal.buttonsVerticalArea_Color

        // Selected page: an accent bar at the left edge.
        Rectangle {
            width: 4
            height: parent.height
            visible: control.selected
            color: idGlobal.infoPageVariableColor
        }
        // Separator line to the next button.
        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: idGlobal.buttonsVerticalArea_BorderColor
            opacity: 0.25
        }
        // Keyboard focus: a light inner frame.
        Rectangle {
            anchors.fill: parent
            anchors.margins: 2
            visible: control.visualFocus
            color: "transparent"
            border.width: 2
            border.color: idGlobal.infoPageVariableColor
        }
    }
}
