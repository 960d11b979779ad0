// The maker's data, the application's look, and the fixed pictures the back end hands to QML.
#pragma once

#include <QString>
#include <QStringList>

struct CompanyDataStruct;

// Vendor texts that are not part of the QML record.
struct VendorData {
  QString companyShortName; // written as the FTDI adapter's manufacturer string
  QString applicationDir;   // base of the program-start and backup paths
};

namespace Pictures
{
inline const QString ledGreen = QStringLiteral("qrc:/images/led/led_green.png");
inline const QString ledRed = QStringLiteral("qrc:/images/led/led_red.png");
inline const QString ledYellow = QStringLiteral("qrc:/images/led/led_yellow.png");
inline const QString ledGrey = QStringLiteral("qrc:/images/led/led_grey.png");
inline const QString infos = QStringLiteral("qrc:/images/infos/infos.png");
inline const QString relayClosed = QStringLiteral("qrc:/images/instrumente/Schalter_zu.png");
inline const QString relayOpen = QStringLiteral("qrc:/images/instrumente/Schalter_auf.png");
inline const QString pcShutdown = QStringLiteral("qrc:/images/pc/PC_Duo.png");
inline const QString ipcInputGrey = QStringLiteral("qrc:/images/ipc/UIn_sw.png");
inline const QString ipcInput = QStringLiteral("qrc:/images/ipc/UIn.png");
inline const QString ipcOutputGrey = QStringLiteral("qrc:/images/ipc/UOut_sw.png");
inline const QString ipcOutput = QStringLiteral("qrc:/images/ipc/UOut.png");
inline const QString ipcSignalGrey = QStringLiteral("qrc:/images/ipc/Signal_sw.png");
inline const QString ipcSignal = QStringLiteral("qrc:/images/ipc/Signal.png");
inline const QString ipcShutdownGrey = QStringLiteral("qrc:/images/ipc/IPC_sw.png");
inline const QString ipcShutdown = QStringLiteral("qrc:/images/ipc/IPC.png");
inline const QString ipcPcGrey = QStringLiteral("qrc:/images/ipc/PC_sw.png");
inline const QString ipcPc = QStringLiteral("qrc:/images/ipc/PC.png");
} // namespace Pictures

inline const QString softwareVersionText = QStringLiteral("Version: 4.1.8");
inline const QString qtInformationText = QStringLiteral("Based on Qt 5.11.1 (MinGW 32bit) under LGPLv3");

// Fills the look and the maker's data; keeps `applicationDir` in `vendor`.
void fillCompanyData(CompanyDataStruct &company, VendorData &vendor, const QString &applicationDir);

// Turns a picture path ("/images/…") into a URL that QML can load: "qrc:" URLs stay as they are;
// other paths name the file in the first of `pictureFolders` that has it (in the first folder
// when none has it).
QString resolvePicturePath(const QString &path);
// The same with the working-directory folder alone, or with the given folders in their order.
QString resolvePicturePath(const QString &path, const QString &workingDir);
QString resolvePicturePath(const QString &path, const QStringList &folders);

// Where pictures outside the resources are looked for, in this order: app/ below the working
// directory (above a "build-…" tree), app/ beside the program, and talvane/ in each data folder
// of the system (e.g. /usr/share/talvane).
QStringList pictureFolders(const QString &workingDir);
