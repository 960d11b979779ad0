import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml"

// The status page: a measured value goes onto the device picture only where the model gives a
// position inside it, otherwise into the cards below; the details pop-up shows the unit asked for
// and offers the firmware update only on the master in production builds.
TestCase {
    id: testCase
    name: "StatusPage"
    when: windowShown
    width: 900
    height: 600

    QmlGlobal { id: idGlobal }

    property var page: null
    readonly property string picture: "qrc:/images/company/norvex/devices/VT_40A/status/net_mode.gif"

    function init() {
        cppClass.clear()
        var component = Qt.createComponent("qrc:/qml/mainSubPages/statusPage/StatusWindow.qml")
        compare(component.status, Component.Ready, component.errorString())
        page = component.createObject(testCase.parent, { width: 859, height: 550 })
        verify(page !== null)
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

    function sendValues(extra) {
        var values = { master_image: picture, masterOperationModus: "Mains operation",
                       masterInput_text: "24.1 V", masterOutput_text: "24.0 V\n18.5 A",
                       masterTemperatur: "31.5°C", chargeVoltage: "27.3 V", chargeCurrent: "0.1 A",
                       masterDeviceDetailsLabel: "Device:\nInput:\nOutput:",
                       masterDeviceDetailsValues: "VT-40A\nDC 24V / 40A\nDC 24V / 40A",
                       slave1_DeviceDetailsLabel: "Module:", slave1_DeviceDetailsValues: "BAT-7Ah" }
        for (var key in extra)
            values[key] = extra[key]
        cppClass.send("sendToQml_ProcessData", values)
    }

    function test_valuesPlacement_data() {
        return [
            { tag: "no factors: cards", x: 0, y: 0, onPicture: false },
            { tag: "position inside the picture", x: 0.1, y: 0.4, onPicture: true },
            { tag: "divisor-like factors: cards", x: 10.0, y: 4.7, onPicture: false }
        ]
    }

    function test_valuesPlacement(data) {
        sendValues({ masterInputText_xPositionFactor: data.x, masterInputText_yPositionFactor: data.y })
        tryCompare(child("masterPicture"), "status", Image.Ready)
        compare(child("onPicture_input").visible, data.onPicture)
        compare(child("inputCard").text.indexOf("24.1 V") >= 0, !data.onPicture)
        // Values without factors stay in their cards either way.
        verify(child("outputCard").text.indexOf("24.0 V") >= 0)
        compare(child("operationMode").text, "Mains operation")
    }

    function test_detailsPopUp_data() {
        return [
            { tag: "master, service build", unit: 0, production: false, title: "VT-40A", update: false },
            { tag: "master, production build", unit: 0, production: true, title: "VT-40A", update: true },
            { tag: "storage module, production build", unit: 1, production: true, title: "BAT-7Ah", update: false }
        ]
    }

    function test_detailsPopUp(data) {
        sendValues({ production_version: data.production })
        page.showDetails(data.unit)
        var popUp = child("detailsPopUp")
        tryCompare(popUp, "opened", true)
        verify(popUp.valuesText.indexOf(data.title) >= 0)
        compare(child("firmwareUpdateArea").visible, data.update)
        popUp.close()
        tryCompare(popUp, "visible", false)
        compare(cppClass.calls, [])
    }
}
