import QtQuick 2.15
import QtQuick.Layouts 1.15
import "mainButtons"

// Left column: the sub-page buttons of the selected page group (parameter or system pages) and,
// at the bottom, the vendor logo, which opens the about page.
Rectangle {
    id: area

    readonly property int page: idGlobal.currentPage
    readonly property bool parameterGroup: page >= idGlobal.pageParameterGeneral && page <= idGlobal.pageOverload
    readonly property bool systemGroup: page >= idGlobal.pageProgramStart && page <= idGlobal.pageSystem

    // The buttons of the group on show: text, target page and whether the page may be opened.
    readonly property var entries: parameterGroup ? [
            { text: idGlobal.buttonsParameter_General_Text, page: idGlobal.pageParameterGeneral,
              enabled: idGlobal.parameterGeneral_PageEnabled },
            { text: idGlobal.buttonsParameter_SignalContact_Text, page: idGlobal.pageSignalOutputs,
              enabled: idGlobal.parameterGeneral_PageEnabled },
            { text: idGlobal.buttonsParameter_IpcSettings_Text, page: idGlobal.pageIpc,
              enabled: idGlobal.parameterIpcSetting_PageEnabled },
            { text: idGlobal.buttonsParameter_OverloadBehavior_Text, page: idGlobal.pageOverload,
              enabled: idGlobal.parameterGeneral_PageEnabled }
        ] : systemGroup ? [
            { text: idGlobal.buttonsSystem_GeneralSettings_Text, page: idGlobal.pageSystem, enabled: true },
            { text: idGlobal.buttonsSystem_ProgrammStart_Text, page: idGlobal.pageProgramStart, enabled: true },
            { text: idGlobal.buttonsSystem_Email_Text, page: idGlobal.pageEmail, enabled: true }
        ] : []

    color: idGlobal.buttonsVerticalArea_Color

    // Keeps the six button texts and selections of the shared state in step with the column.
    function publishButtons() {
        for (var i = 0; i < 6; ++i) {
            var entry = i < entries.length ? entries[i] : null
            idGlobal["buttonsVertical_" + (i + 1) + "_Text"] = entry ? entry.text : ""
            idGlobal["buttonsVertical_" + (i + 1) + "_Selected"] = entry !== null && entry.page === page
        }
    }
    onEntriesChanged: publishButtons()
    onPageChanged: publishButtons()
    Component.onCompleted: publishButtons()

    Column {
        id: idButtons
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right

        Repeater {
            model: area.entries
            delegate: Button_AppVertical {
                objectName: "buttonVertical_" + (index + 1)
                width: idButtons.width
                text: modelData.text
                enabled: modelData.enabled
                selected: modelData.page === area.page
                onClicked: idGlobal.currentPage = modelData.page
            }
        }
    }

    // Vendor logo on a white plate (it is drawn for light backgrounds).
    Rectangle {
        id: idLogoPlate
        objectName: "vendorLogo"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 12
        width: parent.width - 24
        // Shrinks with the column but never covers the buttons.
        height: Math.max(0, Math.min(width * 2.2, parent.height - idButtons.height - 36))
        visible: height > 60
        radius: 4
        color: "white"
        border.width: idLogoMouse.activeFocus ? 2 : 0
        border.color: idGlobal.infoPageVariableColor

        Image {
            anchors.fill: parent
            anchors.margins: 10
            source: companyData.imageVertical !== "" ? companyData.imageVertical
                                                     : "qrc:/images/company/norvex/logo/norvex_logo.png"
            fillMode: Image.PreserveAspectFit
            mipmap: true
            asynchronous: true
        }
        MouseArea {
            id: idLogoMouse
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            activeFocusOnTab: true
            Accessible.role: Accessible.Link
            Accessible.name: companyData.name
            onClicked: idGlobal.currentPage = idGlobal.pageInfo
            Keys.onReturnPressed: idGlobal.currentPage = idGlobal.pageInfo
            Keys.onEnterPressed: idGlobal.currentPage = idGlobal.pageInfo
            Keys.onSpacePressed: idGlobal.currentPage = idGlobal.pageInfo
        }
    }
}
