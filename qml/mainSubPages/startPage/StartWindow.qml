import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../global"

// Start page: choosing the device model. A user choice asks the back end for the model's
// picture, signal outputs and parameters; the back end moves the choice itself (device found
// automatically) through the start window record, which only updates the view.
Item {
    id: page

    property var start: startWindow
    property var system: systemWindow
    property alias process: idShownProcess.record
    ShownRecord { id: idShownProcess; shown: page.visible; record: processData }
    // Pictures already returned for a model name; a model the back end chose itself gets its
    // picture from a lookup that chooses nothing.
    property var pictureCache: ({})
    property string picture: ""

    // Shows the model at `index` as the chosen one in the shared state.
    function showChoice(index) {
        var name = index > 0 ? idDeviceCombo.textAt(index) : ""
        idGlobal.devText = index > 0 ? name : idGlobal.devNoSelected
        idGlobal.deviceSelected = index > 0
        if (index <= 0)
            picture = ""
        else if (pictureCache[name] !== undefined)
            picture = pictureCache[name]
        else
            picture = cppClass.devicePicture(name)
        idGlobal.imageStartPath = picture
    }

    // A choice of the user: picture first, then the model's records.
    function choose(index) {
        var name = idDeviceCombo.textAt(index)
        var path = cppClass.receiveFromQml_GetDevicesImage(name)
        var cache = pictureCache
        cache[name] = path
        pictureCache = cache
        cppClass.receiveFromQml_GetSignalOutputs(index)
        cppClass.receiveFromQml_GetParameter(index)
        showChoice(index)
    }

    function applyStartWindow() {
        var index = start.currentDevice
        if (index < 0 || index >= idDeviceCombo.count)
            index = 0
        idDeviceCombo.currentIndex = index
        showChoice(index)
    }

    Connections {
        target: cppClass
        function onSendToQml_StartWindow(startWindow) {
            page.start = startWindow
            page.applyStartWindow()
        }
        function onSendToQml_SystemWindow(systemWindow) { page.system = systemWindow }
        function onSendToQml_ProcessData(processData) { idShownProcess.take(processData) }
    }

    Component.onCompleted: applyStartWindow()

    ScrollView {
        id: idScroll
        anchors.fill: parent
        clip: true
        contentWidth: availableWidth
        ScrollBar.vertical: PageScrollBar {
            parent: idScroll
            x: idScroll.mirrored ? 0 : idScroll.width - width
            y: idScroll.topPadding
            height: idScroll.availableHeight
        }
        contentHeight: idContent.height + 2 * idGlobal.pageMargin

        GridLayout {
            id: idContent
            x: idGlobal.pageMargin
            y: idGlobal.pageMargin
            width: Math.min(idScroll.availableWidth - 2 * idGlobal.pageMargin, 980)
            columns: width >= 760 ? 2 : 1
            columnSpacing: 2 * idGlobal.spacing
            rowSpacing: idGlobal.spacing

            MyGroupBox {
                id: idChoiceGroup
                myTitle: page.system.tableViewColumnDevice !== "" ? page.system.tableViewColumnDevice : "Device"
                Layout.alignment: Qt.AlignTop
                Layout.preferredWidth: 360
                Layout.fillWidth: idContent.columns === 1

                ColumnLayout {
                    anchors.left: parent.left
                    anchors.right: parent.right
                    spacing: idGlobal.spacing

                    ComboBox {
                        id: idDeviceCombo
                        objectName: "deviceComboBox"
                        Layout.fillWidth: true
                        implicitHeight: idGlobal.controlHeight
                        font.pixelSize: idGlobal.fontPixelSize
                        model: devList
                        activeFocusOnTab: true
                        Accessible.name: idChoiceGroup.myTitle
                        onActivated: function(index) { page.choose(index) }
                    }

                    // Automatic detection: the model follows the device that answers.
                    RowLayout {
                        objectName: "autoScanHint"
                        visible: page.process.deviceDetectingAutomatically
                        Layout.fillWidth: true
                        spacing: 8
                        Image {
                            Layout.alignment: Qt.AlignTop
                            Layout.preferredWidth: 20
                            Layout.preferredHeight: 20
                            source: "qrc:/images/infos/infos.png"
                            sourceSize.width: 40
                            sourceSize.height: 40
                        }
                        ColumnLayout {
                            Layout.fillWidth: true
                            spacing: 2
                            Label {
                                objectName: "autoScanHintText"
                                Layout.fillWidth: true
                                text: page.system.textAutomaticDeviceScanning !== ""
                                      ? page.system.textAutomaticDeviceScanning
                                      : "The device is found automatically."
                                font.pixelSize: idGlobal.fontPixelSize
                                color: idGlobal.infoPageTextColor
                                wrapMode: Text.WordWrap
                            }
                            Label {
                                Layout.fillWidth: true
                                visible: text !== ""
                                text: page.process.textComPort
                                font.pixelSize: 12
                                color: idGlobal.infoPageVariableColor
                                wrapMode: Text.WordWrap
                            }
                        }
                    }
                }
            }

            // Picture of the chosen model.
            Rectangle {
                Layout.alignment: Qt.AlignTop
                Layout.fillWidth: true
                Layout.maximumWidth: 600
                Layout.preferredHeight: idContent.columns === 2 ? Math.min(width * 0.75, 450)
                                                                : Math.min(width * 0.75, 300)
                visible: page.picture !== ""
                color: "white"
                border.color: "#e2e3e5"
                radius: 4

                Image {
                    id: idDeviceImage
                    objectName: "deviceImage"
                    anchors.fill: parent
                    anchors.margins: 8
                    source: page.picture
                    fillMode: Image.PreserveAspectFit
                    mipmap: true
                    asynchronous: true
                }
            }
        }
    }
}
