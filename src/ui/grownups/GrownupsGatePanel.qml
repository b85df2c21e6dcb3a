// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import QtQuick.Templates as T
import Tapalong.Ui

// The sum that keeps young children out of the grown-ups' view.
Item {
    id: root

    required property GrownupsGate gate
    signal cancel()

    function submit() {
        if (!root.gate.answer(field.text))
            wrongNote.visible = true
        field.text = ""
    }

    Component.onCompleted: field.forceActiveFocus()

    CardBackground {
        anchors.centerIn: parent
        width: content.implicitWidth + 2 * 40
        height: content.implicitHeight + 2 * 32
        radius: 28
    }

    Column {
        id: content
        anchors.centerIn: parent
        spacing: 16

        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("🔐 For grown-ups")
            font: Theme.rounded(30, Font.Bold)
            color: Theme.textPrimary
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Answer this sum to see each explorer's progress.")
            font: Theme.rounded(16, Font.DemiBold)
            color: Theme.textDim
        }
        Text {
            objectName: "gateQuestion"
            anchors.horizontalCenter: parent.horizontalCenter
            text: root.gate.question
            font: Theme.rounded(34, Font.Black)
            color: Theme.sunshine
        }
        T.TextField {
            id: field
            objectName: "gateAnswer"
            anchors.horizontalCenter: parent.horizontalCenter
            width: 200
            topPadding: 10
            bottomPadding: 10
            implicitHeight: contentHeight + topPadding + bottomPadding
            font: Theme.rounded(26, Font.Bold)
            color: Theme.textPrimary
            horizontalAlignment: TextInput.AlignHCenter
            inputMethodHints: Qt.ImhDigitsOnly
            validator: IntValidator { bottom: 0; top: 999 }
            onAccepted: root.submit()

            Accessible.name: root.gate.question
            background: Rectangle {
                radius: 14
                color: Theme.textPrimary
                opacity: 0.12
            }
            FocusRing {
                controlRadius: 14
            }
        }
        Text {
            id: wrongNote
            objectName: "gateWrong"
            anchors.horizontalCenter: parent.horizontalCenter
            visible: false
            text: qsTr("Not quite — here is another one.")
            font: Theme.rounded(15, Font.DemiBold)
            color: Theme.coral
        }
        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 12

            GhostButton {
                objectName: "gateCancel"
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Back")
                onClicked: root.cancel()
            }
            BigButton {
                objectName: "gateOpen"
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Open")
                size: 18
                onClicked: root.submit()
            }
        }
    }
}
