// Morvane Hollicot formula parser.
// The tokenizer.
#include "platform/hollicot/Lexer.h"

#include "platform/hollicot/ErrorCode.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

namespace hollicot {

namespace {

constexpr std::string_view kForbidden = "~!@#$^&{}|<>?'[]:";
constexpr std::string_view kPunctuation = "+-*/%,()=.;";

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isLetterOrDigit(char c)
{
    return isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isSkippedBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

class Lexer
{
public:
    explicit Lexer(std::string_view text) : m_text(text)
    {
        m_tokens.reserve(text.size() / 2 + 1);
    }

    TokenList run()
    {
        while (skipBlanksAndComments())
            readToken();
        return std::move(m_tokens);
    }

private:
    bool skipBlanksAndComments()
    {
        while (m_pos < m_text.size()) {
            if (isSkippedBlank(m_text[m_pos])) {
                ++m_pos;
            } else if (m_text.substr(m_pos, 2) == "//") {
                const std::size_t end = m_text.find('\n', m_pos);
                m_pos = end == std::string_view::npos ? m_text.size() : end;
            } else {
                return true;
            }
        }
        return false;
    }

    char at(std::size_t pos) const { return pos < m_text.size() ? m_text[pos] : '\0'; }

    std::size_t nameRunEnd(std::size_t pos) const
    {
        while (pos < m_text.size() && isNameCharacter(m_text[pos]))
            ++pos;
        return pos;
    }

    void add(TokenKind kind, std::size_t length)
    {
        Token token;
        token.kind = kind;
        token.offset = m_pos;
        token.length = length;
        m_tokens.push_back(token);
        m_pos += length;
    }

    void addBad(std::size_t length, int code)
    {
        add(TokenKind::Bad, length);
        m_tokens.back().error = code;
    }

    void readToken()
    {
        const char c = m_text[m_pos];
        if (isDigit(c) || (c == '.' && isDigit(at(m_pos + 1))))
            return readNumber();
        if (c == '.')
            return readDot();
        if (c == '%')
            return readFunction();
        if (isNameCharacter(c))
            return add(TokenKind::Name, nameRunEnd(m_pos) - m_pos);
        if (const TokenKind kind = punctuationKind(c); kind != TokenKind::Bad)
            return add(kind, 1);
        addBad(1, kBadCharacter);
    }

    static TokenKind punctuationKind(char c)
    {
        switch (c) {
        case '(': return TokenKind::Open;
        case ')': return TokenKind::Close;
        case ',': return TokenKind::Comma;
        case '+': return TokenKind::Plus;
        case '-': return TokenKind::Minus;
        case '*': return TokenKind::Star;
        case '/': return TokenKind::Slash;
        case '=': return TokenKind::Equals;
        case ';':
        case '\n': return TokenKind::Separator;
        default: return TokenKind::Bad;
        }
    }

    // The end of the longest number at m_pos; plain tells whether it has neither '.' nor an
    // exponent.
    std::size_t numberEnd(bool &plain) const
    {
        std::size_t pos = m_pos;
        while (isDigit(at(pos)))
            ++pos;
        plain = true;
        if (at(pos) == '.') {
            plain = false;
            ++pos;
            while (isDigit(at(pos)))
                ++pos;
        }
        if (at(pos) == 'e' || at(pos) == 'E') {
            std::size_t digits = pos + 1;
            if (at(digits) == '+' || at(digits) == '-')
                ++digits;
            if (isDigit(at(digits))) {
                plain = false;
                pos = digits;
                while (isDigit(at(pos)))
                    ++pos;
            }
        }
        return pos;
    }

    void readNumber()
    {
        bool plain = true;
        const std::size_t end = numberEnd(plain);
        if (isNameCharacter(at(end))) {
            // "3XL" is a name; "2.5x" is a number run into a name.
            const std::size_t runEnd = nameRunEnd(end);
            if (plain)
                return add(TokenKind::Name, runEnd - m_pos);
            return addBad(runEnd - m_pos, kBadNumber);
        }
        double value = 0;
        const char *first = m_text.data() + m_pos;
        const auto [last, error] = std::from_chars(first, m_text.data() + end, value);
        if (error != std::errc() || last != m_text.data() + end || !std::isfinite(value))
            return addBad(end - m_pos, kBadNumber);
        add(TokenKind::Number, end - m_pos);
        m_tokens.back().value = value;
    }

    bool followsName() const
    {
        return !m_tokens.empty() && m_tokens.back().kind == TokenKind::Name &&
               m_tokens.back().offset + m_tokens.back().length == m_pos;
    }

    void readDot()
    {
        const char axis = at(m_pos + 1);
        const bool isAxis = axis == 'X' || axis == 'x' || axis == 'Y' || axis == 'y';
        if (!followsName() || !isAxis || isNameCharacter(at(m_pos + 2)))
            return addBad(1, kUnexpectedToken);
        add(TokenKind::Component, 2);
        m_tokens.back().axis = axis == 'X' || axis == 'x' ? 0 : 1;
    }

    void readFunction()
    {
        std::size_t end = m_pos + 1;
        while (isLetterOrDigit(at(end)))
            ++end;
        if (end == m_pos + 1)
            return addBad(1, kBadCharacter);
        add(TokenKind::Function, end - m_pos);
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    TokenList m_tokens;
};

} // namespace

bool isNameCharacter(char c)
{
    static const std::array<bool, 256> table = [] {
        std::array<bool, 256> names{};
        for (int byte = 0x21; byte < 0x100; ++byte) {
            const char c = static_cast<char>(byte);
            names[static_cast<std::size_t>(byte)] =
                byte >= 0x80 || (byte != 0x7F && kForbidden.find(c) == std::string_view::npos &&
                                 kPunctuation.find(c) == std::string_view::npos);
        }
        return names;
    }();
    return table[static_cast<unsigned char>(c)];
}

bool isName(std::string_view text)
{
    const TokenList tokens = tokenize(text);
    return tokens.size() == 1 && tokens.front().kind == TokenKind::Name &&
           tokens.front().length == text.size();
}

TokenList tokenize(std::string_view text)
{
    return Lexer(text).run();
}

} // namespace hollicot
