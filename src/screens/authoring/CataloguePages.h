#pragma once

#include <QString>

// How the catalogue's names fall into pages of 24. Pages count from 0; the last page that
// can be reached is 40, so names after number 984 are never listed.
namespace CataloguePages {

constexpr int PageSize = 24;
constexpr int LastPage = 40;

struct PageView {
    // The catalogue numbers of the names shown; none when last < first.
    int first = 1;
    int last = 0;
    bool previous = false;
    bool next = false;
    QString caption;
};

PageView pageView(int page, int worksheetCount);

// The page to show after a removal: the same one, or the last page that still has names.
int pageAfterRemoval(int page, int worksheetCount);

} // namespace CataloguePages
