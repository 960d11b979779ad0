import "../overload" as Overload

// The overload behaviour check box; it lives on the overload page, this is the same control.
Overload.MyCheckBoxOverloadBehavior {}
