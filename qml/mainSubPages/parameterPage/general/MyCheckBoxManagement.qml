// A management switch stored in the device's management word; `number` is the setting number
// (0..2 for the management boxes, 100 and 101 for the advanced settings).
ParameterCheckBox {
    property int number: 0

    onUserToggled: function(on) { cppClass.receiveFromQml_SetManagement_CheckBox(number, on) }
}
