import QtQuick 2.15
import QtQuick.Controls 2.15

// Titled frame around a group of controls. The title is `myTitle`; without a title the frame
// starts at the top.
GroupBox {
    id: control

    property string myTitle: ""

    title: myTitle
    font.pixelSize: idGlobal.fontPixelSize
    padding: 12
    topPadding: (title !== "" ? titleLabel.implicitHeight + 6 : 0) + 12

    label: Label {
        id: titleLabel
        x: control.leftPadding
        width: control.availableWidth
        visible: control.title !== ""
        text: control.title
        font.pixelSize: idGlobal.titlePixelSize
        font.bold: true
        color: idGlobal.infoPageTextColor
        elide: Text.ElideRight
    }

    background: Rectangle {
        y: control.title !== "" ? titleLabel.implicitHeight + 6 : 0
        width: parent.width
        height: parent.height - y
        radius: 4
        color: "#fbfbfc"
        border.color: "#d4d5d8"
    }
}
