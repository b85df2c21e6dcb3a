# Rocket Race: its rules and its screen.
tapalong_games_folder(SOURCES rocketracemodel.h rocketracemodel.cpp QML_FILES RocketRaceView.qml RaceLane.qml PassageWindow.qml)
