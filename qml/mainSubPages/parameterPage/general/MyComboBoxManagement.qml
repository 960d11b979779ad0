// A battery or capacitor management list; `number` is the box number the back end expects.
ParameterComboBox {
    property int number: 0

    onUserActivated: function(value) { cppClass.receiveFromQml_SetManagementList_ComboBox(number, value) }
}
