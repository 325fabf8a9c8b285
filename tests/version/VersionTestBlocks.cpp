#include "VersionTestBlocks.h"

#include <QProcess>

namespace zozavud::test {

namespace {

void Put16(QByteArray& out, uint32_t value) {
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

void Align(QByteArray& out) {
    while (out.size() % 4) out.append('\0');
}

}  // namespace

QByteArray Utf16Value(const QString& text) {
    QByteArray out;
    for (QChar c : text) Put16(out, c.unicode());
    Put16(out, 0);
    return out;
}

TestNode StringNode(const QString& key, const QString& text) {
    return {key, 1, uint16_t(text.size() + 1), Utf16Value(text), {}};
}

TestNode StringNodeWithLength(const QString& key, const QString& text, uint16_t valueLength) {
    return {key, 1, valueLength, valueLength == 0 ? QByteArray() : Utf16Value(text), {}};
}

QByteArray FixedPart(uint32_t fileMs, uint32_t fileLs) {
    QByteArray out;
    for (uint32_t field :
         {0xFEEF04BDu, 0x10000u, fileMs, fileLs, fileMs, fileLs, 0x3Fu, 0u, 0x40004u, 1u, 0u, 0u, 0u}) {
        Put16(out, field & 0xFFFF);
        Put16(out, field >> 16);
    }
    return out;
}

TestNode VersionRoot(const QString& block, std::vector<TestNode> strings, uint16_t language,
                     uint16_t codePage) {
    QByteArray translation;
    Put16(translation, language);
    Put16(translation, codePage);
    TestNode table{block, 1, 0, {}, std::move(strings)};
    TestNode stringInfo{"StringFileInfo", 1, 0, {}, {table}};
    TestNode varInfo{"VarFileInfo", 1, 0, {}, {{"Translation", 0, 4, translation, {}}}};
    const QByteArray fixed = FixedPart(0x00010000, 0x0001001C);
    return {"VS_VERSION_INFO", 0, uint16_t(fixed.size()), fixed, {stringInfo, varInfo}};
}

QByteArray Serialize(const TestNode& node) {
    QByteArray out(6, '\0');
    out += Utf16Value(node.Key);
    Align(out);
    out += node.Value;
    for (const TestNode& child : node.Children) {
        Align(out);
        out += Serialize(child);
    }
    out[0] = char(out.size() & 0xFF);
    out[1] = char((out.size() >> 8) & 0xFF);
    out[2] = char(node.ValueLength & 0xFF);
    out[3] = char(node.ValueLength >> 8);
    out[4] = char(node.Type);
    return out;
}

bool RunTool(const QString& program, const QStringList& arguments, const QString& directory,
             QString* output) {
    QProcess process;
    process.setWorkingDirectory(directory);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) return false;
    if (output) *output = QString::fromLocal8Bit(process.readAll());
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

}  // namespace zozavud::test
