// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "wordbankdata.h"

#include <QHash>

#include <initializer_list>

namespace tapalong::WordBankData {

namespace {

QStringList fromAscii(std::initializer_list<const char *> texts)
{
    QStringList list;
    list.reserve(qsizetype(texts.size()));
    for (const char *text : texts)
        list.append(QString::fromLatin1(text));
    return list;
}

const QStringList &englishWords()
{
    static const QStringList list = fromAscii(
        {"add",      "adds",    "aha",      "ajar",   "alas",     "alfalfa",  "all",      "amber",
         "angry",    "ankle",   "ant",      "apple",  "arm",      "art",      "ash",      "attic",
         "aunt",     "baby",    "back",     "bake",   "ball",     "beach",    "beans",    "bear",
         "bee",      "beige",   "bend",     "berry",  "big",      "bird",     "black",    "blink",
         "blue",     "board",   "boat",     "bone",   "book",     "brain",    "brave",    "bread",
         "brown",    "buddy",   "bug",      "build",  "bumpy",    "bush",     "cake",     "calm",
         "camel",    "candy",   "car",      "cards",  "carry",    "cat",      "catch",    "cave",
         "chair",    "chalk",   "chase",    "cheek",  "chest",    "chilly",   "chin",     "chop",
         "clam",     "clap",    "class",    "clean",  "clever",   "cliff",    "climb",    "cloud",
         "cloudy",   "cobra",   "cold",     "color",  "comet",    "cook",     "cookie",   "copper",
         "coral",    "corn",    "cough",    "count",  "cousin",   "cow",      "crab",     "crawl",
         "crayon",   "cream",   "crow",     "cry",    "curvy",    "dad",      "dads",     "damp",
         "dance",    "dark",    "dash",     "deep",   "deer",     "desert",   "desk",     "dice",
         "did",      "dig",     "dirty",    "dive",   "dog",      "doll",     "donkey",   "door",
         "dot",      "dove",    "draw",     "dream",  "drone",    "drop",     "drum",     "dry",
         "duck",     "dug",     "dull",     "dusty",  "eagle",    "ear",      "earth",    "eel",
         "egg",      "elbow",   "eraser",   "eye",    "eyelash",  "face",     "fad",      "fads",
         "falcon",   "fall",    "falls",    "family", "farm",     "fast",     "father",   "fence",
         "fern",     "ferret",  "fig",      "find",   "finger",   "fire",     "fish",     "flag",
         "flags",    "flash",   "flashy",   "flask",  "flat",     "floor",    "flower",   "fluffy",
         "fly",      "fog",     "foggy",    "folder", "foot",     "forehead", "forest",   "fox",
         "fresh",    "friend",  "fries",    "frog",   "frosty",   "frown",    "funny",    "fur",
         "fuzzy",    "gal",     "gala",     "galaxy", "gallop",   "gals",     "garage",   "garden",
         "garlic",   "gas",     "gate",     "gecko",  "gentle",   "gerbil",   "get",      "giant",
         "giggle",   "giraffe", "glad",     "glass",  "glassy",   "glide",    "glider",   "glitter",
         "globe",    "glue",    "goat",     "gold",   "goose",    "gorilla",  "grab",     "grade",
         "grape",    "grapes",  "grass",    "gray",   "green",    "grey",     "guest",    "guide",
         "gum",      "gust",    "gusty",    "gym",    "had",      "hail",     "hair",     "half",
         "hall",     "halls",   "hallway",  "hand",   "happy",    "hard",     "hash",     "hawk",
         "hazy",     "head",    "heart",    "heavy",  "hedgehog", "heel",     "helper",   "hen",
         "hid",      "hide",    "hill",     "hip",    "hips",     "history",  "hold",     "holiday",
         "honey",    "hop",     "horse",    "hot",    "hug",      "huge",     "humid",    "hungry",
         "hut",      "icy",     "iguana",   "indigo", "island",   "ivory",    "jam",      "jaw",
         "jelly",    "jet",     "jig",      "jigsaw", "jog",      "jolly",    "jug",      "juice",
         "jump",     "jungle",  "jut",      "kazoo",  "kick",     "kid",      "kind",     "kiss",
         "kite",     "kitten",  "kitty",    "kiwi",   "knee",     "koala",    "lad",      "lads",
         "lag",      "lags",    "lake",     "lamb",   "lash",     "lashes",   "laugh",    "leaf",
         "leg",      "legal",   "legs",     "lemon",  "leopard",  "lesson",   "let",      "letter",
         "lid",      "lift",    "light",    "lime",   "lion",     "lip",      "lips",     "listen",
         "little",   "lizard",  "locker",   "long",   "look",     "loud",     "lunch",    "lung",
         "mango",    "map",     "march",    "marker", "market",   "maroon",   "meadow",   "melon",
         "messy",    "meteor",  "mild",     "milk",   "mint",     "mist",     "mix",      "mole",
         "mom",      "monkey",  "month",    "moon",   "moss",     "moth",     "mother",   "mouse",
         "mouth",    "muffin",  "muscle",   "music",  "nap",      "narrow",   "navy",     "neat",
         "neck",     "nephew",  "new",      "niece",  "night",    "nod",      "noodle",   "noon",
         "nose",     "number",  "ocean",    "old",    "olive",    "omelet",   "onion",    "orange",
         "otter",    "owl",     "oyster",   "pack",   "paint",    "pal",      "pals",     "panda",
         "paper",    "parent",  "park",     "parrot", "party",    "pasta",    "path",     "peach",
         "peanut",   "pear",    "peas",     "pebble", "peel",     "pencil",   "pepper",   "pet",
         "petal",    "pickle",  "picnic",   "pie",    "pig",      "piglet",   "pink",     "pizza",
         "plane",    "planet",  "play",     "plum",   "pond",     "porch",    "poster",   "pot",
         "potato",   "pour",    "prairie",  "pretty", "proud",    "pull",     "puppet",   "puppy",
         "purple",   "push",    "puzzle",   "python", "quiet",    "quiz",     "rabbit",   "race",
         "rain",     "rainy",   "raisin",   "rat",    "reach",    "read",     "recess",   "red",
         "rice",     "ride",    "river",    "road",   "robin",    "robot",    "rock",     "rocket",
         "roll",     "roof",    "rooster",  "root",   "roots",    "rough",    "round",    "rug",
         "ruler",    "run",     "rust",     "sad",    "sag",      "sags",     "salad",    "salads",
         "salmon",   "salsa",   "salt",     "salty",  "sand",     "sass",     "sauce",    "scared",
         "school",   "screen",  "seahorse", "season", "seed",     "seek",     "seesaw",   "set",
         "shall",    "shallow", "shark",    "sheep",  "shiny",    "short",    "shoulder", "shout",
         "shrimp",   "shrub",   "shrug",    "shy",    "side",     "silky",    "silly",    "silver",
         "sing",     "sister",  "skin",     "skip",   "skunk",    "sky",      "slash",    "sleep",
         "sleepy",   "sleet",   "slice",    "slide",  "slow",     "small",    "smile",    "smooth",
         "snail",    "snap",    "sneeze",   "snow",   "snowy",    "soft",     "sort",     "soup",
         "sour",     "sparrow", "spell",    "spicy",  "spider",   "spin",     "spring",   "sprout",
         "square",   "squid",   "squirrel", "stack",  "stairs",   "stale",    "stapler",  "star",
         "starfish", "steep",   "stepdad",  "stew",   "stir",     "stomp",    "stone",    "storm",
         "stormy",   "story",   "straight", "stream", "strong",   "study",    "sugar",    "summer",
         "sun",      "sunny",   "swamp",    "swan",   "sweet",    "swim",     "swing",    "syrup",
         "tablet",   "taco",    "tail",     "tall",   "tan",      "tape",     "tart",     "teal",
         "teddy",    "teeth",   "test",     "thick",  "thin",     "thirsty",  "throw",    "thumb",
         "tickle",   "tide",    "tiger",    "tiny",   "tiptoe",   "tired",    "toad",     "toast",
         "today",    "toddler", "toe",      "toes",   "tomato",   "tongue",   "tooth",    "top",
         "tortoise", "toss",    "toucan",   "train",  "tree",     "trot",     "trout",    "truck",
         "tug",      "turkey",  "turn",     "turtle", "twins",    "twirl",    "twist",    "type",
         "ugly",     "uncle",   "unpack",   "valley", "vine",     "violet",   "viper",    "waffle",
         "wagon",    "waist",   "wake",     "walk",   "wall",     "walnut",   "walrus",   "warm",
         "wasp",     "watch",   "water",    "wave",   "weak",     "weed",     "week",     "wet",
         "whale",    "whisper", "whistle",  "white",  "wide",     "wig",      "wiggle",   "wind",
         "window",   "windy",   "wink",     "winter", "wise",     "wolf",     "worm",     "wrist",
         "write",    "yawn",    "yell",     "yellow", "yet",      "yogurt",   "young",    "yoyo",
         "zebra",    "zoo"});
    return list;
}

const QStringList &englishPhrases()
{
    static const QStringList list = fromAscii({
        "the happy frog jumps over the log",
        "my cat naps in the warm sun all day",
        "we plant seeds in the garden after school",
        "the little dog wags his tail at the door",
        "a red kite flies high above the green hill",
        "mom bakes warm bread on a rainy morning",
        "the ducks swim in a row across the pond",
        "we build a tall sand castle at the beach",
        "my brother reads a book about big whales",
        "the bus stops at the corner near my house",
        "a small bird sings on the fence each day",
        "dad makes pancakes for us on sunday",
        "we jump in the puddles with our boots on",
        "the kitten plays with a ball of blue yarn",
        "grandma knits a cozy hat for my teddy",
        "we eat juicy apples under the old tree",
        "the moon shines bright over the quiet lake",
        "my friend and i ride bikes to the park",
        "the baby laughs when the puppy licks her",
        "we paint a rainbow on a big sheet of paper",
        "the bees buzz around the yellow flowers",
        "my sister sings a song in the bath tub",
        "we pack a picnic with sandwiches and fruit",
        "the rabbit hops across the soft green grass",
        "a fluffy cloud looks just like a sheep",
        "we feed the goats at the farm on saturday",
        "the train goes choo choo over the bridge",
        "i brush my teeth before i go to bed",
        "the snowman wears a hat and a long scarf",
        "we watch the stars from the back yard",
        "the fish swim in circles in the tank",
        "my best friend shares her crayons with me",
        "the chef stirs a big pot of tomato soup",
        "we fly paper planes across the classroom",
        "the owl hoots softly in the dark forest",
        "my dog digs a hole to hide his bone",
        "we splash in the pool on a hot summer day",
        "the turtle walks slowly to the river",
        "a tiny snail climbs up the garden wall",
        "we sing happy birthday to our teacher",
        "the wind blows the leaves off the trees",
        "my uncle shows me how to catch a fish",
        "we share a bowl of popcorn at the movies",
        "the parrot says hello to everyone",
        "the children race to the top of the slide",
        "we bake cookies with chocolate chips",
        "the squirrel hides nuts in the old oak",
        "my grandpa tells funny stories at dinner",
        "a yellow duck floats in the bubble bath",
        "we build a fort with pillows and blankets",
        "the farmer drives a red tractor to the barn",
        "the pony trots around the sunny field",
        "we count the sheep jumping over the gate",
        "my mom reads me a story every night",
        "the frog sits on a lily pad in the pond",
        "we make a card for our friend who is sick",
        "the ladybug lands softly on my finger",
        "the firefighter waves from the big truck",
        "we hang our coats on hooks by the door",
        "the sun comes up and the birds wake up",
    });
    return list;
}

// Eight of these are longer than a drill line, so a drill shows them cut at a word boundary.
const QStringList &englishSentences()
{
    static const QStringList list = fromAscii({
        "The tiny robot loves to dance all night!",
        "My goldfish thinks the bathtub is the ocean.",
        "Why does the cat sit on my homework every day?",
        "Grandpa's sneezes can scare a whole flock away!",
        "The moon looks like a big slice of cheese.",
        "Can a giraffe wear a scarf on a cold day?",
        "Our teacher's parrot knows how to say please.",
        "The pancake flipped itself right off the pan!",
        "It's fun to hop like a kangaroo in the hall.",
        "My socks went missing and the dog looks guilty.",
        "Do elephants ever forget where they put toys?",
        "The snowman smiled when the sun came out.",
        "Please don't let the goat eat my lunch box!",
        "A little cloud rained only on my sandcastle.",
        "Who painted the fence purple and green?",
        "The happy worm wiggled into the warm soil.",
        "My brother's hamster runs a marathon at night.",
        "Isn't it silly when a duck wears boots?",
        "The pirate found a treasure chest of socks!",
        "Our kitten sleeps inside the laundry basket.",
        "Why did the banana go to see the doctor?",
        "The bear made honey pancakes for the bees.",
        "I can whistle a tune with a blade of grass.",
        "The dragon was scared of the little mouse!",
        "Do you think fish ever get thirsty?",
        "My robot friend likes to water the flowers.",
        "The owl wore glasses to read a bedtime story.",
        "We can't find the remote because the cat hid it.",
        "A polite frog always says thank you.",
        "The clown's shoes squeaked with every step!",
        "The penguin slid down the icy hill on its belly.",
        "Would you like a sandwich with jelly and jam?",
        "The monkey swung from vine to vine all day.",
        "My sister's teddy bear has a tiny crown.",
        "Isn't that the biggest pumpkin you've seen?",
        "The bus driver sang songs all the way home!",
        "Our dog barks at his own shadow every morning.",
        "Can a snail win a race if it tries hard?",
        "The baker made a cake as tall as a house!",
        "A sleepy lion yawned and rolled in the grass.",
        "What is the funniest joke you know?",
        "The zebra counted its stripes and lost count.",
        "It's raining cats and dogs but mostly puddles!",
        "The squirrel buried its acorns under my slide.",
        "Why do cows moo so loudly in the morning?",
        "My friend's lizard likes to sunbathe on rocks.",
        "The kite got stuck in a tree full of birds!",
        "Grandma knits sweaters for all the chickens.",
        "Did the cow really jump over the moon?",
        "The spider spun a web shaped like a heart.",
        "I'd love to ride a dolphin across the sea!",
        "The sleepy bear hugged his pillow all winter.",
        "Our class built a rocket out of old boxes.",
        "Can you hear the frogs singing by the pond?",
        "The tiger wore striped pajamas to bed.",
        "My little cousin's drum is very very loud!",
        "The crab danced sideways across the sand.",
        "Who left a trail of crumbs to the cookie jar?",
        "The rainbow painted the sky with bright colors.",
        "A kind bee gave the flower a gentle hug.",
        "The hippo took a bubble bath in the mud!",
        "Isn't the ocean full of wonderful creatures?",
        "My shoes are too big because they're Dad's.",
        "The puppy chased its tail until it got dizzy.",
        "Why does the rooster wake up so early?",
        "The octopus juggled eight shells at once!",
        "We're having spaghetti and meatballs tonight.",
        "The mouse tiptoed past the sleeping cat.",
        "Can you count all the stars in the sky?",
        "The farmer's pig rolled happily in the mud.",
        "My dad's jokes always make the dog howl!",
        "The turtle carried its house on a trip.",
        "Did you know that bees like to dance?",
        "The koala napped in the tree all afternoon.",
        "A friendly ghost said boo and then giggled!",
        "The unicorn's mane sparkled in the sunshine.",
        "What would you do with a pet dinosaur?",
        "The ice cream melted faster than I could eat it.",
        "Our garden grows carrots as long as my arm!",
        "The sheep knitted a blanket from her own wool.",
        "Why is the sky blue and the grass green?",
        "The ants marched in a line to the picnic!",
        "Wouldn't it be fun to fly like an eagle?",
        "The dinosaur museum had a giant fossil display.",
        "My teddy bear listens to all of my secrets.",
        "The seal balanced a beach ball on its nose!",
        "Let's build a blanket fort in the living room.",
        "The fox tiptoed quietly through the snow.",
        "Where do the ducks go when the pond freezes?",
        "We all cheered when the snail won the big race!",
    });
    return list;
}

struct Lists {
    QStringList words;
    QStringList phrases;
    QStringList sentences;
};

QStringList fromUtf16(std::span<const char16_t *const> texts)
{
    QStringList list;
    list.reserve(qsizetype(texts.size()));
    for (const char16_t *text : texts)
        list.append(QString::fromUtf16(text));
    return list;
}

// Built once, on first use, from the generated tables.
const QHash<QString, Lists> &handMade()
{
    static const QHash<QString, Lists> lists = [] {
        QHash<QString, Lists> all;
        for (const detail::HandMadeLists &source : detail::handMadeLists()) {
            all.insert(QString::fromUtf16(source.language),
                       Lists{fromUtf16(source.words), fromUtf16(source.phrases),
                             fromUtf16(source.sentences)});
        }
        return all;
    }();
    return lists;
}

const Lists *listsOf(QStringView language)
{
    const auto found = handMade().constFind(language.toString());
    return found == handMade().cend() ? nullptr : &found.value();
}

} // namespace

const QStringList &languages()
{
    static const QStringList list = [] {
        QStringList all{u"en"_qs};
        for (const detail::HandMadeLists &source : detail::handMadeLists())
            all.append(QString::fromUtf16(source.language));
        return all;
    }();
    return list;
}

bool hasLanguage(QStringView language)
{
    return languages().contains(language);
}

QString languageFor(QStringView localeName)
{
    qsizetype end = 0;
    while (end < localeName.size() && localeName.at(end).isLetter())
        ++end;
    const QString language = localeName.left(end).toString().toLower();
    return hasLanguage(language) ? language : u"en"_qs;
}

const QStringList &words(QStringView language)
{
    const Lists *lists = listsOf(language);
    return lists ? lists->words : englishWords();
}

const QStringList &easyPhrases(QStringView language)
{
    const Lists *lists = listsOf(language);
    return lists ? lists->phrases : englishPhrases();
}

const QStringList &sentences(QStringView language)
{
    const Lists *lists = listsOf(language);
    return lists ? lists->sentences : englishSentences();
}

} // namespace tapalong::WordBankData
