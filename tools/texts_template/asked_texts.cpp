#include "asked_texts.h"

namespace korvalin {

namespace {

// Marks every line of an answer; no text of the game holds it.
constexpr char Answered = '\x7f';
// How gettext joins a context to its text.
constexpr char ContextSeparator = '\004';

std::string marked(std::string_view text)
{
    std::string answer(1, Answered);
    for (char c : text) {
        answer += c;
        if (c == '\n')
            answer += Answered;
    }
    return answer;
}

// What the stand-in gives for the catalogue's header, asked for to learn
// whether the catalogue was read.
constexpr const char* Header = "Content-Type: text/plain; charset=UTF-8\n";

}  // namespace

const char* AskedTexts::answer(std::string_view key)
{
    if (key.empty())
        return Header;
    if (key.find(Answered) != std::string_view::npos)
        return nullptr;
    const std::size_t separator = key.find(ContextSeparator);
    TextKey asked = separator == std::string_view::npos
                        ? TextKey{"", std::string(key)}
                        : TextKey{std::string(key.substr(0, separator)),
                                  std::string(key.substr(separator + 1))};
    if (seen_.insert(asked).second)
        asked_.push_back(asked);
    if (!asked.context.empty() && !keptApart_.contains(asked))
        return nullptr;
    return answers_.insert(marked(asked.id)).first->c_str();
}

std::vector<TextKey> AskedTexts::keys() const
{
    std::vector<TextKey> keys;
    for (const TextKey& key : asked_) {
        const bool offeredOnly = !key.context.empty() && !keptApart_.contains(key) &&
                                 seen_.contains(TextKey{"", key.id});
        if (!offeredOnly)
            keys.push_back(key);
    }
    return keys;
}

}  // namespace korvalin
