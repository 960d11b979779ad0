import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15

// Body of a parameter page: a vertical scroll view whose content column sits at the top left with
// the page margins and a maximum width. The view follows the keyboard focus, so that tabbing to a
// control below the visible part scrolls it into view.
ScrollView {
    id: page

    default property alias content: idColumn.data
    property int maxContentWidth: 1240
    readonly property int contentColumnWidth: idColumn.width

    // Pages that are not shown leave the Tab chain.
    visible: SwipeView.view ? SwipeView.isCurrentItem : true
    clip: true
    contentWidth: availableWidth
    contentHeight: idColumn.implicitHeight + 2 * idGlobal.pageMargin
    ScrollBar.horizontal.policy: ScrollBar.AlwaysOff

    ColumnLayout {
        id: idColumn
        x: idGlobal.pageMargin
        y: idGlobal.pageMargin
        width: Math.max(0, Math.min(page.availableWidth - 2 * idGlobal.pageMargin, page.maxContentWidth))
        spacing: idGlobal.spacing
    }

    property Item focusedItem: Window.activeFocusItem
    onFocusedItemChanged: ensureVisible(focusedItem)

    function ensureVisible(item) {
        if (!item || !page.visible)
            return
        var inside = false
        for (var p = item.parent; p; p = p.parent) {
            if (p === idColumn) {
                inside = true
                break
            }
        }
        if (!inside)
            return
        var flick = page.contentItem
        var top = item.mapToItem(idColumn, 0, 0).y + idColumn.y - idGlobal.spacing
        var bottom = top + item.height + 2 * idGlobal.spacing
        if (top < flick.contentY)
            flick.contentY = Math.max(0, top)
        else if (bottom > flick.contentY + flick.height)
            flick.contentY = Math.min(bottom - flick.height, Math.max(0, flick.contentHeight - flick.height))
    }
}
