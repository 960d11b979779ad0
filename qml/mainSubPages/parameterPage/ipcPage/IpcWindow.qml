import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../../global"
import "../general" as General

// IPC shutdown: the device's IPC signal (on/off and the relays that carry it), the chain from
// supply to PC as pictures (in colour while the IPC signal is on), the IPC times, and the
// shutdown of this PC.
General.ParameterScrollPage {
    id: page
    maxContentWidth: 960

    property var iw: ipcWindow
    property alias pd: idShownProcess.record
    ShownRecord { id: idShownProcess; shown: page.visible; record: processData }
    property var so: signalOutputs
    property var sd: shutdownWindow
    // What the IPC times take: entries 4-6 of the parameter record's ranges.
    property var rangeTexts: parameterWindow.allowedRange_TextBox || []

    Connections {
        target: cppClass
        function onSendToQml_ipcWindow(ipcWindow) { page.iw = ipcWindow }
        function onSendToQml_ProcessData(processData) { idShownProcess.take(processData) }
        function onSendToQml_SignalOutputs(signalOutputs) { page.so = signalOutputs }
        function onSendToQml_ShutdownWindow(shutdownWindow) { page.sd = shutdownWindow }
        function onSendToQml_Parameter(parameterWindow) { page.rangeTexts = parameterWindow.allowedRange_TextBox }
    }

    readonly property bool ipcOn: idIpcEnable.checked
    readonly property var relays: [14, 24, 34]
    // Grey and colour picture of each link of the chain.
    readonly property var pictures: [[iw.u_in_image, iw.u_in_image_color], [iw.u_out_image, iw.u_out_image_color],
                                     [iw.signal_image, iw.signal_image_color], [iw.ipc_image, iw.ipc_image_color],
                                     [iw.pc_image, iw.pc_image_color]]
    readonly property var relayNames: [so.signal14_Bezeichnung, so.signal24_Bezeichnung, so.signal34_Bezeichnung]
    // Row of the IPC shutdown event in the relay table; 0 would address the relay's inversion.
    readonly property bool relayChoicePossible: so.ipcSignalNumber >= 1 && so.ipcSignalNumber <= 14

    MyGroupBox {
        objectName: "ipcSignalGroup"
        // The check box names the signal itself unless the record gives it a text of its own.
        myTitle: page.iw.IpcEnableCheckbox_Text !== "" ? page.iw.IpcEnable_label : ""
        Layout.fillWidth: true

        ColumnLayout {
            width: parent.width
            spacing: idGlobal.spacing

            MyCheckBoxIpc {
                id: idIpcEnable
                objectName: "ipcEnableCheckBox"
                Layout.fillWidth: true
                number: 4
                text: page.iw.IpcEnableCheckbox_Text !== "" ? page.iw.IpcEnableCheckbox_Text : page.iw.IpcEnable_label
                deviceChecked: page.pd.IpcCheckboxChecked
                enabled: page.pd.IpcCheckboxEnable
            }

            // The relays that carry the IPC shutdown signal.
            Flow {
                objectName: "ipcRelayChoice"
                visible: page.relayChoicePossible
                Layout.fillWidth: true
                Layout.leftMargin: 28
                spacing: 2 * idGlobal.spacing
                enabled: page.pd.ipcMode_Box_enable

                Repeater {
                    model: 3
                    General.ParameterCheckBox {
                        readonly property int relay: page.relays[index]
                        objectName: "ipcRelay" + relay
                        visible: page.relayNames[index] !== ""
                        text: page.relayNames[index]
                        deviceChecked: page.pd["checked_ipcMode_" + relay]
                        enabled: page.pd["enable_ipcMode_" + relay]
                        onUserToggled: function(on) { cppClass.receiveFromQml_SetSignalOut(relay, on, page.so.ipcSignalNumber) }
                    }
                }
            }

            // Supply in, supply out, signal, IPC, PC.
            Flow {
                objectName: "ipcPictures"
                Layout.fillWidth: true
                Layout.topMargin: idGlobal.spacing
                spacing: 6

                Repeater {
                    model: 5
                    Row {
                        spacing: 6
                        Label {
                            visible: index > 0
                            anchors.verticalCenter: parent.verticalCenter
                            text: "\u2192"
                            font.pixelSize: 22
                            color: page.ipcOn ? idGlobal.infoPageVariableColor : "#a9aaac"
                        }
                        Image {
                            objectName: "ipcPicture" + index
                            source: page.ipcOn ? page.pictures[index][1] : page.pictures[index][0]
                            sourceSize.width: 100
                            width: 100
                            height: 80
                            fillMode: Image.PreserveAspectFit
                        }
                    }
                }
            }
        }
    }

    MyGroupBox {
        objectName: "ipcTimesGroup"
        Layout.fillWidth: true

        ColumnLayout {
            width: parent.width
            spacing: idGlobal.spacing

            // Fields 1 delay, 2 shutdown and 3 idle time. The model is a plain count so that the
            // fields are not rebuilt when a record arrives.
            Repeater {
                model: 3
                General.ParameterTextField {
                    readonly property int field: index + 1
                    objectName: "ipcTimeTextBox" + field
                    Layout.fillWidth: true
                    label: [page.iw.delayTime_Label, page.iw.ipcShutdownTime_Label, page.iw.ipcIdleTime_Label][index]
                    deviceText: [page.pd.ipcDelayTime, page.pd.ipcShutdownTime, page.pd.ipcIdleTime][index]
                    rangeText: page.rangeTexts[3 + field] || ""
                    onUserEdited: function(value) { cppClass.receiveFromQml_SetIpcTime(field, value) }
                }
            }
        }
    }

    MyGroupBox {
        objectName: "pcShutdownGroup"
        Layout.fillWidth: true

        RowLayout {
            width: parent.width
            spacing: idGlobal.pageMargin

            Image {
                objectName: "pcShutdownPicture"
                source: idPcShutdown.checked ? page.sd.u_pcShutdown_image_color : page.sd.u_pcShutdown_image
                visible: source != ""
                opacity: idPcShutdown.checked ? 1.0 : 0.45
                sourceSize.width: 120
                Layout.preferredWidth: 120
                Layout.preferredHeight: 90
                fillMode: Image.PreserveAspectFit
            }

            ColumnLayout {
                Layout.fillWidth: true
                spacing: idGlobal.spacing

                // Letting the device shut this PC down can cost unsaved work: the user confirms it.
                MyCheckBoxIpc {
                    id: idPcShutdown
                    objectName: "pcShutdownCheckBox"
                    Layout.fillWidth: true
                    number: 3
                    askBeforeTicking: true
                    text: page.sd.groupBoxPcShutdown_Text
                    deviceChecked: page.sd.pcShutdownEnable
                    onTickToConfirm: idPcShutdownConfirm.open()
                }

                // Fast start-up changes how this PC shuts down, so it is offered with the shutdown.
                MyCheckBoxIpc {
                    objectName: "fastStartupCheckBox"
                    Layout.fillWidth: true
                    Layout.leftMargin: 28
                    number: 5
                    text: page.iw.textFastStartupMessage
                    deviceChecked: page.pd.fastStartup
                    enabled: idPcShutdown.checked
                }
            }
        }
    }

    MyMessageBox {
        id: idPcShutdownConfirm
        objectName: "pcShutdownConfirmBox"
        messageBoxTitle: page.sd.pcShutdownConfirm_Text
        yesText: idGlobal.yesText
        noText: idGlobal.noText
        onYesValueChanged: {
            if (yesValue)
                idPcShutdown.confirmTick(true)
        }
        onNoValueChanged: {
            if (noValue)
                idPcShutdown.confirmTick(false)
        }
    }
}
