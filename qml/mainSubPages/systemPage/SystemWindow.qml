import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import "../../global" as G

// General application settings (language, temperature unit, window and start options) and the
// communication settings (automatic scanning, port, connect button).
Item {
    id: idSystemWindow

    // Newest copies of the records this page shows.
    property var sys: systemWindow
    property alias proc: idShownProcess.record
    G.ShownRecord { id: idShownProcess; shown: idSystemWindow.visible; record: processData }

    readonly property var temperatureUnits: ["°C", "°F"]
    readonly property int maxContentWidth: 900

    G.FocusScroller {
        flickable: idFlick
        content: idContent
    }

    Connections {
        target: cppClass
        function onSendToQml_SystemWindow(systemWindow) { idSystemWindow.sys = systemWindow }
        function onSendToQml_ProcessData(processData) { idShownProcess.take(processData) }
    }

    // The back end drops the first language and unit call after start, as they used to come from
    // the combo boxes filling themselves. Spend that one call here so the user's first real choice
    // takes effect.
    Component.onCompleted: {
        cppClass.receiveFromQml_ReloadLanguage(proc.currentLanguageNr)
        var unit = Math.max(0, Math.min(temperatureUnits.length - 1, proc.comboBoxTemperatureUnitCurrentIndex))
        cppClass.receiveFromQml_setTemperatureUnit(temperatureUnits[unit], unit)
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
            width: Math.min(idFlick.width - 2 * idGlobal.pageMargin, idSystemWindow.maxContentWidth)
            spacing: idGlobal.spacing * 2

            G.MyGroupBox {
                objectName: "systemSettingsGroup"
                myTitle: sys.textGroupBoxSettings
                Layout.fillWidth: true

                ColumnLayout {
                    anchors.left: parent.left
                    anchors.right: parent.right
                    spacing: idGlobal.spacing

                    GridLayout {
                        columns: 2
                        columnSpacing: idGlobal.spacing * 2
                        rowSpacing: idGlobal.spacing
                        Layout.fillWidth: true

                        Label {
                            text: sys.textLanguage
                            font.pixelSize: idGlobal.fontPixelSize
                            color: idGlobal.infoPageTextColor
                            Layout.preferredWidth: idGlobal.labelWidth
                            elide: Text.ElideRight
                        }
                        ComboBox {
                            id: idLanguage
                            objectName: "languageCombo"
                            model: langList
                            currentIndex: proc.currentLanguageNr
                            font.pixelSize: idGlobal.fontPixelSize
                            Layout.preferredWidth: 220
                            Layout.preferredHeight: idGlobal.controlHeight
                            onActivated: function(index) { cppClass.receiveFromQml_ReloadLanguage(index) }
                        }

                        Label {
                            text: sys.textTemperatureUnit
                            font.pixelSize: idGlobal.fontPixelSize
                            color: idGlobal.infoPageTextColor
                            Layout.preferredWidth: idGlobal.labelWidth
                            elide: Text.ElideRight
                        }
                        ComboBox {
                            id: idTemperatureUnit
                            objectName: "temperatureUnitCombo"
                            model: idSystemWindow.temperatureUnits
                            currentIndex: proc.comboBoxTemperatureUnitCurrentIndex
                            font.pixelSize: idGlobal.fontPixelSize
                            Layout.preferredWidth: 220
                            Layout.preferredHeight: idGlobal.controlHeight
                            onActivated: function(index) {
                                cppClass.receiveFromQml_setTemperatureUnit(idSystemWindow.temperatureUnits[index], index)
                            }
                        }
                    }

                    // Each option: its check box number at the back end, its text and its state.
                    ColumnLayout {
                        spacing: 0
                        Layout.fillWidth: true

                        Repeater {
                            model: [
                                { nr: 1, name: "startWithPcCheckBox", textKey: "textStartTalvanewithPcStart", stateKey: "startUp" },
                                { nr: 3, name: "openMaximizedCheckBox", textKey: "appOpenAsMaximized", stateKey: "appOpenAsMaximized_checkBox" },
                                { nr: 4, name: "closeMessageCheckBox", textKey: "textShowCloseMessage", stateKey: "showCloseMessage" },
                                { nr: 6, name: "switchToStatusCheckBox", textKey: "textSwitchToStatusPage", stateKey: "switchToStatusPage" },
                                { nr: 7, name: "denyClosingCheckBox", textKey: "textDenyAppClosing", stateKey: "denyAppClosing" },
                                { nr: 5, name: "loadConfigFileCheckBox", textKey: "textLoadConfigFileMessage", stateKey: "loadConfigFile_checkBox" }
                            ]
                            delegate: CheckBox {
                                objectName: modelData.name
                                text: sys[modelData.textKey]
                                checked: proc[modelData.stateKey]
                                font.pixelSize: idGlobal.fontPixelSize
                                Layout.fillWidth: true
                                topPadding: 4
                                bottomPadding: 4
                                onToggled: cppClass.receiveFromQml_SystemWindow_CheckBox(modelData.nr, checked)
                            }
                        }
                    }
                }
            }

            G.MyGroupBox {
                objectName: "systemCommunicationGroup"
                myTitle: sys.textGroupBoxCommunication
                Layout.fillWidth: true

                ColumnLayout {
                    anchors.left: parent.left
                    anchors.right: parent.right
                    spacing: idGlobal.spacing

                    CheckBox {
                        id: idAutomaticScanning
                        objectName: "automaticScanningCheckBox"
                        text: sys.textAutomaticDeviceScanning
                        checked: proc.deviceDetectingAutomatically
                        font.pixelSize: idGlobal.fontPixelSize
                        topPadding: 4
                        bottomPadding: 4
                        Layout.fillWidth: true
                        onToggled: cppClass.receiveFromQml_SystemWindow_CheckBox(0, checked)
                    }

                    RowLayout {
                        spacing: idGlobal.spacing * 2
                        Layout.fillWidth: true

                        Label {
                            text: sys.textCommunicationPort
                            font.pixelSize: idGlobal.fontPixelSize
                            color: idAutomaticScanning.checked ? "#9a9a9a" : idGlobal.infoPageTextColor
                            Layout.preferredWidth: idGlobal.labelWidth
                            elide: Text.ElideRight
                        }
                        ComboBox {
                            id: idPort
                            objectName: "portCombo"
                            model: proc.comportList
                            currentIndex: proc.comPortList_currentNumber
                            enabled: !idAutomaticScanning.checked
                            font.pixelSize: idGlobal.fontPixelSize
                            Layout.preferredWidth: 220
                            Layout.preferredHeight: idGlobal.controlHeight
                            onActivated: function(index) { cppClass.receiveFromQml_Communication_ComPort(index) }
                        }
                        MyButton {
                            objectName: "connectButton"
                            text: proc.textCommunicationButton
                            visible: text !== ""
                            Layout.preferredHeight: idGlobal.controlHeight
                            Layout.minimumWidth: 120
                            // The button switches the link between connected and disconnected;
                            // its state is not used by the back end.
                            onClicked: cppClass.receiveFromQml_SystemWindow_CheckBox(2, true)
                        }
                        Item { Layout.fillWidth: true }
                    }
                }
            }

            // Other computers on the same UPS: the network server and its one login.
            G.MyGroupBox {
                id: idNutServer
                objectName: "systemNutServerGroup"
                property var nut: cppClass.nutServerState()
                myTitle: nut.switchText
                Layout.fillWidth: true
                onVisibleChanged: if (visible) nut = cppClass.nutServerState()

                ColumnLayout {
                    anchors.left: parent.left
                    anchors.right: parent.right
                    spacing: idGlobal.spacing

                    CheckBox {
                        objectName: "nutServerCheckBox"
                        text: idNutServer.nut.switchText
                        checked: idNutServer.nut.enabled
                        font.pixelSize: idGlobal.fontPixelSize
                        Layout.fillWidth: true
                        onToggled: cppClass.receiveFromQml_SetNutServer("enabled", checked ? "1" : "0")
                    }
                    Repeater {
                        model: [
                            { key: "user", textKey: "userText", echo: TextInput.Normal },
                            { key: "password", textKey: "passwordText", echo: TextInput.Password }
                        ]
                        delegate: RowLayout {
                            spacing: idGlobal.spacing * 2
                            Layout.fillWidth: true
                            Label {
                                text: idNutServer.nut[modelData.textKey]
                                font.pixelSize: idGlobal.fontPixelSize
                                Layout.preferredWidth: idGlobal.labelWidth
                                elide: Text.ElideRight
                            }
                            TextField {
                                objectName: "nutServer_" + modelData.key
                                text: idNutServer.nut[modelData.key]
                                echoMode: modelData.echo
                                font.pixelSize: idGlobal.fontPixelSize
                                Layout.preferredWidth: 220
                                Layout.preferredHeight: idGlobal.controlHeight
                                onEditingFinished: cppClass.receiveFromQml_SetNutServer(modelData.key, text)
                            }
                        }
                    }
                }
            }
        }
    }
}
