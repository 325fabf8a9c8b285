#pragma once
// Builds version blocks node by node, for cases no resource compiler writes, and runs
// the toolchain programs the PE and ELF cases use.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace zozavud::test {

struct TestNode {
    QString Key;
    uint16_t Type = 1;
    uint16_t ValueLength = 0;
    QByteArray Value;
    std::vector<TestNode> Children;
};

QByteArray Utf16Value(const QString& text);  // with its terminating NUL
TestNode StringNode(const QString& key, const QString& text);
// A string node whose stored length is given as is.
TestNode StringNodeWithLength(const QString& key, const QString& text, uint16_t valueLength);
QByteArray FixedPart(uint32_t fileMs, uint32_t fileLs);
// Root with a fixed part, one string table "block" and one translation entry.
TestNode VersionRoot(const QString& block, std::vector<TestNode> strings, uint16_t language,
                     uint16_t codePage);
QByteArray Serialize(const TestNode& node);

// Runs program with arguments in directory; true when it ran and exited 0.
bool RunTool(const QString& program, const QStringList& arguments, const QString& directory,
             QString* output = nullptr);

}  // namespace zozavud::test
