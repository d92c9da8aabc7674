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

} // namespace

QList<Page> keyFactPages() {
    return {introductionA(), introductionB(), richA(), richB()};
}

} // namespace Pages
