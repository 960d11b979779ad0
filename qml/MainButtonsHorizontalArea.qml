import QtQuick 2.15
import QtQuick.Layouts 1.15
import "mainButtons"

// Top row of page buttons. Each button leads to the first page of its group; the button of the
// group on show is drawn selected. The production button exists only in production builds.
Rectangle {
    id: area

    readonly property int page: idGlobal.currentPage
    readonly property bool parameterGroup: page >= idGlobal.pageParameterGeneral && page <= idGlobal.pageOverload
    readonly property bool systemGroup: page >= idGlobal.pageProgramStart && page <= idGlobal.pageSystem
    readonly property int buttonCount: idGlobal.production_version ? 8 : 7
    // Buttons keep their theme width while there is room and share the row evenly when there is not.
    readonly property real buttonWidth: Math.min(idGlobal.buttonsHorizontalArea_ButtonWidth, width / buttonCount)

    color: idGlobal.buttonsHorizontalArea_Color

    // The parameter group opens on its general page; when that is locked but the IPC page is not,
    // it opens there instead.
    function parameterEntryPage() {
        if (!idGlobal.parameterGeneral_PageEnabled && idGlobal.parameterIpcSetting_PageEnabled)
            return idGlobal.pageIpc
        return idGlobal.pageParameterGeneral
    }

    // Mirrors the page on show into the per-page flags of the shared state.
    function publishPageFlags() {
        idGlobal.start_PageVisible = page === idGlobal.pageStart
        idGlobal.status_PageVisible = page === idGlobal.pageStatus
        idGlobal.event_PageVisible = page === idGlobal.pageEvent
        idGlobal.parameterGeneral_PageVisible = page === idGlobal.pageParameterGeneral
        idGlobal.parameterSignalContact_PageVisible = page === idGlobal.pageSignalOutputs
        idGlobal.parameterIpcSetting_PageVisible = page === idGlobal.pageIpc
        idGlobal.parameterOverloadBehavior_PageVisible = page === idGlobal.pageOverload
        idGlobal.systemProgrammStart_PageVisible = page === idGlobal.pageProgramStart
        idGlobal.systemEmail_PageVisible = page === idGlobal.pageEmail
        idGlobal.systemGeneralSetting_PageVisible = page === idGlobal.pageSystem
        idGlobal.info_PageVisible = page === idGlobal.pageInfo
        idGlobal.production_PageVisible = page === idGlobal.pageProduction
        idGlobal.buttonsParameter_Selected = parameterGroup
        idGlobal.buttonsSystem_Selected = systemGroup
        if (page === idGlobal.pageSystem)
            idGlobal.systemPageNumber = 0
        else if (page === idGlobal.pageProgramStart)
            idGlobal.systemPageNumber = 1
        else if (page === idGlobal.pageEmail)
            idGlobal.systemPageNumber = 2
    }
    onPageChanged: publishPageFlags()
    Component.onCompleted: publishPageFlags()

    Row {
        id: idRow
        height: parent.height

        Button_AppHorizontal {
            id: idButtonStart
            objectName: "buttonStart"
            startStyle: true
            width: area.buttonWidth
            height: parent.height
            text: idGlobal.buttonsStart_Text
            selected: area.page === idGlobal.pageStart
            onClicked: idGlobal.currentPage = idGlobal.pageStart
        }
        Button_AppHorizontal {
            objectName: "buttonStatus"
            width: area.buttonWidth
            height: parent.height
            text: idGlobal.buttonsStatus_Text
            selected: area.page === idGlobal.pageStatus
            onClicked: idGlobal.currentPage = idGlobal.pageStatus
        }
        Button_AppHorizontal {
            objectName: "buttonEvent"
            width: area.buttonWidth
            height: parent.height
            text: idGlobal.buttonsEvent_Text
            selected: area.page === idGlobal.pageEvent
            onClicked: idGlobal.currentPage = idGlobal.pageEvent
        }
        Button_AppHorizontal {
            objectName: "buttonTrend"
            width: area.buttonWidth
            height: parent.height
            text: idGlobal.buttonsTrend_Text
            selected: area.page === idGlobal.pageTrend
            onClicked: idGlobal.currentPage = idGlobal.pageTrend
        }
        Button_AppHorizontal {
            objectName: "buttonParameter"
            width: area.buttonWidth
            height: parent.height
            text: idGlobal.buttonsParameter_Text
            selected: area.parameterGroup
            onClicked: idGlobal.currentPage = area.parameterEntryPage()
        }
        Button_AppHorizontal {
            objectName: "buttonSystem"
            width: area.buttonWidth
            height: parent.height
            text: idGlobal.buttonsSystem_Text
            selected: area.systemGroup
            onClicked: idGlobal.currentPage = idGlobal.pageSystem
        }
        Button_AppHorizontal {
            objectName: "buttonAbout"
            width: area.buttonWidth
            height: parent.height
            text: idGlobal.buttonsInfos_Text
            selected: area.page === idGlobal.pageInfo
            onClicked: idGlobal.currentPage = idGlobal.pageInfo
        }
        Button_AppHorizontal {
            objectName: "buttonProduction"
            visible: idGlobal.production_version
            width: area.buttonWidth
            height: parent.height
            text: idGlobal.buttonsProduction_Text
            selected: area.page === idGlobal.pageProduction
            onClicked: idGlobal.currentPage = idGlobal.pageProduction
        }
    }
}
