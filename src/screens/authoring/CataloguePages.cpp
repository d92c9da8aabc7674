#include "screens/authoring/CataloguePages.h"

#include "app/Messages.h"

#include <algorithm>

namespace CataloguePages {

PageView pageView(int page, int worksheetCount) {
    PageView view;
    view.first = PageSize * page + 1;
    const bool more = worksheetCount >= PageSize * page + PageSize + 1;
    view.last = more ? PageSize * page + PageSize : worksheetCount;
    view.previous = page != 0;
    view.next = page != LastPage && more;
    view.caption = QStringLiteral("Page") + numberText(page + 1);
    return view;
}

int pageAfterRemoval(int page, int worksheetCount) {
    const int lastWithNames = worksheetCount <= 0 ? 0 : (worksheetCount - 1) / PageSize;
    return std::clamp(lastWithNames, 0, std::max(page, 0));
}

} // namespace CataloguePages
