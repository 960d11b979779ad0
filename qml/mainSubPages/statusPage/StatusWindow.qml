import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import "slaveArray"
import "../../global" as G

// The live picture of the device: operating mode, the animated status picture with the measured
// values, the storage modules and info buttons for the device details.
Item {
    id: idStatusWindow

    // Newest copies of the records this page shows. The production record has no initial copy.
    property alias proc: idShownProcess.record
    G.ShownRecord { id: idShownProcess; shown: idStatusWindow.visible; record: processData }
    property var status: statusWindow
    property var production: productionWindow

    // Animations run only while the page is on screen.
    readonly property bool shown: SwipeView.view ? SwipeView.isCurrentItem : true
    readonly property int maxPictureWidth: 1040
    // Width to height of the device pictures; kept while there is none (link lost), so that the
    // plate in its place has the picture's size.
    property real pictureAspect: 520 / 300
    // Size of the picture relative to its own pixels; storage pictures are scaled alike.
    readonly property real pictureScale: idMasterPicture.implicitWidth > 0
                                         ? idMasterPicture.paintedWidth / idMasterPicture.implicitWidth : 1

    // A value goes onto the picture only when its factors are a position inside it; otherwise
    // (factors not given for this model) it is listed below the picture.
    function onPicture(fx, fy) {
        return idMasterPicture.status === Image.Ready && (fx > 0 || fy > 0)
                && fx >= 0 && fx <= 1 && fy >= 0 && fy <= 1
    }

    // One line of the device details' label column, without its colon ("Input:" gives "Input").
    function detailLabel(line) {
        var labels = (proc.masterDeviceDetailsLabel || "").split("\n")
        return line < labels.length ? labels[line].replace(/:\s*$/, "") : ""
    }

    function joinLines(parts) {
        var lines = []
        for (var i = 0; i < parts.length; ++i) {
            var part = (parts[i] || "").trim()
            if (part !== "")
                lines.push(part)
        }
        return lines.join("\n")
    }

    // The measured values with the record members of their text and their position factors.
    readonly property var values: [
        { key: "input", text: "masterInput_text", factors: "masterInputText" },
        { key: "input2", text: "masterInput_text2", factors: "masterInputText2" },
        { key: "output", text: "masterOutput_text", factors: "masterOutputText" },
        { key: "storageVoltage", text: "usvBufferInOutText", factors: "usvBufferInOutText" },
        { key: "storageCurrent", text: "usvBufferDischargeOutText", factors: "usvBufferDischargeOutText" },
        { key: "temperature", text: "masterTemperatur", factors: "usvMasterTemperatur" }
    ]
    function xFactor(v) { return proc[v.factors + "_xPositionFactor"] || 0 }
    function yFactor(v) { return proc[v.factors + "_yPositionFactor"] || 0 }
    function valueOnPicture(v) { return onPicture(xFactor(v), yFactor(v)) }
    function valueText(v) { return (proc[v.text] || "").trim() }
    function outOfRange(key) { return (proc.valuesOutOfRange || []).indexOf(key) >= 0 }
    function valueColor(key) { return outOfRange(key) ? idGlobal.alarmValueColor : idGlobal.infoPageVariableColor }

    // The text of a value when it is listed below the picture, "" when it is on the picture.
    function listed(key) {
        for (var i = 0; i < values.length; ++i)
            if (values[i].key === key)
                return valueOnPicture(values[i]) ? "" : valueText(values[i])
        return ""
    }

    readonly property string storagePicture: proc.masterAdding_AnimatedImag || proc.masterAdding_image || ""
    readonly property bool storagePictureOnPicture: storagePicture !== ""
                                                    && onPicture(proc.masterAdding_xPositionFactor, proc.masterAdding_yPositionFactor)
    // Without storage values the charger's own values stand for the storage side.
    readonly property string storageText: (proc.usvBufferInOutText || "") === "" && (proc.usvBufferDischargeOutText || "") === ""
                                          ? joinLines([proc.chargeVoltage, proc.chargeCurrent])
                                          : joinLines([listed("storageVoltage"), listed("storageCurrent")])

    // The unit whose details the pop-up shows: 0 the master, 1 to 3 a storage module. The
    // pop-up follows the live values while it is open.
    property int detailsUnit: 0
    function showDetails(unit) {
        detailsUnit = unit
        idPopUp.open()
    }

    G.FocusScroller {
        flickable: idFlick
        content: idContent
    }

    Connections {
        target: cppClass
        function onSendToQml_ProcessData(processData) { idShownProcess.take(processData) }
        function onSendToQml_StatusWindow(statusWindow) { idStatusWindow.status = statusWindow }
        function onSendToQml_ProductionWindow(productionWindow) { idStatusWindow.production = productionWindow }
    }

    // Room below the picture for the tallest card (the device's: title, temperature, storage
    // picture, two values and a remark of two lines). The picture is sized from the page less this
    // room, not from the cards on show, so that it keeps its size when the mode changes what they
    // hold.
    FontMetrics { id: idValueFont; font.pixelSize: idGlobal.fontPixelSize + 1; font.bold: true }
    FontMetrics { id: idRemarkFont; font.pixelSize: idGlobal.fontPixelSize - 1 }
    readonly property real cardRoom: 16 + 3 * Math.ceil(idRemarkFont.height) + 3 * Math.ceil(idValueFont.height) + 48 + 1 + 6 * 4
    // A page wide enough has the cards in a column beside the picture, which can then take the
    // page's height. Decided by the page's width alone, like the picture's size.
    readonly property int cardColumnWidth: 220
    readonly property bool cardsBeside: idContent.width >= 760

    Flickable {
        id: idFlick
        objectName: "statusFlickable"
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
            width: idFlick.width - 2 * idGlobal.pageMargin
            spacing: idGlobal.spacing

            // The alarm in force with the time it began, as a coloured banner, or else the operating
            // mode with the back end's extra remark. Both take the same slot, so that an alarm does
            // not push the picture down.
            Item {
                id: idHeader
                objectName: "statusHeader"
                Layout.fillWidth: true
                implicitHeight: Math.max(idAlarmBanner.implicitHeight, idModeRow.implicitHeight)

                Rectangle {
                    id: idAlarmBanner
                    objectName: "alarmBanner"
                    readonly property string key: proc.alarmState || ""
                    // The mode goes on the banner when the alarm does not name it.
                    readonly property string mode: (proc.masterOperationModus || "").trim()
                    visible: key !== ""
                    anchors.fill: parent
                    implicitHeight: Math.max(idAlarmText.implicitHeight, idAlarmMode.implicitHeight) + 16
                    radius: 4
                    color: idGlobal.alarmColor(key)
                    Accessible.role: Accessible.AlertMessage
                    Accessible.name: idAlarmText.text
                    Label {
                        id: idAlarmText
                        objectName: "alarmBannerText"
                        anchors.verticalCenter: parent.verticalCenter
                        x: 12
                        width: parent.width - 24 - (idAlarmMode.visible ? idAlarmMode.width + 12 : 0)
                        text: proc.alarmText || ""
                        font.pixelSize: idGlobal.titlePixelSize + 2
                        font.bold: true
                        color: "white"
                        wrapMode: Text.Wrap
                    }
                    Label {
                        id: idAlarmMode
                        objectName: "alarmBannerMode"
                        anchors.verticalCenter: parent.verticalCenter
                        anchors.right: parent.right
                        anchors.rightMargin: 12
                        width: Math.min(implicitWidth, parent.width / 3)
                        visible: idAlarmBanner.mode !== "" && idAlarmText.text.indexOf(idAlarmBanner.mode) < 0
                        text: idAlarmBanner.mode
                        font.pixelSize: idGlobal.titlePixelSize
                        color: "white"
                        horizontalAlignment: Text.AlignRight
                        wrapMode: Text.Wrap
                    }
                }

                RowLayout {
                    id: idModeRow
                    // Without a picture the plate shows the mode instead.
                    visible: !idAlarmBanner.visible
                             && (idMasterPicture.status === Image.Ready || (proc.masterOperationModusExtra || "") !== "")
                    anchors.left: parent.left
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: idGlobal.spacing
                    Label {
                        objectName: "operationMode"
                        text: proc.masterOperationModus || ""
                        font.pixelSize: idGlobal.titlePixelSize + 4
                        font.bold: true
                        color: idGlobal.infoPageTextColor
                        elide: Text.ElideRight
                        Layout.maximumWidth: idContent.width
                    }
                    Label {
                        objectName: "operationModeExtra"
                        text: proc.masterOperationModusExtra || ""
                        visible: text !== ""
                        font.pixelSize: idGlobal.titlePixelSize
                        color: idGlobal.infoPageVariableColor
                        elide: Text.ElideRight
                        Layout.fillWidth: true
                    }
                    Item { Layout.fillWidth: true }
                }
            }

            Flow {
                id: idFlow
                spacing: idGlobal.spacing * 2
                Layout.fillWidth: true

                Grid {
                    id: idPictureColumn
                    columns: idStatusWindow.cardsBeside ? 2 : 1
                    spacing: idGlobal.spacing

                    // The picture fits the width and the height of the page, within limits, with the
                    // cards beside or below it. Only the page's size counts, so that the picture keeps
                    // its size in every mode.
                    readonly property real fitWidth: idStatusWindow.cardsBeside
                        ? Math.min(idContent.width - idStatusWindow.cardColumnWidth - spacing, idStatusWindow.maxPictureWidth,
                                   (idFlick.height - 2 * idGlobal.pageMargin - idHeader.height - idGlobal.spacing)
                                   * idStatusWindow.pictureAspect)
                        : Math.min(idContent.width, idStatusWindow.maxPictureWidth,
                                   (idFlick.height - 2 * idGlobal.pageMargin - idHeader.height - idStatusWindow.cardRoom
                                    - 2 * idGlobal.spacing) * idStatusWindow.pictureAspect)
                    readonly property real pictureWidth: Math.max(Math.min(idContent.width, 380), fitWidth)

                    Item {
                        id: idPictureArea
                        objectName: "pictureArea"
                        width: idPictureColumn.pictureWidth
                        height: width / idStatusWindow.pictureAspect

                        // Without a picture (no device yet) a plate with the mode keeps the layout.
                        Rectangle {
                            objectName: "noPicturePlate"
                            anchors.fill: parent
                            visible: idMasterPicture.status !== Image.Ready
                            radius: 6
                            color: "#f5f6f8"
                            border.color: "#e0e1e4"
                            Label {
                                anchors.centerIn: parent
                                width: parent.width - 40
                                horizontalAlignment: Text.AlignHCenter
                                // The banner above says it already.
                                text: idAlarmBanner.visible ? "" : (proc.masterOperationModus || "")
                                font.pixelSize: idGlobal.titlePixelSize + 10
                                color: "#b4b6ba"
                                elide: Text.ElideRight
                            }
                        }

                        AnimatedImage {
                            id: idMasterPicture
                            objectName: "masterPicture"
                            anchors.fill: parent
                            source: proc.master_image || ""
                            fillMode: Image.PreserveAspectFit
                            playing: idStatusWindow.shown && status === AnimatedImage.Ready
                            smooth: true
                            onStatusChanged: {
                                if (status === Image.Ready && implicitHeight > 0)
                                    idStatusWindow.pictureAspect = implicitWidth / implicitHeight
                            }
                        }

                        // The picture as painted; positions on it are fractions of this rectangle. Without
                        // a picture it is the plate, so that the info button keeps its corner.
                        Item {
                            id: idPainted
                            objectName: "paintedPicture"
                            readonly property bool pictureShown: idMasterPicture.status === Image.Ready
                            x: (parent.width - width) / 2
                            y: (parent.height - height) / 2
                            width: pictureShown ? idMasterPicture.paintedWidth : parent.width
                            height: pictureShown ? idMasterPicture.paintedHeight : parent.height

                            AnimatedImage {
                                objectName: "storagePictureOnPicture"
                                visible: idStatusWindow.storagePictureOnPicture
                                source: visible ? idStatusWindow.storagePicture : ""
                                x: proc.masterAdding_xPositionFactor * idPainted.width
                                y: proc.masterAdding_yPositionFactor * idPainted.height
                                width: implicitWidth * idStatusWindow.pictureScale
                                height: implicitHeight * idStatusWindow.pictureScale
                                playing: idStatusWindow.shown && visible
                            }

                            Repeater {
                                model: idStatusWindow.values
                                delegate: Label {
                                    objectName: "onPicture_" + modelData.key
                                    visible: idStatusWindow.valueOnPicture(modelData) && text !== ""
                                    x: idStatusWindow.xFactor(modelData) * idPainted.width
                                    y: idStatusWindow.yFactor(modelData) * idPainted.height
                                    text: idStatusWindow.valueText(modelData)
                                    font.pixelSize: idGlobal.fontPixelSize
                                    font.bold: true
                                    color: idStatusWindow.valueColor(modelData.key)
                                    padding: 2
                                    background: Rectangle { color: "#d9ffffff"; radius: 3 }
                                }
                            }

                            Button {
                                id: idMasterInfo
                                objectName: "masterInfoButton"
                                anchors.top: parent.top
                                anchors.right: parent.right
                                width: 34
                                height: 34
                                padding: 0
                                flat: true
                                visible: (proc.masterDeviceDetailsValues || "") !== ""
                                icon.source: status.infos_image || ""
                                icon.color: "transparent"
                                icon.width: 28
                                icon.height: 28
                                onClicked: idStatusWindow.showDetails(0)
                            }
                        }
                    }

                    // Values without a place on the picture: beside it, supply, device and storage,
                    // and load from top to bottom; below it, each under its part of the picture.
                    Item {
                        id: idValueStrip
                        objectName: "valueStrip"
                        readonly property bool column: idStatusWindow.cardsBeside
                        width: column ? idStatusWindow.cardColumnWidth : idPictureColumn.pictureWidth
                        height: !visible ? 0
                              : column ? Math.max(0, below(idOutputCard) - idGlobal.spacing)
                              : Math.max(idStatusWindow.cardRoom, idInputCard.implicitHeight,
                                         idDeviceCard.implicitHeight, idOutputCard.implicitHeight)
                        visible: idInputCard.shown || idDeviceCard.shown || idOutputCard.shown
                        readonly property real cardWidth: column ? width : Math.min(220, (width - 2 * idGlobal.spacing) / 3)
                        // Where the next card of the column begins.
                        function below(card) { return card.visible ? card.y + card.height + idGlobal.spacing : card.y }

                        ValueCard {
                            id: idInputCard
                            objectName: "inputCard"
                            title: idStatusWindow.detailLabel(1)
                            text: idStatusWindow.joinLines([idStatusWindow.listed("input"), idStatusWindow.listed("input2")])
                            valueColor: idStatusWindow.valueColor("input")
                            width: idValueStrip.cardWidth
                            x: idValueStrip.column ? 0 : Math.max(0, Math.min(idValueStrip.width * 0.12 - width / 2,
                                                                                idDeviceCard.x - width - idGlobal.spacing))
                        }
                        ValueCard {
                            id: idDeviceCard
                            objectName: "deviceCard"
                            title: idStatusWindow.listed("temperature") !== "" ? idStatusWindow.detailLabel(3) : ""
                            titleValue: idStatusWindow.listed("temperature")
                            titleValueColor: idStatusWindow.valueColor("temperature")
                            valueColor: idStatusWindow.valueColor("storageVoltage")
                            picture: idStatusWindow.storagePictureOnPicture ? "" : idStatusWindow.storagePicture
                            text: idStatusWindow.storageText
                            width: idValueStrip.cardWidth
                            x: (idValueStrip.width - width) / 2
                            y: idValueStrip.column ? idValueStrip.below(idInputCard) : 0
                        }
                        ValueCard {
                            id: idOutputCard
                            objectName: "outputCard"
                            title: idStatusWindow.detailLabel(2)
                            text: idStatusWindow.listed("output")
                            valueColor: idStatusWindow.valueColor("output")
                            width: idValueStrip.cardWidth
                            x: idValueStrip.column ? 0 : Math.min(idValueStrip.width - width,
                                        Math.max(idValueStrip.width * 0.87 - width / 2,
                                                 idDeviceCard.x + idDeviceCard.width + idGlobal.spacing))
                            y: idValueStrip.column ? idValueStrip.below(idDeviceCard) : 0
                        }
                    }
                }

                // Beside the picture the modules line up with the bottom of it, where the
                // master's own storage is drawn; on a row of their own they start at the top.
                Item {
                    id: idSlaveHolder
                    readonly property bool beside: x > 0
                    readonly property real topOffset: beside ? Math.max(0, idPictureArea.height - idSlaveArray.implicitHeight) : 0
                    visible: idSlaveArray.hasContent
                    width: idSlaveArray.implicitWidth
                    height: idSlaveArray.implicitHeight + topOffset

                    SlaveArray {
                        id: idSlaveArray
                        objectName: "slaveArray"
                        y: idSlaveHolder.topOffset
                        width: implicitWidth
                        height: implicitHeight
                        proc: idStatusWindow.proc
                        pictureScale: Math.min(1.2, Math.max(0.6, idStatusWindow.pictureScale))
                        infoImage: status.infos_image || ""
                        animate: idStatusWindow.shown
                        frameWidthFactor: proc.rahmen_width_factor || 0
                        frameHeightFactor: proc.rahmen_height_factor || 0
                        onDetailsRequested: function(slave) { idStatusWindow.showDetails(slave) }
                    }
                }
            }
        }
    }

    // A titled box of values; shown only when it has something to show.
    component ValueCard: Rectangle {
        id: idCard
        property string title: ""
        property string titleValue: ""
        property string picture: ""
        property string text: ""
        property color valueColor: idGlobal.infoPageVariableColor
        property color titleValueColor: idGlobal.infoPageVariableColor
        readonly property bool shown: text !== "" || titleValue !== "" || picture !== ""

        visible: shown
        radius: 4
        color: "#fbfbfc"
        border.color: "#e0e1e4"
        implicitHeight: idCardColumn.implicitHeight + 16

        Column {
            id: idCardColumn
            x: 8
            y: 8
            width: parent.width - 16
            spacing: 4
            Label {
                width: parent.width
                visible: text !== ""
                text: idCard.title
                horizontalAlignment: Text.AlignHCenter
                font.pixelSize: idGlobal.fontPixelSize - 1
                color: idGlobal.infoPageTextColor
                elide: Text.ElideRight
            }
            Label {
                width: parent.width
                visible: idCard.titleValue !== ""
                text: idCard.titleValue
                horizontalAlignment: Text.AlignHCenter
                font.pixelSize: idGlobal.fontPixelSize + 1
                font.bold: true
                color: idCard.titleValueColor
            }
            Rectangle {
                visible: idCard.titleValue !== "" && (idCard.picture !== "" || idCard.text !== "")
                width: parent.width
                height: 1
                color: "#e4e5e8"
            }
            AnimatedImage {
                anchors.horizontalCenter: parent.horizontalCenter
                visible: idCard.picture !== ""
                source: idCard.picture
                width: 72
                height: 48
                fillMode: Image.PreserveAspectFit
                playing: idStatusWindow.shown && visible
            }
            // Measured values in bold; a remark such as the remaining buffer time in plain text.
            Repeater {
                model: idCard.text === "" ? [] : idCard.text.split("\n")
                delegate: Label {
                    readonly property bool remark: /:\s/.test(modelData)
                    width: idCardColumn.width
                    text: modelData
                    horizontalAlignment: Text.AlignHCenter
                    font.pixelSize: remark ? idGlobal.fontPixelSize - 1 : idGlobal.fontPixelSize + 1
                    font.bold: !remark
                    color: idCard.valueColor
                    wrapMode: Text.Wrap
                }
            }
        }
    }

    PopUpWindow {
        id: idPopUp
        objectName: "detailsPopUp"
        infoImage: status.infos_image || ""
        titleText: status.deviceInfoTitel || ""
        labelsText: (idStatusWindow.detailsUnit === 0 ? proc.masterDeviceDetailsLabel
                     : proc["slave" + idStatusWindow.detailsUnit + "_DeviceDetailsLabel"]) || ""
        valuesText: (idStatusWindow.detailsUnit === 0 ? proc.masterDeviceDetailsValues
                     : proc["slave" + idStatusWindow.detailsUnit + "_DeviceDetailsValues"]) || ""
        // Only the master's firmware can be updated, and only in production builds.
        firmwareUpdateOffered: idStatusWindow.detailsUnit === 0 && proc.production_version === true
        firmwareUpdateAllowed: idStatusWindow.production.firmwareUpdateWithFtdi !== false
        logText: idStatusWindow.production.flasherLogsText || ""
    }
}
