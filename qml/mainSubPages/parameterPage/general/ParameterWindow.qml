import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../../global"

// General device parameters: limits and thresholds, battery or capacitor management and the
// advanced settings. The labels and lists say which controls the model offers (an empty label
// hides the control); the selections and check states are the device's, from the process data.
ParameterScrollPage {
    id: page

    property var pw: parameterWindow
    property alias pd: idShownProcess.record
    ShownRecord { id: idShownProcess; shown: page.visible; record: processData }

    Connections {
        target: cppClass
        function onSendToQml_Parameter(parameterWindow) { page.pw = parameterWindow }
        function onSendToQml_ProcessData(processData) { idShownProcess.take(processData) }
    }

    readonly property var rangeTexts: pw.allowedRange_TextBox || []
    readonly property bool hasDevice: pw.limitsFrameLabel !== "" || pw.managementFrameLabel !== ""
    readonly property bool stateOfChargeShown: pd.stateOfCharging_Visible && pw.stateOfCharging_Label !== ""
    // Two groups side by side when each still gets a comfortable width.
    readonly property int groupMinWidth: idGlobal.labelWidth + 180 + 3 * idGlobal.spacing + 40

    Label {
        objectName: "parameterPlaceholder"
        visible: !page.hasDevice
        text: idGlobal.devNoSelected
        font.pixelSize: idGlobal.titlePixelSize
        color: idGlobal.infoPageTextColor
        Layout.topMargin: idGlobal.pageMargin
    }

    GridLayout {
        visible: page.hasDevice
        Layout.fillWidth: true
        columns: page.contentColumnWidth >= 2 * page.groupMinWidth + columnSpacing ? 2 : 1
        columnSpacing: idGlobal.pageMargin
        rowSpacing: idGlobal.spacing

        MyGroupBox {
            objectName: "limitsGroup"
            myTitle: page.pw.limitsFrameLabel
            visible: page.pw.limitsFrameLabel !== ""
            Layout.fillWidth: true
            Layout.alignment: Qt.AlignTop

            ColumnLayout {
                width: parent.width
                spacing: idGlobal.spacing

                Repeater {
                    model: 5
                    MyComboBoxLimits {
                        readonly property int n: index + 1
                        objectName: "limitsComboBox" + n
                        Layout.fillWidth: true
                        number: index
                        label: page.pw["limitsLabel_ComboBox" + n]
                        model: page.pw["limitsList_ComboBox" + n]
                        deviceIndex: page.pd["limitsSelText_ComboBox" + n]
                        enabled: page.pd["limitsEnable_ComboBox" + n]
                    }
                }

                MyTextBoxLimits {
                    id: idMaxBufferTime
                    objectName: "bufferTimeMaxTextBox"
                    Layout.fillWidth: true
                    number: 0
                    rangeText: page.rangeTexts[0] || ""
                    label: page.pw.bufferTimeMax_Label
                    deviceText: page.pd.bufferTimeMax_Value
                    enabled: page.pd.bufferTimeMax_textBoxEnable
                }

                // 8 h buffer time (VDE-AR-N 4110) is a max. buffer time of 480 minutes. Ticking it
                // writes 480; unticking leaves the device as it is and puts the keyboard into the
                // max. buffer time field for the new value. The box shows unticked while the user
                // types there and follows the device again afterwards.
                ParameterCheckBox {
                    id: idBufferTime8h
                    objectName: "bufferTime8hCheckBox"
                    Layout.fillWidth: true
                    Layout.leftMargin: idGlobal.labelWidth + idGlobal.spacing
                    text: page.pw.bufferTime_8hVDE_Label
                    deviceChecked: page.pd.bufferTime_8hVDE_CheckBoxChecked
                    enabled: page.pd.bufferTime_8hVDE_CheckBoxEnable
                    property bool awaitingValue: false
                    keepWanted: awaitingValue && idMaxBufferTime.editing
                    onUserToggled: function(on) {
                        awaitingValue = false
                        if (on) {
                            cppClass.receiveFromQml_ParameterSetLimitsList_TextBox(0, "480")
                        } else if (idMaxBufferTime.visible && idMaxBufferTime.enabled) {
                            awaitingValue = true
                            idMaxBufferTime.beginEdit()
                        }
                    }
                    Connections {
                        target: idMaxBufferTime
                        function onEditingChanged() {
                            if (!idMaxBufferTime.editing)
                                idBufferTime8h.awaitingValue = false
                        }
                    }
                }

                MyTextBoxLimits {
                    objectName: "bufferTimeMinTextBox"
                    Layout.fillWidth: true
                    number: 1
                    rangeText: page.rangeTexts[1] || ""
                    label: page.pw.bufferTimeMin_Label
                    deviceText: page.pd.bufferTimeMin_Value
                }

                Label {
                    objectName: "stateOfChargeTitle"
                    visible: page.stateOfChargeShown
                    text: page.pw.stateOfCharging_Label
                    Layout.topMargin: idGlobal.spacing
                    font.pixelSize: idGlobal.fontPixelSize
                    font.bold: true
                    color: idGlobal.infoPageTextColor
                }

                // The state-of-charge levels travel in the process data under the "Label" names.
                MyTextBoxLimits {
                    objectName: "stateOfChargeLowTextBox"
                    Layout.fillWidth: true
                    number: 2
                    rangeText: page.rangeTexts[2] || ""
                    visible: page.stateOfChargeShown && label !== ""
                    label: page.pw.stateOfChargingLowLevel_Label
                    deviceText: page.pd.stateOfChargingLowLevel_Label
                }
                MyTextBoxLimits {
                    objectName: "stateOfChargeHighTextBox"
                    Layout.fillWidth: true
                    number: 3
                    rangeText: page.rangeTexts[3] || ""
                    visible: page.stateOfChargeShown && label !== ""
                    label: page.pw.stateOfChargingHighLevel_Label
                    deviceText: page.pd.stateOfChargingHighLevel_Label
                }
            }
        }

        ColumnLayout {
            Layout.fillWidth: true
            Layout.alignment: Qt.AlignTop
            spacing: idGlobal.spacing

            MyGroupBox {
                objectName: "managementGroup"
                myTitle: page.pw.managementFrameLabel
                visible: page.pw.managementFrameLabel !== ""
                Layout.fillWidth: true

                ColumnLayout {
                    width: parent.width
                    spacing: idGlobal.spacing

                    Repeater {
                        model: 3
                        MyCheckBoxManagement {
                            readonly property int n: index + 1
                            objectName: "managementCheckBox" + n
                            Layout.fillWidth: true
                            number: index
                            text: page.pw["managementLabel_CheckBox" + n]
                            enabled: page.pw["managementEnable_CheckBox" + n]
                            deviceChecked: page.pd["managementChecked_CheckBox" + n]
                        }
                    }

                    Repeater {
                        model: 3
                        MyComboBoxManagement {
                            readonly property int n: index + 1
                            objectName: "managementComboBox" + n
                            Layout.fillWidth: true
                            number: index
                            label: page.pw["managementLabel_ComboBox" + n]
                            model: page.pw["managementList_ComboBox" + n]
                            deviceIndex: page.pd["managementSelText_ComboBox" + n]
                            enabled: page.pd["managementEnable_ComboBox" + n]
                        }
                    }

                    // Capacitor models choose the end-of-charge voltage per cell on a scale instead
                    // of the first list.
                    MySlider_Management {
                        objectName: "managementSlider"
                        Layout.fillWidth: true
                        Layout.topMargin: 4
                        title: page.pw.managementLabel_Slider1
                        image: page.pw.management_slider_Image1
                        leftText: page.pw.managementLabel_Slider1_left
                        rightText: page.pw.managementLabel_Slider1_right
                        model: page.pw.managementList_ComboBox1
                        deviceIndex: page.pd.managementSelText_ComboBox1
                        enabled: page.pd.managementEnable_ComboBox1
                    }
                }
            }

            MyGroupBox {
                objectName: "advancedSettingsGroup"
                myTitle: page.pw.advancedSettingsLabel
                visible: page.pw.advancedSettingsLabel !== ""
                Layout.fillWidth: true

                ColumnLayout {
                    width: parent.width
                    spacing: idGlobal.spacing

                    // Advanced settings are settings 100 and 101 of the management word.
                    Repeater {
                        model: 2
                        MyCheckBoxManagement {
                            readonly property int n: index + 1
                            objectName: "advancedSettingsCheckBox" + n
                            Layout.fillWidth: true
                            number: 100 + index
                            text: page.pw["advancedSettingsLabel_CheckBox" + n]
                            enabled: page.pd["advancedSettingsEnable_CheckBox" + n]
                            deviceChecked: page.pd["advancedSettingsChecked_CheckBox" + n]
                        }
                    }
                }
            }
        }
    }
}
