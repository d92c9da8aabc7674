#pragma once

#include <QString>
#include <QStringView>

// The named character references of HTML ("eacute", "frac12", "NotEqualTilde"), as the
// learning platform's pages show them.
namespace HtmlEntities {

// The characters a name without its '&' and ';' stands for, or an empty string.
QString lookup(QStringView name);

} // namespace HtmlEntities
