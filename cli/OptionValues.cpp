#include "OptionValues.h"

#include <QRegularExpression>
#include <cmath>

#include "CliSupport.h"
#include "ImageEditing.h"
#include "ImageSet.h"
#include "TerminalText.h"

namespace zozavud::cli {

namespace {

bool Matches(const QString& text, const char* pattern) {
    return QRegularExpression(QRegularExpression::anchoredPattern(QLatin1String(pattern)))
        .match(text)
        .hasMatch();
}

}  // namespace

QString ReadSeconds(const QString& optionName, const QString& text, int& milliseconds) {
    // toDouble alone takes "nan", "inf", "1e3" and blanks.
    const double seconds = Matches(text, "[0-9]+(\\.[0-9]*)?|\\.[0-9]+") ? text.toDouble() : std::nan("");
    if (!(seconds >= MinOptionSeconds && seconds <= MaxOptionSeconds))
        return QStringLiteral("--%1 must be %2..%3 seconds, got %4")
            .arg(optionName)
            .arg(MinOptionSeconds)
            .arg(MaxOptionSeconds)
            .arg(Quoted(text));
    milliseconds = static_cast<int>(std::lround(seconds * 1000));
    return QString();
}

std::optional<int> ReadSecondsOption(const QCommandLineParser& parser, const QCommandLineOption& option,
                                     int& milliseconds) {
    const QString problem = ReadSeconds(option.names().first(), parser.value(option), milliseconds);
    if (problem.isEmpty()) return std::nullopt;
    return UsageError(parser, problem);
}

QString ReadOffset(const QString& text, int32_t& offset) {
    const int value = Matches(text, "-?[0-9]{1,9}") ? text.toInt() : MaxVerticalOffset + 1;
    if (!ImageEditing::OffsetInRange(value))
        return QStringLiteral("--offset must be %1..%2 rows, got %3")
            .arg(MinVerticalOffset)
            .arg(MaxVerticalOffset)
            .arg(Quoted(text));
    offset = value;
    return QString();
}

}  // namespace zozavud::cli
