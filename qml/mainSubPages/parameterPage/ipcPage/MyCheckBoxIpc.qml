import "../general" as General

// A switch of the IPC page: 3 PC shutdown, 4 IPC mode of the device, 5 fast PC start-up.
General.ParameterCheckBox {
    property int number: 3

    onUserToggled: cppClass.receiveFromQml_IpcPage_CheckBox(number, on)
}
