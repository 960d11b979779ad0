import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

ApplicationWindow {
    id: root

    // Copies of the back end's records; each signal replaces the whole copy.
    property var company: companyData
    property var process: processData
    property var mainTexts: mainWindow

    width: 1280
    height: 800
    minimumWidth: 960
    minimumHeight: 640
    visible: true
    title: company.appName
    color: company.main_Color

    Connections {
        target: cppClass
        function onSendToQml_ProcessData(processData) { root.process = processData }
        function onSendToQml_mainWindow(mainWindow) { root.mainTexts = mainWindow }
    }

    header: Rectangle {
        height: company.buttonsHorizontalArea_Height + 24
        color: company.buttonsHorizontalArea_Color

        RowLayout {
            anchors.fill: parent
            anchors.leftMargin: 16
            anchors.rightMargin: 16
            spacing: 16

            // The logo is drawn for light backgrounds.
            Rectangle {
                color: "white"
                radius: 6
                Layout.preferredHeight: parent.height - 12
                Layout.preferredWidth: 190

                Image {
                    anchors.fill: parent
                    anchors.margins: 4
                    source: "qrc:/images/company/norvex/logo/norvex_logo.png"
                    fillMode: Image.PreserveAspectFit
                }
            }
            Label {
                text: company.appName
                color: company.buttonsHorizontalArea_ButtonTextColor
                font.pixelSize: company.buttonsHorizontalArea_ButtonFontSize
                Layout.fillWidth: true
            }
            Label {
                text: root.mainTexts.status_Button || ""
                color: company.buttonsHorizontalArea_ButtonTextColor
                font.pixelSize: company.buttonsVerticalArea_ButtonFontSize
            }
        }
    }

    Rectangle {
        anchors.fill: parent
        color: company.devicesArea_Color

        // No device yet: the vendor's mark.
        Image {
            anchors.centerIn: parent
            source: company.imageVertical
            opacity: 0.35
            visible: !root.process.master_image
        }

        // The live device: operating mode, animated status picture and the main measured values.
        Column {
            anchors.centerIn: parent
            spacing: 16
            visible: !!root.process.master_image

            Label {
                anchors.horizontalCenter: parent.horizontalCenter
                text: root.process.masterOperationModus || ""
                font.pixelSize: 24
                color: company.infoPageTextColor
            }
            AnimatedImage {
                anchors.horizontalCenter: parent.horizontalCenter
                source: root.process.master_image || ""
                playing: true
            }
            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 40
                Repeater {
                    model: [
                        { label: "Input", value: root.process.masterInput_text },
                        { label: "Output", value: root.process.masterOutput_text },
                        { label: "Storage", value: root.process.chargeVoltage },
                        { label: "Temperature", value: root.process.masterTemperatur }
                    ]
                    delegate: Column {
                        Label {
                            text: modelData.label
                            color: company.infoPageTextColor
                        }
                        Label {
                            text: modelData.value || "-.-"
                            color: company.infoPageVariableColor
                            font.pixelSize: 18
                        }
                    }
                }
            }
        }
    }

    footer: Rectangle {
        height: company.mainFootArea_Height
        color: company.mainFootArea_Color
        border.color: company.buttonsVerticalArea_BorderColor

        // Connection lamp and port of the device link.
        Row {
            anchors.left: parent.left
            anchors.leftMargin: 16
            anchors.verticalCenter: parent.verticalCenter
            spacing: 10

            Image {
                source: root.process.imageComPort || "qrc:/images/led/led_grey.png"
                width: 24
                height: 24
                anchors.verticalCenter: parent.verticalCenter
            }
            Column {
                anchors.verticalCenter: parent.verticalCenter
                Label {
                    text: root.process.textComPortLeft || ""
                    color: company.infoPageVariableColor
                    visible: text !== ""
                }
                Label {
                    text: root.process.textComPort || ""
                    color: company.infoPageTextColor
                }
            }
        }

        Label {
            objectName: "extraMessageLabel"
            anchors.centerIn: parent
            text: root.process.extraMessage || ""
            color: company.infoPageTextColor
            font.pixelSize: 18
        }
    }
}
