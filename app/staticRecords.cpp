#include "staticRecords.h"

#include "common/languageTable.h"
#include "common/uiRecords.h"
#include "common/vendorData.h"

void fillMainWindowRecord(MainWindowStruct &r, const LanguageTable &lang)
{
  auto t = [&lang](int slot) { return languageText(lang, slot); };
  r.runProgram_Button = t(116);
  r.start_Button = t(117);
  r.status_Button = t(118);
  r.event_Button = t(119);
  r.parameter_Button = t(120);
  r.generalSystem_Button = t(121);
  r.ipcSettungsSystem_Button = t(122);
  r.generalParamter_Button = t(123);
  r.overloadBehaviorParamter_Button = t(124);
  r.about_Button = t(125);
  r.setParameterSettings_Bezeichnung = t(50);
  r.setUpsParameter_Bezeichnung = t(51);
  r.setFactorySettings_Bezeichnung = t(52);
  r.saveSettings_Bezeichnung = t(53);
  r.restoreSettings_Bezeichnung = t(54);
  r.applySetting_Bezeichnung = t(55);
}

void fillIpcSettingRecord(IpcSettingStruct &r, const LanguageTable &lang)
{
  auto t = [&lang](int slot) { return languageText(lang, slot); };
  r.delayTime_Label = t(110);
  r.ipcShutdownTime_Label = t(111);
  r.ipcIdleTime_Label = t(112);
  r.IpcEnable_label = t(113);
  r.textFastStartupMessage = t(182);
  r.IpcEnableCheckbox_Text.clear();
  r.u_in_image = Pictures::ipcInputGrey;
  r.u_in_image_color = Pictures::ipcInput;
  r.u_out_image = Pictures::ipcOutputGrey;
  r.u_out_image_color = Pictures::ipcOutput;
  r.signal_image = Pictures::ipcSignalGrey;
  r.signal_image_color = Pictures::ipcSignal;
  r.ipc_image = Pictures::ipcShutdownGrey;
  r.ipc_image_color = Pictures::ipcShutdown;
  r.pc_image = Pictures::ipcPcGrey;
  r.pc_image_color = Pictures::ipcPc;
}

void fillPcShutdownRecord(PcShutdownStruct &r, const LanguageTable &lang)
{
  r.groupBoxPcShutdown_Text = languageText(lang, 130);
  r.shutdownTime_Text = languageText(lang, 131);
  r.pcShutdownConfirm_Text = languageText(lang, TextSlot::pcShutdownConfirm);
  r.u_pcShutdown_image = Pictures::pcShutdown;
  r.u_pcShutdown_image_color = Pictures::pcShutdown;
}

void fillSystemWindowRecord(SystemWindowStruct &r, const LanguageTable &lang)
{
  auto t = [&lang](int slot) { return languageText(lang, slot); };
  r.textLanguage = t(135);
  r.textTemperatureUnit = t(136);
  r.textStartTalvanewithPcStart = t(138);
  r.appOpenAsMaximized = t(178);
  r.textShowCloseMessage = t(179);
  r.textSwitchToStatusPage = t(180);
  r.textDenyAppClosing = t(181);
  r.textLoadConfigFileMessage = t(183);
  r.textGroupBoxCommunication = t(139);
  r.textAutomaticDeviceScanning = t(140);
  r.textCommunicationPort = t(142);
  r.textGroupBoxSettings = t(143);
  r.textBackupFile = t(144);
  r.saveAsCsv = t(149);
  r.clearEvents = t(150);
  r.currentStateIndicator = t(156);
  r.eventsProtocol = t(151);
  r.signalContact = t(157);
  r.tableViewColumnDevice = t(152);
  r.tableViewColumnDate = t(153);
  r.tableViewColumnTime = t(154);
  r.tableViewColumnEvent = t(155);
  r.overloadSettings = t(158);
  r.overloadPossible = t(159);
  r.appCloseMessage = t(194);
  r.yesText = t(195);
  r.noText = t(196);
}

void fillStatusWindowFixedParts(StatusWindowStruct &r)
{
  r.infos_image = Pictures::infos;
  r.softwareInformation = softwareVersionText;
  r.infotextQT = qtInformationText;
}

void fillProgramstartLabels(ProgramstartWindowStruct &r, const LanguageTable &lang)
{
  auto t = [&lang](int slot) { return languageText(lang, slot); };
  r.programstartDelay_label = t(20);
  r.programstartPath_label = t(21);
  r.programstartButtonBrowser_label = t(22);
  r.programstartButtonTest_label = t(23);
  r.programstart_activ_text = t(24);
  r.programStartIfEventsOccurs_text = t(25);
}

void fillEmailLabels(EmailWindowStruct &r, const LanguageTable &lang)
{
  auto t = [&lang](int slot) { return languageText(lang, slot); };
  r.emailButtonBrowser_label = t(22);
  r.email_activ_text = t(28);
  r.emailIfEventsOccurs_text = t(29);
  r.emailConfiguration = t(30);
  r.emailSubject = t(31);
  r.emailMessage = t(32);
  r.emailFrom = t(33);
  r.emailTo = t(34);
  r.emailText = t(35);
  r.emailPath_label = t(36);
  r.emailUsername = t(37);
  r.emailPassword = t(38);
  r.emailConding = t(39);
  r.eventReport_Attachment_Text = t(40);
  r.emailTestButton_label = t(TextSlot::mailTestButton);
}
