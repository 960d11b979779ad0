import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../global"

// About page: the application and its licence, the vendor's contact details and the information
// the connected device reports about itself.
Item {
    id: page

    property var status: statusWindow
    property alias process: idShownProcess.record
    ShownRecord { id: idShownProcess; shown: page.visible; record: processData }

    readonly property int textSize: Math.max(14, companyData.infoPageFontPixelSize)
    readonly property var deviceLabels: lines(process.masterDeviceDetailsLabel)
    readonly property var deviceValues: lines(process.masterDeviceDetailsValues)

    function lines(text) {
        var list = String(text).split("\n")
        while (list.length > 0 && list[list.length - 1] === "")
            list.pop()
        return list
    }

    // Web addresses are stored without a scheme.
    function webUrl(address) {
        return /^[a-z]+:/i.test(address) ? address : "https://" + address
    }

    Connections {
        target: cppClass
        function onSendToQml_StatusWindow(statusWindow) { page.status = statusWindow }
        function onSendToQml_ProcessData(processData) { idShownProcess.take(processData) }
    }

    // A plain line of the page.
    component InfoText: Label {
        Layout.fillWidth: true
        visible: text !== ""
        font.pixelSize: page.textSize
        color: idGlobal.infoPageTextColor
        wrapMode: Text.WordWrap
    }

    // A link that opens `url` in the desktop's program for it; reachable with Tab, opened with
    // Return, Enter or Space.
    component LinkText: Label {
        id: link
        property string url: ""
        function openLink() { Qt.openUrlExternally(url) }
        Layout.fillWidth: true
        visible: url !== ""
        font.pixelSize: page.textSize
        font.underline: true
        color: idGlobal.infoPageVariableColor
        elide: Text.ElideRight
        activeFocusOnTab: true
        Accessible.role: Accessible.Link
        Accessible.name: text
        Keys.onReturnPressed: openLink()
        Keys.onEnterPressed: openLink()
        Keys.onSpacePressed: openLink()
        Rectangle {
            anchors.fill: parent
            anchors.margins: -2
            visible: link.activeFocus
            color: "transparent"
            border.color: idGlobal.infoPageVariableColor
            radius: 2
        }
        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            onClicked: link.openLink()
        }
    }

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
        contentHeight: idContent.implicitHeight + 2 * idGlobal.pageMargin

        GridLayout {
            id: idContent
            x: idGlobal.pageMargin
            y: idGlobal.pageMargin
            width: Math.min(idScroll.availableWidth - 2 * idGlobal.pageMargin, 1100)
            columns: width >= 760 ? 2 : 1
            columnSpacing: 2 * idGlobal.spacing
            rowSpacing: 2 * idGlobal.spacing

            // The application: logo, name, version and licence.
            RowLayout {
                Layout.columnSpan: idContent.columns
                Layout.fillWidth: true
                spacing: 2 * idGlobal.spacing

                Rectangle {
                    Layout.preferredWidth: 240
                    Layout.preferredHeight: 72
                    Layout.alignment: Qt.AlignTop
                    color: "white"
                    Image {
                        objectName: "aboutVendorLogo"
                        anchors.fill: parent
                        source: "qrc:/images/company/norvex/logo/norvex_logo.png"
                        fillMode: Image.PreserveAspectFit
                        horizontalAlignment: Image.AlignLeft
                        mipmap: true
                    }
                }
                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 4
                    Label {
                        objectName: "aboutAppName"
                        Layout.fillWidth: true
                        text: companyData.appName
                        font.pixelSize: page.textSize + 10
                        font.bold: true
                        color: idGlobal.infoPageTextColor
                    }
                    InfoText {
                        objectName: "aboutSoftwareInformation"
                        text: page.status.softwareInformation !== "" ? page.status.softwareInformation
                                                                     : idGlobal.softwareInformation
                        color: idGlobal.infoPageVariableColor
                    }
                    InfoText {
                        id: idQtText
                        objectName: "aboutInfotextQT"
                        text: page.status.infotextQT !== "" ? page.status.infotextQT : idGlobal.infotextQT
                    }
                    Image {
                        visible: idQtText.text !== ""
                        source: "qrc:/images/lgpl/lgplv3-147x51.png"
                        Layout.preferredWidth: 110
                        Layout.preferredHeight: 38
                        fillMode: Image.PreserveAspectFit
                        horizontalAlignment: Image.AlignLeft
                        mipmap: true
                    }
                }
            }

            // The vendor's contact details.
            MyGroupBox {
                objectName: "aboutVendorGroup"
                myTitle: companyData.name
                Layout.alignment: Qt.AlignTop
                Layout.fillWidth: true
                Layout.preferredWidth: 1

                ColumnLayout {
                    anchors.left: parent.left
                    anchors.right: parent.right
                    spacing: 4
                    InfoText { text: companyData.postfach }
                    InfoText { text: companyData.strasse }
                    InfoText { text: companyData.postleitzahl }
                    Item { implicitHeight: 6 }
                    InfoText { text: companyData.phone }
                    InfoText { text: companyData.telefax }
                    RowLayout {
                        Layout.fillWidth: true
                        visible: companyData.internetMail !== ""
                        spacing: 0
                        Label {
                            text: "E-Mail: "
                            font.pixelSize: page.textSize
                            color: idGlobal.infoPageTextColor
                        }
                        LinkText {
                            objectName: "aboutMailLink"
                            text: companyData.internetMail
                            url: companyData.internetMail !== "" ? "mailto:" + companyData.internetMail : ""
                        }
                    }
                    RowLayout {
                        Layout.fillWidth: true
                        visible: companyData.internetLink !== ""
                        spacing: 0
                        Label {
                            text: "Internet: "
                            font.pixelSize: page.textSize
                            color: idGlobal.infoPageTextColor
                        }
                        LinkText {
                            objectName: "aboutInternetLink"
                            text: companyData.internetLink
                            url: companyData.internetLink !== "" ? page.webUrl(companyData.internetLink) : ""
                        }
                    }
                }
            }

            // What the device reports: name, inputs and outputs, operating time, batch number,
            // firmware version, storage capacity.
            MyGroupBox {
                objectName: "aboutDeviceGroup"
                myTitle: page.status.deviceInfoTitel
                visible: page.deviceLabels.length > 0
                Layout.alignment: Qt.AlignTop
                Layout.fillWidth: true
                Layout.preferredWidth: 1

                GridLayout {
                    anchors.left: parent.left
                    anchors.right: parent.right
                    columns: 2
                    columnSpacing: idGlobal.spacing
                    rowSpacing: 4

                    Repeater {
                        model: page.deviceLabels.length
                        delegate: Label {
                            Layout.row: index
                            Layout.column: 0
                            text: page.deviceLabels[index]
                            font.pixelSize: page.textSize
                            color: idGlobal.infoPageTextColor
                        }
                    }
                    Repeater {
                        model: page.deviceLabels.length
                        delegate: Label {
                            objectName: "aboutDeviceValue_" + index
                            Layout.row: index
                            Layout.column: 1
                            Layout.fillWidth: true
                            text: index < page.deviceValues.length ? page.deviceValues[index] : ""
                            font.pixelSize: page.textSize
                            color: idGlobal.infoPageVariableColor
                            wrapMode: Text.WordWrap
                        }
                    }
                }
            }
        }
    }
}
