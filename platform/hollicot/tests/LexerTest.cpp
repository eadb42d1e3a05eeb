// Morvane Hollicot formula parser tests.
// Tokens of formula texts: names, numbers, components, functions and bytes that start no token.
#include "platform/hollicot/Lexer.h"

#include "platform/hollicot/ErrorCode.h"

#include "ScopedLocale.h"

#include <gtest/gtest.h>
#include <string>

using namespace hollicot;

namespace {

// One letter per token: N number, n name, c component, f function, ( ) , + - * / = ; and
// ! for a Bad token.
std::string shape(std::string_view text)
{
    std::string letters;
    for (const Token &token : tokenize(text)) {
        switch (token.kind) {
        case TokenKind::Number: letters += 'N'; break;
        case TokenKind::Name: letters += 'n'; break;
        case TokenKind::Component: letters += 'c'; break;
        case TokenKind::Function: letters += 'f'; break;
        case TokenKind::Open: letters += '('; break;
        case TokenKind::Close: letters += ')'; break;
        case TokenKind::Comma: letters += ','; break;
        case TokenKind::Plus: letters += '+'; break;
        case TokenKind::Minus: letters += '-'; break;
        case TokenKind::Star: letters += '*'; break;
        case TokenKind::Slash: letters += '/'; break;
        case TokenKind::Equals: letters += '='; break;
        case TokenKind::Separator: letters += ';'; break;
        case TokenKind::Bad: letters += '!'; break;
        }
    }
    return letters;
}

struct ShapeCase
{
    const char *text;
    const char *shape;
};

constexpr ShapeCase kShapeCases[] = {
    {"", ""},
    {"  \t\r", ""},
    {"%PA(1,1,P12)=(3,-2)", "f(N,N,n)=(N,-N)"},
    {"%PA(0, 2, P1,P2,P3)=%RG(0.000000,dx,)", "f(N,N,n,n,n)=f(N,n,)"},
    {"P9_1.X-P9.x", "nc-nc"},
    {"waist/4+waist2", "n/N+n"},
    {"5 - SYSTEMPARSERVAR", "N-n"},
    {"(-0.707107*m3)", "(-N*n)"},
    {"3XL+2nd+2e", "n+n+n"},
    {"a;b\nc", "n;n;n"},
    {"a // a comment, (unbalanced\nb", "n;n"},
    {"a/b//c", "n/n"},
    {".5+1.+1e3+1E-2+2e+", "N+N+N+N+n+"},
    {"\xC3\xA9paule*2", "n*N"},
    {"2.5x", "!"},
    {"1e5x", "!"},
    {"1e999", "!"},
    {"a~b", "n!n"},
    {"a % b", "n!n"},
    {"a.b", "n!n"},
    {"a .X", "n!n"},
    {"1.5.X", "N!n"},
    {"a.Xb", "n!n"},
    {"\x01", "!"},
};

TEST(LexerTest, SplitsTextsIntoTokens)
{
    for (const auto &row : kShapeCases) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(shape(row.text), row.shape);
    }
}

TEST(LexerTest, BadTokensCarryTheirCodes)
{
    EXPECT_EQ(tokenize("2.5x").front().error, kBadNumber);
    EXPECT_EQ(tokenize("1e999").front().error, kBadNumber);
    EXPECT_EQ(tokenize("?").front().error, kBadCharacter);
    EXPECT_EQ(tokenize("%").front().error, kBadCharacter);
    EXPECT_EQ(tokenize(".").front().error, kUnexpectedToken);
}

TEST(LexerTest, ReadsNumbersAndAxesTheSameInAnyLocale)
{
    const ScopedLocale german("de_DE.UTF-8");
    const TokenList tokens = tokenize("1.25e1,P3.y");
    ASSERT_EQ(tokens.size(), 4u);
    EXPECT_DOUBLE_EQ(tokens[0].value, 12.5);
    EXPECT_EQ(tokens[1].kind, TokenKind::Comma);
    EXPECT_EQ(tokens[3].axis, 1);
    EXPECT_EQ(tokens[3].textIn("1.25e1,P3.y"), ".y");
}

TEST(LexerTest, RecognisesSingleNames)
{
    EXPECT_TRUE(isName("hip"));
    EXPECT_TRUE(isName("P9_1"));
    EXPECT_TRUE(isName("3XL"));
    EXPECT_FALSE(isName(""));
    EXPECT_FALSE(isName("a b"));
    EXPECT_FALSE(isName("12"));
    EXPECT_FALSE(isName("a.X"));
    EXPECT_FALSE(isName("a;"));
}

} // namespace
