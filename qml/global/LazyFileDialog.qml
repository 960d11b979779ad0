import QtQuick 2.15
import Qt.labs.platform 1.1 as P

// A file or folder chooser that is made when it is first opened: every chooser is a whole dialog,
// and most of them are never used in a run. `accepted` hands over the chosen file (or folder) and
// the folder the dialog shows. Not a visual item, so it takes no room in a layout.
// The platform dialogs are the system's own where it has them (Windows, a GTK desktop) and Qt's
// widget dialog elsewhere, the same on Qt 5 and Qt 6.
QtObject {
    id: lazy

    property string title
    property bool selectFolder: false
    property var nameFilters: []
    property bool startInDocuments: false
    property string dialogObjectName
    property var dialog: null

    signal accepted(url fileUrl, url folder)

    function open() {
        if (!dialog)
            dialog = (selectFolder ? folderChooser : fileChooser).createObject(lazy)
        dialog.open()
    }

    function documentsFolder() {
        return P.StandardPaths.writableLocation(P.StandardPaths.DocumentsLocation)
    }

    property Component fileChooser: Component {
        P.FileDialog {
            objectName: lazy.dialogObjectName
            title: lazy.title
            fileMode: P.FileDialog.OpenFile
            Component.onCompleted: {
                if (lazy.nameFilters.length > 0)
                    nameFilters = lazy.nameFilters
                if (lazy.startInDocuments)
                    folder = lazy.documentsFolder()
            }
            onAccepted: lazy.accepted(file, folder)
        }
    }

    property Component folderChooser: Component {
        P.FolderDialog {
            objectName: lazy.dialogObjectName
            title: lazy.title
            options: P.FolderDialog.ShowDirsOnly
            Component.onCompleted: {
                if (lazy.startInDocuments)
                    currentFolder = lazy.documentsFolder()
            }
            onAccepted: lazy.accepted(folder, currentFolder)
        }
    }
}
