import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../global"

// Action bar below the parameter pages. Device parameters: read them from the device again,
// restore the factory values, save the device's set in the application's database and write the
// saved set back into the device (these need the device online). Application settings and
// parameters: copy the whole database into a chosen folder, or load a database file in its
// place. Everything that overwrites settings asks first.
Rectangle {
    id: bar

    property var pd: processData

    Connections {
        target: cppClass
        function onSendToQml_ProcessData(processData) { bar.pd = processData }
    }

    readonly property bool deviceOnline: !pd.offlineMode
    // What each button does, in the window's language (0 English, 1 German).
    function tip(english, german) { return pd.currentLanguageNr === 1 ? german : english }

    implicitHeight: Math.max(50, idGroups.implicitHeight + 12)
    color: idGlobal.parameterSettingsColor

    // Asks `question`; `action` runs only when the user answers yes.
    function confirm(question, action) {
        idConfirmBox.action = action
        idConfirmBox.messageBoxTitle = question
        idConfirmBox.open()
    }
    function question(group, button) {
        return (group !== "" ? group + " \u2013 " : "") + button + "?"
    }
    // The backup goes into the folder the user chose.
    function saveBackupTo(folderUrl) {
        cppClass.receiveFromQml_BackupFile(1, folderUrl.toString())
    }
    // Loading replaces all settings, so the user confirms it once more.
    function loadBackupFrom(fileUrl) {
        var url = fileUrl.toString()
        confirm(question(idGlobal.setParameterSettings_Text, idGlobal.buttonsParameter_RestoreSetting_Text),
                function() { cppClass.receiveFromQml_BackupFile(0, url) })
    }

    // Both groups on one line when they fit, else one above the other.
    GridLayout {
        id: idGroups
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        anchors.leftMargin: idGlobal.pageMargin
        anchors.rightMargin: idGlobal.pageMargin
        columns: width >= idDeviceActions.implicitWidth + idDatabaseActions.implicitWidth + columnSpacing ? 2 : 1
        columnSpacing: 2 * idGlobal.pageMargin
        rowSpacing: 6

        Row {
            id: idDeviceActions
            objectName: "deviceParameterActions"
            spacing: idGlobal.spacing

            Label {
                anchors.verticalCenter: parent.verticalCenter
                text: idGlobal.setUpsParameter_Text
                visible: text !== ""
                font.pixelSize: idGlobal.fontPixelSize
                font.bold: true
                color: idGlobal.infoPageTextColor
            }
            MyButton {
                objectName: "readParametersButton"
                text: "\u21bb"
                font.pixelSize: idGlobal.titlePixelSize + 2
                // A square button: the usual side padding would leave the sign no room.
                implicitWidth: idGlobal.controlHeight + 8
                leftPadding: 4
                rightPadding: 4
                enabled: bar.deviceOnline
                Accessible.name: idGlobal.setUpsParameter_Text
                ToolTip.visible: hovered
                ToolTip.delay: 400
                ToolTip.text: bar.tip("Read the parameters from the device again", "Parameter erneut aus dem Gerät lesen")
                onClicked: cppClass.receiveFromQml_SetGetSetting(3)
            }
            MyButton {
                objectName: "factorySettingButton"
                text: idGlobal.buttonsParameter_FactorySetting_Text
                enabled: bar.deviceOnline
                onClicked: bar.confirm(bar.question(idGlobal.setUpsParameter_Text, text),
                                       function() { cppClass.receiveFromQml_SetGetSetting(0) })
            }
            MyButton {
                objectName: "saveSettingButton"
                text: idGlobal.buttonsParameter_SaveSetting_Text
                enabled: bar.deviceOnline
                ToolTip.visible: hovered
                ToolTip.delay: 400
                ToolTip.text: bar.tip("Keep the device's current parameters in this program", "Die aktuellen Geräteparameter in diesem Programm speichern")
                onClicked: cppClass.receiveFromQml_SetGetSetting(1)
            }
            MyButton {
                objectName: "restoreSettingButton"
                text: idGlobal.buttonsParameter_RestoreSetting_Text
                enabled: bar.deviceOnline
                onClicked: bar.confirm(bar.question(idGlobal.setUpsParameter_Text, text),
                                       function() { cppClass.receiveFromQml_SetGetSetting(2) })
                ToolTip.visible: hovered
                ToolTip.delay: 400
                ToolTip.text: bar.tip("Send the parameters kept in this program to the device", "Die in diesem Programm gespeicherten Parameter an das Gerät senden")
            }
        }

        Row {
            id: idDatabaseActions
            objectName: "databaseBackupActions"
            spacing: idGlobal.spacing

            Label {
                anchors.verticalCenter: parent.verticalCenter
                text: idGlobal.setParameterSettings_Text
                visible: text !== ""
                font.pixelSize: idGlobal.fontPixelSize
                font.bold: true
                color: idGlobal.infoPageTextColor
            }
            MyButton {
                objectName: "saveBackupButton"
                text: idGlobal.textBackupFile
                ToolTip.visible: hovered
                ToolTip.delay: 400
                ToolTip.text: bar.tip("Save all settings of this program as a database file in a folder", "Alle Einstellungen dieses Programms als Datenbankdatei in einem Ordner sichern")
                onClicked: idFolderDialog.open()
            }
            MyButton {
                objectName: "loadBackupButton"
                text: idGlobal.buttonsParameter_RestoreSetting_Text
                ToolTip.visible: hovered
                ToolTip.delay: 400
                ToolTip.text: bar.tip("Import all settings of this program from a saved database file", "Alle Einstellungen dieses Programms aus einer gesicherten Datenbankdatei importieren")
                onClicked: idFileDialog.open()
            }
        }
    }

    MyMessageBox {
        id: idConfirmBox
        objectName: "parameterConfirmBox"
        property var action: null
        yesText: idGlobal.yesText
        noText: idGlobal.noText
        onYesValueChanged: {
            if (yesValue && action) {
                var run = action
                action = null
                run()
            }
        }
        onNoValueChanged: {
            if (noValue)
                action = null
        }
    }

    LazyFileDialog {
        id: idFolderDialog
        dialogObjectName: "backupFolderDialog"
        title: idGlobal.textBackupFile
        selectFolder: true
        onAccepted: function(fileUrl, folder) { bar.saveBackupTo(fileUrl) }
    }

    LazyFileDialog {
        id: idFileDialog
        dialogObjectName: "backupFileDialog"
        title: idGlobal.buttonsParameter_RestoreSetting_Text
        nameFilters: ["*.db"]
        onAccepted: function(fileUrl, folder) { bar.loadBackupFrom(fileUrl) }
    }
}
