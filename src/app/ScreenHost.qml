// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick

// Shows one screen at a time and builds a fresh one whenever `key` changes, cross-fading the
// two. A leaving screen is disabled at once, so a play screen that listens only while enabled
// stops taking keys before its fade starts; it is destroyed when the fade ends.
Item {
    id: host

    // Names the screen to show; an empty key shows none.
    property string key
    // function(parent): builds the screen for the current key inside `parent`, which it should
    // fill, and returns it, or null when there is nothing to show.
    property var build: null
    // 0 swaps at once.
    property int fadeDuration: 250

    property Slot current: null
    property bool ready: false

    function swap(animated: bool) {
        const fade = animated && fadeDuration > 0
        const old = current
        current = null
        if (old) {
            old.leaving = true
            if (fade && old.opacity > 0)
                old.opacity = 0
            else
                old.destroy()
        }
        if (key === "" || !build)
            return
        const slot = slotComponent.createObject(host, {
            opacity: fade ? 0 : 1,
            fadeDuration: fadeDuration
        })
        if (!build(slot)) {
            slot.destroy()
            return
        }
        current = slot
        slot.opacity = 1
    }

    onKeyChanged: if (ready) swap(true)
    onBuildChanged: if (ready) swap(true)
    Component.onCompleted: {
        ready = true
        swap(false)
    }

    component Slot: Item {
        id: slot

        property bool leaving: false
        property int fadeDuration

        anchors.fill: parent
        enabled: !leaving

        Behavior on opacity {
            NumberAnimation {
                duration: slot.fadeDuration
                easing.type: Easing.InOutQuad
            }
        }
        onOpacityChanged: if (leaving && opacity === 0) slot.destroy()
    }

    Component {
        id: slotComponent
        Slot {}
    }
}
