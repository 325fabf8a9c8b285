#pragma once
// The numbers an option takes, each read by one rule: the value, or the message of the
// usage error, naming the option, the range it takes and the word it was given.

#include <QCommandLineParser>
#include <QString>
#include <cstdint>
#include <optional>

namespace zozavud::cli {

// Every option that takes seconds: a plain decimal ("20", "0.5"), no sign or exponent,
// within this range; read as whole milliseconds (never 0).
inline constexpr double MinOptionSeconds = 0.001;
inline constexpr double MaxOptionSeconds = 86400;

// Empty when text is such a number, milliseconds then set; else the message.
QString ReadSeconds(const QString& optionName, const QString& text, int& milliseconds);
// The option's value (or its default) through ReadSeconds; the usage exit code when bad.
std::optional<int> ReadSecondsOption(const QCommandLineParser& parser, const QCommandLineOption& option,
                                     int& milliseconds);

// --offset: rows within the editor's offset control, MinVerticalOffset..MaxVerticalOffset.
QString ReadOffset(const QString& text, int32_t& offset);

}  // namespace zozavud::cli
