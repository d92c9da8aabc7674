#include "screens/activities/board/BoardLayouts.h"

#include "screens/activities/board/FamilyNames.h"

namespace BoardLayouts {

namespace {

template <std::size_t N> QStringList listOf(const std::array<QString, N>& names) {
    return QStringList(names.begin(), names.end());
}

} // namespace

BoardData orvelleslab() {
    BoardData data;
    data.screenName = QStringLiteral("orvelleslab");
    data.layout = {1845,
                   375,
                   {{720, 6600}, {7320, 6480}, {3120, 6720}, {5040, 6480}, {9720, 6480}},
                   {{5040, 7440}, {960, 7440}, {3000, 7440}, {9120, 7440}, {7080, 7440}},
                   Board::Scoring::OwnBox};
    data.captions = listOf(FamilyNames::picture);
    data.titleRect = {0, 120, 4425, 705};
    return data;
}

BoardData richlab() {
    BoardData data;
    data.screenName = QStringLiteral("richlab");
    data.layout = {1845,
                   375,
                   {{6600, 6120}, {9600, 6120}, {3960, 6120}, {840, 6120}},
                   {{1800, 7440}, {6120, 7440}, {8280, 7440}, {3960, 7440}},
                   Board::Scoring::OwnBox};
    data.captions = {QStringLiteral("Poor Woman"), QStringLiteral("Rich Man"),
                     QStringLiteral("Poor Man"), QStringLiteral("Rich Woman")};
    data.titleRect = {0, 120, 4425, 705};
    return data;
}

BoardData orvellesord() {
    BoardData data;
    data.screenName = QStringLiteral("orvellesord");
    data.layout = {2115,
                   375,
                   {{1440, 3720},
                    {120, 2160},
                    {8280, 5280},
                    {2880, 2160},
                    {4080, 3720},
                    {6840, 3720},
                    {9600, 3720},
                    {5520, 5280},
                    {2760, 5280}},
                   {{2760, 6840},
                    {5040, 6840},
                    {7320, 6840},
                    {6120, 7320},
                    {3840, 7320},
                    {1560, 7320},
                    {9600, 6840},
                    {8400, 7320},
                    {480, 6840}},
                   Board::Scoring::OwnBox};
    data.captions = listOf(FamilyNames::tree);
    data.titleRect = {0, 0, 4425, 705};
    return data;
}

BoardData richord() {
    BoardData data;
    data.screenName = QStringLiteral("richord");
    // Boxes 0 to 3 are the "False" column, 4 to 7 the "True" column.
    data.layout = {5685,
                   375,
                   {{6120, 3720},
                    {6120, 3120},
                    {6120, 2520},
                    {6120, 4320},
                    {120, 2520},
                    {120, 3120},
                    {120, 3720},
                    {120, 4320}},
                   {{6120, 6840},
                    {120, 7320},
                    {6120, 5880},
                    {120, 5880},
                    {120, 6360},
                    {6120, 7320},
                    {6120, 6360},
                    {120, 6840}},
                   Board::Scoring::ByColumn};
    data.captions = {QStringLiteral("All children went to school"),
                     QStringLiteral("Poor people lived the longest in Orvelle times"),
                     QStringLiteral("Poor Orvelle people ate rich and varied food"),
                     QStringLiteral("Rich people had small houses and helped the poor"),
                     QStringLiteral("Life was very hard for poor Orvelle people"),
                     QStringLiteral("Rich people lived the longest in Orvelle times"),
                     QStringLiteral("The Rich had black teeth from eating costly sugar"),
                     QStringLiteral("Only boys from rich families were sent to school")};
    data.labelPoints = 11.25;
    data.titleRect = {0, 120, 3465, 705};
    data.titlePoints = 27.75;
    return data;
}

} // namespace BoardLayouts
