#include "getver.h"

#include <QFileInfo>

#include "VersionResourceStrings.h"

namespace zozavud {

namespace {

QString AsciiLower(const QString& text) {
    QString lower = text;
    for (QChar& c : lower)
        if (c >= u'A' && c <= u'Z') c = QChar(c.unicode() + ('a' - 'A'));
    return lower;
}

}  // namespace

TGetVersionInfoFromFile::TGetVersionInfoFromFile(QObject* owner) : QObject(owner) {}

const QStringList& TGetVersionInfoFromFile::VersionKeyList() { return zozavud::VersionKeyList(); }

void TGetVersionInfoFromFile::setFileName(const QString& path) {
    versionStrings_.clear();
    versionCategories_.clear();
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || info.isDir()) {
        fileName_.clear();
        return;
    }
    fileName_ = path;
    ReadVersionInfo();
}

void TGetVersionInfoFromFile::ReadVersionInfo() {
    // Replaces the lists, so that reading again never leaves duplicates.
    versionStrings_.clear();
    versionCategories_.clear();
    if (fileName_.isEmpty()) return;
    VersionStringTable found = ReadVersionStrings(fileName_);
    versionCategories_ = std::move(found.Categories);
    versionStrings_ = std::move(found.Values);
}

QString TGetVersionInfoFromFile::GetVersionValue(const QString& key) const {
    const QString wanted = AsciiLower(key);
    for (qsizetype i = 0; i < versionCategories_.size(); ++i)
        if (AsciiLower(versionCategories_[i]) == wanted) return versionStrings_[i];
    return QString();
}

}  // namespace zozavud
