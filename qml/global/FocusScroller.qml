import QtQuick 2.15
import QtQuick.Window 2.15

// Keeps the control that gets the keyboard focus inside the visible part of a scrolling page, with
// `room` to spare around it so that its title or neighbour shows as well. Place it in the page; it
// acts only while the page is visible and only for controls inside `content`.
Item {
    id: scroller

    property Flickable flickable
    property Item content
    property real room: idGlobal.spacing

    function scrollTo(item) {
        if (!item || !flickable || !content || !scroller.visible)
            return
        for (var p = item; p; p = p.parent) {
            if (p === content) {
                var top = item.mapToItem(flickable.contentItem, 0, 0).y - room
                var bottom = top + item.height + 2 * room
                var maxY = Math.max(0, flickable.contentHeight - flickable.height)
                if (top < flickable.contentY)
                    flickable.contentY = top <= room ? 0 : top
                else if (bottom > flickable.contentY + flickable.height)
                    flickable.contentY = Math.min(bottom - flickable.height, maxY)
                return
            }
        }
    }

    property Item focusedItem: Window.activeFocusItem
    onFocusedItemChanged: scrollTo(focusedItem)
}
