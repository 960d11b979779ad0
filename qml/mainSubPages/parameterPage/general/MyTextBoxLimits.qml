// A limits value typed by the user: 0 max. buffer time, 1 min. buffer time, 2 and 3 the low and
// high state-of-charge levels.
ParameterTextField {
    property int number: 0

    onUserEdited: function(value) { cppClass.receiveFromQml_ParameterSetLimitsList_TextBox(number, value) }
}
