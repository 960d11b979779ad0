import QtQml 2.15

// The copy of a record a page shows. While the page is out of view the newest copy waits here and
// is handed over when the page is shown, so hidden pages do not re-evaluate their bindings on
// every change of a record they are not showing.
QtObject {
    property bool shown: true
    property var record
    property var held: null

    function take(newest) {
        if (shown)
            record = newest
        else
            held = newest
    }

    // The page's first copy comes from the window's newest record; from then on only `take` changes
    // it, so a record sent while the page is hidden does not reach its bindings.
    Component.onCompleted: record = record

    onShownChanged: {
        if (shown && held !== null) {
            record = held
            held = null
        }
    }
}
