#pragma once
// The standard string values of a file's version information, read key by key in a
// fixed order. Shared by the About dialog's component and the command-line tool.

#include <QString>
#include <QStringList>

namespace zozavud {

// "CompanyName" ... "Comments": the keys read, in this order.
const QStringList& VersionKeyList();

struct VersionStringTable {
    QStringList Categories;  // the keys found
    QStringList Values;      // their values, parallel to Categories
};

// Reads the first translation's string table. Stops at the first key that is missing, so
// later keys are not read; a value of length zero adds nothing. Empty lists when the file
// has no version information, no root block or no translation.
VersionStringTable ReadVersionStrings(const QString& path);

}  // namespace zozavud
