import "../general" as General

// An overload list; box 0 is the buffer current limit.
General.ParameterComboBox {
    property int number: 0

    onUserActivated: function(value) { cppClass.receiveFromQml_SetOverloadList_ComboBox(number, value) }
}
