// The value records that carry the back end's state to the QML pages.
// Every member is a QML property of the same name, in this order; QML binds to the names.
#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>

struct StartWindowStruct {
  Q_GADGET
  Q_PROPERTY(int currentDevice MEMBER currentDevice)

public:
  int currentDevice{0};
};

struct PcShutdownStruct {
  Q_GADGET
  Q_PROPERTY(QString u_pcShutdown_image MEMBER u_pcShutdown_image)
  Q_PROPERTY(QString u_pcShutdown_image_color MEMBER u_pcShutdown_image_color)
  Q_PROPERTY(QString groupBoxPcShutdown_Text MEMBER groupBoxPcShutdown_Text)
  Q_PROPERTY(QString shutdownTime_Text MEMBER shutdownTime_Text)
  Q_PROPERTY(bool pcShutdownEnable MEMBER pcShutdownEnable)
  Q_PROPERTY(QString pcShutdownConfirm_Text MEMBER pcShutdownConfirm_Text)
  Q_PROPERTY(QString pcShutdownCountdown_Text MEMBER pcShutdownCountdown_Text)
  Q_PROPERTY(bool pcShutdownFailed MEMBER pcShutdownFailed)
  Q_PROPERTY(QString pcShutdownCancel_Text MEMBER pcShutdownCancel_Text)

public:
  QString u_pcShutdown_image;
  QString u_pcShutdown_image_color;
  QString groupBoxPcShutdown_Text;
  QString shutdownTime_Text;
  bool pcShutdownEnable{false};
  QString pcShutdownConfirm_Text;   // the question before the user allows the shutdown
  QString pcShutdownCountdown_Text; // the seconds left while the device asks; empty otherwise
  bool pcShutdownFailed{false};     // the text says that the command failed and why
  QString pcShutdownCancel_Text;    // the banner's cancel button; empty: no button
};

struct StatusWindowStruct {
  Q_GADGET
  Q_PROPERTY(QString poti_image MEMBER poti_image)
  Q_PROPERTY(QString infos_image MEMBER infos_image)
  Q_PROPERTY(QString deviceInfoTitel MEMBER deviceInfoTitel)
  Q_PROPERTY(QString softwareInformation MEMBER softwareInformation)
  Q_PROPERTY(QString infotextQT MEMBER infotextQT)

public:
  QString poti_image;
  QString infos_image;
  QString deviceInfoTitel;
  QString softwareInformation;
  QString infotextQT;
};

struct MainWindowStruct {
  Q_GADGET
  Q_PROPERTY(QString setFactorySettings_Bezeichnung MEMBER setFactorySettings_Bezeichnung)
  Q_PROPERTY(QString saveSettings_Bezeichnung MEMBER saveSettings_Bezeichnung)
  Q_PROPERTY(QString restoreSettings_Bezeichnung MEMBER restoreSettings_Bezeichnung)
  Q_PROPERTY(QString setParameterSettings_Bezeichnung MEMBER setParameterSettings_Bezeichnung)
  Q_PROPERTY(QString applySetting_Bezeichnung MEMBER applySetting_Bezeichnung)
  Q_PROPERTY(QString setUpsParameter_Bezeichnung MEMBER setUpsParameter_Bezeichnung)
  Q_PROPERTY(QString runProgram_Button MEMBER runProgram_Button)
  Q_PROPERTY(QString start_Button MEMBER start_Button)
  Q_PROPERTY(QString status_Button MEMBER status_Button)
  Q_PROPERTY(QString about_Button MEMBER about_Button)
  Q_PROPERTY(QString event_Button MEMBER event_Button)
  Q_PROPERTY(QString parameter_Button MEMBER parameter_Button)
  Q_PROPERTY(QString generalSystem_Button MEMBER generalSystem_Button)
  Q_PROPERTY(QString ipcSettungsSystem_Button MEMBER ipcSettungsSystem_Button)
  Q_PROPERTY(QString generalParamter_Button MEMBER generalParamter_Button)
  Q_PROPERTY(QString overloadBehaviorParamter_Button MEMBER overloadBehaviorParamter_Button)

public:
  QString setFactorySettings_Bezeichnung;
  QString saveSettings_Bezeichnung;
  QString restoreSettings_Bezeichnung;
  QString setParameterSettings_Bezeichnung;
  QString applySetting_Bezeichnung;
  QString setUpsParameter_Bezeichnung;
  QString runProgram_Button;
  QString start_Button;
  QString status_Button;
  QString about_Button;
  QString event_Button;
  QString parameter_Button;
  QString generalSystem_Button;
  QString ipcSettungsSystem_Button;
  QString generalParamter_Button;
  QString overloadBehaviorParamter_Button;
};

struct IpcSettingStruct {
  Q_GADGET
  Q_PROPERTY(QString delayTime_Label MEMBER delayTime_Label)
  Q_PROPERTY(QString ipcShutdownTime_Label MEMBER ipcShutdownTime_Label)
  Q_PROPERTY(QString ipcIdleTime_Label MEMBER ipcIdleTime_Label)
  Q_PROPERTY(QString u_in_image MEMBER u_in_image)
  Q_PROPERTY(QString u_in_image_color MEMBER u_in_image_color)
  Q_PROPERTY(QString u_out_image MEMBER u_out_image)
  Q_PROPERTY(QString u_out_image_color MEMBER u_out_image_color)
  Q_PROPERTY(QString signal_image MEMBER signal_image)
  Q_PROPERTY(QString signal_image_color MEMBER signal_image_color)
  Q_PROPERTY(QString ipc_image MEMBER ipc_image)
  Q_PROPERTY(QString ipc_image_color MEMBER ipc_image_color)
  Q_PROPERTY(QString pc_image MEMBER pc_image)
  Q_PROPERTY(QString pc_image_color MEMBER pc_image_color)
  Q_PROPERTY(QString IpcEnable_label MEMBER IpcEnable_label)
  Q_PROPERTY(QString IpcEnableCheckbox_Text MEMBER IpcEnableCheckbox_Text)
  Q_PROPERTY(QString textFastStartupMessage MEMBER textFastStartupMessage)

public:
  QString delayTime_Label;
  QString ipcShutdownTime_Label;
  QString ipcIdleTime_Label;
  QString u_in_image;
  QString u_in_image_color;
  QString u_out_image;
  QString u_out_image_color;
  QString signal_image;
  QString signal_image_color;
  QString ipc_image;
  QString ipc_image_color;
  QString pc_image;
  QString pc_image_color;
  QString IpcEnable_label;
  QString IpcEnableCheckbox_Text;
  QString textFastStartupMessage;
};

struct SystemWindowStruct {
  Q_GADGET
  Q_PROPERTY(QString textLanguage MEMBER textLanguage)
  Q_PROPERTY(QString textTemperatureUnit MEMBER textTemperatureUnit)
  Q_PROPERTY(QString textStartTalvanewithPcStart MEMBER textStartTalvanewithPcStart)
  Q_PROPERTY(QString textGroupBoxCommunication MEMBER textGroupBoxCommunication)
  Q_PROPERTY(QString textAutomaticDeviceScanning MEMBER textAutomaticDeviceScanning)
  Q_PROPERTY(QString textCommunicationPort MEMBER textCommunicationPort)
  Q_PROPERTY(QString textGroupBoxSettings MEMBER textGroupBoxSettings)
  Q_PROPERTY(QString textBackupFile MEMBER textBackupFile)
  Q_PROPERTY(QString saveAsCsv MEMBER saveAsCsv)
  Q_PROPERTY(QString clearEvents MEMBER clearEvents)
  Q_PROPERTY(QString currentStateIndicator MEMBER currentStateIndicator)
  Q_PROPERTY(QString eventsProtocol MEMBER eventsProtocol)
  Q_PROPERTY(QString signalContact MEMBER signalContact)
  Q_PROPERTY(QString overloadSettings MEMBER overloadSettings)
  Q_PROPERTY(QString overloadPossible MEMBER overloadPossible)
  Q_PROPERTY(QString appOpenAsMaximized MEMBER appOpenAsMaximized)
  Q_PROPERTY(QString textShowCloseMessage MEMBER textShowCloseMessage)
  Q_PROPERTY(QString textSwitchToStatusPage MEMBER textSwitchToStatusPage)
  Q_PROPERTY(QString textDenyAppClosing MEMBER textDenyAppClosing)
  Q_PROPERTY(QString textLoadConfigFileMessage MEMBER textLoadConfigFileMessage)
  Q_PROPERTY(QString tableViewColumnDevice MEMBER tableViewColumnDevice)
  Q_PROPERTY(QString tableViewColumnDate MEMBER tableViewColumnDate)
  Q_PROPERTY(QString tableViewColumnTime MEMBER tableViewColumnTime)
  Q_PROPERTY(QString tableViewColumnEvent MEMBER tableViewColumnEvent)
  Q_PROPERTY(QString appCloseMessage MEMBER appCloseMessage)
  Q_PROPERTY(QString yesText MEMBER yesText)
  Q_PROPERTY(QString noText MEMBER noText)

public:
  QString textLanguage;
  QString textTemperatureUnit;
  QString textStartTalvanewithPcStart;
  QString textGroupBoxCommunication;
  QString textAutomaticDeviceScanning;
  QString textCommunicationPort;
  QString textGroupBoxSettings;
  QString textBackupFile;
  QString saveAsCsv;
  QString clearEvents;
  QString currentStateIndicator;
  QString eventsProtocol;
  QString signalContact;
  QString overloadSettings;
  QString overloadPossible;
  QString appOpenAsMaximized;
  QString textShowCloseMessage;
  QString textSwitchToStatusPage;
  QString textDenyAppClosing;
  QString textLoadConfigFileMessage;
  QString tableViewColumnDevice;
  QString tableViewColumnDate;
  QString tableViewColumnTime;
  QString tableViewColumnEvent;
  QString appCloseMessage;
  QString yesText;
  QString noText;
};

struct ProductionWindowStruct {
  Q_GADGET
  Q_PROPERTY(QString slaveID_text MEMBER slaveID_text)
  Q_PROPERTY(int slaveID MEMBER slaveID)
  Q_PROPERTY(QString slaveID_extra_text MEMBER slaveID_extra_text)
  Q_PROPERTY(QString sn_text MEMBER sn_text)
  Q_PROPERTY(QString sn MEMBER sn)
  Q_PROPERTY(QString fa_text MEMBER fa_text)
  Q_PROPERTY(QString fa MEMBER fa)
  Q_PROPERTY(QString write_button_Text MEMBER write_button_Text)
  Q_PROPERTY(QString calibrationResponse_Text MEMBER calibrationResponse_Text)
  Q_PROPERTY(QStringList calibrationCommandsText MEMBER calibrationCommandsText)
  Q_PROPERTY(QString calibrationCommandsInfo MEMBER calibrationCommandsInfo)
  Q_PROPERTY(QString calibrationLogsText MEMBER calibrationLogsText)
  Q_PROPERTY(QStringList deviceNameList MEMBER deviceNameList)
  Q_PROPERTY(QStringList devicesList_withFtdFirmwareUpdate MEMBER devicesList_withFtdFirmwareUpdate)
  Q_PROPERTY(QString flasherLogsText MEMBER flasherLogsText)
  Q_PROPERTY(QString flasherLogsTextGlobal MEMBER flasherLogsTextGlobal)
  Q_PROPERTY(QString flasherLogsTextGlobal2 MEMBER flasherLogsTextGlobal2)
  Q_PROPERTY(bool firmwareUpdateWithFtdi MEMBER firmwareUpdateWithFtdi)
  Q_PROPERTY(int firmwareProgress MEMBER firmwareProgress)

public:
  QString slaveID_text;
  int slaveID{0};
  QString slaveID_extra_text;
  QString sn_text;
  QString sn;
  QString fa_text;
  QString fa;
  QString write_button_Text;
  QString calibrationResponse_Text;
  QStringList calibrationCommandsText;
  QString calibrationCommandsInfo;
  QString calibrationLogsText;
  QStringList deviceNameList;
  QStringList devicesList_withFtdFirmwareUpdate;
  QString flasherLogsText;
  QString flasherLogsTextGlobal;
  QString flasherLogsTextGlobal2;
  bool firmwareUpdateWithFtdi{false};
  int firmwareProgress{-1}; // 0..1000 of the running firmware transfer; -1: none
};

struct DeviceParameterStruct {
  Q_GADGET
  Q_PROPERTY(QString limitsFrameLabel MEMBER limitsFrameLabel)
  Q_PROPERTY(QString managementFrameLabel MEMBER managementFrameLabel)
  Q_PROPERTY(QString limitsLabel_ComboBox1 MEMBER limitsLabel_ComboBox1)
  Q_PROPERTY(QStringList limitsList_ComboBox1 MEMBER limitsList_ComboBox1)
  Q_PROPERTY(QString limitsLabel_ComboBox2 MEMBER limitsLabel_ComboBox2)
  Q_PROPERTY(QStringList limitsList_ComboBox2 MEMBER limitsList_ComboBox2)
  Q_PROPERTY(QString limitsLabel_ComboBox3 MEMBER limitsLabel_ComboBox3)
  Q_PROPERTY(QStringList limitsList_ComboBox3 MEMBER limitsList_ComboBox3)
  Q_PROPERTY(QString limitsLabel_ComboBox4 MEMBER limitsLabel_ComboBox4)
  Q_PROPERTY(QStringList limitsList_ComboBox4 MEMBER limitsList_ComboBox4)
  Q_PROPERTY(QString limitsLabel_ComboBox5 MEMBER limitsLabel_ComboBox5)
  Q_PROPERTY(QStringList limitsList_ComboBox5 MEMBER limitsList_ComboBox5)
  Q_PROPERTY(QString managementLabel_CheckBox1 MEMBER managementLabel_CheckBox1)
  Q_PROPERTY(bool managementEnable_CheckBox1 MEMBER managementEnable_CheckBox1)
  Q_PROPERTY(QString management_slider_Image1 MEMBER management_slider_Image1)
  Q_PROPERTY(QString managementLabel_CheckBox2 MEMBER managementLabel_CheckBox2)
  Q_PROPERTY(bool managementEnable_CheckBox2 MEMBER managementEnable_CheckBox2)
  Q_PROPERTY(QString managementLabel_CheckBox3 MEMBER managementLabel_CheckBox3)
  Q_PROPERTY(bool managementEnable_CheckBox3 MEMBER managementEnable_CheckBox3)
  Q_PROPERTY(QString managementLabel_ComboBox1 MEMBER managementLabel_ComboBox1)
  Q_PROPERTY(QString managementLabel_Slider1 MEMBER managementLabel_Slider1)
  Q_PROPERTY(QString managementLabel_Slider1_right MEMBER managementLabel_Slider1_right)
  Q_PROPERTY(QString managementLabel_Slider1_left MEMBER managementLabel_Slider1_left)
  Q_PROPERTY(QStringList managementList_ComboBox1 MEMBER managementList_ComboBox1)
  Q_PROPERTY(int managementSelText_ComboBox1 MEMBER managementSelText_ComboBox1)
  Q_PROPERTY(QString managementLabel_ComboBox2 MEMBER managementLabel_ComboBox2)
  Q_PROPERTY(QStringList managementList_ComboBox2 MEMBER managementList_ComboBox2)
  Q_PROPERTY(int managementSelText_ComboBox2 MEMBER managementSelText_ComboBox2)
  Q_PROPERTY(QString managementLabel_ComboBox3 MEMBER managementLabel_ComboBox3)
  Q_PROPERTY(QStringList managementList_ComboBox3 MEMBER managementList_ComboBox3)
  Q_PROPERTY(int managementSelText_ComboBox3 MEMBER managementSelText_ComboBox3)
  Q_PROPERTY(QString bufferCurentLimit_Label MEMBER bufferCurentLimit_Label)
  Q_PROPERTY(QStringList bufferCurentLimit_List MEMBER bufferCurentLimit_List)
  Q_PROPERTY(QString powerBoost_Label MEMBER powerBoost_Label)
  Q_PROPERTY(QString topBoost_Label MEMBER topBoost_Label)
  Q_PROPERTY(QString overloadBehaviorFrameLabel MEMBER overloadBehaviorFrameLabel)
  Q_PROPERTY(QString overloadBehavior_Label_CheckBox1 MEMBER overloadBehavior_Label_CheckBox1)
  Q_PROPERTY(QString overloadBehavior_Label_CheckBox2 MEMBER overloadBehavior_Label_CheckBox2)
  Q_PROPERTY(QString overloadBehavior_Label_Buttom1 MEMBER overloadBehavior_Label_Buttom1)
  Q_PROPERTY(QString bufferTime_8hVDE_Label MEMBER bufferTime_8hVDE_Label)
  Q_PROPERTY(QString bufferTimeMax_Label MEMBER bufferTimeMax_Label)
  Q_PROPERTY(QString bufferTimeMin_Label MEMBER bufferTimeMin_Label)
  Q_PROPERTY(QString advancedSettingsLabel MEMBER advancedSettingsLabel)
  Q_PROPERTY(QString advancedSettingsLabel_CheckBox1 MEMBER advancedSettingsLabel_CheckBox1)
  Q_PROPERTY(QString advancedSettingsLabel_CheckBox2 MEMBER advancedSettingsLabel_CheckBox2)
  Q_PROPERTY(QString stateOfCharging_Label MEMBER stateOfCharging_Label)
  Q_PROPERTY(QString stateOfChargingLowLevel_Label MEMBER stateOfChargingLowLevel_Label)
  Q_PROPERTY(QString stateOfChargingHighLevel_Label MEMBER stateOfChargingHighLevel_Label)
  Q_PROPERTY(QStringList allowedRange_TextBox MEMBER allowedRange_TextBox)

public:
  QString limitsFrameLabel;
  QString managementFrameLabel;
  QString limitsLabel_ComboBox1;
  QStringList limitsList_ComboBox1;
  QString limitsLabel_ComboBox2;
  QStringList limitsList_ComboBox2;
  QString limitsLabel_ComboBox3;
  QStringList limitsList_ComboBox3;
  QString limitsLabel_ComboBox4;
  QStringList limitsList_ComboBox4;
  QString limitsLabel_ComboBox5;
  QStringList limitsList_ComboBox5;
  QString managementLabel_CheckBox1;
  bool managementEnable_CheckBox1{false};
  QString management_slider_Image1;
  QString managementLabel_CheckBox2;
  bool managementEnable_CheckBox2{false};
  QString managementLabel_CheckBox3;
  bool managementEnable_CheckBox3{false};
  QString managementLabel_ComboBox1;
  QString managementLabel_Slider1;
  QString managementLabel_Slider1_right;
  QString managementLabel_Slider1_left;
  QStringList managementList_ComboBox1;
  int managementSelText_ComboBox1{0};
  QString managementLabel_ComboBox2;
  QStringList managementList_ComboBox2;
  int managementSelText_ComboBox2{0};
  QString managementLabel_ComboBox3;
  QStringList managementList_ComboBox3;
  int managementSelText_ComboBox3{0};
  QString bufferCurentLimit_Label;
  QStringList bufferCurentLimit_List;
  QString powerBoost_Label;
  QString topBoost_Label;
  QString overloadBehaviorFrameLabel;
  QString overloadBehavior_Label_CheckBox1;
  QString overloadBehavior_Label_CheckBox2;
  QString overloadBehavior_Label_Buttom1;
  QString bufferTime_8hVDE_Label;
  QString bufferTimeMax_Label;
  QString bufferTimeMin_Label;
  QString advancedSettingsLabel;
  QString advancedSettingsLabel_CheckBox1;
  QString advancedSettingsLabel_CheckBox2;
  QString stateOfCharging_Label;
  QString stateOfChargingLowLevel_Label;
  QString stateOfChargingHighLevel_Label;
  // What the text fields take: 0-3 the limits boxes, 4-6 the IPC times; empty where any value goes.
  QStringList allowedRange_TextBox;
};

struct SignalOutputsStruct {
  Q_GADGET
  Q_PROPERTY(int ipcSignalNumber MEMBER ipcSignalNumber)
  Q_PROPERTY(QString signal14_Bezeichnung MEMBER signal14_Bezeichnung)
  Q_PROPERTY(bool signal14_Inverted MEMBER signal14_Inverted)
  Q_PROPERTY(QString signal24_Bezeichnung MEMBER signal24_Bezeichnung)
  Q_PROPERTY(bool signal24_Inverted MEMBER signal24_Inverted)
  Q_PROPERTY(QString signal34_Bezeichnung MEMBER signal34_Bezeichnung)
  Q_PROPERTY(bool signal34_Inverted MEMBER signal34_Inverted)
  Q_PROPERTY(QString signalInverted_Bezeichnung MEMBER signalInverted_Bezeichnung)
  Q_PROPERTY(bool signal14_Inverted_enabled MEMBER signal14_Inverted_enabled)
  Q_PROPERTY(bool signal24_Inverted_enabled MEMBER signal24_Inverted_enabled)
  Q_PROPERTY(bool signal34_Inverted_enabled MEMBER signal34_Inverted_enabled)
  Q_PROPERTY(QString signal_Label_Row1 MEMBER signal_Label_Row1)
  Q_PROPERTY(bool signal14_Row1 MEMBER signal14_Row1)
  Q_PROPERTY(bool signal24_Row1 MEMBER signal24_Row1)
  Q_PROPERTY(bool signal34_Row1 MEMBER signal34_Row1)
  Q_PROPERTY(bool signal14_enabled_Row1 MEMBER signal14_enabled_Row1)
  Q_PROPERTY(bool signal24_enabled_Row1 MEMBER signal24_enabled_Row1)
  Q_PROPERTY(bool signal34_enabled_Row1 MEMBER signal34_enabled_Row1)
  Q_PROPERTY(QString signalEvent_Label MEMBER signalEvent_Label)
  Q_PROPERTY(QString signal_Label_Row2 MEMBER signal_Label_Row2)
  Q_PROPERTY(bool signal14_Row2 MEMBER signal14_Row2)
  Q_PROPERTY(bool signal24_Row2 MEMBER signal24_Row2)
  Q_PROPERTY(bool signal34_Row2 MEMBER signal34_Row2)
  Q_PROPERTY(bool signal14_enabled_Row2 MEMBER signal14_enabled_Row2)
  Q_PROPERTY(bool signal24_enabled_Row2 MEMBER signal24_enabled_Row2)
  Q_PROPERTY(bool signal34_enabled_Row2 MEMBER signal34_enabled_Row2)
  Q_PROPERTY(QString signal_Label_Row3 MEMBER signal_Label_Row3)
  Q_PROPERTY(bool signal14_Row3 MEMBER signal14_Row3)
  Q_PROPERTY(bool signal24_Row3 MEMBER signal24_Row3)
  Q_PROPERTY(bool signal34_Row3 MEMBER signal34_Row3)
  Q_PROPERTY(bool signal14_enabled_Row3 MEMBER signal14_enabled_Row3)
  Q_PROPERTY(bool signal24_enabled_Row3 MEMBER signal24_enabled_Row3)
  Q_PROPERTY(bool signal34_enabled_Row3 MEMBER signal34_enabled_Row3)
  Q_PROPERTY(QString signal_Label_Row4 MEMBER signal_Label_Row4)
  Q_PROPERTY(bool signal14_Row4 MEMBER signal14_Row4)
  Q_PROPERTY(bool signal24_Row4 MEMBER signal24_Row4)
  Q_PROPERTY(bool signal34_Row4 MEMBER signal34_Row4)
  Q_PROPERTY(bool signal14_enabled_Row4 MEMBER signal14_enabled_Row4)
  Q_PROPERTY(bool signal24_enabled_Row4 MEMBER signal24_enabled_Row4)
  Q_PROPERTY(bool signal34_enabled_Row4 MEMBER signal34_enabled_Row4)
  Q_PROPERTY(QString signal_Label_Row5 MEMBER signal_Label_Row5)
  Q_PROPERTY(bool signal14_Row5 MEMBER signal14_Row5)
  Q_PROPERTY(bool signal24_Row5 MEMBER signal24_Row5)
  Q_PROPERTY(bool signal34_Row5 MEMBER signal34_Row5)
  Q_PROPERTY(bool signal14_enabled_Row5 MEMBER signal14_enabled_Row5)
  Q_PROPERTY(bool signal24_enabled_Row5 MEMBER signal24_enabled_Row5)
  Q_PROPERTY(bool signal34_enabled_Row5 MEMBER signal34_enabled_Row5)
  Q_PROPERTY(QString signal_Label_Row6 MEMBER signal_Label_Row6)
  Q_PROPERTY(bool signal14_Row6 MEMBER signal14_Row6)
  Q_PROPERTY(bool signal24_Row6 MEMBER signal24_Row6)
  Q_PROPERTY(bool signal34_Row6 MEMBER signal34_Row6)
  Q_PROPERTY(bool signal14_enabled_Row6 MEMBER signal14_enabled_Row6)
  Q_PROPERTY(bool signal24_enabled_Row6 MEMBER signal24_enabled_Row6)
  Q_PROPERTY(bool signal34_enabled_Row6 MEMBER signal34_enabled_Row6)
  Q_PROPERTY(QString signal_Label_Row7 MEMBER signal_Label_Row7)
  Q_PROPERTY(bool signal14_Row7 MEMBER signal14_Row7)
  Q_PROPERTY(bool signal24_Row7 MEMBER signal24_Row7)
  Q_PROPERTY(bool signal34_Row7 MEMBER signal34_Row7)
  Q_PROPERTY(bool signal14_enabled_Row7 MEMBER signal14_enabled_Row7)
  Q_PROPERTY(bool signal24_enabled_Row7 MEMBER signal24_enabled_Row7)
  Q_PROPERTY(bool signal34_enabled_Row7 MEMBER signal34_enabled_Row7)
  Q_PROPERTY(QString signal_Label_Row8 MEMBER signal_Label_Row8)
  Q_PROPERTY(bool signal14_Row8 MEMBER signal14_Row8)
  Q_PROPERTY(bool signal24_Row8 MEMBER signal24_Row8)
  Q_PROPERTY(bool signal34_Row8 MEMBER signal34_Row8)
  Q_PROPERTY(bool signal14_enabled_Row8 MEMBER signal14_enabled_Row8)
  Q_PROPERTY(bool signal24_enabled_Row8 MEMBER signal24_enabled_Row8)
  Q_PROPERTY(bool signal34_enabled_Row8 MEMBER signal34_enabled_Row8)
  Q_PROPERTY(QString signal_Label_Row9 MEMBER signal_Label_Row9)
  Q_PROPERTY(bool signal14_Row9 MEMBER signal14_Row9)
  Q_PROPERTY(bool signal24_Row9 MEMBER signal24_Row9)
  Q_PROPERTY(bool signal34_Row9 MEMBER signal34_Row9)
  Q_PROPERTY(bool signal14_enabled_Row9 MEMBER signal14_enabled_Row9)
  Q_PROPERTY(bool signal24_enabled_Row9 MEMBER signal24_enabled_Row9)
  Q_PROPERTY(bool signal34_enabled_Row9 MEMBER signal34_enabled_Row9)
  Q_PROPERTY(QString signal_Label_Row10 MEMBER signal_Label_Row10)
  Q_PROPERTY(bool signal14_Row10 MEMBER signal14_Row10)
  Q_PROPERTY(bool signal24_Row10 MEMBER signal24_Row10)
  Q_PROPERTY(bool signal34_Row10 MEMBER signal34_Row10)
  Q_PROPERTY(bool signal14_enabled_Row10 MEMBER signal14_enabled_Row10)
  Q_PROPERTY(bool signal24_enabled_Row10 MEMBER signal24_enabled_Row10)
  Q_PROPERTY(bool signal34_enabled_Row10 MEMBER signal34_enabled_Row10)
  Q_PROPERTY(QString signal_Label_Row11 MEMBER signal_Label_Row11)
  Q_PROPERTY(bool signal14_Row11 MEMBER signal14_Row11)
  Q_PROPERTY(bool signal24_Row11 MEMBER signal24_Row11)
  Q_PROPERTY(bool signal34_Row11 MEMBER signal34_Row11)
  Q_PROPERTY(bool signal14_enabled_Row11 MEMBER signal14_enabled_Row11)
  Q_PROPERTY(bool signal24_enabled_Row11 MEMBER signal24_enabled_Row11)
  Q_PROPERTY(bool signal34_enabled_Row11 MEMBER signal34_enabled_Row11)
  Q_PROPERTY(QString signal_Label_Row12 MEMBER signal_Label_Row12)
  Q_PROPERTY(bool signal14_Row12 MEMBER signal14_Row12)
  Q_PROPERTY(bool signal24_Row12 MEMBER signal24_Row12)
  Q_PROPERTY(bool signal34_Row12 MEMBER signal34_Row12)
  Q_PROPERTY(bool signal14_enabled_Row12 MEMBER signal14_enabled_Row12)
  Q_PROPERTY(bool signal24_enabled_Row12 MEMBER signal24_enabled_Row12)
  Q_PROPERTY(bool signal34_enabled_Row12 MEMBER signal34_enabled_Row12)
  Q_PROPERTY(QString signal_Label_Row13 MEMBER signal_Label_Row13)
  Q_PROPERTY(bool signal14_Row13 MEMBER signal14_Row13)
  Q_PROPERTY(bool signal24_Row13 MEMBER signal24_Row13)
  Q_PROPERTY(bool signal34_Row13 MEMBER signal34_Row13)
  Q_PROPERTY(bool signal14_enabled_Row13 MEMBER signal14_enabled_Row13)
  Q_PROPERTY(bool signal24_enabled_Row13 MEMBER signal24_enabled_Row13)
  Q_PROPERTY(bool signal34_enabled_Row13 MEMBER signal34_enabled_Row13)
  Q_PROPERTY(QString signal_Label_Row14 MEMBER signal_Label_Row14)
  Q_PROPERTY(bool signal14_Row14 MEMBER signal14_Row14)
  Q_PROPERTY(bool signal24_Row14 MEMBER signal24_Row14)
  Q_PROPERTY(bool signal34_Row14 MEMBER signal34_Row14)
  Q_PROPERTY(bool signal14_enabled_Row14 MEMBER signal14_enabled_Row14)
  Q_PROPERTY(bool signal24_enabled_Row14 MEMBER signal24_enabled_Row14)
  Q_PROPERTY(bool signal34_enabled_Row14 MEMBER signal34_enabled_Row14)

public:
  int ipcSignalNumber{0};
  QString signal14_Bezeichnung;
  bool signal14_Inverted{false};
  QString signal24_Bezeichnung;
  bool signal24_Inverted{false};
  QString signal34_Bezeichnung;
  bool signal34_Inverted{false};
  QString signalInverted_Bezeichnung;
  bool signal14_Inverted_enabled{false};
  bool signal24_Inverted_enabled{false};
  bool signal34_Inverted_enabled{false};
  QString signal_Label_Row1;
  bool signal14_Row1{false};
  bool signal24_Row1{false};
  bool signal34_Row1{false};
  bool signal14_enabled_Row1{false};
  bool signal24_enabled_Row1{false};
  bool signal34_enabled_Row1{false};
  QString signalEvent_Label;
  QString signal_Label_Row2;
  bool signal14_Row2{false};
  bool signal24_Row2{false};
  bool signal34_Row2{false};
  bool signal14_enabled_Row2{false};
  bool signal24_enabled_Row2{false};
  bool signal34_enabled_Row2{false};
  QString signal_Label_Row3;
  bool signal14_Row3{false};
  bool signal24_Row3{false};
  bool signal34_Row3{false};
  bool signal14_enabled_Row3{false};
  bool signal24_enabled_Row3{false};
  bool signal34_enabled_Row3{false};
  QString signal_Label_Row4;
  bool signal14_Row4{false};
  bool signal24_Row4{false};
  bool signal34_Row4{false};
  bool signal14_enabled_Row4{false};
  bool signal24_enabled_Row4{false};
  bool signal34_enabled_Row4{false};
  QString signal_Label_Row5;
  bool signal14_Row5{false};
  bool signal24_Row5{false};
  bool signal34_Row5{false};
  bool signal14_enabled_Row5{false};
  bool signal24_enabled_Row5{false};
  bool signal34_enabled_Row5{false};
  QString signal_Label_Row6;
  bool signal14_Row6{false};
  bool signal24_Row6{false};
  bool signal34_Row6{false};
  bool signal14_enabled_Row6{false};
  bool signal24_enabled_Row6{false};
  bool signal34_enabled_Row6{false};
  QString signal_Label_Row7;
  bool signal14_Row7{false};
  bool signal24_Row7{false};
  bool signal34_Row7{false};
  bool signal14_enabled_Row7{false};
  bool signal24_enabled_Row7{false};
  bool signal34_enabled_Row7{false};
  QString signal_Label_Row8;
  bool signal14_Row8{false};
  bool signal24_Row8{false};
  bool signal34_Row8{false};
  bool signal14_enabled_Row8{false};
  bool signal24_enabled_Row8{false};
  bool signal34_enabled_Row8{false};
  QString signal_Label_Row9;
  bool signal14_Row9{false};
  bool signal24_Row9{false};
  bool signal34_Row9{false};
  bool signal14_enabled_Row9{false};
  bool signal24_enabled_Row9{false};
  bool signal34_enabled_Row9{false};
  QString signal_Label_Row10;
  bool signal14_Row10{false};
  bool signal24_Row10{false};
  bool signal34_Row10{false};
  bool signal14_enabled_Row10{false};
  bool signal24_enabled_Row10{false};
  bool signal34_enabled_Row10{false};
  QString signal_Label_Row11;
  bool signal14_Row11{false};
  bool signal24_Row11{false};
  bool signal34_Row11{false};
  bool signal14_enabled_Row11{false};
  bool signal24_enabled_Row11{false};
  bool signal34_enabled_Row11{false};
  QString signal_Label_Row12;
  bool signal14_Row12{false};
  bool signal24_Row12{false};
  bool signal34_Row12{false};
  bool signal14_enabled_Row12{false};
  bool signal24_enabled_Row12{false};
  bool signal34_enabled_Row12{false};
  QString signal_Label_Row13;
  bool signal14_Row13{false};
  bool signal24_Row13{false};
  bool signal34_Row13{false};
  bool signal14_enabled_Row13{false};
  bool signal24_enabled_Row13{false};
  bool signal34_enabled_Row13{false};
  QString signal_Label_Row14;
  bool signal14_Row14{false};
  bool signal24_Row14{false};
  bool signal34_Row14{false};
  bool signal14_enabled_Row14{false};
  bool signal24_enabled_Row14{false};
  bool signal34_enabled_Row14{false};
};

struct ProgramstartWindowStruct {
  Q_GADGET
  Q_PROPERTY(QString programstartDelay_label MEMBER programstartDelay_label)
  Q_PROPERTY(QString programstartPath_label MEMBER programstartPath_label)
  Q_PROPERTY(QString programstartButtonBrowser_label MEMBER programstartButtonBrowser_label)
  Q_PROPERTY(QString programstartButtonTest_label MEMBER programstartButtonTest_label)
  Q_PROPERTY(QString programstart_activ_text MEMBER programstart_activ_text)
  Q_PROPERTY(QString programStartIfEventsOccurs_text MEMBER programStartIfEventsOccurs_text)
  Q_PROPERTY(QString defaultPath1 MEMBER defaultPath1)
  Q_PROPERTY(QString defaultPath2 MEMBER defaultPath2)
  Q_PROPERTY(int Hours1_CurrentIndex MEMBER Hours1_CurrentIndex)
  Q_PROPERTY(int Minutes1_CurrentIndex MEMBER Minutes1_CurrentIndex)
  Q_PROPERTY(int Seconds1_CurrentIndex MEMBER Seconds1_CurrentIndex)
  Q_PROPERTY(int Hours2_CurrentIndex MEMBER Hours2_CurrentIndex)
  Q_PROPERTY(int Minutes2_CurrentIndex MEMBER Minutes2_CurrentIndex)
  Q_PROPERTY(int Seconds2_CurrentIndex MEMBER Seconds2_CurrentIndex)
  Q_PROPERTY(bool p1_activ MEMBER p1_activ)
  Q_PROPERTY(bool p1_signal1 MEMBER p1_signal1)
  Q_PROPERTY(bool p1_signal2 MEMBER p1_signal2)
  Q_PROPERTY(bool p1_signal3 MEMBER p1_signal3)
  Q_PROPERTY(bool p1_signal4 MEMBER p1_signal4)
  Q_PROPERTY(bool p1_signal5 MEMBER p1_signal5)
  Q_PROPERTY(bool p1_signal6 MEMBER p1_signal6)
  Q_PROPERTY(bool p1_signal7 MEMBER p1_signal7)
  Q_PROPERTY(bool p1_signal8 MEMBER p1_signal8)
  Q_PROPERTY(bool p1_signal9 MEMBER p1_signal9)
  Q_PROPERTY(bool p1_signal10 MEMBER p1_signal10)
  Q_PROPERTY(bool p1_signal11 MEMBER p1_signal11)
  Q_PROPERTY(bool p1_signal12 MEMBER p1_signal12)
  Q_PROPERTY(bool p1_signal13 MEMBER p1_signal13)
  Q_PROPERTY(bool p1_signal14 MEMBER p1_signal14)
  Q_PROPERTY(bool p1_signal15 MEMBER p1_signal15)
  Q_PROPERTY(QString p1_path MEMBER p1_path)
  Q_PROPERTY(bool p2_activ MEMBER p2_activ)
  Q_PROPERTY(bool p2_signal1 MEMBER p2_signal1)
  Q_PROPERTY(bool p2_signal2 MEMBER p2_signal2)
  Q_PROPERTY(bool p2_signal3 MEMBER p2_signal3)
  Q_PROPERTY(bool p2_signal4 MEMBER p2_signal4)
  Q_PROPERTY(bool p2_signal5 MEMBER p2_signal5)
  Q_PROPERTY(bool p2_signal6 MEMBER p2_signal6)
  Q_PROPERTY(bool p2_signal7 MEMBER p2_signal7)
  Q_PROPERTY(bool p2_signal8 MEMBER p2_signal8)
  Q_PROPERTY(bool p2_signal9 MEMBER p2_signal9)
  Q_PROPERTY(bool p2_signal10 MEMBER p2_signal10)
  Q_PROPERTY(bool p2_signal11 MEMBER p2_signal11)
  Q_PROPERTY(bool p2_signal12 MEMBER p2_signal12)
  Q_PROPERTY(bool p2_signal13 MEMBER p2_signal13)
  Q_PROPERTY(bool p2_signal14 MEMBER p2_signal14)
  Q_PROPERTY(bool p2_signal15 MEMBER p2_signal15)
  Q_PROPERTY(QString p2_path MEMBER p2_path)

public:
  QString programstartDelay_label;
  QString programstartPath_label;
  QString programstartButtonBrowser_label;
  QString programstartButtonTest_label;
  QString programstart_activ_text;
  QString programStartIfEventsOccurs_text;
  QString defaultPath1;
  QString defaultPath2;
  int Hours1_CurrentIndex{0};
  int Minutes1_CurrentIndex{0};
  int Seconds1_CurrentIndex{0};
  int Hours2_CurrentIndex{0};
  int Minutes2_CurrentIndex{0};
  int Seconds2_CurrentIndex{0};
  bool p1_activ{false};
  bool p1_signal1{false};
  bool p1_signal2{false};
  bool p1_signal3{false};
  bool p1_signal4{false};
  bool p1_signal5{false};
  bool p1_signal6{false};
  bool p1_signal7{false};
  bool p1_signal8{false};
  bool p1_signal9{false};
  bool p1_signal10{false};
  bool p1_signal11{false};
  bool p1_signal12{false};
  bool p1_signal13{false};
  bool p1_signal14{false};
  bool p1_signal15{false};
  QString p1_path;
  bool p2_activ{false};
  bool p2_signal1{false};
  bool p2_signal2{false};
  bool p2_signal3{false};
  bool p2_signal4{false};
  bool p2_signal5{false};
  bool p2_signal6{false};
  bool p2_signal7{false};
  bool p2_signal8{false};
  bool p2_signal9{false};
  bool p2_signal10{false};
  bool p2_signal11{false};
  bool p2_signal12{false};
  bool p2_signal13{false};
  bool p2_signal14{false};
  bool p2_signal15{false};
  QString p2_path;
};

struct EmailWindowStruct {
  Q_GADGET
  Q_PROPERTY(QString emailPath_label MEMBER emailPath_label)
  Q_PROPERTY(QString emailButtonBrowser_label MEMBER emailButtonBrowser_label)
  Q_PROPERTY(QString email_activ_text MEMBER email_activ_text)
  Q_PROPERTY(QString emailConfiguration MEMBER emailConfiguration)
  Q_PROPERTY(QString emailMessage MEMBER emailMessage)
  Q_PROPERTY(QString emailFrom MEMBER emailFrom)
  Q_PROPERTY(QString emailTo MEMBER emailTo)
  Q_PROPERTY(QString emailText MEMBER emailText)
  Q_PROPERTY(QString emailUsername MEMBER emailUsername)
  Q_PROPERTY(QString emailPassword MEMBER emailPassword)
  Q_PROPERTY(QString emailConding MEMBER emailConding)
  Q_PROPERTY(QString emailSubject MEMBER emailSubject)
  Q_PROPERTY(QString email1_ServerValue MEMBER email1_ServerValue)
  Q_PROPERTY(QString email1_UsernameValue MEMBER email1_UsernameValue)
  Q_PROPERTY(QString email1_PasswordValue MEMBER email1_PasswordValue)
  Q_PROPERTY(QString email1_PortValue MEMBER email1_PortValue)
  Q_PROPERTY(int email1_CodingValue MEMBER email1_CodingValue)
  Q_PROPERTY(QString email2_ServerValue MEMBER email2_ServerValue)
  Q_PROPERTY(QString email2_UsernameValue MEMBER email2_UsernameValue)
  Q_PROPERTY(QString email2_PasswordValue MEMBER email2_PasswordValue)
  Q_PROPERTY(QString email2_PortValue MEMBER email2_PortValue)
  Q_PROPERTY(int email2_CodingValue MEMBER email2_CodingValue)
  Q_PROPERTY(QString email1_FromValue MEMBER email1_FromValue)
  Q_PROPERTY(QString email1_ToValue MEMBER email1_ToValue)
  Q_PROPERTY(QString email1_CcValue MEMBER email1_CcValue)
  Q_PROPERTY(QString email1_SubjectValue MEMBER email1_SubjectValue)
  Q_PROPERTY(QString email1_TextValue MEMBER email1_TextValue)
  Q_PROPERTY(QString email2_FromValue MEMBER email2_FromValue)
  Q_PROPERTY(QString email2_ToValue MEMBER email2_ToValue)
  Q_PROPERTY(QString email2_CcValue MEMBER email2_CcValue)
  Q_PROPERTY(QString email2_SubjectValue MEMBER email2_SubjectValue)
  Q_PROPERTY(QString email2_TextValue MEMBER email2_TextValue)
  Q_PROPERTY(QString emailIfEventsOccurs_text MEMBER emailIfEventsOccurs_text)
  Q_PROPERTY(QString checkBoxOutputVoltageTooLow_text MEMBER checkBoxOutputVoltageTooLow_text)
  Q_PROPERTY(QString checkBoxOutputCurrentTooHigh_text MEMBER checkBoxOutputCurrentTooHigh_text)
  Q_PROPERTY(QString checkBoxNoTemperatureTracking_text MEMBER checkBoxNoTemperatureTracking_text)
  Q_PROPERTY(QString deviceError_text MEMBER deviceError_text)
  Q_PROPERTY(QString defaultPath1 MEMBER defaultPath1)
  Q_PROPERTY(QString defaultPath2 MEMBER defaultPath2)
  Q_PROPERTY(QString eventReport_Attachment_Text MEMBER eventReport_Attachment_Text)
  Q_PROPERTY(bool eventReport_Attachment_active_1 MEMBER eventReport_Attachment_active_1)
  Q_PROPERTY(bool eventReport_Attachment_active_2 MEMBER eventReport_Attachment_active_2)
  Q_PROPERTY(bool e1_activ MEMBER e1_activ)
  Q_PROPERTY(bool e1_signal1 MEMBER e1_signal1)
  Q_PROPERTY(bool e1_signal2 MEMBER e1_signal2)
  Q_PROPERTY(bool e1_signal3 MEMBER e1_signal3)
  Q_PROPERTY(bool e1_signal4 MEMBER e1_signal4)
  Q_PROPERTY(bool e1_signal5 MEMBER e1_signal5)
  Q_PROPERTY(bool e1_signal6 MEMBER e1_signal6)
  Q_PROPERTY(bool e1_signal7 MEMBER e1_signal7)
  Q_PROPERTY(bool e1_signal8 MEMBER e1_signal8)
  Q_PROPERTY(bool e1_signal9 MEMBER e1_signal9)
  Q_PROPERTY(bool e1_signal10 MEMBER e1_signal10)
  Q_PROPERTY(bool e1_signal11 MEMBER e1_signal11)
  Q_PROPERTY(bool e1_signal12 MEMBER e1_signal12)
  Q_PROPERTY(bool e1_signal13 MEMBER e1_signal13)
  Q_PROPERTY(bool e1_signal14 MEMBER e1_signal14)
  Q_PROPERTY(bool e1_signal15 MEMBER e1_signal15)
  Q_PROPERTY(QString e1_path MEMBER e1_path)
  Q_PROPERTY(bool e2_activ MEMBER e2_activ)
  Q_PROPERTY(bool e2_signal1 MEMBER e2_signal1)
  Q_PROPERTY(bool e2_signal2 MEMBER e2_signal2)
  Q_PROPERTY(bool e2_signal3 MEMBER e2_signal3)
  Q_PROPERTY(bool e2_signal4 MEMBER e2_signal4)
  Q_PROPERTY(bool e2_signal5 MEMBER e2_signal5)
  Q_PROPERTY(bool e2_signal6 MEMBER e2_signal6)
  Q_PROPERTY(bool e2_signal7 MEMBER e2_signal7)
  Q_PROPERTY(bool e2_signal8 MEMBER e2_signal8)
  Q_PROPERTY(bool e2_signal9 MEMBER e2_signal9)
  Q_PROPERTY(bool e2_signal10 MEMBER e2_signal10)
  Q_PROPERTY(bool e2_signal11 MEMBER e2_signal11)
  Q_PROPERTY(bool e2_signal12 MEMBER e2_signal12)
  Q_PROPERTY(bool e2_signal13 MEMBER e2_signal13)
  Q_PROPERTY(bool e2_signal14 MEMBER e2_signal14)
  Q_PROPERTY(bool e2_signal15 MEMBER e2_signal15)
  Q_PROPERTY(QString e2_path MEMBER e2_path)
  // The test button of each e-mail and what became of its last test mail.
  Q_PROPERTY(QString emailTestButton_label MEMBER emailTestButton_label)
  Q_PROPERTY(QString email1_TestResult MEMBER email1_TestResult)
  Q_PROPERTY(QString email2_TestResult MEMBER email2_TestResult)
  Q_PROPERTY(int email1_TestState MEMBER email1_TestState)
  Q_PROPERTY(int email2_TestState MEMBER email2_TestState)

public:
  QString emailPath_label;
  QString emailButtonBrowser_label;
  QString email_activ_text;
  QString emailConfiguration;
  QString emailMessage;
  QString emailFrom;
  QString emailTo;
  QString emailText;
  QString emailUsername;
  QString emailPassword;
  QString emailConding;
  QString emailSubject;
  QString email1_ServerValue;
  QString email1_UsernameValue;
  QString email1_PasswordValue;
  QString email1_PortValue;
  int email1_CodingValue{0};
  QString email2_ServerValue;
  QString email2_UsernameValue;
  QString email2_PasswordValue;
  QString email2_PortValue;
  int email2_CodingValue{0};
  QString email1_FromValue;
  QString email1_ToValue;
  QString email1_CcValue;
  QString email1_SubjectValue;
  QString email1_TextValue;
  QString email2_FromValue;
  QString email2_ToValue;
  QString email2_CcValue;
  QString email2_SubjectValue;
  QString email2_TextValue;
  QString emailIfEventsOccurs_text;
  QString checkBoxOutputVoltageTooLow_text;
  QString checkBoxOutputCurrentTooHigh_text;
  QString checkBoxNoTemperatureTracking_text;
  QString deviceError_text;
  QString defaultPath1;
  QString defaultPath2;
  QString eventReport_Attachment_Text;
  bool eventReport_Attachment_active_1{false};
  bool eventReport_Attachment_active_2{false};
  bool e1_activ{false};
  bool e1_signal1{false};
  bool e1_signal2{false};
  bool e1_signal3{false};
  bool e1_signal4{false};
  bool e1_signal5{false};
  bool e1_signal6{false};
  bool e1_signal7{false};
  bool e1_signal8{false};
  bool e1_signal9{false};
  bool e1_signal10{false};
  bool e1_signal11{false};
  bool e1_signal12{false};
  bool e1_signal13{false};
  bool e1_signal14{false};
  bool e1_signal15{false};
  QString e1_path;
  bool e2_activ{false};
  bool e2_signal1{false};
  bool e2_signal2{false};
  bool e2_signal3{false};
  bool e2_signal4{false};
  bool e2_signal5{false};
  bool e2_signal6{false};
  bool e2_signal7{false};
  bool e2_signal8{false};
  bool e2_signal9{false};
  bool e2_signal10{false};
  bool e2_signal11{false};
  bool e2_signal12{false};
  bool e2_signal13{false};
  bool e2_signal14{false};
  bool e2_signal15{false};
  QString e2_path;
  QString emailTestButton_label;
  QString email1_TestResult;
  QString email2_TestResult;
  int email1_TestState{0}; // a MailTestState
  int email2_TestState{0};
};

// What the e-mail page shows of a test mail.
enum MailTestState { testMailNone = 0, testMailSending = 1, testMailSent = 2, testMailFailed = 3 };

struct ProcessData {
  Q_GADGET
  Q_PROPERTY(QString masterDeviceDetailsLabel MEMBER masterDeviceDetailsLabel)
  Q_PROPERTY(QString masterDeviceDetailsValues MEMBER masterDeviceDetailsValues)
  Q_PROPERTY(QString slave1_DeviceDetailsLabel MEMBER slave1_DeviceDetailsLabel)
  Q_PROPERTY(QString slave1_DeviceDetailsValues MEMBER slave1_DeviceDetailsValues)
  Q_PROPERTY(QString slave2_DeviceDetailsLabel MEMBER slave2_DeviceDetailsLabel)
  Q_PROPERTY(QString slave2_DeviceDetailsValues MEMBER slave2_DeviceDetailsValues)
  Q_PROPERTY(QString slave3_DeviceDetailsLabel MEMBER slave3_DeviceDetailsLabel)
  Q_PROPERTY(QString slave3_DeviceDetailsValues MEMBER slave3_DeviceDetailsValues)
  Q_PROPERTY(QString minInputVoltage MEMBER minInputVoltage)
  Q_PROPERTY(QString maxOutputCurrent MEMBER maxOutputCurrent)
  Q_PROPERTY(bool applyParametersButton MEMBER applyParametersButton)
  Q_PROPERTY(int visuDelay_ms MEMBER visuDelay_ms)
  Q_PROPERTY(QString extraMessage MEMBER extraMessage)
  Q_PROPERTY(QString bufferTimeMax_Value MEMBER bufferTimeMax_Value)
  Q_PROPERTY(bool bufferTimeMax_textBoxEnable MEMBER bufferTimeMax_textBoxEnable)
  Q_PROPERTY(bool bufferTime_8hVDE_CheckBoxEnable MEMBER bufferTime_8hVDE_CheckBoxEnable)
  Q_PROPERTY(bool bufferTime_8hVDE_CheckBoxChecked MEMBER bufferTime_8hVDE_CheckBoxChecked)
  Q_PROPERTY(QString bufferTimeMin_Value MEMBER bufferTimeMin_Value)
  Q_PROPERTY(QString green_image MEMBER green_image)
  Q_PROPERTY(int green_image_tact MEMBER green_image_tact)
  Q_PROPERTY(QString red_image MEMBER red_image)
  Q_PROPERTY(int red_image_tact MEMBER red_image_tact)
  Q_PROPERTY(QString yellow_image MEMBER yellow_image)
  Q_PROPERTY(int yellow_image_tact MEMBER yellow_image_tact)
  Q_PROPERTY(QString grey_image MEMBER grey_image)
  Q_PROPERTY(double rahmen_width_factor MEMBER rahmen_width_factor)
  Q_PROPERTY(double rahmen_height_factor MEMBER rahmen_height_factor)
  Q_PROPERTY(QString maxBufferTime MEMBER maxBufferTime)
  Q_PROPERTY(QString minBufferTime MEMBER minBufferTime)
  Q_PROPERTY(QString ipcShutdownTime MEMBER ipcShutdownTime)
  Q_PROPERTY(QString ipcDelayTime MEMBER ipcDelayTime)
  Q_PROPERTY(QString ipcIdleTime MEMBER ipcIdleTime)
  Q_PROPERTY(QString boost_Image1 MEMBER boost_Image1)
  Q_PROPERTY(QString boost_Image2 MEMBER boost_Image2)
  Q_PROPERTY(bool powerBoost_Checked MEMBER powerBoost_Checked)
  Q_PROPERTY(bool powerBoost_Enable MEMBER powerBoost_Enable)
  Q_PROPERTY(QString boost_Message MEMBER boost_Message)
  Q_PROPERTY(bool fuseMode_canReset MEMBER fuseMode_canReset)
  Q_PROPERTY(bool topBoost_Checked MEMBER topBoost_Checked)
  Q_PROPERTY(bool enable_chargingMode MEMBER enable_chargingMode)
  Q_PROPERTY(bool topBoost_Enable MEMBER topBoost_Enable)
  Q_PROPERTY(bool enable_ipcMode MEMBER enable_ipcMode)
  Q_PROPERTY(bool enable_ipcMode_14 MEMBER enable_ipcMode_14)
  Q_PROPERTY(bool enable_ipcMode_24 MEMBER enable_ipcMode_24)
  Q_PROPERTY(bool enable_ipcMode_34 MEMBER enable_ipcMode_34)
  Q_PROPERTY(bool checked_ipcMode_14 MEMBER checked_ipcMode_14)
  Q_PROPERTY(bool checked_ipcMode_24 MEMBER checked_ipcMode_24)
  Q_PROPERTY(bool checked_ipcMode_34 MEMBER checked_ipcMode_34)
  Q_PROPERTY(bool ipcMode_Box_enable MEMBER ipcMode_Box_enable)
  Q_PROPERTY(bool limitsEnable_ComboBox1 MEMBER limitsEnable_ComboBox1)
  Q_PROPERTY(int limitsSelText_ComboBox1 MEMBER limitsSelText_ComboBox1)
  Q_PROPERTY(bool limitsEnable_ComboBox2 MEMBER limitsEnable_ComboBox2)
  Q_PROPERTY(int limitsSelText_ComboBox2 MEMBER limitsSelText_ComboBox2)
  Q_PROPERTY(QString limitsSelText2_ComboBox2 MEMBER limitsSelText2_ComboBox2)
  Q_PROPERTY(QString limitsSelText1_Title_ComboBox2 MEMBER limitsSelText1_Title_ComboBox2)
  Q_PROPERTY(QString limitsSelText2_Title_ComboBox2 MEMBER limitsSelText2_Title_ComboBox2)
  Q_PROPERTY(QString limitsSelText3_Title_ComboBox2 MEMBER limitsSelText3_Title_ComboBox2)
  Q_PROPERTY(QString limitsSelText4_Title_ComboBox2 MEMBER limitsSelText4_Title_ComboBox2)
  Q_PROPERTY(QString limitsSelText5_Title_ComboBox2 MEMBER limitsSelText5_Title_ComboBox2)
  Q_PROPERTY(bool limitsEnable_ComboBox3 MEMBER limitsEnable_ComboBox3)
  Q_PROPERTY(int limitsSelText_ComboBox3 MEMBER limitsSelText_ComboBox3)
  Q_PROPERTY(bool limitsEnable_ComboBox4 MEMBER limitsEnable_ComboBox4)
  Q_PROPERTY(int limitsSelText_ComboBox4 MEMBER limitsSelText_ComboBox4)
  Q_PROPERTY(bool limitsEnable_ComboBox5 MEMBER limitsEnable_ComboBox5)
  Q_PROPERTY(int limitsSelText_ComboBox5 MEMBER limitsSelText_ComboBox5)
  Q_PROPERTY(bool managementEnable_ComboBox1 MEMBER managementEnable_ComboBox1)
  Q_PROPERTY(bool managementChecked_CheckBox1 MEMBER managementChecked_CheckBox1)
  Q_PROPERTY(bool managementChecked_CheckBox2 MEMBER managementChecked_CheckBox2)
  Q_PROPERTY(bool managementChecked_CheckBox3 MEMBER managementChecked_CheckBox3)
  Q_PROPERTY(int managementSelText_ComboBox1 MEMBER managementSelText_ComboBox1)
  Q_PROPERTY(bool managementEnable_ComboBox2 MEMBER managementEnable_ComboBox2)
  Q_PROPERTY(int managementSelText_ComboBox2 MEMBER managementSelText_ComboBox2)
  Q_PROPERTY(bool managementEnable_ComboBox3 MEMBER managementEnable_ComboBox3)
  Q_PROPERTY(int managementSelText_ComboBox3 MEMBER managementSelText_ComboBox3)
  Q_PROPERTY(bool overloadBehaviorEnable_CheckBox1 MEMBER overloadBehaviorEnable_CheckBox1)
  Q_PROPERTY(bool overloadBehavior_CheckBox1 MEMBER overloadBehavior_CheckBox1)
  Q_PROPERTY(bool overloadBehaviorEnable_CheckBox2 MEMBER overloadBehaviorEnable_CheckBox2)
  Q_PROPERTY(bool overloadBehavior_CheckBox2 MEMBER overloadBehavior_CheckBox2)
  Q_PROPERTY(int bufferCurrentLimit MEMBER bufferCurrentLimit)
  Q_PROPERTY(QString bufferMaxCurrentLimit MEMBER bufferMaxCurrentLimit)
  Q_PROPERTY(QString master_image MEMBER master_image)
  Q_PROPERTY(QString usvBufferInOutText MEMBER usvBufferInOutText)
  Q_PROPERTY(QString usvBufferDischargeOutText MEMBER usvBufferDischargeOutText)
  Q_PROPERTY(QString chargeVoltage MEMBER chargeVoltage)
  Q_PROPERTY(QString chargeCurrent MEMBER chargeCurrent)
  Q_PROPERTY(QString masterInput_text MEMBER masterInput_text)
  Q_PROPERTY(QString masterInput_text2 MEMBER masterInput_text2)
  Q_PROPERTY(QString masterOutput_text MEMBER masterOutput_text)
  Q_PROPERTY(QString pfeilNachLinks1_image MEMBER pfeilNachLinks1_image)
  Q_PROPERTY(QString pfeilNachLinks2_image MEMBER pfeilNachLinks2_image)
  Q_PROPERTY(QString pfeilNachLinks3_image MEMBER pfeilNachLinks3_image)
  Q_PROPERTY(QString slaveAnim1_image MEMBER slaveAnim1_image)
  Q_PROPERTY(QString slaveAnim2_image MEMBER slaveAnim2_image)
  Q_PROPERTY(QString slaveAnim3_image MEMBER slaveAnim3_image)
  Q_PROPERTY(QString slave1_image MEMBER slave1_image)
  Q_PROPERTY(QString slave2_image MEMBER slave2_image)
  Q_PROPERTY(QString slave3_image MEMBER slave3_image)
  Q_PROPERTY(QString slave1_text MEMBER slave1_text)
  Q_PROPERTY(QString slave2_text MEMBER slave2_text)
  Q_PROPERTY(QString slave3_text MEMBER slave3_text)
  Q_PROPERTY(QString slave4_text MEMBER slave4_text)
  Q_PROPERTY(double masterInputText_xPositionFactor MEMBER masterInputText_xPositionFactor)
  Q_PROPERTY(double masterInputText_yPositionFactor MEMBER masterInputText_yPositionFactor)
  Q_PROPERTY(double masterInputText2_xPositionFactor MEMBER masterInputText2_xPositionFactor)
  Q_PROPERTY(double masterInputText2_yPositionFactor MEMBER masterInputText2_yPositionFactor)
  Q_PROPERTY(double masterOutputText_xPositionFactor MEMBER masterOutputText_xPositionFactor)
  Q_PROPERTY(double masterOutputText_yPositionFactor MEMBER masterOutputText_yPositionFactor)
  Q_PROPERTY(double usvBufferInOutText_xPositionFactor MEMBER usvBufferInOutText_xPositionFactor)
  Q_PROPERTY(double usvBufferInOutText_yPositionFactor MEMBER usvBufferInOutText_yPositionFactor)
  Q_PROPERTY(
      double usvBufferDischargeOutText_xPositionFactor MEMBER usvBufferDischargeOutText_xPositionFactor)
  Q_PROPERTY(
      double usvBufferDischargeOutText_yPositionFactor MEMBER usvBufferDischargeOutText_yPositionFactor)
  Q_PROPERTY(double usvMasterTemperatur_xPositionFactor MEMBER usvMasterTemperatur_xPositionFactor)
  Q_PROPERTY(double usvMasterTemperatur_yPositionFactor MEMBER usvMasterTemperatur_yPositionFactor)
  Q_PROPERTY(QString masterOperationModus MEMBER masterOperationModus)
  Q_PROPERTY(QString masterOperationModusExtra MEMBER masterOperationModusExtra)
  Q_PROPERTY(bool deviceDetectingAutomatically MEMBER deviceDetectingAutomatically)
  Q_PROPERTY(int comPortList_currentNumber MEMBER comPortList_currentNumber)
  Q_PROPERTY(QStringList comportList MEMBER comportList)
  Q_PROPERTY(QString masterAdding_image MEMBER masterAdding_image)
  Q_PROPERTY(QString masterAdding_AnimatedImag MEMBER masterAdding_AnimatedImag)
  Q_PROPERTY(double masterAdding_xPositionFactor MEMBER masterAdding_xPositionFactor)
  Q_PROPERTY(double masterAdding_yPositionFactor MEMBER masterAdding_yPositionFactor)
  Q_PROPERTY(QString masterTemperatur MEMBER masterTemperatur)
  Q_PROPERTY(int currentLanguageNr MEMBER currentLanguageNr)
  Q_PROPERTY(int comboBoxTemperatureUnitCurrentIndex MEMBER comboBoxTemperatureUnitCurrentIndex)
  Q_PROPERTY(bool startUp MEMBER startUp)
  Q_PROPERTY(bool appOpenAsMaximized MEMBER appOpenAsMaximized)
  Q_PROPERTY(bool appOpenAsMaximized_checkBox MEMBER appOpenAsMaximized_checkBox)
  Q_PROPERTY(bool showCloseMessage MEMBER showCloseMessage)
  Q_PROPERTY(bool loadConfigFile_checkBox MEMBER loadConfigFile_checkBox)
  Q_PROPERTY(bool switchToStatusPage MEMBER switchToStatusPage)
  Q_PROPERTY(bool fastStartup MEMBER fastStartup)
  Q_PROPERTY(bool parameterGeneral_PageEnabled MEMBER parameterGeneral_PageEnabled)
  Q_PROPERTY(bool parameterIpcSetting_PageEnabled MEMBER parameterIpcSetting_PageEnabled)
  Q_PROPERTY(bool offlineMode MEMBER offlineMode)
  Q_PROPERTY(QString textCommunicationButton MEMBER textCommunicationButton)
  Q_PROPERTY(bool production_version MEMBER production_version)
  Q_PROPERTY(bool demo_version MEMBER demo_version)
  Q_PROPERTY(bool denyAppClosing MEMBER denyAppClosing)
  Q_PROPERTY(bool debug_version MEMBER debug_version)
  Q_PROPERTY(int backToStatusPageTimeout_sec MEMBER backToStatusPageTimeout_sec)
  Q_PROPERTY(QString overloadBehavior_legend_top MEMBER overloadBehavior_legend_top)
  Q_PROPERTY(QString overloadBehavior_legend_bottom MEMBER overloadBehavior_legend_bottom)
  Q_PROPERTY(QString signalRelayText14 MEMBER signalRelayText14)
  Q_PROPERTY(QString signalRelayText24 MEMBER signalRelayText24)
  Q_PROPERTY(QString signalRelayText34 MEMBER signalRelayText34)
  Q_PROPERTY(QString signalRelayImage14 MEMBER signalRelayImage14)
  Q_PROPERTY(QString signalRelayImage24 MEMBER signalRelayImage24)
  Q_PROPERTY(QString signalRelayImage34 MEMBER signalRelayImage34)
  Q_PROPERTY(QString potiText MEMBER potiText)
  Q_PROPERTY(QString textComPort MEMBER textComPort)
  Q_PROPERTY(QString textComPortLeft MEMBER textComPortLeft)
  Q_PROPERTY(QString imageComPort MEMBER imageComPort)
  Q_PROPERTY(int imageComPortLitMs MEMBER imageComPortLitMs)
  Q_PROPERTY(QString signal_Label_ledRed MEMBER signal_Label_ledRed)
  Q_PROPERTY(QString signal_Label_ledYellow MEMBER signal_Label_ledYellow)
  Q_PROPERTY(QString signal_Label_ledGreen MEMBER signal_Label_ledGreen)
  Q_PROPERTY(QString devStatusText MEMBER devStatusText)
  Q_PROPERTY(bool advancedSettingsEnable_CheckBox1 MEMBER advancedSettingsEnable_CheckBox1)
  Q_PROPERTY(bool advancedSettingsChecked_CheckBox1 MEMBER advancedSettingsChecked_CheckBox1)
  Q_PROPERTY(bool advancedSettingsEnable_CheckBox2 MEMBER advancedSettingsEnable_CheckBox2)
  Q_PROPERTY(bool advancedSettingsChecked_CheckBox2 MEMBER advancedSettingsChecked_CheckBox2)
  Q_PROPERTY(QString stateOfChargingLowLevel_Label MEMBER stateOfChargingLowLevel_Label)
  Q_PROPERTY(QString stateOfChargingHighLevel_Label MEMBER stateOfChargingHighLevel_Label)
  Q_PROPERTY(bool stateOfCharging_Visible MEMBER stateOfCharging_Visible)
  Q_PROPERTY(bool IpcCheckboxEnable MEMBER IpcCheckboxEnable)
  Q_PROPERTY(bool IpcCheckboxChecked MEMBER IpcCheckboxChecked)
  // The alarm display, after the record's own members.
  Q_PROPERTY(QString alarmState MEMBER alarmState)
  Q_PROPERTY(QString alarmText MEMBER alarmText)
  Q_PROPERTY(QStringList valuesOutOfRange MEMBER valuesOutOfRange)

public:
  QString masterDeviceDetailsLabel;
  QString masterDeviceDetailsValues;
  QString slave1_DeviceDetailsLabel;
  QString slave1_DeviceDetailsValues;
  QString slave2_DeviceDetailsLabel;
  QString slave2_DeviceDetailsValues;
  QString slave3_DeviceDetailsLabel;
  QString slave3_DeviceDetailsValues;
  QString minInputVoltage;
  QString maxOutputCurrent;
  bool applyParametersButton{false};
  int visuDelay_ms{0};
  QString extraMessage;
  QString bufferTimeMax_Value;
  bool bufferTimeMax_textBoxEnable{false};
  bool bufferTime_8hVDE_CheckBoxEnable{false};
  bool bufferTime_8hVDE_CheckBoxChecked{false};
  QString bufferTimeMin_Value;
  QString green_image;
  int green_image_tact{0};
  QString red_image;
  int red_image_tact{0};
  QString yellow_image;
  int yellow_image_tact{0};
  QString grey_image;
  double rahmen_width_factor{0.0};
  double rahmen_height_factor{0.0};
  QString maxBufferTime;
  QString minBufferTime;
  QString ipcShutdownTime;
  QString ipcDelayTime;
  QString ipcIdleTime;
  QString boost_Image1;
  QString boost_Image2;
  bool powerBoost_Checked{false};
  bool powerBoost_Enable{false};
  QString boost_Message;
  bool fuseMode_canReset{false};
  bool topBoost_Checked{false};
  bool enable_chargingMode{false};
  bool topBoost_Enable{false};
  bool enable_ipcMode{false};
  bool enable_ipcMode_14{false};
  bool enable_ipcMode_24{false};
  bool enable_ipcMode_34{false};
  bool checked_ipcMode_14{false};
  bool checked_ipcMode_24{false};
  bool checked_ipcMode_34{false};
  bool ipcMode_Box_enable{false};
  bool limitsEnable_ComboBox1{false};
  int limitsSelText_ComboBox1{0};
  bool limitsEnable_ComboBox2{false};
  int limitsSelText_ComboBox2{0};
  QString limitsSelText2_ComboBox2;
  QString limitsSelText1_Title_ComboBox2;
  QString limitsSelText2_Title_ComboBox2;
  QString limitsSelText3_Title_ComboBox2;
  QString limitsSelText4_Title_ComboBox2;
  QString limitsSelText5_Title_ComboBox2;
  bool limitsEnable_ComboBox3{false};
  int limitsSelText_ComboBox3{0};
  bool limitsEnable_ComboBox4{false};
  int limitsSelText_ComboBox4{0};
  bool limitsEnable_ComboBox5{false};
  int limitsSelText_ComboBox5{0};
  bool managementEnable_ComboBox1{false};
  bool managementChecked_CheckBox1{false};
  bool managementChecked_CheckBox2{false};
  bool managementChecked_CheckBox3{false};
  int managementSelText_ComboBox1{0};
  bool managementEnable_ComboBox2{false};
  int managementSelText_ComboBox2{0};
  bool managementEnable_ComboBox3{false};
  int managementSelText_ComboBox3{0};
  bool overloadBehaviorEnable_CheckBox1{false};
  bool overloadBehavior_CheckBox1{false};
  bool overloadBehaviorEnable_CheckBox2{false};
  bool overloadBehavior_CheckBox2{false};
  int bufferCurrentLimit{0};
  QString bufferMaxCurrentLimit;
  QString master_image;
  QString usvBufferInOutText;
  QString usvBufferDischargeOutText;
  QString chargeVoltage;
  QString chargeCurrent;
  QString masterInput_text;
  QString masterInput_text2;
  QString masterOutput_text;
  QString pfeilNachLinks1_image;
  QString pfeilNachLinks2_image;
  QString pfeilNachLinks3_image;
  QString slaveAnim1_image;
  QString slaveAnim2_image;
  QString slaveAnim3_image;
  QString slave1_image;
  QString slave2_image;
  QString slave3_image;
  QString slave1_text;
  QString slave2_text;
  QString slave3_text;
  QString slave4_text;
  double masterInputText_xPositionFactor{0.0};
  double masterInputText_yPositionFactor{0.0};
  double masterInputText2_xPositionFactor{0.0};
  double masterInputText2_yPositionFactor{0.0};
  double masterOutputText_xPositionFactor{0.0};
  double masterOutputText_yPositionFactor{0.0};
  double usvBufferInOutText_xPositionFactor{0.0};
  double usvBufferInOutText_yPositionFactor{0.0};
  double usvBufferDischargeOutText_xPositionFactor{0.0};
  double usvBufferDischargeOutText_yPositionFactor{0.0};
  double usvMasterTemperatur_xPositionFactor{0.0};
  double usvMasterTemperatur_yPositionFactor{0.0};
  QString masterOperationModus;
  QString masterOperationModusExtra;
  // The alarm shown as a banner and in the foot bar: its key ("buffer", "overload",
  // "exchangeStorage", "ipcShutdown", "noConnection"; empty when none) and its text with the time it
  // began; the keys of the measured values outside their normal range.
  QString alarmState;
  QString alarmText;
  QStringList valuesOutOfRange;
  bool deviceDetectingAutomatically{false};
  int comPortList_currentNumber{0};
  QStringList comportList;
  QString masterAdding_image;
  QString masterAdding_AnimatedImag;
  double masterAdding_xPositionFactor{0.0};
  double masterAdding_yPositionFactor{0.0};
  QString masterTemperatur;
  int currentLanguageNr{0};
  int comboBoxTemperatureUnitCurrentIndex{0};
  bool startUp{false};
  bool appOpenAsMaximized{false};
  bool appOpenAsMaximized_checkBox{false};
  bool showCloseMessage{false};
  bool loadConfigFile_checkBox{false};
  bool switchToStatusPage{false};
  bool fastStartup{false};
  bool parameterGeneral_PageEnabled{false};
  bool parameterIpcSetting_PageEnabled{false};
  bool offlineMode{false};
  QString textCommunicationButton;
  bool production_version{false};
  bool demo_version{false};
  bool denyAppClosing{false};
  bool debug_version{false};
  int backToStatusPageTimeout_sec{0};
  QString overloadBehavior_legend_top;
  QString overloadBehavior_legend_bottom;
  QString signalRelayText14;
  QString signalRelayText24;
  QString signalRelayText34;
  QString signalRelayImage14;
  QString signalRelayImage24;
  QString signalRelayImage34;
  QString potiText;
  QString textComPort;
  QString textComPortLeft;
  QString imageComPort;
  int imageComPortLitMs = 0; // the lamp's lit phase when it blinks (its dark phase is fixed); 0: steady
  QString signal_Label_ledRed;
  QString signal_Label_ledYellow;
  QString signal_Label_ledGreen;
  QString devStatusText;
  bool advancedSettingsEnable_CheckBox1{false};
  bool advancedSettingsChecked_CheckBox1{false};
  bool advancedSettingsEnable_CheckBox2{false};
  bool advancedSettingsChecked_CheckBox2{false};
  QString stateOfChargingLowLevel_Label;
  QString stateOfChargingHighLevel_Label;
  bool stateOfCharging_Visible{false};
  bool IpcCheckboxEnable{false};
  bool IpcCheckboxChecked{false};
};

struct CompanyDataStruct {
  Q_GADGET
  Q_PROPERTY(QString imageVertical MEMBER imageVertical)
  Q_PROPERTY(QString image MEMBER image)
  Q_PROPERTY(QString logo MEMBER logo)
  Q_PROPERTY(QString internetLink MEMBER internetLink)
  Q_PROPERTY(QString internetMail MEMBER internetMail)
  Q_PROPERTY(QString updateLink MEMBER updateLink)
  Q_PROPERTY(QString name MEMBER name)
  Q_PROPERTY(QString postfach MEMBER postfach)
  Q_PROPERTY(QString strasse MEMBER strasse)
  Q_PROPERTY(QString postleitzahl MEMBER postleitzahl)
  Q_PROPERTY(QString phone MEMBER phone)
  Q_PROPERTY(QString telefax MEMBER telefax)
  Q_PROPERTY(QString appName MEMBER appName)
  Q_PROPERTY(QString main_Color MEMBER main_Color)
  Q_PROPERTY(int infoPageFontPixelSize MEMBER infoPageFontPixelSize)
  Q_PROPERTY(QString infoPageTextColor MEMBER infoPageTextColor)
  Q_PROPERTY(QString infoPageVariableColor MEMBER infoPageVariableColor)
  Q_PROPERTY(QString buttonSelectedColor MEMBER buttonSelectedColor)
  Q_PROPERTY(QString buttonSelectedTextColor MEMBER buttonSelectedTextColor)
  Q_PROPERTY(QString buttonNotSelectedTextColor MEMBER buttonNotSelectedTextColor)
  Q_PROPERTY(QString devicesArea_Color MEMBER devicesArea_Color)
  Q_PROPERTY(QString devicesArea_ButtonDownColor MEMBER devicesArea_ButtonDownColor)
  Q_PROPERTY(QString devicesArea_ButtonTextColor MEMBER devicesArea_ButtonTextColor)
  Q_PROPERTY(int buttonsHorizontalArea_Height MEMBER buttonsHorizontalArea_Height)
  Q_PROPERTY(int buttonsHorizontalArea_ButtonWidth MEMBER buttonsHorizontalArea_ButtonWidth)
  Q_PROPERTY(QString buttonsHorizontalArea_Color MEMBER buttonsHorizontalArea_Color)
  Q_PROPERTY(QString buttonsHorizontalArea_ButtonColor MEMBER buttonsHorizontalArea_ButtonColor)
  Q_PROPERTY(QString buttonsHorizontalArea_BorderColor MEMBER buttonsHorizontalArea_BorderColor)
  Q_PROPERTY(QString buttonsHorizontalArea_ButtonDownColor MEMBER buttonsHorizontalArea_ButtonDownColor)
  Q_PROPERTY(QString buttonsHorizontalArea_ButtonTextColor MEMBER buttonsHorizontalArea_ButtonTextColor)
  Q_PROPERTY(int buttonsHorizontalArea_ButtonFontSize MEMBER buttonsHorizontalArea_ButtonFontSize)
  Q_PROPERTY(int startButton_Height MEMBER startButton_Height)
  Q_PROPERTY(int startButton_Width MEMBER startButton_Width)
  Q_PROPERTY(QString startButton_Color MEMBER startButton_Color)
  Q_PROPERTY(QString startButton_BorderColor MEMBER startButton_BorderColor)
  Q_PROPERTY(QString startButton_DownColor MEMBER startButton_DownColor)
  Q_PROPERTY(QString startButton_TextColor MEMBER startButton_TextColor)
  Q_PROPERTY(int startButton_FontSize MEMBER startButton_FontSize)
  Q_PROPERTY(int buttonsVerticalArea_Height MEMBER buttonsVerticalArea_Height)
  Q_PROPERTY(int buttonsVerticalArea_ButtonWidth MEMBER buttonsVerticalArea_ButtonWidth)
  Q_PROPERTY(int buttonsVerticalArea_ButtonHeight MEMBER buttonsVerticalArea_ButtonHeight)
  Q_PROPERTY(QString buttonsVerticalArea_Color MEMBER buttonsVerticalArea_Color)
  Q_PROPERTY(QString buttonsVerticalArea_BorderColor MEMBER buttonsVerticalArea_BorderColor)
  Q_PROPERTY(QString buttonsVerticalArea_ButtonDownColor MEMBER buttonsVerticalArea_ButtonDownColor)
  Q_PROPERTY(QString buttonsVerticalArea_ButtonTextColor MEMBER buttonsVerticalArea_ButtonTextColor)
  Q_PROPERTY(int buttonsVerticalArea_ButtonFontSize MEMBER buttonsVerticalArea_ButtonFontSize)
  Q_PROPERTY(int mainFootArea_Height MEMBER mainFootArea_Height)
  Q_PROPERTY(QString mainFootArea_Color MEMBER mainFootArea_Color)
  Q_PROPERTY(QString parameterSettingsColor MEMBER parameterSettingsColor)
  Q_PROPERTY(bool show_icon_inTaskbar MEMBER show_icon_inTaskbar)

public:
  QString imageVertical;
  QString image;
  QString logo;
  QString internetLink;
  QString internetMail;
  QString updateLink;
  QString name;
  QString postfach;
  QString strasse;
  QString postleitzahl;
  QString phone;
  QString telefax;
  QString appName;
  QString main_Color;
  int infoPageFontPixelSize{0};
  QString infoPageTextColor;
  QString infoPageVariableColor;
  QString buttonSelectedColor;
  QString buttonSelectedTextColor;
  QString buttonNotSelectedTextColor;
  QString devicesArea_Color;
  QString devicesArea_ButtonDownColor;
  QString devicesArea_ButtonTextColor;
  int buttonsHorizontalArea_Height{0};
  int buttonsHorizontalArea_ButtonWidth{0};
  QString buttonsHorizontalArea_Color;
  QString buttonsHorizontalArea_ButtonColor;
  QString buttonsHorizontalArea_BorderColor;
  QString buttonsHorizontalArea_ButtonDownColor;
  QString buttonsHorizontalArea_ButtonTextColor;
  int buttonsHorizontalArea_ButtonFontSize{0};
  int startButton_Height{0};
  int startButton_Width{0};
  QString startButton_Color;
  QString startButton_BorderColor;
  QString startButton_DownColor;
  QString startButton_TextColor;
  int startButton_FontSize{0};
  int buttonsVerticalArea_Height{0};
  int buttonsVerticalArea_ButtonWidth{0};
  int buttonsVerticalArea_ButtonHeight{0};
  QString buttonsVerticalArea_Color;
  QString buttonsVerticalArea_BorderColor;
  QString buttonsVerticalArea_ButtonDownColor;
  QString buttonsVerticalArea_ButtonTextColor;
  int buttonsVerticalArea_ButtonFontSize{0};
  int mainFootArea_Height{0};
  QString mainFootArea_Color;
  QString parameterSettingsColor;
  bool show_icon_inTaskbar{false};
};

Q_DECLARE_METATYPE(StartWindowStruct)
Q_DECLARE_METATYPE(PcShutdownStruct)
Q_DECLARE_METATYPE(StatusWindowStruct)
Q_DECLARE_METATYPE(MainWindowStruct)
Q_DECLARE_METATYPE(IpcSettingStruct)
Q_DECLARE_METATYPE(SystemWindowStruct)
Q_DECLARE_METATYPE(ProductionWindowStruct)
Q_DECLARE_METATYPE(DeviceParameterStruct)
Q_DECLARE_METATYPE(SignalOutputsStruct)
Q_DECLARE_METATYPE(ProgramstartWindowStruct)
Q_DECLARE_METATYPE(EmailWindowStruct)
Q_DECLARE_METATYPE(ProcessData)
Q_DECLARE_METATYPE(CompanyDataStruct)
