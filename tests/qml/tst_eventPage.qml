import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml"

// The event page: clearing the log asks first, exporting passes the chosen folder, and the lamps
// of the current state follow the back end's list of active events.
TestCase {
    id: testCase
    name: "EventPage"
    when: windowShown
    width: 900
    height: 600

    QmlGlobal { id: idGlobal }

    property var page: null

    function init() {
        cppClass.clear()
        var component = Qt.createComponent("qrc:/qml/mainSubPages/eventPage/EventWindow.qml")
        compare(component.status, Component.Ready, component.errorString())
        // TestCase itself is invisible; the page goes beside it so it can be clicked.
        page = component.createObject(testCase.parent, { width: 859, height: 550 })
        verify(page !== null)
        cppClass.send("sendToQml_SystemWindow", { clearEvents: "Clear events", saveAsCsv: "Save as csv",
                                                  yesText: "Yes", noText: "No" })
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

    function test_clearAsksFirst() {
        var box = child("clearEventsBox")
        compare(box.messageBoxTitle, "Clear events?")

        mouseClick(child("clearEventsButton"))
        tryCompare(box, "opened", true)
        mouseClick(findChild(box.footer, "messageBoxNoButton"))
        tryCompare(box, "visible", false)
        compare(cppClass.calls, [])

        mouseClick(child("clearEventsButton"))
        tryCompare(box, "opened", true)
        mouseClick(findChild(box.footer, "messageBoxYesButton"))
        tryCompare(box, "visible", false)
        compare(cppClass.calls, ["DataBase_EventControl(0,)"])
    }

    function test_exportPassesTheChosenFolder() {
        // A folder chosen without a file selected arrives as the folder the dialog shows.
        child("exportDialog").accepted("", "file:///home/operator/logs")
        compare(cppClass.calls, ["DataBase_EventControl(1,file:///home/operator/logs)"])
    }

    function test_lampsFollowTheActiveEvents() {
        cppClass.send("sendToQml_SignalOutputs", { signal_Label_Row1: "Mains operation",
                                                   signal_Label_Row2: "Buffer operation",
                                                   signal_Label_Row4: "Exchange battery" })
        cppClass.send("sendToQml_ProcessData", { devStatusText: "▪ Buffer operation\n▪ Exchange battery\n" })
        // Rows without a label do not exist on the model and get no lamp.
        compare(page.signalLabels, ["Mains operation", "Buffer operation", "Exchange battery"])
        var lit = []
        for (var i = 0; i < 3; ++i)
            lit.push(child("signalLamp_" + i).active)
        compare(lit, [false, true, true])

        cppClass.send("sendToQml_ProcessData", { devStatusText: "" })
        verify(!child("signalLamp_1").active)
        compare(cppClass.calls, [])
    }
}
