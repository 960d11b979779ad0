import "../general" as General

// An overload limit switch: setting 3 Power-Boost, setting 4 Top-Boost.
General.ParameterCheckBox {
    property int number: 3

    onUserToggled: function(on) { cppClass.receiveFromQml_SetOverload_CheckBox(number, on) }
}
