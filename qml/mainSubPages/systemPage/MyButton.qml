import "../../global" as G

// The shared push button.
G.MyButton {}
