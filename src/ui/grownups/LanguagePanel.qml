// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Store
import Tapalong.Ui

// The household's language: each named in its own words, so that a grown-up who cannot read the
// current one still finds theirs. The change shows at once, on every screen.
Item {
    id: root

    height: content.implicitHeight + 2 * 18

    CardBackground {
        anchors.fill: parent
        radius: 20
    }

    Column {
        id: content
        x: 20
        y: 18
        width: parent.width - 2 * 20
        spacing: 10

        Text {
            text: qsTr("Language")
            font: Theme.rounded(18, Font.Bold)
            color: Theme.textPrimary
        }
        Flow {
            width: content.width
            spacing: 12

            Repeater {
                model: [
                    { code: "en", name: "English" }, // not translated: each in its own words
                    { code: "de", name: "Deutsch" }, // not translated: each in its own words
                    { code: "fr", name: "Français" }, // not translated: each in its own words
                    { code: "es", name: "Español" } // not translated: each in its own words
                ]
                delegate: GhostButton {
                    required property var modelData
                    objectName: "language " + modelData.code
                    text: (AppStore.language === modelData.code ? "✓ " : "") + modelData.name
                    size: 14
                    onClicked: AppStore.chooseLanguage(modelData.code)
                }
            }
        }
    }
}
