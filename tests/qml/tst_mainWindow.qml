import QtQuick 2.15
import QtTest 1.15
import QtQuick.Window 2.15

// The main window: it loads with every page, the button rows lead to the pages, closing honours
// the two closing options, the window returns to the status page after a while, and the foot
// bar shows the device's lamps and message.
TestCase {
    id: testCase
    name: "MainWindow"
    when: windowShown

    property var window: null
    property var global: null
    property var swipe: null

    function init() {
        cppClass.clear()
        var component = Qt.createComponent("qrc:/qml/main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null)
        verify(window !== null)
        window.width = 1280 // the window's own size, whatever this screen's
        window.height = 800
        global = findChild(window, "idGlobal")
        swipe = findChild(window.contentItem, "idSwipeView")
        verify(global !== null && swipe !== null)
        waitForRendering(window.contentItem) // the button rows are laid out
    }

    function cleanup() {
        if (window) {
            window.destroy()
            window = null
        }
    }

    function item(name) {
        var found = findChild(window.contentItem, name)
        verify(found !== null, name)
        return found
    }

    function click(name) {
        mouseClick(item(name))
    }

    // Sends the window options with everything else at its default.
    function sendOptions(options) {
        var record = { parameterGeneral_PageEnabled: true, parameterIpcSetting_PageEnabled: true,
                       backToStatusPageTimeout_sec: 60 }
        for (var key in options)
            record[key] = options[key]
        cppClass.send("sendToQml_ProcessData", record)
    }

    function test_opensWithinTheScreen() {
        var component = Qt.createComponent("qrc:/qml/main.qml")
        var opened = component.createObject(null)
        var fits = opened.width <= Screen.desktopAvailableWidth && opened.height <= Screen.desktopAvailableHeight
                && opened.minimumWidth <= Screen.desktopAvailableWidth
                && opened.minimumHeight <= Screen.desktopAvailableHeight
        var size = opened.width + "x" + opened.height + " on " + Screen.desktopAvailableWidth + "x"
                + Screen.desktopAvailableHeight
        opened.destroy()
        verify(fits, size)
    }

    function test_openMaximisedFromTheFirstRecord_data() {
        return [
            { tag: "option on", on: true },
            { tag: "option off", on: false }
        ]
    }

    // The open-maximised option is a stored setting that comes with the back end's first record,
    // after the settings are loaded: the window follows that record, not the defaults it was built
    // with, and later records do not resize it.
    function test_openMaximisedFromTheFirstRecord(data) {
        compare(window.visibility, Window.Windowed)
        sendOptions({ appOpenAsMaximized: data.on })
        tryCompare(window, "visibility", data.on ? Window.Maximized : Window.Windowed)
        sendOptions({ appOpenAsMaximized: !data.on })
        compare(window.visibility, data.on ? Window.Maximized : Window.Windowed)
    }

    function test_loadsEveryPage() {
        compare(swipe.count, 13)
    }

    readonly property var topButtons: ["buttonStart", "buttonStatus", "buttonEvent", "buttonTrend",
                                       "buttonParameter", "buttonSystem", "buttonAbout"]

    // The trend page is opened by tst_trendView: its chart draws through the widgets' graphics
    // scene and needs the QApplication of the program, where Qt Quick Test makes a QGuiApplication.
    function test_topButtonsOpenTheirPages_data() {
        return [
            { tag: "start", button: "buttonStart", page: 0, subPages: [] },
            { tag: "status", button: "buttonStatus", page: 1, subPages: [] },
            { tag: "event", button: "buttonEvent", page: 2, subPages: [] },
            { tag: "parameter", button: "buttonParameter", page: 3, subPages: [3, 4, 5, 6] },
            { tag: "system", button: "buttonSystem", page: 9, subPages: [9, 7, 8] },
            { tag: "about", button: "buttonAbout", page: 10, subPages: [] }
        ]
    }

    // Each top button opens the first page of its group and alone is drawn selected; the left
    // column offers the group's sub-pages, and each of those opens its page.
    function test_topButtonsOpenTheirPages(data) {
        sendOptions({})
        click(data.button)
        compare(swipe.currentIndex, data.page)
        waitForRendering(window.contentItem) // the column has placed the group's buttons
        for (var i = 0; i < topButtons.length; ++i)
            compare(item(topButtons[i]).selected, topButtons[i] === data.button, topButtons[i])

        for (var n = 1; n <= 6; ++n) {
            var expected = n <= data.subPages.length
            compare(global["buttonsVertical_" + n + "_Text"] !== "", expected, "text of sub-page button " + n)
            compare(findChild(window.contentItem, "buttonVertical_" + n) !== null, expected, "sub-page button " + n)
        }
        for (var k = data.subPages.length; k >= 1; --k) {
            click("buttonVertical_" + k)
            compare(swipe.currentIndex, data.subPages[k - 1])
            verify(global["buttonsVertical_" + k + "_Selected"])
            verify(item("buttonVertical_" + k).selected)
            verify(item(data.button).selected)
        }
    }

    function test_locksAndProductionButton() {
        sendOptions({ parameterGeneral_PageEnabled: true, parameterIpcSetting_PageEnabled: false })
        click("buttonParameter")
        compare(swipe.currentIndex, 3)
        waitForRendering(window.contentItem)
        compare([1, 2, 3, 4].map(function(n) { return item("buttonVertical_" + n).enabled }),
                [true, true, false, true])

        // With the general pages locked, the group opens on the IPC page.
        sendOptions({ parameterGeneral_PageEnabled: false, parameterIpcSetting_PageEnabled: true })
        click("buttonStart")
        click("buttonParameter")
        compare(swipe.currentIndex, 5)
        compare([1, 2, 3, 4].map(function(n) { return item("buttonVertical_" + n).enabled }),
                [false, false, true, false])

        verify(!item("buttonProduction").visible)
        sendOptions({ production_version: true })
        verify(item("buttonProduction").visible)
        click("buttonProduction")
        compare(swipe.currentIndex, 11)
    }

    function test_closeOptions_data() {
        return [
            { tag: "no option", deny: false, ask: false, closes: true, asks: false },
            { tag: "close message", deny: false, ask: true, closes: false, asks: true },
            { tag: "deny closing", deny: true, ask: false, closes: false, asks: false },
            { tag: "deny closing wins over the message", deny: true, ask: true, closes: false, asks: false }
        ]
    }

    function test_closeOptions(data) {
        sendOptions({ denyAppClosing: data.deny, showCloseMessage: data.ask })
        var box = findChild(window, "messageCloseAppDialog")
        window.close() // the closing handler decides at once
        compare(window.visible, !data.closes)
        compare(box.visible, data.asks)
    }

    function test_closeMessageAnswers() {
        sendOptions({ showCloseMessage: true })
        var box = findChild(window, "messageCloseAppDialog")

        window.close()
        tryCompare(box, "opened", true)
        mouseClick(findChild(box, "messageBoxNoButton"))
        tryCompare(box, "visible", false)
        verify(box.noValue && !box.yesValue)
        verify(window.visible)
        verify(!window.closeConfirmed)

        window.close()
        tryCompare(box, "opened", true)
        verify(!box.noValue && !box.yesValue)
        mouseClick(findChild(box, "messageBoxYesButton"))
        verify(box.yesValue)
        verify(window.closeConfirmed) // and the application quits
    }

    function test_backToStatusPage_data() {
        return [
            { tag: "option on", on: true },
            { tag: "option off", on: false }
        ]
    }

    function test_backToStatusPage(data) {
        sendOptions({ switchToStatusPage: data.on, backToStatusPageTimeout_sec: 1 })
        click("buttonEvent")
        compare(swipe.currentIndex, 2)
        if (data.on)
            tryCompare(swipe, "currentIndex", 1, 5000)
        else // nothing else leads back
            verify(!findChild(window, "idTimerBackToStatusPage").running)
    }

    // The wait starts again with every page change: the return comes a whole timeout after the
    // last one. Timers never fire early, so only lower bounds are checked.
    function test_navigationRestartsBackToStatusTime() {
        sendOptions({ switchToStatusPage: true, backToStatusPageTimeout_sec: 2 })
        var returnedAt = 0
        var stamp = function() { if (swipe.currentIndex === 1) returnedAt = Date.now() }
        swipe.currentIndexChanged.connect(stamp)
        click("buttonEvent")
        var firstChange = Date.now()
        tryVerify(function() { return Date.now() - firstChange >= 1200 }, 5000)
        click("buttonParameter")
        var secondChange = Date.now()
        compare(returnedAt, 0, "back before the second change")
        tryCompare(swipe, "currentIndex", 1, 8000)
        swipe.currentIndexChanged.disconnect(stamp)
        // Qt's coarse timers may fire up to 5 % early.
        verify(returnedAt - secondChange >= 1900, (returnedAt - secondChange) + " ms after the second change")
    }

    function test_footLampsAndMessage_data() {
        return [
            { tag: "steady", tact: 0, blinks: false },
            { tag: "blinking", tact: 2, blinks: true }
        ]
    }

    // A lamp with a blink period alternates between its picture and the dark one; a lamp without
    // one stays lit. The back end's message is shown while it is set.
    // The yellow lamp blinks beside it as a clock: after three of its phases the red one has shown
    // whatever it shows.
    function test_footLampsAndMessage(data) {
        sendOptions({ red_image: "qrc:/images/led/led_red.png", red_image_tact: data.tact,
                      yellow_image: "qrc:/images/led/led_yellow.png", yellow_image_tact: 2,
                      grey_image: "qrc:/images/led/led_grey.png", extraMessage: "Device parameters" })
        var lamp = findChild(item("ledRed"), "lampImage")
        var clock = findChild(item("ledYellow"), "lampImage")
        var shown = {}
        var phases = 0
        var note = function() { shown[String(lamp.source)] = true }
        var count = function() { ++phases }
        note()
        lamp.sourceChanged.connect(note)
        clock.sourceChanged.connect(count)
        tryVerify(function() { return phases >= 3 }, 5000)
        lamp.sourceChanged.disconnect(note)
        clock.sourceChanged.disconnect(count)
        verify(shown["qrc:/images/led/led_red.png"])
        compare(shown["qrc:/images/led/led_grey.png"] === true, data.blinks)
        compare(item("extraMessageLabel").text, "Device parameters")
    }

    // Pages are built when first opened, and start from the newest record sent before, even when
    // nothing changes afterwards.
    function test_pageBuiltWhenFirstOpened() {
        compare(findChild(window.contentItem, "statusPage"), null)
        sendOptions({ masterOperationModus: "Buffer operation" })
        click("buttonStatus")
        compare(item("operationMode").text, "Buffer operation")
        compare(findChild(window.contentItem, "eventPage"), null)
    }

    // A page out of view keeps the newest record and shows it when opened; the page on show
    // follows every record at once.
    function test_hiddenPageShowsTheNewestRecordWhenOpened() {
        click("buttonStatus")
        sendOptions({ masterOperationModus: "Mains operation" })
        compare(item("operationMode").text, "Mains operation")
        click("buttonEvent")
        sendOptions({ masterOperationModus: "Buffer operation" })
        sendOptions({ masterOperationModus: "Exchange battery" })
        compare(item("operationMode").text, "Mains operation")
        click("buttonStatus")
        compare(item("operationMode").text, "Exchange battery")
    }

    // The link's lamp blinks by itself with the lit phase the back end names (the dark phase is
    // fixed), and stays lit without one, so a blinking lamp needs no record per phase.
    function test_connectionLampBlinksByItself() {
        var green = "qrc:/images/led/led_green.png"
        var lamp = item("footComPortImage")
        cppClass.send("sendToQml_ProcessData", { imageComPort: green, imageComPortLitMs: 300 })
        tryCompare(lamp, "source", "qrc:/images/led/led_grey.png")
        tryCompare(lamp, "source", green)
        cppClass.send("sendToQml_ProcessData", { imageComPort: green, imageComPortLitMs: 0 })
        verify(!lamp.blinking)
        compare(String(lamp.source), green)
    }

    // The countdown of a PC shutdown shows on every page and in the tray's tool tip; it goes with
    // the request. The tray announces it once, not every second.
    function test_pcShutdownCountdown() {
        var banner = item("pcShutdownBanner")
        var tray = findChild(window, "trayIcon")
        verify(tray !== null)
        verify(!banner.visible)
        compare(tray.toolTip, companyData.appName)
        click("buttonEvent")
        cppClass.send("sendToQml_ShutdownWindow", { pcShutdownCountdown_Text: "PC shutdown in 42 s" })
        verify(banner.visible)
        compare(item("pcShutdownCountdownLabel").text, "PC shutdown in 42 s")
        compare(tray.toolTip, companyData.appName + "\nPC shutdown in 42 s")
        verify(window.pcShutdownAnnounced)
        cppClass.send("sendToQml_ShutdownWindow", { pcShutdownCountdown_Text: "PC shutdown in 41 s" })
        compare(item("pcShutdownCountdownLabel").text, "PC shutdown in 41 s")
        cppClass.send("sendToQml_ShutdownWindow", {})
        verify(!banner.visible)
        compare(tray.toolTip, companyData.appName)
        verify(!window.pcShutdownAnnounced)
    }
}
