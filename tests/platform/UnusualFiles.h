#pragma once
// Each maker puts something that is not a regular file at path; false when it cannot here.
#include <QString>

namespace zozavud {

bool MakeFifo(const QString& path);
bool MakeSocket(const QString& path);
// A null device of our own: only root may make one, and replacing it would harm nothing.
bool MakeDevice(const QString& path);
bool MakeFolder(const QString& path);
bool MakeLinkToFifo(const QString& path);

}  // namespace zozavud
