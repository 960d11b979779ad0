import QtQuick 2.15
import QtTest 1.15
import Qt.labs.platform 1.1 as P

// The file and folder chooser every page uses: what the user picks in the dialog arrives with the
// folder the dialog shows, the filters and the start folder reach the dialog, and the dialog is
// made only when it is first opened.
TestCase {
    id: testCase
    name: "FileChooser"
    when: windowShown

    property var chooser: null

    SignalSpy {
        id: acceptedSpy
        signalName: "accepted"
    }

    function init() {
        acceptedSpy.clear()
    }

    function cleanup() {
        if (chooser && chooser.dialog && chooser.dialog.visible)
            chooser.dialog.reject()
        if (chooser)
            chooser.destroy()
        chooser = null
    }

    function make(properties) {
        var component = Qt.createComponent("qrc:/qml/global/LazyFileDialog.qml")
        compare(component.status, Component.Ready, component.errorString())
        chooser = component.createObject(testCase, properties)
        verify(chooser !== null)
        acceptedSpy.target = chooser
        return chooser
    }

    // A folder URL without its trailing slash, as the dialogs report folders.
    function folderText(url) {
        return url.toString().replace(/\/$/, "")
    }

    function openDialog(chooser) {
        compare(chooser.dialog, null, "the dialog exists before it is first opened")
        chooser.open()
        verify(chooser.dialog !== null)
        tryCompare(chooser.dialog, "visible", true)
        return chooser.dialog
    }

    readonly property string here: folderText(Qt.resolvedUrl("."))
    readonly property string thisFile: Qt.resolvedUrl("tst_fileChooser.qml").toString()

    function test_choice_data() {
        return [
            { tag: "file", selectFolder: false, pick: thisFile, chosen: thisFile },
            { tag: "folder", selectFolder: true, pick: here, chosen: here }
        ]
    }

    // The user picks in the dialog (a file, or the folder it shows) and accepts.
    function test_choice(data) {
        var dialog = openDialog(make({ selectFolder: data.selectFolder, dialogObjectName: "chooser" }))
        compare(dialog.objectName, "chooser")
        if (data.selectFolder)
            dialog.currentFolder = data.pick
        else
            dialog.currentFile = data.pick
        dialog.accept()
        compare(acceptedSpy.count, 1)
        compare(folderText(acceptedSpy.signalArguments[0][0]), folderText(data.chosen))
        compare(folderText(acceptedSpy.signalArguments[0][1]), here)
        tryCompare(dialog, "visible", false)
    }

    function test_cancelChoosesNothing() {
        var dialog = openDialog(make({}))
        dialog.reject()
        tryCompare(dialog, "visible", false)
        compare(acceptedSpy.count, 0)
    }

    function test_filtersReachTheDialog() {
        var dialog = openDialog(make({ nameFilters: ["Firmware (*.bin)"] }))
        compare(dialog.nameFilters, ["Firmware (*.bin)"])
    }

    function test_startFolder_data() {
        return [ { tag: "file", selectFolder: false }, { tag: "folder", selectFolder: true } ]
    }

    // The export choosers start in the user's documents folder.
    function test_startFolder(data) {
        var dialog = openDialog(make({ selectFolder: data.selectFolder, startInDocuments: true }))
        var documents = folderText(P.StandardPaths.writableLocation(P.StandardPaths.DocumentsLocation))
        compare(folderText(data.selectFolder ? dialog.currentFolder : dialog.folder), documents)
    }
}
