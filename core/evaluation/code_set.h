#pragma once

#include <cstdint>
#include <string_view>

// The 34 outcome codes numbered 0..33 in the legend's order, 'A' to 'Z'
// then 'a' to 'h', for tables counted by code.
inline constexpr int kOutcomeCodeCount = 34;

constexpr int indexOfCode(char code)
{
    return code <= 'Z' ? code - 'A' : code - 'a' + 26;
}

constexpr char codeAt(int index)
{
    return static_cast<char>(index < 26 ? 'A' + index : 'a' + index - 26);
}

// A set of outcome codes, one bit per code.
class CodeSet {
public:
    constexpr CodeSet() = default;
    // The codes spelt in `codes`; each must satisfy isOutcomeCode.
    constexpr explicit CodeSet(std::string_view codes)
    {
        for (const char code : codes)
            bits_ |= bitOf(code);
    }

    constexpr bool contains(char code) const { return (bits_ & bitOf(code)) != 0; }
    constexpr bool empty() const { return bits_ == 0; }
    constexpr CodeSet& add(char code)
    {
        bits_ |= bitOf(code);
        return *this;
    }
    friend constexpr CodeSet operator&(CodeSet a, CodeSet b) { return CodeSet(a.bits_ & b.bits_); }
    friend constexpr CodeSet operator|(CodeSet a, CodeSet b) { return CodeSet(a.bits_ | b.bits_); }
    friend constexpr bool operator==(CodeSet, CodeSet) = default;

private:
    constexpr explicit CodeSet(std::uint64_t bits) : bits_(bits) {}
    static constexpr std::uint64_t bitOf(char code) { return std::uint64_t{1} << indexOfCode(code); }

    std::uint64_t bits_ = 0;
};
