#include "TokenScanner.h"

namespace tarvel {

namespace {

bool isSpace(int c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

const Token* TokenScanner::peek()
{
    if (!buffered_)
        buffered_ = scan();
    return buffered_ ? &token_ : nullptr;
}

const Token* TokenScanner::takeNumber()
{
    const Token* t = peek();
    if (t == nullptr || !t->number)
        return nullptr;
    consume();
    return t;
}

bool TokenScanner::scan()
{
    if (ended_)
        return false;
    constexpr int eof = std::streambuf::traits_type::eof();
    int c = source_.sgetc();
    while (c != eof && isSpace(c))
        c = source_.snextc();
    if (c == eof) {
        ended_ = true;
        return false;
    }

    token_ = Token{};
    std::size_t length = 0;
    bool digitsOnly = true;  // after an optional leading minus
    std::size_t digits = 0;
    std::uint32_t value = 0;
    for (; c != eof && !isSpace(c); c = source_.snextc(), ++length) {
        const char ch = static_cast<char>(c);
        if (length < kMaxTokenText)
            token_.text.push_back(ch);
        else
            token_.overlong = true;
        if (length == 0 && ch == '-') {
            token_.negative = true;
        } else if (ch >= '0' && ch <= '9') {
            ++digits;
            value = (value * 10 + static_cast<std::uint32_t>(ch - '0')) & 0xFFFFu;
            const auto d = static_cast<std::uint64_t>(ch - '0');
            token_.magnitude = token_.magnitude > (kMagnitudeCap - d) / 10 ? kMagnitudeCap : token_.magnitude * 10 + d;
        } else {
            digitsOnly = false;
        }
    }
    token_.number = digitsOnly && digits > 0;
    token_.negative = token_.negative && token_.number;
    if (token_.number)
        token_.value = static_cast<std::uint16_t>(token_.negative ? (0x10000u - value) & 0xFFFFu : value);
    return true;
}

MemoryStreamBuf::MemoryStreamBuf(std::string_view bytes)
{
    // The buffer is only ever read; std::streambuf wants non-const pointers.
    char* begin = const_cast<char*>(bytes.data());
    setg(begin, begin, begin + bytes.size());
}

}  // namespace tarvel
