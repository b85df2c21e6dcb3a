// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Store
import Tapalong.Ui

// The dashboard's way into tricky-key practice; it shows only once the explorer has typed
// enough for the weak keys to stand out.
Item {
    id: root

    signal start(string lessonId)

    visible: practice.available
    height: visible ? row.implicitHeight + 2 * 20 : 0

    TrickyPractice {
        id: practice
        store: AppStore
    }

    CardBackground {
        anchors.fill: parent
        radius: 24
    }

    Item {
        id: row
        x: 26
        y: 20
        width: parent.width - 2 * 26
        implicitHeight: Math.max(texts.implicitHeight, button.implicitHeight)

        Column {
            id: texts
            anchors.left: parent.left
            anchors.right: button.left
            anchors.rightMargin: 16
            anchors.verticalCenter: parent.verticalCenter
            spacing: 4

            Text {
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                width: texts.width
                text: qsTr("🎯 Practise tricky keys")
                font: Theme.look.rounded(22, Font.Bold)
                color: Theme.textPrimary
                elide: Text.ElideRight
            }
            Text {
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                objectName: "trickyKeysDescription"
                width: texts.width
                text: practice.description
                font: Theme.look.rounded(15, Font.DemiBold)
                color: Theme.textDim
                wrapMode: Text.Wrap
            }
        }

        BigButton {
            id: button
            objectName: "trickyKeysButton"
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("Let's practise ▶")
            size: 18
            color: Theme.coral
            onClicked: root.start(practice.lessonId)
        }
    }
}
