// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import QtQuick.Templates as T
import Tapalong.Ui

// One lesson on the learn map: locked, open or done, with its stars and the ring that marks the
// lesson to do next. Clicking opens it only once it is unlocked.
T.AbstractButton {
    id: bubble

    required property mapLesson lesson

    signal openLesson(string lessonId)

    readonly property bool unlocked: lesson.unlocked

    function faded(colour: color, alpha: real): color {
        return Qt.rgba(colour.r, colour.g, colour.b, alpha)
    }

    // Tab reaches every bubble, a locked one too, so that a screen reader can say it is locked;
    // a click does not take the keyboard. A locked bubble must still show its tooltip.
    focusPolicy: Qt.TabFocus
    Accessible.role: Accessible.Button
    Accessible.name: unlocked ? qsTr("Start lesson: %1").arg(lesson.title)
                              : qsTr("Locked lesson: %1").arg(lesson.title)
    Accessible.description: lesson.tooltip
    Keys.onReturnPressed: clicked()
    Accessible.onPressAction: clicked()
    Keys.onEnterPressed: clicked()
    hoverEnabled: true
    opacity: unlocked ? 1 : 0.55
    topPadding: 14
    bottomPadding: 14
    implicitWidth: 140
    implicitHeight: implicitContentHeight + topPadding + bottomPadding

    onClicked: {
        if (unlocked)
            openLesson(lesson.id)
    }

    HoverHandler {
        cursorShape: bubble.unlocked ? Qt.PointingHandCursor : Qt.ArrowCursor
    }

    background: Rectangle {
        radius: 18
        color: bubble.lesson.isNext ? Theme.cardBright : bubble.faded(Theme.textPrimary, 0.05)
    }

    contentItem: Column {
        spacing: 8

        // Always the ring's size, so that the ring does not make its row taller.
        Item {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 70
            height: 70

            Rectangle {
                objectName: "circle"
                anchors.centerIn: parent
                width: 62
                height: 62
                radius: 31
                color: bubble.lesson.circleColor
            }
            Rectangle {
                objectName: "ring"
                anchors.fill: parent
                visible: bubble.lesson.isNext
                radius: width / 2
                color: "transparent"
                border.width: 3
                border.color: Theme.sunshine
            }
            EmojiText {
                anchors.centerIn: parent
                text: bubble.unlocked ? bubble.lesson.emoji : "🔒"
                pixelSize: 28
                greyscale: !bubble.unlocked
            }
        }

        Text {
            width: parent.width
            text: bubble.lesson.title
            font: Theme.look.rounded(14, Font.Bold)
            color: bubble.unlocked ? Theme.textPrimary : Theme.textDim
            horizontalAlignment: Text.AlignHCenter
            elide: Text.ElideRight
        }

        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            visible: bubble.unlocked && text !== ""
            text: bubble.lesson.newKeysLabel
            font: Theme.look.mono(12, Font.Bold)
            color: Theme.textDim
        }

        StarsView {
            anchors.horizontalCenter: parent.horizontalCenter
            visible: bubble.lesson.finished
            stars: bubble.lesson.stars
            max: 3
            size: 13
        }
    }

    T.ToolTip {
        objectName: "tooltip"
        visible: bubble.hovered
        delay: 500
        text: bubble.lesson.tooltip
        x: (bubble.width - implicitWidth) / 2
        y: -implicitHeight - 4
        padding: 8
        leftPadding: 12
        rightPadding: 12
        implicitWidth: implicitContentWidth + leftPadding + rightPadding
        implicitHeight: implicitContentHeight + topPadding + bottomPadding

        contentItem: Text {
            text: bubble.lesson.tooltip
            font: Theme.look.rounded(13, Font.DemiBold)
            color: Theme.textPrimary
        }
        background: Rectangle {
            radius: 10
            color: Theme.bgMid
            border.color: Theme.cardBright
        }
    }

    FocusRing {
        controlRadius: 18
    }
}
