import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../../global" as G

// One e-mail (emailNr 0 = first, 1 = second): the activate box, the events that send it, the
// server settings and the message. Text fields send their value when the user leaves them (or
// presses Return), and only when it changed. Whenever a record arrives the controls are set
// from it again, except a field the user is still typing in. Texts come from the record; short
// English defaults stand in where it has none (server, port, cc) or before the first record.
MyGroupBox {
    id: idSection

    property int emailNr: 0
    property var rec: ({})
    property var sig: ({})

    readonly property int n: emailNr + 1
    readonly property int eventCount: 15
    readonly property var codingNames: ["None", "SSL/TLS", "STARTTLS"]

    myTitle: idGlobal.buttonsSystem_Email_Text + " " + n

    function text(name) {
        var v = rec ? rec[name] : undefined
        return v === undefined || v === null ? "" : String(v)
    }
    function flag(name) {
        return rec ? rec[name] === true : false
    }
    function number(name) {
        var v = rec ? rec[name] : undefined
        return typeof v === "number" ? v : 0
    }
    function labelOr(name, fallback) {
        var t = text(name)
        return t !== "" ? t : fallback
    }

    // Event k's text: the signal row label; the 15th box is the device error.
    function eventLabel(k) {
        var label = k <= 14 ? (sig ? sig["signal_Label_Row" + k] : undefined) : (rec ? rec.deviceError_text : undefined)
        return label === undefined || label === null ? "" : String(label)
    }

    // "file:///C:/x" -> "C:/x", "file:///home/x" -> "/home/x"; anything else stays as it is.
    function localPath(url) {
        if (/^file:\/\/\/[A-Za-z]:/.test(url))
            return decodeURIComponent(url.substring(8))
        if (url.indexOf("file://") === 0)
            return decodeURIComponent(url.substring(7))
        return url
    }

    // Field numbers of the server settings: 1 server, 2 user name, 3 password, 4 port, 5 coding;
    // of the message: 1 from, 2 to, 3 attachment path, 4 cc, 5 subject, 6 text, 7 event report.
    function sendConfig(field, value) {
        cppClass.receiveFromQml_SetEmailConfig(emailNr, field, value)
    }
    function sendMessage(field, value) {
        cppClass.receiveFromQml_SetEmailMessage(emailNr, field, value)
    }

    function attachmentChosen(url) {
        sendMessage(3, url)
        idPath.text = localPath(url)
        idPath.appliedText = idPath.text
    }

    function apply() {
        var pre = "email" + n + "_"
        idActive.checked = flag("e" + n + "_activ")
        for (var k = 1; k <= idEvents.count; ++k) {
            var box = idEvents.itemAt(k - 1)
            if (box) // not yet there while the section is being built; it then reads the record itself
                box.checked = flag("e" + n + "_signal" + k)
        }
        idServer.show(text(pre + "ServerValue"))
        idPort.show(text(pre + "PortValue"))
        idUser.show(text(pre + "UsernameValue"))
        idPassword.show(text(pre + "PasswordValue"))
        idCoding.currentIndex = number(pre + "CodingValue")
        idFrom.show(text(pre + "FromValue"))
        idTo.show(text(pre + "ToValue"))
        idCc.show(text(pre + "CcValue"))
        idSubject.show(text(pre + "SubjectValue"))
        idBody.show(text(pre + "TextValue"))
        idPath.show(text("e" + n + "_path"))
        idReport.checked = flag("eventReport_Attachment_active_" + n)
    }

    onRecChanged: apply()
    Component.onCompleted: apply()

    // Typing not yet confirmed is kept when the page is left: a hidden field keeps its focus and
    // would otherwise never report that editing finished.
    function storeTyping() {
        var fields = [idServer, idPort, idUser, idPassword, idFrom, idTo, idCc, idSubject, idBody, idPath]
        for (var k = 0; k < fields.length; ++k)
            fields[k].store()
    }
    onVisibleChanged: if (!visible) storeTyping()

    // A text field holding one stored value. `appliedText` is the value last taken from the record
    // or sent; the field sends only a text that differs from it.
    component RecordField: TextField {
        property string appliedText: ""
        signal commit(string value)

        function show(value) {
            if (!(activeFocus && text !== appliedText)) {
                text = value
                if (!activeFocus)
                    cursorPosition = 0 // show the start of a long value
            }
            appliedText = value
        }

        // Fields ask for little width, so a long value scrolls inside instead of widening the page.
        Layout.fillWidth: true
        Layout.preferredWidth: 100
        Layout.preferredHeight: idGlobal.controlHeight
        font.pixelSize: idGlobal.fontPixelSize
        selectByMouse: true
        activeFocusOnTab: true
        function store() {
            if (text !== appliedText) {
                appliedText = text
                commit(text)
            }
        }
        onEditingFinished: store()
        // Focus taken by a control that does not take it on a click leaves no editingFinished.
        onActiveFocusChanged: if (!activeFocus) store()
    }
    // Stacked, the labels of both groups share one column width, so that their fields line up.
    component FieldLabel: Label {
        font.pixelSize: idGlobal.fontPixelSize
        color: idGlobal.infoPageTextColor
        Layout.preferredWidth: idGroups.columns === 1 ? idSection.fieldLabelWidth : -1
        Layout.alignment: Qt.AlignLeft | Qt.AlignVCenter
    }
    FontMetrics {
        id: idMetrics
        font.pixelSize: idGlobal.fontPixelSize
    }
    readonly property real fieldLabelWidth: {
        var texts = ["Server:", "Port:", "Cc:", labelOr("emailUsername", "User name:"),
                     labelOr("emailPassword", "Password:"), labelOr("emailConding", "Encryption:"),
                     labelOr("emailFrom", "From:"), labelOr("emailTo", "To:"), labelOr("emailSubject", "Subject:"),
                     labelOr("emailText", "Text:"), labelOr("emailPath_label", "Attachment:")]
        var width = 0
        for (var i = 0; i < texts.length; ++i)
            width = Math.max(width, idMetrics.advanceWidth(texts[i]))
        return Math.ceil(width) + 2
    }

    ColumnLayout {
        width: idSection.availableWidth
        spacing: idGlobal.spacing

        EmailCheckBox {
            id: idActive
            objectName: "emailActive_" + idSection.n
            Layout.fillWidth: true
            emailNr: idSection.emailNr
            checkBoxNr: 0
            text: idSection.labelOr("email_activ_text", "Send e-mail")
        }

        Label {
            Layout.fillWidth: true
            Layout.topMargin: idGlobal.spacing / 2
            text: idSection.labelOr("emailIfEventsOccurs_text", "Send e-mail if...")
            font.pixelSize: idGlobal.fontPixelSize
            font.bold: true
            color: idGlobal.infoPageTextColor
            wrapMode: Text.WordWrap
        }

        GridLayout {
            id: idEventGrid
            Layout.fillWidth: true
            Layout.leftMargin: idGlobal.spacing
            columns: width >= 560 ? 2 : 1
            columnSpacing: idGlobal.spacing
            rowSpacing: 0

            Repeater {
                id: idEvents
                model: idSection.eventCount
                delegate: EmailCheckBox {
                    readonly property string label: idSection.eventLabel(index + 1)
                    objectName: "emailEvent_" + idSection.n + "_" + (index + 1)
                    // Equal columns: every box asks for the same width and grows alike.
                    Layout.fillWidth: true
                    Layout.preferredWidth: 100
                    emailNr: idSection.emailNr
                    checkBoxNr: index + 1
                    // Rows the current device does not have are hidden unless their flag is set,
                    // so that a stored choice can always be seen and cleared.
                    text: label !== "" ? label : idGlobal.buttonsEvent_Text + " " + (index + 1)
                    visible: label !== "" || checked
                    Component.onCompleted: checked = idSection.flag("e" + idSection.n + "_signal" + checkBoxNr)
                }
            }
        }

        Label {
            objectName: "emailNoEvents_" + idSection.n
            Layout.fillWidth: true
            Layout.leftMargin: idGlobal.spacing
            text: idGlobal.devNoSelected
            font.pixelSize: idGlobal.fontPixelSize
            font.italic: true
            color: idGlobal.infoPageTextColor
            wrapMode: Text.WordWrap
            visible: {
                for (var i = 0; i < idEvents.count; ++i) {
                    var box = idEvents.itemAt(i)
                    if (box && (box.label !== "" || box.checked))
                        return false
                }
                return true
            }
        }

        // Server settings and message side by side when there is room, else one below the other.
        GridLayout {
            id: idGroups
            Layout.fillWidth: true
            Layout.topMargin: idGlobal.spacing
            columns: width >= 760 ? 2 : 1
            columnSpacing: idGlobal.spacing
            rowSpacing: idGlobal.spacing

            MyGroupBox {
                objectName: "emailConfiguration_" + idSection.n
                Layout.fillWidth: true
                Layout.preferredWidth: 100
                Layout.alignment: Qt.AlignTop
                myTitle: idSection.labelOr("emailConfiguration", "Configuration")

                GridLayout {
                    width: parent.width
                    columns: 2
                    columnSpacing: idGlobal.spacing
                    rowSpacing: idGlobal.spacing

                    FieldLabel { text: "Server:" }
                    RecordField {
                        id: idServer
                        objectName: "emailServer_" + idSection.n
                        onCommit: function(value) { idSection.sendConfig(1, value) }
                    }
                    FieldLabel { text: "Port:" }
                    RecordField {
                        id: idPort
                        objectName: "emailPort_" + idSection.n
                        Layout.fillWidth: false
                        Layout.preferredWidth: 100
                        validator: RegularExpressionValidator { regularExpression: /[0-9]{0,5}/ }
                        inputMethodHints: Qt.ImhDigitsOnly
                        onCommit: function(value) { idSection.sendConfig(4, value) }
                    }
                    FieldLabel { text: idSection.labelOr("emailUsername", "User name:") }
                    RecordField {
                        id: idUser
                        objectName: "emailUser_" + idSection.n
                        onCommit: function(value) { idSection.sendConfig(2, value) }
                    }
                    FieldLabel { text: idSection.labelOr("emailPassword", "Password:") }
                    RecordField {
                        id: idPassword
                        objectName: "emailPassword_" + idSection.n
                        echoMode: TextInput.Password
                        onCommit: function(value) { idSection.sendConfig(3, value) }
                    }
                    FieldLabel { text: idSection.labelOr("emailConding", "Encryption:") }
                    ComboBox {
                        id: idCoding
                        objectName: "emailCoding_" + idSection.n
                        Layout.preferredWidth: 160
                        Layout.preferredHeight: idGlobal.controlHeight
                        font.pixelSize: idGlobal.fontPixelSize
                        activeFocusOnTab: true
                        model: idSection.codingNames
                        onActivated: function(index) { idSection.sendConfig(5, String(index)) }
                    }
                }
            }

            MyGroupBox {
                objectName: "emailMessage_" + idSection.n
                Layout.fillWidth: true
                Layout.preferredWidth: 100
                Layout.alignment: Qt.AlignTop
                myTitle: idSection.labelOr("emailMessage", "Message")

                GridLayout {
                    width: parent.width
                    columns: 2
                    columnSpacing: idGlobal.spacing
                    rowSpacing: idGlobal.spacing

                    FieldLabel { text: idSection.labelOr("emailFrom", "From:") }
                    RecordField {
                        id: idFrom
                        objectName: "emailFrom_" + idSection.n
                        onCommit: function(value) { idSection.sendMessage(1, value) }
                    }
                    FieldLabel { text: idSection.labelOr("emailTo", "To:") }
                    RecordField {
                        id: idTo
                        objectName: "emailTo_" + idSection.n
                        onCommit: function(value) { idSection.sendMessage(2, value) }
                    }
                    FieldLabel { text: "Cc:" }
                    RecordField {
                        id: idCc
                        objectName: "emailCc_" + idSection.n
                        onCommit: function(value) { idSection.sendMessage(4, value) }
                    }
                    FieldLabel { text: idSection.labelOr("emailSubject", "Subject:") }
                    RecordField {
                        id: idSubject
                        objectName: "emailSubject_" + idSection.n
                        onCommit: function(value) { idSection.sendMessage(5, value) }
                    }
                    FieldLabel {
                        text: idSection.labelOr("emailText", "Text:")
                        Layout.alignment: Qt.AlignLeft | Qt.AlignTop
                        topPadding: 6
                    }
                    ScrollView {
                        Layout.fillWidth: true
                        Layout.preferredWidth: 100
                        Layout.preferredHeight: 5 * idGlobal.fontPixelSize * 1.4 + 12

                        TextArea {
                            id: idBody
                            objectName: "emailText_" + idSection.n
                            property string appliedText: ""

                            function show(value) {
                                if (!(activeFocus && text !== appliedText))
                                    text = value
                                appliedText = value
                            }

                            font.pixelSize: idGlobal.fontPixelSize
                            wrapMode: TextEdit.Wrap
                            selectByMouse: true
                            activeFocusOnTab: true
                            background: Rectangle {
                                color: idBody.palette.base
                                border.width: idBody.activeFocus ? 2 : 1
                                border.color: idBody.activeFocus ? idBody.palette.highlight : idBody.palette.mid
                            }
                            // Tab moves on to the next control instead of typing a tab.
                            Keys.onTabPressed: nextItemInFocusChain(true).forceActiveFocus(Qt.TabFocusReason)
                            Keys.onBacktabPressed: nextItemInFocusChain(false).forceActiveFocus(Qt.BacktabFocusReason)
                            function store() {
                                if (text !== appliedText) {
                                    appliedText = text
                                    idSection.sendMessage(6, text)
                                }
                            }
                            onEditingFinished: store()
                            onActiveFocusChanged: if (!activeFocus) store()
                        }
                    }
                    FieldLabel { text: idSection.labelOr("emailPath_label", "Attachment:") }
                    RecordField {
                        id: idPath
                        objectName: "emailPath_" + idSection.n
                        placeholderText: idSection.text("defaultPath" + idSection.n)
                        onCommit: function(value) { idSection.sendMessage(3, value) }
                    }
                    Item { width: 1; height: 1 }
                    MyButton {
                        objectName: "emailBrowse_" + idSection.n
                        text: idSection.labelOr("emailButtonBrowser_label", "Browse")
                        onClicked: idFileDialog.open()
                    }
                    CheckBox {
                        id: idReport
                        objectName: "emailReport_" + idSection.n
                        Layout.columnSpan: 2
                        Layout.fillWidth: true
                        text: idSection.labelOr("eventReport_Attachment_Text", "Send event report")
                        font.pixelSize: idGlobal.fontPixelSize
                        activeFocusOnTab: true
                        contentItem: Text {
                            leftPadding: idReport.indicator.width + idReport.spacing
                            text: idReport.text
                            font: idReport.font
                            color: idGlobal.infoPageTextColor
                            wrapMode: Text.WordWrap
                            verticalAlignment: Text.AlignVCenter
                        }
                        onToggled: idSection.sendMessage(7, checked ? "1" : "0")
                    }
                }
            }
        }

        // A test mail through the server as configured; what became of it shows beside the button
        // (red when it failed, with the step and the server's answer).
        RowLayout {
            id: idTestRow
            Layout.fillWidth: true
            Layout.topMargin: idGlobal.spacing
            spacing: idGlobal.spacing

            readonly property int testState: idSection.number("email" + idSection.n + "_TestState")

            MyButton {
                objectName: "emailTest_" + idSection.n
                Layout.alignment: Qt.AlignTop
                text: idSection.labelOr("emailTestButton_label", "Send test e-mail")
                enabled: idTestRow.testState !== 1 // one test at a time
                onClicked: {
                    // A field still being edited stores its value first, so the mail uses it.
                    forceActiveFocus()
                    cppClass.receiveFromQml_SendTestEmail(idSection.emailNr)
                }
            }
            Label {
                objectName: "emailTestResult_" + idSection.n
                Layout.fillWidth: true
                Layout.alignment: Qt.AlignVCenter
                text: idSection.text("email" + idSection.n + "_TestResult")
                font.pixelSize: idGlobal.fontPixelSize
                font.bold: idTestRow.testState === 3
                color: idTestRow.testState === 3 ? idGlobal.alarmValueColor : idGlobal.infoPageTextColor
                wrapMode: Text.Wrap
            }
        }
    }

    G.LazyFileDialog {
        id: idFileDialog
        dialogObjectName: "emailFileDialog_" + idSection.n
        title: idSection.labelOr("emailPath_label", "Attachment:")
        onAccepted: function(fileUrl, folder) { idSection.attachmentChosen(fileUrl.toString()) }
    }
}
