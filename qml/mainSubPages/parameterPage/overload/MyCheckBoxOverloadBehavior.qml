import "../general" as General

// Overload behaviour: box 0 fuse operation, box 1 hiccup operation.
General.ParameterCheckBox {
    property int number: 0

    onUserToggled: function(on) { cppClass.receiveFromQml_SetOverloadBehavior_CheckBox(number, on) }
}
