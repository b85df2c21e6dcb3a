import QtQuick
import Tapalong.Ui

// The rounded fill that a card's content sits on.
Rectangle {
    color: Theme.card
    radius: 20
}
