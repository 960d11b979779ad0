import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../../global"
import "../general" as General

// Overload behaviour: on the left what the user sets (fuse or hiccup operation with the fuse
// reset, Power-Boost and Top-Boost, the buffer current limit), on the right what the device can
// deliver with these settings (the boost pictures with their legends and message).
General.ParameterScrollPage {
    id: page
    maxContentWidth: 1100

    property var pw: parameterWindow
    property alias pd: idShownProcess.record
    ShownRecord { id: idShownProcess; shown: page.visible; record: processData }
    property var sw: systemWindow

    Connections {
        target: cppClass
        function onSendToQml_Parameter(parameterWindow) { page.pw = parameterWindow }
        function onSendToQml_ProcessData(processData) { idShownProcess.take(processData) }
        function onSendToQml_SystemWindow(systemWindow) { page.sw = systemWindow }
    }

    readonly property bool hasDevice: pw.overloadBehaviorFrameLabel !== ""
    readonly property bool picturesShown: pd.boost_Image1 !== "" || pd.boost_Image2 !== "" || pd.boost_Message !== ""

    // The legend texts carry blank lines in front to sit beside their picture; the layout centres
    // them instead.
    function legend(text) {
        return text.replace(/^\s+/, "").replace(/\s+$/, "")
    }

    Label {
        objectName: "overloadPlaceholder"
        visible: !page.hasDevice
        text: idGlobal.devNoSelected
        font.pixelSize: idGlobal.titlePixelSize
        color: idGlobal.infoPageTextColor
        Layout.topMargin: idGlobal.pageMargin
    }

    MyGroupBox {
        objectName: "overloadGroup"
        visible: page.hasDevice
        myTitle: page.pw.overloadBehaviorFrameLabel
        Layout.fillWidth: true

        GridLayout {
            id: idColumns
            width: parent.width
            // Side by side only when the settings keep their label column and the pictures their legend.
            columns: width >= 920 ? 2 : 1
            columnSpacing: 2 * idGlobal.pageMargin
            rowSpacing: idGlobal.pageMargin

            // What the user sets.
            ColumnLayout {
                Layout.alignment: Qt.AlignTop
                Layout.fillWidth: true
                Layout.minimumWidth: 320
                spacing: idGlobal.spacing

                Label {
                    text: page.sw.overloadSettings
                    visible: text !== ""
                    font.pixelSize: idGlobal.fontPixelSize
                    font.bold: true
                    color: idGlobal.infoPageTextColor
                }

                MyCheckBoxOverloadBehavior {
                    objectName: "overloadBehaviorCheckBox1"
                    Layout.fillWidth: true
                    number: 0
                    text: page.pw.overloadBehavior_Label_CheckBox1
                    deviceChecked: page.pd.overloadBehavior_CheckBox1
                    enabled: page.pd.overloadBehaviorEnable_CheckBox1
                }

                MyButton {
                    objectName: "resetFuseButton"
                    visible: text !== ""
                    text: page.pw.overloadBehavior_Label_Buttom1
                    enabled: page.pd.fuseMode_canReset
                    Layout.leftMargin: 32
                    onClicked: cppClass.receiveFromQml_SetOverloadBehavior_ButtonClick(0)
                }

                MyCheckBoxOverloadBehavior {
                    objectName: "overloadBehaviorCheckBox2"
                    Layout.fillWidth: true
                    number: 1
                    text: page.pw.overloadBehavior_Label_CheckBox2
                    deviceChecked: page.pd.overloadBehavior_CheckBox2
                    enabled: page.pd.overloadBehaviorEnable_CheckBox2
                }

                MyCheckBoxOverload {
                    objectName: "powerBoostCheckBox"
                    Layout.fillWidth: true
                    Layout.topMargin: idGlobal.spacing
                    number: 3
                    text: page.pw.powerBoost_Label
                    deviceChecked: page.pd.powerBoost_Checked
                    enabled: page.pd.powerBoost_Enable
                }

                MyCheckBoxOverload {
                    objectName: "topBoostCheckBox"
                    Layout.fillWidth: true
                    number: 4
                    text: page.pw.topBoost_Label
                    deviceChecked: page.pd.topBoost_Checked
                    enabled: page.pd.topBoost_Enable
                }

                MyComboBoxOverload {
                    objectName: "bufferCurrentLimitComboBox"
                    Layout.fillWidth: true
                    Layout.topMargin: idGlobal.spacing
                    number: 0
                    label: page.pw.bufferCurentLimit_Label
                    model: page.pw.bufferCurentLimit_List
                    deviceIndex: page.pd.bufferCurrentLimit
                }
            }

            // What the device can deliver.
            ColumnLayout {
                visible: page.picturesShown
                Layout.alignment: Qt.AlignTop
                Layout.fillWidth: true
                spacing: idGlobal.spacing

                Label {
                    text: page.sw.overloadPossible
                    visible: text !== ""
                    font.pixelSize: idGlobal.fontPixelSize
                    font.bold: true
                    color: idGlobal.infoPageTextColor
                }

                Repeater {
                    model: 2
                    RowLayout {
                        objectName: "boostPicture" + (index + 1)
                        readonly property string image: index === 0 ? page.pd.boost_Image1 : page.pd.boost_Image2
                        readonly property string legendText: index === 0 ? page.pd.overloadBehavior_legend_top
                                                                         : page.pd.overloadBehavior_legend_bottom
                        visible: image !== ""
                        spacing: idGlobal.spacing
                        Image {
                            source: parent.image
                            sourceSize.width: 260
                            Layout.preferredWidth: 260
                            Layout.preferredHeight: 180
                            fillMode: Image.PreserveAspectFit
                        }
                        Label {
                            text: page.legend(parent.legendText)
                            Layout.alignment: Qt.AlignVCenter
                            Layout.fillWidth: true
                            font.pixelSize: idGlobal.fontPixelSize - 1
                            color: idGlobal.infoPageTextColor
                            wrapMode: Text.WordWrap
                        }
                    }
                }

                Label {
                    objectName: "boostMessage"
                    visible: text !== ""
                    text: page.pd.boost_Message
                    Layout.fillWidth: true
                    font.pixelSize: idGlobal.fontPixelSize
                    color: idGlobal.infoPageVariableColor
                    wrapMode: Text.WordWrap
                }
            }
        }
    }
}
