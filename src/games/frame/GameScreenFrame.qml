// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Games
import Tapalong.Ui

// Everything a game screen shares: the bar, the start, paused and game-over cards, confetti
// for a new high score, and through its GameFrame the keys, the 1/60 s ticks and recording.
// A game's screen is one of these holding only its playfield and its texts:
//
//   GameScreenFrame {
//       id: screen
//       model: LetterDropModel { id: drops }
//       gameOverWords: "Splash! Game over"
//       readyText: screen.isBonus ? "…" + screen.bonusSeconds + " seconds…" : "…"
//       Item { anchors.fill: parent }   // the playfield, under the bar and the cards
//   }
//
// The root view hands it `bonusLessonId`, `bonusDuration` and `nextLessonId` in a bonus round
// and listens to exit() and openLesson(). A game may also fill `status` (bar items before the
// hearts and score) and `overLines` (game-over lines under the best), and change the looks named
// below. The frame takes keys from when it is created until the screen is left.
Item {
    id: root

    // The game's model, declared inline; kept for the screen's whole life. `game` is the same
    // object under a name that reads better in the bindings below.
    required property GameModel model
    readonly property GameModel game: root.model
    // From the root view, in a bonus round: the lesson it follows and its length in seconds.
    property string bonusLessonId
    property real bonusDuration: 45 // the root view always gives one
    // From the root view; the frame finds the same lesson after `bonusLessonId` by itself.
    property string nextLessonId

    // The game's texts.
    property string readyText
    property string gameOverWords
    property string focusSentence: qsTr("Watch for your new keys: ")

    // The playfield: children declared in the game's screen land here, filling the window.
    default property alias playfield: playfieldLayer.data
    // Items of the game's own in the bar, between the combo and the hearts.
    property alias status: statusSlot.data
    // Lines of the game's own on the game-over card, under the best.
    property alias overLines: overCard.lines

    // Looks a game may change; the defaults are the falling-letter games'.
    property color accent: Theme.sky // the start and the big replay button
    property color poolColor: Theme.sky
    property bool showsPool: true
    property bool showsHearts: root.game.hasHearts
    property string replayText: qsTr("Play again  (space)")
    property string headline: frame.overCard.headline
    property bool celebrates: frame.overCard.isNewHighScore

    // For the game's texts and layout.
    readonly property GameFrame frame: frame

    // A gentle game's falling and moving things go at the explorer's slower pace.
    Binding {
        root.game.pace: Theme.gamePace
    }
    readonly property bool isBonus: frame.isBonus
    readonly property int bonusSeconds: frame.bonusSeconds
    // Where the bar ends, for a playfield that lays itself out under it.
    readonly property real hudBottom: hud.y + hud.height

    signal exit()
    signal openLesson(string lessonId)

    // Dead keys and input methods compose only for a focused item that accepts them. Only in
    // play: on the cards Tab walks the buttons, and a button keeps the focus.
    TypingFocus {
        active: root.game.state === GameModel.Playing
    }

    GameFrame {
        id: frame
        model: root.model
        bonusDuration: root.bonusDuration
        bonusLessonId: root.bonusLessonId
        gameOverWords: root.gameOverWords
        onExitRequested: root.exit()
        onOpenLessonRequested: lessonId => root.openLesson(lessonId)
    }

    Item {
        id: playfieldLayer
        anchors.fill: parent
    }

    Item {
        id: hud
        objectName: "hud"
        anchors {
            top: parent.top
            left: parent.left
            right: parent.right
            topMargin: 16
            leftMargin: 24
            rightMargin: 24
        }
        height: Math.max(closeButton.implicitHeight, barTitle.implicitHeight,
                         figures.implicitHeight)

        GhostButton {
            id: closeButton
            objectName: "closeButton"
            Accessible.name: qsTr("Close")
            anchors.left: hud.left
            anchors.verticalCenter: hud.verticalCenter
            text: "✕"
            size: 16
            font: Theme.look.rounded(15, Font.Bold)
            onClicked: frame.exit()
        }

        Text {
            id: barTitle
            objectName: "barTitle"
            anchors.left: closeButton.right
            anchors.leftMargin: 16
            anchors.right: figures.left
            anchors.rightMargin: 16
            anchors.verticalCenter: hud.verticalCenter
            text: frame.barTitle
            font: Theme.look.rounded(20, Font.Bold)
            color: Theme.textPrimary
            elide: Text.ElideRight
            Accessible.role: Accessible.Heading
            Accessible.name: text
        }

        Row {
            id: figures
            anchors.right: hud.right
            anchors.verticalCenter: hud.verticalCenter
            spacing: 16

            HudPill {
                objectName: "timePill"
                anchors.verticalCenter: figures.verticalCenter
                visible: root.game.hasTimeLeft
                //: Seconds left in a game
                text: qsTr("⏱ %1s").arg(root.game.secondsLeft)
                Accessible.name: qsTr("%n second(s) left", "", root.game.secondsLeft)
                font: Theme.look.rounded(18, Font.Bold)
                // ⌈t⌉ ≤ 10 exactly when t ≤ 10, and it changes only once a second.
                textColor: root.game.secondsLeft <= 10 ? Theme.coral : Theme.textPrimary
            }
            HudPill {
                objectName: "comboPill"
                anchors.verticalCenter: figures.verticalCenter
                visible: root.game.combo >= 3
                text: qsTr("🔥 combo ×%1").arg(root.game.combo)
                font: Theme.look.rounded(16, Font.Bold)
                textColor: Theme.tangerine
            }
            Row {
                id: statusSlot
                anchors.verticalCenter: figures.verticalCenter
                spacing: 16
                visible: children.length > 0
            }
            HeartsStatus {
                objectName: "hearts"
                anchors.verticalCenter: figures.verticalCenter
                visible: root.showsHearts
                hearts: root.game.hearts
            }
            Text {
                objectName: "score"
                anchors.verticalCenter: figures.verticalCenter
                width: Math.max(70, implicitWidth)
                text: root.game.score
                font: Theme.look.rounded(26, Font.Bold)
                color: Theme.sunshine
                Accessible.role: Accessible.StaticText
                Accessible.name: qsTr("Score: %1").arg(root.game.score)
                horizontalAlignment: Text.AlignRight
                transform: Shake {
                    count: root.game.misses
                }
            }
        }
    }

    GameStartCard {
        objectName: "startCard"
        anchors.fill: parent
        visible: root.game.state === GameModel.Ready
        emoji: frame.startCard.emoji
        title: frame.startCard.title
        text: root.readyText
        focusLine: frame.startCard.focusLabel !== ""
                   ? root.focusSentence + frame.startCard.focusLabel : ""
        poolLine: root.showsPool ? qsTr("Playing with: %1").arg(frame.startCard.poolLabel) : ""
        poolColor: root.poolColor
        accent: root.accent
        onStart: frame.startGame()
    }

    GamePausedCard {
        objectName: "pausedCard"
        anchors.fill: parent
        visible: root.game.state === GameModel.Paused
        onQuit: frame.exit()
        onResume: frame.resumeGame()
    }

    // The frame of the key or tick that ended the game comes first, then the card.
    FrameLatch {
        id: overLatch
        when: root.game.state === GameModel.Over
    }

    GameOverCard {
        id: overCard
        objectName: "overCard"
        anchors.fill: parent
        visible: overLatch.open
        headline: root.headline
        score: root.game.score
        best: frame.overCard.best
        newBadges: frame.overCard.newBadges
        leaveText: frame.isBonus ? qsTr("Back to map") : qsTr("All games")
        replayText: root.replayText
        nextText: frame.overCard.nextLessonTitle !== ""
                  ? qsTr("Next: %1  ▶").arg(frame.overCard.nextLessonTitle) : ""
        accent: root.accent
        onLeave: frame.exit()
        onReplay: frame.startGame()
        onNext: frame.openNextLesson()
    }

    // A fresh burst for every game that ends on a new high score.
    Loader {
        objectName: "confetti"
        anchors.fill: parent
        active: overLatch.open && root.celebrates
        sourceComponent: ConfettiView {
            count: 70
        }
    }
}
