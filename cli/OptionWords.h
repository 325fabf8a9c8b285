#pragma once
// The words an option takes and the values they stand for, in one table that serves
// both the parser and the help text, so that no accepted word is written twice.

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <optional>
#include <vector>

namespace zozavud::cli {

// "a", "a or b", "a, b or c": the words as the help and the messages offer them.
QString JoinAsChoices(const QStringList& words);

template <typename T>
struct OptionWord {
    const char* Name;
    T Value;
    // An alias is taken as input but not offered in the help or used for output.
    bool Alias = false;
};

template <typename T>
class OptionWords {
public:
    OptionWords(std::initializer_list<OptionWord<T>> words, Qt::CaseSensitivity matching)
        : words_(words), matching_(matching) {}
    // For a table built from another one.
    OptionWords(std::vector<OptionWord<T>> words, Qt::CaseSensitivity matching)
        : words_(std::move(words)), matching_(matching) {}

    std::optional<T> Parse(const QString& text) const {
        for (const OptionWord<T>& word : words_)
            if (text.compare(QLatin1String(word.Name), matching_) == 0) return word.Value;
        return std::nullopt;
    }

    // The offered words in table order; the first one named for a value stands for it.
    QStringList Names() const {
        QStringList names;
        for (const OptionWord<T>& word : words_)
            if (!word.Alias) names << QLatin1String(word.Name);
        return names;
    }
    QString NameOf(T value) const {
        for (const OptionWord<T>& word : words_)
            if (!word.Alias && word.Value == value) return QLatin1String(word.Name);
        return QString();
    }

    QString Listed(const QString& separator = QStringLiteral(", ")) const { return Names().join(separator); }
    QString Choices() const { return JoinAsChoices(Names()); }
    const std::vector<OptionWord<T>>& Words() const { return words_; }

private:
    std::vector<OptionWord<T>> words_;
    Qt::CaseSensitivity matching_;
};

}  // namespace zozavud::cli
