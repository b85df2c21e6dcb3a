# Letter Drop: its rules and its screen.
tapalong_games_folder(SOURCES letterrainmodel.h letterrainmodel.cpp QML_FILES LetterRainView.qml LetterBubble.qml)
