<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AvatarNames</name>
    <message>
        <location filename="../src/ui/widgets/avatarnames.cpp" line="+18"/>
        <source>fox</source>
        <translation>Fuchs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unicorn</source>
        <translation>Einhorn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>frog</source>
        <translation>Frosch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tiger</source>
        <translation>Tiger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>octopus</source>
        <translation>Krake</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dinosaur</source>
        <translation>Dino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>koala</source>
        <translation>Koala</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lion</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pig</source>
        <translation>Schweinchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>penguin</source>
        <translation>Pinguin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>owl</source>
        <translation>Eule</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>whale</source>
        <translation>Wal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>butterfly</source>
        <translation>Schmetterling</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ladybird</source>
        <translation>Marienkäfer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rabbit</source>
        <translation>Hase</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bear</source>
        <translation>Bär</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>monkey</source>
        <translation>Affe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>long-necked dinosaur</source>
        <translation>Langhals-Dino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flamingo</source>
        <translation>Flamingo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hamster</source>
        <translation>Hamster</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>turtle</source>
        <translation>Schildkröte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bee</source>
        <translation>Biene</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shark</source>
        <translation>Hai</translation>
    </message>
</context>
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
        <translation>Tapalong-Sicherung %1</translation>
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
        <translation>Problem: %1</translation>
    </message>
</context>
<context>
    <name>BadgeChip</name>
    <message>
        <location filename="../src/ui/widgets/BadgeChip.qml" line="+15"/>
        <source>%1, earned</source>
        <translation>%1, geschafft</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1, not earned yet</source>
        <translation>%1, noch nicht geschafft</translation>
    </message>
</context>
<context>
    <name>BadgeShelf</name>
    <message>
        <location filename="../src/ui/home/BadgeShelf.qml" line="+43"/>
        <source>Badges</source>
        <extracomment>The badge shelf for a screen reader; %1 is the badge that has the keyboard.</extracomment>
        <translation>Abzeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Badges: %1</source>
        <translation>Abzeichen: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, earned</source>
        <translation>%1, geschafft</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, not earned yet</source>
        <translation>%1, noch nicht geschafft</translation>
    </message>
</context>
<context>
    <name>Badges</name>
    <message>
        <location filename="../src/store/badges.cpp" line="+39"/>
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
    <message>
        <location line="+43"/>
        <source>New badge: %1!</source>
        <translation>Neues Abzeichen: %1!</translation>
    </message>
</context>
<context>
    <name>ChampionRow</name>
    <message>
        <location filename="../src/ui/champions/ChampionRow.qml" line="+19"/>
        <source>%1. %2 the %3: %4 (you)</source>
        <extracomment>A champions row for a screen reader: rank, name, animal and score, as &quot;1. Mia the fox: ⭐️ 12&quot;.</extracomment>
        <translation>%1. %2 als %3: %4 (du)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1. %2 the %3: %4</source>
        <translation>%1. %2 als %3: %4</translation>
    </message>
    <message>
        <location line="+44"/>
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
        <location filename="../src/ui/champions/ChampionsView.qml" line="+26"/>
        <source>🏆 Family Champions</source>
        <translation>🏆 Familien-Champions</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Scroll the board</source>
        <translation>Bestenliste scrollen</translation>
    </message>
</context>
<context>
    <name>ComfortPanel</name>
    <message>
        <location filename="../src/ui/grownups/ComfortPanel.qml" line="+67"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>How Tapalong looks for %1</source>
        <translation>So sieht Tapalong für %1 aus</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Each choice is kept at once; %1&apos;s screens follow it straight away.</source>
        <translation>Jede Auswahl wird sofort gespeichert und gilt gleich überall bei %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Reading font</source>
        <translation>Leseschrift</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rounded</source>
        <translation>Rund</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Jump, quick fox! 123</source>
        <translation>Hüpf, flinker Fuchs! 123</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Text size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Larger</source>
        <translation>Größer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Finger colours</source>
        <translation>Fingerfarben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Safe colours can be told apart by every kind of colour vision, and each key also carries its finger&apos;s shape.</source>
        <translation>Sichere Farben lassen sich auch mit einer Farbsehschwäche gut unterscheiden, und jede Taste trägt zusätzlich die Form ihres Fingers.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+7"/>
        <source>Usual</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Safe, with shapes</source>
        <translation>Sicher, mit Formen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Motion</source>
        <translation>Bewegung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calm: no confetti, twinkling, bouncing or shaking; things fade in and out.</source>
        <translation>Ruhig: kein Konfetti, kein Funkeln, Hüpfen oder Wackeln; alles blendet sanft ein und aus.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lively</source>
        <translation>Lebhaft</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Calm</source>
        <translation>Ruhig</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gentle: falling and moving things go slower, for more time to find each key.</source>
        <translation>Gemächlich: Was fällt oder sich bewegt, ist langsamer – so bleibt mehr Zeit, jede Taste zu finden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Usual pace</source>
        <translation>Normales Tempo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Gentle pace</source>
        <translation>Gemächliches Tempo</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/commandline.cpp" line="+53"/>
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
        <translation>Mit --print-course: Kurs und Tastatur für diese Tastaturbelegung, zum Beispiel de oder us(intl).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>layout</source>
        <translation>belegung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>With --print-course: the course in this language (en, de, fr or es), its words and its titles.</source>
        <translation>Mit --print-course: der Kurs in dieser Sprache (en, de, fr oder es), mit seinen Wörtern und Titeln.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>language</source>
        <translation>sprache</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A typing tutor for children: touch typing in 26 lessons,
with stars, badges and five arcade games.</source>
        <translation>Ein Tipptrainer für Kinder: Zehnfingerschreiben in 26 Lektionen,
mit Sternen, Abzeichen und fünf Arcade-Spielen.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>There is no course for the layout &apos;%1&apos; yet: Tapalong teaches Latin letters.</source>
        <translation>Für die Belegung „%1“ gibt es noch keinen Kurs: Tapalong bringt bisher nur lateinische Buchstaben bei.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The keyboard data knows no layout &apos;%1&apos;.</source>
        <translation>Die Tastaturdaten kennen keine Belegung „%1“.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&apos;%1&apos; is not a layout name: a layout is written like de or us(intl).</source>
        <translation>„%1“ ist kein Belegungsname. Belegungen schreibt man so: de oder us(intl).</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>There is no course in the language &apos;%1&apos;: the languages are %2.</source>
        <translation>Es gibt keinen Kurs in der Sprache „%1“. Kurse gibt es in: %2.</translation>
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
        <location filename="../src/curriculum/curriculum.cpp" line="+63"/>
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
        <location line="+103"/>
        <source>comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>dot</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 and %2</source>
        <extracomment>A lesson&apos;s keys in its title: &quot;A, Ö and Ä&quot;</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Meet %1</source>
        <extracomment>A first lesson&apos;s title: its keys, &quot;F and J&quot;</extracomment>
        <translation>%1</translation>
    </message>
    <message>
        <location filename="../src/curriculum/trickykeys.cpp" line="+142"/>
        <source>Tricky keys</source>
        <translation>Knifflige Tasten</translation>
    </message>
    <message>
        <location filename="../src/curriculum/textcheck.cpp" line="+187"/>
        <source>Practice from home</source>
        <translation>Texte von zu Hause</translation>
    </message>
</context>
<context>
    <name>CreateProfileSheet</name>
    <message>
        <location filename="../src/ui/picker/CreateProfileSheet.qml" line="+82"/>
        <source>Create your explorer</source>
        <translation>Wer bist du?</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>Type your name…</source>
        <translation>Tipp deinen Namen…</translation>
    </message>
    <message>
        <location line="+36"/>
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
        <location filename="../src/ui/home/DashboardView.qml" line="+271"/>
        <source>Badges</source>
        <translation>Abzeichen</translation>
    </message>
</context>
<context>
    <name>GameCard</name>
    <message>
        <location filename="../src/ui/hub/GameCard.qml" line="+16"/>
        <source>Play %1</source>
        <translation>%1 spielen</translation>
    </message>
    <message>
        <location line="+55"/>
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
        <location filename="../src/games/frame/GameOverCard.qml" line="+48"/>
        <source>Score: %1</source>
        <translation>Punkte: %1</translation>
    </message>
    <message>
        <location line="+11"/>
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
        <location line="+13"/>
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
        <location line="+57"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>⏱ %1s</source>
        <extracomment>Seconds left in a game</extracomment>
        <translation>⏱ %1&#xa0;s</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n second(s) left</source>
        <translation>
            <numerusform>Noch %n Sekunde</numerusform>
            <numerusform>Noch %n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>🔥 combo ×%1</source>
        <translation>🔥 Combo ×%1</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Score: %1</source>
        <translation>Punkte: %1</translation>
    </message>
    <message>
        <location line="+18"/>
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
        <location filename="../src/games/frame/GameStartCard.qml" line="+70"/>
        <source>Start!  (press space)</source>
        <translation>Los!  (Leertaste drücken)</translation>
    </message>
</context>
<context>
    <name>GamesHubView</name>
    <message>
        <location filename="../src/ui/hub/GamesHubView.qml" line="+35"/>
        <source>🎮 The Arcade</source>
        <translation>🎮 Die Spielhalle</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Games use the keys you&apos;ve learned: %1</source>
        <translation>Die Spiele nutzen deine gelernten Tasten: %1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Scroll the games</source>
        <translation>Spiele scrollen</translation>
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
        <location line="+41"/>
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
        <location filename="../src/ui/grownups/GrownupsProgressView.qml" line="+85"/>
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
        <translation>%1  ·  %2</translation>
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
        <location line="+80"/>
        <source>▼ More below</source>
        <translation>▼ Unten geht es weiter</translation>
    </message>
</context>
<context>
    <name>GrownupsReport</name>
    <message>
        <location filename="../src/ui/grownups/grownupsreport.cpp" line="+161"/>
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
    <name>HeartsStatus</name>
    <message>
        <location filename="../src/games/frame/HeartsStatus.qml" line="+14"/>
        <source>Lives: %1 of %2</source>
        <translation>Herzen: %1 von %2</translation>
    </message>
</context>
<context>
    <name>HomeTextsCard</name>
    <message>
        <location filename="../src/ui/home/HomeTextsCard.qml" line="+38"/>
        <source>Practice from home</source>
        <translation>Texte von zu Hause</translation>
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
        <translation>altgr</translation>
    </message>
    <message>
        <location line="+214"/>
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
        <translation>Drück  %1  und dann  %2</translation>
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
        <translation>  (halte ALTGR mit dem rechten Daumen!)</translation>
    </message>
    <message>
        <location line="-117"/>
        <source>SPACE</source>
        <translation>LEERTASTE</translation>
    </message>
</context>
<context>
    <name>KeyboardPanel</name>
    <message>
        <location filename="../src/ui/grownups/KeyboardPanel.qml" line="+23"/>
        <source>The lessons and the keyboard on screen now follow %1.</source>
        <translation>Die Lektionen und die Bildschirmtastatur passen jetzt zur Belegung %1.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The lessons and the keyboard on screen are for: %1</source>
        <translation>Die Lektionen und die Bildschirmtastatur passen zur Belegung: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Choose the one printed on the keys. Changing it takes effect at once for every explorer; stars already earned stay.</source>
        <translation>Wähl die Belegung, die auf den Tasten steht. Die Änderung gilt sofort für alle Entdecker; schon verdiente Sterne bleiben erhalten.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Find a keyboard: German, French, Dvorak…</source>
        <translation>Tastatur suchen: Deutsch, Französisch, Dvorak…</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Reading the list of keyboards…</source>
        <translation>Die Tastaturliste wird geladen…</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Problem: %1</source>
        <translation>Problem: %1</translation>
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
    <name>LayoutNotice</name>
    <message>
        <location filename="../src/ui/keyboard/LayoutNotice.qml" line="+29"/>
        <source>🙂 Your keyboard has switched to other letters. Ask a grown-up to switch it back to %1.</source>
        <translation>🙂 Deine Tastatur ist auf andere Buchstaben umgesprungen. Bitte einen Erwachsenen, sie wieder auf %1 zu stellen.</translation>
    </message>
</context>
<context>
    <name>LessonBubble</name>
    <message>
        <location filename="../src/ui/learn/LessonBubble.qml" line="+26"/>
        <source>Start lesson: %1</source>
        <translation>Lektion starten: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Locked lesson: %1</source>
        <translation>Noch verschlossen: %1</translation>
    </message>
</context>
<context>
    <name>LessonListView</name>
    <message>
        <location filename="../src/ui/learn/LessonListView.qml" line="+40"/>
        <source>Scroll the map</source>
        <translation>Karte scrollen</translation>
    </message>
</context>
<context>
    <name>LessonPlayView</name>
    <message>
        <location filename="../src/ui/lesson/LessonPlayView.qml" line="+57"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>wpm</source>
        <translation>WpM</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>accuracy</source>
        <translation>Genauigkeit</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Line: %1</source>
        <extracomment>The drill line a screen reader reads, then the key to type now</extracomment>
        <translation>Zeile: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line: %1. Next key: %2</source>
        <translation>Zeile: %1. Nächste Taste: %2</translation>
    </message>
    <message>
        <location line="+105"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
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
        <location filename="../src/ui/lesson/PauseOverlay.qml" line="+43"/>
        <source>Taking a break?</source>
        <translation>Kleine Pause?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>(esc to pause and resume)</source>
        <translation>(Esc für Pause und weiter)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Leave lesson</source>
        <translation>Lektion verlassen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Keep going!</source>
        <translation>Weitermachen!</translation>
    </message>
</context>
<context>
    <name>PracticeTextFileDialog</name>
    <message>
        <location filename="../src/ui/grownups/PracticeTextFileDialog.qml" line="+12"/>
        <source>Read a practice text from a file</source>
        <translation>Einen Übungstext aus einer Datei laden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Plain text (%1)</source>
        <translation>Textdateien (%1)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All files (%1)</source>
        <translation>Alle Dateien (%1)</translation>
    </message>
</context>
<context>
    <name>PracticeTextsPanel</name>
    <message>
        <location filename="../src/ui/grownups/PracticeTextsPanel.qml" line="+55"/>
        <source>Texts from home for %1</source>
        <translation>Texte von zu Hause für %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 finds these on the dashboard under &quot;Practice from home&quot;.</source>
        <translation>%1 findet sie auf der Startseite unter „Texte von zu Hause“.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>A text from home</source>
        <translation>Ein Text von zu Hause</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Type or paste a text here, or read one from a file…</source>
        <translation>Text hier eintippen oder einfügen – oder aus einer Datei laden…</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Use the plain form</source>
        <translation>Einfache Form nehmen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Leave it out</source>
        <translation>Weglassen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>What %1 will type:</source>
        <translation>Das tippt %1:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Save this text</source>
        <translation>Diesen Text speichern</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>📄 Read from a file…</source>
        <translation>📄 Aus einer Datei laden…</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Problem: %1</source>
        <translation>Problem: %1</translation>
    </message>
</context>
<context>
    <name>PrintoutFileDialog</name>
    <message>
        <location filename="../src/ui/grownups/PrintoutFileDialog.qml" line="+14"/>
        <source>Save a report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save a certificate</source>
        <translation>Urkunde speichern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF document (%1)</source>
        <translation>PDF-Dokument (%1)</translation>
    </message>
</context>
<context>
    <name>PrintoutsPanel</name>
    <message>
        <location filename="../src/ui/grownups/PrintoutsPanel.qml" line="+47"/>
        <source>Save a report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save a certificate</source>
        <translation>Urkunde speichern</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Name of the file</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No folders or PDF files here yet.</source>
        <translation>Hier gibt es noch keine Ordner oder PDF-Dateien.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>“%1” is already there. Replace it?</source>
        <translation>„%1“ gibt es hier schon. Ersetzen?</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>To print</source>
        <translation>Zum Ausdrucken</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>📄 Save a report…</source>
        <translation>📄 Bericht speichern…</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>🖨️ Print…</source>
        <translation>🖨️ Drucken…</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>A certificate comes with each unit finished: none yet.</source>
        <translation>Für jede geschaffte Welt gibt es eine Urkunde – bisher noch keine.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Certificates for the units finished:</source>
        <translation>Urkunden für die geschafften Welten:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>🏅 %1 %2…</source>
        <translation>🏅 %1 %2…</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Writing the file…</source>
        <translation>Die Datei wird gespeichert…</translation>
    </message>
</context>
<context>
    <name>ProfileCard</name>
    <message numerus="yes">
        <location filename="../src/ui/picker/ProfileCard.qml" line="+24"/>
        <source>%1, %n star(s)</source>
        <extracomment>A profile card for a screen reader: &quot;Mia, 12 stars&quot;.</extracomment>
        <translation>
            <numerusform>%1, %n Stern</numerusform>
            <numerusform>%1, %n Sterne</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, best speed %2</source>
        <extracomment>%1 is the explorer&apos;s animal, %2 their best speed in words per minute.</extracomment>
        <translation>%1, bestes Tempo %2 Wörter pro Minute</translation>
    </message>
    <message>
        <location line="+88"/>
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
        <location filename="../src/app/ProfileChip.qml" line="+19"/>
        <source>%1 the %2: switch player, sound and voice</source>
        <extracomment>The profile chip, for a screen reader: %1 is the explorer&apos;s name, %2 their animal.</extracomment>
        <translation>%1 als %2: Spieler wechseln, Ton und Stimme</translation>
    </message>
    <message>
        <location line="+74"/>
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
        <location filename="../src/ui/picker/ProfilePickerView.qml" line="+58"/>
        <source>Who&apos;s typing today?</source>
        <translation>Wer tippt heute?</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>For grown-ups 🔐</source>
        <translation>Für Erwachsene 🔐</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+35"/>
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
    <name>ReportPdf</name>
    <message>
        <location filename="../src/ui/grownups/reportpdf.cpp" line="+156"/>
        <source>The latest lesson or practice.</source>
        <translation>Die letzte Lektion oder Übung.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The latest %1 lessons and practices, oldest on the left.</source>
        <translation>Die letzten %1 Lektionen und Übungen, links die älteste.</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>%1 minute in the last four weeks.</source>
        <translation>%1 Minute in den letzten vier Wochen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 minutes in the last four weeks.</source>
        <translation>%1 Minuten in den letzten vier Wochen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 day in a row.</source>
        <translation>%1 Tag am Stück.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 days in a row.</source>
        <translation>%1 Tage am Stück.</translation>
    </message>
</context>
<context>
    <name>ResultsOverlay</name>
    <message numerus="yes">
        <location filename="../src/ui/lesson/ResultsOverlay.qml" line="+63"/>
        <source>%n of 3 stars</source>
        <translation>
            <numerusform>%n von 3 Sternen</numerusform>
            <numerusform>%n von 3 Sternen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+87"/>
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
        <location line="+15"/>
        <source>New badges!</source>
        <translation>Neue Abzeichen!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>New badge!</source>
        <translation>Neues Abzeichen!</translation>
    </message>
    <message>
        <location line="+26"/>
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
        <location filename="../src/ui/grownups/SaveCopyDialog.qml" line="+22"/>
        <source>Save a copy of the household</source>
        <translation>Eine Kopie der Familiendaten speichern</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>⬆ Up</source>
        <translation>⬆ Nach oben</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>In %1</source>
        <translation>In %1</translation>
    </message>
    <message>
        <location line="-80"/>
        <source>No folders or copies here yet.</source>
        <translation>Hier gibt es noch keine Ordner oder Kopien.</translation>
    </message>
    <message>
        <location line="+177"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="-178"/>
        <source>Name of the copy</source>
        <translation>Name der Kopie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>“%1” is already there. Replace it with this copy?</source>
        <translation>„%1“ gibt es hier schon. Durch diese Kopie ersetzen?</translation>
    </message>
    <message>
        <location line="+229"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keep it</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Replace</source>
        <translation>Ersetzen</translation>
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
    <name>SpokenHelpPanel</name>
    <message>
        <location filename="../src/ui/grownups/SpokenHelpPanel.qml" line="+47"/>
        <source>🗣 Read aloud for %1</source>
        <translation>🗣 Vorlesen für %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>With the voice on, the narrator can help a child who cannot read yet or cannot see the screen well. The lessons&apos; own words always come first.</source>
        <translation>Ist die Stimme an, kann der Erzähler einem Kind helfen, das noch nicht lesen kann oder den Bildschirm schlecht sieht. Was die Lektionen selbst sagen, hat immer Vorrang.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Say names</source>
        <translation>Namen ansagen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Say the next key</source>
        <translation>Nächste Taste ansagen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Names: the narrator says a button&apos;s or card&apos;s name when it gets the focus or the pointer rests on it. Next key: it says each key of a drill as it comes up.</source>
        <translation>Namen: Der Erzähler sagt, wie ein Knopf oder eine Karte heißt, sobald sie den Fokus bekommt oder der Mauszeiger darauf ruht. Nächste Taste: In einer Übung sagt er jede Taste an, sobald sie dran ist.</translation>
    </message>
</context>
<context>
    <name>StatCard</name>
    <message>
        <location filename="../src/ui/widgets/StatCard.qml" line="+19"/>
        <source>%1: %2</source>
        <extracomment>A statistic for a screen reader: %1 is what it counts, %2 the number.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>TrickyKeysCard</name>
    <message>
        <location filename="../src/ui/home/TrickyKeysCard.qml" line="+46"/>
        <source>🎯 Practise tricky keys</source>
        <translation>🎯 Knifflige Tasten üben</translation>
    </message>
    <message>
        <location line="+22"/>
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
        <translation>Leg deine Finger auf die leuchtende GRUNDREIHE.
Spürst du die kleinen Knubbel auf %1 und %2? Genau da sitzen deine Zeigefinger.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>First, rest your fingers on the home row. Feel the little bumps on %1 and %2? Your pointer fingers sit right there.</source>
        <translation>Leg zuerst deine Finger auf die Grundreihe. Spürst du die kleinen Knubbel auf %1 und %2? Genau da sitzen deine Zeigefinger.</translation>
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
        <translation>Doppelpunkt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>quotation mark</source>
        <translation>Anführungszeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>minus</source>
        <translation>Minus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>underscore</source>
        <translation>Unterstrich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>equals sign</source>
        <translation>Gleichheitszeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>plus sign</source>
        <translation>Pluszeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>slash</source>
        <translation>Schrägstrich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>backslash</source>
        <translation>umgekehrter Schrägstrich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>vertical bar</source>
        <translation>senkrechter Strich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>left parenthesis</source>
        <translation>runde Klammer auf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>right parenthesis</source>
        <translation>runde Klammer zu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>left bracket</source>
        <translation>eckige Klammer auf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>right bracket</source>
        <translation>eckige Klammer zu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>left brace</source>
        <translation>geschweifte Klammer auf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>right brace</source>
        <translation>geschweifte Klammer zu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>less-than sign</source>
        <translation>Kleiner-als-Zeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>greater-than sign</source>
        <translation>Größer-als-Zeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>at sign</source>
        <translation>Klammeraffe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hash sign</source>
        <translation>Raute</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dollar sign</source>
        <translation>Dollarzeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>percent sign</source>
        <translation>Prozentzeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>caret</source>
        <translation>Zirkumflex</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ampersand</source>
        <translation>Und-Zeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>asterisk</source>
        <translation>Sternchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>grave accent</source>
        <translation>Gravis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tilde</source>
        <translation>Tilde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>acute accent</source>
        <translation>Akut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>umlaut</source>
        <translation>Umlautpunkte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>section sign</source>
        <translation>Paragrafenzeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>degree sign</source>
        <translation>Gradzeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>one half</source>
        <translation>Einhalb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pound sign</source>
        <translation>Pfundzeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>euro sign</source>
        <translation>Eurozeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ordinal indicator</source>
        <translation>Ordinalzeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>feminine ordinal indicator</source>
        <translation>weibliches Ordinalzeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>micro sign</source>
        <translation>Mikrozeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>inverted exclamation mark</source>
        <translation>umgedrehtes Ausrufezeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>inverted question mark</source>
        <translation>umgedrehtes Fragezeichen</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>sharp S</source>
        <extracomment>The German letter ß</extracomment>
        <translation>scharfes S</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>N with tilde</source>
        <comment>the letter</comment>
        <extracomment>The Spanish letter ñ, a letter of its own that a Spanish child calls &quot;eñe&quot;</extracomment>
        <translation>N mit Tilde</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A E</source>
        <translation>A E</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>O E</source>
        <translation>O E</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>O with stroke</source>
        <translation>durchgestrichenes O</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>L with stroke</source>
        <translation>durchgestrichenes L</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>D with stroke</source>
        <translation>durchgestrichenes D</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 with grave accent</source>
        <translation>%1 mit Gravis</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with acute accent</source>
        <translation>%1 mit Akut</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with circumflex</source>
        <translation>%1 mit Zirkumflex</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with tilde</source>
        <translation>%1 mit Tilde</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 with umlaut</source>
        <extracomment>&quot;O with umlaut&quot; for ö: a German child calls it O-Umlaut</extracomment>
        <translation>%1-Umlaut</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with ring</source>
        <translation>%1 mit Kringel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with double acute</source>
        <translation>%1 mit Doppelakut</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with caron</source>
        <translation>%1 mit Hatschek</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with cedilla</source>
        <translation>%1 mit Cedille</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with ogonek</source>
        <translation>%1 mit Ogonek</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with dot</source>
        <translation>%1 mit Punkt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with breve</source>
        <translation>%1 mit Bogen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with macron</source>
        <translation>%1 mit Strich darüber</translation>
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
        <location line="+20"/>
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
        <location filename="../src/store/appstore.cpp" line="+124"/>
        <source>Tapalong cannot save right now: %1. Progress is kept safe while Tapalong stays open and is saved as soon as that works again.</source>
        <translation>Tapalong kann gerade nicht speichern: %1. Dein Fortschritt bleibt sicher, solange Tapalong offen ist, und wird gespeichert, sobald es wieder klappt.</translation>
    </message>
</context>
<context>
    <name>tapalong::BackupController</name>
    <message>
        <location filename="../src/ui/grownups/backup.cpp" line="+126"/>
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
        <location line="+20"/>
        <source>%1 of %n lesson(s) finished</source>
        <translation>
            <numerusform>%1 von %n Lektion geschafft</numerusform>
            <numerusform>%1 von %n Lektionen geschafft</numerusform>
        </translation>
    </message>
    <message>
        <location line="-11"/>
        <source>%1 world</source>
        <translation>Welt: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Start  ▶</source>
        <translation>Los  ▶</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start lesson: %1</source>
        <translation>Lektion starten: %1</translation>
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
        <location line="+7"/>
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
        <location filename="../src/games/frame/gameframe.cpp" line="+158"/>
        <source>Game over! You scored %1.</source>
        <translation>Spiel vorbei! Deine Punktzahl: %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A new high score!</source>
        <translation>Ein neuer Rekord!</translation>
    </message>
    <message>
        <location line="+159"/>
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
        <location line="+26"/>
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
        <translation>Striche: das Ziel jeder Lektion</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>rings: tricky-key practice (%1)</source>
        <translation>Ringe: Übungen mit kniffligen Tasten (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  ·  </source>
        <translation>  ·  </translation>
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
        <translation>%1 (%2&#xa0;% daneben, oft stattdessen %3)</translation>
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
    <name>tapalong::KeyboardChoice</name>
    <message>
        <location filename="../src/ui/keyboard/keyboardchoice.cpp" line="+248"/>
        <source>The lessons for %1 are not there yet: Tapalong teaches Latin letters so far. The keyboard stays %2.</source>
        <translation>Lektionen für %1 gibt es noch nicht: Tapalong bringt bisher nur lateinische Buchstaben bei. Die Tastatur bleibt bei %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This computer&apos;s keyboard data does not know %1. The keyboard stays %2.</source>
        <translation>Die Tastaturdaten dieses Computers kennen %1 nicht. Die Tastatur bleibt bei %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The keyboard can be changed once the lesson or game is over.</source>
        <translation>Die Tastatur lässt sich ändern, sobald die Lektion oder das Spiel vorbei ist.</translation>
    </message>
</context>
<context>
    <name>tapalong::LessonController</name>
    <message numerus="yes">
        <location filename="../src/ui/lesson/lessoncontroller.cpp" line="+333"/>
        <source>Line done! %n more to go.</source>
        <translation>
            <numerusform>Zeile geschafft! Nur noch %n Zeile.</numerusform>
            <numerusform>Zeile geschafft! Nur noch %n Zeilen.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 words a minute, %2 percent right.</source>
        <translation>%1 Wörter pro Minute, %2 Prozent richtig.</translation>
    </message>
    <message>
        <location line="+47"/>
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
        <location line="+36"/>
        <source>Drill %1 of %2</source>
        <translation>Übung %1 von %2</translation>
    </message>
</context>
<context>
    <name>tapalong::PracticeTextEditor</name>
    <message>
        <location filename="../src/ui/grownups/practicetexteditor.cpp" line="+29"/>
        <source>The file could not be opened (%1).</source>
        <translation>Die Datei ließ sich nicht öffnen (%1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This file is too long for a practice text: a text from home holds at most %1 characters. Copy the part you want into the box instead.</source>
        <translation>Diese Datei ist zu lang für einen Übungstext: Ein Text von zu Hause hat höchstens %1 Zeichen. Kopier lieber den Teil, den du brauchst, in das Feld.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>This file is not plain text in UTF-8, so Tapalong cannot read it. Save it as plain text (UTF-8) and try again.</source>
        <translation>Diese Datei ist kein reiner Text in UTF-8, darum kann Tapalong sie nicht lesen. Speichere sie als reinen Text (UTF-8) und versuch es noch einmal.</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>%2 (%1 time) is left out: no key types it</source>
        <translation>%2 (%1-mal) fällt weg: Dafür gibt es keine Taste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%2 (%1 times) is left out: no key types it</source>
        <translation>%2 (%1-mal) fällt weg: Dafür gibt es keine Taste</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%2 (%1 time) is left out</source>
        <translation>%2 (%1-mal) fällt weg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%2 (%1 times) is left out</source>
        <translation>%2 (%1-mal) fällt weg</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%2 (%1 time) becomes %3</source>
        <translation>%2 (%1-mal) wird zu %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%2 (%1 times) becomes %3</source>
        <translation>%2 (%1-mal) wird zu %3</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Some characters cannot be typed on this keyboard; each is shown below with what happens to it.</source>
        <translation>Manche Zeichen lassen sich auf dieser Tastatur nicht tippen. Unten steht bei jedem, was mit ihm passiert.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 invisible control character was taken out.</source>
        <translation>%1 unsichtbares Steuerzeichen wurde entfernt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 invisible control characters were taken out.</source>
        <translation>%1 unsichtbare Steuerzeichen wurden entfernt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The text is %1 characters long; a text from home holds at most %2, so it ends at &quot;%3&quot;.</source>
        <translation>Der Text ist %1 Zeichen lang; ein Text von zu Hause hat höchstens %2, darum endet er bei „%3“.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>There is nothing to type in this text yet.</source>
        <translation>In diesem Text gibt es noch nichts zu tippen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 already has %2 texts, the most one explorer keeps. Remove one to add another.</source>
        <translation>%1 hat schon %2 Texte – mehr hebt Tapalong für einen Entdecker nicht auf. Entferne einen, dann passt ein neuer dazu.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Saved. %1 finds it on the dashboard under &quot;Practice from home&quot;.</source>
        <translation>Gespeichert. %1 findet ihn auf der Startseite unter „Texte von zu Hause“.</translation>
    </message>
</context>
<context>
    <name>tapalong::Printouts</name>
    <message>
        <location filename="../src/ui/grownups/printouts.cpp" line="+94"/>
        <source>Tapalong report %1 %2.pdf</source>
        <translation>Tapalong-Bericht %1 %2.pdf</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Tapalong certificate %1 %2.pdf</source>
        <translation>Tapalong-Urkunde %1 %2.pdf</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Saved as %1.</source>
        <translation>Gespeichert als %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file could not be saved there. Try another folder.</source>
        <translation>Die Datei ließ sich dort nicht speichern. Versuch einen anderen Ordner.</translation>
    </message>
</context>
<context>
    <name>tapalong::ReportPdf</name>
    <message>
        <location filename="../src/ui/grownups/reportpdf.cpp" line="-81"/>
        <source>Speed (words per minute)</source>
        <translation>Tempo (Wörter pro Minute)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Accuracy (%)</source>
        <translation>Genauigkeit (%)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>No lessons yet.</source>
        <translation>Noch keine Lektionen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dashes: each lesson&apos;s goal.</source>
        <translation>Striche: das Ziel jeder Lektion.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Latest: %1 wpm at %2% accuracy.</source>
        <translation>Zuletzt: %1 WpM bei %2&#xa0;% Genauigkeit.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Practice per day, the last four weeks</source>
        <translation>Übungszeit pro Tag in den letzten vier Wochen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 min</source>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Under a minute in the last four weeks.</source>
        <translation>Weniger als eine Minute in den letzten vier Wochen.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No streak right now.</source>
        <translation>Gerade keine Serie.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>rarely missed</source>
        <translation>selten daneben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sometimes</source>
        <translation>manchmal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>often</source>
        <translation>oft</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not typed yet</source>
        <translation>noch nicht getippt</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 (%2% missed, often %3)</source>
        <translation>%1 (%2&#xa0;% daneben, oft stattdessen %3)</translation>
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
    <message>
        <location line="+8"/>
        <source>Stars per unit</source>
        <translation>Sterne pro Welt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Badges</source>
        <translation>Abzeichen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>earned %1</source>
        <translation>geschafft am %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No badges yet.</source>
        <translation>Noch keine Abzeichen.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Tapalong report for %1</source>
        <translation>Tapalong-Bericht für %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1&apos;s typing report</source>
        <translation>Tippbericht für %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tapalong, %1</source>
        <translation>Tapalong, %1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Certificate for %1</source>
        <translation>Urkunde für %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Certificate</source>
        <translation>Urkunde</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>finished the unit</source>
        <extracomment>On a certificate, above the unit&apos;s name: &quot;Mia finished the unit&quot;</extracomment>
        <translation>hat diese Welt geschafft</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 of %2 stars</source>
        <translation>%1 von %2 Sternen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>on %1</source>
        <extracomment>On a certificate: the day the unit was finished, &quot;on Monday, 7 December 2026&quot;</extracomment>
        <translation>am %1</translation>
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
        <translation>Eine kurze Übung mit %1 – der Taste, bei der du am häufigsten stolperst.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A quick drill on %1, the keys that trip you up most.</source>
        <translation>Eine kurze Übung mit %1 – den Tasten, bei denen du am häufigsten stolperst.</translation>
    </message>
</context>
</TS>
