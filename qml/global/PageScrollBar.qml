import QtQuick 2.15
import QtQuick.Controls 2.15

// Vertical scroll bar of a page. While the content is longer than the view it stays on screen, so
// that the part below is not missed; it fades only when everything is in view.
ScrollBar {
    id: bar

    orientation: Qt.Vertical
    policy: size < 1.0 ? ScrollBar.AlwaysOn : ScrollBar.AsNeeded
    padding: 2
    minimumSize: 0.08

    contentItem: Rectangle {
        implicitWidth: 8
        implicitHeight: 8
        radius: width / 2
        color: bar.pressed ? idGlobal.startButton_DownColor
             : bar.hovered ? idGlobal.infoPageVariableColor : "#b4b6ba"
        opacity: bar.policy === ScrollBar.AlwaysOn || (bar.active && bar.size < 1.0) ? 1.0 : 0.0
        Behavior on opacity { NumberAnimation { duration: 200 } }
    }

    background: Rectangle {
        implicitWidth: 12
        radius: width / 2
        color: "#eceef1"
        visible: bar.policy === ScrollBar.AlwaysOn
    }
}
