import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import "../../global" as G

// Service page of production builds: FTDI adapter and firmware flashing, identity numbers of the
// device and its storage modules, calibration, and a free field write for debugging.
Item {
    id: idProductionWindow

    // The production record has no initial copy; it arrives with the first cycle.
    property var prod: productionWindow
    property string firmwarePath: ""

    readonly property int maxContentWidth: 1100
    // Lists compared as text, so the combo boxes are refilled only when a list really changes.
    readonly property string adaptersKey: (prod.deviceNameList || []).join("\n")
    readonly property string modelsKey: (prod.devicesList_withFtdFirmwareUpdate || []).join("\n")
    readonly property bool firmwareChosen: /\.bin$/i.test(firmwarePath)

    function row(buttonNr, kennung, v1, v2, v3, v4, conf1, conf2) {
        cppClass.receiveFromQml_Production_Row(buttonNr, kennung, v1, v2, v3, v4, conf1, conf2)
    }

    // A local path from a file URL: "file:///C:/x" gives "C:/x", "file:///home/x" gives "/home/x".
    function localPath(url) {
        var text = url.toString()
        if (/^file:\/\/\/[A-Za-z]:/.test(text))
            return decodeURIComponent(text.substring(8))
        if (text.indexOf("file://") === 0)
            return decodeURIComponent(text.substring(7))
        return text
    }

    // The back end keeps the chosen update model; tell it the one shown before it is used.
    function selectModel() {
        row(21, "", "", "", "", "ComboBoxUpdate", "", idModel.currentText)
    }

    function flash() {
        selectModel()
        row(23, "", "", "", "", "", "", firmwarePath)
    }

    // Finds the device, optionally programs the adapter's EEPROM, then flashes.
    function flashAutomatically() {
        selectModel()
        row(24, "", "", "", "", "", idProgramEeprom.checked ? "1" : "0", firmwarePath)
    }

    // Empty value fields mean "not given", which the back end knows as "00000"; empty
    // configuration bytes mean 0.
    function writeField() {
        function value(field) { var t = field.text.trim(); return t === "" ? "00000" : t }
        function conf(field) { var t = field.text.trim(); return t === "" ? "0" : t }
        row(10, idFieldId.text.trim(), value(idValue1), value(idValue2), value(idValue3), value(idValue4),
            conf(idConf1), conf(idConf2))
    }

    G.FocusScroller {
        flickable: idFlick
        content: idContent
    }

    Connections {
        target: cppClass
        function onSendToQml_ProductionWindow(productionWindow) { idProductionWindow.prod = productionWindow }
    }

    Flickable {
        id: idFlick
        anchors.fill: parent
        contentWidth: width
        contentHeight: idContent.implicitHeight + 2 * idGlobal.pageMargin
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: G.PageScrollBar {}

        ColumnLayout {
            id: idContent
            x: idGlobal.pageMargin
            y: idGlobal.pageMargin
            width: Math.min(idFlick.width - 2 * idGlobal.pageMargin, idProductionWindow.maxContentWidth)
            spacing: idGlobal.spacing * 2

            G.MyGroupBox {
                objectName: "flasherGroup"
                myTitle: "FTDI-Flasher"
                Layout.fillWidth: true

                ColumnLayout {
                    anchors.left: parent.left
                    anchors.right: parent.right
                    spacing: idGlobal.spacing

                    GridLayout {
                        columns: 3
                        columnSpacing: idGlobal.spacing
                        rowSpacing: idGlobal.spacing
                        Layout.fillWidth: true

                        Label {
                            text: "FTDI-Adapter"
                            font.pixelSize: idGlobal.fontPixelSize
                            color: idGlobal.productionPageTextColor
                            Layout.preferredWidth: 190
                        }
                        ComboBox {
                            id: idAdapter
                            objectName: "adapterCombo"
                            model: idProductionWindow.adaptersKey === "" ? [] : idProductionWindow.adaptersKey.split("\n")
                            font.pixelSize: idGlobal.fontPixelSize
                            Layout.fillWidth: true
                            Layout.preferredHeight: idGlobal.controlHeight
                            onActivated: idProductionWindow.row(20, "", "", "", "", "ComboBoxUpdate", "", currentText)
                        }
                        G.MyButton {
                            objectName: "adapterRefreshButton"
                            text: "Aktualisieren"
                            Layout.fillWidth: true
                            onClicked: idProductionWindow.row(20, "", "", "", "", "", "", "")
                        }

                        Label {
                            text: "Gerät"
                            font.pixelSize: idGlobal.fontPixelSize
                            color: idGlobal.productionPageTextColor
                            Layout.preferredWidth: 190
                        }
                        ComboBox {
                            id: idModel
                            objectName: "updateModelCombo"
                            model: idProductionWindow.modelsKey === "" ? [] : idProductionWindow.modelsKey.split("\n")
                            font.pixelSize: idGlobal.fontPixelSize
                            Layout.fillWidth: true
                            Layout.preferredHeight: idGlobal.controlHeight
                            onActivated: idProductionWindow.selectModel()
                        }
                        G.MyButton {
                            objectName: "prepareDeviceButton"
                            text: "Gerät vorbereiten"
                            enabled: idModel.count > 0
                            Layout.fillWidth: true
                            onClicked: idProductionWindow.row(21, "", "", "", "", "", "", idModel.currentText)
                        }

                        Label {
                            text: "Firmware"
                            font.pixelSize: idGlobal.fontPixelSize
                            color: idGlobal.productionPageTextColor
                            Layout.preferredWidth: 190
                        }
                        TextField {
                            objectName: "firmwarePathField"
                            text: idProductionWindow.firmwarePath
                            readOnly: true
                            placeholderText: "*.bin"
                            selectByMouse: true
                            font.pixelSize: idGlobal.fontPixelSize
                            Layout.fillWidth: true
                            Layout.preferredHeight: idGlobal.controlHeight
                        }
                        G.MyButton {
                            objectName: "firmwareChooseButton"
                            text: "Firmware wählen…"
                            Layout.fillWidth: true
                            onClicked: idFirmwareDialog.open()
                        }
                    }

                    RowLayout {
                        spacing: idGlobal.spacing
                        Layout.fillWidth: true
                        Item { Layout.preferredWidth: 190 }
                        CheckBox {
                            id: idProgramEeprom
                            objectName: "programEepromCheckBox"
                            text: "FTDI-EEPROM programmieren"
                            font.pixelSize: idGlobal.fontPixelSize
                            topPadding: 4
                            bottomPadding: 4
                        }
                        Item { Layout.fillWidth: true }
                        G.MyButton {
                            objectName: "flashButton"
                            text: "Flashen"
                            enabled: idProductionWindow.firmwareChosen && idModel.count > 0
                            onClicked: idProductionWindow.flash()
                        }
                        G.MyButton {
                            objectName: "flashAutomaticallyButton"
                            text: "Automatisch flashen"
                            enabled: idProductionWindow.firmwareChosen && idModel.count > 0
                            onClicked: idProductionWindow.flashAutomatically()
                        }
                    }

                    Flickable {
                        clip: true
                        boundsBehavior: Flickable.StopAtBounds
                        Layout.fillWidth: true
                        Layout.preferredHeight: 120
                        ScrollBar.vertical: G.PageScrollBar {}
                        TextArea.flickable: TextArea {
                            objectName: "flasherLog"
                            text: prod.flasherLogsText || ""
                            readOnly: true
                            wrapMode: TextEdit.Wrap
                            font.family: "monospace"
                            font.pixelSize: idGlobal.fontPixelSize - 2
                            color: idGlobal.productionPageTextColor
                            background: Rectangle { color: "#f5f6f8"; border.color: "#e0e1e4" }
                            // Follow the log as it grows.
                            onTextChanged: cursorPosition = length
                        }
                    }

                    ProgressBar {
                        objectName: "firmwareProgress"
                        Layout.fillWidth: true
                        from: 0
                        to: 1000
                        readonly property int permille: prod.firmwareProgress === undefined ? -1 : prod.firmwareProgress
                        value: Math.max(permille, 0)
                        visible: permille >= 0
                    }
                }
            }

            G.MyGroupBox {
                objectName: "identityGroup"
                myTitle: "Gerätedaten"
                Layout.fillWidth: true

                ColumnLayout {
                    anchors.left: parent.left
                    anchors.right: parent.right
                    spacing: idGlobal.spacing

                    ProductionSetIndexRow {
                        objectName: "slaveIndexRow"
                        prod: idProductionWindow.prod
                        Layout.fillWidth: true
                    }
                    ProductionFactorySettingsRow {
                        objectName: "serialNumberRow"
                        caption: "Seriennummer: "
                        currentValue: prod.sn || ""
                        placeholder: prod.sn_text || ""
                        buttonNr: 1
                        Layout.fillWidth: true
                    }
                    ProductionFactorySettingsRow {
                        objectName: "batchNumberRow"
                        caption: "FA-Nummer: "
                        currentValue: prod.fa || ""
                        placeholder: prod.fa_text || ""
                        buttonNr: 2
                        Layout.fillWidth: true
                    }
                }
            }

            G.MyGroupBox {
                objectName: "calibrationGroup"
                myTitle: "Kalibrierung"
                Layout.fillWidth: true

                ProductionCalibrationRow {
                    objectName: "calibrationRow"
                    anchors.left: parent.left
                    anchors.right: parent.right
                    prod: idProductionWindow.prod
                }
            }

            G.MyGroupBox {
                objectName: "debugGroup"
                myTitle: "Debug"
                Layout.fillWidth: true

                Flow {
                    anchors.left: parent.left
                    anchors.right: parent.right
                    spacing: idGlobal.spacing

                    DebugField { id: idFieldId; objectName: "fieldIdField"; placeholderText: "Kennung"; width: 100 }
                    DebugField { id: idValue1; objectName: "value1Field"; placeholderText: "Wert 1" }
                    DebugField { id: idValue2; objectName: "value2Field"; placeholderText: "Wert 2" }
                    DebugField { id: idValue3; objectName: "value3Field"; placeholderText: "Wert 3" }
                    DebugField { id: idValue4; objectName: "value4Field"; placeholderText: "Wert 4" }
                    DebugField { id: idConf1; objectName: "confByte1Field"; placeholderText: "Conf 1" }
                    DebugField { id: idConf2; objectName: "confByte2Field"; placeholderText: "Conf 2" }
                    G.MyButton {
                        objectName: "debugWriteButton"
                        text: prod.write_button_Text || "Schreiben"
                        enabled: idFieldId.text.trim() !== ""
                        onClicked: idProductionWindow.writeField()
                    }
                }
            }
        }
    }

    component DebugField: TextField {
        width: 80
        height: idGlobal.controlHeight
        validator: RegularExpressionValidator { regularExpression: /\d{0,5}/ }
        selectByMouse: true
        font.pixelSize: idGlobal.fontPixelSize
    }

    G.LazyFileDialog {
        id: idFirmwareDialog
        dialogObjectName: "firmwareFileDialog"
        title: "Firmware"
        nameFilters: ["Firmware (*.bin)"]
        onAccepted: function(fileUrl, folder) { idProductionWindow.firmwarePath = idProductionWindow.localPath(fileUrl) }
    }
}
