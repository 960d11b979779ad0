import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Controls 2.15
import QtTest 1.15
import "qrc:/qml"
import "qrc:/qml/mainSubPages/parameterPage/emailSend"

// The e-mail page: what the user does with each control reaches the back end as the matching
// command, and records from the back end only show values.
Item {
    id: idRoot
    width: 1400
    height: 1000

    QmlGlobal { id: idGlobal }

    EmailWindow {
        id: idPage
        width: 1400
        height: 1000
    }

    TestCase {
        name: "EmailPage"
        when: windowShown

        readonly property var eventLabels: ["Mains operation", "Buffer operation", "IPC shutdown",
            "Buffer mode not possible", "Battery voltage very low", "State of charge <85%",
            "Exchange battery", "Output is switched off", "Fuse operation", "Hiccup operation",
            "Output current is high", "Automatic charger control", "System error", "Safety mode"]

        function sendLabels(rows) {
            var values = {}
            for (var k = 1; k <= 14; ++k)
                values["signal_Label_Row" + k] = k <= rows ? eventLabels[k - 1] : ""
            cppClass.send("sendToQml_SignalOutputs", values)
        }

        // A record with the page texts, plus `extra`.
        function sendRecord(extra) {
            var values = {
                emailButtonBrowser_label: "Browse", email_activ_text: "Email send activate:",
                emailIfEventsOccurs_text: "Send email if...", emailConfiguration: "Configuration",
                emailSubject: "Subject:", emailMessage: "Message:", emailFrom: "From:", emailTo: "To:",
                emailText: "Text:", emailPath_label: "Attachment:", emailUsername: "User name:",
                emailPassword: "Password:", emailConding: "Encryption:", deviceError_text: "Device error",
                eventReport_Attachment_Text: "Send event report:"
            }
            for (var key in extra)
                values[key] = extra[key]
            cppClass.send("sendToQml_EmailWindow", values)
        }

        function control(name) {
            var item = findChild(idPage, name)
            verify(item !== null, "no control " + name)
            return item
        }

        // Scrolls the page like the user would, so that `item` can be clicked.
        function reveal(item) {
            var flick = control("emailFlickable")
            var y = item.mapToItem(flick.contentItem, 0, 0).y
            flick.contentY = Math.max(0, Math.min(y - 20, flick.contentHeight - flick.height))
            waitForRendering(flick)
        }

        function typeText(text) {
            for (var i = 0; i < text.length; ++i) {
                var c = text.charAt(i)
                if (c === "\n")
                    keyClick(Qt.Key_Return)
                else
                    keyClick(c)
            }
        }

        function activateWindow() {
            idRoot.Window.window.requestActivate()
            tryCompare(idRoot.Window.window, "active", true)
        }

        // Before any record: texts fall back to defaults and no event can be chosen.
        function initTestCase() {
            compare(control("emailServer_1").text, "")
            compare(control("emailCoding_2").currentText, "None")
            compare(control("emailActive_1").text, "Send e-mail")
            compare(control("emailEvent_1_1").visible, false)
            compare(control("emailNoEvents_1").visible, true)
            compare(cppClass.calls, [])
        }

        function init() {
            activateWindow()
            sendLabels(14)
            sendRecord({})
            idRoot.forceActiveFocus()
            cppClass.clear()
        }

        function test_userActions_data() {
            return [
                { tag: "activate e-mail 2", record: {}, target: "emailActive_2", click: true,
                  call: "SetEmailEvent_CheckBox(1,0,true)" },
                { tag: "event 5 of e-mail 1", record: {}, target: "emailEvent_1_5", click: true,
                  call: "SetEmailEvent_CheckBox(0,5,true)" },
                { tag: "device error of e-mail 2 off", record: { e2_signal15: true }, target: "emailEvent_2_15",
                  click: true, call: "SetEmailEvent_CheckBox(1,15,false)" },
                { tag: "server 2", record: {}, target: "emailServer_2", type: "smtp.example.org",
                  call: "SetEmailConfig(1,1,smtp.example.org)" },
                { tag: "user 1", record: { email1_UsernameValue: "old" }, target: "emailUser_1",
                  type: "ups@example.org", call: "SetEmailConfig(0,2,ups@example.org)" },
                { tag: "password 2", record: {}, target: "emailPassword_2", type: "Se cret!9",
                  call: "SetEmailConfig(1,3,Se cret!9)" },
                { tag: "port 1 takes digits only", record: {}, target: "emailPort_1", type: "5a8-7",
                  call: "SetEmailConfig(0,4,587)" },
                { tag: "STARTTLS 1 from the list", record: {}, target: "emailCoding_1", pick: 2,
                  call: "SetEmailConfig(0,5,2)" },
                { tag: "SSL/TLS 2 from the list", record: { email2_CodingValue: 2 }, target: "emailCoding_2",
                  pick: 1, call: "SetEmailConfig(1,5,1)" },
                { tag: "no encryption 2 by key", record: { email2_CodingValue: 1 }, target: "emailCoding_2",
                  keys: [Qt.Key_Up], call: "SetEmailConfig(1,5,0)" },
                { tag: "from 1", record: {}, target: "emailFrom_1", type: "ups@example.org",
                  call: "SetEmailMessage(0,1,ups@example.org)" },
                { tag: "to 2", record: { email2_ToValue: "old@example.org" }, target: "emailTo_2",
                  type: "team@example.org", call: "SetEmailMessage(1,2,team@example.org)" },
                { tag: "cc 1", record: {}, target: "emailCc_1", type: "boss@example.org",
                  call: "SetEmailMessage(0,4,boss@example.org)" },
                { tag: "subject 2", record: {}, target: "emailSubject_2", type: "UPS alarm hall 3",
                  call: "SetEmailMessage(1,5,UPS alarm hall 3)" },
                { tag: "text 1 on two lines", record: {}, target: "emailText_1", type: "Line one\nLine two",
                  call: "SetEmailMessage(0,6,Line one\nLine two)" },
                { tag: "attachment 2 typed", record: {}, target: "emailPath_2", type: "D:/plan.pdf",
                  call: "SetEmailMessage(1,3,D:/plan.pdf)" },
                { tag: "attachment 1 cleared", record: { e1_path: "D:/plan.pdf" }, target: "emailPath_1", type: "",
                  call: "SetEmailMessage(0,3,)" },
                { tag: "event report 1 on", record: {}, target: "emailReport_1", click: true,
                  call: "SetEmailMessage(0,7,1)" },
                { tag: "event report 2 off", record: { eventReport_Attachment_active_2: true },
                  target: "emailReport_2", click: true, call: "SetEmailMessage(1,7,0)" }
            ]
        }

        function test_userActions(data) {
            sendRecord(data.record)
            cppClass.clear()
            var item = control(data.target)
            reveal(item)
            if (data.click) {
                mouseClick(item)
            } else if (data.keys) {
                item.forceActiveFocus(Qt.TabFocusReason)
                for (var i = 0; i < data.keys.length; ++i)
                    keyClick(data.keys[i])
            } else if (data.pick !== undefined) {
                mouseClick(item)
                tryCompare(item.popup, "opened", true)
                var entry = item.popup.contentItem.itemAtIndex(data.pick)
                verify(entry !== null)
                mouseClick(entry)
                tryCompare(item.popup, "visible", false)
            } else {
                mouseClick(item)
                keySequence(StandardKey.SelectAll)
                keyClick(Qt.Key_Delete)
                typeText(data.type)
                keyClick(Qt.Key_Tab)
            }
            compare(cppClass.calls, [data.call])
        }

        function test_recordIsShownWithoutCalls() {
            sendRecord({ e1_activ: true, e1_signal3: true, e2_signal15: true,
                         email1_ServerValue: "smtp.example.org", email1_PortValue: "465", email1_CodingValue: 1,
                         email1_UsernameValue: "ups@example.org", email1_PasswordValue: "secret",
                         email2_FromValue: "a@example.org", email2_ToValue: "b@example.org",
                         email2_CcValue: "c@example.org", email2_SubjectValue: "UPS alarm",
                         email2_TextValue: "Line one\nLine two", e2_path: "D:/plan.pdf",
                         eventReport_Attachment_active_2: true, defaultPath1: "C:/attachment.pdf" })
            compare(control("emailActive_1").checked, true)
            compare(control("emailActive_2").checked, false)
            compare(control("emailEvent_1_3").checked, true)
            compare(control("emailEvent_2_15").checked, true)
            compare(control("emailEvent_2_15").text, "Device error")
            compare(control("emailServer_1").text, "smtp.example.org")
            compare(control("emailPort_1").text, "465")
            compare(control("emailCoding_1").currentText, "SSL/TLS")
            compare(control("emailUser_1").text, "ups@example.org")
            compare(control("emailFrom_2").text, "a@example.org")
            compare(control("emailTo_2").text, "b@example.org")
            compare(control("emailCc_2").text, "c@example.org")
            compare(control("emailSubject_2").text, "UPS alarm")
            compare(control("emailText_2").text, "Line one\nLine two")
            compare(control("emailPath_2").text, "D:/plan.pdf")
            compare(control("emailPath_1").placeholderText, "C:/attachment.pdf")
            compare(control("emailReport_2").checked, true)
            compare(control("emailReport_1").checked, false)
            compare(cppClass.calls, [])
        }

        function test_passwordIsHidden() {
            sendRecord({ email1_PasswordValue: "secret" })
            var field = control("emailPassword_1")
            compare(field.echoMode, TextInput.Password)
            compare(field.text, "secret")
            verify(field.displayText.indexOf("secret") < 0)
            compare(field.displayText.length, 6)
        }

        function test_encryptionChoices() {
            var combo = control("emailCoding_1")
            compare(combo.count, 3)
            compare([combo.textAt(0), combo.textAt(1), combo.textAt(2)], ["None", "SSL/TLS", "STARTTLS"])
        }

        function test_browseSendsTheChosenUrl() {
            mouseClick(control("emailBrowse_1"))
            var dialog = control("emailFileDialog_1")
            tryCompare(dialog, "visible", true)
            // The chosen file must exist; this test file does.
            var url = Qt.resolvedUrl("tst_emailPage.qml").toString()
            dialog.currentFile = url
            dialog.accept()
            compare(cppClass.calls, ["SetEmailMessage(0,3," + url + ")"])
            compare(control("emailPath_1").text, url.replace(/^file:\/\//, ""))
            activateWindow()
            mouseClick(control("emailPath_1"))
            keyClick(Qt.Key_Tab)
            compare(cppClass.calls.length, 1)
        }

        // A record arriving while the user types leaves the typing alone; the typed text is sent.
        function test_recordDoesNotOverwriteTyping() {
            var body = control("emailText_1")
            mouseClick(body)
            typeText("Draft")
            sendRecord({ email1_TextValue: "Stored", email1_ServerValue: "smtp.example.org" })
            compare(body.text, "Draft")
            compare(control("emailServer_1").text, "smtp.example.org")
            keyClick(Qt.Key_Tab)
            compare(cppClass.calls, ["SetEmailMessage(0,6,Draft)"])
        }

        // Subject and text typed without Enter or Tab are stored once the field loses the focus or
        // the page is left, and only once.
        function test_typingStoredWhenLeft_data() {
            return [
                { tag: "subject, focus elsewhere", target: "emailSubject_1", leave: "focus",
                  call: "SetEmailMessage(0,5,Hall 3)" },
                { tag: "text, focus elsewhere", target: "emailText_2", leave: "focus",
                  call: "SetEmailMessage(1,6,Hall 3)" },
                { tag: "subject, page left", target: "emailSubject_2", leave: "page",
                  call: "SetEmailMessage(1,5,Hall 3)" },
                { tag: "text, page left", target: "emailText_1", leave: "page",
                  call: "SetEmailMessage(0,6,Hall 3)" }
            ]
        }

        function test_typingStoredWhenLeft(data) {
            var item = control(data.target)
            reveal(item)
            mouseClick(item)
            typeText("Hall 3")
            compare(cppClass.calls, [])
            if (data.leave === "focus") {
                idRoot.forceActiveFocus()
            } else {
                idPage.visible = false
                idPage.visible = true
            }
            compare(cppClass.calls, [data.call])
            idRoot.forceActiveFocus()
            compare(cppClass.calls, [data.call])
        }

        // The test button asks for a test mail of its e-mail; while one is on its way the button
        // waits, and the outcome shows beside it, in red when the mail failed.
        function test_testMail() {
            sendRecord({ email2_TestState: 1, email2_TestResult: "Sending test e-mail 2 ..." })
            cppClass.clear()
            var button = control("emailTest_2")
            var result = control("emailTestResult_2")
            reveal(button)
            verify(!button.enabled)
            compare(result.text, "Sending test e-mail 2 ...")
            mouseClick(button)
            compare(cppClass.calls, [])
            sendRecord({ email2_TestState: 3, email2_TestResult: "E-mail 2 not sent: sending failed: no recipient" })
            verify(button.enabled)
            compare(result.text, "E-mail 2 not sent: sending failed: no recipient")
            verify(Qt.colorEqual(result.color, "#c62828"))
            mouseClick(button)
            compare(cppClass.calls, ["SendTestEmail(1)"])
            sendRecord({ email2_TestState: 2, email2_TestResult: "Test e-mail 2 sent" })
            verify(!Qt.colorEqual(result.color, "#c62828"))
        }

        // Tab visits every control in reading order, and merely passing sends nothing.
        function test_tabOrder() {
            sendRecord({ e1_signal15: true })
            sendLabels(13)
            var expected = []
            for (var n = 1; n <= 2; ++n) {
                expected.push("emailActive_" + n)
                for (var k = 1; k <= 13; ++k)
                    expected.push("emailEvent_" + n + "_" + k)
                expected.push("emailEvent_" + n + "_15")
                expected.push("emailServer_" + n, "emailPort_" + n, "emailUser_" + n, "emailPassword_" + n,
                              "emailCoding_" + n, "emailFrom_" + n, "emailTo_" + n, "emailCc_" + n,
                              "emailSubject_" + n, "emailText_" + n, "emailPath_" + n, "emailBrowse_" + n,
                              "emailReport_" + n, "emailTest_" + n)
            }
            control("emailActive_1").forceActiveFocus(Qt.TabFocusReason)
            var visited = [Window.activeFocusItem.objectName]
            for (var i = 1; i < expected.length; ++i) {
                keyClick(Qt.Key_Tab)
                visited.push(Window.activeFocusItem.objectName)
            }
            compare(visited, expected)
            compare(cppClass.calls, [])
        }
    }
}
