# Key Moles: its rules and its screen.
tapalong_games_folder(SOURCES keymolesmodel.h keymolesmodel.cpp QML_FILES KeyMolesView.qml MoleHoleView.qml MoleKeyBubble.qml)
