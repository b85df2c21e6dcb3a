// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Ui

// A calm line for a parent while progress cannot be written. It takes no keys and no clicks,
// so whatever is under it goes on; it leaves as soon as a save works again.
Rectangle {
    id: notice

    property string text

    visible: opacity > 0
    opacity: notice.text.length > 0 ? 1 : 0
    width: Math.min(parent ? parent.width - 48 : 640, 640)
    height: label.implicitHeight + 20
    radius: 14
    color: Theme.cardBright
    border.color: Theme.tangerine
    border.width: 2

    Behavior on opacity {
        NumberAnimation {
            duration: 250
        }
    }

    Text {
        id: label
        objectName: "saveNoticeText"
        anchors.fill: parent
        anchors.margins: 10
        anchors.leftMargin: 16
        anchors.rightMargin: 16
        text: "💾  " + notice.text
        wrapMode: Text.Wrap
        verticalAlignment: Text.AlignVCenter
        color: Theme.textPrimary
        font: Theme.look.rounded(15, Font.DemiBold)
    }
}
