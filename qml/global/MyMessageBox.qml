import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// Modal yes/no question with the warning sign. When the user answers, yesValue or noValue turns
// true; both are reset each time the box opens. Closing it with Escape counts as "no".
Dialog {
    id: box

    property string messageBoxTitle: ""
    property string yesText: "Yes"
    property string noText: "No"
    property bool yesValue: false
    property bool noValue: false

    modal: true
    anchors.centerIn: Overlay.overlay
    width: Math.min(480, (parent ? parent.width : 480) - 40)
    padding: 20
    closePolicy: Popup.CloseOnEscape
    font.pixelSize: idGlobal.fontPixelSize

    onAboutToShow: {
        yesValue = false
        noValue = false
    }
    onOpened: idYesButton.forceActiveFocus()
    onAccepted: yesValue = true
    onRejected: noValue = true
    // The box closes before it reports accepted or rejected; decide after that has happened.
    onClosed: Qt.callLater(function() {
        if (!box.yesValue && !box.noValue)
            box.noValue = true
    })

    contentItem: RowLayout {
        spacing: 16

        Image {
            objectName: "messageBoxWarningImage"
            source: "qrc:/images/infos/Warnschild.jpg"
            sourceSize.height: 64
            Layout.preferredHeight: 64
            Layout.preferredWidth: 64
            Layout.alignment: Qt.AlignTop
            fillMode: Image.PreserveAspectFit
        }
        Label {
            objectName: "messageBoxText"
            text: box.messageBoxTitle
            wrapMode: Text.WordWrap
            color: idGlobal.infoPageTextColor
            font.pixelSize: idGlobal.titlePixelSize
            Layout.fillWidth: true
            Layout.alignment: Qt.AlignVCenter
        }
    }

    footer: DialogButtonBox {
        padding: 12
        alignment: Qt.AlignRight
        spacing: idGlobal.spacing
        background: Rectangle { color: "transparent" }

        MyButton {
            id: idYesButton
            objectName: "messageBoxYesButton"
            text: box.yesText
            DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
            KeyNavigation.right: idNoButton
            KeyNavigation.tab: idNoButton
        }
        MyButton {
            id: idNoButton
            objectName: "messageBoxNoButton"
            text: box.noText
            DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
            KeyNavigation.left: idYesButton
            KeyNavigation.tab: idYesButton
        }
    }
}
