#include "exports/csv_export.h"

#include "core/evaluation/judgement.h"
#include "core/evaluation/legend.h"
#include "core/outcome_groups.h"
#include "core/pairs/pair_listing.h"
#include "core/reach_me_patterns.h"
#include "ui/text.h"

#include <QString>

#include <array>

namespace {

constexpr int kCommentaryColumns = 3;

// Quoted, with a quote inside doubled; every space stays.
QByteArray quoted(std::u16string_view text)
{
    QByteArray field = ui::qt(text).toUtf8();
    field.replace('"', "\"\"");
    return '"' + field + '"';
}

// Everything of a row after the positions, which depends on the outcome alone.
QByteArray outcomeFields(char code)
{
    const std::vector<std::u16string> lines = patterns::commentaryLines(code);
    QByteArray fields = ',' + quoted(std::u16string(1, char16_t(code))) + ',' +
                        quoted(kOutcomeGroups[std::size_t(groupIndexOf(code))].caption);
    for (std::size_t line = 0; line < kCommentaryColumns; ++line)
        fields += ',' + quoted(line < lines.size() ? lines[line] : std::u16string());
    fields += ',' + quoted(outcomeOf(code).cheers ? kCheer : std::u16string());
    return fields + "\r\n";
}

}  // namespace

QByteArray reachMeTableCsv()
{
    QByteArray csv = "\xEF\xBB\xBF"
                     "left,center,right,code,group,line1,line2,line3,cheer\r\n";
    std::array<QByteArray, 128> fieldsOf;  // by outcome code, made once each
    for (int left = 1; left <= reel::kPositions; ++left)
        for (int center = 1; center <= reel::kPositions; ++center)
            for (int right = 1; right <= reel::kPositions; ++right) {
                const char code = outcomeCodeOf({left, center, right});
                QByteArray& fields = fieldsOf[static_cast<unsigned char>(code)];
                if (fields.isEmpty())
                    fields = outcomeFields(code);
                csv += QByteArray::number(left) + ',' + QByteArray::number(center) + ',' + QByteArray::number(right) +
                       fields;
            }
    return csv;
}

QByteArray pairsCsvFile()
{
    return "\xEF\xBB\xBF" + ui::qt(pairsCsv()).toUtf8();
}
