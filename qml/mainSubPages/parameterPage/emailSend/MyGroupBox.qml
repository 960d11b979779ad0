import "../../../global" as G

// The shared titled frame.
G.MyGroupBox {}
