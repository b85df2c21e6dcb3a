# Letter Drop: its rules and its screen.
tapalong_games_folder(SOURCES letterdropmodel.h letterdropmodel.cpp QML_FILES LetterDropView.qml LetterBubble.qml)
