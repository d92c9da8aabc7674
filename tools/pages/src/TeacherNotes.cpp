#include "PageTexts.h"

namespace Pages {

namespace {

Page introductionA() {
    return {"introductiona.wmf",
            "Teacher's Notes: The Orvelles",
            Drawing::Book,
            {
                heading("Aims"),
                para("Pupils learn that the Orvelles were a dynasty; who the first Orvelle "
                     "king was and how he won the crown; the three marriages of King Roderic and "
                     "the children of each; and why the Orvelle family stopped ruling."),
                heading("Using the activities"),
                bullet("Key Facts: two pages to read together first. Print them for pupils to "
                       "keep beside them while they work."),
                bullet("Multiple Choice: ten questions on the Key Facts. Pupils who miss a "
                       "question can check their wrong answers, then try again."),
                bullet("Labelling Activity: pupils drag the names of five members of the royal "
                       "family onto the family picture."),
                bullet("Ordering Activity: pupils build the family tree from nine names, with "
                       "King Roderic's three wives in order."),
                heading("Questions for discussion"),
                bullet("Oswin won the crown in a battle. Was that a fair way to become king?"),
                bullet("Why did it matter so much that a king or queen had children?"),
                bullet("Edric was king at nine. Who do you think really made the decisions?"),
                bullet("What would a day at Lanterlow Palace be like for a servant?"),
            }};
}

Page introductionB() {
    return {"introductionb.wmf",
            "Teacher's Notes: The Orvelles",
            Drawing::Book,
            {
                heading("Answers: Multiple Choice"),
                columns({"1. A dynasty", "2. King Oswin", "3. He won a great battle",
                         "4. A golden oak tree", "5. Three times", "6. Catrin of Lorne",
                         "7. His son Edric", "8. Nine years old", "9. Queen Linnet",
                         "10. Linnet had no children"}),
                heading("Answers: Labelling Activity (left to right)"),
                para("Princess Isobel (green gown, holding a book); Prince Edric (the boy in "
                     "blue, with the dog); King Roderic (red robe, crown and sceptre); Queen "
                     "Elspeth (purple gown and ruff); Princess Linnet (pink, with a flower)."),
                heading("Answers: Ordering Activity (the family tree)"),
                bullet("Top row: King Oswin = Queen Mirabel."),
                bullet("Middle row: King Roderic = Catrin of Lorne (First Wife) = Annora Vale "
                       "(Second Wife) = Elspeth Marsh (Third Wife)."),
                bullet("Bottom row: Isobel under the first marriage, Linnet under the second, "
                       "Edric under the third."),
            }};
}

Page richA() {
    return {"richa.wmf",
            "Teacher's Notes: Rich and Poor",
            Drawing::Book,
            {
                heading("Aims"),
                para("Pupils compare the lives of rich and poor people in Orvelle times: their "
                     "homes, food, clothes, schooling, health and work, and learn to tell rich "
                     "from poor in a picture."),
                heading("Using the activities"),
                bullet("Key Facts: two pages, the first on homes, food and clothes, the second "
                       "on school, health and work. Read and print them first."),
                bullet("Multiple Choice: ten questions on the Key Facts, with a review of wrong "
                       "answers."),
                bullet("Labelling Activity: pupils label four people as Rich Woman, Rich Man, "
                       "Poor Woman or Poor Man by their clothes."),
                bullet("Ordering Activity: pupils sort eight statements under True or False."),
                heading("Questions for discussion"),
                bullet("How can you tell a rich person from a poor one in the picture?"),
                bullet("Why do you think rich people usually lived longer?"),
                bullet("Poor children worked instead of going to school. What jobs might "
                       "they have done?"),
                bullet("Would you rather have been a rich girl or a poor boy? Why?"),
            }};
}

Page richB() {
    return {
        "richb.wmf",
        "Teacher's Notes: Rich and Poor",
        Drawing::Book,
        {
            heading("Answers: Multiple Choice"),
            columns({"1. In a small cottage", "2. Straw or reeds", "3. Bread and vegetable stew",
                     "4. They ate lots of costly sugar", "5. Boys from rich families",
                     "6. They worked to help the family", "7. A ruff", "8. Rich people",
                     "9. Rushes dipped in fat", "10. Their servants"}),
            heading("Answers: Labelling Activity (left to right)"),
            para("Rich Woman, Poor Man, Poor Woman, Rich Man."),
            heading("Answers: Ordering Activity (True or False)"),
            para("True: Life was very hard for poor Orvelle people. Rich people lived the "
                 "longest in Orvelle times. The Rich had black teeth from eating costly "
                 "sugar. Only boys from rich families were sent to school."),
            para("False: All children went to school. Poor people lived the longest in "
                 "Orvelle times. Poor Orvelle people ate rich and varied food. Rich people "
                 "had small houses and helped the poor."),
            para("A statement scores in any box of its own column, in any order."),
        }};
}

Page shipsA() {
    return {"shipsa.wmf",
            "Teacher's Notes: Ships and Explorers",
            Drawing::Book,
            {
                heading("Aims"),
                para("Pupils learn the parts of a sailing ship of the age of exploration, how "
                     "sailors lived and found their way at sea, and the great voyages made in "
                     "the time of the Orvelles, in the order they happened."),
                heading("Using the activities"),
                bullet("Key Facts: two pages, the first on ships, life on board and finding the "
                       "way, the second on the voyages and the crew. Read and print them first."),
                bullet("Multiple Choice: ten questions on the Key Facts, with a review of wrong "
                       "answers."),
                bullet("Labelling Activity: pupils drag eight labels onto the parts of a ship."),
                bullet("Ordering Activity: pupils put five voyages beside their years, from "
                       "1492 to 1580."),
                heading("Questions for discussion"),
                bullet("Why did sailors set out when they did not know what lay ahead?"),
                bullet("How could you find your way across an ocean with no land in sight?"),
                bullet("What would a ship's boy miss most on a voyage of three years?"),
                bullet("People already lived in the lands the explorers reached. What might "
                       "they have thought when the ships came?"),
            }};
}

Page shipsB() {
    return {"shipsb.wmf",
            "Teacher's Notes: Ships and Explorers",
            Drawing::Book,
            {
                heading("Answers: Multiple Choice"),
                columns({"1. The crow's nest", "2. The rudder", "3. A compass", "4. An hourglass",
                         "5. Ship's biscuit", "6. Scurvy", "7. Christopher Columbus",
                         "8. Vasco da Gama", "9. Magellan and Elcano", "10. The Golden Hind"}),
                heading("Answers: Labelling Activity"),
                para("Crow's Nest: the lookout basket on the main mast. Mast: the main mast just "
                     "below it. Sail: the big sail on the front mast. Stern: the high back of the "
                     "ship, on the left. Bow: its front, on the right. Rudder: the board at the "
                     "stern, in the water. Anchor: hanging by the bow. Hull: the wooden body."),
                heading("Answers: Ordering Activity (Voyages of Discovery)"),
                bullet("1492: Columbus reaches the Americas. 1497: John Cabot reaches "
                       "Newfoundland. 1498: Vasco da Gama reaches India by sea."),
                bullet("1519 to 1522: Magellan and Elcano sail round the world. 1577 to 1580: "
                       "Francis Drake sails round the world."),
                para("Each voyage scores only beside its own year."),
            }};
}

} // namespace

QList<Page> teacherNotePages() {
    return {introductionA(), introductionB(), richA(), richB(), shipsA(), shipsB()};
}

} // namespace Pages
