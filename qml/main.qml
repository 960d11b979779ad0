import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import QSystemTrayIcon 1.0
import "global"
import "mainSubPages/parameterPage"

ApplicationWindow {
    id: root
    objectName: "root"

    // The newest copies of the back end's records; each signal replaces the whole copy.
    property var process: processData
    property bool closeConfirmed: false
    // Seconds left until the PC shuts down at the device's request; empty while none is asked for.
    property string pcShutdownCountdown: shutdownWindow.pcShutdownCountdown_Text
    property bool pcShutdownAnnounced: false
    // The command failed: the banner says why and that the PC must go down by hand.
    property bool pcShutdownFailed: shutdownWindow.pcShutdownFailed
    property string pcShutdownCancelText: shutdownWindow.pcShutdownCancel_Text

    // Never larger than the screen's free area (a 1366x768 laptop keeps the foot bar in view).
    width: Math.min(1280, Screen.desktopAvailableWidth)
    height: Math.min(800, Screen.desktopAvailableHeight)
    minimumWidth: Math.min(1024, Screen.desktopAvailableWidth)
    minimumHeight: Math.min(700, Screen.desktopAvailableHeight)
    visible: true
    title: companyData.appName
    color: idGlobal.bodyColor
    flags: Qt.Window | Qt.WindowTitleHint | Qt.WindowSystemMenuHint | Qt.WindowMinMaxButtonsHint
           | Qt.WindowCloseButtonHint
    Component.onCompleted: root.takeNewestEvent()

    // The open-maximised option is a stored setting: the back end loads the settings in its first
    // tick and sends them with its first record, so the option is applied then (the record the
    // window starts with holds only defaults). Later records do not resize the window.
    property bool openingOptionApplied: false
    function applyOpeningOption(record) {
        if (root.openingOptionApplied)
            return
        root.openingOptionApplied = true
        if (record.appOpenAsMaximized)
            root.visibility = Window.Maximized
    }

    // One page of the swipe view, built the first time it is shown and kept from then on. Pages are
    // named by file, so that loading the window does not load every page's type either.
    component LazyPage: Loader {
        property string page // under mainSubPages/, without .qml
        property string name // the page's objectName
        readonly property bool shown: SwipeView.isCurrentItem
        visible: shown
        function build() {
            if (shown && status === Loader.Null)
                setSource("qrc:/qml/mainSubPages/" + page + ".qml", { "objectName": name })
        }
        onShownChanged: build()
        Component.onCompleted: build()
    }

    QmlGlobal {
        id: idGlobal
        objectName: "idGlobal"
    }

    Connections {
        target: cppClass
        function onSendToQml_ProcessData(processData) {
            root.process = processData
            root.applyOpeningOption(processData)
            idGlobal.offlineMode = processData.offlineMode
            idGlobal.masterOperationModus = processData.masterOperationModus
            idGlobal.masterOperationModusExtra = processData.masterOperationModusExtra
            idGlobal.extraMessage_Text = processData.extraMessage
            idGlobal.visuDelay_ms = processData.visuDelay_ms
            idGlobal.backToStatusPageTimeout_sec = processData.backToStatusPageTimeout_sec
            idGlobal.checkBoxAppOpenAsMaximizedChecked = processData.appOpenAsMaximized_checkBox
            idGlobal.denyAppClosing = processData.denyAppClosing
            idGlobal.showCloseMessage = processData.showCloseMessage
            idGlobal.switchToStatusPage = processData.switchToStatusPage
            idGlobal.production_version = processData.production_version
            idGlobal.debug_version = processData.debug_version
            idGlobal.demo_version = processData.demo_version
            idGlobal.deviceDetectingAutomatically = processData.deviceDetectingAutomatically
            idGlobal.parameterGeneral_PageEnabled = processData.parameterGeneral_PageEnabled
            idGlobal.parameterIpcSetting_PageEnabled = processData.parameterIpcSetting_PageEnabled
        }
        function onSendToQml_mainWindow(mainWindow) {
            idGlobal.buttonsStart_Text = mainWindow.start_Button
            idGlobal.buttonsStatus_Text = mainWindow.status_Button
            idGlobal.buttonsEvent_Text = mainWindow.event_Button
            idGlobal.buttonsTrend_Text = trendFeed.texts().button
            idGlobal.buttonsParameter_Text = mainWindow.parameter_Button
            idGlobal.buttonsInfos_Text = mainWindow.about_Button
            idGlobal.buttonsParameter_General_Text = mainWindow.generalParamter_Button
            idGlobal.buttonsParameter_OverloadBehavior_Text = mainWindow.overloadBehaviorParamter_Button
            idGlobal.buttonsParameter_IpcSettings_Text = mainWindow.ipcSettungsSystem_Button
            idGlobal.buttonsSystem_GeneralSettings_Text = mainWindow.generalSystem_Button
            idGlobal.buttonsSystem_ProgrammStart_Text = mainWindow.runProgram_Button
            idGlobal.setUpsParameter_Text = mainWindow.setUpsParameter_Bezeichnung
            idGlobal.setParameterSettings_Text = mainWindow.setParameterSettings_Bezeichnung
            idGlobal.buttonsParameter_ApplySetting_Text = mainWindow.applySetting_Bezeichnung
            idGlobal.buttonsParameter_FactorySetting_Text = mainWindow.setFactorySettings_Bezeichnung
            idGlobal.buttonsParameter_SaveSetting_Text = mainWindow.saveSettings_Bezeichnung
            idGlobal.buttonsParameter_RestoreSetting_Text = mainWindow.restoreSettings_Bezeichnung
            idGlobal.firstStart = false
        }
        function onSendToQml_SystemWindow(systemWindow) {
            idGlobal.appCloseMessage = systemWindow.appCloseMessage
            idGlobal.yesText = systemWindow.yesText
            idGlobal.noText = systemWindow.noText
            idGlobal.textBackupFile = systemWindow.textBackupFile
            idGlobal.buttonsSystem_Text = systemWindow.textGroupBoxSettings
            idGlobal.buttonsParameter_SignalContact_Text = systemWindow.signalContact
        }
        function onSendToQml_StatusWindow(statusWindow) {
            idGlobal.softwareInformation = statusWindow.softwareInformation
            idGlobal.infotextQT = statusWindow.infotextQT
        }
        function onSendToQml_SignalOutputs(signalOutputs) {
            idGlobal.signal14Bezeichnung = signalOutputs.signal14_Bezeichnung
            idGlobal.signal24Bezeichnung = signalOutputs.signal24_Bezeichnung
            idGlobal.signal34Bezeichnung = signalOutputs.signal34_Bezeichnung
        }
        function onSendToQml_ShutdownWindow(shutdownWindow) {
            root.pcShutdownCountdown = shutdownWindow.pcShutdownCountdown_Text
            root.pcShutdownFailed = shutdownWindow.pcShutdownFailed
            root.pcShutdownCancelText = shutdownWindow.pcShutdownCancel_Text
        }
    }

    // Tray icon: shows the window again and announces new events.
    QSystemTrayIcon {
        id: idTrayIcon
        objectName: "trayIcon"
        visible: systemTrayAvailable
        icon: iconTray
        toolTip: root.pcShutdownCountdown !== "" ? companyData.appName + "\n" + root.pcShutdownCountdown
                                                 : companyData.appName
        onActivated: root.showFromTray()
    }
    // The tray announces the countdown when it starts; its tool tip follows every second.
    onPcShutdownCountdownChanged: {
        if (pcShutdownCountdown !== "" && !pcShutdownAnnounced)
            idTrayIcon.showMessage(companyData.appName, pcShutdownCountdown)
        pcShutdownAnnounced = pcShutdownCountdown !== ""
    }
    // A nearly empty storage is announced once, when it begins: the output goes off soon.
    readonly property string alarmState: process.alarmState || ""
    onAlarmStateChanged: {
        if (alarmState === "storageLow")
            idTrayIcon.showMessage(companyData.appName, process.alarmText)
    }
    // A failure is announced once, when it first shows.
    onPcShutdownFailedChanged: {
        if (pcShutdownFailed)
            idTrayIcon.showMessage(companyData.appName, pcShutdownCountdown)
    }
    Connections {
        target: idGlobal
        function onEventMessage_SystemTrayChanged() {
            if (idGlobal.eventMessage_SystemTray !== "")
                idTrayIcon.showMessage(companyData.appName, idGlobal.eventMessage_SystemTray)
        }
    }

    // The newest row of the event log becomes the tray message; rows present at start are old news.
    property int lastEventId: -1
    function takeNewestEvent() {
        if (!qmlDataBaseModel)
            return
        if (qmlDataBaseModel.rowCount() === 0) {
            root.lastEventId = Math.max(root.lastEventId, 0)
            return
        }
        var row = qmlDataBaseModel.index(0, 0)
        var id = Number(qmlDataBaseModel.data(row)) // the first column is the row id
        if (root.lastEventId >= 0 && id > root.lastEventId) {
            idGlobal.eventMessage_SystemTray = qmlDataBaseModel.data(row, 258) + ": "
                    + qmlDataBaseModel.data(row, 261) + " (" + qmlDataBaseModel.data(row, 260) + ")"
        }
        root.lastEventId = id
    }
    Connections {
        target: qmlDataBaseModel
        ignoreUnknownSignals: true
        function onModelReset() { root.takeNewestEvent() }
    }

    function showFromTray() {
        root.show()
        root.raise()
        root.requestActivate()
    }

    // Minimised windows leave the task bar only when the tray can bring them back.
    onVisibilityChanged: function(visibility) {
        if (visibility === Window.Minimized && !idGlobal.show_icon_inTaskbar && systemTrayAvailable)
            root.hide()
    }

    function requestClose() {
        if (idGlobal.denyAppClosing)
            return false
        if (idGlobal.showCloseMessage && !root.closeConfirmed) {
            messageCloseAppDialog.open()
            return false
        }
        return true
    }

    onClosing: function(close) {
        close.accepted = root.requestClose()
    }

    MyMessageBox {
        id: messageCloseAppDialog
        objectName: "messageCloseAppDialog"
        messageBoxTitle: idGlobal.appCloseMessage
        yesText: idGlobal.yesText
        noText: idGlobal.noText
        onYesValueChanged: {
            if (yesValue) {
                root.closeConfirmed = true
                Qt.quit()
            }
        }
    }

    // Returns to the status page after a while without user activity, when the option is on.
    Timer {
        id: idTimerBackToStatusPage
        objectName: "idTimerBackToStatusPage"
        interval: Math.max(1, idGlobal.backToStatusPageTimeout_sec) * 1000
        repeat: false
        onTriggered: idGlobal.currentPage = idGlobal.pageStatus
    }
    // Starts the wait anew (page change, press, option switched); stops it on the status page or
    // with the option off.
    function restartBackToStatusTimer() {
        if (idGlobal.switchToStatusPage && idSwipeView.currentIndex !== idGlobal.pageStatus)
            idTimerBackToStatusPage.restart()
        else
            idTimerBackToStatusPage.stop()
    }
    Connections {
        target: idSwipeView
        function onCurrentIndexChanged() { root.restartBackToStatusTimer() }
    }
    Connections {
        target: idGlobal
        function onSwitchToStatusPageChanged() { root.restartBackToStatusTimer() }
    }

    // Devices area: the current device as a button leading to the start page.
    Button {
        id: idDevicesArea
        objectName: "devicesArea"
        x: idGlobal.devicesLeft
        y: idGlobal.devicesTop
        width: idGlobal.devicesWidth
        height: idGlobal.devicesHeight
        text: idGlobal.devText
        font.pixelSize: idGlobal.fontPixelSize
        onClicked: idGlobal.currentPage = idGlobal.pageStart
        background: Rectangle {
            color: idDevicesArea.down ? idGlobal.devicesArea_ButtonDownColor : idGlobal.devicesArea_Color
        }
        contentItem: Label {
            text: idDevicesArea.text
            font: idDevicesArea.font
            color: idGlobal.devicesArea_ButtonTextColor
            elide: Text.ElideRight
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
    }

    MainButtonsHorizontalArea {
        id: idButtonsHorizontal
        anchors.left: idDevicesArea.right
        anchors.right: parent.right
        anchors.top: parent.top
        height: idGlobal.buttonsHorizontalArea_Height
    }

    MainButtonsVerticalArea {
        id: idButtonsVertical
        anchors.left: parent.left
        anchors.top: idDevicesArea.bottom
        anchors.bottom: idFootArea.top
        width: idGlobal.buttonsVerticalArea_ButtonWidth
    }

    Item {
        id: idMainArea
        anchors.left: idButtonsVertical.right
        anchors.right: parent.right
        anchors.top: idButtonsHorizontal.bottom
        anchors.bottom: idShutdownBanner.visible ? idShutdownBanner.top : idFootArea.top

        SwipeView {
            id: idSwipeView
            objectName: "idSwipeView"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.bottom: idParameterBackup.visible ? idParameterBackup.top : parent.bottom
            interactive: false
            clip: true
            currentIndex: idGlobal.currentPage

            // A page is built when it is first opened, so start-up builds only the page on show. Only
            // the page on show is visible, so Tab never lands on a control of a page out of view.
            LazyPage { page: "startPage/StartWindow"; name: "startPage" }
            LazyPage { page: "statusPage/StatusWindow"; name: "statusPage" }
            LazyPage { page: "eventPage/EventWindow"; name: "eventPage" }
            LazyPage { page: "parameterPage/general/ParameterWindow"; name: "parameterGeneralPage" }
            LazyPage { page: "parameterPage/general/ParameterSignalOutputsWindow"; name: "signalOutputsPage" }
            LazyPage { page: "parameterPage/ipcPage/IpcWindow"; name: "ipcPage" }
            LazyPage { page: "parameterPage/overload/OverloadWindow"; name: "overloadPage" }
            LazyPage { page: "parameterPage/programmStart/ProgramStartWindow"; name: "programStartPage" }
            LazyPage { page: "parameterPage/emailSend/EmailWindow"; name: "emailPage" }
            LazyPage { page: "systemPage/SystemWindow"; name: "systemPage" }
            LazyPage { page: "infoPage/InfoMenuWindow"; name: "infoPage" }
            LazyPage { page: "production/ProductionWindow"; name: "productionPage" }
            LazyPage { page: "trendPage/TrendWindow"; name: "trendPage" }
        }

        ParameterBackup {
            id: idParameterBackup
            objectName: "parameterBackup"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            visible: idSwipeView.currentIndex >= idGlobal.pageParameterGeneral
                     && idSwipeView.currentIndex <= idGlobal.pageOverload
        }
    }

    // The PC shutdown the device asked for, on every page until it happens or the request ends.
    Rectangle {
        id: idShutdownBanner
        objectName: "pcShutdownBanner"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: idFootArea.top
        height: Math.max(idShutdownText.implicitHeight, idCancelShutdown.implicitHeight) + 2 * idGlobal.spacing
        visible: root.pcShutdownCountdown !== ""
        // Darker once the command failed: the PC is not going down by itself.
        color: root.pcShutdownFailed ? "#7b1d14" : "#c0392b"

        Label {
            id: idShutdownText
            objectName: "pcShutdownCountdownLabel"
            anchors.left: parent.left
            anchors.leftMargin: idGlobal.pageMargin
            anchors.right: idCancelShutdown.visible ? idCancelShutdown.left : parent.right
            anchors.rightMargin: idGlobal.pageMargin
            anchors.verticalCenter: parent.verticalCenter
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: root.pcShutdownCountdown
            color: "white"
            font.pixelSize: idGlobal.titlePixelSize
            font.bold: true
        }
        Button {
            id: idCancelShutdown
            objectName: "pcShutdownCancelButton"
            anchors.right: parent.right
            anchors.rightMargin: idGlobal.pageMargin
            anchors.verticalCenter: parent.verticalCenter
            visible: root.pcShutdownCancelText !== ""
            text: root.pcShutdownCancelText
            font.pixelSize: idGlobal.fontPixelSize
            Accessible.name: text
            onClicked: cppClass.receiveFromQml_CancelPcShutdown()
        }
    }

    MainFootArea {
        id: idFootArea
        objectName: "footArea"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        height: idGlobal.mainFootArea_Height
    }

    // Any press counts as activity for the back-to-status timer; the press itself goes on.
    MouseArea {
        anchors.fill: parent
        propagateComposedEvents: true
        onPressed: function(mouse) {
            root.restartBackToStatusTimer()
            mouse.accepted = false
        }
    }
}
