import "../general" as General

// A switch of the IPC page: 3 PC shutdown, 4 IPC mode of the device, 5 fast PC start-up.
// With `askBeforeTicking` a tick is only a question (tickToConfirm); the back end hears of it once
// `confirmTick(true)` answers it. Unticking is sent at once.
General.ParameterCheckBox {
    id: box
    property int number: 3
    property bool askBeforeTicking: false

    signal tickToConfirm()

    onUserToggled: function(on) {
        if (on && askBeforeTicking) {
            box.keepWanted = true // ticked while the question is open
            box.tickToConfirm()
        } else {
            cppClass.receiveFromQml_IpcPage_CheckBox(number, on)
        }
    }

    function confirmTick(yes) {
        box.keepWanted = false
        if (yes)
            cppClass.receiveFromQml_IpcPage_CheckBox(number, true)
        else
            box.pending = false // back to what the back end has
    }
}
