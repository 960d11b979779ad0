import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// Up to three storage modules behind the master, in a row: the arrows show where the energy
// flows, each module shows its picture, its values and an info button for its details.
ColumnLayout {
    id: idSlaveArray

    property var proc: ({})
    // Size of the pictures relative to their own pixel size, so they match the master picture.
    property real pictureScale: 1.0
    property string infoImage: ""
    property bool animate: true
    // Frame size factors of the back end; 0 leaves the frame at its natural size.
    property real frameWidthFactor: 0
    property real frameHeightFactor: 0

    signal detailsRequested(int slave)

    function present(slave) {
        return (proc["slave" + slave + "_image"] || "") !== "" || (proc["slave" + slave + "_text"] || "") !== ""
    }
    readonly property int count: (present(1) ? 1 : 0) + (present(2) ? 1 : 0) + (present(3) ? 1 : 0)

    readonly property bool hasContent: count > 0 || extraText !== ""
    visible: hasContent
    spacing: idGlobal.spacing
    readonly property string extraText: (proc.slave4_text || "").trim()

    Rectangle {
        objectName: "slaveFrame"
        visible: idSlaveArray.count > 0
        radius: 6
        color: "transparent"
        border.color: "#dcdde0"
        readonly property real naturalWidth: idSlaves.implicitWidth + 2 * idGlobal.spacing
        readonly property real naturalHeight: idSlaves.implicitHeight + 2 * idGlobal.spacing
        Layout.preferredWidth: Math.max(naturalWidth, idSlaveArray.frameWidthFactor > 0 ? naturalWidth * idSlaveArray.frameWidthFactor : 0)
        Layout.preferredHeight: Math.max(naturalHeight, idSlaveArray.frameHeightFactor > 0 ? naturalHeight * idSlaveArray.frameHeightFactor : 0)

        Row {
            id: idSlaves
            anchors.centerIn: parent
            spacing: 4

            Repeater {
                model: 3
                delegate: Row {
                    readonly property int slave: index + 1
                    objectName: "slave" + slave
                    visible: idSlaveArray.present(slave)
                    spacing: 4

                    // Link towards the previous unit: energy arrow and data exchange.
                    Column {
                        anchors.verticalCenter: parent.verticalCenter
                        anchors.verticalCenterOffset: -idSlaveText.height / 2
                        spacing: 2
                        AnimatedImage {
                            source: idSlaveArray.proc["pfeilNachLinks" + slave + "_image"] || ""
                            visible: source.toString() !== ""
                            playing: idSlaveArray.animate && visible
                            width: 80 * idSlaveArray.pictureScale * 0.8
                            height: 30 * idSlaveArray.pictureScale * 0.8
                            fillMode: Image.PreserveAspectFit
                        }
                        AnimatedImage {
                            source: idSlaveArray.proc["slaveAnim" + slave + "_image"] || ""
                            visible: source.toString() !== ""
                            playing: idSlaveArray.animate && visible
                            width: 80 * idSlaveArray.pictureScale * 0.8
                            height: 30 * idSlaveArray.pictureScale * 0.8
                            fillMode: Image.PreserveAspectFit
                        }
                    }

                    Column {
                        spacing: 4
                        Item {
                            width: 120 * idSlaveArray.pictureScale
                            height: 80 * idSlaveArray.pictureScale
                            AnimatedImage {
                                anchors.fill: parent
                                source: idSlaveArray.proc["slave" + slave + "_image"] || ""
                                visible: source.toString() !== ""
                                playing: idSlaveArray.animate && visible
                                fillMode: Image.PreserveAspectFit
                            }
                            // The info button sits on the module's top right corner.
                            Button {
                                objectName: "slaveInfoButton" + slave
                                anchors.right: parent.right
                                anchors.top: parent.top
                                width: 26
                                height: 26
                                padding: 0
                                flat: true
                                visible: (idSlaveArray.proc["slave" + slave + "_DeviceDetailsValues"] || "") !== ""
                                icon.source: idSlaveArray.infoImage
                                icon.color: "transparent"
                                icon.width: 22
                                icon.height: 22
                                onClicked: idSlaveArray.detailsRequested(slave)
                            }
                        }
                        Label {
                            id: idSlaveText
                            width: 120 * idSlaveArray.pictureScale
                            text: (idSlaveArray.proc["slave" + slave + "_text"] || "").trim()
                            horizontalAlignment: Text.AlignHCenter
                            font.pixelSize: idGlobal.fontPixelSize - 1
                            color: idGlobal.infoPageVariableColor
                            wrapMode: Text.Wrap
                        }
                    }
                }
            }
        }
    }

    Label {
        visible: idSlaveArray.extraText !== ""
        text: idSlaveArray.extraText
        font.pixelSize: idGlobal.fontPixelSize
        color: idGlobal.infoPageVariableColor
        wrapMode: Text.Wrap
        Layout.maximumWidth: 420
    }
}
