import QtQuick 2.15
import QtQuick.Dialogs 1.3 as D

// A file or folder chooser that is made when it is first opened: every chooser is a whole dialog,
// and most of them are never used in a run. `accepted` hands over the chosen file (or folder) and
// the folder the dialog shows. Not a visual item, so it takes no room in a layout.
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
            dialog = chooser.createObject(lazy)
        dialog.open()
    }

    property Component chooser: Component {
        D.FileDialog {
            objectName: lazy.dialogObjectName
            title: lazy.title
            selectFolder: lazy.selectFolder
            selectExisting: true
            selectMultiple: false
            Component.onCompleted: {
                if (lazy.nameFilters.length > 0)
                    nameFilters = lazy.nameFilters
                if (lazy.startInDocuments)
                    folder = shortcuts.documents
            }
            onAccepted: lazy.accepted(fileUrl, folder)
        }
    }
}
