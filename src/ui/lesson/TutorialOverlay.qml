// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import Tapalong.Curriculum
import Tapalong.Ui

// The step-by-step introduction laid over the lesson screen: what to do, the key to press on
// the keyboard, the finger to press it with, and the way on. The screen owning it handles the
// keys and the narrator; this only shows the step and reports the buttons.
Item {
    id: root

    property tutorialStep step
    // Which step of how many, for the dots and the last button's label.
    property int index: 0
    property int count: 1
    // Fades the overlay in and out; while fading out it takes no clicks.
    property bool shown: true

    signal next()
    signal skip()
    signal replay()

    readonly property bool lastStep: index >= count - 1
    readonly property real margin: 28

    visible: opacity > 0
    enabled: shown
    opacity: 0
    states: State {
        when: root.shown
        PropertyChanges { root.opacity: 1 }
    }
    transitions: Transition {
        NumberAnimation { property: "opacity"; duration: 250; easing.type: Easing.InOutQuad } // not translated: a property name
    }

    Scrim {
        anchors.fill: parent
        strength: 0.72
    }

    // Nothing under the overlay answers the mouse while it is up.
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        onWheel: wheel => wheel.accepted = true
    }

    Column {
        id: content
        anchors.centerIn: parent

        readonly property real stackHeight:
            card.height + keyboard.height + hands.height + controls.height

        // A short window first closes the gaps; only one below the smallest window size shrinks
        // the whole tutorial, since the software renderer draws scaled rectangles with seams.
        spacing: Math.max(8, Math.min(20, (root.height - 2 * root.margin - stackHeight) / 3))
        scale: Math.max(0.1, Math.min(1, (root.width - 2 * root.margin) / Math.max(1, width),
                                      (root.height - 2 * 8) / Math.max(1, height)))

        Item {
            id: card
            anchors.horizontalCenter: content.horizontalCenter
            width: Math.max(280, Math.min(680, root.width - 2 * root.margin))
            height: cardColumn.implicitHeight + 2 * 22

            CardBackground {
                anchors.fill: parent
            }

            Column {
                id: cardColumn
                anchors.centerIn: parent
                width: card.width - 2 * 28
                spacing: 12

                Text {
                    anchors.horizontalCenter: cardColumn.horizontalCenter
                    text: root.step.emoji
                    font: Theme.emoji(38)
                }
                Text {
                    objectName: "stepText"
                    width: cardColumn.width
                    text: root.step.text
                    font: Theme.look.rounded(21, Font.DemiBold)
                    color: Theme.textPrimary
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.WordWrap
                }
                GhostButton {
                    objectName: "replayButton"
                    anchors.horizontalCenter: cardColumn.horizontalCenter
                    text: qsTr("🔊  Hear it again")
                    onClicked: root.replay()
                }
            }
        }

        KeyboardView {
            id: keyboard
            objectName: "keyboard"
            anchors.horizontalCenter: content.horizontalCenter
            highlight: root.step.highlight
            extra: root.step.extraHighlights
            unit: 46
            keyHeight: 42
            gap: 5
        }

        HandsView {
            id: hands
            objectName: "hands"
            anchors.horizontalCenter: content.horizontalCenter
            active: root.step.finger
        }

        Row {
            id: controls
            anchors.horizontalCenter: content.horizontalCenter
            spacing: 20

            GhostButton {
                objectName: "skipButton"
                anchors.verticalCenter: controls.verticalCenter
                size: 16
                text: qsTr("Skip tutorial")
                onClicked: root.skip()
            }

            Row {
                objectName: "dots"
                anchors.verticalCenter: controls.verticalCenter
                spacing: 6

                Repeater {
                    model: Math.max(0, root.count)

                    Rectangle {
                        required property int index
                        readonly property bool current: index === root.index

                        width: 8
                        height: 8
                        radius: 4
                        color: current ? Theme.sunshine : Theme.textPrimary
                        opacity: current ? 1 : 0.25
                    }
                }
            }

            Text {
                objectName: "keyHint"
                anchors.verticalCenter: controls.verticalCenter
                visible: root.step.requiredKey !== ""
                text: qsTr("Press the glowing key!")
                font: Theme.look.rounded(14, Font.DemiBold)
                color: Theme.textDim
            }

            // There even when a key is asked for, so a child who is stuck can always go on.
            BigButton {
                objectName: "nextButton"
                anchors.verticalCenter: controls.verticalCenter
                size: 18
                color: Theme.sunshine
                textColor: Theme.ink
                text: root.lastStep ? qsTr("Let's type!  ▶") : qsTr("Next  ▶")
                onClicked: root.next()
            }
        }
    }
}
