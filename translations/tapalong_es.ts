<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AvatarNames</name>
    <message>
        <location filename="../src/ui/widgets/avatarnames.cpp" line="+18"/>
        <source>fox</source>
        <translation>zorro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>panda</source>
        <translation>panda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unicorn</source>
        <translation>unicornio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>frog</source>
        <translation>rana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tiger</source>
        <translation>tigre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>octopus</source>
        <translation>pulpo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dinosaur</source>
        <translation>dinosaurio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>koala</source>
        <translation>koala</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lion</source>
        <translation>león</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pig</source>
        <translation>cerdito</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>penguin</source>
        <translation>pingüino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>owl</source>
        <translation>búho</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>whale</source>
        <translation>ballena</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>butterfly</source>
        <translation>mariposa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ladybird</source>
        <translation>mariquita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rabbit</source>
        <translation>conejo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bear</source>
        <translation>oso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>monkey</source>
        <translation>mono</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>long-necked dinosaur</source>
        <translation>dinosaurio de cuello largo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>flamingo</source>
        <translation>flamenco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hamster</source>
        <translation>hámster</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>turtle</source>
        <translation>tortuga</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bee</source>
        <translation>abeja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shark</source>
        <translation>tiburón</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <location filename="../src/ui/grownups/backup.cpp" line="+28"/>
        <source>The file could not be opened (%1).</source>
        <translation>No se pudo abrir el archivo (%1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file is far larger than any household.</source>
        <translation>El archivo es demasiado grande para ser una copia de Tapalong.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This file is not a Tapalong household, or it is damaged.</source>
        <translation>Este archivo no es una copia de Tapalong o está dañado.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>No explorers.</source>
        <translation>Ningún perfil.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
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
            <numerusform>%n perfil (%1)</numerusform>
            <numerusform>%n perfiles (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n lesson(s) finished</source>
        <translation>
            <numerusform>%n lección terminada</numerusform>
            <numerusform>%n lecciones terminadas</numerusform>
        </translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Tapalong backup %1</source>
        <extracomment>The name a backup file is offered under, before &quot;.json&quot;; %1 is the date, 2026-12-07</extracomment>
        <translation>Copia de Tapalong %1</translation>
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
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, last played on %2</source>
        <translation>%1, última práctica el %2</translation>
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
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>💾 Save a copy…</source>
        <translation>💾 Guardar una copia…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>📂 Restore from a copy…</source>
        <translation>📂 Recuperar una copia…</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Keep things as they are</source>
        <translation>Dejarlo todo como está</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Restore this copy</source>
        <translation>Recuperar esta copia</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Problem: %1</source>
        <translation>Problema: %1</translation>
    </message>
</context>
<context>
    <name>BadgeChip</name>
    <message>
        <location filename="../src/ui/widgets/BadgeChip.qml" line="+15"/>
        <source>%1, earned</source>
        <translation>%1, conseguida</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1, not earned yet</source>
        <translation>%1, todavía sin conseguir</translation>
    </message>
</context>
<context>
    <name>BadgeShelf</name>
    <message>
        <location filename="../src/ui/home/BadgeShelf.qml" line="+43"/>
        <source>Badges</source>
        <extracomment>The badge shelf for a screen reader; %1 is the badge that has the keyboard.</extracomment>
        <translation>Insignias</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Badges: %1</source>
        <translation>Insignias: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, earned</source>
        <translation>%1, conseguida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, not earned yet</source>
        <translation>%1, todavía sin conseguir</translation>
    </message>
</context>
<context>
    <name>Badges</name>
    <message>
        <location filename="../src/store/badges.cpp" line="+39"/>
        <source>First Steps</source>
        <translation>Primeros pasos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Finish your first lesson</source>
        <translation>Termina tu primera lección</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Home Sweet Home</source>
        <translation>Hogar, dulce hogar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Finish every Home Row lesson</source>
        <translation>Termina todas las lecciones de la fila central</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Alphabet Master</source>
        <translation>As del abecedario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Learn every letter key</source>
        <translation>Aprende todas las teclas de letras</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Triple Star</source>
        <translation>Triple estrella</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Earn 3 stars on a lesson</source>
        <translation>Gana 3 estrellas en una lección</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Trail Blazer</source>
        <translation>Abrecaminos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finish 10 lessons</source>
        <translation>Termina 10 lecciones</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Quest Complete</source>
        <translation>Aventura completa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finish every lesson</source>
        <translation>Termina todas las lecciones</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Zippy Fingers</source>
        <translation>Dedos veloces</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reach 10 words per minute</source>
        <translation>Llega a 10 palabras por minuto</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Speed Rocket</source>
        <translation>Cohete veloz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reach 20 words per minute</source>
        <translation>Llega a 20 palabras por minuto</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Lightning Hands</source>
        <translation>Manos relámpago</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reach 30 words per minute</source>
        <translation>Llega a 30 palabras por minuto</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sharpshooter</source>
        <translation>Puntería perfecta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finish a lesson with 98% accuracy</source>
        <translation>Termina una lección con un 98&#xa0;% de precisión</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Key Collector</source>
        <translation>Coleccionista de teclas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type 1,000 correct keys</source>
        <translation>Acierta 1000 teclas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Key Treasure</source>
        <translation>Tesoro de teclas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type 10,000 correct keys</source>
        <translation>Acierta 10&#xa0;000 teclas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>On Fire</source>
        <translation>En racha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Practice 3 days in a row</source>
        <translation>Practica 3 días seguidos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unstoppable</source>
        <translation>Imparable</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Practice 7 days in a row</source>
        <translation>Practica 7 días seguidos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Arcade Explorer</source>
        <translation>Trotamundos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play every arcade game</source>
        <translation>Prueba todos los juegos</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>High Scorer</source>
        <translation>Lluvia de puntos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score 500+ in any game</source>
        <translation>Consigue 500 puntos o más en un juego</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>New badge: %1!</source>
        <translation>¡Nueva insignia: %1!</translation>
    </message>
</context>
<context>
    <name>ChampionRow</name>
    <message>
        <location filename="../src/ui/champions/ChampionRow.qml" line="+19"/>
        <source>%1. %2 the %3: %4 (you)</source>
        <extracomment>A champions row for a screen reader: rank, name, animal and score, as &quot;1. Mia the fox: ⭐️ 12&quot;.</extracomment>
        <translation>%1. %2, %3: %4 (eres tú)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1. %2 the %3: %4</source>
        <translation>%1. %2, %3: %4</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>YOU</source>
        <translation>TÚ</translation>
    </message>
</context>
<context>
    <name>Champions</name>
    <message>
        <location filename="../src/store/champions.cpp" line="+42"/>
        <source>%1 wpm</source>
        <translation>%1&#xa0;ppm</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Star Collectors</source>
        <translation>Cazaestrellas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fastest Typists</source>
        <translation>Dedos rápidos</translation>
    </message>
</context>
<context>
    <name>ChampionsView</name>
    <message>
        <location filename="../src/ui/champions/ChampionsView.qml" line="+26"/>
        <source>🏆 Family Champions</source>
        <translation>🏆 Campeones de la familia</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Scroll the board</source>
        <translation>Desplazar el tablero</translation>
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
        <translation>Cómo se ve Tapalong para %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Each choice is kept at once; %1&apos;s screens follow it straight away.</source>
        <translation>Cada opción se guarda al momento y las pantallas de %1 cambian enseguida.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Reading font</source>
        <translation>Tipo de letra</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rounded</source>
        <translation>Redondeada</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Jump, quick fox! 123</source>
        <translation>¡Salta, pingüino veloz! 123</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Text size</source>
        <translation>Tamaño del texto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Larger</source>
        <translation>Más grande</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Finger colours</source>
        <translation>Colores de los dedos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Safe colours can be told apart by every kind of colour vision, and each key also carries its finger&apos;s shape.</source>
        <translation>Los colores seguros se distinguen con cualquier tipo de visión del color, y cada tecla lleva además la forma de su dedo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+7"/>
        <source>Usual</source>
        <translation>Habitual</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Safe, with shapes</source>
        <translation>Seguros, con formas</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High</source>
        <translation>Alto</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Motion</source>
        <translation>Movimiento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calm: no confetti, twinkling, bouncing or shaking; things fade in and out.</source>
        <translation>Tranquilo: sin confeti, destellos, saltos ni sacudidas; las cosas aparecen y desaparecen suavemente.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lively</source>
        <translation>Animado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Calm</source>
        <translation>Tranquilo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Games</source>
        <translation>Juegos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gentle: falling and moving things go slower, for more time to find each key.</source>
        <translation>Suave: lo que cae o se mueve va más despacio, para tener más tiempo de encontrar cada tecla.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Usual pace</source>
        <translation>Ritmo habitual</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Gentle pace</source>
        <translation>Ritmo suave</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/commandline.cpp" line="+53"/>
        <source>Show this help and exit.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show the version and exit.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print the whole course (units, lessons, drill lines) as JSON and exit.</source>
        <translation>Muestra todo el curso (unidades, lecciones, líneas de ejercicios) en JSON y termina.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>With --print-course: the course and keyboard of this keyboard layout, such as de or us(intl).</source>
        <translation>Con --print-course: el curso y el teclado de esta distribución de teclado, como de o us(intl).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>layout</source>
        <translation>distribución</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>With --print-course: the course in this language (en, de, fr or es), its words and its titles.</source>
        <translation>Con --print-course: el curso en este idioma (en, de, fr o es), con sus palabras y sus títulos.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>language</source>
        <translation>idioma</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A typing tutor for children: touch typing in 26 lessons,
with stars, badges and five arcade games.</source>
        <translation>Un profesor de mecanografía para niños y niñas: escribir sin mirar en 26 lecciones,
con estrellas, insignias y cinco juegos.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>There is no course for the layout &apos;%1&apos; yet: Tapalong teaches Latin letters.</source>
        <translation>Todavía no hay curso para la distribución «%1»: Tapalong solo enseña letras latinas.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The keyboard data knows no layout &apos;%1&apos;.</source>
        <translation>Los datos de teclado no conocen la distribución «%1».</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&apos;%1&apos; is not a layout name: a layout is written like de or us(intl).</source>
        <translation>«%1» no es el nombre de una distribución: se escribe como de o us(intl).</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado: «%1».</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>There is no course in the language &apos;%1&apos;: the languages are %2.</source>
        <translation>No hay curso en el idioma «%1»: los idiomas son %2.</translation>
    </message>
</context>
<context>
    <name>CopyCatView</name>
    <message>
        <location filename="../src/games/copycat/CopyCatView.qml" line="+18"/>
        <source>Nice work finishing the lesson!
Watch the parrot&apos;s secret key pattern, then type it back from memory.
Patterns grow trickier each round — show what you&apos;ve learned!</source>
        <translation>¡Muy bien, lección terminada!
Mira la secuencia secreta de teclas del loro y repítela de memoria.
Cada ronda es más difícil: ¡demuestra todo lo que sabes!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The parrot flashes a secret key pattern — watch and listen!
Then type it back from memory.
Patterns grow longer each round!</source>
        <translation>El loro ilumina una secuencia secreta de teclas: ¡mira y escucha!
Luego escríbela de memoria.
¡Cada ronda es más larga!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>🏆 NEW HIGH SCORE!</source>
        <translation>🏆 ¡NUEVO RÉCORD!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Good try! The parrot flew off</source>
        <translation>¡Buen intento! El loro se fue volando</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Round %1 of %2</source>
        <translation>Ronda %1 de %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You reached round %1 of %2</source>
        <translation>Llegaste a la ronda %1 de %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Your turn!</source>
        <translation>¡Te toca!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>🎉 Perfect!</source>
        <translation>🎉 ¡Perfecto!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Watch closely!</source>
        <translation>¡Mira con atención!</translation>
    </message>
</context>
<context>
    <name>Course</name>
    <message>
        <location filename="../src/curriculum/curriculum.cpp" line="+63"/>
        <source>Home Row</source>
        <translation>Fila central</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Top Row</source>
        <translation>Fila de arriba</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom Row</source>
        <translation>Fila de abajo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Big Letters</source>
        <translation>Mayúsculas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number Lane</source>
        <translation>Calle de los números</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Story Time</source>
        <translation>Hora del cuento</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Meet F and J</source>
        <translation>Hola, F y J</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>D and K</source>
        <translation>D y K</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S and L</source>
        <translation>S y L</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A and ;</source>
        <translation>A y ;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>G and H</source>
        <translation>G y H</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Home Row Hero</source>
        <translation>As de la fila central</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E and I</source>
        <translation>E e I</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>R and U</source>
        <translation>R y U</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>T and Y</source>
        <translation>T y Y</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>W and O</source>
        <translation>W y O</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Q and P</source>
        <translation>Q y P</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Top Row Champ</source>
        <translation>As de la fila de arriba</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>N and V</source>
        <translation>N y V</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>M and C</source>
        <translation>M y C</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>B and X</source>
        <translation>B y X</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Z, comma, dot</source>
        <translation>Z, coma y punto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Alphabet Master</source>
        <translation>As del abecedario</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shift Power</source>
        <translation>Superpoder Mayús</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Capital Words</source>
        <translation>Palabras con mayúscula</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Real Sentences</source>
        <translation>Frases de verdad</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 to 5</source>
        <translation>Del 1 al 5</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>6 to 0</source>
        <translation>Del 6 al 0</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Number Ninja</source>
        <translation>Ninja de los números</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Little Stories</source>
        <translation>Cuentos cortitos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bigger Stories</source>
        <translation>Cuentos más largos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Grand Finale</source>
        <translation>Gran final</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>comma</source>
        <translation>coma</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>dot</source>
        <translation>punto</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 and %2</source>
        <extracomment>A lesson&apos;s keys in its title: &quot;A, Ö and Ä&quot;</extracomment>
        <translation>%1 y %2</translation>
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
        <translation>Hola, %1</translation>
    </message>
    <message>
        <location filename="../src/curriculum/trickykeys.cpp" line="+142"/>
        <source>Tricky keys</source>
        <translation>Teclas difíciles</translation>
    </message>
    <message>
        <location filename="../src/curriculum/textcheck.cpp" line="+187"/>
        <source>Practice from home</source>
        <translation>Textos de casa</translation>
    </message>
</context>
<context>
    <name>CreateProfileSheet</name>
    <message>
        <location filename="../src/ui/picker/CreateProfileSheet.qml" line="+82"/>
        <source>Create your explorer</source>
        <translation>¡Únete a la aventura!</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>Type your name…</source>
        <translation>Escribe tu nombre…</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Let&apos;s go!</source>
        <translation>¡Vamos!</translation>
    </message>
</context>
<context>
    <name>DashboardView</name>
    <message>
        <location filename="../src/ui/home/DashboardView.qml" line="+271"/>
        <source>Badges</source>
        <translation>Insignias</translation>
    </message>
</context>
<context>
    <name>GameCard</name>
    <message>
        <location filename="../src/ui/hub/GameCard.qml" line="+16"/>
        <source>Play %1</source>
        <translation>Jugar a %1</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>PLAY  ▶</source>
        <translation>JUGAR  ▶</translation>
    </message>
</context>
<context>
    <name>GameFacts</name>
    <message>
        <location filename="../src/records/gamefacts.h" line="+38"/>
        <source>Letter Drop</source>
        <translation>Lluvia de letras</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Letters are falling! Type them before they splash.</source>
        <translation>¡Llueven letras! Escríbelas antes del chapuzón.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Word Meteors</source>
        <translation>Meteoritos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Blast word meteors before they hit your planet.</source>
        <translation>Rompe los meteoritos de palabras antes de que lleguen a tu planeta.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rocket Race</source>
        <translation>Carrera de cohetes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type fast to race your rocket past the bots!</source>
        <translation>¡Escribe rápido y adelanta a los robots con tu cohete!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Key Moles</source>
        <translation>Topos de letras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bonk the moles by typing their letters!</source>
        <translation>¡Escribe la letra de cada topo para darle un golpecito!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy Cat</source>
        <translation>Copia al loro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Echo the parrot&apos;s secret key pattern from memory!</source>
        <translation>¡Repite de memoria la secuencia secreta del loro!</translation>
    </message>
</context>
<context>
    <name>GameOverCard</name>
    <message>
        <location filename="../src/games/frame/GameOverCard.qml" line="+48"/>
        <source>Score: %1</source>
        <translation>Puntos: %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Best: %1</source>
        <translation>Récord: %1</translation>
    </message>
</context>
<context>
    <name>GamePausedCard</name>
    <message>
        <location filename="../src/games/frame/GamePausedCard.qml" line="+20"/>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Resume (esc)</source>
        <translation>Seguir (esc)</translation>
    </message>
</context>
<context>
    <name>GameScreenFrame</name>
    <message>
        <location filename="../src/games/frame/GameScreenFrame.qml" line="+39"/>
        <source>Watch for your new keys: </source>
        <translation>Atención a tus teclas nuevas: </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Play again  (space)</source>
        <translation>Otra vez  (espacio)</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Close</source>
        <translation>Cerrar</translation>
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
            <numerusform>Queda %n segundo</numerusform>
            <numerusform>Quedan %n segundos</numerusform>
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
        <translation>Puntos: %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Playing with: %1</source>
        <translation>Juegas con: %1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Back to map</source>
        <translation>Volver al mapa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All games</source>
        <translation>Todos los juegos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next: %1  ▶</source>
        <translation>Siguiente: %1  ▶</translation>
    </message>
</context>
<context>
    <name>GameStartCard</name>
    <message>
        <location filename="../src/games/frame/GameStartCard.qml" line="+70"/>
        <source>Start!  (press space)</source>
        <translation>¡A jugar!  (pulsa espacio)</translation>
    </message>
</context>
<context>
    <name>GamesHubView</name>
    <message>
        <location filename="../src/ui/hub/GamesHubView.qml" line="+35"/>
        <source>🎮 The Arcade</source>
        <translation>🎮 Sala de juegos</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Games use the keys you&apos;ve learned: %1</source>
        <translation>Los juegos usan las teclas que ya sabes: %1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Scroll the games</source>
        <translation>Desplazar los juegos</translation>
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
            <numerusform>%n lección</numerusform>
            <numerusform>%n lecciones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%n drill(s)</source>
        <translation>
            <numerusform>%n ejercicio</numerusform>
            <numerusform>%n ejercicios</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>%n game(s)</source>
        <translation>
            <numerusform>%n partida</numerusform>
            <numerusform>%n partidas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GrownupsGatePanel</name>
    <message>
        <location filename="../src/ui/grownups/GrownupsGatePanel.qml" line="+36"/>
        <source>🔐 For grown-ups</source>
        <translation>🔐 Para los mayores</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Answer this sum to see each explorer&apos;s progress.</source>
        <translation>Resuelve esta suma para ver el progreso de cada perfil.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Not quite — here is another one.</source>
        <translation>Casi… Prueba con esta otra.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>GrownupsProgressView</name>
    <message>
        <location filename="../src/ui/grownups/GrownupsProgressView.qml" line="+85"/>
        <source>📈 Progress for grown-ups</source>
        <translation>📈 El progreso de cada perfil</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>No explorers yet.</source>
        <translation>Aún no hay perfiles.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Speed (wpm)</source>
        <translation>Velocidad (ppm)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Accuracy (%)</source>
        <translation>Precisión (%)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1  ·  %2</source>
        <translation>%1  ·  %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Practice per day</source>
        <translation>Práctica por día</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mint: rarely missed · sunshine: sometimes · coral: often</source>
        <translation>Menta: casi sin fallos · amarillo: algunos · coral: muchos</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Stars</source>
        <translation>Estrellas</translation>
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
        <translation>Juegos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No games played yet.</source>
        <translation>Aún no hay partidas.</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>▼ More below</source>
        <translation>▼ Hay más abajo</translation>
    </message>
</context>
<context>
    <name>GrownupsReport</name>
    <message>
        <location filename="../src/ui/grownups/grownupsreport.cpp" line="+161"/>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>semicolon</source>
        <translation>punto y coma</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>comma</source>
        <translation>coma</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>full stop</source>
        <translation>punto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>slash</source>
        <translation>barra</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>apostrophe</source>
        <translation>apóstrofo</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 has not practised this week</source>
        <translation>%1 no ha practicado esta semana</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%1 practised %n day(s) this week</source>
        <translation>
            <numerusform>%1 ha practicado %n día esta semana</numerusform>
            <numerusform>%1 ha practicado %n días esta semana</numerusform>
        </translation>
    </message>
    <message>
        <location line="+12"/>
        <source>their speed went from %1 to %2 wpm</source>
        <translation>su velocidad pasó de %1 a %2&#xa0;ppm</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>their speed was %1 wpm</source>
        <translation>su velocidad fue de %1&#xa0;ppm</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>they often type %1 for %2</source>
        <translation>a menudo escribe %1 en vez de %2</translation>
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
        <translation>Corazones: %1 de %2</translation>
    </message>
</context>
<context>
    <name>HomeTextsCard</name>
    <message>
        <location filename="../src/ui/home/HomeTextsCard.qml" line="+38"/>
        <source>Practice from home</source>
        <translation>Textos de casa</translation>
    </message>
</context>
<context>
    <name>HouseholdFileDialog</name>
    <message>
        <location filename="../src/ui/grownups/HouseholdFileDialog.qml" line="+16"/>
        <source>Save a copy of the household</source>
        <translation>Guardar una copia de todos los perfiles</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Restore the household from a copy</source>
        <translation>Recuperar todos los perfiles de una copia</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tapalong household (%1)</source>
        <translation>Perfiles de Tapalong (%1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All files (%1)</source>
        <translation>Todos los archivos (%1)</translation>
    </message>
</context>
<context>
    <name>KeyMolesView</name>
    <message>
        <location filename="../src/games/keymoles/KeyMolesView.qml" line="+16"/>
        <source>Time&apos;s up!</source>
        <translation>¡Se acabó el tiempo!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nice work finishing the lesson!
Moles will pop up wearing your lesson keys — you have
%1 seconds. Bonk them fast to make those keys stronger!</source>
        <translation>¡Muy bien, lección terminada!
Van a salir topos con las teclas de tu lección. Tienes
%1 segundos. ¡Dales un golpecito rápido y dominarás esas teclas!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Moles are popping up with letters!
Type a mole&apos;s letter to bonk it before it hides.
How many can you bonk in 60 seconds?</source>
        <translation>¡Salen topos con letras!
Escribe la letra de un topo para darle un golpecito antes de que se esconda.
¿Cuántos topos puedes tocar en 60 segundos?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>🐹 bonked: %1</source>
        <translation>🐹 tocados: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>bonked %n mole(s)</source>
        <translation>
            <numerusform>%n topo tocado</numerusform>
            <numerusform>%n topos tocados</numerusform>
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
        <translation>bloq</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>return</source>
        <extracomment>A key cap: at most 6 letters, lower case</extracomment>
        <translation>intro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>shift</source>
        <extracomment>A key cap: at most 8 letters, lower case</extracomment>
        <translation>mayús</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>space</source>
        <extracomment>The space bar&apos;s cap: at most 20 letters, lower case</extracomment>
        <translation>espacio</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>left pinky</source>
        <translation>meñique izquierdo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>left ring finger</source>
        <translation>anular izquierdo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>left middle finger</source>
        <translation>dedo medio izquierdo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>left pointer finger</source>
        <translation>índice izquierdo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right pointer finger</source>
        <translation>índice derecho</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right middle finger</source>
        <translation>dedo medio derecho</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right ring finger</source>
        <translation>anular derecho</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>right pinky</source>
        <translation>meñique derecho</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>thumb</source>
        <translation>pulgar</translation>
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
        <translation>Pulsa  %1  con el %2  (¡mantén MAYÚS con el otro meñique!)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Press  %1  with your %2</source>
        <translation>Pulsa  %1  con el %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Press  %1  (hold SHIFT with your other pinky!)</source>
        <translation>Pulsa  %1  (¡mantén MAYÚS con el otro meñique!)</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+15"/>
        <source>Press  %1</source>
        <translation>Pulsa  %1</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Press  %1  and then  %2</source>
        <translation>Pulsa  %1  y luego  %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  with your %1</source>
        <translation>  con el %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  (hold SHIFT with your other pinky!)</source>
        <translation>  (¡mantén MAYÚS con el otro meñique!)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  (hold ALTGR with your right thumb!)</source>
        <translation>  (¡mantén pulsada ALT GR con el pulgar derecho!)</translation>
    </message>
    <message>
        <location line="-117"/>
        <source>SPACE</source>
        <translation>ESPACIO</translation>
    </message>
</context>
<context>
    <name>KeyboardPanel</name>
    <message>
        <location filename="../src/ui/grownups/KeyboardPanel.qml" line="+23"/>
        <source>The lessons and the keyboard on screen now follow %1.</source>
        <translation>Ahora las lecciones y el teclado en pantalla son para: %1.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The lessons and the keyboard on screen are for: %1</source>
        <translation>Las lecciones y el teclado en pantalla son para: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Choose the one printed on the keys. Changing it takes effect at once for every explorer; stars already earned stay.</source>
        <translation>Elige el teclado que coincida con las letras impresas en las teclas. El cambio se aplica al momento a todos los perfiles y se conservan las estrellas ya ganadas.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Find a keyboard: German, French, Dvorak…</source>
        <translation>Busca un teclado: Español, Latinoamericano, Dvorak…</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Reading the list of keyboards…</source>
        <translation>Leyendo la lista de teclados…</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Problem: %1</source>
        <translation>Problema: %1</translation>
    </message>
</context>
<context>
    <name>LanguagePanel</name>
    <message>
        <location filename="../src/ui/grownups/LanguagePanel.qml" line="+27"/>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
</context>
<context>
    <name>LayoutNotice</name>
    <message>
        <location filename="../src/ui/keyboard/LayoutNotice.qml" line="+29"/>
        <source>🙂 Your keyboard has switched to other letters. Ask a grown-up to switch it back to %1.</source>
        <translation>🙂 Tu teclado se ha cambiado a otras letras. Pídele a un adulto que lo vuelva a cambiar a %1.</translation>
    </message>
</context>
<context>
    <name>LessonBubble</name>
    <message>
        <location filename="../src/ui/learn/LessonBubble.qml" line="+26"/>
        <source>Start lesson: %1</source>
        <translation>Empezar la lección: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Locked lesson: %1</source>
        <translation>Lección aún cerrada: %1</translation>
    </message>
</context>
<context>
    <name>LessonListView</name>
    <message>
        <location filename="../src/ui/learn/LessonListView.qml" line="+40"/>
        <source>Scroll the map</source>
        <translation>Desplazar el mapa</translation>
    </message>
</context>
<context>
    <name>LessonPlayView</name>
    <message>
        <location filename="../src/ui/lesson/LessonPlayView.qml" line="+57"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>wpm</source>
        <translation>ppm</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>accuracy</source>
        <translation>precisión</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Line: %1</source>
        <extracomment>The drill line a screen reader reads, then the key to type now</extracomment>
        <translation>Línea: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line: %1. Next key: %2</source>
        <translation>Línea: %1. Siguiente tecla: %2</translation>
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
        <translation>¡Splash! Fin del juego</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nice work finishing the lesson!
Now catch your lesson keys as they fall — you have
%1 seconds. Every catch makes those keys stronger!</source>
        <translation>¡Muy bien, lección terminada!
Ahora atrapa las teclas de tu lección cuando caigan. Tienes
%1 segundos. ¡Cada letra atrapada hace más fuertes esas teclas!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Letters are falling from the sky!
Type each one before it splashes into the sea.
You have 3 hearts — good luck, hero!</source>
        <translation>¡Caen letras del cielo!
Escribe cada una antes de que caiga al mar.
Tienes 3 corazones. ¡Mucha suerte!</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <location filename="../src/app/MainView.qml" line="+26"/>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Learn</source>
        <translation>Aprender</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Games</source>
        <translation>Juegos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Champions</source>
        <translation>Campeones</translation>
    </message>
</context>
<context>
    <name>PauseOverlay</name>
    <message>
        <location filename="../src/ui/lesson/PauseOverlay.qml" line="+43"/>
        <source>Taking a break?</source>
        <translation>¿Un descansito?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>(esc to pause and resume)</source>
        <translation>(esc para pausar y seguir)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Leave lesson</source>
        <translation>Salir de la lección</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Keep going!</source>
        <translation>¡A seguir!</translation>
    </message>
</context>
<context>
    <name>PracticeTextFileDialog</name>
    <message>
        <location filename="../src/ui/grownups/PracticeTextFileDialog.qml" line="+12"/>
        <source>Read a practice text from a file</source>
        <translation>Cargar un texto de práctica desde un archivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Plain text (%1)</source>
        <translation>Texto sin formato (%1)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All files (%1)</source>
        <translation>Todos los archivos (%1)</translation>
    </message>
</context>
<context>
    <name>PracticeTextsPanel</name>
    <message>
        <location filename="../src/ui/grownups/PracticeTextsPanel.qml" line="+55"/>
        <source>Texts from home for %1</source>
        <translation>Textos de casa para %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 finds these on the dashboard under &quot;Practice from home&quot;.</source>
        <translation>%1 los encontrará en la pantalla de inicio, en «Textos de casa».</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>A text from home</source>
        <translation>Un texto de casa</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Type or paste a text here, or read one from a file…</source>
        <translation>Escribe o pega aquí un texto, o cárgalo desde un archivo…</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Use the plain form</source>
        <translation>Usar la forma sencilla</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Leave it out</source>
        <translation>Quitarlo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>What %1 will type:</source>
        <translation>Lo que %1 escribirá:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Save this text</source>
        <translation>Guardar este texto</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>📄 Read from a file…</source>
        <translation>📄 Cargar desde un archivo…</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Problem: %1</source>
        <translation>Problema: %1</translation>
    </message>
</context>
<context>
    <name>PrintoutFileDialog</name>
    <message>
        <location filename="../src/ui/grownups/PrintoutFileDialog.qml" line="+14"/>
        <source>Save a report</source>
        <translation>Guardar un informe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save a certificate</source>
        <translation>Guardar un diploma</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF document (%1)</source>
        <translation>Documento PDF (%1)</translation>
    </message>
</context>
<context>
    <name>PrintoutsPanel</name>
    <message>
        <location filename="../src/ui/grownups/PrintoutsPanel.qml" line="+47"/>
        <source>Save a report</source>
        <translation>Guardar un informe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save a certificate</source>
        <translation>Guardar un diploma</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Name of the file</source>
        <translation>Nombre del archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No folders or PDF files here yet.</source>
        <translation>Aquí aún no hay carpetas ni archivos PDF.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>“%1” is already there. Replace it?</source>
        <translation>«%1» ya existe. ¿Quieres reemplazarlo?</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>To print</source>
        <translation>Para imprimir</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>📄 Save a report…</source>
        <translation>📄 Guardar un informe…</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>🖨️ Print…</source>
        <translation>🖨️ Imprimir…</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>A certificate comes with each unit finished: none yet.</source>
        <translation>Cada mundo terminado trae un diploma: todavía no hay ninguno.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Certificates for the units finished:</source>
        <translation>Diplomas de los mundos terminados:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>🏅 %1 %2…</source>
        <translation>🏅 %1 %2…</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Writing the file…</source>
        <translation>Escribiendo el archivo…</translation>
    </message>
</context>
<context>
    <name>ProfileCard</name>
    <message numerus="yes">
        <location filename="../src/ui/picker/ProfileCard.qml" line="+24"/>
        <source>%1, %n star(s)</source>
        <extracomment>A profile card for a screen reader: &quot;Mia, 12 stars&quot;.</extracomment>
        <translation>
            <numerusform>%1, %n estrella</numerusform>
            <numerusform>%1, %n estrellas</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, best speed %2</source>
        <extracomment>%1 is the explorer&apos;s animal, %2 their best speed in words per minute.</extracomment>
        <translation>%1, mejor velocidad: %2 palabras por minuto</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>Remove %1</source>
        <translation>Borrar a %1</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Remove %1? All their stars and scores will be lost.</source>
        <translation>¿Borrar a %1? Se perderán todas sus estrellas y puntos.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Remove</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ProfileChip</name>
    <message>
        <location filename="../src/app/ProfileChip.qml" line="+19"/>
        <source>%1 the %2: switch player, sound and voice</source>
        <extracomment>The profile chip, for a screen reader: %1 is the explorer&apos;s name, %2 their animal.</extracomment>
        <translation>%1, %2: cambiar de perfil, sonido y voz</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>Switch player</source>
        <translation>Cambiar de perfil</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sound: On 🔊</source>
        <translation>Sonido: sí 🔊</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sound: Off 🔇</source>
        <translation>Sonido: no 🔇</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Voice: On 🗣️</source>
        <translation>Voz: sí 🗣️</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Voice: Off 🤫</source>
        <translation>Voz: no 🤫</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>For grown-ups 🔐</source>
        <translation>Para los mayores 🔐</translation>
    </message>
</context>
<context>
    <name>ProfilePickerView</name>
    <message>
        <location filename="../src/ui/picker/ProfilePickerView.qml" line="+58"/>
        <source>Who&apos;s typing today?</source>
        <translation>¿Quién escribe hoy?</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>For grown-ups 🔐</source>
        <translation>Para los mayores 🔐</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+35"/>
        <source>New Explorer</source>
        <translation>Alguien nuevo</translation>
    </message>
</context>
<context>
    <name>RaceLane</name>
    <message>
        <location filename="../src/games/rocketrace/RaceLane.qml" line="+104"/>
        <source>done! %1</source>
        <translation>¡meta! %1</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <location filename="../src/ui/grownups/reportpdf.cpp" line="+156"/>
        <source>The latest lesson or practice.</source>
        <translation>La última lección o práctica.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The latest %1 lessons and practices, oldest on the left.</source>
        <translation>Las últimas %1 lecciones y prácticas, las más antiguas a la izquierda.</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>%1 minute in the last four weeks.</source>
        <translation>%1 minuto en las últimas cuatro semanas.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 minutes in the last four weeks.</source>
        <translation>%1 minutos en las últimas cuatro semanas.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 day in a row.</source>
        <translation>Racha de %1 día.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 days in a row.</source>
        <translation>Racha de %1 días.</translation>
    </message>
</context>
<context>
    <name>ResultsOverlay</name>
    <message numerus="yes">
        <location filename="../src/ui/lesson/ResultsOverlay.qml" line="+63"/>
        <source>%n of 3 stars</source>
        <translation>
            <numerusform>%n de 3 estrellas</numerusform>
            <numerusform>%n de 3 estrellas</numerusform>
        </translation>
    </message>
    <message>
        <location line="+87"/>
        <source>words / min</source>
        <translation>palabras / min</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>accuracy</source>
        <translation>precisión</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>keys typed</source>
        <translation>teclas pulsadas</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>New badges!</source>
        <translation>¡Insignias nuevas!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>New badge!</source>
        <translation>¡Insignia nueva!</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>🎁 Pick a bonus game — it makes your new keys extra strong! 💪</source>
        <translation>🎁 Elige un juego extra: ¡tus teclas nuevas se harán superfuertes! 💪</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Back to map</source>
        <translation>Volver al mapa</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Try again</source>
        <translation>Otra vez</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Next: %1  ▶</source>
        <translation>Siguiente: %1  ▶</translation>
    </message>
</context>
<context>
    <name>RocketRace</name>
    <message>
        <location filename="../src/games/rocketrace/rocketracemodel.h" line="+28"/>
        <source>Turbo Turtle</source>
        <translation>Tortuga Turbo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Comet Cat</source>
        <translation>Gato Cometa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Falcon Flash</source>
        <translation>Halcón Huracán</translation>
    </message>
</context>
<context>
    <name>RocketRaceView</name>
    <message>
        <location filename="../src/games/rocketrace/RocketRaceView.qml" line="+19"/>
        <source>Lesson finished — celebrate with a quick race!
Type the words to make your rocket zoom past the bots.
The race starts on your first correct letter.</source>
        <translation>¡Lección terminada! ¡Celébralo con una carrera rápida!
Escribe las palabras y tu cohete adelantará a los robots.
La carrera empieza con tu primera letra correcta.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Type the words to make your rocket zoom!
You&apos;re racing Turbo Turtle 🐢, Comet Cat 🐱, and Falcon Flash 🦅.
The race starts the moment you type your first correct letter.</source>
        <translation>¡Escribe las palabras y tu cohete saldrá disparado!
Compites con Tortuga Turbo 🐢, Gato Cometa 🐱 y Halcón Huracán 🦅.
La carrera empieza en cuanto escribas tu primera letra correcta.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Race again  (space)</source>
        <translation>Otra carrera  (espacio)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>🥇 1st place!!</source>
        <translation>🥇 ¡¡Primer puesto!!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>🥈 2nd place!</source>
        <translation>🥈 ¡Segundo puesto!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>🥉 3rd place!</source>
        <translation>🥉 ¡Tercer puesto!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4th — you&apos;ll get them next time!</source>
        <translation>Cuarto puesto: ¡la próxima vez los alcanzas!</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+29"/>
        <source>%1 wpm</source>
        <translation>%1&#xa0;ppm</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>%1% acc</source>
        <translation>%1&#xa0;% prec.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>🏆 NEW HIGH SCORE!</source>
        <translation>🏆 ¡NUEVO RÉCORD!</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1% accuracy</source>
        <translation>%1&#xa0;% de precisión</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>You</source>
        <translation>Tú</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Type it!</source>
        <translation>¡Escríbelo!</translation>
    </message>
</context>
<context>
    <name>SaveCopyDialog</name>
    <message>
        <location filename="../src/ui/grownups/SaveCopyDialog.qml" line="+22"/>
        <source>Save a copy of the household</source>
        <translation>Guardar una copia de todos los perfiles</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>⬆ Up</source>
        <translation>⬆ Subir</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>In %1</source>
        <translation>En %1</translation>
    </message>
    <message>
        <location line="-80"/>
        <source>No folders or copies here yet.</source>
        <translation>Aquí aún no hay carpetas ni copias.</translation>
    </message>
    <message>
        <location line="+177"/>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="-178"/>
        <source>Name of the copy</source>
        <translation>Nombre de la copia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>“%1” is already there. Replace it with this copy?</source>
        <translation>«%1» ya existe. ¿Quieres reemplazarlo por esta copia?</translation>
    </message>
    <message>
        <location line="+229"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keep it</source>
        <translation>Conservarlo</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <location filename="../src/records/savefile.cpp" line="+91"/>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disk can only be read, not written</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>this user may not write in %1</source>
        <translation>este usuario no puede escribir en %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the folder %1 is missing</source>
        <translation>falta la carpeta %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disk reported an error</source>
        <translation>el disco ha dado un error</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>the old save file is in the way and cannot be moved aside (%1)</source>
        <translation>el archivo de progreso antiguo estorba y no se puede apartar (%1)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the progress holds a number that cannot be written</source>
        <translation>el progreso contiene un número que no se puede escribir</translation>
    </message>
    <message>
        <location filename="../src/store/savewriter.h" line="+31"/>
        <source>the file could not be written</source>
        <translation>no se pudo escribir el archivo</translation>
    </message>
</context>
<context>
    <name>SingleHandView</name>
    <message>
        <location filename="../src/ui/keyboard/SingleHandView.qml" line="+26"/>
        <source>LEFT HAND</source>
        <translation>MANO IZQUIERDA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>RIGHT HAND</source>
        <translation>MANO DERECHA</translation>
    </message>
</context>
<context>
    <name>SpokenHelpPanel</name>
    <message>
        <location filename="../src/ui/grownups/SpokenHelpPanel.qml" line="+47"/>
        <source>🗣 Read aloud for %1</source>
        <translation>🗣 Lectura en voz alta para %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>With the voice on, the narrator can help a child who cannot read yet or cannot see the screen well. The lessons&apos; own words always come first.</source>
        <translation>Con la voz activada, el narrador puede ayudar a quien aún no sabe leer o no ve bien la pantalla. Lo que dicen las lecciones siempre tiene prioridad.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Say names</source>
        <translation>Decir los nombres</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Say the next key</source>
        <translation>Decir la siguiente tecla</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Names: the narrator says a button&apos;s or card&apos;s name when it gets the focus or the pointer rests on it. Next key: it says each key of a drill as it comes up.</source>
        <translation>Nombres: el narrador dice el nombre de un botón o una tarjeta cuando recibe el foco o cuando el puntero se detiene encima. Siguiente tecla: dice cada tecla del ejercicio cuando le llega el turno.</translation>
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
        <translation>🎯 Practica las teclas difíciles</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Let&apos;s practise ▶</source>
        <translation>¡A practicar! ▶</translation>
    </message>
</context>
<context>
    <name>Tutorial</name>
    <message>
        <location filename="../src/curriculum/tutorial.cpp" line="+19"/>
        <source>Welcome to %1!
A practice adventure with keys you already know.</source>
        <translation>¡Empieza la lección «%1»!
Una aventura para practicar las teclas que ya conoces.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Welcome to %1! This one is all about practicing keys you already know.</source>
        <translation>¡Empieza la lección %1! Hoy vas a practicar las teclas que ya conoces.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Welcome to %1!
Today your fingers learn %2.</source>
        <translation>¡Empieza la lección «%1»!
Hoy tus dedos aprenden las teclas %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Welcome to %1! Today your fingers will learn %2.</source>
        <translation>¡Empieza la lección %1! Hoy tus dedos van a aprender las teclas %2.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Rest your fingers on the glowing HOME ROW.
Feel the little bumps on %1 and %2? Your pointer fingers sit right there.</source>
        <translation>Apoya los dedos en la FILA CENTRAL, la que brilla.
¿Notas las rayitas de la %1 y la %2? Ahí van tus dedos índices.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>First, rest your fingers on the home row. Feel the little bumps on %1 and %2? Your pointer fingers sit right there.</source>
        <translation>Primero, apoya los dedos en la fila central. ¿Notas las rayitas de la %1 y la %2? Ahí van tus dedos índices.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>This is %1!
Press it with your %2 — try it right now!</source>
        <translation>¡Esta es la tecla %1!
Púlsala con el %2. ¡Pruébala ahora mismo!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This is the %1 key. Press it with your %2. Try it now!</source>
        <translation>Esta es la tecla %1. Púlsala con el %2. ¡Inténtalo ahora!</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>You&apos;ll also meet %1.
Same trick: reach out from the home row, then hop right back!</source>
        <translation>También vas a conocer: %1.
El mismo truco: estira el dedo desde la fila central ¡y vuelve de un salto!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You will also meet %1. Same trick — reach out from the home row, then hop right back.</source>
        <translation>También vas a conocer: %1. El mismo truco: estira el dedo desde la fila central y vuelve de un salto.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Type each letter when it glows.
Take your time — happy fingers first, speedy fingers later!</source>
        <translation>Escribe cada letra cuando brille.
Sin prisa: primero, dedos felices; luego, ¡dedos veloces!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Now type each letter when it glows. Take your time. Happy fingers first, speedy fingers later. Ready? Let&apos;s go!</source>
        <translation>Ahora escribe cada letra cuando brille. Sin prisa. Primero, dedos felices; luego, dedos veloces. ¿Todo listo? ¡Vamos!</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>colon</source>
        <translation>dos puntos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>quotation mark</source>
        <translation>comillas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>underscore</source>
        <translation>guion bajo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>equals sign</source>
        <translation>signo igual</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>plus sign</source>
        <translation>signo más</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>slash</source>
        <translation>barra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>backslash</source>
        <translation>barra invertida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>vertical bar</source>
        <translation>barra vertical</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>left parenthesis</source>
        <translation>abre paréntesis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>right parenthesis</source>
        <translation>cierra paréntesis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>left bracket</source>
        <translation>abre corchete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>right bracket</source>
        <translation>cierra corchete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>left brace</source>
        <translation>abre llave</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>right brace</source>
        <translation>cierra llave</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>less-than sign</source>
        <translation>signo menor que</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>greater-than sign</source>
        <translation>signo mayor que</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>at sign</source>
        <translation>arroba</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hash sign</source>
        <translation>signo numeral</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dollar sign</source>
        <translation>signo de dólar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>percent sign</source>
        <translation>signo de porcentaje</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>caret</source>
        <translation>acento circunflejo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ampersand</source>
        <translation>y comercial</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>asterisk</source>
        <translation>asterisco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>grave accent</source>
        <translation>acento grave</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tilde</source>
        <translation>virgulilla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>acute accent</source>
        <translation>tilde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>umlaut</source>
        <translation>diéresis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>section sign</source>
        <translation>signo de sección</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>degree sign</source>
        <translation>signo de grado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>one half</source>
        <translation>un medio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pound sign</source>
        <translation>signo de libra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>euro sign</source>
        <translation>signo de euro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ordinal indicator</source>
        <translation>indicador ordinal masculino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>feminine ordinal indicator</source>
        <translation>indicador ordinal femenino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>micro sign</source>
        <translation>signo de micro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>inverted exclamation mark</source>
        <translation>abre exclamación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>inverted question mark</source>
        <translation>abre interrogación</translation>
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
        <translation>eñe</translation>
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
        <translation>O barrada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>L with stroke</source>
        <translation>L barrada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>D with stroke</source>
        <translation>D barrada</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 with grave accent</source>
        <translation>%1 con acento grave</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with acute accent</source>
        <translation>%1 con tilde</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with circumflex</source>
        <translation>%1 con acento circunflejo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with tilde</source>
        <translation>%1 con virgulilla</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 with umlaut</source>
        <extracomment>&quot;O with umlaut&quot; for ö: a German child calls it O-Umlaut</extracomment>
        <translation>%1 con diéresis</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with ring</source>
        <translation>%1 con anillo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with double acute</source>
        <translation>%1 con doble acento agudo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with caron</source>
        <translation>%1 con carón</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with cedilla</source>
        <translation>%1 con cedilla</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with ogonek</source>
        <translation>%1 con ogonek</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with dot</source>
        <translation>%1 con punto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with breve</source>
        <translation>%1 con breve</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 with macron</source>
        <translation>%1 con macrón</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>semicolon</source>
        <translation>punto y coma</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>comma</source>
        <translation>coma</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>period</source>
        <translation>punto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>apostrophe</source>
        <translation>apóstrofo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>exclamation mark</source>
        <translation>signo de exclamación</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>question mark</source>
        <translation>signo de interrogación</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 and %2</source>
        <extracomment>The last two keys of a list: &quot;D, K and L&quot;</extracomment>
        <translation>%1 y %2</translation>
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
        <translation>🔊  Escuchar otra vez</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Skip tutorial</source>
        <translation>Saltar el tutorial</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Press the glowing key!</source>
        <translation>¡Pulsa la tecla que brilla!</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Let&apos;s type!  ▶</source>
        <translation>¡A escribir!  ▶</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Next  ▶</source>
        <translation>Siguiente  ▶</translation>
    </message>
</context>
<context>
    <name>WordMeteorsView</name>
    <message>
        <location filename="../src/games/wordmeteors/WordMeteorsView.qml" line="+16"/>
        <source>Boom! Game over</source>
        <translation>¡Bum! Fin del juego</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The meteors love your new keys: </source>
        <translation>A los meteoritos les encantan tus teclas nuevas: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lesson finished — time to blast some meteors!
Most of them use the keys you just learned.
You have %1 seconds. Protect your planet!</source>
        <translation>¡Lección terminada! ¡Hora de romper meteoritos!
Casi todos llevan las teclas que acabas de aprender.
Tienes %1 segundos. ¡Protege tu planeta!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Word meteors are zooming toward your planet!
Type each word, letter by letter, to blast it apart.
You have 3 hearts — protect your planet, ranger!</source>
        <translation>¡Vienen meteoritos de palabras hacia tu planeta!
Escribe cada palabra, letra a letra, para romperla en pedazos.
Tienes 3 corazones. ¡Protege tu planeta!</translation>
    </message>
</context>
<context>
    <name>tapalong::AppStore</name>
    <message>
        <location filename="../src/store/appstore.cpp" line="+124"/>
        <source>Tapalong cannot save right now: %1. Progress is kept safe while Tapalong stays open and is saved as soon as that works again.</source>
        <translation>Tapalong no puede guardar ahora mismo: %1. El progreso está a salvo mientras Tapalong siga abierto y se guardará en cuanto vuelva a funcionar.</translation>
    </message>
</context>
<context>
    <name>tapalong::BackupController</name>
    <message>
        <location filename="../src/ui/grownups/backup.cpp" line="+126"/>
        <source>The copy could not be saved there. Try another folder.</source>
        <translation>No se pudo guardar la copia ahí. Prueba con otra carpeta.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Saved a copy: %1</source>
        <translation>Copia guardada: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 Nothing was changed.</source>
        <translation>%1 No se ha cambiado nada.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This copy holds %1 Restoring it replaces everything on this computer.</source>
        <translation>Esta copia tiene %1 Si la recuperas, se reemplazará todo lo que hay en este equipo.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The current household could not be kept aside, so nothing was changed.</source>
        <translation>No se pudieron apartar los perfiles de ahora, así que no se ha cambiado nada.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Restored. The household from before is kept beside the save file.</source>
        <translation>Copia recuperada. Los perfiles de antes se guardan junto al archivo de progreso.</translation>
    </message>
</context>
<context>
    <name>tapalong::ChampionsBoard</name>
    <message>
        <location filename="../src/ui/champions/championsboard.cpp" line="+53"/>
        <source>No scores yet — be the first to play!</source>
        <translation>Aún no hay puntos: ¡juega y estrena el marcador!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No stars yet — finish a lesson to get on the board!</source>
        <translation>Aún no hay estrellas: ¡termina una lección para salir en el tablero!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No speeds yet — finish a lesson to set your pace!</source>
        <translation>Aún no hay velocidades: ¡termina una lección y marca tu ritmo!</translation>
    </message>
</context>
<context>
    <name>tapalong::CourseProgress</name>
    <message>
        <location filename="../src/ui/learn/courseprogress.cpp" line="+68"/>
        <source>Play %1</source>
        <translation>Empezar: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finish the lesson before this one to unlock!</source>
        <translation>¡Termina la lección anterior para abrir esta!</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>Hi, %1! %2</source>
        <translation>¡Hola, %1! %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your typing adventure starts today!</source>
        <translation>¡Hoy empieza tu aventura con el teclado!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next up: %1</source>
        <translation>Ahora toca: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You finished the whole quest! Legendary. 🎆</source>
        <translation>¡Terminaste toda la aventura! ¡De leyenda! 🎆</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>%1 of %n lesson(s) finished</source>
        <translation>
            <numerusform>%1 de %n lección terminada</numerusform>
            <numerusform>%1 de %n lecciones terminadas</numerusform>
        </translation>
    </message>
    <message>
        <location line="-11"/>
        <source>%1 world</source>
        <translation>Mundo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Start  ▶</source>
        <translation>Empezar  ▶</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start lesson: %1</source>
        <translation>Empezar la lección: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>🎓  Quest complete!</source>
        <translation>🎓  ¡Aventura completa!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replay lessons</source>
        <translation>Repetir lecciones</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Stars</source>
        <translation>Estrellas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Best speed (wpm)</source>
        <translation>Mejor velocidad (ppm)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keys typed</source>
        <translation>Teclas pulsadas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Day streak</source>
        <translation>Días seguidos</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>tapalong::GameFrame</name>
    <message>
        <location filename="../src/games/frame/gameframe.cpp" line="+158"/>
        <source>Game over! You scored %1.</source>
        <translation>¡Fin del juego! Tus puntos: %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A new high score!</source>
        <translation>¡Nuevo récord!</translation>
    </message>
    <message>
        <location line="+159"/>
        <source>🎁 Bonus Round · %1</source>
        <translation>🎁 Ronda extra · %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Bonus Round!</source>
        <translation>¡Ronda extra!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>all your letters!</source>
        <translation>¡todas tus letras!</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>🏆 NEW HIGH SCORE!</source>
        <translation>🏆 ¡NUEVO RÉCORD!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>🎁 Bonus round done!</source>
        <translation>🎁 ¡Ronda extra terminada!</translation>
    </message>
</context>
<context>
    <name>tapalong::GamesHub</name>
    <message>
        <location filename="../src/ui/hub/gameshub.cpp" line="+42"/>
        <source>High score: %1</source>
        <translation>Récord: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No score yet — go!</source>
        <translation>Aún sin puntos: ¡adelante!</translation>
    </message>
</context>
<context>
    <name>tapalong::GrownupsGate</name>
    <message>
        <location filename="../src/ui/grownups/grownupsview.cpp" line="-140"/>
        <source>What is %1 + %2?</source>
        <translation>¿Cuánto es %1 + %2?</translation>
    </message>
</context>
<context>
    <name>tapalong::GrownupsView</name>
    <message>
        <location line="+98"/>
        <source>No lessons yet.</source>
        <translation>Aún no hay lecciones.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, latest %2 wpm at %3% accuracy</source>
        <translation>%1; la última, a %2&#xa0;ppm con un %3&#xa0;% de precisión</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>dashes: each lesson&apos;s goal</source>
        <translation>rayas: la meta de cada lección</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>rings: tricky-key practice (%1)</source>
        <translation>círculos: práctica de teclas difíciles (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  ·  </source>
        <translation>  ·  </translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Under a minute in the last four weeks</source>
        <translation>Menos de un minuto en las últimas cuatro semanas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 in the last four weeks</source>
        <translation>%1 en las últimas cuatro semanas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>🔥 %1 in a row</source>
        <translation>🔥 Racha de %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No streak right now</source>
        <translation>Ahora no hay racha</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 of %2 ⭐</source>
        <translation>%1 de %2 ⭐</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1, best score %2</source>
        <translation>%1, récord %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>best score %1</source>
        <translation>récord %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 (%2% missed, often %3)</source>
        <translation>%1 (%2&#xa0;% de fallos, a menudo escribe %3)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 (%2% missed)</source>
        <translation>%1 (%2&#xa0;% de fallos)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No tricky keys yet: more typing will tell.</source>
        <translation>Aún no hay teclas difíciles: con más práctica se verá.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trickiest keys: %1</source>
        <translation>Teclas más difíciles: %1</translation>
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
        <translation>Todavía no hay lecciones para %1: por ahora, Tapalong solo enseña letras latinas. El teclado sigue siendo %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This computer&apos;s keyboard data does not know %1. The keyboard stays %2.</source>
        <translation>Los datos de teclado de este equipo no conocen %1. El teclado sigue siendo %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The keyboard can be changed once the lesson or game is over.</source>
        <translation>El teclado se podrá cambiar cuando termine la lección o el juego.</translation>
    </message>
</context>
<context>
    <name>tapalong::LessonController</name>
    <message numerus="yes">
        <location filename="../src/ui/lesson/lessoncontroller.cpp" line="+333"/>
        <source>Line done! %n more to go.</source>
        <translation>
            <numerusform>¡Línea terminada! Queda %n más.</numerusform>
            <numerusform>¡Línea terminada! Quedan %n más.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 words a minute, %2 percent right.</source>
        <translation>%1 palabras por minuto y %2 por ciento de aciertos.</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Amazing! You earned all three stars!</source>
        <translation>¡Increíble! ¡Las tres estrellas son tuyas!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Great job! Two stars!</source>
        <translation>¡Muy bien! ¡Dos estrellas!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lesson complete! Nice work — keep practicing and you&apos;ll shine.</source>
        <translation>¡Lección terminada! Buen trabajo. Sigue practicando y vas a brillar.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>AMAZING! 🎉</source>
        <translation>¡INCREÍBLE! 🎉</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Great job! 🙌</source>
        <translation>¡Muy bien! 🙌</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lesson complete! ✅</source>
        <translation>¡Lección terminada! ✅</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Drill %1 of %2</source>
        <translation>Ejercicio %1 de %2</translation>
    </message>
</context>
<context>
    <name>tapalong::PracticeTextEditor</name>
    <message>
        <location filename="../src/ui/grownups/practicetexteditor.cpp" line="+29"/>
        <source>The file could not be opened (%1).</source>
        <translation>No se pudo abrir el archivo (%1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This file is too long for a practice text: a text from home holds at most %1 characters. Copy the part you want into the box instead.</source>
        <translation>Este archivo es demasiado largo para un texto de práctica: un texto de casa admite como máximo %1 caracteres. Copia en el recuadro solo la parte que quieras.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>This file is not plain text in UTF-8, so Tapalong cannot read it. Save it as plain text (UTF-8) and try again.</source>
        <translation>Este archivo no es texto sin formato en UTF-8, así que Tapalong no puede leerlo. Guárdalo como texto sin formato (UTF-8) y vuelve a intentarlo.</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>%2 (%1 time) is left out: no key types it</source>
        <translation>%2 (%1 vez) se quita: ninguna tecla lo escribe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%2 (%1 times) is left out: no key types it</source>
        <translation>%2 (%1 veces) se quita: ninguna tecla lo escribe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%2 (%1 time) is left out</source>
        <translation>%2 (%1 vez) se quita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%2 (%1 times) is left out</source>
        <translation>%2 (%1 veces) se quita</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%2 (%1 time) becomes %3</source>
        <translation>%2 (%1 vez) se cambia por %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%2 (%1 times) becomes %3</source>
        <translation>%2 (%1 veces) se cambia por %3</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Some characters cannot be typed on this keyboard; each is shown below with what happens to it.</source>
        <translation>Algunos caracteres no se pueden escribir con este teclado; abajo verás cada uno y lo que pasa con él.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 invisible control character was taken out.</source>
        <translation>Se ha quitado %1 carácter de control invisible.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 invisible control characters were taken out.</source>
        <translation>Se han quitado %1 caracteres de control invisibles.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The text is %1 characters long; a text from home holds at most %2, so it ends at &quot;%3&quot;.</source>
        <translation>El texto tiene %1 caracteres; un texto de casa admite como máximo %2, así que termina en «%3».</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>There is nothing to type in this text yet.</source>
        <translation>En este texto todavía no hay nada que escribir.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 already has %2 texts, the most one explorer keeps. Remove one to add another.</source>
        <translation>%1 ya tiene %2 textos, el máximo por perfil. Quita uno para añadir otro.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Saved. %1 finds it on the dashboard under &quot;Practice from home&quot;.</source>
        <translation>Guardado. %1 lo encontrará en la pantalla de inicio, en «Textos de casa».</translation>
    </message>
</context>
<context>
    <name>tapalong::Printouts</name>
    <message>
        <location filename="../src/ui/grownups/printouts.cpp" line="+94"/>
        <source>Tapalong report %1 %2.pdf</source>
        <translation>Informe de Tapalong %1 %2.pdf</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Tapalong certificate %1 %2.pdf</source>
        <translation>Diploma de Tapalong %1 %2.pdf</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Saved as %1.</source>
        <translation>Guardado como %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file could not be saved there. Try another folder.</source>
        <translation>No se pudo guardar el archivo ahí. Prueba con otra carpeta.</translation>
    </message>
</context>
<context>
    <name>tapalong::ReportPdf</name>
    <message>
        <location filename="../src/ui/grownups/reportpdf.cpp" line="-81"/>
        <source>Speed (words per minute)</source>
        <translation>Velocidad (palabras por minuto)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Accuracy (%)</source>
        <translation>Precisión (%)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>No lessons yet.</source>
        <translation>Aún no hay lecciones.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dashes: each lesson&apos;s goal.</source>
        <translation>Rayas: la meta de cada lección.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Latest: %1 wpm at %2% accuracy.</source>
        <translation>La última: %1&#xa0;ppm con un %2&#xa0;% de precisión.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Practice per day, the last four weeks</source>
        <translation>Práctica por día en las últimas cuatro semanas</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 min</source>
        <translation>%1&#xa0;min</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Under a minute in the last four weeks.</source>
        <translation>Menos de un minuto en las últimas cuatro semanas.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No streak right now.</source>
        <translation>Ahora no hay racha.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>rarely missed</source>
        <translation>casi nunca falla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sometimes</source>
        <translation>falla a veces</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>often</source>
        <translation>falla a menudo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not typed yet</source>
        <translation>aún sin escribir</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 (%2% missed, often %3)</source>
        <translation>%1 (%2&#xa0;% de fallos, a menudo escribe %3)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 (%2% missed)</source>
        <translation>%1 (%2&#xa0;% de fallos)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No tricky keys yet: more typing will tell.</source>
        <translation>Aún no hay teclas difíciles: con más práctica se verá.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trickiest keys: %1</source>
        <translation>Teclas más difíciles: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Stars per unit</source>
        <translation>Estrellas por mundo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Badges</source>
        <translation>Insignias</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>earned %1</source>
        <translation>conseguida el %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No badges yet.</source>
        <translation>Aún no hay insignias.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Tapalong report for %1</source>
        <translation>Informe de Tapalong de %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1&apos;s typing report</source>
        <translation>Informe de mecanografía de %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tapalong, %1</source>
        <translation>Tapalong, %1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Certificate for %1</source>
        <translation>Diploma para %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Certificate</source>
        <translation>Diploma</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>finished the unit</source>
        <extracomment>On a certificate, above the unit&apos;s name: &quot;Mia finished the unit&quot;</extracomment>
        <translation>ha completado el mundo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 of %2 stars</source>
        <translation>%1 de %2 estrellas</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>on %1</source>
        <extracomment>On a certificate: the day the unit was finished, &quot;on Monday, 7 December 2026&quot;</extracomment>
        <translation>el %1</translation>
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
        <translation>%1 y %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>A quick drill on %1, the key that trips you up most.</source>
        <translation>Un ejercicio rápido con %1, la tecla que más te cuesta.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A quick drill on %1, the keys that trip you up most.</source>
        <translation>Un ejercicio rápido con %1, las teclas que más te cuestan.</translation>
    </message>
</context>
</TS>
