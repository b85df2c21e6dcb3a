// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import QtQuick.Layouts
import Tapalong.Ui

// One explorer's line on a champions board: place, avatar, name, the figure; brighter for the
// explorer who is playing.
Item {
    id: root

    required property championRow row

    implicitHeight: line.implicitHeight + 2 * 13

    // One line for a screen reader; the medal, the animal and the texts are drawing only.
    Accessible.role: Accessible.ListItem
    //: A champions row for a screen reader: rank, name, animal and score, as "1. Mia the fox: ⭐️ 12".
    Accessible.name: (root.row.isCurrent ? qsTr("%1. %2 the %3: %4 (you)") : qsTr("%1. %2 the %3: %4"))
                     .arg(root.row.rank).arg(root.row.name).arg(AvatarNames.nameOf(root.row.avatar))
                     .arg(root.row.value)

    CardBackground {
        anchors.fill: parent
        radius: 18
        color: root.row.isCurrent ? Theme.cardBright : Theme.card
    }

    RowLayout {
        id: line
        anchors.fill: parent
        anchors.leftMargin: 20
        anchors.rightMargin: 20
        spacing: 14

        MedalView {
            rank: root.row.rank
        }
        Text {
            text: root.row.avatar
            font: Theme.emoji(30)
        }
        Text {
            objectName: "name"
            // Shrinks, eliding, only when a long name would push the figure off the card.
            Layout.minimumWidth: 0
            text: root.row.name
            font: Theme.look.rounded(19, Font.Bold)
            color: Theme.textPrimary
            elide: Text.ElideRight
        }
        Rectangle {
            objectName: "you"
            visible: root.row.isCurrent
            implicitWidth: you.implicitWidth + 2 * 8
            implicitHeight: you.implicitHeight + 2 * 3
            radius: height / 2
            color: Theme.mint

            Text {
                id: you
                anchors.centerIn: parent
                text: qsTr("YOU")
                font: Theme.look.rounded(11, Font.Black)
                color: Theme.ink
            }
        }
        Item {
            Layout.fillWidth: true
        }
        Text {
            objectName: "value"
            text: root.row.value
            font: Theme.look.rounded(21, Font.Bold)
            color: root.row.rank === 1 ? Theme.sunshine : Theme.textPrimary
        }
    }
}
