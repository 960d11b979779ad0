import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml"
import "qrc:/qml/mainSubPages/parameterPage"
import "qrc:/qml/mainSubPages/parameterPage/general" as General
import "qrc:/qml/mainSubPages/parameterPage/overload" as Overload
import "qrc:/qml/mainSubPages/parameterPage/ipcPage" as Ipc

// The parameter pages and their action bar: each control sends its command with the right number
// and value when the user works it, and records arriving from the device never send anything.
Item {
    id: root
    width: 1280
    height: 1000

    QmlGlobal { id: idGlobal }

    Component { id: generalPage; General.ParameterWindow { width: root.width; height: root.height } }
    Component { id: signalPage; General.ParameterSignalOutputsWindow { width: root.width; height: root.height } }
    Component { id: overloadPage; Overload.OverloadWindow { width: root.width; height: root.height } }
    Component { id: ipcPage; Ipc.IpcWindow { width: root.width; height: root.height } }
    Component { id: backupBar; ParameterBackup { width: root.width } }

    // A model that offers every control, with the device's values beside.
    readonly property var parameterRecord: ({
        limitsFrameLabel: "Limits and thresholds",
        limitsLabel_ComboBox1: "Buffer threshold", limitsList_ComboBox1: ["21V", "21.1V", "21.2V"],
        limitsLabel_ComboBox2: "Turn on current limit", limitsList_ComboBox2: ["5A", "10A", "21A"],
        bufferTimeMax_Label: "Max. buffer time [in min]", bufferTimeMin_Label: "Min. buffer time [s]",
        bufferTime_8hVDE_Label: "Max. buffer time 8h according to VDE-AR-N 4110",
        stateOfCharging_Label: "State of charge monitoring",
        stateOfChargingLowLevel_Label: "State of charge low level [%]",
        stateOfChargingHighLevel_Label: "State of charge high level [%]",
        managementFrameLabel: "Battery management",
        managementLabel_CheckBox1: "Automatic charger control", managementEnable_CheckBox1: true,
        managementLabel_ComboBox1: "End of charge voltage", managementList_ComboBox1: ["26V", "26.1V", "26.2V"],
        managementLabel_ComboBox2: "Charge current", managementList_ComboBox2: ["0.2A", "0.3A", "0.4A"],
        managementLabel_ComboBox3: "Deep discharge protection", managementList_ComboBox3: ["18V", "18.1V", "18.2V"],
        managementLabel_Slider1: "End of charge voltage per cell",
        managementLabel_Slider1_left: "Increased buffer time", managementLabel_Slider1_right: "Increased lifetime",
        advancedSettingsLabel: "Advanced settings",
        advancedSettingsLabel_CheckBox1: "12V operation mode",
        advancedSettingsLabel_CheckBox2: "Exclusive charging mode",
        overloadBehaviorFrameLabel: "Overload behavior",
        overloadBehavior_Label_CheckBox1: "Fuse operation", overloadBehavior_Label_CheckBox2: "Hiccup operation",
        overloadBehavior_Label_Buttom1: "Reset fuse operation",
        powerBoost_Label: "Power-Boost", topBoost_Label: "Top-Boost",
        bufferCurentLimit_Label: "Buffer current limit", bufferCurentLimit_List: ["22A", "44A"]
    })
    readonly property var processRecord: ({
        offlineMode: false,
        limitsEnable_ComboBox1: true, limitsSelText_ComboBox1: 1,
        limitsEnable_ComboBox2: true, limitsSelText_ComboBox2: 0,
        bufferTimeMax_Value: "120", bufferTimeMax_textBoxEnable: true,
        bufferTime_8hVDE_CheckBoxEnable: true, bufferTime_8hVDE_CheckBoxChecked: false,
        bufferTimeMin_Value: "10",
        stateOfCharging_Visible: true, stateOfChargingLowLevel_Label: "15", stateOfChargingHighLevel_Label: "85",
        managementEnable_ComboBox1: true, managementSelText_ComboBox1: 1,
        managementEnable_ComboBox2: true, managementSelText_ComboBox2: 0,
        managementEnable_ComboBox3: true, managementSelText_ComboBox3: 2,
        advancedSettingsEnable_CheckBox1: true, advancedSettingsEnable_CheckBox2: true,
        overloadBehaviorEnable_CheckBox1: true, overloadBehaviorEnable_CheckBox2: true,
        overloadBehavior_CheckBox2: true, fuseMode_canReset: true,
        powerBoost_Enable: true, topBoost_Enable: true, bufferCurrentLimit: 0,
        IpcCheckboxEnable: true, ipcMode_Box_enable: true,
        enable_ipcMode_14: true, enable_ipcMode_24: true, enable_ipcMode_34: true, checked_ipcMode_14: true,
        ipcDelayTime: "5", ipcShutdownTime: "60", ipcIdleTime: "10"
    })
    readonly property var signalRecord: {
        var r = {
            ipcSignalNumber: 3, signalEvent_Label: "Event", signalInverted_Bezeichnung: "Output inverted",
            signal14_Bezeichnung: "Signal contact 14", signal24_Bezeichnung: "Signal contact 24",
            signal34_Bezeichnung: "Signal contact 34",
            signal14_Inverted_enabled: true, signal24_Inverted_enabled: true, signal34_Inverted_enabled: true,
            signal34_Row14: true
        }
        for (var k = 1; k <= 14; ++k) {
            r["signal_Label_Row" + k] = "Event row " + k
            r["signal14_enabled_Row" + k] = true
            r["signal24_enabled_Row" + k] = true
            r["signal34_enabled_Row" + k] = true
        }
        return r
    }
    readonly property var ipcRecord: ({
        IpcEnable_label: "IPC shutdown signal", delayTime_Label: "Delay time [s]:",
        ipcShutdownTime_Label: "Shutdown time [s]:", ipcIdleTime_Label: "Idle time [s]:",
        textFastStartupMessage: "Enable fast PC-startup"
    })
    readonly property var shutdownRecord: ({ groupBoxPcShutdown_Text: "Shutdown this computer", pcShutdownEnable: true })

    function merged(base, changes) {
        var r = {}
        for (var key in base)
            r[key] = base[key]
        for (key in changes)
            r[key] = changes[key]
        return r
    }

    function sendAll() {
        cppClass.send("sendToQml_Parameter", parameterRecord)
        cppClass.send("sendToQml_ProcessData", processRecord)
        cppClass.send("sendToQml_SignalOutputs", signalRecord)
        cppClass.send("sendToQml_ipcWindow", ipcRecord)
        cppClass.send("sendToQml_ShutdownWindow", shutdownRecord)
    }

    TestCase {
        id: testCase
        name: "ParameterPages"
        when: windowShown

        readonly property var pages: ({ general: generalPage, signals: signalPage, overload: overloadPage,
                                        ipc: ipcPage })

        function init() {
            idGlobal.devNoSelected = "No device selected"
        }

        function createPage(kind) {
            var page = createTemporaryObject(pages[kind], root)
            verify(page !== null, kind)
            sendAll()
            waitForRendering(page)
            cppClass.clear()
            return page
        }

        function find(page, name) {
            var item = findChild(page, name)
            verify(item !== null, name)
            return item
        }

        function typeInto(field, text) {
            field.forceActiveFocus()
            field.selectAll()
            for (var i = 0; i < text.length; ++i)
                keyClick(text.charAt(i))
            keyClick(Qt.Key_Return)
        }

        // How the user works the control named `name` on the page.
        function act(page, row) {
            var item = find(page, row.name)
            if (row.action === "click") {
                mouseClick(row.relay !== undefined ? item.box(row.relay) : item)
            } else if (row.action === "next") {
                item.control.forceActiveFocus()
                keyClick(row.key !== undefined ? row.key : Qt.Key_Down)
            } else if (row.action === "type") {
                typeInto(item.control, row.text)
            }
        }

        function test_userActionSendsCommand_data() {
            return [
                { tag: "limits list 1", page: "general", name: "limitsComboBox1", action: "next",
                  call: "SetLimitsList_ComboBox(0,21.2V)" },
                { tag: "limits list 2", page: "general", name: "limitsComboBox2", action: "next",
                  call: "SetLimitsList_ComboBox(1,10A)" },
                { tag: "max buffer time", page: "general", name: "bufferTimeMaxTextBox", action: "type",
                  text: "300", call: "ParameterSetLimitsList_TextBox(0,300)" },
                // The back end moves a number past the model's limit to the limit, however large.
                { tag: "max buffer time above 16 bits", page: "general", name: "bufferTimeMaxTextBox",
                  action: "type", text: "70000", call: "ParameterSetLimitsList_TextBox(0,70000)" },
                { tag: "IPC delay above 16 bits", page: "ipc", name: "ipcTimeTextBox1", action: "type",
                  text: "99999", call: "SetIpcTime(1,99999)" },
                { tag: "min buffer time", page: "general", name: "bufferTimeMinTextBox", action: "type",
                  text: "25", call: "ParameterSetLimitsList_TextBox(1,25)" },
                { tag: "charge level low", page: "general", name: "stateOfChargeLowTextBox", action: "type",
                  text: "20", call: "ParameterSetLimitsList_TextBox(2,20)" },
                { tag: "charge level high", page: "general", name: "stateOfChargeHighTextBox", action: "type",
                  text: "90", call: "ParameterSetLimitsList_TextBox(3,90)" },
                { tag: "8 h buffer time", page: "general", name: "bufferTime8hCheckBox", action: "click",
                  call: "ParameterSetLimitsList_TextBox(0,480)" },
                { tag: "charger control", page: "general", name: "managementCheckBox1", action: "click",
                  call: "SetManagement_CheckBox(0,true)" },
                { tag: "end of charge list", page: "general", name: "managementComboBox1", action: "next",
                  call: "SetManagementList_ComboBox(0,26.2V)" },
                { tag: "charge current list", page: "general", name: "managementComboBox2", action: "next",
                  call: "SetManagementList_ComboBox(1,0.3A)" },
                { tag: "end of charge slider", page: "general", name: "managementSlider", action: "next",
                  key: Qt.Key_Right, call: "SetManagementList_ComboBox(0,26.2V)" },
                { tag: "advanced 1", page: "general", name: "advancedSettingsCheckBox1", action: "click",
                  call: "SetManagement_CheckBox(100,true)" },
                { tag: "advanced 2", page: "general", name: "advancedSettingsCheckBox2", action: "click",
                  call: "SetManagement_CheckBox(101,true)" },
                { tag: "relay inverted", page: "signals", name: "signalInvertedRow", action: "click", relay: 1,
                  call: "SetSignalOut(24,true,0)" },
                { tag: "relay row 3", page: "signals", name: "signalRow3", action: "click", relay: 0,
                  call: "SetSignalOut(14,true,3)" },
                { tag: "relay row 14 off", page: "signals", name: "signalRow14", action: "click", relay: 2,
                  call: "SetSignalOut(34,false,14)" },
                { tag: "fuse operation", page: "overload", name: "overloadBehaviorCheckBox1", action: "click",
                  call: "SetOverloadBehavior_CheckBox(0,true)" },
                { tag: "hiccup operation off", page: "overload", name: "overloadBehaviorCheckBox2",
                  action: "click", call: "SetOverloadBehavior_CheckBox(1,false)" },
                { tag: "fuse reset", page: "overload", name: "resetFuseButton", action: "click",
                  call: "SetOverloadBehavior_ButtonClick(0)" },
                { tag: "Power-Boost", page: "overload", name: "powerBoostCheckBox", action: "click",
                  call: "SetOverload_CheckBox(3,true)" },
                { tag: "Top-Boost", page: "overload", name: "topBoostCheckBox", action: "click",
                  call: "SetOverload_CheckBox(4,true)" },
                { tag: "buffer current limit", page: "overload", name: "bufferCurrentLimitComboBox",
                  action: "next", call: "SetOverloadList_ComboBox(0,44A)" },
                { tag: "IPC mode", page: "ipc", name: "ipcEnableCheckBox", action: "click",
                  call: "IpcPage_CheckBox(4,true)" },
                { tag: "IPC relay 24", page: "ipc", name: "ipcRelay24", action: "click",
                  call: "SetSignalOut(24,true,3)" },
                { tag: "IPC relay 14 off", page: "ipc", name: "ipcRelay14", action: "click",
                  call: "SetSignalOut(14,false,3)" },
                { tag: "PC shutdown off", page: "ipc", name: "pcShutdownCheckBox", action: "click",
                  call: "IpcPage_CheckBox(3,false)" },
                { tag: "fast start-up", page: "ipc", name: "fastStartupCheckBox", action: "click",
                  call: "IpcPage_CheckBox(5,true)" },
                { tag: "IPC delay", page: "ipc", name: "ipcTimeTextBox1", action: "type", text: "30",
                  call: "SetIpcTime(1,30)" },
                { tag: "IPC shutdown time", page: "ipc", name: "ipcTimeTextBox2", action: "type", text: "120",
                  call: "SetIpcTime(2,120)" },
                { tag: "IPC idle", page: "ipc", name: "ipcTimeTextBox3", action: "type", text: "7",
                  call: "SetIpcTime(3,7)" }
            ]
        }

        function test_userActionSendsCommand(row) {
            var page = createPage(row.page)
            act(page, row)
            compare(cppClass.calls, [row.call])
        }

        // New device values reach every control without a single command going back.
        function test_recordsOnlyUpdateTheView() {
            var general = createPage("general")
            var signals = createPage("signals")
            var overload = createPage("overload")
            var ipc = createPage("ipc")
            var bar = createTemporaryObject(backupBar, root)
            cppClass.send("sendToQml_ProcessData", merged(processRecord, {
                limitsSelText_ComboBox1: 2, bufferTimeMax_Value: "480", bufferTime_8hVDE_CheckBoxChecked: true,
                managementChecked_CheckBox1: true, managementSelText_ComboBox1: 0,
                advancedSettingsChecked_CheckBox2: true, overloadBehavior_CheckBox1: true,
                overloadBehavior_CheckBox2: false, powerBoost_Checked: true, bufferCurrentLimit: 1,
                IpcCheckboxChecked: true, checked_ipcMode_34: true, ipcIdleTime: "20", fastStartup: true,
                offlineMode: true }))
            cppClass.send("sendToQml_SignalOutputs", merged(signalRecord, { signal24_Inverted: true,
                                                                             signal14_Row5: true }))
            cppClass.send("sendToQml_ShutdownWindow", merged(shutdownRecord, { pcShutdownEnable: false }))
            cppClass.send("sendToQml_Parameter", merged(parameterRecord, { limitsList_ComboBox1: ["20V", "21V", "22V"] }))

            compare(find(general, "limitsComboBox1").control.currentText, "22V")
            compare(find(general, "bufferTimeMaxTextBox").control.text, "480")
            verify(find(general, "bufferTime8hCheckBox").checked)
            verify(find(general, "managementCheckBox1").checked)
            compare(find(general, "managementComboBox1").control.currentIndex, 0)
            compare(find(general, "managementSlider").control.value, 0)
            verify(find(general, "advancedSettingsCheckBox2").checked)
            verify(find(signals, "signalInvertedRow").box(1).checked)
            verify(find(signals, "signalRow5").box(0).checked)
            verify(find(overload, "overloadBehaviorCheckBox1").checked)
            verify(!find(overload, "overloadBehaviorCheckBox2").checked)
            verify(find(overload, "powerBoostCheckBox").checked)
            compare(find(overload, "bufferCurrentLimitComboBox").control.currentText, "44A")
            verify(find(ipc, "ipcEnableCheckBox").checked)
            verify(find(ipc, "ipcRelay34").checked)
            compare(find(ipc, "ipcTimeTextBox3").control.text, "20")
            verify(!find(ipc, "pcShutdownCheckBox").checked)
            verify(find(ipc, "fastStartupCheckBox").checked)
            verify(!find(bar, "readParametersButton").enabled)
            compare(cppClass.calls, [])
        }

        // A choice the device does not take goes back to the device's value after the hold time;
        // once the device reports the choice, the control follows the device at once again.
        function test_choiceHeldUntilDeviceReportsIt() {
            var page = createPage("overload")
            var box = find(page, "powerBoostCheckBox")
            mouseClick(box)
            cppClass.send("sendToQml_ProcessData", merged(processRecord, { powerBoost_Checked: true }))
            cppClass.send("sendToQml_ProcessData", merged(processRecord, { powerBoost_Checked: false }))
            verify(!box.checked)

            box.holdMs = 50
            mouseClick(box)
            verify(box.checked)
            tryCompare(box, "checked", false)

            var list = find(page, "bufferCurrentLimitComboBox")
            list.holdMs = 50
            list.control.forceActiveFocus()
            keyClick(Qt.Key_Down)
            compare(list.control.currentText, "44A")
            tryCompare(list.control, "currentText", "22A")

            var ipc = createPage("ipc")
            var time = find(ipc, "ipcTimeTextBox2")
            time.holdMs = 50
            typeInto(time.control, "9")
            find(ipc, "ipcTimeTextBox1").control.forceActiveFocus()
            compare(time.control.text, "9")
            tryCompare(time.control, "text", "60")
        }

        // Records do not overwrite what the user is typing; the field sends once per edit and
        // nothing when the value did not change.
        function test_textFieldEditing() {
            var page = createPage("ipc")
            var field = find(page, "ipcTimeTextBox2").control
            field.forceActiveFocus()
            field.selectAll()
            keyClick("9")
            cppClass.send("sendToQml_ProcessData", merged(processRecord, { ipcShutdownTime: "61" }))
            compare(field.text, "9")
            keyClick(Qt.Key_Return)
            find(page, "ipcTimeTextBox1").control.forceActiveFocus()
            compare(cppClass.calls, ["SetIpcTime(2,9)"])

            cppClass.clear()
            typeInto(find(page, "ipcTimeTextBox3").control, "10")
            find(page, "ipcTimeTextBox1").control.forceActiveFocus()
            compare(cppClass.calls, [])
        }

        // Unticking 8 h leaves the device alone and lets the user type the new max. buffer time.
        function test_untick8hAsksForBufferTime() {
            var page = createPage("general")
            cppClass.send("sendToQml_ProcessData", merged(processRecord, { bufferTimeMax_Value: "480",
                                                                          bufferTime_8hVDE_CheckBoxChecked: true }))
            var box = find(page, "bufferTime8hCheckBox")
            var maxTime = find(page, "bufferTimeMaxTextBox")
            var field = maxTime.control
            box.holdMs = 50
            maxTime.holdMs = 50
            mouseClick(box)
            compare(cppClass.calls, [])
            verify(field.activeFocus)
            verify(!box.checked)
            keyClick("3")
            keyClick("0")
            keyClick("0")
            keyClick(Qt.Key_Return)
            compare(cppClass.calls, ["ParameterSetLimitsList_TextBox(0,300)"])
            // While the user is still in the field the box stays unticked...
            cppClass.send("sendToQml_ProcessData", merged(processRecord, { bufferTimeMax_Value: "480",
                                                                          bufferTime_8hVDE_CheckBoxChecked: true }))
            tryCompare(box, "pending", false) // the hold is over: only the field keeps it
            verify(!box.checked)
            // ...and follows the device again once the user has left it.
            find(page, "bufferTimeMinTextBox").control.forceActiveFocus()
            tryCompare(box, "checked", true)
        }

        // Controls the model does not offer are hidden, and an empty model shows a short note.
        function test_unofferedControlsHidden() {
            var general = createPage("general")
            var signals = createPage("signals")
            var overload = createPage("overload")
            var ipc = createPage("ipc")
            verify(find(general, "limitsComboBox2").visible)
            verify(!find(general, "limitsComboBox3").visible)
            verify(!find(general, "managementCheckBox2").visible)
            verify(!find(general, "parameterPlaceholder").visible)
            verify(find(ipc, "ipcRelayChoice").visible)

            cppClass.send("sendToQml_Parameter", merged(parameterRecord, {
                limitsLabel_ComboBox2: "", advancedSettingsLabel: "", managementLabel_Slider1: "",
                topBoost_Label: "", bufferCurentLimit_Label: "", stateOfCharging_Label: "" }))
            cppClass.send("sendToQml_SignalOutputs", merged(signalRecord, {
                signal_Label_Row14: "", signal34_Bezeichnung: "", ipcSignalNumber: 0 }))
            verify(!find(general, "limitsComboBox2").visible)
            verify(!find(general, "advancedSettingsGroup").visible)
            verify(!find(general, "managementSlider").visible)
            verify(!find(general, "stateOfChargeLowTextBox").visible)
            verify(!find(overload, "topBoostCheckBox").visible)
            verify(!find(overload, "bufferCurrentLimitComboBox").visible)
            verify(!find(signals, "signalRow14").visible)
            verify(find(signals, "signalRow13").visible)
            verify(!find(signals, "signalRow13").box(2).parent.visible)
            verify(!find(ipc, "ipcRelay34").visible)
            // Without the IPC row a relay choice would address the relay's inversion instead.
            verify(!find(ipc, "ipcRelayChoice").visible)

            cppClass.send("sendToQml_Parameter", {})
            cppClass.send("sendToQml_SignalOutputs", {})
            verify(find(general, "parameterPlaceholder").visible)
            verify(!find(general, "limitsGroup").visible)
            verify(find(signals, "signalOutputsPlaceholder").visible)
            verify(find(overload, "overloadPlaceholder").visible)
            compare(find(general, "parameterPlaceholder").text, "No device selected")
        }

        // A field shows what the model takes beside it; a field that takes any number shows nothing.
        function test_fieldsShowTheirAllowedRange() {
            var general = createPage("general")
            var ipc = createPage("ipc")
            cppClass.send("sendToQml_Parameter", merged(parameterRecord, {
                allowedRange_TextBox: ["", "Allowed: 2 to 3600", "Allowed: 5 to 85", "Allowed: 10 to 95",
                                       "Allowed: 1 to 1000", "Allowed: 1 to 600", "Allowed: 1 to 60"] }))
            var hint = function(page, name) { return findChild(find(page, name), "rangeHint") }
            verify(!hint(general, "bufferTimeMaxTextBox").visible)
            compare(hint(general, "bufferTimeMinTextBox").text, "Allowed: 2 to 3600")
            verify(hint(general, "bufferTimeMinTextBox").visible)
            compare(hint(general, "stateOfChargeHighTextBox").text, "Allowed: 10 to 95")
            compare(hint(ipc, "ipcTimeTextBox1").text, "Allowed: 1 to 1000")
            compare(hint(ipc, "ipcTimeTextBox3").text, "Allowed: 1 to 60")
            compare(find(ipc, "ipcTimeTextBox2").control.Accessible.description, "Allowed: 1 to 600")
        }

        function answer(box, yes) {
            tryVerify(function() { return box.opened })
            var button = findChild(box.footer, yes ? "messageBoxYesButton" : "messageBoxNoButton")
            verify(button !== null)
            mouseClick(button)
            tryVerify(function() { return !box.visible })
        }

        // Letting the device shut this PC down asks first: while the question is open and after a
        // "no" nothing reaches the back end and the box ends unticked; "yes" sends the tick once.
        // Unticking needs no question (see "PC shutdown off" above).
        function test_pcShutdownTickNeedsConfirmation_data() {
            return [
                { tag: "no", yes: false, calls: [] },
                { tag: "yes", yes: true, calls: ["IpcPage_CheckBox(3,true)"] }
            ]
        }

        function test_pcShutdownTickNeedsConfirmation(row) {
            var page = createPage("ipc")
            cppClass.send("sendToQml_ShutdownWindow", merged(shutdownRecord, {
                pcShutdownEnable: false, pcShutdownConfirm_Text: "Shut this computer down when the UPS asks?" }))
            var box = find(page, "pcShutdownCheckBox")
            var question = find(page, "pcShutdownConfirmBox")
            verify(!box.checked)
            mouseClick(box)
            tryVerify(function() { return question.opened })
            compare(findChild(question.contentItem, "messageBoxText").text,
                    "Shut this computer down when the UPS asks?")
            verify(box.checked)
            compare(cppClass.calls, [])
            answer(question, row.yes)
            compare(cppClass.calls, row.calls)
            if (row.yes) // the back end takes the choice
                cppClass.send("sendToQml_ShutdownWindow", merged(shutdownRecord, { pcShutdownEnable: true }))
            compare(box.checked, row.yes)
        }

        // Overwriting actions ask first: "no" sends nothing, "yes" sends the command once.
        function test_backupBarConfirmation_data() {
            return [
                { tag: "factory no", button: "factorySettingButton", yes: false, calls: [] },
                { tag: "factory yes", button: "factorySettingButton", yes: true, calls: ["SetGetSetting(0)"] },
                { tag: "restore no", button: "restoreSettingButton", yes: false, calls: [] },
                { tag: "restore yes", button: "restoreSettingButton", yes: true, calls: ["SetGetSetting(2)"] },
                { tag: "load file no", file: "file:///C:/data/upsData_20240131.db", yes: false, calls: [] },
                { tag: "load file yes", file: "file:///C:/data/upsData_20240131.db", yes: true,
                  calls: ["BackupFile(0,file:///C:/data/upsData_20240131.db)"] }
            ]
        }

        function test_backupBarConfirmation(row) {
            var bar = createTemporaryObject(backupBar, root)
            cppClass.send("sendToQml_ProcessData", processRecord)
            cppClass.clear()
            if (row.button)
                mouseClick(findChild(bar, row.button))
            else
                bar.loadBackupFrom(row.file)
            var box = findChild(bar, "parameterConfirmBox")
            compare(cppClass.calls, [])
            answer(box, row.yes)
            compare(cppClass.calls, row.calls)
        }

        function test_backupBarDirectActions() {
            var bar = createTemporaryObject(backupBar, root)
            cppClass.send("sendToQml_ProcessData", processRecord)
            cppClass.clear()
            mouseClick(findChild(bar, "readParametersButton"))
            mouseClick(findChild(bar, "saveSettingButton"))
            bar.saveBackupTo("file:///C:/data")
            compare(cppClass.calls, ["SetGetSetting(3)", "SetGetSetting(1)", "BackupFile(1,file:///C:/data)"])

            // The device actions wait for the device; the database backup does not.
            cppClass.clear()
            cppClass.send("sendToQml_ProcessData", merged(processRecord, { offlineMode: true }))
            for (var name of ["readParametersButton", "factorySettingButton", "saveSettingButton",
                              "restoreSettingButton"]) {
                verify(!findChild(bar, name).enabled, name)
                mouseClick(findChild(bar, name))
            }
            verify(findChild(bar, "saveBackupButton").enabled)
            compare(cppClass.calls, [])
        }
    }
}
