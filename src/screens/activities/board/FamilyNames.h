#pragma once

#include <QString>
#include <array>

// The names of the Orvelle family on the first topic's boards, all in this one place. These
// are stand-ins until the topic's own names are settled: a king and queen, their son who
// married three times, and one child of each marriage.
namespace FamilyNames {

inline const QString king = QStringLiteral("Osric");
inline const QString queen = QStringLiteral("Elowen");
inline const QString son = QStringLiteral("Corwin");
inline const QString firstWife = QStringLiteral("Isolde");
inline const QString secondWife = QStringLiteral("Rowena");
inline const QString thirdWife = QStringLiteral("Brielle");
inline const QString firstChild = QStringLiteral("Marigold");
inline const QString secondChild = QStringLiteral("Liesel");
inline const QString thirdChild = QStringLiteral("Tobias");

// The five people of the family picture, by label index: label i belongs in box i.
inline const std::array<QString, 5> picture{son, thirdWife, firstChild, secondChild, thirdChild};

// The family tree, by label index. Boxes 1 and 3 are the king and queen, box 0 their son, boxes
// 4, 5 and 6 his wives in turn, and boxes 8, 7 and 2 the children of those marriages.
inline const std::array<QString, 9> tree{son,        king,      thirdChild,  queen,     firstWife,
                                         secondWife, thirdWife, secondChild, firstChild};

} // namespace FamilyNames
