// The words an option's value is read from: each rule in one table, at its edges.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

#include "ListenEndpoint.h"
#include "OptionValues.h"
#include "TerminalText.h"

namespace zozavud::cli {
namespace {

TEST(OptionSeconds, NanInfinityAndWordsBelowAMillisecondAreRefusedNotTakenAsForeverOrNow) {
    const struct {
        const char* Text;
        int Milliseconds;  // 0: refused
    } cases[] = {
        {"60", 60000}, {"1.5", 1500}, {".5", 500}, {"0.001", 1}, {"0.0014", 1}, {"86400", 86400000},
        {"nan", 0},    {"inf", 0},    {"-1", 0},   {"0", 0},     {"0.0009", 0}, {"86400.001", 0},
        {"1e3", 0},    {" 5", 0},     {"+5", 0},   {"", 0},      {"0x10", 0},   {"\u0665", 0},
    };
    for (const auto& c : cases) {
        int milliseconds = -1;
        const QString problem = ReadSeconds("timeout", QString::fromUtf8(c.Text), milliseconds);
        EXPECT_EQ(problem.isEmpty() ? milliseconds : 0, c.Milliseconds) << c.Text;
        if (c.Milliseconds == 0) {
            EXPECT_EQ(problem,
                      QStringLiteral("--timeout must be 0.001..86400 seconds, got '%1'").arg(c.Text));
        }
    }
}

TEST(OptionOffset, OffsetsBeyondTheOffsetControlAreRefusedNotStored) {
    const struct {
        const char* Text;
        std::optional<int32_t> Offset;
    } cases[] = {
        {"-24", -24}, {"24", 24},   {"0", 0},           {"-3", -3},          {"25", {}},
        {"-25", {}},  {"1000", {}}, {"2147483647", {}}, {"-2147483647", {}}, {"99999999999", {}},
        {"+5", {}},   {" 5", {}},   {"5 ", {}},         {"abc", {}},         {"", {}},
    };
    for (const auto& c : cases) {
        int32_t offset = 99;
        const QString problem = ReadOffset(c.Text, offset);
        EXPECT_EQ(problem.isEmpty() ? std::optional<int32_t>(offset) : std::nullopt, c.Offset) << c.Text;
        if (!c.Offset) {
            EXPECT_EQ(problem, QStringLiteral("--offset must be -24..24 rows, got '%1'").arg(c.Text));
        }
    }
}

TEST(OptionListen, LooseAddressesAndPortsAreRefusedAndExposedOnesWarnedOf) {
    const struct {
        const char* Text;
        const char* Endpoint;
        bool Exposed;
    } taken[] = {
        {"127.0.0.1:9100", "127.0.0.1:9100", false},
        {"localhost:0", "127.0.0.1:0", false},
        {"[::1]:65535", "[::1]:65535", false},
        {"0.0.0.0:9100", "0.0.0.0:9100", true},
        {"[::]:9100", "[::]:9100", true},
        {"192.0.2.7:1", "192.0.2.7:1", true},
    };
    for (const auto& c : taken) {
        const std::optional<Endpoint> endpoint = ParseEndpoint(c.Text);
        ASSERT_TRUE(endpoint) << c.Text;
        EXPECT_EQ(EndpointText(endpoint->Address, endpoint->Port), c.Endpoint);
        EXPECT_EQ(ExposureWarning(*endpoint),
                  c.Exposed
                      ? QStringLiteral("listening on %1 accepts jobs from other machines").arg(c.Endpoint)
                      : QString());
    }
    for (const char* refused :
         {"127.0.0.1:+5", "127.0.0.1: 5", " 5", "127.0.0.1:65536", "127.0.0.1:", "127.0.0.1", "2130706433:0",
          "1.2.3:0", "0:0", "127.0.0.01:1", "256.0.0.1:1", "[127.0.0.1]:1", "::1:5", "example.com:1"})
        EXPECT_FALSE(ParseEndpoint(refused)) << refused;
}

TEST(JsonForTerminal, DelAndC1ControlsThatJsonLeavesRawAreEscapedAndReadBackTheSame) {
    const struct {
        const char16_t* Text;
        const char* Json;
    } cases[] = {
        {u"a\u009db\u0090c\u008d", R"({"t":"a\u009db\u0090c\u008d"})"},
        {u"\u007f\u0080\u009f\u00a0", "{\"t\":\"\\u007f\\u0080\\u009f\xc2\xa0\"}"},
        {u"\u202e\u2028", R"({"t":"\u202e\u2028"})"},
        {u"\x1b\\\"", R"({"t":"\u001b\\\""})"},
        {u"é 联 😀", "{\"t\":\"\xc3\xa9 \xe8\x81\x94 \xf0\x9f\x98\x80\"}"},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.Text);
        const QString json = EscapeJsonForTerminal(
            QString::fromUtf8(QJsonDocument(QJsonObject{{"t", text}}).toJson(QJsonDocument::Compact)));
        EXPECT_EQ(json, QString::fromUtf8(c.Json));
        EXPECT_EQ(QJsonDocument::fromJson(json.toUtf8()).object()["t"].toString(), text) << c.Json;
    }
}

}  // namespace
}  // namespace zozavud::cli
