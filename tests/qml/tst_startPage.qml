import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml"

// The start page: a model chosen by the user asks the back end for the model's picture and
// records; a choice made by the back end only moves the view.
TestCase {
    id: testCase
    name: "StartPage"
    width: 800
    height: 500
    visible: true // the page is drawn inside the test item
    when: windowShown

    readonly property string modelPicture: "qrc:/images/company/norvex/devices/VK_10A_0/VK_10A_0.jpg"
    property string savedPicture: ""
    property var page: null
    property var combo: null

    QmlGlobal {
        id: idGlobal
    }

    function initTestCase() {
        verify(devList.length >= 3, "the catalogue offers at least two models")
        savedPicture = cppClass.devicesImage
        cppClass.devicesImage = modelPicture
    }

    function cleanupTestCase() {
        cppClass.devicesImage = savedPicture
    }

    function init() {
        cppClass.send("sendToQml_StartWindow", { currentDevice: 0 })
        var component = Qt.createComponent("qrc:/qml/mainSubPages/startPage/StartWindow.qml")
        compare(component.status, Component.Ready, component.errorString())
        page = component.createObject(testCase, { width: testCase.width, height: testCase.height })
        combo = findChild(page, "deviceComboBox")
        verify(combo !== null)
        cppClass.clear()
    }

    function cleanup() {
        page.destroy()
        page = null
    }

    function picture() {
        return String(findChild(page, "deviceImage").source)
    }

    // The user steps through the list with the keyboard, as with the mouse this activates the entry.
    function chooseWithKey(key) {
        combo.forceActiveFocus()
        keyClick(key)
    }

    function test_userChoiceAsksForPictureThenRecords() {
        chooseWithKey(Qt.Key_Down)
        compare(combo.currentIndex, 1)
        compare(cppClass.calls, ["GetDevicesImage(" + devList[1] + ")", "GetSignalOutputs(1)", "GetParameter(1)"])
        compare(picture(), modelPicture)
        compare(idGlobal.devText, devList[1])
        verify(idGlobal.deviceSelected)
        compare(idGlobal.imageStartPath, modelPicture)

        cppClass.clear()
        chooseWithKey(Qt.Key_Up)
        compare(cppClass.calls, ["GetDevicesImage(" + devList[0] + ")", "GetSignalOutputs(0)", "GetParameter(0)"])
        compare(idGlobal.devText, idGlobal.devNoSelected)
        verify(!idGlobal.deviceSelected)
    }

    function test_startWindowRecordMovesChoiceWithoutCommands_data() {
        return [
            { tag: "another model", device: 2, index: 2, picture: modelPicture },
            { tag: "a model shown before", device: 1, index: 1, picture: modelPicture },
            { tag: "nothing chosen", device: 0, index: 0, picture: "" },
            { tag: "index beyond the list", device: 99, index: 0, picture: "" }
        ]
    }

    function test_startWindowRecordMovesChoiceWithoutCommands(data) {
        chooseWithKey(Qt.Key_Down) // model 1; its picture is now known
        cppClass.clear()

        cppClass.send("sendToQml_StartWindow", { currentDevice: data.device })
        compare(combo.currentIndex, data.index)
        compare(cppClass.calls, [])
        compare(idGlobal.devText, data.index > 0 ? devList[data.index] : idGlobal.devNoSelected)
        compare(idGlobal.deviceSelected, data.index > 0)
        compare(picture(), data.picture)
    }

    function test_hintWhileDetectingAutomatically() {
        var hint = findChild(page, "autoScanHint")
        cppClass.send("sendToQml_SystemWindow", { textAutomaticDeviceScanning: "Gerät automatisch erkennen" })
        cppClass.send("sendToQml_ProcessData", { deviceDetectingAutomatically: true })
        verify(hint.visible)
        compare(findChild(page, "autoScanHintText").text, "Gerät automatisch erkennen")
        cppClass.send("sendToQml_ProcessData", { deviceDetectingAutomatically: false })
        verify(!hint.visible)
    }
}
