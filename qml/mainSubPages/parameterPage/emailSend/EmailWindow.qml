import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import "../../../global" as G

// E-mail page: the two e-mails, stacked on a narrow window and side by side on a wide one. The
// page scrolls, and follows the keyboard focus so that tabbing never leaves the focused control
// out of sight.
Item {
    id: idPage

    // The e-mail record has no initial copy; the page starts empty and fills with the first record.
    property var rec: emailWindow
    property var sig: signalOutputs

    readonly property int sectionMinWidth: 600
    readonly property int sectionMaxWidth: 900

    Connections {
        target: cppClass
        function onSendToQml_EmailWindow(emailWindow) { idPage.rec = emailWindow }
        function onSendToQml_SignalOutputs(signalOutputs) { idPage.sig = signalOutputs }
    }

    Flickable {
        id: idFlick
        objectName: "emailFlickable"
        anchors.fill: parent
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        contentWidth: width
        contentHeight: idContent.height + 2 * idGlobal.pageMargin
        // Shown all the time while the page is longer than the view, so that the rest is not missed.
        ScrollBar.vertical: G.PageScrollBar {}

        GridLayout {
            id: idContent
            x: idGlobal.pageMargin
            y: idGlobal.pageMargin
            width: Math.min(idFlick.width - 2 * idGlobal.pageMargin,
                            2 * idPage.sectionMaxWidth + columnSpacing)
            columns: width >= 2 * idPage.sectionMinWidth + columnSpacing ? 2 : 1
            columnSpacing: idGlobal.pageMargin
            rowSpacing: idGlobal.pageMargin

            Email_Rectangle {
                objectName: "email_1"
                Layout.fillWidth: true
                Layout.maximumWidth: idPage.sectionMaxWidth
                Layout.alignment: Qt.AlignTop | Qt.AlignLeft
                emailNr: 0
                rec: idPage.rec
                sig: idPage.sig
            }
            Email_Rectangle {
                objectName: "email_2"
                Layout.fillWidth: true
                Layout.maximumWidth: idPage.sectionMaxWidth
                Layout.alignment: Qt.AlignTop | Qt.AlignLeft
                emailNr: 1
                rec: idPage.rec
                sig: idPage.sig
            }
        }
    }

    // The focused control scrolls into view with its title or the row next to it.
    G.FocusScroller {
        flickable: idFlick
        content: idContent
        room: idGlobal.controlHeight + 2 * idGlobal.spacing
    }
}
