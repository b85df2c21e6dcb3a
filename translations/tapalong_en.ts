<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AvatarNames</name>
    <message>
        <location filename="../src/ui/widgets/avatarnames.cpp" line="+18"/>
        <source>fox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>panda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unicorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>frog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tiger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>octopus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dinosaur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>koala</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>penguin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>owl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>whale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>butterfly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ladybird</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rabbit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>monkey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>long-necked dinosaur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flamingo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hamster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>turtle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shark</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <location filename="../src/ui/grownups/backup.cpp" line="+28"/>
        <source>The file could not be opened (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file is far larger than any household.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This file is not a Tapalong household, or it is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>No explorers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Tapalong backup %1</source>
        <extracomment>The name a backup file is offered under, before &quot;.json&quot;; %1 is the date, 2026-12-07</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-34"/>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>d MMMM yyyy</source>
        <extracomment>How QDate writes the day a household last played: &quot;7 December 2026&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, last played on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="-13"/>
        <source>%n explorer(s) (%1)</source>
        <translation>
            <numerusform>%n explorer (%1)</numerusform>
            <numerusform>%n explorers (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n lesson(s) finished</source>
        <translation>
            <numerusform>%n lesson finished</numerusform>
            <numerusform>%n lessons finished</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BackupPanel</name>
    <message>
        <location filename="../src/ui/grownups/BackupPanel.qml" line="+61"/>
        <source>Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>💾 Save a copy…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>📂 Restore from a copy…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Keep things as they are</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Restore this copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Problem: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BadgeChip</name>
    <message>
        <location filename="../src/ui/widgets/BadgeChip.qml" line="+15"/>
        <source>%1, earned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1, not earned yet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BadgeShelf</name>
    <message>
        <location filename="../src/ui/home/BadgeShelf.qml" line="+43"/>
        <source>Badges</source>
        <extracomment>The badge shelf for a screen reader; %1 is the badge that has the keyboard.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Badges: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, earned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, not earned yet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Badges</name>
    <message>
        <location filename="../src/store/badges.cpp" line="+39"/>
        <source>First Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Finish your first lesson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Home Sweet Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Finish every Home Row lesson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Alphabet Master</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Learn every letter key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Triple Star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Earn 3 stars on a lesson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Trail Blazer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finish 10 lessons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Quest Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finish every lesson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Zippy Fingers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reach 10 words per minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Speed Rocket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reach 20 words per minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Lightning Hands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reach 30 words per minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sharpshooter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finish a lesson with 98% accuracy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Key Collector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type 1,000 correct keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Key Treasure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type 10,000 correct keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>On Fire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Practice 3 days in a row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unstoppable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Practice 7 days in a row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Arcade Explorer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play every arcade game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>High Scorer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score 500+ in any game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+43"/>
        <source>New badge: %1!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChampionRow</name>
    <message>
        <location filename="../src/ui/champions/ChampionRow.qml" line="+19"/>
        <source>%1. %2 the %3: %4 (you)</source>
        <extracomment>A champions row for a screen reader: rank, name, animal and score, as &quot;1. Mia the fox: ⭐️ 12&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1. %2 the %3: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+44"/>
        <source>YOU</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Champions</name>
    <message>
        <location filename="../src/store/champions.cpp" line="+42"/>
        <source>%1 wpm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Star Collectors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fastest Typists</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChampionsView</name>
    <message>
        <location filename="../src/ui/champions/ChampionsView.qml" line="+26"/>
        <source>🏆 Family Champions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Scroll the board</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ComfortPanel</name>
    <message>
        <location filename="../src/ui/grownups/ComfortPanel.qml" line="+67"/>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>How Tapalong looks for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Each choice is kept at once; %1&apos;s screens follow it straight away.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Reading font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rounded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Jump, quick fox! 123</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Text size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Larger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Finger colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Safe colours can be told apart by every kind of colour vision, and each key also carries its finger&apos;s shape.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+7"/>
        <source>Usual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Safe, with shapes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Motion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calm: no confetti, twinkling, bouncing or shaking; things fade in and out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lively</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Calm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gentle: falling and moving things go slower, for more time to find each key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Usual pace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Gentle pace</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/commandline.cpp" line="+53"/>
        <source>Show this help and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show the version and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print the whole course (units, lessons, drill lines) as JSON and exit.</source>
        <translation type="unfinished"></translation>
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
        <location line="+3"/>
        <source>With --print-course: the course in this language (en, de, fr or es), its words and its titles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A typing tutor for children: touch typing in 26 lessons,
with stars, badges and five arcade games.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+41"/>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>There is no course in the language &apos;%1&apos;: the languages are %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CopyCatView</name>
    <message>
        <location filename="../src/games/copycat/CopyCatView.qml" line="+18"/>
        <source>Nice work finishing the lesson!
Watch the parrot&apos;s secret key pattern, then type it back from memory.
Patterns grow trickier each round — show what you&apos;ve learned!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The parrot flashes a secret key pattern — watch and listen!
Then type it back from memory.
Patterns grow longer each round!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>🏆 NEW HIGH SCORE!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Good try! The parrot flew off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Round %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You reached round %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Your turn!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>🎉 Perfect!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Watch closely!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Course</name>
    <message>
        <location filename="../src/curriculum/curriculum.cpp" line="+63"/>
        <source>Home Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Top Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Big Letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number Lane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Story Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Meet F and J</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>D and K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S and L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A and ;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>G and H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Home Row Hero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E and I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>R and U</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>T and Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>W and O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Q and P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Top Row Champ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>N and V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>M and C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>B and X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Z, comma, dot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Alphabet Master</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shift Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Capital Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Real Sentences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 to 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>6 to 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Number Ninja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Little Stories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bigger Stories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Grand Finale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+103"/>
        <source>comma</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, </source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/curriculum/textcheck.cpp" line="+187"/>
        <source>Practice from home</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CreateProfileSheet</name>
    <message>
        <location filename="../src/ui/picker/CreateProfileSheet.qml" line="+82"/>
        <source>Create your explorer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+106"/>
        <source>Type your name…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Let&apos;s go!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DashboardView</name>
    <message>
        <location filename="../src/ui/home/DashboardView.qml" line="+271"/>
        <source>Badges</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameCard</name>
    <message>
        <location filename="../src/ui/hub/GameCard.qml" line="+16"/>
        <source>Play %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+55"/>
        <source>PLAY  ▶</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameFacts</name>
    <message>
        <location filename="../src/records/gamefacts.h" line="+38"/>
        <source>Letter Drop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Letters are falling! Type them before they splash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Word Meteors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Blast word meteors before they hit your planet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rocket Race</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type fast to race your rocket past the bots!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Key Moles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bonk the moles by typing their letters!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy Cat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Echo the parrot&apos;s secret key pattern from memory!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameOverCard</name>
    <message>
        <location filename="../src/games/frame/GameOverCard.qml" line="+48"/>
        <source>Score: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Best: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GamePausedCard</name>
    <message>
        <location filename="../src/games/frame/GamePausedCard.qml" line="+20"/>
        <source>Paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Resume (esc)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameScreenFrame</name>
    <message>
        <location filename="../src/games/frame/GameScreenFrame.qml" line="+39"/>
        <source>Watch for your new keys: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Play again  (space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+36"/>
        <source>⏱ %1s</source>
        <extracomment>Seconds left in a game</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n second(s) left</source>
        <translation>
            <numerusform>%n second left</numerusform>
            <numerusform>%n seconds left</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>🔥 combo ×%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Score: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Playing with: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Back to map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next: %1  ▶</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameStartCard</name>
    <message>
        <location filename="../src/games/frame/GameStartCard.qml" line="+70"/>
        <source>Start!  (press space)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GamesHubView</name>
    <message>
        <location filename="../src/ui/hub/GamesHubView.qml" line="+35"/>
        <source>🎮 The Arcade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Games use the keys you&apos;ve learned: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Scroll the games</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Grownups</name>
    <message>
        <location filename="../src/ui/grownups/grownupsview.cpp" line="+24"/>
        <source>d MMM</source>
        <extracomment>How QDate writes a day under the charts: &quot;7 Dec&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+127"/>
        <source>%n lesson(s)</source>
        <translation>
            <numerusform>%n lesson</numerusform>
            <numerusform>%n lessons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+23"/>
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>%n game(s)</source>
        <translation>
            <numerusform>%n game</numerusform>
            <numerusform>%n games</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="-32"/>
        <source>%n drill(s)</source>
        <translation>
            <numerusform>%n drill</numerusform>
            <numerusform>%n drills</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GrownupsGatePanel</name>
    <message>
        <location filename="../src/ui/grownups/GrownupsGatePanel.qml" line="+36"/>
        <source>🔐 For grown-ups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Answer this sum to see each explorer&apos;s progress.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Not quite — here is another one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GrownupsProgressView</name>
    <message>
        <location filename="../src/ui/grownups/GrownupsProgressView.qml" line="+85"/>
        <source>📈 Progress for grown-ups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>No explorers yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Speed (wpm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Accuracy (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1  ·  %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Practice per day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mint: rarely missed · sunshine: sometimes · coral: often</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Stars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+17"/>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No games played yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+80"/>
        <source>▼ More below</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GrownupsReport</name>
    <message>
        <location filename="../src/ui/grownups/grownupsreport.cpp" line="+161"/>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>semicolon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>full stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>slash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>apostrophe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 has not practised this week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>their speed went from %1 to %2 wpm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>their speed was %1 wpm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>they often type %1 for %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1.</source>
        <extracomment>Joins the parts of the report&apos;s sentence: &quot;Mia practised 4 days this week; their speed …&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>; </source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="-36"/>
        <source>%1 practised %n day(s) this week</source>
        <translation>
            <numerusform>%1 practised %n day this week</numerusform>
            <numerusform>%1 practised %n days this week</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HeartsStatus</name>
    <message>
        <location filename="../src/games/frame/HeartsStatus.qml" line="+14"/>
        <source>Lives: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HomeTextsCard</name>
    <message>
        <location filename="../src/ui/home/HomeTextsCard.qml" line="+38"/>
        <source>Practice from home</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HouseholdFileDialog</name>
    <message>
        <location filename="../src/ui/grownups/HouseholdFileDialog.qml" line="+16"/>
        <source>Save a copy of the household</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Restore the household from a copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tapalong household (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All files (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyMolesView</name>
    <message>
        <location filename="../src/games/keymoles/KeyMolesView.qml" line="+16"/>
        <source>Time&apos;s up!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nice work finishing the lesson!
Moles will pop up wearing your lesson keys — you have
%1 seconds. Bonk them fast to make those keys stronger!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Moles are popping up with letters!
Type a mole&apos;s letter to bonk it before it hides.
How many can you bonk in 60 seconds?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>🐹 bonked: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>bonked %n mole(s)</source>
        <translation>
            <numerusform>bonked %n mole</numerusform>
            <numerusform>bonked %n moles</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Keyboard</name>
    <message>
        <location filename="../src/curriculum/keyboardlayout.cpp" line="+70"/>
        <source>tab</source>
        <extracomment>A key cap: at most 5 letters, lower case</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>caps</source>
        <extracomment>The Caps Lock key&apos;s cap: at most 6 letters, lower case</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>return</source>
        <extracomment>A key cap: at most 6 letters, lower case</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>shift</source>
        <extracomment>A key cap: at most 8 letters, lower case</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>space</source>
        <extracomment>The space bar&apos;s cap: at most 20 letters, lower case</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+109"/>
        <source>left pinky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>left ring finger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>left middle finger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>left pointer finger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right pointer finger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right middle finger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right ring finger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right pinky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>thumb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+236"/>
        <source>altgr</source>
        <extracomment>The AltGr key&apos;s cap: at most 6 letters</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+214"/>
        <source>Press  %1  with your %2  (hold SHIFT with your other pinky!)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Press  %1  with your %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Press  %1  (hold SHIFT with your other pinky!)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+15"/>
        <source>Press  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Press  %1  and then  %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  with your %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  (hold SHIFT with your other pinky!)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  (hold ALTGR with your right thumb!)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-117"/>
        <source>SPACE</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyboardPanel</name>
    <message>
        <location filename="../src/ui/grownups/KeyboardPanel.qml" line="+23"/>
        <source>The lessons and the keyboard on screen now follow %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The lessons and the keyboard on screen are for: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Choose the one printed on the keys. Changing it takes effect at once for every explorer; stars already earned stay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Find a keyboard: German, French, Dvorak…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Reading the list of keyboards…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Problem: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguagePanel</name>
    <message>
        <location filename="../src/ui/grownups/LanguagePanel.qml" line="+27"/>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LayoutNotice</name>
    <message>
        <location filename="../src/ui/keyboard/LayoutNotice.qml" line="+29"/>
        <source>🙂 Your keyboard has switched to other letters. Ask a grown-up to switch it back to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LessonBubble</name>
    <message>
        <location filename="../src/ui/learn/LessonBubble.qml" line="+26"/>
        <source>Start lesson: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Locked lesson: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LessonListView</name>
    <message>
        <location filename="../src/ui/learn/LessonListView.qml" line="+40"/>
        <source>Scroll the map</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LessonPlayView</name>
    <message>
        <location filename="../src/ui/lesson/LessonPlayView.qml" line="+57"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+43"/>
        <source>wpm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>accuracy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Line: %1</source>
        <extracomment>The drill line a screen reader reads, then the key to type now</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line: %1. Next key: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+105"/>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LetterDropView</name>
    <message>
        <location filename="../src/games/letterdrop/LetterDropView.qml" line="+16"/>
        <source>Splash! Game over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nice work finishing the lesson!
Now catch your lesson keys as they fall — you have
%1 seconds. Every catch makes those keys stronger!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Letters are falling from the sky!
Type each one before it splashes into the sea.
You have 3 hearts — good luck, hero!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <location filename="../src/app/MainView.qml" line="+26"/>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Learn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Champions</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PauseOverlay</name>
    <message>
        <location filename="../src/ui/lesson/PauseOverlay.qml" line="+43"/>
        <source>Taking a break?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>(esc to pause and resume)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Leave lesson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Keep going!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PracticeTextFileDialog</name>
    <message>
        <location filename="../src/ui/grownups/PracticeTextFileDialog.qml" line="+12"/>
        <source>Read a practice text from a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Plain text (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All files (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PracticeTextsPanel</name>
    <message>
        <location filename="../src/ui/grownups/PracticeTextsPanel.qml" line="+55"/>
        <source>Texts from home for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 finds these on the dashboard under &quot;Practice from home&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>A text from home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Type or paste a text here, or read one from a file…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Use the plain form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Leave it out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>What %1 will type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Save this text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>📄 Read from a file…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Problem: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintoutFileDialog</name>
    <message>
        <location filename="../src/ui/grownups/PrintoutFileDialog.qml" line="+14"/>
        <source>Save a report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save a certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF document (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintoutsPanel</name>
    <message>
        <location filename="../src/ui/grownups/PrintoutsPanel.qml" line="+47"/>
        <source>Save a report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save a certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Name of the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No folders or PDF files here yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>“%1” is already there. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>To print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>📄 Save a report…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>🖨️ Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>A certificate comes with each unit finished: none yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Certificates for the units finished:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>🏅 %1 %2…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Writing the file…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileCard</name>
    <message numerus="yes">
        <location filename="../src/ui/picker/ProfileCard.qml" line="+24"/>
        <source>%1, %n star(s)</source>
        <extracomment>A profile card for a screen reader: &quot;Mia, 12 stars&quot;.</extracomment>
        <translation>
            <numerusform>%1, %n star</numerusform>
            <numerusform>%1, %n stars</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, best speed %2</source>
        <extracomment>%1 is the explorer&apos;s animal, %2 their best speed in words per minute.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+88"/>
        <source>Remove %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Remove %1? All their stars and scores will be lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileChip</name>
    <message>
        <location filename="../src/app/ProfileChip.qml" line="+19"/>
        <source>%1 the %2: switch player, sound and voice</source>
        <extracomment>The profile chip, for a screen reader: %1 is the explorer&apos;s name, %2 their animal.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+74"/>
        <source>Switch player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sound: On 🔊</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sound: Off 🔇</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Voice: On 🗣️</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Voice: Off 🤫</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>For grown-ups 🔐</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfilePickerView</name>
    <message>
        <location filename="../src/ui/picker/ProfilePickerView.qml" line="+58"/>
        <source>Who&apos;s typing today?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+60"/>
        <source>For grown-ups 🔐</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+35"/>
        <source>New Explorer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RaceLane</name>
    <message>
        <location filename="../src/games/rocketrace/RaceLane.qml" line="+104"/>
        <source>done! %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <location filename="../src/ui/grownups/reportpdf.cpp" line="+156"/>
        <source>The latest lesson or practice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The latest %1 lessons and practices, oldest on the left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+47"/>
        <source>%1 minute in the last four weeks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 minutes in the last four weeks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 day in a row.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 days in a row.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsOverlay</name>
    <message numerus="yes">
        <location filename="../src/ui/lesson/ResultsOverlay.qml" line="+63"/>
        <source>%n of 3 stars</source>
        <translation>
            <numerusform>%n of 3 stars</numerusform>
            <numerusform>%n of 3 stars</numerusform>
        </translation>
    </message>
    <message>
        <location line="+87"/>
        <source>words / min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>accuracy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>keys typed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>New badges!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>New badge!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>🎁 Pick a bonus game — it makes your new keys extra strong! 💪</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Back to map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Next: %1  ▶</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RocketRace</name>
    <message>
        <location filename="../src/games/rocketrace/rocketracemodel.h" line="+28"/>
        <source>Turbo Turtle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Comet Cat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falcon Flash</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RocketRaceView</name>
    <message>
        <location filename="../src/games/rocketrace/RocketRaceView.qml" line="+19"/>
        <source>Lesson finished — celebrate with a quick race!
Type the words to make your rocket zoom past the bots.
The race starts on your first correct letter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Type the words to make your rocket zoom!
You&apos;re racing Turbo Turtle 🐢, Comet Cat 🐱, and Falcon Flash 🦅.
The race starts the moment you type your first correct letter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Race again  (space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>🥇 1st place!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>🥈 2nd place!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>🥉 3rd place!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4th — you&apos;ll get them next time!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+29"/>
        <source>%1 wpm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-23"/>
        <source>%1% acc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>🏆 NEW HIGH SCORE!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1% accuracy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <source>You</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Type it!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveCopyDialog</name>
    <message>
        <location filename="../src/ui/grownups/SaveCopyDialog.qml" line="+22"/>
        <source>Save a copy of the household</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+73"/>
        <source>⬆ Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>In %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-80"/>
        <source>No folders or copies here yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+177"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-178"/>
        <source>Name of the copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>“%1” is already there. Replace it with this copy?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+229"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keep it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Save</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disk can only be read, not written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>this user may not write in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the folder %1 is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disk reported an error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+107"/>
        <source>the old save file is in the way and cannot be moved aside (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the progress holds a number that cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/store/savewriter.h" line="+31"/>
        <source>the file could not be written</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SingleHandView</name>
    <message>
        <location filename="../src/ui/keyboard/SingleHandView.qml" line="+26"/>
        <source>LEFT HAND</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>RIGHT HAND</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpokenHelpPanel</name>
    <message>
        <location filename="../src/ui/grownups/SpokenHelpPanel.qml" line="+47"/>
        <source>🗣 Read aloud for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>With the voice on, the narrator can help a child who cannot read yet or cannot see the screen well. The lessons&apos; own words always come first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Say names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Say the next key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Names: the narrator says a button&apos;s or card&apos;s name when it gets the focus or the pointer rests on it. Next key: it says each key of a drill as it comes up.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatCard</name>
    <message>
        <location filename="../src/ui/widgets/StatCard.qml" line="+19"/>
        <source>%1: %2</source>
        <extracomment>A statistic for a screen reader: %1 is what it counts, %2 the number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrickyKeysCard</name>
    <message>
        <location filename="../src/ui/home/TrickyKeysCard.qml" line="+46"/>
        <source>🎯 Practise tricky keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Let&apos;s practise ▶</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tutorial</name>
    <message>
        <location filename="../src/curriculum/tutorial.cpp" line="+19"/>
        <source>Welcome to %1!
A practice adventure with keys you already know.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Welcome to %1! This one is all about practicing keys you already know.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Welcome to %1!
Today your fingers learn %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Welcome to %1! Today your fingers will learn %2.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This is the %1 key. Press it with your %2. Try it now!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>You&apos;ll also meet %1.
Same trick: reach out from the home row, then hop right back!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You will also meet %1. Same trick — reach out from the home row, then hop right back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Type each letter when it glows.
Take your time — happy fingers first, speedy fingers later!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Now type each letter when it glows. Take your time. Happy fingers first, speedy fingers later. Ready? Let&apos;s go!</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <source>sharp S</source>
        <extracomment>The German letter ß</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>N with tilde</source>
        <comment>the letter</comment>
        <extracomment>The Spanish letter ñ, a letter of its own that a Spanish child calls &quot;eñe&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>apostrophe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>exclamation mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>question mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 and %2</source>
        <extracomment>The last two keys of a list: &quot;D, K and L&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TutorialOverlay</name>
    <message>
        <location filename="../src/ui/lesson/TutorialOverlay.qml" line="+98"/>
        <source>🔊  Hear it again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Skip tutorial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Press the glowing key!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Let&apos;s type!  ▶</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Next  ▶</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WordMeteorsView</name>
    <message>
        <location filename="../src/games/wordmeteors/WordMeteorsView.qml" line="+16"/>
        <source>Boom! Game over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The meteors love your new keys: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lesson finished — time to blast some meteors!
Most of them use the keys you just learned.
You have %1 seconds. Protect your planet!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Word meteors are zooming toward your planet!
Type each word, letter by letter, to blast it apart.
You have 3 hearts — protect your planet, ranger!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tapalong::AppStore</name>
    <message>
        <location filename="../src/store/appstore.cpp" line="+124"/>
        <source>Tapalong cannot save right now: %1. Progress is kept safe while Tapalong stays open and is saved as soon as that works again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tapalong::BackupController</name>
    <message>
        <location filename="../src/ui/grownups/backup.cpp" line="+136"/>
        <source>The copy could not be saved there. Try another folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Saved a copy: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This copy holds %1 Restoring it replaces everything on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The current household could not be kept aside, so nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Restored. The household from before is kept beside the save file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tapalong::ChampionsBoard</name>
    <message>
        <location filename="../src/ui/champions/championsboard.cpp" line="+53"/>
        <source>No scores yet — be the first to play!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No stars yet — finish a lesson to get on the board!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No speeds yet — finish a lesson to set your pace!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tapalong::CourseProgress</name>
    <message>
        <location filename="../src/ui/learn/courseprogress.cpp" line="+68"/>
        <source>Play %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finish the lesson before this one to unlock!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+86"/>
        <source>Hi, %1! %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your typing adventure starts today!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next up: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You finished the whole quest! Legendary. 🎆</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 world</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Start  ▶</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start lesson: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>🎓  Quest complete!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replay lessons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Stars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Best speed (wpm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keys typed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Day streak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="-42"/>
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>%1 of %n lesson(s) finished</source>
        <translation>
            <numerusform>%1 of %n lesson finished</numerusform>
            <numerusform>%1 of %n lessons finished</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tapalong::GameFrame</name>
    <message>
        <location filename="../src/games/frame/gameframe.cpp" line="+158"/>
        <source>Game over! You scored %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A new high score!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+159"/>
        <source>🎁 Bonus Round · %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Bonus Round!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>all your letters!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>🏆 NEW HIGH SCORE!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>🎁 Bonus round done!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tapalong::GamesHub</name>
    <message>
        <location filename="../src/ui/hub/gameshub.cpp" line="+42"/>
        <source>High score: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No score yet — go!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tapalong::GrownupsGate</name>
    <message>
        <location filename="../src/ui/grownups/grownupsview.cpp" line="-108"/>
        <source>What is %1 + %2?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tapalong::GrownupsView</name>
    <message>
        <location line="+98"/>
        <source>No lessons yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, latest %2 wpm at %3% accuracy</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 in the last four weeks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>🔥 %1 in a row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No streak right now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 of %2 ⭐</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1, best score %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>best score %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 (%2% missed, often %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 (%2% missed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No tricky keys yet: more typing will tell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trickiest keys: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tapalong::KeyboardChoice</name>
    <message>
        <location filename="../src/ui/keyboard/keyboardchoice.cpp" line="+248"/>
        <source>The lessons for %1 are not there yet: Tapalong teaches Latin letters so far. The keyboard stays %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This computer&apos;s keyboard data does not know %1. The keyboard stays %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The keyboard can be changed once the lesson or game is over.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tapalong::LessonController</name>
    <message numerus="yes">
        <location filename="../src/ui/lesson/lessoncontroller.cpp" line="+333"/>
        <source>Line done! %n more to go.</source>
        <translation>
            <numerusform>Line done! %n more to go.</numerusform>
            <numerusform>Line done! %n more to go.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 words a minute, %2 percent right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Amazing! You earned all three stars!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Great job! Two stars!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lesson complete! Nice work — keep practicing and you&apos;ll shine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>AMAZING! 🎉</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Great job! 🙌</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lesson complete! ✅</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Drill %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tapalong::PracticeTextEditor</name>
    <message>
        <location filename="../src/ui/grownups/practicetexteditor.cpp" line="+29"/>
        <source>The file could not be opened (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This file is too long for a practice text: a text from home holds at most %1 characters. Copy the part you want into the box instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>This file is not plain text in UTF-8, so Tapalong cannot read it. Save it as plain text (UTF-8) and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+59"/>
        <source>%2 (%1 time) is left out: no key types it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%2 (%1 times) is left out: no key types it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%2 (%1 time) is left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%2 (%1 times) is left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%2 (%1 time) becomes %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%2 (%1 times) becomes %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Some characters cannot be typed on this keyboard; each is shown below with what happens to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 invisible control character was taken out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 invisible control characters were taken out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The text is %1 characters long; a text from home holds at most %2, so it ends at &quot;%3&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+45"/>
        <source>There is nothing to type in this text yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 already has %2 texts, the most one explorer keeps. Remove one to add another.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Saved. %1 finds it on the dashboard under &quot;Practice from home&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tapalong::Printouts</name>
    <message>
        <location filename="../src/ui/grownups/printouts.cpp" line="+94"/>
        <source>Tapalong report %1 %2.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Tapalong certificate %1 %2.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Saved as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file could not be saved there. Try another folder.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tapalong::ReportPdf</name>
    <message>
        <location filename="../src/ui/grownups/reportpdf.cpp" line="-81"/>
        <source>Speed (words per minute)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Accuracy (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>No lessons yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dashes: each lesson&apos;s goal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Latest: %1 wpm at %2% accuracy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Practice per day, the last four weeks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Under a minute in the last four weeks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No streak right now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+37"/>
        <source>rarely missed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sometimes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>often</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not typed yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 (%2% missed, often %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 (%2% missed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No tricky keys yet: more typing will tell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trickiest keys: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Stars per unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Badges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>earned %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No badges yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Tapalong report for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1&apos;s typing report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tapalong, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Certificate for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>finished the unit</source>
        <extracomment>On a certificate, above the unit&apos;s name: &quot;Mia finished the unit&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 of %2 stars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>on %1</source>
        <extracomment>On a certificate: the day the unit was finished, &quot;on Monday, 7 December 2026&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tapalong::TrickyPractice</name>
    <message>
        <location filename="../src/ui/home/trickypractice.cpp" line="+36"/>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 and %2</source>
        <extracomment>The last two keys of a list: &quot;semicolon, K and L&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>A quick drill on %1, the key that trips you up most.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A quick drill on %1, the keys that trip you up most.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
