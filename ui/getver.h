#pragma once
// Loads the standard string values of a file's version information and answers lookups
// by key. Qt Core only.

#include <QObject>
#include <QString>
#include <QStringList>

namespace zozavud {

class TGetVersionInfoFromFile : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString fileName READ fileName WRITE setFileName)
    Q_PROPERTY(QStringList VersionStrings READ VersionStrings)
    Q_PROPERTY(QStringList VersionCategories READ VersionCategories)

public:
    explicit TGetVersionInfoFromFile(QObject* owner = nullptr);

    // The keys read, in this order.
    static const QStringList& VersionKeyList();

    QString fileName() const { return fileName_; }
    // Clears both lists; reads the file when it exists, else stores the empty string.
    void setFileName(const QString& path);

    // Read-only: the values found and, parallel to them, their keys.
    QStringList VersionStrings() const { return versionStrings_; }
    QStringList VersionCategories() const { return versionCategories_; }

    // Fills both lists from fileName, stopping at the first key that is missing.
    void ReadVersionInfo();
    // The value of key (ASCII letters matched without case), or the empty string.
    QString GetVersionValue(const QString& key) const;

private:
    QString fileName_;
    QStringList versionStrings_;
    QStringList versionCategories_;
};

}  // namespace zozavud
