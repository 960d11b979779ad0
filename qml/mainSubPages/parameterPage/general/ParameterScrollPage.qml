import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import "../../../global" as G

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
    contentHeight: idColumn.height + 2 * idGlobal.pageMargin
    ScrollBar.horizontal.policy: ScrollBar.AlwaysOff
    ScrollBar.vertical: G.PageScrollBar {
        parent: page
        x: page.mirrored ? 0 : page.width - width
        y: page.topPadding
        height: page.availableHeight
    }

    ColumnLayout {
        id: idColumn
        x: idGlobal.pageMargin
        y: idGlobal.pageMargin
        width: Math.max(0, Math.min(page.availableWidth - 2 * idGlobal.pageMargin, page.maxContentWidth))
        spacing: idGlobal.spacing
    }

    G.FocusScroller {
        flickable: page.contentItem
        content: idColumn
    }
}
