#include "core/evaluation/legend.h"

#include <array>

namespace {

struct LegendRow {
    char code;
    const char16_t* lines[3];  // unused lines stay null
    bool cheers;
};

// Every space is part of the text: several outcomes differ only in their spaces.
const LegendRow kLegend[] = {
    {'A', {u"７７７", u"思う存分", u"はずして下さい。"}, true},
    {'B', {u"チェリー"}, false},
    {'C', {u"リーチ目。", u"ＢＩＧです。"}, true},
    {'D', {u"リーチ目だけど", u"止まらない？？", u"左、右の２確目。"}, false},
    {'E', {u"リーチ目。", u"ＲＥＧです。"}, true},
    {'F', {u"リーチ目。", u"Ｂ＆Ｒ共通です。"}, true},
    {'G', {u"ＲＥＧ"}, true},
    {'H', {u"止まりません"}, false},
    {'I', {u"はずれ。  ", u"しかし１枚がけの", u"七のオート目です。"}, false},
    {'J', {u"はずれ"}, false},
    {'K', {u"子役の取りこぼし", u"ｏｒ ボーナス"}, false},
    {'L', {u"止まらない?"}, false},
    {'M', {u"風鈴 １０枚"}, false},
    {'N', {u"氷 １５枚"}, false},
    {'O', {u"リーチ目だけど", u"止まらない？？", u"左、中の２確目。"}, false},
    {'P', {u"リーチ目、ＢＩＧです。", u"一枚がけの七の", u"オート目です。"}, true},
    {'Q', {u"リーチ目だけど", u"止まらない？？", u"右の子役はずれ。"}, false},
    {'R', {u"リプレイ"}, false},
    {'S', {u"リーチ目だけど", u"止まらない？？", u"中の子役はずれ。"}, false},
    {'T', {u"風鈴  １０枚"}, false},
    {'U', {u"氷  １５枚"}, false},
    {'V', {u"リーチ目だけど", u"止まらない？？"}, false},
    {'W', {u"子役の取りこぼし ", u"ｏｒ  ボーナス"}, false},
    {'X', {u"リーチ目。", u"風鈴 １０枚"}, false},
    {'Y', {u"リーチ目だけど、", u"止まらない？？ ", u"左、中の２確目。"}, false},
    {'Z', {u"子役の取りこぼし ", u"ｏｒ  ボーナス", u"ｏｒ  はずれ"}, false},
    {'a', {u"リーチ目だけど、", u"止まらない？？"}, false},
    {'b', {u" ＲＥＧです。"}, true},
    {'c', {u"とまらない？"}, false},
    {'d', {u"リーチ目だけど、止まらない？？"}, false},
    {'e', {u"リーチ目            ＢＩＧです"}, false},
    {'f', {u"リーチ目だけど ", u"止まらない？？"}, false},
    {'g', {u" 風鈴 １０枚"}, false},
    {'h', {u"止まらない？？"}, false},
};

std::u16string joinLines(const char16_t* const (&lines)[3])
{
    std::u16string text;
    for (const char16_t* line : lines) {
        if (line == nullptr)
            break;
        if (!text.empty())
            text += u"\r\n";
        text += line;
    }
    return text;
}

using OutcomeTable = std::array<Outcome, 128>;

OutcomeTable buildOutcomes()
{
    OutcomeTable table{};
    for (const LegendRow& row : kLegend)
        table[static_cast<unsigned char>(row.code)] = {joinLines(row.lines), row.cheers};
    return table;
}

}  // namespace

const Outcome& outcomeOf(char code)
{
    static const OutcomeTable outcomes = buildOutcomes();
    return outcomes[static_cast<unsigned char>(code) & 0x7f];
}
