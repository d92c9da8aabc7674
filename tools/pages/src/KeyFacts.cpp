#include "PageTexts.h"

namespace Pages {

namespace {

Page introductionA() {
    return {"key introductiona.wmf",
            "The Orvelles: Key Facts 1",
            Drawing::Shield,
            {
                heading("A family of kings and queens"),
                para("The Orvelles were a dynasty: one family of kings and queens who ruled one "
                     "after another for about a hundred years."),
                bullet("The badge of the Orvelle family was a golden oak tree on a red shield."),
                bullet("Their colours were red and gold."),
                heading("The first Orvelle king"),
                bullet("King Oswin was the first Orvelle king."),
                bullet("Oswin won the crown by winning a great battle, the Battle of Ferrow "
                       "Field."),
                bullet("His queen was Queen Mirabel. Their son Roderic was king after Oswin."),
                heading("Lanterlow Palace and the court"),
                bullet("The Orvelles lived at Lanterlow Palace on the River Wend."),
                bullet("They travelled on the river in a royal barge."),
                bullet("The court was all the lords, ladies and servants who lived around the "
                       "king. They held feasts in the great hall, with music and dancing."),
            }};
}

Page introductionB() {
    return {"key introductionb.wmf",
            "The Orvelles: Key Facts 2",
            Drawing::Crown,
            {
                heading("King Roderic married three times"),
                bullet("His first wife was Catrin of Lorne, the mother of Princess Isobel."),
                bullet("His second wife was Annora Vale, the mother of Princess Linnet."),
                bullet("His third wife was Elspeth Marsh, the mother of Prince Edric. Elspeth is "
                       "the queen in the family picture."),
                para("Isobel, Linnet and Edric had one father and three different mothers."),
                heading("After King Roderic"),
                bullet("When Roderic died, his son Edric became king at nine years old. Edric "
                       "ruled for six years and died young."),
                bullet("His half-sister Isobel ruled next, and then Linnet."),
                bullet("Queen Linnet was the last Orvelle ruler. She never married and had no "
                       "children, so when she died the Orvelle family stopped ruling."),
                heading("The family tree (= means married)"),
                familyTree({"King Oswin", "Queen Mirabel", "King Roderic", "Catrin of Lorne",
                            "Annora Vale", "Elspeth Marsh", "Isobel", "Linnet", "Edric"}),
            }};
}

Page richA() {
    return {"key richa.wmf",
            "Rich and Poor: Key Facts 1",
            Drawing::House,
            {
                heading("Homes"),
                bullet("Rich people lived in big houses of brick, or of oak beams and white "
                       "plaster, with glass in the windows."),
                bullet("Most poor families lived in a small cottage with only one room. The "
                       "roof was made of straw or reeds, called thatch. The walls were woven "
                       "sticks daubed with mud."),
                bullet("At night poor families burned rushes dipped in fat for light."),
                heading("Food"),
                bullet("Rich people ate plenty of meat and costly sugar. So much sugar turned "
                       "some rich people's teeth black."),
                bullet("Poor people ate bread and vegetable stew most days. Their food was "
                       "plain and it hardly ever changed."),
                heading("Clothes"),
                bullet("Rich men and women wore silk and velvet, and stiff, frilly collars "
                       "called ruffs."),
                bullet("Poor people wore plain clothes of rough wool, mended again and again."),
            }};
}

Page richB() {
    return {"key richb.wmf",
            "Rich and Poor: Key Facts 2",
            Drawing::Cottage,
            {
                heading("School"),
                bullet("Not every child went to school. Only boys from rich families were sent "
                       "to school; rich girls were taught at home."),
                bullet("Most poor children never went to school. They worked to help the "
                       "family instead."),
                heading("Health and how long people lived"),
                bullet("Rich people usually lived longer than poor people. They had more "
                       "food, warmer homes and money for doctors."),
                bullet("Life was very hard for poor people. Many fell ill and died young."),
                heading("Work"),
                bullet("Rich people had servants to do the cooking and cleaning for them."),
                bullet("Poor men, women and children worked long days in the fields and at "
                       "home to earn enough to eat."),
                bullet("Rich people did not share their big houses with the poor, and most "
                       "gave them little help."),
            }};
}

Page shipsA() {
    return {"key shipsa.wmf",
            "Ships and Explorers: Key Facts 1",
            Drawing::Ship,
            {
                heading("The age of exploration"),
                para("In the time of the Orvelles, sailors from Europe made long voyages across "
                     "oceans nobody from Europe had crossed before. This time is called the age "
                     "of exploration."),
                heading("Parts of a ship"),
                bullet("The hull is the wooden body of the ship. Its front is the bow and its "
                       "back is the stern."),
                bullet("Tall masts held up the sails, which caught the wind. The ropes that held "
                       "the masts and sails were called the rigging."),
                bullet("The crow's nest was a lookout platform high up on the mast."),
                bullet("The rudder, at the stern, steered the ship. The heavy iron anchor held it "
                       "still."),
                heading("Life on board"),
                bullet("Sailors ate ship's biscuit, a hard, dry bread that kept for months, and "
                       "salted meat."),
                bullet("With no fresh fruit or vegetables, many sailors fell ill with scurvy: "
                       "their gums bled and their teeth fell out."),
                heading("Finding the way"),
                bullet("A compass showed which way was north. An astrolabe measured how high the "
                       "sun was, to tell how far north or south the ship was."),
                bullet("A ship's boy turned an hourglass over every half hour to keep the time."),
            }};
}

Page shipsB() {
    return {"key shipsb.wmf",
            "Ships and Explorers: Key Facts 2",
            Drawing::Compass,
            {
                heading("Voyages of discovery"),
                bullet("1492: Christopher Columbus sailed west from Spain with three ships and "
                       "reached islands of the Americas. He thought he had reached Asia."),
                bullet("1497: John Cabot sailed from Bristol in a small ship, the Matthew, and "
                       "reached Newfoundland in North America."),
                bullet("1498: Vasco da Gama sailed from Portugal round the south of Africa and "
                       "reached India, the first to sail there from Europe."),
                bullet("1519 to 1522: Ferdinand Magellan set out from Spain with five ships. He "
                       "was killed on the way, and Juan Sebastian Elcano brought the last ship "
                       "home. Magellan and Elcano's ships were the first to sail all the way "
                       "round the world."),
                bullet("1577 to 1580: Francis Drake sailed round the world in the Golden Hind, "
                       "the first Englishman to do it."),
                heading("The crew"),
                bullet("The captain was in charge. Sailors climbed the rigging to work the "
                       "sails, a carpenter mended the ship and a cook made the food."),
                bullet("The youngest on board was the ship's boy."),
            }};
}

} // namespace

QList<Page> keyFactPages() {
    return {introductionA(), introductionB(), richA(), richB(), shipsA(), shipsB()};
}

} // namespace Pages
