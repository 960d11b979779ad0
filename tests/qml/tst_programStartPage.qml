import QtQuick 2.15
import QtTest 1.15
import QtQuick.Window 2.15
import "qrc:/qml"
import "qrc:/qml/mainSubPages/parameterPage/programmStart"

// The program-start page: what the user does with each control reaches the back end as the
// matching command, and records from the back end only show values.
Item {
    id: idRoot
    width: 1400
    height: 900

    QmlGlobal { id: idGlobal }

    ProgramStartWindow {
        id: idPage
        width: 1400
        height: 900
    }

    TestCase {
        name: "ProgramStartPage"
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
                programstartDelay_label: "Delay", programstartPath_label: "Program path",
                programstartButtonBrowser_label: "Browse", programstartButtonTest_label: "Run test",
                programstart_activ_text: "Program start activate:",
                programStartIfEventsOccurs_text: "Start Program if...",
                defaultPath1: "C:/Program Files/backup.exe", defaultPath2: "C:/Scripts/notify.bat"
            }
            for (var key in extra)
                values[key] = extra[key]
            cppClass.send("sendToQml_ProgramstartWindow", values)
        }

        function control(name) {
            var item = findChild(idPage, name)
            verify(item !== null, "no control " + name)
            return item
        }

        // Scrolls the page like the user would, so that `item` can be clicked.
        function reveal(item) {
            var flick = control("programStartFlickable")
            var y = item.mapToItem(flick.contentItem, 0, 0).y
            flick.contentY = Math.max(0, Math.min(y - 20, flick.contentHeight - flick.height))
            waitForRendering(flick)
        }

        function typeText(text) {
            for (var i = 0; i < text.length; ++i)
                keyClick(text.charAt(i))
        }

        function init() {
            idPage.width = 1400
            idPage.height = 900
            sendLabels(14)
            sendRecord({})
            // A file dialog of an earlier test may have taken the keyboard.
            idRoot.Window.window.requestActivate()
            tryCompare(idRoot.Window.window, "active", true)
            idRoot.forceActiveFocus()
            cppClass.clear()
        }

        function test_userActions_data() {
            return [
                { tag: "activate program 1", record: {}, target: "programStartActive_1", click: true,
                  call: "SetProgramStartEvent_CheckBox(0,0,true)" },
                { tag: "deactivate program 2", record: { p2_activ: true }, target: "programStartActive_2",
                  click: true, call: "SetProgramStartEvent_CheckBox(1,0,false)" },
                { tag: "event 3 of program 2", record: {}, target: "programStartEvent_2_3", click: true,
                  call: "SetProgramStartEvent_CheckBox(1,3,true)" },
                { tag: "event 14 of program 1 off", record: { p1_signal14: true },
                  target: "programStartEvent_1_14", click: true, call: "SetProgramStartEvent_CheckBox(0,14,false)" },
                { tag: "stored event 15 cleared", record: { p1_signal15: true }, target: "programStartEvent_1_15",
                  click: true, call: "SetProgramStartEvent_CheckBox(0,15,false)" },
                { tag: "hours of program 1", record: { Hours1_CurrentIndex: 2 }, target: "programStartHours_1",
                  keys: [Qt.Key_Down], call: "SetProgramstartTimeConfig(0,1,3)" },
                { tag: "minutes of program 2", record: { Minutes2_CurrentIndex: 59 }, target: "programStartMinutes_2",
                  keys: [Qt.Key_Up], call: "SetProgramstartTimeConfig(1,2,58)" },
                { tag: "seconds of program 1", record: {}, target: "programStartSeconds_1",
                  keys: [Qt.Key_Down], call: "SetProgramstartTimeConfig(0,3,1)" },
                { tag: "path of program 2 typed", record: { p2_path: "C:/old.bat" }, target: "programStartPath_2",
                  type: "D:/Tools/report.bat", call: "SetProgramStartPath_FileDialog(D:/Tools/report.bat,1)" },
                { tag: "path of program 1 cleared", record: { p1_path: "C:/old.bat" }, target: "programStartPath_1",
                  type: "", call: "SetProgramStartPath_FileDialog(,0)" },
                { tag: "test program 1", record: {}, target: "programStartTest_1", click: true,
                  call: "SetProgramStartTest(0)" },
                { tag: "test program 2 with Return", record: {}, target: "programStartTest_2", keys: [Qt.Key_Return],
                  call: "SetProgramStartTest(1)" }
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
            sendRecord({ p1_activ: true, p1_signal2: true, p1_signal15: true, p2_signal7: true,
                         Hours1_CurrentIndex: 23, Minutes1_CurrentIndex: 30, Seconds1_CurrentIndex: 5,
                         Hours2_CurrentIndex: 1, p1_path: "C:/Tools/backup.exe", p2_path: "" })
            compare(control("programStartActive_1").checked, true)
            compare(control("programStartActive_2").checked, false)
            compare(control("programStartEvent_1_2").checked, true)
            compare(control("programStartEvent_1_3").checked, false)
            compare(control("programStartEvent_2_7").checked, true)
            compare(control("programStartHours_1").currentText, "23")
            compare(control("programStartMinutes_1").currentText, "30")
            compare(control("programStartSeconds_1").currentText, "05")
            compare(control("programStartHours_2").currentText, "01")
            compare(control("programStartPath_1").text, "C:/Tools/backup.exe")
            compare(control("programStartPath_2").placeholderText, "C:/Scripts/notify.bat")

            // A later record replaces what the user clicked but the back end did not keep.
            mouseClick(control("programStartActive_1"))
            compare(control("programStartActive_1").checked, false)
            sendRecord({ p1_activ: true })
            compare(control("programStartActive_1").checked, true)
            compare(cppClass.calls, ["SetProgramStartEvent_CheckBox(0,0,false)"])
        }

        function test_delayChoices() {
            compare(control("programStartHours_1").count, 24)
            compare(control("programStartMinutes_2").count, 60)
            compare(control("programStartSeconds_2").count, 60)
        }

        // Only the events of the current device are offered; a stored flag stays visible.
        function test_eventRowsFollowTheDevice() {
            sendLabels(13)
            compare(control("programStartEvent_1_13").visible, true)
            compare(control("programStartEvent_1_13").text, "System error")
            compare(control("programStartEvent_1_14").visible, false)
            compare(control("programStartEvent_1_15").visible, false)
            compare(control("programStartNoEvents_1").visible, false)
            sendRecord({ p2_signal14: true })
            compare(control("programStartEvent_2_14").visible, true)
            compare(control("programStartEvent_1_14").visible, false)
            sendLabels(0)
            sendRecord({})
            compare(control("programStartEvent_1_1").visible, false)
            compare(control("programStartNoEvents_1").visible, true)
        }

        function test_browseSendsTheChosenUrl() {
            mouseClick(control("programStartBrowse_2"))
            var dialog = control("programStartFileDialog_2")
            tryCompare(dialog, "visible", true)
            // The chosen file must exist; this test file does.
            var url = Qt.resolvedUrl("tst_programStartPage.qml").toString()
            dialog.currentFile = url
            dialog.accept()
            compare(cppClass.calls, ["SetProgramStartPath_FileDialog(" + url + ",1)"])
            compare(control("programStartPath_2").text, url.replace(/^file:\/\//, ""))
            idRoot.Window.window.requestActivate()
            tryCompare(idRoot.Window.window, "active", true)
            // Leaving the field afterwards does not send the path again.
            mouseClick(control("programStartPath_2"))
            keyClick(Qt.Key_Tab)
            compare(cppClass.calls.length, 1)
        }

        function test_recordDoesNotOverwriteTyping() {
            var path = control("programStartPath_1")
            mouseClick(path)
            typeText("C:/new")
            sendRecord({ p1_path: "C:/stored.exe" })
            compare(path.text, "C:/new")
            keyClick(Qt.Key_Tab)
            compare(cppClass.calls, ["SetProgramStartPath_FileDialog(C:/new,0)"])
        }

        // Tab visits every control in reading order, and merely passing sends nothing.
        function test_tabOrder() {
            var expected = []
            for (var n = 1; n <= 2; ++n) {
                expected.push("programStartActive_" + n)
                for (var k = 1; k <= 14; ++k)
                    expected.push("programStartEvent_" + n + "_" + k)
                expected.push("programStartHours_" + n, "programStartMinutes_" + n, "programStartSeconds_" + n,
                              "programStartPath_" + n, "programStartBrowse_" + n, "programStartTest_" + n)
            }
            control("programStartActive_1").forceActiveFocus(Qt.TabFocusReason)
            var visited = [Window.activeFocusItem.objectName]
            for (var i = 1; i < expected.length; ++i) {
                keyClick(Qt.Key_Tab)
                visited.push(Window.activeFocusItem.objectName)
            }
            compare(visited, expected)
            compare(cppClass.calls, [])
        }

        // On a small window the page scrolls to the control that gets the focus.
        function test_focusedControlIsScrolledIntoView() {
            idPage.width = 859
            idPage.height = 490
            waitForRendering(idPage)
            var flick = control("programStartFlickable")
            verify(flick.contentHeight > flick.height)
            var last = control("programStartTest_2")
            last.forceActiveFocus(Qt.TabFocusReason)
            var y = last.mapToItem(flick, 0, 0).y
            verify(y >= 0 && y + last.height <= flick.height, "focused button is out of view at " + y)
            control("programStartActive_1").forceActiveFocus(Qt.BacktabFocusReason)
            compare(flick.contentY, 0)
        }
    }
}
