import QtQuick 2.15
import QtTest 1.15
import QtQuick.Window 2.15
import "qrc:/qml"

// The system page: options reach the back end only when the user changes them, with the numbers
// the back end expects; language and unit spend their one ignored call at start.
TestCase {
    id: testCase
    name: "SystemPage"
    when: windowShown
    width: 900
    height: 600

    QmlGlobal { id: idGlobal }

    property var page: null

    function init() {
        cppClass.clear()
        var component = Qt.createComponent("qrc:/qml/mainSubPages/systemPage/SystemWindow.qml")
        compare(component.status, Component.Ready, component.errorString())
        page = component.createObject(testCase.parent, { width: 859, height: 550 })
        verify(page !== null)
        waitForRendering(page)
    }

    function cleanup() {
        page.destroy()
        page = null
    }

    function child(name) {
        var item = findChild(page, name)
        verify(item !== null, name)
        return item
    }

    function sendProcess(values) {
        cppClass.send("sendToQml_ProcessData", values)
    }

    function test_initialLanguageAndUnitCallsOnceThenUserChoices() {
        // Created in the set-up: one call each, with the record's values.
        compare(cppClass.calls, ["ReloadLanguage(0)", "setTemperatureUnit(°C,0)"])

        sendProcess({ currentLanguageNr: 1, comboBoxTemperatureUnitCurrentIndex: 1 })
        compare(child("languageCombo").currentIndex, 1)
        compare(child("temperatureUnitCombo").currentIndex, 1)
        compare(cppClass.calls.length, 2, "record updates call nothing")

        var language = child("languageCombo")
        language.forceActiveFocus()
        keyClick(Qt.Key_Up)
        compare(cppClass.lastCall("ReloadLanguage"), "ReloadLanguage(0)")
        compare(cppClass.calls.length, 3)

        var unit = child("temperatureUnitCombo")
        unit.forceActiveFocus()
        keyClick(Qt.Key_Up)
        compare(cppClass.lastCall("setTemperatureUnit"), "setTemperatureUnit(°C,0)")
        keyClick(Qt.Key_Down)
        compare(cppClass.lastCall("setTemperatureUnit"), "setTemperatureUnit(°F,1)")
        compare(cppClass.calls.length, 5)
    }

    function test_checkBoxesSendTheirNumbers_data() {
        return [
            { tag: "start with PC", name: "startWithPcCheckBox", nr: 1, key: "startUp" },
            { tag: "open maximised", name: "openMaximizedCheckBox", nr: 3, key: "appOpenAsMaximized_checkBox" },
            { tag: "close message", name: "closeMessageCheckBox", nr: 4, key: "showCloseMessage" },
            { tag: "load config file", name: "loadConfigFileCheckBox", nr: 5, key: "loadConfigFile_checkBox" },
            { tag: "switch to status", name: "switchToStatusCheckBox", nr: 6, key: "switchToStatusPage" },
            { tag: "deny closing", name: "denyClosingCheckBox", nr: 7, key: "denyAppClosing" },
            { tag: "automatic scanning", name: "automaticScanningCheckBox", nr: 0, key: "deviceDetectingAutomatically" }
        ]
    }

    function test_checkBoxesSendTheirNumbers(data) {
        var box = child(data.name)
        var values = {}
        values[data.key] = false
        sendProcess(values)
        cppClass.clear()

        mouseClick(box)
        compare(cppClass.calls, ["SystemWindow_CheckBox(" + data.nr + ",true)"])
        mouseClick(box)
        compare(cppClass.calls[1], "SystemWindow_CheckBox(" + data.nr + ",false)")

        // The record decides the state afterwards, also after user clicks, and calls nothing.
        values[data.key] = true
        sendProcess(values)
        verify(box.checked)
        values[data.key] = false
        sendProcess(values)
        verify(!box.checked)
        compare(cppClass.calls.length, 2)
    }

    function test_tabReachesEveryControlInReadingOrder() {
        sendProcess({ deviceDetectingAutomatically: false, comportList: ["COM1"], textCommunicationButton: "Activate" })
        // Short enough that the page has to scroll to show each control it reaches.
        page.height = 260
        child("languageCombo").forceActiveFocus()
        var order = [testCase.Window.window.activeFocusItem.objectName]
        for (var i = 0; i < 10; ++i) {
            keyClick(Qt.Key_Tab)
            var item = testCase.Window.window.activeFocusItem
            order.push(item.objectName)
            var top = item.mapToItem(page, 0, 0).y
            verify(top >= 0 && top + item.height <= page.height, item.objectName + " is scrolled into view")
        }
        compare(order, ["languageCombo", "temperatureUnitCombo", "startWithPcCheckBox", "openMaximizedCheckBox",
                        "closeMessageCheckBox", "switchToStatusCheckBox", "denyClosingCheckBox",
                        "loadConfigFileCheckBox", "automaticScanningCheckBox", "portCombo", "connectButton"])
    }

    function test_portFollowsAutomaticScanning() {
        sendProcess({ deviceDetectingAutomatically: true, comportList: ["COM1", "COM3", "COM4"],
                      comPortList_currentNumber: 1, textCommunicationButton: "Disconnect" })
        var port = child("portCombo")
        compare(port.count, 3)
        compare(port.currentIndex, 1)
        verify(!port.enabled)

        sendProcess({ deviceDetectingAutomatically: false, comportList: ["COM1", "COM3", "COM4"],
                      comPortList_currentNumber: 1, textCommunicationButton: "Disconnect" })
        verify(port.enabled)
        cppClass.clear()
        port.forceActiveFocus()
        keyClick(Qt.Key_Down)
        compare(cppClass.calls, ["Communication_ComPort(2)"])

        var connect = child("connectButton")
        compare(connect.text, "Disconnect")
        mouseClick(connect)
        compare(cppClass.lastCall("SystemWindow_CheckBox"), "SystemWindow_CheckBox(2,true)")
    }

    // The network server's switch and login go to the back end as the user leaves each field.
    function test_nutServerSettings() {
        var box = child("nutServerCheckBox")
        verify(!box.checked)
        compare(child("nutServer_user").text, "monuser")
        compare(child("nutServer_password").echoMode, TextInput.Password)
        box.forceActiveFocus()
        keyClick(Qt.Key_Space)
        compare(cppClass.lastCall("SetNutServer"), "SetNutServer(enabled,1)")
        var password = child("nutServer_password")
        password.forceActiveFocus()
        keyClick(Qt.Key_S)
        keyClick(Qt.Key_Tab)
        compare(cppClass.lastCall("SetNutServer"), "SetNutServer(password,s)")
    }
}
