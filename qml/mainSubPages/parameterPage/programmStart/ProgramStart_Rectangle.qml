import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../../global" as G

// One program start (programStartNr 0 = first, 1 = second): the activate box, the events that
// start the program, the start delay, the program path with browse and test buttons.
// The controls show the record `rec`; whenever a record arrives they are set from it again, so
// the stored state wins over anything the user changed that the back end did not take. Texts
// come from the record; short English defaults stand in while it has none.
G.MyGroupBox {
    id: idSection

    property int programStartNr: 0
    property var rec: ({})
    property var sig: ({})

    readonly property int n: programStartNr + 1
    readonly property int eventCount: 15

    myTitle: idGlobal.buttonsSystem_ProgrammStart_Text + " " + n

    function text(name) {
        var v = rec ? rec[name] : undefined
        return v === undefined || v === null ? "" : String(v)
    }
    function flag(name) {
        return rec ? rec[name] === true : false
    }
    function labelOr(name, fallback) {
        var t = text(name)
        return t !== "" ? t : fallback
    }
    function number(name) {
        var v = rec ? rec[name] : undefined
        return typeof v === "number" ? v : 0
    }

    // Event k's text: the signal row label; the 15th box has no event row of its own.
    function eventLabel(k) {
        if (k <= 14 && sig) {
            var label = sig["signal_Label_Row" + k]
            if (label !== undefined && label !== null && label !== "")
                return String(label)
        }
        return ""
    }

    // "file:///C:/x" -> "C:/x", "file:///home/x" -> "/home/x"; anything else stays as it is.
    function localPath(url) {
        if (/^file:\/\/\/[A-Za-z]:/.test(url))
            return decodeURIComponent(url.substring(8))
        if (url.indexOf("file://") === 0)
            return decodeURIComponent(url.substring(7))
        return url
    }

    function pathChosen(url) {
        cppClass.receiveFromQml_SetProgramStartPath_FileDialog(url, programStartNr)
        idPath.text = localPath(url)
        idPath.appliedText = idPath.text
    }

    function apply() {
        idActive.checked = flag("p" + n + "_activ")
        for (var k = 1; k <= idEvents.count; ++k) {
            var box = idEvents.itemAt(k - 1)
            if (box) // not yet there while the section is being built; it then reads the record itself
                box.checked = flag("p" + n + "_signal" + k)
        }
        idHours.currentIndex = number("Hours" + n + "_CurrentIndex")
        idMinutes.currentIndex = number("Minutes" + n + "_CurrentIndex")
        idSeconds.currentIndex = number("Seconds" + n + "_CurrentIndex")
        // A path the user is still typing is left alone.
        var path = text("p" + n + "_path")
        if (!(idPath.activeFocus && idPath.text !== idPath.appliedText)) {
            idPath.text = path
            if (!idPath.activeFocus)
                idPath.cursorPosition = 0 // show the start of a long path
        }
        idPath.appliedText = path
    }

    onRecChanged: apply()
    Component.onCompleted: apply()

    ColumnLayout {
        id: idColumn
        width: idSection.availableWidth
        spacing: idGlobal.spacing

        ProgramStartCheckBox {
            id: idActive
            objectName: "programStartActive_" + idSection.n
            Layout.fillWidth: true
            programStartNr: idSection.programStartNr
            checkBoxNr: 0
            text: idSection.labelOr("programstart_activ_text", "Start program")
        }

        Label {
            Layout.fillWidth: true
            Layout.topMargin: idGlobal.spacing / 2
            text: idSection.labelOr("programStartIfEventsOccurs_text", "Start program if...")
            font.pixelSize: idGlobal.fontPixelSize
            font.bold: true
            color: idGlobal.infoPageTextColor
            wrapMode: Text.WordWrap
        }

        GridLayout {
            id: idEventGrid
            Layout.fillWidth: true
            Layout.leftMargin: idGlobal.spacing
            columns: width >= 560 ? 2 : 1
            columnSpacing: idGlobal.spacing
            rowSpacing: 0

            Repeater {
                id: idEvents
                model: idSection.eventCount
                delegate: ProgramStartCheckBox {
                    readonly property string label: idSection.eventLabel(index + 1)
                    objectName: "programStartEvent_" + idSection.n + "_" + (index + 1)
                    // Equal columns: every box asks for the same width and grows alike.
                    Layout.fillWidth: true
                    Layout.preferredWidth: 100
                    programStartNr: idSection.programStartNr
                    checkBoxNr: index + 1
                    // Rows the current device does not have are hidden unless their flag is set,
                    // so that a stored choice can always be seen and cleared.
                    text: label !== "" ? label : idGlobal.buttonsEvent_Text + " " + (index + 1)
                    visible: label !== "" || checked
                    Component.onCompleted: checked = idSection.flag("p" + idSection.n + "_signal" + checkBoxNr)
                }
            }
        }

        Label {
            objectName: "programStartNoEvents_" + idSection.n
            Layout.fillWidth: true
            Layout.leftMargin: idGlobal.spacing
            text: idGlobal.devNoSelected
            font.pixelSize: idGlobal.fontPixelSize
            font.italic: true
            color: idGlobal.infoPageTextColor
            wrapMode: Text.WordWrap
            visible: {
                for (var i = 0; i < idEvents.count; ++i) {
                    var box = idEvents.itemAt(i)
                    if (box && (box.label !== "" || box.checked))
                        return false
                }
                return true
            }
        }

        GridLayout {
            Layout.fillWidth: true
            Layout.topMargin: idGlobal.spacing
            columns: 2
            columnSpacing: idGlobal.spacing
            rowSpacing: idGlobal.spacing

            Label {
                text: idSection.labelOr("programstartDelay_label", "Delay")
                font.pixelSize: idGlobal.fontPixelSize
                color: idGlobal.infoPageTextColor
            }
            RowLayout {
                spacing: idGlobal.spacing / 2

                component TimeBox: ComboBox {
                    property int field: 0
                    property int entries: 60
                    Layout.preferredWidth: 80
                    Layout.preferredHeight: idGlobal.controlHeight
                    font.pixelSize: idGlobal.fontPixelSize
                    activeFocusOnTab: true
                    model: {
                        var items = []
                        for (var i = 0; i < entries; ++i)
                            items.push(i < 10 ? "0" + i : "" + i)
                        return items
                    }
                    onActivated: function(index) { cppClass.receiveFromQml_SetProgramstartTimeConfig(idSection.programStartNr, field, index) }
                }
                component UnitLabel: Label {
                    font.pixelSize: idGlobal.fontPixelSize
                    color: idGlobal.infoPageTextColor
                    rightPadding: idGlobal.spacing
                }

                TimeBox {
                    id: idHours
                    objectName: "programStartHours_" + idSection.n
                    field: 1
                    entries: 24
                }
                UnitLabel { text: "h" }
                TimeBox {
                    id: idMinutes
                    objectName: "programStartMinutes_" + idSection.n
                    field: 2
                }
                UnitLabel { text: "min" }
                TimeBox {
                    id: idSeconds
                    objectName: "programStartSeconds_" + idSection.n
                    field: 3
                }
                UnitLabel { text: "s" }
            }

            Label {
                text: idSection.labelOr("programstartPath_label", "Program path")
                font.pixelSize: idGlobal.fontPixelSize
                color: idGlobal.infoPageTextColor
            }
            TextField {
                id: idPath
                objectName: "programStartPath_" + idSection.n
                // The text last taken from the record or sent; only a change against it is sent.
                property string appliedText: ""
                // A long path scrolls inside the field instead of widening the section.
                Layout.fillWidth: true
                Layout.preferredWidth: 100
                Layout.preferredHeight: idGlobal.controlHeight
                font.pixelSize: idGlobal.fontPixelSize
                selectByMouse: true
                placeholderText: idSection.text("defaultPath" + idSection.n)
                onEditingFinished: {
                    if (text !== appliedText) {
                        appliedText = text
                        cppClass.receiveFromQml_SetProgramStartPath_FileDialog(text, idSection.programStartNr)
                    }
                }
            }

            Item { width: 1; height: 1 }
            RowLayout {
                spacing: idGlobal.spacing
                MyButton {
                    objectName: "programStartBrowse_" + idSection.n
                    text: idSection.labelOr("programstartButtonBrowser_label", "Browse")
                    onClicked: idFileDialog.open()
                }
                MyButton {
                    objectName: "programStartTest_" + idSection.n
                    text: idSection.labelOr("programstartButtonTest_label", "Run test")
                    onClicked: cppClass.receiveFromQml_SetProgramStartTest(idSection.programStartNr)
                }
            }
        }
    }

    G.LazyFileDialog {
        id: idFileDialog
        dialogObjectName: "programStartFileDialog_" + idSection.n
        title: idSection.labelOr("programstartPath_label", "Program path")
        onAccepted: function(fileUrl, folder) { idSection.pathChosen(fileUrl.toString()) }
    }
}
