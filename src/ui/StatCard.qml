import QtQuick
import Tapalong.Ui

// One number of the dashboard with its emoji and what it counts.
Item {
    id: root

    property string emoji
    property string value
    property string label
    // The value's colour.
    property color color: Theme.sunshine

    implicitWidth: Math.max(120, content.implicitWidth + 2 * 16)
    implicitHeight: content.implicitHeight + 2 * 14

    CardBackground {
        anchors.fill: parent
        radius: 18
    }

    Column {
        id: content
        anchors.centerIn: parent
        spacing: 2

        Text {
            anchors.horizontalCenter: content.horizontalCenter
            text: root.emoji
            font: Theme.emoji(30)
        }
        Text {
            anchors.horizontalCenter: content.horizontalCenter
            text: root.value
            font: Theme.rounded(26, Font.Bold)
            color: root.color
        }
        Text {
            anchors.horizontalCenter: content.horizontalCenter
            text: root.label
            font: Theme.rounded(13, Font.DemiBold)
            color: Theme.textDim
        }
    }
}
