import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// End-of-charge voltage per cell on the capacitor models: the handle moves along the scale picture
// in steps of the voltage list, from "increased buffer time" on the left to "increased lifetime" on
// the right. The device is written when the user lets go of the handle (or at once for a key
// press), with the list text at the handle's position.
ColumnLayout {
    id: root

    property string title: ""
    property string image: ""
    property string leftText: ""
    property string rightText: ""
    property var model: []
    property int deviceIndex: -1
    property bool pending: false
    property int wantedIndex: 0
    property int holdMs: 3000
    readonly property alias control: idSlider
    readonly property int count: model ? model.length : 0
    readonly property int shownIndex: pending || idSlider.pressed ? wantedIndex : deviceIndex

    visible: title !== "" && count > 0
    spacing: 4

    function commit() {
        var index = Math.round(idSlider.value)
        wantedIndex = index
        if (index === deviceIndex && !pending)
            return
        pending = true
        idHoldTimer.restart()
        cppClass.receiveFromQml_SetManagementList_ComboBox(0, model[index])
    }

    RowLayout {
        spacing: idGlobal.spacing
        Label {
            text: root.title
            font.pixelSize: idGlobal.fontPixelSize
            color: idGlobal.infoPageTextColor
            opacity: root.enabled ? 1.0 : 0.5
            wrapMode: Text.WordWrap
            Layout.preferredWidth: idGlobal.labelWidth
        }
        Label {
            objectName: "sliderValueLabel"
            text: root.shownIndex >= 0 && root.shownIndex < root.count ? root.model[root.shownIndex] : "\u2013"
            font.pixelSize: idGlobal.fontPixelSize
            font.bold: true
            color: idGlobal.infoPageVariableColor
        }
    }

    // The scale picture; its ticks run from 7.5 % to 92.5 % of its width, and the handle's centre
    // follows the same span.
    Item {
        id: idScale
        Layout.fillWidth: true
        Layout.maximumWidth: 420
        Layout.preferredHeight: idPicture.height + idSlider.height

        Image {
            id: idPicture
            width: parent.width
            height: width / 10
            source: root.image
            sourceSize.width: 840
            fillMode: Image.PreserveAspectFit
            visible: root.image !== ""
        }

        Slider {
            id: idSlider
            readonly property real handleWidth: handle ? handle.width : 28
            x: idScale.width * 0.075 - leftPadding - handleWidth / 2
            y: idPicture.visible ? idPicture.height : 0
            width: idScale.width * 0.85 + leftPadding + rightPadding + handleWidth
            from: 0
            to: Math.max(1, root.count - 1)
            stepSize: 1
            snapMode: Slider.SnapAlways
            value: Math.max(0, root.shownIndex)
            activeFocusOnTab: true
            Accessible.name: root.title

            onPressedChanged: {
                if (!pressed)
                    root.commit()
            }
            onMoved: {
                root.wantedIndex = Math.round(value)
                if (!pressed)
                    root.commit()
            }
        }
    }

    RowLayout {
        Layout.fillWidth: true
        Layout.maximumWidth: idScale.Layout.maximumWidth
        Label {
            text: root.leftText
            font.pixelSize: idGlobal.fontPixelSize - 1
            color: idGlobal.infoPageTextColor
            wrapMode: Text.WordWrap
            Layout.fillWidth: true
        }
        Label {
            text: root.rightText
            font.pixelSize: idGlobal.fontPixelSize - 1
            color: idGlobal.infoPageTextColor
            horizontalAlignment: Text.AlignRight
            wrapMode: Text.WordWrap
            Layout.fillWidth: true
        }
    }

    // Without a choice of the user waiting for the device, the handle rests on the device's value.
    function followDevice() {
        if (!pending && !idSlider.pressed)
            wantedIndex = Math.max(0, deviceIndex)
    }
    Component.onCompleted: followDevice()
    onDeviceIndexChanged: {
        if (pending && deviceIndex === wantedIndex)
            pending = false
        followDevice()
    }

    Timer {
        id: idHoldTimer
        interval: root.holdMs
        onTriggered: {
            root.pending = false
            root.followDevice()
        }
    }
}
