<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AvatarNames</name>
    <message>
        <location filename="../src/ui/widgets/avatarnames.cpp" line="+18"/>
        <source>fox</source>
        <translation>le renard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>panda</source>
        <translation>le panda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unicorn</source>
        <translation>la licorne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>frog</source>
        <translation>la grenouille</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tiger</source>
        <translation>le tigre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>octopus</source>
        <translation>la pieuvre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dinosaur</source>
        <translation>le dinosaure</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>koala</source>
        <translation>le koala</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lion</source>
        <translation>le lion</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pig</source>
        <translation>le cochon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>penguin</source>
        <translation>le pingouin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>owl</source>
        <translation>la chouette</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>whale</source>
        <translation>la baleine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>butterfly</source>
        <translation>le papillon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ladybird</source>
        <translation>la coccinelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rabbit</source>
        <translation>le lapin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bear</source>
        <translation>l&apos;ours</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>monkey</source>
        <translation>le singe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>long-necked dinosaur</source>
        <translation>le diplodocus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flamingo</source>
        <translation>le flamant rose</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hamster</source>
        <translation>le hamster</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>turtle</source>
        <translation>la tortue</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bee</source>
        <translation>l&apos;abeille</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shark</source>
        <translation>le requin</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <location filename="../src/ui/grownups/backup.cpp" line="+28"/>
        <source>The file could not be opened (%1).</source>
        <translation>Impossible d&apos;ouvrir le fichier (%1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file is far larger than any household.</source>
        <translation>Ce fichier est bien trop gros pour être une famille Tapalong.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This file is not a Tapalong household, or it is damaged.</source>
        <translation>Ce fichier n&apos;est pas une famille Tapalong, ou il est abîmé.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>No explorers.</source>
        <translation>Aucun explorateur.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
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
            <numerusform>%n explorateur (%1)</numerusform>
            <numerusform>%n explorateurs (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n lesson(s) finished</source>
        <translation>
            <numerusform>%n leçon terminée</numerusform>
            <numerusform>%n leçons terminées</numerusform>
        </translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Tapalong backup %1</source>
        <extracomment>The name a backup file is offered under, before &quot;.json&quot;; %1 is the date, 2026-12-07</extracomment>
        <translation>Sauvegarde Tapalong %1</translation>
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
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, last played on %2</source>
        <translation>%1, dernière partie le %2</translation>
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
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>💾 Save a copy…</source>
        <translation>💾 Enregistrer une copie…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>📂 Restore from a copy…</source>
        <translation>📂 Restaurer une copie…</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Keep things as they are</source>
        <translation>Tout garder comme avant</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Restore this copy</source>
        <translation>Restaurer cette copie</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Problem: %1</source>
        <translation>Problème&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>BadgeChip</name>
    <message>
        <location filename="../src/ui/widgets/BadgeChip.qml" line="+15"/>
        <source>%1, earned</source>
        <translation>%1, gagné</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1, not earned yet</source>
        <translation>%1, pas encore gagné</translation>
    </message>
</context>
<context>
    <name>BadgeShelf</name>
    <message>
        <location filename="../src/ui/home/BadgeShelf.qml" line="+43"/>
        <source>Badges</source>
        <extracomment>The badge shelf for a screen reader; %1 is the badge that has the keyboard.</extracomment>
        <translation>Badges</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Badges: %1</source>
        <translation>Badges&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, earned</source>
        <translation>%1, gagné</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, not earned yet</source>
        <translation>%1, pas encore gagné</translation>
    </message>
</context>
<context>
    <name>Badges</name>
    <message>
        <location filename="../src/store/badges.cpp" line="+39"/>
        <source>First Steps</source>
        <translation>Premiers pas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Finish your first lesson</source>
        <translation>Termine ta première leçon</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Home Sweet Home</source>
        <translation>Comme à la maison</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Finish every Home Row lesson</source>
        <translation>Termine toutes les leçons de la rangée de base</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Alphabet Master</source>
        <translation>Pro de l&apos;alphabet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Learn every letter key</source>
        <translation>Apprends toutes les touches de lettres</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Triple Star</source>
        <translation>Triple étoile</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Earn 3 stars on a lesson</source>
        <translation>Gagne 3 étoiles dans une leçon</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Trail Blazer</source>
        <translation>Globe-trotteur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finish 10 lessons</source>
        <translation>Termine 10 leçons</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Quest Complete</source>
        <translation>Quête accomplie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finish every lesson</source>
        <translation>Termine toutes les leçons</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Zippy Fingers</source>
        <translation>Doigts agiles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reach 10 words per minute</source>
        <translation>Atteins 10 mots par minute</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Speed Rocket</source>
        <translation>Fusée express</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reach 20 words per minute</source>
        <translation>Atteins 20 mots par minute</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Lightning Hands</source>
        <translation>Mains éclair</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reach 30 words per minute</source>
        <translation>Atteins 30 mots par minute</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sharpshooter</source>
        <translation>Œil de lynx</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finish a lesson with 98% accuracy</source>
        <translation>Termine une leçon avec 98&#xa0;% de précision</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Key Collector</source>
        <translation>Collection de touches</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type 1,000 correct keys</source>
        <translation>Tape 1&#xa0;000 touches justes</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Key Treasure</source>
        <translation>Trésor de touches</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type 10,000 correct keys</source>
        <translation>Tape 10&#xa0;000 touches justes</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>On Fire</source>
        <translation>En feu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Practice 3 days in a row</source>
        <translation>Entraîne-toi 3 jours de suite</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unstoppable</source>
        <translation>Inarrêtable</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Practice 7 days in a row</source>
        <translation>Entraîne-toi 7 jours de suite</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Arcade Explorer</source>
        <translation>As de l&apos;arcade</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play every arcade game</source>
        <translation>Joue à tous les jeux de l&apos;arcade</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>High Scorer</source>
        <translation>Super score</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score 500+ in any game</source>
        <translation>Marque 500 points ou plus dans un jeu</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>New badge: %1!</source>
        <translation>Nouveau badge&#xa0;: %1&#xa0;!</translation>
    </message>
</context>
<context>
    <name>ChampionRow</name>
    <message>
        <location filename="../src/ui/champions/ChampionRow.qml" line="+19"/>
        <source>%1. %2 the %3: %4 (you)</source>
        <extracomment>A champions row for a screen reader: rank, name, animal and score, as &quot;1. Mia the fox: ⭐️ 12&quot;.</extracomment>
        <translation>%1. %2, %3&#xa0;: %4 (c&apos;est toi)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1. %2 the %3: %4</source>
        <translation>%1. %2, %3&#xa0;: %4</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>YOU</source>
        <translation>TOI</translation>
    </message>
</context>
<context>
    <name>Champions</name>
    <message>
        <location filename="../src/store/champions.cpp" line="+42"/>
        <source>%1 wpm</source>
        <translation>%1 mots/min</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Star Collectors</source>
        <translation>Chasseurs d&apos;étoiles</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fastest Typists</source>
        <translation>Doigts les plus rapides</translation>
    </message>
</context>
<context>
    <name>ChampionsView</name>
    <message>
        <location filename="../src/ui/champions/ChampionsView.qml" line="+26"/>
        <source>🏆 Family Champions</source>
        <translation>🏆 Les champions de la famille</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Scroll the board</source>
        <translation>Faire défiler le classement</translation>
    </message>
</context>
<context>
    <name>ComfortPanel</name>
    <message>
        <location filename="../src/ui/grownups/ComfortPanel.qml" line="+67"/>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>How Tapalong looks for %1</source>
        <translation>L&apos;affichage de Tapalong pour %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Each choice is kept at once; %1&apos;s screens follow it straight away.</source>
        <translation>Chaque choix est enregistré tout de suite, et les écrans de %1 changent aussitôt.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Reading font</source>
        <translation>Police de lecture</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rounded</source>
        <translation>Arrondie</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Jump, quick fox! 123</source>
        <translation>Saute, petit zèbre&#xa0;! 123</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Text size</source>
        <translation>Taille du texte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Larger</source>
        <translation>Très grande</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Finger colours</source>
        <translation>Couleurs des doigts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Safe colours can be told apart by every kind of colour vision, and each key also carries its finger&apos;s shape.</source>
        <translation>Les couleurs adaptées se distinguent bien, quelle que soit la façon de voir les couleurs, et chaque touche porte aussi la forme de son doigt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+7"/>
        <source>Usual</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Safe, with shapes</source>
        <translation>Adaptées, avec des formes</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High</source>
        <translation>Élevé</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Motion</source>
        <translation>Animations</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calm: no confetti, twinkling, bouncing or shaking; things fade in and out.</source>
        <translation>Calmes&#xa0;: pas de confettis, de scintillements, de rebonds ni de secousses&#xa0;; tout apparaît et disparaît en fondu.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lively</source>
        <translation>Vives</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Calm</source>
        <translation>Calmes</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Games</source>
        <translation>Jeux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gentle: falling and moving things go slower, for more time to find each key.</source>
        <translation>Doux&#xa0;: ce qui tombe ou bouge va plus lentement, pour laisser le temps de trouver chaque touche.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Usual pace</source>
        <translation>Rythme habituel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Gentle pace</source>
        <translation>Rythme doux</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/commandline.cpp" line="+53"/>
        <source>Show this help and exit.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show the version and exit.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print the whole course (units, lessons, drill lines) as JSON and exit.</source>
        <translation>Affiche tout le cours (unités, leçons, lignes d&apos;exercice) en JSON et quitte.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>With --print-course: the course and keyboard of this keyboard layout, such as de or us(intl).</source>
        <translation>Avec --print-course&#xa0;: le cours et le clavier de cette disposition de clavier, par exemple de ou us(intl).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>layout</source>
        <translation>disposition</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>With --print-course: the course in this language (en, de, fr or es), its words and its titles.</source>
        <translation>Avec --print-course&#xa0;: le cours dans cette langue (en, de, fr ou es), avec ses mots et ses titres.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>language</source>
        <translation>langue</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A typing tutor for children: touch typing in 26 lessons,
with stars, badges and five arcade games.</source>
        <translation>Un cours de dactylo pour les enfants&#xa0;: taper avec dix doigts en 26 leçons,
avec des étoiles, des badges et cinq jeux d&apos;arcade.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>There is no course for the layout &apos;%1&apos; yet: Tapalong teaches Latin letters.</source>
        <translation>Il n&apos;y a pas encore de cours pour la disposition «&#xa0;%1&#xa0;»&#xa0;: Tapalong enseigne les lettres latines.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The keyboard data knows no layout &apos;%1&apos;.</source>
        <translation>Les données de clavier ne connaissent aucune disposition «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&apos;%1&apos; is not a layout name: a layout is written like de or us(intl).</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nom de disposition&#xa0;: une disposition s&apos;écrit comme de ou us(intl).</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>There is no course in the language &apos;%1&apos;: the languages are %2.</source>
        <translation>Il n&apos;y a pas de cours dans la langue «&#xa0;%1&#xa0;»&#xa0;: les langues sont %2.</translation>
    </message>
</context>
<context>
    <name>CopyCatView</name>
    <message>
        <location filename="../src/games/copycat/CopyCatView.qml" line="+18"/>
        <source>Nice work finishing the lesson!
Watch the parrot&apos;s secret key pattern, then type it back from memory.
Patterns grow trickier each round — show what you&apos;ve learned!</source>
        <translation>Bravo, tu as fini la leçon&#xa0;!
Regarde la suite secrète du perroquet, puis retape-la de mémoire.
Les suites deviennent plus difficiles à chaque manche&#xa0;: montre ce que tu sais&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The parrot flashes a secret key pattern — watch and listen!
Then type it back from memory.
Patterns grow longer each round!</source>
        <translation>Le perroquet fait briller une suite secrète de touches&#xa0;: regarde et écoute&#xa0;!
Puis retape-la de mémoire.
Les suites s&apos;allongent à chaque manche&#xa0;!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>🏆 NEW HIGH SCORE!</source>
        <translation>🏆 NOUVEAU RECORD&#xa0;!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Good try! The parrot flew off</source>
        <translation>Joli essai&#xa0;! Le perroquet s&apos;envole</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Round %1 of %2</source>
        <translation>Manche %1 sur %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You reached round %1 of %2</source>
        <translation>Tu as atteint la manche %1 sur %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Your turn!</source>
        <translation>À toi&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>🎉 Perfect!</source>
        <translation>🎉 Parfait&#xa0;!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Watch closely!</source>
        <translation>Regarde bien&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Course</name>
    <message>
        <location filename="../src/curriculum/curriculum.cpp" line="+63"/>
        <source>Home Row</source>
        <translation>Rangée de base</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Top Row</source>
        <translation>Rangée du haut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom Row</source>
        <translation>Rangée du bas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Big Letters</source>
        <translation>Les majuscules</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number Lane</source>
        <translation>L&apos;allée des chiffres</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Story Time</source>
        <translation>L&apos;heure des histoires</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Meet F and J</source>
        <translation>Bonjour F et J</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>D and K</source>
        <translation>D et K</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S and L</source>
        <translation>S et L</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A and ;</source>
        <translation>A et&#xa0;;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>G and H</source>
        <translation>G et H</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Home Row Hero</source>
        <translation>Héros de la base</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E and I</source>
        <translation>E et I</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>R and U</source>
        <translation>R et U</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>T and Y</source>
        <translation>T et Y</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>W and O</source>
        <translation>W et O</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Q and P</source>
        <translation>Q et P</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Top Row Champ</source>
        <translation>Champion du haut</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>N and V</source>
        <translation>N et V</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>M and C</source>
        <translation>M et C</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>B and X</source>
        <translation>B et X</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Z, comma, dot</source>
        <translation>Z, virgule, point</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Alphabet Master</source>
        <translation>Pro de l&apos;alphabet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shift Power</source>
        <translation>Super majuscule</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Capital Words</source>
        <translation>Mots avec majuscule</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Real Sentences</source>
        <translation>De vraies phrases</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 to 5</source>
        <translation>De 1 à 5</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>6 to 0</source>
        <translation>De 6 à 0</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Number Ninja</source>
        <translation>Ninja des chiffres</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Little Stories</source>
        <translation>Petites histoires</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bigger Stories</source>
        <translation>Grandes histoires</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Grand Finale</source>
        <translation>Le grand final</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>comma</source>
        <translation>virgule</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>dot</source>
        <translation>point</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 and %2</source>
        <extracomment>A lesson&apos;s keys in its title: &quot;A, Ö and Ä&quot;</extracomment>
        <translation>%1 et %2</translation>
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
        <translation>Bonjour %1</translation>
    </message>
    <message>
        <location filename="../src/curriculum/trickykeys.cpp" line="+142"/>
        <source>Tricky keys</source>
        <translation>Touches pièges</translation>
    </message>
    <message>
        <location filename="../src/curriculum/textcheck.cpp" line="+187"/>
        <source>Practice from home</source>
        <translation>Textes de la maison</translation>
    </message>
</context>
<context>
    <name>CreateProfileSheet</name>
    <message>
        <location filename="../src/ui/picker/CreateProfileSheet.qml" line="+82"/>
        <source>Create your explorer</source>
        <translation>Crée ton explorateur</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>Type your name…</source>
        <translation>Écris ton prénom…</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Let&apos;s go!</source>
        <translation>C&apos;est parti&#xa0;!</translation>
    </message>
</context>
<context>
    <name>DashboardView</name>
    <message>
        <location filename="../src/ui/home/DashboardView.qml" line="+271"/>
        <source>Badges</source>
        <translation>Badges</translation>
    </message>
</context>
<context>
    <name>GameCard</name>
    <message>
        <location filename="../src/ui/hub/GameCard.qml" line="+16"/>
        <source>Play %1</source>
        <translation>Jouer à %1</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>PLAY  ▶</source>
        <translation>JOUER  ▶</translation>
    </message>
</context>
<context>
    <name>GameFacts</name>
    <message>
        <location filename="../src/records/gamefacts.h" line="+38"/>
        <source>Letter Drop</source>
        <translation>Pluie de lettres</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Letters are falling! Type them before they splash.</source>
        <translation>Les lettres tombent&#xa0;! Tape-les avant le plouf.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Word Meteors</source>
        <translation>Mots météores</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Blast word meteors before they hit your planet.</source>
        <translation>Fais exploser les météores avant qu&apos;ils touchent ta planète.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rocket Race</source>
        <translation>Course de fusées</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type fast to race your rocket past the bots!</source>
        <translation>Tape vite pour que ta fusée dépasse les robots&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Key Moles</source>
        <translation>Tape-taupes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bonk the moles by typing their letters!</source>
        <translation>Tape la lettre d&apos;une taupe pour la renvoyer dans son trou&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy Cat</source>
        <translation>Perroquet copieur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Echo the parrot&apos;s secret key pattern from memory!</source>
        <translation>Retape de mémoire la suite secrète du perroquet&#xa0;!</translation>
    </message>
</context>
<context>
    <name>GameOverCard</name>
    <message>
        <location filename="../src/games/frame/GameOverCard.qml" line="+48"/>
        <source>Score: %1</source>
        <translation>Score&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Best: %1</source>
        <translation>Record&#xa0;: %1</translation>
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
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Resume (esc)</source>
        <translation>Reprendre (échap)</translation>
    </message>
</context>
<context>
    <name>GameScreenFrame</name>
    <message>
        <location filename="../src/games/frame/GameScreenFrame.qml" line="+39"/>
        <source>Watch for your new keys: </source>
        <translation>Guette tes nouvelles touches&#xa0;: </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Play again  (space)</source>
        <translation>Rejouer  (espace)</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Close</source>
        <translation>Fermer</translation>
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
            <numerusform>Encore %n seconde</numerusform>
            <numerusform>Encore %n secondes</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>🔥 combo ×%1</source>
        <translation>🔥 combo ×%1</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Score: %1</source>
        <translation>Score&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Playing with: %1</source>
        <translation>On joue avec&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Back to map</source>
        <translation>Retour à la carte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All games</source>
        <translation>Tous les jeux</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next: %1  ▶</source>
        <translation>Suite&#xa0;: %1  ▶</translation>
    </message>
</context>
<context>
    <name>GameStartCard</name>
    <message>
        <location filename="../src/games/frame/GameStartCard.qml" line="+70"/>
        <source>Start!  (press space)</source>
        <translation>En route&#xa0;!  (appuie sur espace)</translation>
    </message>
</context>
<context>
    <name>GamesHubView</name>
    <message>
        <location filename="../src/ui/hub/GamesHubView.qml" line="+35"/>
        <source>🎮 The Arcade</source>
        <translation>🎮 L&apos;arcade</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Games use the keys you&apos;ve learned: %1</source>
        <translation>Les jeux utilisent les touches que tu connais&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Scroll the games</source>
        <translation>Faire défiler les jeux</translation>
    </message>
</context>
<context>
    <name>Grownups</name>
    <message>
        <location filename="../src/ui/grownups/grownupsview.cpp" line="+24"/>
        <source>d MMM</source>
        <extracomment>How QDate writes a day under the charts: &quot;7 Dec&quot;</extracomment>
        <translation>d MMM</translation>
    </message>
    <message numerus="yes">
        <location line="+127"/>
        <source>%n lesson(s)</source>
        <translation>
            <numerusform>%n leçon</numerusform>
            <numerusform>%n leçons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%n drill(s)</source>
        <translation>
            <numerusform>%n exercice</numerusform>
            <numerusform>%n exercices</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
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
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>%n game(s)</source>
        <translation>
            <numerusform>%n partie</numerusform>
            <numerusform>%n parties</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GrownupsGatePanel</name>
    <message>
        <location filename="../src/ui/grownups/GrownupsGatePanel.qml" line="+36"/>
        <source>🔐 For grown-ups</source>
        <translation>🔐 Pour les grands</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Answer this sum to see each explorer&apos;s progress.</source>
        <translation>Résoudre ce calcul pour voir les progrès de chaque explorateur.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Not quite — here is another one.</source>
        <translation>Pas tout à fait. En voici un autre.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>GrownupsProgressView</name>
    <message>
        <location filename="../src/ui/grownups/GrownupsProgressView.qml" line="+85"/>
        <source>📈 Progress for grown-ups</source>
        <translation>📈 Les progrès, pour les grands</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>No explorers yet.</source>
        <translation>Pas encore d&apos;explorateur.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Speed (wpm)</source>
        <translation>Vitesse (mots/min)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Accuracy (%)</source>
        <translation>Précision (%)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1  ·  %2</source>
        <translation>%1  ·  %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Practice per day</source>
        <translation>Entraînement par jour</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mint: rarely missed · sunshine: sometimes · coral: often</source>
        <translation>Menthe&#xa0;: rarement ratée · soleil&#xa0;: parfois · corail&#xa0;: souvent</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Stars</source>
        <translation>Étoiles</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+17"/>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Games</source>
        <translation>Jeux</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No games played yet.</source>
        <translation>Aucune partie jouée pour l&apos;instant.</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>▼ More below</source>
        <translation>▼ La suite plus bas</translation>
    </message>
</context>
<context>
    <name>GrownupsReport</name>
    <message>
        <location filename="../src/ui/grownups/grownupsreport.cpp" line="+161"/>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>semicolon</source>
        <translation>point-virgule</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>comma</source>
        <translation>virgule</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>full stop</source>
        <translation>point</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>slash</source>
        <translation>barre oblique</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>apostrophe</source>
        <translation>apostrophe</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 has not practised this week</source>
        <translation>Pas d&apos;entraînement pour %1 cette semaine</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%1 practised %n day(s) this week</source>
        <translation>
            <numerusform>%1&#xa0;: %n jour d&apos;entraînement cette semaine</numerusform>
            <numerusform>%1&#xa0;: %n jours d&apos;entraînement cette semaine</numerusform>
        </translation>
    </message>
    <message>
        <location line="+12"/>
        <source>their speed went from %1 to %2 wpm</source>
        <translation>sa vitesse est passée de %1 à %2 mots/min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>their speed was %1 wpm</source>
        <translation>sa vitesse était de %1 mots/min</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>they often type %1 for %2</source>
        <translation>%1 est souvent tapé à la place de %2</translation>
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
        <translation>&#xa0;; </translation>
    </message>
</context>
<context>
    <name>HeartsStatus</name>
    <message>
        <location filename="../src/games/frame/HeartsStatus.qml" line="+14"/>
        <source>Lives: %1 of %2</source>
        <translation>Cœurs&#xa0;: %1 sur %2</translation>
    </message>
</context>
<context>
    <name>HomeTextsCard</name>
    <message>
        <location filename="../src/ui/home/HomeTextsCard.qml" line="+38"/>
        <source>Practice from home</source>
        <translation>Textes de la maison</translation>
    </message>
</context>
<context>
    <name>HouseholdFileDialog</name>
    <message>
        <location filename="../src/ui/grownups/HouseholdFileDialog.qml" line="+16"/>
        <source>Save a copy of the household</source>
        <translation>Enregistrer une copie de la famille</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Restore the household from a copy</source>
        <translation>Restaurer la famille depuis une copie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tapalong household (%1)</source>
        <translation>Famille Tapalong (%1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All files (%1)</source>
        <translation>Tous les fichiers (%1)</translation>
    </message>
</context>
<context>
    <name>KeyMolesView</name>
    <message>
        <location filename="../src/games/keymoles/KeyMolesView.qml" line="+16"/>
        <source>Time&apos;s up!</source>
        <translation>Temps écoulé&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nice work finishing the lesson!
Moles will pop up wearing your lesson keys — you have
%1 seconds. Bonk them fast to make those keys stronger!</source>
        <translation>Bravo, tu as fini la leçon&#xa0;!
Les taupes sortent avec les touches de ta leçon. Tu as
%1 secondes. Attrape-les vite pour muscler ces touches&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Moles are popping up with letters!
Type a mole&apos;s letter to bonk it before it hides.
How many can you bonk in 60 seconds?</source>
        <translation>Les taupes sortent avec des lettres&#xa0;!
Tape la lettre d&apos;une taupe avant qu&apos;elle se cache.
Combien en attraperas-tu en 60 secondes&#xa0;?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>🐹 bonked: %1</source>
        <translation>🐹 attrapées&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>bonked %n mole(s)</source>
        <translation>
            <numerusform>%n taupe attrapée</numerusform>
            <numerusform>%n taupes attrapées</numerusform>
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
        <translation>verr</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>return</source>
        <extracomment>A key cap: at most 6 letters, lower case</extracomment>
        <translation>entrée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>shift</source>
        <extracomment>A key cap: at most 8 letters, lower case</extracomment>
        <translation>maj</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>space</source>
        <extracomment>The space bar&apos;s cap: at most 20 letters, lower case</extracomment>
        <translation>espace</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>left pinky</source>
        <translation>petit doigt gauche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>left ring finger</source>
        <translation>annulaire gauche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>left middle finger</source>
        <translation>majeur gauche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>left pointer finger</source>
        <translation>index gauche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right pointer finger</source>
        <translation>index droit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right middle finger</source>
        <translation>majeur droit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right ring finger</source>
        <translation>annulaire droit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right pinky</source>
        <translation>petit doigt droit</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>thumb</source>
        <translation>pouce</translation>
    </message>
    <message>
        <location line="+236"/>
        <source>altgr</source>
        <extracomment>The AltGr key&apos;s cap: at most 6 letters</extracomment>
        <translation>alt gr</translation>
    </message>
    <message>
        <location line="+214"/>
        <source>Press  %1  with your %2  (hold SHIFT with your other pinky!)</source>
        <translation>Appuie sur  %1  avec ton %2  (garde MAJ enfoncée avec ton autre petit doigt&#xa0;!)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Press  %1  with your %2</source>
        <translation>Appuie sur  %1  avec ton %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Press  %1  (hold SHIFT with your other pinky!)</source>
        <translation>Appuie sur  %1  (garde MAJ enfoncée avec ton autre petit doigt&#xa0;!)</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+15"/>
        <source>Press  %1</source>
        <translation>Appuie sur  %1</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Press  %1  and then  %2</source>
        <translation>Appuie sur  %1  puis sur  %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  with your %1</source>
        <translation>  avec ton %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  (hold SHIFT with your other pinky!)</source>
        <translation>  (garde MAJ enfoncée avec ton autre petit doigt&#xa0;!)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  (hold ALTGR with your right thumb!)</source>
        <translation>  (garde ALT GR enfoncée avec ton pouce droit&#xa0;!)</translation>
    </message>
    <message>
        <location line="-117"/>
        <source>SPACE</source>
        <translation>ESPACE</translation>
    </message>
</context>
<context>
    <name>KeyboardPanel</name>
    <message>
        <location filename="../src/ui/grownups/KeyboardPanel.qml" line="+23"/>
        <source>The lessons and the keyboard on screen now follow %1.</source>
        <translation>Les leçons et le clavier à l&apos;écran sont maintenant réglés sur %1.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The lessons and the keyboard on screen are for: %1</source>
        <translation>Les leçons et le clavier à l&apos;écran sont réglés sur&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Choose the one printed on the keys. Changing it takes effect at once for every explorer; stars already earned stay.</source>
        <translation>Choisir celui qui est imprimé sur les touches. Le changement s&apos;applique tout de suite à tous les explorateurs&#xa0;; les étoiles déjà gagnées restent acquises.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Find a keyboard: German, French, Dvorak…</source>
        <translation>Chercher un clavier&#xa0;: Français, Allemand, Dvorak…</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Reading the list of keyboards…</source>
        <translation>Lecture de la liste des claviers…</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Problem: %1</source>
        <translation>Problème&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>LanguagePanel</name>
    <message>
        <location filename="../src/ui/grownups/LanguagePanel.qml" line="+27"/>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
</context>
<context>
    <name>LayoutNotice</name>
    <message>
        <location filename="../src/ui/keyboard/LayoutNotice.qml" line="+29"/>
        <source>🙂 Your keyboard has switched to other letters. Ask a grown-up to switch it back to %1.</source>
        <translation>🙂 Ton clavier est passé à d&apos;autres lettres. Demande à un grand de le remettre sur %1.</translation>
    </message>
</context>
<context>
    <name>LessonBubble</name>
    <message>
        <location filename="../src/ui/learn/LessonBubble.qml" line="+26"/>
        <source>Start lesson: %1</source>
        <translation>Commencer la leçon&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Locked lesson: %1</source>
        <translation>Leçon verrouillée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>LessonListView</name>
    <message>
        <location filename="../src/ui/learn/LessonListView.qml" line="+40"/>
        <source>Scroll the map</source>
        <translation>Faire défiler la carte</translation>
    </message>
</context>
<context>
    <name>LessonPlayView</name>
    <message>
        <location filename="../src/ui/lesson/LessonPlayView.qml" line="+57"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>wpm</source>
        <translation>mots/min</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>accuracy</source>
        <translation>précision</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Line: %1</source>
        <extracomment>The drill line a screen reader reads, then the key to type now</extracomment>
        <translation>Ligne&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line: %1. Next key: %2</source>
        <translation>Ligne&#xa0;: %1. Touche suivante&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+105"/>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>LetterDropView</name>
    <message>
        <location filename="../src/games/letterdrop/LetterDropView.qml" line="+16"/>
        <source>Splash! Game over</source>
        <translation>Plouf&#xa0;! Partie terminée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nice work finishing the lesson!
Now catch your lesson keys as they fall — you have
%1 seconds. Every catch makes those keys stronger!</source>
        <translation>Bravo, tu as fini la leçon&#xa0;!
Maintenant, attrape les touches de ta leçon quand elles tombent. Tu as
%1 secondes. Chaque prise rend ces touches plus fortes&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Letters are falling from the sky!
Type each one before it splashes into the sea.
You have 3 hearts — good luck, hero!</source>
        <translation>Des lettres tombent du ciel&#xa0;!
Tape chacune avant qu&apos;elle plonge dans la mer.
Tu as 3 cœurs. Bonne chance à toi&#xa0;!</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <location filename="../src/app/MainView.qml" line="+26"/>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Learn</source>
        <translation>Apprendre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games</source>
        <translation>Jeux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Champions</source>
        <translation>Champions</translation>
    </message>
</context>
<context>
    <name>PauseOverlay</name>
    <message>
        <location filename="../src/ui/lesson/PauseOverlay.qml" line="+43"/>
        <source>Taking a break?</source>
        <translation>Une petite pause&#xa0;?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>(esc to pause and resume)</source>
        <translation>(échap pour faire une pause ou reprendre)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Leave lesson</source>
        <translation>Quitter la leçon</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Keep going!</source>
        <translation>Je continue&#xa0;!</translation>
    </message>
</context>
<context>
    <name>PracticeTextFileDialog</name>
    <message>
        <location filename="../src/ui/grownups/PracticeTextFileDialog.qml" line="+12"/>
        <source>Read a practice text from a file</source>
        <translation>Lire un texte d&apos;entraînement depuis un fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Plain text (%1)</source>
        <translation>Texte brut (%1)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All files (%1)</source>
        <translation>Tous les fichiers (%1)</translation>
    </message>
</context>
<context>
    <name>PracticeTextsPanel</name>
    <message>
        <location filename="../src/ui/grownups/PracticeTextsPanel.qml" line="+55"/>
        <source>Texts from home for %1</source>
        <translation>Textes de la maison pour %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 finds these on the dashboard under &quot;Practice from home&quot;.</source>
        <translation>%1 les trouve sur l&apos;écran d&apos;accueil, dans «&#xa0;Textes de la maison&#xa0;».</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>A text from home</source>
        <translation>Un texte de la maison</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Type or paste a text here, or read one from a file…</source>
        <translation>Taper ou coller un texte ici, ou en lire un depuis un fichier…</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Use the plain form</source>
        <translation>Utiliser la forme simple</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Leave it out</source>
        <translation>Le laisser de côté</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>What %1 will type:</source>
        <translation>Ce que %1 va taper&#xa0;:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Save this text</source>
        <translation>Enregistrer ce texte</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>📄 Read from a file…</source>
        <translation>📄 Lire depuis un fichier…</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Problem: %1</source>
        <translation>Problème&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>PrintoutFileDialog</name>
    <message>
        <location filename="../src/ui/grownups/PrintoutFileDialog.qml" line="+14"/>
        <source>Save a report</source>
        <translation>Enregistrer un bilan</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save a certificate</source>
        <translation>Enregistrer un diplôme</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF document (%1)</source>
        <translation>Document PDF (%1)</translation>
    </message>
</context>
<context>
    <name>PrintoutsPanel</name>
    <message>
        <location filename="../src/ui/grownups/PrintoutsPanel.qml" line="+47"/>
        <source>Save a report</source>
        <translation>Enregistrer un bilan</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save a certificate</source>
        <translation>Enregistrer un diplôme</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Name of the file</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No folders or PDF files here yet.</source>
        <translation>Pas encore de dossier ni de fichier PDF ici.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>“%1” is already there. Replace it?</source>
        <translation>«&#xa0;%1&#xa0;» existe déjà. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>To print</source>
        <translation>À imprimer</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>📄 Save a report…</source>
        <translation>📄 Enregistrer un bilan…</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>🖨️ Print…</source>
        <translation>🖨️ Imprimer…</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>A certificate comes with each unit finished: none yet.</source>
        <translation>Chaque unité terminée donne un diplôme&#xa0;: aucun pour l&apos;instant.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Certificates for the units finished:</source>
        <translation>Diplômes des unités terminées&#xa0;:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>🏅 %1 %2…</source>
        <translation>🏅 %1 %2…</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Writing the file…</source>
        <translation>Écriture du fichier…</translation>
    </message>
</context>
<context>
    <name>ProfileCard</name>
    <message numerus="yes">
        <location filename="../src/ui/picker/ProfileCard.qml" line="+24"/>
        <source>%1, %n star(s)</source>
        <extracomment>A profile card for a screen reader: &quot;Mia, 12 stars&quot;.</extracomment>
        <translation>
            <numerusform>%1, %n étoile</numerusform>
            <numerusform>%1, %n étoiles</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, best speed %2</source>
        <extracomment>%1 is the explorer&apos;s animal, %2 their best speed in words per minute.</extracomment>
        <translation>%1, meilleure vitesse&#xa0;: %2 mots par minute</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>Remove %1</source>
        <translation>Supprimer %1</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Remove %1? All their stars and scores will be lost.</source>
        <translation>Supprimer %1&#xa0;? Toutes ses étoiles et tous ses scores seront perdus.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ProfileChip</name>
    <message>
        <location filename="../src/app/ProfileChip.qml" line="+19"/>
        <source>%1 the %2: switch player, sound and voice</source>
        <extracomment>The profile chip, for a screen reader: %1 is the explorer&apos;s name, %2 their animal.</extracomment>
        <translation>%1, %2&#xa0;: changer de joueur, le son ou la voix</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>Switch player</source>
        <translation>Changer de joueur</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sound: On 🔊</source>
        <translation>Son&#xa0;: oui 🔊</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sound: Off 🔇</source>
        <translation>Son&#xa0;: non 🔇</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Voice: On 🗣️</source>
        <translation>Voix&#xa0;: oui 🗣️</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Voice: Off 🤫</source>
        <translation>Voix&#xa0;: non 🤫</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>For grown-ups 🔐</source>
        <translation>Pour les grands 🔐</translation>
    </message>
</context>
<context>
    <name>ProfilePickerView</name>
    <message>
        <location filename="../src/ui/picker/ProfilePickerView.qml" line="+58"/>
        <source>Who&apos;s typing today?</source>
        <translation>Qui tape aujourd&apos;hui&#xa0;?</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>For grown-ups 🔐</source>
        <translation>Pour les grands 🔐</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+35"/>
        <source>New Explorer</source>
        <translation>Nouvel explorateur</translation>
    </message>
</context>
<context>
    <name>RaceLane</name>
    <message>
        <location filename="../src/games/rocketrace/RaceLane.qml" line="+104"/>
        <source>done! %1</source>
        <translation>fini&#xa0;! %1</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <location filename="../src/ui/grownups/reportpdf.cpp" line="+156"/>
        <source>The latest lesson or practice.</source>
        <translation>La dernière leçon ou séance d&apos;entraînement.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The latest %1 lessons and practices, oldest on the left.</source>
        <translation>Les %1 dernières leçons et séances d&apos;entraînement, la plus ancienne à gauche.</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>%1 minute in the last four weeks.</source>
        <translation>%1 minute ces quatre dernières semaines.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 minutes in the last four weeks.</source>
        <translation>%1 minutes ces quatre dernières semaines.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 day in a row.</source>
        <translation>%1 jour de suite.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 days in a row.</source>
        <translation>%1 jours de suite.</translation>
    </message>
</context>
<context>
    <name>ResultsOverlay</name>
    <message numerus="yes">
        <location filename="../src/ui/lesson/ResultsOverlay.qml" line="+63"/>
        <source>%n of 3 stars</source>
        <translation>
            <numerusform>%n étoile sur 3</numerusform>
            <numerusform>%n étoiles sur 3</numerusform>
        </translation>
    </message>
    <message>
        <location line="+87"/>
        <source>words / min</source>
        <translation>mots / min</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>accuracy</source>
        <translation>précision</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>keys typed</source>
        <translation>touches tapées</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>New badges!</source>
        <translation>Nouveaux badges&#xa0;!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>New badge!</source>
        <translation>Nouveau badge&#xa0;!</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>🎁 Pick a bonus game — it makes your new keys extra strong! 💪</source>
        <translation>🎁 Choisis un jeu bonus&#xa0;: il rend tes nouvelles touches super fortes&#xa0;! 💪</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Back to map</source>
        <translation>Retour à la carte</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Try again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Next: %1  ▶</source>
        <translation>Suite&#xa0;: %1  ▶</translation>
    </message>
</context>
<context>
    <name>RocketRace</name>
    <message>
        <location filename="../src/games/rocketrace/rocketracemodel.h" line="+28"/>
        <source>Turbo Turtle</source>
        <translation>Tortue Turbo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Comet Cat</source>
        <translation>Chat Comète</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falcon Flash</source>
        <translation>Faucon Flash</translation>
    </message>
</context>
<context>
    <name>RocketRaceView</name>
    <message>
        <location filename="../src/games/rocketrace/RocketRaceView.qml" line="+19"/>
        <source>Lesson finished — celebrate with a quick race!
Type the words to make your rocket zoom past the bots.
The race starts on your first correct letter.</source>
        <translation>Leçon finie&#xa0;: on fête ça avec une petite course&#xa0;!
Tape les mots pour que ta fusée dépasse les robots.
La course part dès ta première bonne lettre.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Type the words to make your rocket zoom!
You&apos;re racing Turbo Turtle 🐢, Comet Cat 🐱, and Falcon Flash 🦅.
The race starts the moment you type your first correct letter.</source>
        <translation>Tape les mots pour que ta fusée file à toute allure&#xa0;!
Tu fais la course contre Tortue Turbo 🐢, Chat Comète 🐱 et Faucon Flash 🦅.
La course part dès que tu tapes ta première bonne lettre.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Race again  (space)</source>
        <translation>Encore une course  (espace)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>🥇 1st place!!</source>
        <translation>🥇 1re place&#xa0;!!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>🥈 2nd place!</source>
        <translation>🥈 2e place&#xa0;!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>🥉 3rd place!</source>
        <translation>🥉 3e place&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4th — you&apos;ll get them next time!</source>
        <translation>4e&#xa0;: tu les auras la prochaine fois&#xa0;!</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+29"/>
        <source>%1 wpm</source>
        <translation>%1 mots/min</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>%1% acc</source>
        <translation>%1&#xa0;% préc.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>🏆 NEW HIGH SCORE!</source>
        <translation>🏆 NOUVEAU RECORD&#xa0;!</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1% accuracy</source>
        <translation>%1&#xa0;% de précision</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>You</source>
        <translation>Toi</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Type it!</source>
        <translation>Tape la phrase&#xa0;!</translation>
    </message>
</context>
<context>
    <name>SaveCopyDialog</name>
    <message>
        <location filename="../src/ui/grownups/SaveCopyDialog.qml" line="+22"/>
        <source>Save a copy of the household</source>
        <translation>Enregistrer une copie de la famille</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>⬆ Up</source>
        <translation>⬆ Remonter</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>In %1</source>
        <translation>Dans %1</translation>
    </message>
    <message>
        <location line="-80"/>
        <source>No folders or copies here yet.</source>
        <translation>Pas encore de dossier ni de copie ici.</translation>
    </message>
    <message>
        <location line="+177"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="-178"/>
        <source>Name of the copy</source>
        <translation>Nom de la copie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>“%1” is already there. Replace it with this copy?</source>
        <translation>«&#xa0;%1&#xa0;» existe déjà. Le remplacer par cette copie&#xa0;?</translation>
    </message>
    <message>
        <location line="+229"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keep it</source>
        <translation>Le garder</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <location filename="../src/records/savefile.cpp" line="+91"/>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disk can only be read, not written</source>
        <translation>le disque peut seulement être lu, pas écrit</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>this user may not write in %1</source>
        <translation>cet utilisateur n&apos;a pas le droit d&apos;écrire dans %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the folder %1 is missing</source>
        <translation>le dossier %1 est introuvable</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disk reported an error</source>
        <translation>le disque a signalé une erreur</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>the old save file is in the way and cannot be moved aside (%1)</source>
        <translation>l&apos;ancien fichier de sauvegarde gêne et ne peut pas être déplacé (%1)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the progress holds a number that cannot be written</source>
        <translation>la progression contient un nombre impossible à écrire</translation>
    </message>
    <message>
        <location filename="../src/store/savewriter.h" line="+31"/>
        <source>the file could not be written</source>
        <translation>le fichier n&apos;a pas pu être écrit</translation>
    </message>
</context>
<context>
    <name>SingleHandView</name>
    <message>
        <location filename="../src/ui/keyboard/SingleHandView.qml" line="+26"/>
        <source>LEFT HAND</source>
        <translation>MAIN GAUCHE</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>RIGHT HAND</source>
        <translation>MAIN DROITE</translation>
    </message>
</context>
<context>
    <name>SpokenHelpPanel</name>
    <message>
        <location filename="../src/ui/grownups/SpokenHelpPanel.qml" line="+47"/>
        <source>🗣 Read aloud for %1</source>
        <translation>🗣 Lecture à voix haute pour %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>With the voice on, the narrator can help a child who cannot read yet or cannot see the screen well. The lessons&apos; own words always come first.</source>
        <translation>Quand la voix est activée, le narrateur peut aider un enfant qui ne sait pas encore lire ou qui voit mal l&apos;écran. Les paroles des leçons passent toujours en premier.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Say names</source>
        <translation>Dire les noms</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Say the next key</source>
        <translation>Dire la touche suivante</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Names: the narrator says a button&apos;s or card&apos;s name when it gets the focus or the pointer rests on it. Next key: it says each key of a drill as it comes up.</source>
        <translation>Noms&#xa0;: le narrateur dit le nom d&apos;un bouton ou d&apos;une carte quand on y arrive avec le clavier ou que le pointeur s&apos;y arrête. Touche suivante&#xa0;: il annonce chaque touche d&apos;un exercice au moment où elle arrive.</translation>
    </message>
</context>
<context>
    <name>StatCard</name>
    <message>
        <location filename="../src/ui/widgets/StatCard.qml" line="+19"/>
        <source>%1: %2</source>
        <extracomment>A statistic for a screen reader: %1 is what it counts, %2 the number.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>TrickyKeysCard</name>
    <message>
        <location filename="../src/ui/home/TrickyKeysCard.qml" line="+46"/>
        <source>🎯 Practise tricky keys</source>
        <translation>🎯 Travaille tes touches pièges</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Let&apos;s practise ▶</source>
        <translation>On s&apos;entraîne ▶</translation>
    </message>
</context>
<context>
    <name>Tutorial</name>
    <message>
        <location filename="../src/curriculum/tutorial.cpp" line="+19"/>
        <source>Welcome to %1!
A practice adventure with keys you already know.</source>
        <translation>Bienvenue dans la leçon «&#xa0;%1&#xa0;»&#xa0;!
Une aventure pour t&apos;entraîner avec les touches que tu connais déjà.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Welcome to %1! This one is all about practicing keys you already know.</source>
        <translation>Bienvenue dans la leçon %1&#xa0;! Ici, tu t&apos;entraînes avec les touches que tu connais déjà.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Welcome to %1!
Today your fingers learn %2.</source>
        <translation>Bienvenue dans la leçon «&#xa0;%1&#xa0;»&#xa0;!
Aujourd&apos;hui, tes doigts apprennent %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Welcome to %1! Today your fingers will learn %2.</source>
        <translation>Bienvenue dans la leçon %1&#xa0;! Aujourd&apos;hui, tes doigts vont apprendre %2.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Rest your fingers on the glowing HOME ROW.
Feel the little bumps on %1 and %2? Your pointer fingers sit right there.</source>
        <translation>Pose tes doigts sur la RANGÉE DE BASE qui brille.
Tu sens les petites bosses sur %1 et %2&#xa0;? Tes index se posent juste là.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>First, rest your fingers on the home row. Feel the little bumps on %1 and %2? Your pointer fingers sit right there.</source>
        <translation>D&apos;abord, pose tes doigts sur la rangée de base. Tu sens les petites bosses sur %1 et %2&#xa0;? Tes index se posent juste là.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>This is %1!
Press it with your %2 — try it right now!</source>
        <translation>Voici la touche %1&#xa0;!
Appuie dessus avec ton %2. Essaie tout de suite&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This is the %1 key. Press it with your %2. Try it now!</source>
        <translation>Voici la touche %1. Appuie dessus avec ton %2. Essaie maintenant&#xa0;!</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>You&apos;ll also meet %1.
Same trick: reach out from the home row, then hop right back!</source>
        <translation>Tu vas aussi rencontrer %1.
Même astuce&#xa0;: pars de la rangée de base, puis reviens vite à ta place&#xa0;!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You will also meet %1. Same trick — reach out from the home row, then hop right back.</source>
        <translation>Tu vas aussi rencontrer %1. Même astuce&#xa0;: pars de la rangée de base, puis reviens vite à ta place.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Type each letter when it glows.
Take your time — happy fingers first, speedy fingers later!</source>
        <translation>Tape chaque lettre quand elle brille.
Prends ton temps&#xa0;: d&apos;abord des doigts heureux, la vitesse viendra après&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Now type each letter when it glows. Take your time. Happy fingers first, speedy fingers later. Ready? Let&apos;s go!</source>
        <translation>Maintenant, tape chaque lettre quand elle brille. Prends ton temps. D&apos;abord des doigts heureux, la vitesse viendra après. Allez, c&apos;est parti&#xa0;!</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>colon</source>
        <translation>deux-points</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>quotation mark</source>
        <translation>guillemet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>underscore</source>
        <translation>tiret bas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>equals sign</source>
        <translation>égal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>plus sign</source>
        <translation>plus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>slash</source>
        <translation>barre oblique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>backslash</source>
        <translation>barre oblique inversée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>vertical bar</source>
        <translation>barre verticale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>left parenthesis</source>
        <translation>parenthèse ouvrante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>right parenthesis</source>
        <translation>parenthèse fermante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>left bracket</source>
        <translation>crochet ouvrant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>right bracket</source>
        <translation>crochet fermant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>left brace</source>
        <translation>accolade ouvrante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>right brace</source>
        <translation>accolade fermante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>less-than sign</source>
        <translation>signe plus petit que</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>greater-than sign</source>
        <translation>signe plus grand que</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>at sign</source>
        <translation>arobase</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hash sign</source>
        <translation>dièse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dollar sign</source>
        <translation>dollar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>percent sign</source>
        <translation>pour cent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>caret</source>
        <translation>accent circonflexe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ampersand</source>
        <translation>et commercial</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>asterisk</source>
        <translation>astérisque</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>grave accent</source>
        <translation>accent grave</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tilde</source>
        <translation>tilde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>acute accent</source>
        <translation>accent aigu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>umlaut</source>
        <translation>tréma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>section sign</source>
        <translation>paragraphe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>degree sign</source>
        <translation>degré</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>one half</source>
        <translation>un demi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pound sign</source>
        <translation>livre sterling</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>euro sign</source>
        <translation>euro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ordinal indicator</source>
        <translation>o en exposant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>feminine ordinal indicator</source>
        <translation>a en exposant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>micro sign</source>
        <translation>micro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>inverted exclamation mark</source>
        <translation>point d&apos;exclamation renversé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>inverted question mark</source>
        <translation>point d&apos;interrogation renversé</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>sharp S</source>
        <extracomment>The German letter ß</extracomment>
        <translation>eszett</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>N with tilde</source>
        <comment>the letter</comment>
        <extracomment>The Spanish letter ñ, a letter of its own that a Spanish child calls &quot;eñe&quot;</extracomment>
        <translation>N tilde</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A E</source>
        <translation>E dans l&apos;A</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>O E</source>
        <translation>E dans l&apos;O</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>O with stroke</source>
        <translation>O barré</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>L with stroke</source>
        <translation>L barré</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>D with stroke</source>
        <translation>D barré</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 with grave accent</source>
        <translation>%1 accent grave</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with acute accent</source>
        <translation>%1 accent aigu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with circumflex</source>
        <translation>%1 accent circonflexe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with tilde</source>
        <translation>%1 tilde</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 with umlaut</source>
        <extracomment>&quot;O with umlaut&quot; for ö: a German child calls it O-Umlaut</extracomment>
        <translation>%1 tréma</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with ring</source>
        <translation>%1 avec un rond</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with double acute</source>
        <translation>%1 double accent aigu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with caron</source>
        <translation>%1 avec un caron</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with cedilla</source>
        <translation>%1 cédille</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with ogonek</source>
        <translation>%1 avec un ogonek</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with dot</source>
        <translation>%1 avec un point</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with breve</source>
        <translation>%1 avec une brève</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with macron</source>
        <translation>%1 avec un macron</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>semicolon</source>
        <translation>point-virgule</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>comma</source>
        <translation>virgule</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>period</source>
        <translation>point</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>apostrophe</source>
        <translation>apostrophe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>exclamation mark</source>
        <translation>point d&apos;exclamation</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>question mark</source>
        <translation>point d&apos;interrogation</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 and %2</source>
        <extracomment>The last two keys of a list: &quot;D, K and L&quot;</extracomment>
        <translation>%1 et %2</translation>
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
        <translation>🔊  Réécouter</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Skip tutorial</source>
        <translation>Passer le tutoriel</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Press the glowing key!</source>
        <translation>Appuie sur la touche qui brille&#xa0;!</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Let&apos;s type!  ▶</source>
        <translation>On tape&#xa0;!  ▶</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Next  ▶</source>
        <translation>Suivant  ▶</translation>
    </message>
</context>
<context>
    <name>WordMeteorsView</name>
    <message>
        <location filename="../src/games/wordmeteors/WordMeteorsView.qml" line="+16"/>
        <source>Boom! Game over</source>
        <translation>Boum&#xa0;! Partie terminée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The meteors love your new keys: </source>
        <translation>Les météores adorent tes nouvelles touches&#xa0;: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lesson finished — time to blast some meteors!
Most of them use the keys you just learned.
You have %1 seconds. Protect your planet!</source>
        <translation>Leçon finie&#xa0;: place aux météores&#xa0;!
La plupart utilisent les touches que tu viens d&apos;apprendre.
Tu as %1 secondes. Protège ta planète&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Word meteors are zooming toward your planet!
Type each word, letter by letter, to blast it apart.
You have 3 hearts — protect your planet, ranger!</source>
        <translation>Des mots météores foncent vers ta planète&#xa0;!
Tape chaque mot, lettre par lettre, pour le faire exploser.
Tu as 3 cœurs. Protège ta planète, capitaine&#xa0;!</translation>
    </message>
</context>
<context>
    <name>tapalong::AppStore</name>
    <message>
        <location filename="../src/store/appstore.cpp" line="+124"/>
        <source>Tapalong cannot save right now: %1. Progress is kept safe while Tapalong stays open and is saved as soon as that works again.</source>
        <translation>Tapalong ne peut pas enregistrer pour l&apos;instant&#xa0;: %1. Les progrès restent en sécurité tant que Tapalong est ouvert, et seront enregistrés dès que ce sera de nouveau possible.</translation>
    </message>
</context>
<context>
    <name>tapalong::BackupController</name>
    <message>
        <location filename="../src/ui/grownups/backup.cpp" line="+126"/>
        <source>The copy could not be saved there. Try another folder.</source>
        <translation>Impossible d&apos;enregistrer la copie ici. Essayer un autre dossier.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Saved a copy: %1</source>
        <translation>Copie enregistrée&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 Nothing was changed.</source>
        <translation>%1 Rien n&apos;a été changé.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This copy holds %1 Restoring it replaces everything on this computer.</source>
        <translation>Cette copie contient %1 La restaurer remplace tout ce qui est sur cet ordinateur.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The current household could not be kept aside, so nothing was changed.</source>
        <translation>Impossible de mettre de côté la famille actuelle, donc rien n&apos;a été changé.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Restored. The household from before is kept beside the save file.</source>
        <translation>Restauré. La famille d&apos;avant est gardée à côté du fichier de sauvegarde.</translation>
    </message>
</context>
<context>
    <name>tapalong::ChampionsBoard</name>
    <message>
        <location filename="../src/ui/champions/championsboard.cpp" line="+53"/>
        <source>No scores yet — be the first to play!</source>
        <translation>Pas encore de score&#xa0;: à toi de jouer en premier&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No stars yet — finish a lesson to get on the board!</source>
        <translation>Pas encore d&apos;étoiles&#xa0;: termine une leçon pour entrer dans le classement&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No speeds yet — finish a lesson to set your pace!</source>
        <translation>Pas encore de vitesse&#xa0;: termine une leçon pour voir à quelle allure tu tapes&#xa0;!</translation>
    </message>
</context>
<context>
    <name>tapalong::CourseProgress</name>
    <message>
        <location filename="../src/ui/learn/courseprogress.cpp" line="+68"/>
        <source>Play %1</source>
        <translation>Commencer&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finish the lesson before this one to unlock!</source>
        <translation>Termine la leçon d&apos;avant pour débloquer celle-ci&#xa0;!</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>Hi, %1! %2</source>
        <translation>Salut %1&#xa0;! %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your typing adventure starts today!</source>
        <translation>Ton aventure au clavier commence aujourd&apos;hui&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next up: %1</source>
        <translation>À suivre&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You finished the whole quest! Legendary. 🎆</source>
        <translation>Tu as fini toute la quête&#xa0;! Légendaire. 🎆</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>%1 of %n lesson(s) finished</source>
        <translation>
            <numerusform>Leçons terminées&#xa0;: %1 sur %n</numerusform>
            <numerusform>Leçons terminées&#xa0;: %1 sur %n</numerusform>
        </translation>
    </message>
    <message>
        <location line="-11"/>
        <source>%1 world</source>
        <translation>Monde %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Start  ▶</source>
        <translation>Commencer  ▶</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start lesson: %1</source>
        <translation>Commencer la leçon&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>🎓  Quest complete!</source>
        <translation>🎓  Quête accomplie&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replay lessons</source>
        <translation>Rejouer des leçons</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Stars</source>
        <translation>Étoiles</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Best speed (wpm)</source>
        <translation>Meilleure vitesse (mots/min)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keys typed</source>
        <translation>Touches tapées</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Day streak</source>
        <translation>Jours de suite</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
</context>
<context>
    <name>tapalong::GameFrame</name>
    <message>
        <location filename="../src/games/frame/gameframe.cpp" line="+158"/>
        <source>Game over! You scored %1.</source>
        <translation>Partie terminée&#xa0;! Ton score&#xa0;: %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A new high score!</source>
        <translation>Un nouveau record&#xa0;!</translation>
    </message>
    <message>
        <location line="+159"/>
        <source>🎁 Bonus Round · %1</source>
        <translation>🎁 Manche bonus · %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Bonus Round!</source>
        <translation>Manche bonus&#xa0;!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>all your letters!</source>
        <translation>toutes tes lettres&#xa0;!</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>🏆 NEW HIGH SCORE!</source>
        <translation>🏆 NOUVEAU RECORD&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>🎁 Bonus round done!</source>
        <translation>🎁 Manche bonus terminée&#xa0;!</translation>
    </message>
</context>
<context>
    <name>tapalong::GamesHub</name>
    <message>
        <location filename="../src/ui/hub/gameshub.cpp" line="+42"/>
        <source>High score: %1</source>
        <translation>Record&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No score yet — go!</source>
        <translation>Pas encore de score. Vas-y&#xa0;!</translation>
    </message>
</context>
<context>
    <name>tapalong::GrownupsGate</name>
    <message>
        <location filename="../src/ui/grownups/grownupsview.cpp" line="-140"/>
        <source>What is %1 + %2?</source>
        <translation>Combien font %1 + %2&#xa0;?</translation>
    </message>
</context>
<context>
    <name>tapalong::GrownupsView</name>
    <message>
        <location line="+98"/>
        <source>No lessons yet.</source>
        <translation>Pas encore de leçon.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, latest %2 wpm at %3% accuracy</source>
        <translation>%1, dernière vitesse %2 mots/min avec %3&#xa0;% de précision</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>dashes: each lesson&apos;s goal</source>
        <translation>tirets&#xa0;: l&apos;objectif de chaque leçon</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>rings: tricky-key practice (%1)</source>
        <translation>cercles&#xa0;: entraînement aux touches pièges (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  ·  </source>
        <translation>  ·  </translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Under a minute in the last four weeks</source>
        <translation>Moins d&apos;une minute ces quatre dernières semaines</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 in the last four weeks</source>
        <translation>%1 ces quatre dernières semaines</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>🔥 %1 in a row</source>
        <translation>🔥 %1 de suite</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No streak right now</source>
        <translation>Pas de série en ce moment</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 of %2 ⭐</source>
        <translation>%1 sur %2 ⭐</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1, best score %2</source>
        <translation>%1, meilleur score %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>best score %1</source>
        <translation>meilleur score %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 (%2% missed, often %3)</source>
        <translation>%1 (%2&#xa0;% de ratés, souvent confondue avec %3)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 (%2% missed)</source>
        <translation>%1 (%2&#xa0;% de ratés)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No tricky keys yet: more typing will tell.</source>
        <translation>Pas encore de touche piège&#xa0;: quelques leçons de plus le diront.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trickiest keys: %1</source>
        <translation>Touches les plus pièges&#xa0;: %1</translation>
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
        <translation>Les leçons pour %1 n&apos;existent pas encore&#xa0;: pour l&apos;instant, Tapalong enseigne les lettres latines. Le clavier reste réglé sur %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This computer&apos;s keyboard data does not know %1. The keyboard stays %2.</source>
        <translation>Les données de clavier de cet ordinateur ne connaissent pas %1. Le clavier reste réglé sur %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The keyboard can be changed once the lesson or game is over.</source>
        <translation>Le clavier pourra être changé une fois la leçon ou la partie terminée.</translation>
    </message>
</context>
<context>
    <name>tapalong::LessonController</name>
    <message numerus="yes">
        <location filename="../src/ui/lesson/lessoncontroller.cpp" line="+333"/>
        <source>Line done! %n more to go.</source>
        <translation>
            <numerusform>Ligne finie&#xa0;! Plus que %n ligne.</numerusform>
            <numerusform>Ligne finie&#xa0;! Plus que %n lignes.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 words a minute, %2 percent right.</source>
        <translation>%1 mots par minute, %2 pour cent de touches justes.</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Amazing! You earned all three stars!</source>
        <translation>Génial&#xa0;! Tu as gagné les trois étoiles&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Great job! Two stars!</source>
        <translation>Beau travail&#xa0;! Deux étoiles&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lesson complete! Nice work — keep practicing and you&apos;ll shine.</source>
        <translation>Leçon terminée&#xa0;! Bien joué. Continue à t&apos;entraîner et tu vas briller.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>AMAZING! 🎉</source>
        <translation>GÉNIAL&#xa0;! 🎉</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Great job! 🙌</source>
        <translation>Beau travail&#xa0;! 🙌</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lesson complete! ✅</source>
        <translation>Leçon terminée&#xa0;! ✅</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Drill %1 of %2</source>
        <translation>Exercice %1 sur %2</translation>
    </message>
</context>
<context>
    <name>tapalong::PracticeTextEditor</name>
    <message>
        <location filename="../src/ui/grownups/practicetexteditor.cpp" line="+29"/>
        <source>The file could not be opened (%1).</source>
        <translation>Impossible d&apos;ouvrir le fichier (%1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This file is too long for a practice text: a text from home holds at most %1 characters. Copy the part you want into the box instead.</source>
        <translation>Ce fichier est trop long pour un texte d&apos;entraînement&#xa0;: un texte de la maison contient au plus %1 caractères. Copier plutôt le passage voulu dans la zone de texte.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>This file is not plain text in UTF-8, so Tapalong cannot read it. Save it as plain text (UTF-8) and try again.</source>
        <translation>Ce fichier n&apos;est pas du texte brut en UTF-8, Tapalong ne peut donc pas le lire. L&apos;enregistrer en texte brut (UTF-8), puis réessayer.</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>%2 (%1 time) is left out: no key types it</source>
        <translation>%2 (%1 fois) est laissé de côté&#xa0;: aucune touche ne permet de le taper</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%2 (%1 times) is left out: no key types it</source>
        <translation>%2 (%1 fois) est laissé de côté&#xa0;: aucune touche ne permet de le taper</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%2 (%1 time) is left out</source>
        <translation>%2 (%1 fois) est laissé de côté</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%2 (%1 times) is left out</source>
        <translation>%2 (%1 fois) est laissé de côté</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%2 (%1 time) becomes %3</source>
        <translation>%2 (%1 fois) devient %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%2 (%1 times) becomes %3</source>
        <translation>%2 (%1 fois) devient %3</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Some characters cannot be typed on this keyboard; each is shown below with what happens to it.</source>
        <translation>Certains caractères ne peuvent pas être tapés sur ce clavier&#xa0;; chacun est montré ci-dessous avec ce qu&apos;il devient.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 invisible control character was taken out.</source>
        <translation>%1 caractère de contrôle invisible a été retiré.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 invisible control characters were taken out.</source>
        <translation>%1 caractères de contrôle invisibles ont été retirés.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The text is %1 characters long; a text from home holds at most %2, so it ends at &quot;%3&quot;.</source>
        <translation>Le texte fait %1 caractères&#xa0;; un texte de la maison en contient au plus %2, il s&apos;arrête donc à «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>There is nothing to type in this text yet.</source>
        <translation>Ce texte ne contient encore rien à taper.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 already has %2 texts, the most one explorer keeps. Remove one to add another.</source>
        <translation>%1 a déjà %2 textes, le maximum pour un explorateur. En supprimer un pour en ajouter un autre.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Saved. %1 finds it on the dashboard under &quot;Practice from home&quot;.</source>
        <translation>Enregistré. %1 le trouvera sur l&apos;écran d&apos;accueil, dans «&#xa0;Textes de la maison&#xa0;».</translation>
    </message>
</context>
<context>
    <name>tapalong::Printouts</name>
    <message>
        <location filename="../src/ui/grownups/printouts.cpp" line="+94"/>
        <source>Tapalong report %1 %2.pdf</source>
        <translation>Bilan Tapalong %1 %2.pdf</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Tapalong certificate %1 %2.pdf</source>
        <translation>Diplôme Tapalong %1 %2.pdf</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Saved as %1.</source>
        <translation>Enregistré sous %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file could not be saved there. Try another folder.</source>
        <translation>Impossible d&apos;enregistrer le fichier ici. Essayer un autre dossier.</translation>
    </message>
</context>
<context>
    <name>tapalong::ReportPdf</name>
    <message>
        <location filename="../src/ui/grownups/reportpdf.cpp" line="-81"/>
        <source>Speed (words per minute)</source>
        <translation>Vitesse (mots par minute)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Accuracy (%)</source>
        <translation>Précision (%)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>No lessons yet.</source>
        <translation>Pas encore de leçon.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dashes: each lesson&apos;s goal.</source>
        <translation>Tirets&#xa0;: l&apos;objectif de chaque leçon.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Latest: %1 wpm at %2% accuracy.</source>
        <translation>Dernier résultat&#xa0;: %1 mots/min avec %2&#xa0;% de précision.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Practice per day, the last four weeks</source>
        <translation>Entraînement par jour, ces quatre dernières semaines</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Under a minute in the last four weeks.</source>
        <translation>Moins d&apos;une minute ces quatre dernières semaines.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No streak right now.</source>
        <translation>Pas de série en ce moment.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>rarely missed</source>
        <translation>rarement ratée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sometimes</source>
        <translation>parfois</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>often</source>
        <translation>souvent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not typed yet</source>
        <translation>pas encore tapée</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 (%2% missed, often %3)</source>
        <translation>%1 (%2&#xa0;% de ratés, souvent confondue avec %3)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 (%2% missed)</source>
        <translation>%1 (%2&#xa0;% de ratés)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No tricky keys yet: more typing will tell.</source>
        <translation>Pas encore de touche piège&#xa0;: quelques leçons de plus le diront.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trickiest keys: %1</source>
        <translation>Touches les plus pièges&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Stars per unit</source>
        <translation>Étoiles par unité</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Badges</source>
        <translation>Badges</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>earned %1</source>
        <translation>gagné le %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No badges yet.</source>
        <translation>Pas encore de badge.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Tapalong report for %1</source>
        <translation>Bilan Tapalong de %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1&apos;s typing report</source>
        <translation>Bilan de frappe de %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tapalong, %1</source>
        <translation>Tapalong, %1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Certificate for %1</source>
        <translation>Diplôme de %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Certificate</source>
        <translation>Diplôme</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>finished the unit</source>
        <extracomment>On a certificate, above the unit&apos;s name: &quot;Mia finished the unit&quot;</extracomment>
        <translation>a terminé le monde</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 of %2 stars</source>
        <translation>%1 étoiles sur %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>on %1</source>
        <extracomment>On a certificate: the day the unit was finished, &quot;on Monday, 7 December 2026&quot;</extracomment>
        <translation>le %1</translation>
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
        <translation>%1 et %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>A quick drill on %1, the key that trips you up most.</source>
        <translation>Un petit exercice sur %1, la touche qui te fait le plus trébucher.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A quick drill on %1, the keys that trip you up most.</source>
        <translation>Un petit exercice sur %1, les touches qui te font le plus trébucher.</translation>
    </message>
</context>
</TS>
