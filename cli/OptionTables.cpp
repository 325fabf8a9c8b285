#include "OptionTables.h"

#include "ImageSet.h"

namespace zozavud::cli {

const OptionWords<CommandKind>& CommandKindWords() {
    static const OptionWords<CommandKind> words = [] {
        std::vector<OptionWord<CommandKind>> table;
        for (const CommandLayout& layout : CommandLayouts) table.push_back({layout.Word, layout.Kind});
        return OptionWords<CommandKind>(std::move(table), Qt::CaseSensitive);
    }();
    return words;
}

const OptionWords<MessageLanguage>& LanguageWords() {
    static const OptionWords<MessageLanguage> words({{"en", MessageLanguage::English},
                                                     {"ja", MessageLanguage::Japanese},
                                                     {"fr", MessageLanguage::French},
                                                     {"de", MessageLanguage::German},
                                                     {"es", MessageLanguage::Spanish},
                                                     {"it", MessageLanguage::Italian},
                                                     {"zh", MessageLanguage::Chinese}},
                                                    Qt::CaseInsensitive);
    return words;
}

const OptionWords<DitherMethod>& DitherWords() {
    static const OptionWords<DitherMethod> words({{"none", DitherMethod::None},
                                                  {"floyd-steinberg", DitherMethod::FloydSteinberg},
                                                  {"atkinson", DitherMethod::Atkinson},
                                                  {"bayer", DitherMethod::Bayer}},
                                                 Qt::CaseInsensitive);
    return words;
}

const OptionWords<PictureFit>& FitWords() {
    static const OptionWords<PictureFit> words({{"none", PictureFit::None},
                                                {"width", PictureFit::Width},
                                                {"height", PictureFit::Height},
                                                {"contain", PictureFit::Contain}},
                                               Qt::CaseInsensitive);
    return words;
}

const OptionWords<bool>& SwitchWords() {
    static const OptionWords<bool> words({{"on", true}, {"off", false}}, Qt::CaseInsensitive);
    return words;
}

const OptionWords<uint8_t>& StyleWords() {
    static const OptionWords<uint8_t> words({{"bold", FontStyleBold},
                                             {"italic", FontStyleItalic},
                                             {"underline", FontStyleUnderline},
                                             {"strikeout", FontStyleStrikeOut},
                                             {"regular", 0, true},
                                             {"none", 0, true}},
                                            Qt::CaseInsensitive);
    return words;
}

std::optional<uint8_t> ParseStyleList(const QString& text) {
    uint8_t style = 0;
    for (const QString& part : text.split(',', Qt::SkipEmptyParts)) {
        const std::optional<uint8_t> bit = StyleWords().Parse(part.trimmed());
        if (!bit) return std::nullopt;
        style |= *bit;
    }
    return style;
}

QString StyleListText(uint8_t style) {
    QStringList names;
    for (const OptionWord<uint8_t>& word : StyleWords().Words())
        if (!word.Alias && (style & word.Value)) names << QLatin1String(word.Name);
    return names.join(',');
}

}  // namespace zozavud::cli
