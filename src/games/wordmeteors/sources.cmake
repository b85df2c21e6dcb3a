# Word Meteors: its rules and its screen.
tapalong_games_folder(SOURCES wordmeteorsmodel.h wordmeteorsmodel.cpp QML_FILES WordMeteorsView.qml MeteorBubble.qml)
