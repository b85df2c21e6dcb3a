// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import Tapalong.Store
import Tapalong.Ui

// The dashboard's texts from home: one button per text a grown-up gave the explorer; shown only
// while there is one.
Item {
    id: root

    signal start(string lessonId)

    visible: homeTexts.texts.length > 0
    height: visible ? column.implicitHeight + 2 * 20 : 0

    HomeTexts {
        id: homeTexts
        store: AppStore
    }

    CardBackground {
        anchors.fill: parent
        radius: 24
    }

    Column {
        id: column
        x: 26
        y: 20
        width: parent.width - 2 * 26
        spacing: 10

        Text {
            width: column.width
            text: "🏡 " + qsTr("Practice from home")
            font: Theme.look.rounded(22, Font.Bold)
            color: Theme.textPrimary
            elide: Text.ElideRight
        }
        Flow {
            width: column.width
            spacing: 10

            Repeater {
                model: homeTexts.texts

                BigButton {
                    required property homeText modelData
                    required property int index
                    objectName: "homeText " + index
                    Accessible.name: modelData.preview
                    text: modelData.preview + "  ▶"
                    size: 15
                    color: Theme.sky
                    onClicked: root.start(modelData.lessonId)
                }
            }
        }
    }
}
