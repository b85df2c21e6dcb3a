// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Ui

// Told while the keyboard types other letters than the household's (a layout switch key was
// pressed): so a child does not take the mistakes that follow for their own.
Item {
    id: root

    property real maxWidth: 560

    objectName: "layoutNotice"
    visible: KeyboardChoice.differs
    implicitWidth: Math.min(words.implicitWidth, maxWidth) + 2 * 20
    implicitHeight: words.implicitHeight + 2 * 12

    CardBackground {
        anchors.fill: parent
        radius: 16
    }
    Text {
        id: words
        objectName: "layoutNoticeText"
        anchors.centerIn: parent
        width: Math.min(implicitWidth, root.maxWidth)
        // Only while shown: naming the layout reads the keyboard data's list of names.
        text: !KeyboardChoice.differs
              ? "" : qsTr("🙂 Your keyboard has switched to other letters. Ask a grown-up to "
                          + "switch it back to %1.").arg(KeyboardChoice.description)
        font: Theme.rounded(16, Font.DemiBold)
        color: Theme.sunshine
        wrapMode: Text.Wrap
        horizontalAlignment: Text.AlignHCenter
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
}
