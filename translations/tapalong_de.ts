<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Backup</name>
    <message>
        <location filename="../src/ui/grownups/backup.cpp" line="+28"/>
        <source>The file could not be opened (%1).</source>
        <translation>Die Datei ließ sich nicht öffnen (%1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file is far larger than any household.</source>
        <translation>Die Datei ist viel zu groß für Tapalong-Familiendaten.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This file is not a Tapalong household, or it is damaged.</source>
        <translation>Diese Datei enthält keine Tapalong-Familiendaten, oder sie ist beschädigt.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>No explorers.</source>
        <translation>Keine Entdecker.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n explorer(s) (%1)</source>
        <translation>
            <numerusform>%n Entdecker (%1)</numerusform>
            <numerusform>%n Entdecker (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n lesson(s) finished</source>
        <translation>
            <numerusform>%n Lektion geschafft</numerusform>
            <numerusform>%n Lektionen geschafft</numerusform>
        </translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Tapalong backup %1</source>
        <extracomment>The name a backup file is offered under, before &quot;.json&quot;; %1 is the date, 2026-12-07</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-34"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>d MMMM yyyy</source>
        <extracomment>How QDate writes the day a household last played: &quot;7 December 2026&quot;</extracomment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, last played on %2</source>
        <translation>%1, zuletzt gespielt am %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
</context>
<context>
    <name>BackupPanel</name>
    <message>
        <location filename="../src/ui/grownups/BackupPanel.qml" line="+61"/>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>💾 Save a copy…</source>
        <translation>💾 Kopie speichern…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>📂 Restore from a copy…</source>
        <translation>📂 Aus einer Kopie wiederherstellen…</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Keep things as they are</source>
        <translation>Alles so lassen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Restore this copy</source>
        <translation>Diese Kopie wiederherstellen</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Problem: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Badges</name>
    <message>
        <location filename="../src/store/badges.cpp" line="+38"/>
        <source>First Steps</source>
        <translation>Erste Schritte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Finish your first lesson</source>
        <translation>Schaff deine erste Lektion</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Home Sweet Home</source>
        <translation>Daheim ist&apos;s schön</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Finish every Home Row lesson</source>
        <translation>Schaff alle Lektionen der Grundreihe</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Alphabet Master</source>
        <translation>ABC-Profi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Learn every letter key</source>
        <translation>Lern alle Buchstabentasten</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Triple Star</source>
        <translation>Sternen-Trio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Earn 3 stars on a lesson</source>
        <translation>Hol dir 3 Sterne in einer Lektion</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Trail Blazer</source>
        <translation>Pfadfinder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finish 10 lessons</source>
        <translation>Schaff 10 Lektionen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Quest Complete</source>
        <translation>Abenteuer geschafft</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finish every lesson</source>
        <translation>Schaff alle Lektionen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Zippy Fingers</source>
        <translation>Flinke Finger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reach 10 words per minute</source>
        <translation>Schaff 10 Wörter pro Minute</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Speed Rocket</source>
        <translation>Turbo-Rakete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reach 20 words per minute</source>
        <translation>Schaff 20 Wörter pro Minute</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Lightning Hands</source>
        <translation>Blitzhände</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reach 30 words per minute</source>
        <translation>Schaff 30 Wörter pro Minute</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sharpshooter</source>
        <translation>Volltreffer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finish a lesson with 98% accuracy</source>
        <translation>Schaff eine Lektion mit 98&#xa0;% Genauigkeit</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Key Collector</source>
        <translation>Tasten-Sammler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type 1,000 correct keys</source>
        <translation>Tipp 1.000 richtige Tasten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Key Treasure</source>
        <translation>Tasten-Schatz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type 10,000 correct keys</source>
        <translation>Tipp 10.000 richtige Tasten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>On Fire</source>
        <translation>Feuer und Flamme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Practice 3 days in a row</source>
        <translation>Üb 3 Tage hintereinander</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unstoppable</source>
        <translation>Nicht zu bremsen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Practice 7 days in a row</source>
        <translation>Üb 7 Tage hintereinander</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Arcade Explorer</source>
        <translation>Spiele-Entdecker</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play every arcade game</source>
        <translation>Probier jedes Spiel aus</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>High Scorer</source>
        <translation>Punkteregen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score 500+ in any game</source>
        <translation>Hol 500+ Punkte in einem Spiel</translation>
    </message>
</context>
<context>
    <name>ChampionRow</name>
    <message>
        <location filename="../src/ui/champions/ChampionRow.qml" line="+56"/>
        <source>YOU</source>
        <translation>DU</translation>
    </message>
</context>
<context>
    <name>Champions</name>
    <message>
        <location filename="../src/store/champions.cpp" line="+42"/>
        <source>%1 wpm</source>
        <translation>%1 WpM</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Star Collectors</source>
        <translation>Sternsammler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fastest Typists</source>
        <translation>Schnellste Finger</translation>
    </message>
</context>
<context>
    <name>ChampionsView</name>
    <message>
        <location filename="../src/ui/champions/ChampionsView.qml" line="+24"/>
        <source>🏆 Family Champions</source>
        <translation>🏆 Familien-Champions</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/commandline.cpp" line="+51"/>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print the whole course (units, lessons, drill lines) as JSON and exit.</source>
        <translation>Den ganzen Kurs (Einheiten, Lektionen, Übungszeilen) als JSON ausgeben und beenden.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>With --print-course: the course and keyboard of this keyboard layout, such as de or us(intl).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A typing tutor for children: touch typing in 26 lessons,
with stars, badges and five arcade games.</source>
        <translation>Ein Tipptrainer für Kinder: Zehnfingerschreiben in 26 Lektionen,
mit Sternen, Abzeichen und fünf Arcade-Spielen.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>There is no course for the layout &apos;%1&apos; yet: Tapalong teaches Latin letters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The keyboard data knows no layout &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&apos;%1&apos; is not a layout name: a layout is written like de or us(intl).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
</context>
<context>
    <name>CopyCatView</name>
    <message>
        <location filename="../src/games/copycat/CopyCatView.qml" line="+18"/>
        <source>Nice work finishing the lesson!
Watch the parrot&apos;s secret key pattern, then type it back from memory.
Patterns grow trickier each round — show what you&apos;ve learned!</source>
        <translation>Super, die Lektion ist geschafft!
Schau dir das geheime Tastenmuster des Papageis an und tipp es aus dem Kopf nach.
Mit jeder Runde wird es kniffliger – zeig, was du gelernt hast!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The parrot flashes a secret key pattern — watch and listen!
Then type it back from memory.
Patterns grow longer each round!</source>
        <translation>Der Papagei zeigt ein geheimes Tastenmuster – schau und hör genau hin!
Dann tipp es aus dem Kopf nach.
Mit jeder Runde wird das Muster länger!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>🏆 NEW HIGH SCORE!</source>
        <translation>🏆 NEUER REKORD!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Good try! The parrot flew off</source>
        <translation>Guter Versuch! Der Papagei ist davongeflogen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Round %1 of %2</source>
        <translation>Runde %1 von %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You reached round %1 of %2</source>
        <translation>Du hast Runde %1 von %2 erreicht</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Your turn!</source>
        <translation>Du bist dran!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>🎉 Perfect!</source>
        <translation>🎉 Perfekt!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Watch closely!</source>
        <translation>Gut aufpassen!</translation>
    </message>
</context>
<context>
    <name>Course</name>
    <message>
        <location filename="../src/curriculum/curriculum.cpp" line="+62"/>
        <source>Home Row</source>
        <translation>Grundreihe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Top Row</source>
        <translation>Obere Reihe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom Row</source>
        <translation>Untere Reihe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Big Letters</source>
        <translation>Großbuchstaben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number Lane</source>
        <translation>Zahlenstraße</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Story Time</source>
        <translation>Geschichtenzeit</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Meet F and J</source>
        <translation>F und J</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>D and K</source>
        <translation>D und K</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S and L</source>
        <translation>S und L</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A and ;</source>
        <translation>A und ;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>G and H</source>
        <translation>G und H</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Home Row Hero</source>
        <translation>Grundreihen-Profi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E and I</source>
        <translation>E und I</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>R and U</source>
        <translation>R und U</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>T and Y</source>
        <translation>T und Y</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>W and O</source>
        <translation>W und O</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Q and P</source>
        <translation>Q und P</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Top Row Champ</source>
        <translation>Gipfel-Champion</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>N and V</source>
        <translation>N und V</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>M and C</source>
        <translation>M und C</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>B and X</source>
        <translation>B und X</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Z, comma, dot</source>
        <translation>Z, Komma, Punkt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Alphabet Master</source>
        <translation>ABC-Profi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shift Power</source>
        <translation>Umschalt-Power</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Capital Words</source>
        <translation>Groß am Anfang</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Real Sentences</source>
        <translation>Echte Sätze</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 to 5</source>
        <translation>1 bis 5</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>6 to 0</source>
        <translation>6 bis 0</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Number Ninja</source>
        <translation>Zahlen-Ninja</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Little Stories</source>
        <translation>Kleine Geschichten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bigger Stories</source>
        <translation>Größere Geschichten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Grand Finale</source>
        <translation>Das große Finale</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>comma</source>
        <translation type="unfinished">Komma</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>dot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 and %2</source>
        <extracomment>A lesson&apos;s keys in its title: &quot;A, Ö and Ä&quot;</extracomment>
        <translation type="unfinished">%1 und %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, </source>
        <translation type="unfinished">, </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Meet %1</source>
        <extracomment>A first lesson&apos;s title: its keys, &quot;F and J&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/curriculum/trickykeys.cpp" line="+142"/>
        <source>Tricky keys</source>
        <translation>Knifflige Tasten</translation>
    </message>
</context>
<context>
    <name>CreateProfileSheet</name>
    <message>
        <location filename="../src/ui/picker/CreateProfileSheet.qml" line="+63"/>
        <source>Create your explorer</source>
        <translation>Wer bist du?</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>Type your name…</source>
        <translation>Tipp deinen Namen…</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Let&apos;s go!</source>
        <translation>Los geht&apos;s!</translation>
    </message>
</context>
<context>
    <name>DashboardView</name>
    <message>
        <location filename="../src/ui/home/DashboardView.qml" line="+236"/>
        <source>Badges</source>
        <translation>Abzeichen</translation>
    </message>
</context>
<context>
    <name>GameCard</name>
    <message>
        <location filename="../src/ui/hub/GameCard.qml" line="+65"/>
        <source>PLAY  ▶</source>
        <translation>SPIELEN  ▶</translation>
    </message>
</context>
<context>
    <name>GameFacts</name>
    <message>
        <location filename="../src/records/gamefacts.h" line="+38"/>
        <source>Letter Drop</source>
        <translation>Buchstabenregen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Letters are falling! Type them before they splash.</source>
        <translation>Buchstaben fallen vom Himmel! Tipp sie, bevor sie platschen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Word Meteors</source>
        <translation>Wort-Meteore</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Blast word meteors before they hit your planet.</source>
        <translation>Lass die Wort-Meteore zerplatzen, bevor sie deinen Planeten treffen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rocket Race</source>
        <translation>Raketenrennen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type fast to race your rocket past the bots!</source>
        <translation>Tipp schnell und flieg mit deiner Rakete an den Bots vorbei!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Key Moles</source>
        <translation>Tasten-Maulwürfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bonk the moles by typing their letters!</source>
        <translation>Tipp die Buchstaben der Maulwürfe und gib ihnen einen Stups!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy Cat</source>
        <translation>Echo-Papagei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Echo the parrot&apos;s secret key pattern from memory!</source>
        <translation>Tipp das geheime Tastenmuster des Papageis aus dem Kopf nach!</translation>
    </message>
</context>
<context>
    <name>GameOverCard</name>
    <message>
        <location filename="../src/games/frame/GameOverCard.qml" line="+53"/>
        <source>Best: %1</source>
        <translation>Rekord: %1</translation>
    </message>
</context>
<context>
    <name>GamePausedCard</name>
    <message>
        <location filename="../src/games/frame/GamePausedCard.qml" line="+20"/>
        <source>Paused</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Quit</source>
        <translation>Aufhören</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Resume (esc)</source>
        <translation>Weiter (Esc)</translation>
    </message>
</context>
<context>
    <name>GameScreenFrame</name>
    <message>
        <location filename="../src/games/frame/GameScreenFrame.qml" line="+39"/>
        <source>Watch for your new keys: </source>
        <translation>Achte auf deine neuen Tasten: </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Play again  (space)</source>
        <translation>Nochmal  (Leertaste)</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>⏱ %1s</source>
        <extracomment>Seconds left in a game</extracomment>
        <translation>⏱ %1&#xa0;s</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>🔥 combo ×%1</source>
        <translation>🔥 Combo ×%1</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Playing with: %1</source>
        <translation>Im Spiel: %1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Back to map</source>
        <translation>Zur Karte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All games</source>
        <translation>Alle Spiele</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next: %1  ▶</source>
        <translation>Weiter: %1  ▶</translation>
    </message>
</context>
<context>
    <name>GameStartCard</name>
    <message>
        <location filename="../src/games/frame/GameStartCard.qml" line="+62"/>
        <source>Start!  (press space)</source>
        <translation>Los!  (Leertaste drücken)</translation>
    </message>
</context>
<context>
    <name>GamesHubView</name>
    <message>
        <location filename="../src/ui/hub/GamesHubView.qml" line="+33"/>
        <source>🎮 The Arcade</source>
        <translation>🎮 Die Spielhalle</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Games use the keys you&apos;ve learned: %1</source>
        <translation>Die Spiele nutzen deine gelernten Tasten: %1</translation>
    </message>
</context>
<context>
    <name>Grownups</name>
    <message>
        <location filename="../src/ui/grownups/grownupsview.cpp" line="+24"/>
        <source>d MMM</source>
        <extracomment>How QDate writes a day under the charts: &quot;7 Dec&quot;</extracomment>
        <translation>d. MMM</translation>
    </message>
    <message numerus="yes">
        <location line="+127"/>
        <source>%n lesson(s)</source>
        <translation>
            <numerusform>%n Lektion</numerusform>
            <numerusform>%n Lektionen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%n drill(s)</source>
        <translation>
            <numerusform>%n Übung</numerusform>
            <numerusform>%n Übungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>%n game(s)</source>
        <translation>
            <numerusform>%n Spiel</numerusform>
            <numerusform>%n Spiele</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GrownupsGatePanel</name>
    <message>
        <location filename="../src/ui/grownups/GrownupsGatePanel.qml" line="+36"/>
        <source>🔐 For grown-ups</source>
        <translation>🔐 Für Erwachsene</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Answer this sum to see each explorer&apos;s progress.</source>
        <translation>Löse diese Aufgabe, dann siehst du, wie weit jeder Entdecker ist.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Not quite — here is another one.</source>
        <translation>Nicht ganz – hier kommt eine neue Aufgabe.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>GrownupsProgressView</name>
    <message>
        <location filename="../src/ui/grownups/GrownupsProgressView.qml" line="+67"/>
        <source>📈 Progress for grown-ups</source>
        <translation>📈 Fortschritt für Erwachsene</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>No explorers yet.</source>
        <translation>Noch keine Entdecker.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Speed (wpm)</source>
        <translation>Tempo (Wörter pro Minute)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Accuracy (%)</source>
        <translation>Genauigkeit (%)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1  ·  %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Practice per day</source>
        <translation>Übungszeit pro Tag</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mint: rarely missed · sunshine: sometimes · coral: often</source>
        <translation>Mint: selten daneben · Sonnengelb: manchmal · Koralle: oft</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Stars</source>
        <translation>Sterne</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+17"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No games played yet.</source>
        <translation>Noch keine Spiele gespielt.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>▼ More below</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GrownupsReport</name>
    <message>
        <location filename="../src/ui/grownups/grownupsreport.cpp" line="+156"/>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>full stop</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>slash</source>
        <translation>Schrägstrich</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>apostrophe</source>
        <translation>Apostroph</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 has not practised this week</source>
        <translation>%1 hat diese Woche nicht geübt</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%1 practised %n day(s) this week</source>
        <translation>
            <numerusform>%1 hat diese Woche an %n Tag geübt</numerusform>
            <numerusform>%1 hat diese Woche an %n Tagen geübt</numerusform>
        </translation>
    </message>
    <message>
        <location line="+12"/>
        <source>their speed went from %1 to %2 wpm</source>
        <translation>das Tempo ging von %1 auf %2 Wörter pro Minute</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>their speed was %1 wpm</source>
        <translation>das Tempo lag bei %1 Wörtern pro Minute</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>they often type %1 for %2</source>
        <translation>oft wird %1 statt %2 getippt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1.</source>
        <extracomment>Joins the parts of the report&apos;s sentence: &quot;Mia practised 4 days this week; their speed …&quot;</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>; </source>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>HouseholdFileDialog</name>
    <message>
        <location filename="../src/ui/grownups/HouseholdFileDialog.qml" line="+16"/>
        <source>Save a copy of the household</source>
        <translation>Eine Kopie der Familiendaten speichern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Restore the household from a copy</source>
        <translation>Familiendaten aus einer Kopie wiederherstellen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tapalong household (%1)</source>
        <translation>Tapalong-Familiendaten (%1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All files (%1)</source>
        <translation>Alle Dateien (%1)</translation>
    </message>
</context>
<context>
    <name>KeyMolesView</name>
    <message>
        <location filename="../src/games/keymoles/KeyMolesView.qml" line="+16"/>
        <source>Time&apos;s up!</source>
        <translation>Die Zeit ist um!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nice work finishing the lesson!
Moles will pop up wearing your lesson keys — you have
%1 seconds. Bonk them fast to make those keys stronger!</source>
        <translation>Super, die Lektion ist geschafft!
Gleich tauchen Maulwürfe mit deinen Lektionstasten auf – du hast
%1 Sekunden. Stups sie schnell an, dann werden diese Tasten stärker!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Moles are popping up with letters!
Type a mole&apos;s letter to bonk it before it hides.
How many can you bonk in 60 seconds?</source>
        <translation>Maulwürfe tauchen mit Buchstaben auf!
Tipp den Buchstaben eines Maulwurfs und stups ihn an, bevor er sich versteckt.
Wie viele schaffst du in 60 Sekunden?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>🐹 bonked: %1</source>
        <translation>🐹 gestupst: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>bonked %n mole(s)</source>
        <translation>
            <numerusform>%n Maulwurf gestupst</numerusform>
            <numerusform>%n Maulwürfe gestupst</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Keyboard</name>
    <message>
        <location filename="../src/curriculum/keyboardlayout.cpp" line="+70"/>
        <source>tab</source>
        <extracomment>A key cap: at most 5 letters, lower case</extracomment>
        <translation>tab</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>caps</source>
        <extracomment>The Caps Lock key&apos;s cap: at most 6 letters, lower case</extracomment>
        <translation>fest</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>return</source>
        <extracomment>A key cap: at most 6 letters, lower case</extracomment>
        <translation>enter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>shift</source>
        <extracomment>A key cap: at most 8 letters, lower case</extracomment>
        <translation>umschalt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>space</source>
        <extracomment>The space bar&apos;s cap: at most 20 letters, lower case</extracomment>
        <translation>leertaste</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>left pinky</source>
        <translation>linken kleinen Finger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>left ring finger</source>
        <translation>linken Ringfinger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>left middle finger</source>
        <translation>linken Mittelfinger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>left pointer finger</source>
        <translation>linken Zeigefinger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right pointer finger</source>
        <translation>rechten Zeigefinger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right middle finger</source>
        <translation>rechten Mittelfinger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right ring finger</source>
        <translation>rechten Ringfinger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right pinky</source>
        <translation>rechten kleinen Finger</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>thumb</source>
        <translation>Daumen</translation>
    </message>
    <message>
        <location line="+236"/>
        <source>altgr</source>
        <extracomment>The AltGr key&apos;s cap: at most 6 letters</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+211"/>
        <source>Press  %1  with your %2  (hold SHIFT with your other pinky!)</source>
        <translation>Drück  %1  mit deinem %2  (halte UMSCHALT mit dem anderen kleinen Finger!)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Press  %1  with your %2</source>
        <translation>Drück  %1  mit deinem %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Press  %1  (hold SHIFT with your other pinky!)</source>
        <translation>Drück  %1  (halte UMSCHALT mit dem anderen kleinen Finger!)</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+15"/>
        <source>Press  %1</source>
        <translation>Drück  %1</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Press  %1  and then  %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  with your %1</source>
        <translation>  mit deinem %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  (hold SHIFT with your other pinky!)</source>
        <translation>  (halte UMSCHALT mit dem anderen kleinen Finger!)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  (hold ALTGR with your right thumb!)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-114"/>
        <source>SPACE</source>
        <translation>LEERTASTE</translation>
    </message>
</context>
<context>
    <name>LanguagePanel</name>
    <message>
        <location filename="../src/ui/grownups/LanguagePanel.qml" line="+27"/>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
</context>
<context>
    <name>LessonPlayView</name>
    <message>
        <location filename="../src/ui/lesson/LessonPlayView.qml" line="+51"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>wpm</source>
        <translation>WpM</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>accuracy</source>
        <translation>Genauigkeit</translation>
    </message>
</context>
<context>
    <name>LetterDropView</name>
    <message>
        <location filename="../src/games/letterdrop/LetterDropView.qml" line="+16"/>
        <source>Splash! Game over</source>
        <translation>Platsch! Spiel vorbei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nice work finishing the lesson!
Now catch your lesson keys as they fall — you have
%1 seconds. Every catch makes those keys stronger!</source>
        <translation>Super, die Lektion ist geschafft!
Jetzt fang deine Lektionstasten, wenn sie herunterfallen – du hast
%1 Sekunden. Jeder Fang macht diese Tasten stärker!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Letters are falling from the sky!
Type each one before it splashes into the sea.
You have 3 hearts — good luck, hero!</source>
        <translation>Buchstaben fallen vom Himmel!
Tipp jeden, bevor er ins Meer platscht.
Du hast 3 Herzen – viel Glück, du schaffst das!</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <location filename="../src/app/MainView.qml" line="+26"/>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Learn</source>
        <translation>Lernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Champions</source>
        <translation>Bestenliste</translation>
    </message>
</context>
<context>
    <name>PauseOverlay</name>
    <message>
        <location filename="../src/ui/lesson/PauseOverlay.qml" line="+39"/>
        <source>Taking a break?</source>
        <translation>Kleine Pause?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>(esc to pause and resume)</source>
        <translation>(Esc für Pause und weiter)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Leave lesson</source>
        <translation>Lektion verlassen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Keep going!</source>
        <translation>Weitermachen!</translation>
    </message>
</context>
<context>
    <name>ProfileCard</name>
    <message>
        <location filename="../src/ui/picker/ProfileCard.qml" line="+104"/>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Remove %1? All their stars and scores will be lost.</source>
        <translation>%1 entfernen? Alle Sterne und Punkte gehen dann verloren.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ProfileChip</name>
    <message>
        <location filename="../src/app/ProfileChip.qml" line="+85"/>
        <source>Switch player</source>
        <translation>Spieler wechseln</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sound: On 🔊</source>
        <translation>Ton: an 🔊</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sound: Off 🔇</source>
        <translation>Ton: aus 🔇</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Voice: On 🗣️</source>
        <translation>Stimme: an 🗣️</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Voice: Off 🤫</source>
        <translation>Stimme: aus 🤫</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>For grown-ups 🔐</source>
        <translation>Für Erwachsene 🔐</translation>
    </message>
</context>
<context>
    <name>ProfilePickerView</name>
    <message>
        <location filename="../src/ui/picker/ProfilePickerView.qml" line="+53"/>
        <source>Who&apos;s typing today?</source>
        <translation>Wer tippt heute?</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>For grown-ups 🔐</source>
        <translation>Für Erwachsene 🔐</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+30"/>
        <source>New Explorer</source>
        <translation>Neu dabei</translation>
    </message>
</context>
<context>
    <name>RaceLane</name>
    <message>
        <location filename="../src/games/rocketrace/RaceLane.qml" line="+104"/>
        <source>done! %1</source>
        <translation>fertig! %1</translation>
    </message>
</context>
<context>
    <name>ResultsOverlay</name>
    <message>
        <location filename="../src/ui/lesson/ResultsOverlay.qml" line="+125"/>
        <source>words / min</source>
        <translation>Wörter / Min.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>accuracy</source>
        <translation>Genauigkeit</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>keys typed</source>
        <translation>Tasten getippt</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>New badges!</source>
        <translation>Neue Abzeichen!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>New badge!</source>
        <translation>Neues Abzeichen!</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>🎁 Pick a bonus game — it makes your new keys extra strong! 💪</source>
        <translation>🎁 Such dir ein Bonusspiel aus – das macht deine neuen Tasten extra stark! 💪</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Back to map</source>
        <translation>Zur Karte</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Try again</source>
        <translation>Nochmal</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Next: %1  ▶</source>
        <translation>Weiter: %1  ▶</translation>
    </message>
</context>
<context>
    <name>RocketRace</name>
    <message>
        <location filename="../src/games/rocketrace/rocketracemodel.h" line="+28"/>
        <source>Turbo Turtle</source>
        <translation>Schildi Schnell</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Comet Cat</source>
        <translation>Kometen-Katze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falcon Flash</source>
        <translation>Falke Flitz</translation>
    </message>
</context>
<context>
    <name>RocketRaceView</name>
    <message>
        <location filename="../src/games/rocketrace/RocketRaceView.qml" line="+19"/>
        <source>Lesson finished — celebrate with a quick race!
Type the words to make your rocket zoom past the bots.
The race starts on your first correct letter.</source>
        <translation>Lektion geschafft – Zeit für ein schnelles Rennen!
Tipp die Wörter, dann saust deine Rakete an den Bots vorbei.
Das Rennen startet mit deinem ersten richtigen Buchstaben.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Type the words to make your rocket zoom!
You&apos;re racing Turbo Turtle 🐢, Comet Cat 🐱, and Falcon Flash 🦅.
The race starts the moment you type your first correct letter.</source>
        <translation>Tipp die Wörter, dann saust deine Rakete los!
Du fliegst gegen Schildi Schnell 🐢, Kometen-Katze 🐱 und Falke Flitz 🦅.
Das Rennen startet, sobald du den ersten richtigen Buchstaben tippst.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Race again  (space)</source>
        <translation>Nochmal fliegen  (Leertaste)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>🥇 1st place!!</source>
        <translation>🥇 1. Platz!!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>🥈 2nd place!</source>
        <translation>🥈 2. Platz!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>🥉 3rd place!</source>
        <translation>🥉 3. Platz!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4th — you&apos;ll get them next time!</source>
        <translation>4. Platz – nächstes Mal klappt&apos;s!</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+29"/>
        <source>%1 wpm</source>
        <translation>%1 WpM</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>%1% acc</source>
        <translation>%1&#xa0;% richtig</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>🏆 NEW HIGH SCORE!</source>
        <translation>🏆 NEUER REKORD!</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1% accuracy</source>
        <translation>%1&#xa0;% Genauigkeit</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>You</source>
        <translation>Du</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Type it!</source>
        <translation>Tipp los!</translation>
    </message>
</context>
<context>
    <name>SaveCopyDialog</name>
    <message>
        <location filename="../src/ui/grownups/SaveCopyDialog.qml" line="+66"/>
        <source>Save a copy of the household</source>
        <translation type="unfinished">Eine Kopie der Familiendaten speichern</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>⬆ Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>In %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+77"/>
        <source>No folders or copies here yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Name of the copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>“%1” is already there. Replace it with this copy?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Cancel</source>
        <translation type="unfinished">Abbrechen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keep it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Save</source>
        <translation type="unfinished">Speichern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <location filename="../src/records/savefile.cpp" line="+91"/>
        <source>the disk is full</source>
        <translation>die Festplatte ist voll</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disk can only be read, not written</source>
        <translation>die Festplatte lässt sich nur lesen, nicht beschreiben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>this user may not write in %1</source>
        <translation>dieser Benutzer darf nicht in %1 schreiben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the folder %1 is missing</source>
        <translation>der Ordner %1 fehlt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disk reported an error</source>
        <translation>die Festplatte hat einen Fehler gemeldet</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>the old save file is in the way and cannot be moved aside (%1)</source>
        <translation>die alte Speicherdatei ist im Weg und lässt sich nicht beiseiteschieben (%1)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the progress holds a number that cannot be written</source>
        <translation>im Fortschritt steht eine Zahl, die sich nicht speichern lässt</translation>
    </message>
    <message>
        <location filename="../src/store/savewriter.h" line="+31"/>
        <source>the file could not be written</source>
        <translation>die Datei ließ sich nicht schreiben</translation>
    </message>
</context>
<context>
    <name>SingleHandView</name>
    <message>
        <location filename="../src/ui/keyboard/SingleHandView.qml" line="+26"/>
        <source>LEFT HAND</source>
        <translation>LINKE HAND</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>RIGHT HAND</source>
        <translation>RECHTE HAND</translation>
    </message>
</context>
<context>
    <name>TrickyKeysCard</name>
    <message>
        <location filename="../src/ui/home/TrickyKeysCard.qml" line="+44"/>
        <source>🎯 Practise tricky keys</source>
        <translation>🎯 Knifflige Tasten üben</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Let&apos;s practise ▶</source>
        <translation>Los geht&apos;s ▶</translation>
    </message>
</context>
<context>
    <name>Tutorial</name>
    <message>
        <location filename="../src/curriculum/tutorial.cpp" line="+19"/>
        <source>Welcome to %1!
A practice adventure with keys you already know.</source>
        <translation>Willkommen zur Lektion „%1“!
Ein Übungsabenteuer mit Tasten, die du schon kennst.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Welcome to %1! This one is all about practicing keys you already know.</source>
        <translation>Willkommen zur Lektion %1! Heute übst du Tasten, die du schon kennst.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Welcome to %1!
Today your fingers learn %2.</source>
        <translation>Willkommen zur Lektion „%1“!
Heute lernen deine Finger %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Welcome to %1! Today your fingers will learn %2.</source>
        <translation>Willkommen zur Lektion %1! Heute lernen deine Finger %2.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Rest your fingers on the glowing HOME ROW.
Feel the little bumps on %1 and %2? Your pointer fingers sit right there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>First, rest your fingers on the home row. Feel the little bumps on %1 and %2? Your pointer fingers sit right there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>This is %1!
Press it with your %2 — try it right now!</source>
        <translation>Das ist die Taste %1!
Drück sie mit deinem %2 – probier es gleich aus!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This is the %1 key. Press it with your %2. Try it now!</source>
        <translation>Das ist die Taste %1. Drück sie mit deinem %2. Probier es jetzt aus!</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>You&apos;ll also meet %1.
Same trick: reach out from the home row, then hop right back!</source>
        <translation>Du lernst auch noch %1 kennen.
Gleicher Trick: Streck den Finger von der Grundreihe aus und hüpf gleich wieder zurück!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You will also meet %1. Same trick — reach out from the home row, then hop right back.</source>
        <translation>Du lernst auch noch %1 kennen. Gleicher Trick: Streck den Finger von der Grundreihe aus und hüpf gleich wieder zurück.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Type each letter when it glows.
Take your time — happy fingers first, speedy fingers later!</source>
        <translation>Tipp jeden Buchstaben, wenn er leuchtet.
Lass dir Zeit – erst fröhliche Finger, dann flinke Finger!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Now type each letter when it glows. Take your time. Happy fingers first, speedy fingers later. Ready? Let&apos;s go!</source>
        <translation>Jetzt tipp jeden Buchstaben, wenn er leuchtet. Lass dir Zeit. Erst fröhliche Finger, dann flinke Finger. Bereit? Los geht&apos;s!</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>colon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>quotation mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>minus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>underscore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>equals sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>plus sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>slash</source>
        <translation type="unfinished">Schrägstrich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>backslash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>vertical bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>left parenthesis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>right parenthesis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>left bracket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>right bracket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>left brace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>right brace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>less-than sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>greater-than sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>at sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hash sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dollar sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>percent sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>caret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ampersand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>asterisk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>grave accent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tilde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>acute accent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>umlaut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>section sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>degree sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>one half</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pound sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>euro sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ordinal indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>feminine ordinal indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>micro sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>inverted exclamation mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>inverted question mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+96"/>
        <source>sharp S</source>
        <extracomment>The German letter ß</extracomment>
        <translation>scharfes S</translation>
    </message>
    <message>
        <location line="-94"/>
        <source>A E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>O E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>O with stroke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>L with stroke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>D with stroke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 with grave accent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with acute accent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with circumflex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with tilde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 with umlaut</source>
        <extracomment>&quot;O with umlaut&quot; for ö: a German child calls it O-Umlaut</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with ring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with double acute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with caron</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with cedilla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with ogonek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with dot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with breve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with macron</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+31"/>
        <source>semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>period</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>apostrophe</source>
        <translation>Apostroph</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>exclamation mark</source>
        <translation>Ausrufezeichen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>question mark</source>
        <translation>Fragezeichen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>hyphen</source>
        <translation>Bindestrich</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>upside-down question mark</source>
        <translation>umgedrehtes Fragezeichen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>upside-down exclamation mark</source>
        <translation>umgedrehtes Ausrufezeichen</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 and %2</source>
        <extracomment>The last two keys of a list: &quot;D, K and L&quot;</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>TutorialOverlay</name>
    <message>
        <location filename="../src/ui/lesson/TutorialOverlay.qml" line="+98"/>
        <source>🔊  Hear it again</source>
        <translation>🔊  Nochmal hören</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Skip tutorial</source>
        <translation>Anleitung überspringen</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Press the glowing key!</source>
        <translation>Drück die leuchtende Taste!</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Let&apos;s type!  ▶</source>
        <translation>Los, tippen!  ▶</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Next  ▶</source>
        <translation>Weiter  ▶</translation>
    </message>
</context>
<context>
    <name>WordMeteorsView</name>
    <message>
        <location filename="../src/games/wordmeteors/WordMeteorsView.qml" line="+16"/>
        <source>Boom! Game over</source>
        <translation>Bumm! Spiel vorbei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The meteors love your new keys: </source>
        <translation>Die Meteore lieben deine neuen Tasten: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lesson finished — time to blast some meteors!
Most of them use the keys you just learned.
You have %1 seconds. Protect your planet!</source>
        <translation>Lektion geschafft – jetzt lassen wir Meteore zerplatzen!
Die meisten tragen die Tasten, die du gerade gelernt hast.
Du hast %1 Sekunden. Beschütze deinen Planeten!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Word meteors are zooming toward your planet!
Type each word, letter by letter, to blast it apart.
You have 3 hearts — protect your planet, ranger!</source>
        <translation>Wort-Meteore sausen auf deinen Planeten zu!
Tipp jedes Wort, Buchstabe für Buchstabe, dann zerplatzt es.
Du hast 3 Herzen – beschütze deinen Planeten!</translation>
    </message>
</context>
<context>
    <name>tapalong::AppStore</name>
    <message>
        <location filename="../src/store/appstore.cpp" line="+117"/>
        <source>Tapalong cannot save right now: %1. Progress is kept safe while Tapalong stays open and is saved as soon as that works again.</source>
        <translation>Tapalong kann gerade nicht speichern: %1. Dein Fortschritt bleibt sicher, solange Tapalong offen ist, und wird gespeichert, sobald es wieder klappt.</translation>
    </message>
</context>
<context>
    <name>tapalong::BackupController</name>
    <message>
        <location filename="../src/ui/grownups/backup.cpp" line="+125"/>
        <source>The copy could not be saved there. Try another folder.</source>
        <translation>Die Kopie ließ sich dort nicht speichern. Versuch einen anderen Ordner.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Saved a copy: %1</source>
        <translation>Kopie gespeichert: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 Nothing was changed.</source>
        <translation>%1 Es wurde nichts geändert.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This copy holds %1 Restoring it replaces everything on this computer.</source>
        <translation>Diese Kopie enthält: %1 Wenn du sie wiederherstellst, wird alles auf diesem Computer ersetzt.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The current household could not be kept aside, so nothing was changed.</source>
        <translation>Die jetzigen Familiendaten ließen sich nicht beiseitelegen, darum wurde nichts geändert.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Restored. The household from before is kept beside the save file.</source>
        <translation>Wiederhergestellt. Die vorherigen Familiendaten liegen neben der Speicherdatei.</translation>
    </message>
</context>
<context>
    <name>tapalong::ChampionsBoard</name>
    <message>
        <location filename="../src/ui/champions/championsboard.cpp" line="+53"/>
        <source>No scores yet — be the first to play!</source>
        <translation>Noch keine Punkte – fang du an!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No stars yet — finish a lesson to get on the board!</source>
        <translation>Noch keine Sterne – schaff eine Lektion, dann kommst du auf die Liste!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No speeds yet — finish a lesson to set your pace!</source>
        <translation>Noch kein Tempo – schaff eine Lektion und zeig, wie flink du bist!</translation>
    </message>
</context>
<context>
    <name>tapalong::CourseProgress</name>
    <message>
        <location filename="../src/ui/learn/courseprogress.cpp" line="+68"/>
        <source>Play %1</source>
        <translation>%1 spielen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finish the lesson before this one to unlock!</source>
        <translation>Schaff erst die Lektion davor, dann geht diese auf!</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>Hi, %1! %2</source>
        <translation>Hallo, %1! %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your typing adventure starts today!</source>
        <translation>Heute beginnt dein Tipp-Abenteuer!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next up: %1</source>
        <translation>Als Nächstes: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You finished the whole quest! Legendary. 🎆</source>
        <translation>Du hast das ganze Abenteuer geschafft! Legendär. 🎆</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+18"/>
        <source>%1 of %n lesson(s) finished</source>
        <translation>
            <numerusform>%1 von %n Lektion geschafft</numerusform>
            <numerusform>%1 von %n Lektionen geschafft</numerusform>
        </translation>
    </message>
    <message>
        <location line="-9"/>
        <source>%1 world</source>
        <translation>Welt: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Start  ▶</source>
        <translation>Los  ▶</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>🎓  Quest complete!</source>
        <translation>🎓  Abenteuer geschafft!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replay lessons</source>
        <translation>Lektionen wiederholen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Stars</source>
        <translation>Sterne</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Best speed (wpm)</source>
        <translation>Bestes Tempo (WpM)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keys typed</source>
        <translation>Getippte Tasten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Day streak</source>
        <translation>Tage am Stück</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>tapalong::GameFrame</name>
    <message>
        <location filename="../src/games/frame/gameframe.cpp" line="+297"/>
        <source>🎁 Bonus Round · %1</source>
        <translation>🎁 Bonusrunde · %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Bonus Round!</source>
        <translation>Bonusrunde!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>all your letters!</source>
        <translation>alle deine Buchstaben!</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>🏆 NEW HIGH SCORE!</source>
        <translation>🏆 NEUER REKORD!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>🎁 Bonus round done!</source>
        <translation>🎁 Bonusrunde geschafft!</translation>
    </message>
</context>
<context>
    <name>tapalong::GamesHub</name>
    <message>
        <location filename="../src/ui/hub/gameshub.cpp" line="+42"/>
        <source>High score: %1</source>
        <translation>Rekord: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No score yet — go!</source>
        <translation>Noch kein Rekord – los geht&apos;s!</translation>
    </message>
</context>
<context>
    <name>tapalong::GrownupsGate</name>
    <message>
        <location filename="../src/ui/grownups/grownupsview.cpp" line="-140"/>
        <source>What is %1 + %2?</source>
        <translation>Wie viel ist %1 + %2?</translation>
    </message>
</context>
<context>
    <name>tapalong::GrownupsView</name>
    <message>
        <location line="+98"/>
        <source>No lessons yet.</source>
        <translation>Noch keine Lektionen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, latest %2 wpm at %3% accuracy</source>
        <translation>%1, zuletzt %2 WpM bei %3&#xa0;% Genauigkeit</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>dashes: each lesson&apos;s goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>rings: tricky-key practice (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  ·  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Under a minute in the last four weeks</source>
        <translation>Weniger als eine Minute in den letzten vier Wochen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 in the last four weeks</source>
        <translation>%1 in den letzten vier Wochen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>🔥 %1 in a row</source>
        <translation>🔥 %1 am Stück</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No streak right now</source>
        <translation>Gerade keine Serie</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 of %2 ⭐</source>
        <translation>%1 von %2 ⭐</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1, best score %2</source>
        <translation>%1, Rekord %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>best score %1</source>
        <translation>Rekord %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 (%2% missed, often %3)</source>
        <translation>%1 (%2&#xa0;% daneben, oft %3)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 (%2% missed)</source>
        <translation>%1 (%2&#xa0;% daneben)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No tricky keys yet: more typing will tell.</source>
        <translation>Noch keine kniffligen Tasten – das zeigt sich beim Weitertippen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trickiest keys: %1</source>
        <translation>Die kniffligsten Tasten: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>tapalong::LessonController</name>
    <message>
        <location filename="../src/ui/lesson/lessoncontroller.cpp" line="+358"/>
        <source>Amazing! You earned all three stars!</source>
        <translation>Wahnsinn! Du hast alle drei Sterne geholt!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Great job! Two stars!</source>
        <translation>Toll gemacht! Zwei Sterne!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lesson complete! Nice work — keep practicing and you&apos;ll shine.</source>
        <translation>Lektion geschafft! Gut gemacht – bleib dran, dann wirst du ein echter Tipp-Star.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>AMAZING! 🎉</source>
        <translation>WAHNSINN! 🎉</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Great job! 🙌</source>
        <translation>Toll gemacht! 🙌</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lesson complete! ✅</source>
        <translation>Lektion geschafft! ✅</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Drill %1 of %2</source>
        <translation>Übung %1 von %2</translation>
    </message>
</context>
<context>
    <name>tapalong::TrickyPractice</name>
    <message>
        <location filename="../src/ui/home/trickypractice.cpp" line="+36"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 and %2</source>
        <extracomment>The last two keys of a list: &quot;semicolon, K and L&quot;</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>A quick drill on %1, the key that trips you up most.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A quick drill on %1, the keys that trip you up most.</source>
        <translation>Eine kurze Übung mit %1 – den Tasten, bei denen du am häufigsten stolperst.</translation>
    </message>
</context>
</TS>
