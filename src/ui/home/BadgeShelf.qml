// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import Tapalong.Ui

// The dashboard's row of badge chips, wider than the window at ordinary sizes. It scrolls
// sideways by dragging, by the mouse wheel or touchpad, and by an arrow at each cut edge, which
// shows only while more badges lie beyond it. (A fade to the sky's colour showed as a band: the
// sky is a gradient.)
Item {
    id: root

    // In the order the shelf shows them.
    property list<shelfBadge> badges

    readonly property real step: 10 + 92 // a chip and its gap
    readonly property real maxX: Math.max(0, flick.contentWidth - flick.width)

    function scrollBy(dx: real) {
        flick.contentX = Math.max(0, Math.min(flick.contentX + dx, maxX))
    }

    // One Tab stop; Left and Right walk the chips, which scroll into sight.
    property int current: 0

    function select(index: int) {
        current = Math.max(0, Math.min(index, badges.length - 1))
        const chip = chips.itemAt(current)
        if (!chip)
            return
        if (chip.x < flick.contentX)
            flick.contentX = chip.x
        else if (chip.x + chip.width > flick.contentX + flick.width)
            flick.contentX = Math.min(maxX, chip.x + chip.width - flick.width)
    }

    implicitHeight: shelf.implicitHeight
    activeFocusOnTab: badges.length > 0
    Accessible.role: Accessible.List
    //: The badge shelf for a screen reader; %1 is the badge that has the keyboard.
    Accessible.name: badges.length === 0 ? qsTr("Badges")
                     : qsTr("Badges: %1").arg(badges[current].earned
                                               ? qsTr("%1, earned").arg(badges[current].title)
                                               : qsTr("%1, not earned yet").arg(badges[current].title))
    Keys.onLeftPressed: select(current - 1)
    Keys.onRightPressed: select(current + 1)
    onActiveFocusChanged: if (activeFocus) select(current)

    Flickable {
        id: flick
        objectName: "badgeShelf"
        anchors.fill: parent
        contentWidth: shelf.implicitWidth
        flickableDirection: Flickable.HorizontalFlick
        boundsBehavior: Flickable.StopAtBounds
        clip: true

        Row {
            id: shelf

            // One height for every chip, whether its title takes one line or two.
            property real tallest: {
                let most = 0
                for (let i = 0; i < children.length; ++i)
                    most = Math.max(most, children[i].implicitHeight)
                return most
            }

            spacing: 10

            Repeater {
                id: chips
                objectName: "badgeChips"
                model: root.badges

                BadgeChip {
                    id: chip
                    required property shelfBadge modelData
                    required property int index

                    height: shelf.tallest
                    emoji: modelData.emoji
                    title: modelData.title
                    earned: modelData.earned

                    // Inside the chip's edge: the shelf clips what lies outside.
                    FocusRing {
                        target: root
                        visible: root.activeFocus && chip.index === root.current
                        controlRadius: 14
                        gap: -5
                    }
                }
            }
        }

        // A mouse wheel turns up and down and a touchpad swipes either way: whichever way
        // moves most scrolls the row, one chip a notch.
        WheelHandler {
            enabled: root.maxX > 0
            onWheel: event => {
                const pixels = event.pixelDelta
                const delta = pixels.x !== 0 || pixels.y !== 0
                    ? pixels : Qt.point(event.angleDelta.x * root.step / 120,
                                        event.angleDelta.y * root.step / 120)
                root.scrollBy(-(Math.abs(delta.x) > Math.abs(delta.y) ? delta.x : delta.y))
            }
        }
    }

    EdgeArrow {
        objectName: "moreLeft"
        anchors.left: parent.left
        shown: flick.contentX > 1
        direction: -1
    }
    EdgeArrow {
        objectName: "moreRight"
        anchors.right: parent.right
        shown: flick.contentX < root.maxX - 1
        direction: 1
    }

    // A round arrow over the cut chip, which scrolls most of a row that way.
    component EdgeArrow: Item {
        id: arrow

        required property bool shown
        required property int direction // -1 left, 1 right

        width: 40
        height: root.height
        visible: shown

        Rectangle {
            anchors.verticalCenter: parent.verticalCenter
            x: arrow.direction > 0 ? parent.width - width : 0
            width: 34
            height: 34
            radius: 17
            color: tap.pressed ? Theme.cardBright : Theme.bgMid
            border.width: 1
            border.color: Theme.starOutline

            Text {
                anchors.centerIn: parent
                anchors.verticalCenterOffset: -2
                text: arrow.direction > 0 ? "›" : "‹"
                font: Theme.look.rounded(26, Font.Bold)
                color: Theme.textPrimary
            }
        }

        TapHandler {
            id: tap
            onTapped: root.scrollBy(arrow.direction * Math.max(root.step, root.width - 2 * arrow.width))
        }
    }
}
