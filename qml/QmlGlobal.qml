import QtQuick 2.15

// Shared view state of the window: navigation, mirrored settings and the theme. One instance
// (id idGlobal) lives in main.qml; every page binds to it.
QtObject {
    // Application state mirrored from the records.
    property bool firstStart: true
    property string appCloseMessage: "Do you want to close the application?"
    property string yesText: "Yes"
    property string noText: "No"
    property int visuDelay_ms: 0
    property int backToStatusPageTimeout_sec: 300
    property string softwareInformation: ""
    property string infotextQT: ""
    property string programStartPathQml: ""
    property bool offlineMode: true
    property bool flashMode: false
    property string flasherLogsTextGlobal: ""
    property string flasherLogsTextGlobal2: ""
    property string masterOperationModus: ""
    property string masterOperationModusExtra: ""
    property bool checkBoxAppOpenAsMaximizedChecked: false
    property bool denyAppClosing: false
    property bool showCloseMessage: false
    property bool switchToStatusPage: false
    property string extraMessage_Text: ""
    property string eventMessage_SystemTray: ""
    property string signal14Bezeichnung: "14"
    property string signal24Bezeichnung: "24"
    property string signal34Bezeichnung: "34"

    // Navigation: one text and one visibility per page.
    property string buttonsStart_Text: "Start"
    property bool start_PageVisible: true
    property string buttonsStatus_Text: "Status"
    property bool status_PageVisible: false
    property bool status_ButtonSystemVisible: true
    property string buttonsEvent_Text: "Event"
    property string buttonsTrend_Text: "Trend"
    property bool event_PageVisible: false
    property string buttonsInfos_Text: "About"
    property bool info_PageVisible: false
    property string buttonsProduction_Text: "Production"
    property bool production_PageVisible: false
    property string buttonsParameter_Text: "Parameter"
    property bool buttonsParameter_Selected: false
    property bool parameterGeneral_PageVisible: false
    property bool parameterGeneral_PageEnabled: true
    property string buttonsParameter_General_Text: "General"
    property string buttonsParameter_SignalContact_Text: "Signal contact"
    property bool parameterSignalContact_PageVisible: false
    property string overloadBehaviorFrameLabel: ""
    property bool parameterOverloadBehavior_PageVisible: false
    property string buttonsParameter_OverloadBehavior_Text: "Overload behavior"
    property bool parameterIpcSetting_PageVisible: false
    property bool parameterIpcSetting_PageEnabled: true
    property string buttonsParameter_IpcSettings_Text: "IPC settings"
    property string buttonsSystem_Text: "System"
    property bool buttonsSystem_Selected: false
    property int systemPageNumber: 0
    property bool systemGeneralSetting_PageVisible: false
    property string buttonsSystem_GeneralSettings_Text: "Main"
    property bool systemProgrammStart_PageVisible: false
    property string buttonsSystem_ProgrammStart_Text: "Programm"
    property bool systemEmail_PageVisible: false
    property string buttonsSystem_Email_Text: "Email"
    property string textBackupFile: "Backup"
    property bool buttonsVertical_1_Selected: false
    property bool buttonsVertical_2_Selected: false
    property bool buttonsVertical_3_Selected: false
    property bool buttonsVertical_4_Selected: false
    property bool buttonsVertical_5_Selected: false
    property bool buttonsVertical_6_Selected: false
    property string buttonsVertical_1_Text: ""
    property string buttonsVertical_2_Text: ""
    property string buttonsVertical_3_Text: ""
    property string buttonsVertical_4_Text: ""
    property string buttonsVertical_5_Text: ""
    property string buttonsVertical_6_Text: ""
    property string setUpsParameter_Text: "Setting"
    property string setParameterSettings_Text: ""
    property string buttonsParameter_ApplySetting_Text: "Apply setting"
    property string buttonsParameter_FactorySetting_Text: "Factory setting"
    property string buttonsParameter_SaveSetting_Text: "Save setting"
    property string buttonsParameter_RestoreSetting_Text: "Restore setting"

    // Build flags.
    property bool production_version: false
    property bool debug_version: false
    property bool demo_version: false

    // Device selection and communication.
    property string imageStartPath: ""
    property bool deviceSelected: false
    property bool deviceDetectingAutomatically: true
    property bool comportActive: false
    property string devNoSelected: "No device selected"
    property string devText: devNoSelected

    // Theme, from the vendor record.
    property int infoPageFontPixelSize: companyData.infoPageFontPixelSize
    property color infoPageTextColor: companyData.infoPageTextColor
    property color infoPageVariableColor: companyData.infoPageVariableColor
    property int productionPageFontPixelSize: 12
    property color productionPageTextColor: "#4d4d4d"
    property color productionPageVariableColor: "#50aaec"
    property color buttonSelectedColor: companyData.buttonSelectedColor
    property color buttonSelectedTextColor: companyData.buttonSelectedTextColor
    property color buttonNotSelectedTextColor: companyData.buttonNotSelectedTextColor
    property color bodyColor: "white"
    property color devicesArea_Color: companyData.devicesArea_Color
    property color devicesArea_ButtonDownColor: companyData.devicesArea_ButtonDownColor
    property color devicesArea_ButtonTextColor: companyData.devicesArea_ButtonTextColor
    property int devicesTop: 0
    property int devicesLeft: 0
    property int devicesWidth: companyData.buttonsVerticalArea_ButtonWidth
    property int devicesHeight: companyData.buttonsHorizontalArea_Height
    property int buttonsHorizontalArea_Height: companyData.buttonsHorizontalArea_Height
    property int buttonsHorizontalArea_ButtonWidth: companyData.buttonsHorizontalArea_ButtonWidth
    property color buttonsHorizontalArea_Color: companyData.buttonsHorizontalArea_Color
    property color buttonsHorizontalArea_ButtonColor: companyData.buttonsHorizontalArea_ButtonColor
    property color buttonsHorizontalArea_BorderColor: companyData.buttonsHorizontalArea_BorderColor
    property color buttonsHorizontalArea_ButtonDownColor: companyData.buttonsHorizontalArea_ButtonDownColor
    property color buttonsHorizontalArea_ButtonTextColor: companyData.buttonsHorizontalArea_ButtonTextColor
    property int buttonsHorizontalArea_ButtonFontSize: companyData.buttonsHorizontalArea_ButtonFontSize
    property int startButton_Height: companyData.startButton_Height
    property int startButton_Width: companyData.startButton_Width
    property color startButton_Color: companyData.startButton_Color
    property color startButton_BorderColor: companyData.startButton_BorderColor
    property color startButton_DownColor: companyData.startButton_DownColor
    property color startButton_TextColor: companyData.startButton_TextColor
    property int startButton_FontSize: companyData.startButton_FontSize
    property int buttonsVerticalArea_Height: companyData.buttonsVerticalArea_Height
    property int buttonsVerticalArea_ButtonWidth: companyData.buttonsVerticalArea_ButtonWidth
    property int buttonsVerticalArea_ButtonHeight: companyData.buttonsVerticalArea_ButtonHeight
    property color buttonsVerticalArea_Color: companyData.buttonsVerticalArea_Color
    property color buttonsVerticalArea_BorderColor: companyData.buttonsVerticalArea_BorderColor
    property color buttonsVerticalArea_ButtonDownColor: companyData.buttonsVerticalArea_ButtonDownColor
    property color buttonsVerticalArea_ButtonTextColor: companyData.buttonsVerticalArea_ButtonTextColor
    property int buttonsVerticalArea_ButtonFontSize: companyData.buttonsVerticalArea_ButtonFontSize
    property int mainFootArea_Height: companyData.mainFootArea_Height
    property color mainFootArea_Color: companyData.mainFootArea_Color
    property color main_Color: companyData.main_Color
    property color parameterSettingsColor: companyData.parameterSettingsColor
    property bool show_icon_inTaskbar: companyData.show_icon_inTaskbar

    // Pages of the swipe view, in their order there.
    readonly property int pageStart: 0
    readonly property int pageStatus: 1
    readonly property int pageEvent: 2
    readonly property int pageParameterGeneral: 3
    readonly property int pageSignalOutputs: 4
    readonly property int pageIpc: 5
    readonly property int pageOverload: 6
    readonly property int pageProgramStart: 7
    readonly property int pageEmail: 8
    readonly property int pageSystem: 9
    readonly property int pageInfo: 10
    readonly property int pageProduction: 11
    readonly property int pageTrend: 12
    property int currentPage: pageStart

    // Common measures of the pages, so that every page has the same rhythm.
    property int pageMargin: 16
    property int spacing: 10
    property int fontPixelSize: 14
    property int titlePixelSize: 16
    property int controlHeight: 32
    property int labelWidth: 260

    // The page the window opens on: the program's --page option (start, status, event, trend,
    // email, system, info) where it was given.
    function pageNamed(name) {
        var pages = { "start": pageStart, "status": pageStatus, "event": pageEvent, "system": pageSystem, "trend": pageTrend,
                      "email": pageEmail, "info": pageInfo }
        return pages.hasOwnProperty(name) ? pages[name] : pageStart
    }
    Component.onCompleted: {
        if (typeof startPageName === "string" && startPageName !== "")
            currentPage = pageNamed(startPageName)
    }

    // Alarm colours by the alarm keys of ProcessData: amber for a state the device rides out,
    // red for one that needs action now, grey for no data at all.
    readonly property color alarmValueColor: "#c62828"
    function alarmColor(key) {
        switch (key) {
        case "buffer": return "#d98200"
        case "exchangeStorage": return "#e65100"
        case "overload": return "#c62828"
        case "storageLow": return "#b71c1c"
        case "ipcShutdown": return "#ad1457"
        case "noConnection": return "#616161"
        }
        return "transparent"
    }
}
