import QtQuick 2.15
import QtQuick.Controls 2.15

// Modal yes/no question. yesValue or noValue turns true when the user answers.
Dialog {
    property string messageBoxTitle: ""
    property string yesText: "Yes"
    property string noText: "No"
    property bool yesValue: false
    property bool noValue: false

    modal: true
    anchors.centerIn: Overlay.overlay
    onAboutToShow: { yesValue = false; noValue = false }
    contentItem: Label { text: messageBoxTitle }
    footer: DialogButtonBox {
        Button { text: yesText; DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole }
        Button { text: noText; DialogButtonBox.buttonRole: DialogButtonBox.RejectRole }
    }
    onAccepted: yesValue = true
    onRejected: noValue = true
}
