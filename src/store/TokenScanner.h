// Splits a byte stream into whitespace-separated tokens, one token of
// look-ahead, in constant memory whatever the input: a token longer than
// kMaxTokenText keeps only its start and never equals a word.
#pragma once

#include <cstdint>
#include <streambuf>
#include <string>
#include <string_view>

namespace tarvel {

struct Token {
    std::string text;       // at most kMaxTokenText bytes
    bool overlong = false;  // the token was longer than that
    // A number is an optional minus sign followed by decimal digits, nothing else.
    bool number = false;
    bool negative = false;
    // Modulo 65536; a minus sign gives the 16-bit two's complement ("-20" is 65516).
    std::uint16_t value = 0;
    // The digits' own value, saturating at kMagnitudeCap (for exact comparisons).
    std::uint64_t magnitude = 0;

    bool is(std::string_view word) const { return !overlong && text == word; }
    // True when the token is the plain non-negative number n, whatever leading zeros it has.
    bool isExactly(std::uint64_t n) const { return number && !negative && magnitude == n; }
};

class TokenScanner {
public:
    static constexpr std::size_t kMaxTokenText = 64;
    static constexpr std::uint64_t kMagnitudeCap = 1'000'000'000'000ull;

    explicit TokenScanner(std::streambuf& source) : source_(source) {}

    // The next token, or nullptr at the end of the input.
    const Token* peek();
    // Drops the token peek() returned.
    void consume() { buffered_ = false; }

    // The next token if it is a number (consumed), else nullptr (left in place).
    const Token* takeNumber();

private:
    bool scan();

    std::streambuf& source_;
    Token token_;
    bool buffered_ = false;
    bool ended_ = false;
};

// A read-only stream buffer over bytes in memory, so that text and files go
// through the same scanner.
class MemoryStreamBuf : public std::streambuf {
public:
    explicit MemoryStreamBuf(std::string_view bytes);
};

}  // namespace tarvel
