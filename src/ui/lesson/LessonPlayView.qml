// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import Tapalong.Curriculum
import Tapalong.Store
import Tapalong.Ui

// The lesson screen: its tutorial, then the drill line with the next key lit, the pause card,
// and the results card with confetti. Every rule is LessonController's; this only draws.
// It takes keys while it is enabled: the root view disables a screen as it starts to leave.
Item {
    id: root

    required property string lessonId

    signal exit()
    signal next(string lessonId)
    signal bonus(string lessonId, string kind)

    readonly property LessonController controller: lesson
    readonly property LessonSession session: lesson.session
    readonly property bool finished: session?.finished ?? false

    // Dead keys and input methods compose only for a focused item that accepts them. Only while
    // a drill is typed: the tutorial, pause and results cards give Tab back to their buttons.
    TypingFocus {
        active: lesson.active && !root.finished && !lesson.paused && !lesson.tutorial.active
    }

    LessonController {
        id: lesson
        lessonId: root.lessonId
        store: AppStore
        active: root.enabled
        onExitRequested: root.exit()
        onNextRequested: lessonId => root.next(lessonId)
        onBonusRequested: (lessonId, kind) => root.bonus(lessonId, kind)
    }

    Item {
        id: topBar
        anchors {
            top: root.top
            left: root.left
            right: root.right
            topMargin: 18
            leftMargin: 28
            rightMargin: 28
        }
        height: Math.max(close.height, heading.implicitHeight, stats.height)

        GhostButton {
            id: close
            objectName: "closeButton"
            Accessible.name: qsTr("Close")
            // Escape is the keyboard's way out; Tab stays on the pause and results cards.
            focusPolicy: Qt.NoFocus
            anchors.left: topBar.left
            anchors.verticalCenter: topBar.verticalCenter
            text: "✕"
            size: 16
            onClicked: lesson.exit()
        }

        Column {
            id: heading
            anchors.left: close.right
            anchors.leftMargin: 16
            anchors.verticalCenter: topBar.verticalCenter

            Text {
                text: lesson.heading
                font: Theme.look.rounded(22, Font.Bold)
                color: Theme.textPrimary
                Accessible.role: Accessible.Heading
                Accessible.name: text
            }
            Text {
                objectName: "drillLabel"
                text: lesson.drillLabel
                font: Theme.look.rounded(13, Font.DemiBold)
                color: Theme.textDim
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }
        }

        Row {
            id: stats
            anchors.right: topBar.right
            anchors.verticalCenter: topBar.verticalCenter
            spacing: 10

            LiveStat {
                objectName: "wpmStat"
                emoji: "🚀"
                value: lesson.wpmText
                label: qsTr("wpm")
            }
            LiveStat {
                objectName: "accuracyStat"
                emoji: "🎯"
                value: lesson.accuracyText
                label: qsTr("accuracy")
            }
        }
    }

    Item {
        anchors {
            top: topBar.bottom
            bottom: keyboard.top
            left: root.left
            right: root.right
            leftMargin: 40
            rightMargin: 40
        }

        Column {
            anchors.centerIn: parent
            spacing: 24

            DrillTextView {
                objectName: "drillText"
                anchors.horizontalCenter: parent.horizontalCenter
                chars: root.session?.chars ?? ""
                charIndex: root.session?.charIndex ?? 0
                wrongCount: root.session?.wrong ?? 0
                // At the usual window the line keeps its size; a larger text grows it only as
                // far as the window is larger than that.
                grow: Math.min(Theme.textScale, Math.max(1, Math.min(root.width / 1180,
                                                                     root.height / 780)))
                Accessible.role: Accessible.StaticText
                //: The drill line a screen reader reads, then the key to type now
                Accessible.name: lesson.highlightName === "" ? qsTr("Line: %1").arg(chars)
                                 : qsTr("Line: %1. Next key: %2").arg(chars).arg(lesson.highlightName)
                transform: Shake {
                    count: root.session?.wrong ?? 0
                }
            }
            ProgressCapsule {
                anchors.horizontalCenter: parent.horizontalCenter
                width: 420
                height: 10
                progress: root.session?.progress ?? 0
            }
        }
    }

    KeyboardView {
        id: keyboard
        objectName: "keyboard"
        anchors.bottom: root.bottom
        anchors.bottomMargin: 24
        anchors.horizontalCenter: root.horizontalCenter
        highlight: lesson.highlight
        extra: ""
        unit: 46
        keyHeight: 42
        gap: 5
    }

    TutorialOverlay {
        id: tutorial
        objectName: "tutorial"
        anchors.fill: root
        shown: lesson.tutorial.active
        count: lesson.tutorial.count
        onNext: lesson.tutorial.advance()
        onSkip: lesson.tutorial.end()
        onReplay: lesson.tutorial.replay()
    }
    // The last step stays on the card while the overlay fades out.
    Binding {
        target: tutorial
        property: "step"
        value: lesson.tutorial.step
        when: lesson.tutorial.active
        restoreMode: Binding.RestoreNone
    }
    Binding {
        target: tutorial
        property: "index"
        value: lesson.tutorial.index
        when: lesson.tutorial.active
        restoreMode: Binding.RestoreNone
    }

    PauseOverlay {
        objectName: "pause"
        anchors.fill: root
        visible: lesson.paused
        onLeave: lesson.exit()
        onKeepGoing: lesson.resume()
    }

    // The last key's frame comes first, then the card and the confetti.
    FrameLatch {
        id: resultsLatch
        when: root.finished
    }

    ResultsOverlay {
        objectName: "results"
        anchors.fill: root
        visible: resultsLatch.open
        title: lesson.results.title
        stars: root.session?.stars ?? 0
        showStars: lesson.showStars
        speedText: lesson.results.speedText
        accuracyText: lesson.results.accuracyText
        keysTyped: root.session?.correct ?? 0
        newBadges: lesson.results.newBadges
        bonusChoices: lesson.results.bonusChoices
        nextLessonTitle: lesson.results.nextLessonTitle
        onExit: lesson.exit()
        onRetry: lesson.restart()
        onNext: lesson.openNext()
        onBonus: kind => lesson.openBonus(kind)
    }
    // A new burst for every finished attempt, none before.
    ConfettiView {
        anchors.fill: root
        visible: resultsLatch.open
        count: resultsLatch.open ? 70 : 0
    }

    // A live number of the top bar: its emoji, the value and what it measures, on a pill.
    component LiveStat: Rectangle {
        id: pill

        property string emoji
        property string value
        property string label

        implicitWidth: pillRow.implicitWidth + 2 * 12
        implicitHeight: pillRow.implicitHeight + 2 * 7
        radius: height / 2
        color: Theme.card
        Accessible.role: Accessible.StaticText
        Accessible.name: qsTr("%1: %2").arg(pill.label).arg(pill.value)

        Row {
            id: pillRow
            anchors.centerIn: pill
            spacing: 6

            Text {
                anchors.verticalCenter: pillRow.verticalCenter
                text: pill.emoji
                font: Theme.emoji(16)
            }
            Text {
                objectName: "value"
                anchors.verticalCenter: pillRow.verticalCenter
                text: pill.value
                font: Theme.look.rounded(18, Font.Bold)
                color: Theme.textPrimary
            }
            Text {
                anchors.verticalCenter: pillRow.verticalCenter
                text: pill.label
                font: Theme.look.rounded(12, Font.DemiBold)
                color: Theme.textDim
            }
        }
    }
}
