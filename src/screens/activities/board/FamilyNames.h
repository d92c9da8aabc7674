#pragma once

#include <QString>
#include <array>

// The names of the Orvelle family on the first topic's boards, all in this one place, as the
// family picture and the topic's pages tell them: King Oswin and Queen Mirabel, their son
// King Roderic, who married three times, and one child of each marriage.
namespace FamilyNames {

inline const QString king = QStringLiteral("King Oswin");
inline const QString queen = QStringLiteral("Queen Mirabel");
inline const QString son = QStringLiteral("King Roderic");
inline const QString firstWife = QStringLiteral("Catrin of Lorne");
inline const QString secondWife = QStringLiteral("Annora Vale");
inline const QString thirdWife = QStringLiteral("Elspeth Marsh");
inline const QString firstChild = QStringLiteral("Isobel");
inline const QString secondChild = QStringLiteral("Linnet");
inline const QString thirdChild = QStringLiteral("Edric");

// The five people of the family picture, by label index: label i belongs in box i, which lies
// under that person in the picture.
inline const std::array<QString, 5> picture{
    QStringLiteral("Princess Isobel"), QStringLiteral("Queen Elspeth"),
    QStringLiteral("Prince Edric"), QStringLiteral("King Roderic"),
    QStringLiteral("Princess Linnet")};

// The family tree, by label index. Boxes 1 and 3 are the king and queen, box 0 their son, boxes
// 4, 5 and 6 his wives in turn, and boxes 8, 7 and 2 the children of those marriages.
inline const std::array<QString, 9> tree{son,        king,      thirdChild,  queen,     firstWife,
                                         secondWife, thirdWife, secondChild, firstChild};

} // namespace FamilyNames
