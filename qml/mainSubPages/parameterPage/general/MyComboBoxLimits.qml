// A limits or threshold list; `number` is the box number the back end expects (0 = first box).
ParameterComboBox {
    property int number: 0

    onUserActivated: function(value) { cppClass.receiveFromQml_SetLimitsList_ComboBox(number, value) }
}
