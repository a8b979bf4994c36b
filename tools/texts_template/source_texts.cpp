#include "source_texts.h"

#include <cctype>
#include <cstdint>

namespace korvalin {

namespace {

struct Token {
    enum class Kind { Word, Literal, Mark };
    Kind kind;
    std::string text;  // the word, the literal's bytes, or the mark
    int line;
};

bool isWordStart(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}

bool isWordPart(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

void appendUtf8(std::string& out, std::uint32_t codePoint)
{
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// Reads C++ source into words, literals and single-character marks; comments
// and white space fall away, and so do numbers, whose digit separators would
// otherwise read as the start of a character literal.
class Scanner {
public:
    explicit Scanner(std::string_view code) : code_(code) {}

    std::vector<Token> tokens()
    {
        std::vector<Token> tokens;
        while (at_ < code_.size()) {
            const char c = code_[at_];
            const char next = peek(1);
            if (c == '\n') {
                ++line_;
                ++at_;
            } else if (std::isspace(static_cast<unsigned char>(c))) {
                ++at_;
            } else if (c == '/' && next == '/') {
                while (at_ < code_.size() && code_[at_] != '\n')
                    ++at_;
            } else if (c == '/' && next == '*') {
                skipBlockComment();
            } else if (std::isdigit(static_cast<unsigned char>(c))) {
                while (at_ < code_.size() &&
                       (isWordPart(code_[at_]) || code_[at_] == '.' || code_[at_] == '\''))
                    ++at_;
            } else if (isWordStart(c)) {
                word(tokens);
            } else if (c == '"') {
                const int line = line_;
                tokens.push_back({Token::Kind::Literal, quoted(), line});
            } else if (c == '\'') {
                quoted();
            } else {
                tokens.push_back({Token::Kind::Mark, std::string(1, c), line_});
                ++at_;
            }
        }
        return tokens;
    }

private:
    char peek(std::size_t ahead) const
    {
        return at_ + ahead < code_.size() ? code_[at_ + ahead] : '\0';
    }

    void skipBlockComment()
    {
        at_ += 2;
        while (at_ < code_.size() && !(code_[at_] == '*' && peek(1) == '/')) {
            if (code_[at_] == '\n')
                ++line_;
            ++at_;
        }
        at_ += 2;
    }

    // A word, or the prefix of the literal that follows it.
    void word(std::vector<Token>& tokens)
    {
        const std::size_t start = at_;
        while (at_ < code_.size() && isWordPart(code_[at_]))
            ++at_;
        const std::string_view word = code_.substr(start, at_ - start);
        const bool beforeQuote = at_ < code_.size() && (code_[at_] == '"' || code_[at_] == '\'');
        if (beforeQuote &&
            (word == "R" || word == "u8R" || word == "uR" || word == "UR" || word == "LR")) {
            const int line = line_;
            tokens.push_back({Token::Kind::Literal, raw(), line});
        } else if (!(beforeQuote && (word == "u8" || word == "u" || word == "U" || word == "L"))) {
            tokens.push_back({Token::Kind::Word, std::string(word), line_});
        }
    }

    // A literal between quotes (the one it starts with), its escapes undone.
    std::string quoted()
    {
        const char quote = code_[at_++];
        std::string text;
        while (at_ < code_.size() && code_[at_] != quote) {
            if (code_[at_] == '\\')
                escape(text);
            else
                text += code_[at_++];
        }
        ++at_;
        return text;
    }

    void escape(std::string& text)
    {
        ++at_;
        const char c = code_[at_++];
        switch (c) {
            case 'n':
                text += '\n';
                return;
            case 't':
                text += '\t';
                return;
            case 'r':
                text += '\r';
                return;
            case 'a':
                text += '\a';
                return;
            case 'b':
                text += '\b';
                return;
            case 'f':
                text += '\f';
                return;
            case 'v':
                text += '\v';
                return;
            case 'x':
                text += static_cast<char>(digits(16, 8));
                return;
            case 'u':
                appendUtf8(text, digits(16, 4));
                return;
            case 'U':
                appendUtf8(text, digits(16, 8));
                return;
            case '\n':
                ++line_;
                return;  // a line continued
            default:
                break;
        }
        if (c >= '0' && c <= '7') {
            --at_;
            text += static_cast<char>(digits(8, 3));
        } else {
            text += c;  // \\ \" \' \?
        }
    }

    std::uint32_t digits(int base, int most)
    {
        std::uint32_t value = 0;
        for (int i = 0; i < most && at_ < code_.size(); ++i) {
            const char c = code_[at_];
            const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                              : std::isxdigit(static_cast<unsigned char>(c))
                                  ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                                  : base;
            if (digit >= base)
                break;
            value = value * base + digit;
            ++at_;
        }
        return value;
    }

    // R"delimiter( ... )delimiter"
    std::string raw()
    {
        const std::size_t open = code_.find('(', at_);
        if (open == std::string_view::npos) {
            at_ = code_.size();
            return {};
        }
        const std::string close = ")" + std::string(code_.substr(at_ + 1, open - at_ - 1)) + "\"";
        const std::size_t end = code_.find(close, open);
        const std::string text(code_.substr(open + 1, end - open - 1));
        for (char c : text)
            line_ += c == '\n';
        at_ = end == std::string_view::npos ? code_.size() : end + close.size();
        return text;
    }

    std::string_view code_;
    std::size_t at_ = 0;
    int line_ = 1;
};

bool isMark(const std::vector<Token>& tokens, std::size_t i, char mark)
{
    return i < tokens.size() && tokens[i].kind == Token::Kind::Mark && tokens[i].text[0] == mark;
}

bool isLiteral(const std::vector<Token>& tokens, std::size_t i)
{
    return i < tokens.size() && tokens[i].kind == Token::Kind::Literal;
}

// The name an argument ends in (a constant, a table's field) when it is
// the call's only one: tr(capital_texts::Heading), tr(good->diaryLine).
std::optional<std::string> namedArgument(const std::vector<Token>& tokens, std::size_t start)
{
    int depth = 0;
    for (std::size_t i = start; i < tokens.size(); ++i) {
        if (isMark(tokens, i, '(') || isMark(tokens, i, '['))
            ++depth;
        else if (isMark(tokens, i, ']'))
            --depth;
        else if (isMark(tokens, i, ')') && depth-- == 0)
            return i > start && tokens[i - 1].kind == Token::Kind::Word
                       ? std::optional(tokens[i - 1].text)
                       : std::nullopt;
        else if (depth == 0 && isMark(tokens, i, ','))
            return std::nullopt;
    }
    return std::nullopt;
}

// Literals side by side are one, as the compiler joins them.
std::vector<Token> joinLiterals(std::vector<Token> tokens)
{
    std::vector<Token> joined;
    for (Token& token : tokens) {
        if (token.kind == Token::Kind::Literal && !joined.empty() &&
            joined.back().kind == Token::Kind::Literal)
            joined.back().text += token.text;
        else
            joined.push_back(std::move(token));
    }
    return joined;
}

}  // namespace

SourceTexts scanSource(std::string_view code)
{
    const std::vector<Token> tokens = joinLiterals(Scanner(code).tokens());
    SourceTexts texts;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        if (token.kind == Token::Kind::Literal) {
            texts.literals.push_back({token.text, token.line});
            const bool whole = isMark(tokens, i + 1, ',') || isMark(tokens, i + 1, ';') ||
                               isMark(tokens, i + 1, '}');
            if (whole && i >= 2 && isMark(tokens, i - 1, '=') &&
                tokens[i - 2].kind == Token::Kind::Word)
                texts.named.push_back({tokens[i - 2].text, token.text});
        }
        if (token.kind == Token::Kind::Word && isMark(tokens, i + 1, '=') &&
            i + 3 < tokens.size() && tokens[i + 2].kind == Token::Kind::Word &&
            isMark(tokens, i + 3, ';'))
            texts.renamed.push_back({token.text, tokens[i + 2].text});
        if (token.kind != Token::Kind::Word || (token.text != "tr" && token.text != "qtr") ||
            !isMark(tokens, i + 1, '('))
            continue;
        if (isLiteral(tokens, i + 2) && isMark(tokens, i + 3, ')')) {
            texts.translated.push_back({"", tokens[i + 2].text});
        } else if (token.text == "tr" && isLiteral(tokens, i + 2) && isMark(tokens, i + 3, ',') &&
                   isLiteral(tokens, i + 4) && isMark(tokens, i + 5, ')')) {
            texts.translated.push_back({tokens[i + 2].text, tokens[i + 4].text});
        } else if (const std::optional<std::string> name = namedArgument(tokens, i + 2)) {
            texts.translatedNames.push_back(*name);
        }
    }
    return texts;
}

bool holdsJapanese(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if ((lead == 0xE3 && next >= 0x80 && next <= 0x83) || (lead >= 0xE4 && lead <= 0xE9) ||
            (lead == 0xEF && next >= 0xBC && next <= 0xBE))
            return true;
    }
    return false;
}

}  // namespace korvalin
