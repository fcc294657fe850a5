#include "ui/label.h"

#include <QPainter>
#include <QStyle>
#include <QTextBoundaryFinder>

#include <vector>

namespace ui {

namespace {

QString withoutTrailingSpaces(QString line)
{
    while (line.endsWith(u' '))
        line.chop(1);
    return line;
}

// Breaks one paragraph into lines no wider than `width`, only where the text
// may break. With `atSpaces`, a line that has to break does so after its last
// run of spaces, or else after its last space.
QStringList wrapped(const QString& paragraph, const QFontMetrics& metrics, int width, bool atSpaces)
{
    std::vector<qsizetype> breaks;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, paragraph);
    for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary())
        breaks.push_back(at);

    const qsizetype size = paragraph.size();
    QStringList lines;
    qsizetype start = 0;
    auto next = breaks.begin();
    while (start < size) {
        const auto fits = [&](qsizetype at) {
            return metrics.horizontalAdvance(withoutTrailingSpaces(paragraph.mid(start, at - start))) <= width;
        };
        // A line takes its first break whatever its width. Each later break
        // makes the line only wider, so the last one that still fits is found
        // by halving: Japanese may break at every character, and measuring
        // each is most of a window's first frame.
        auto low = next + 1, high = breaks.end();
        while (low < high) {
            const auto middle = low + (high - low) / 2;
            if (fits(*middle))
                low = middle + 1;
            else
                high = middle;
        }
        const qsizetype fit = *(low - 1);
        // The last breaks after a space, and after a run of spaces, that end
        // a line holding more than spaces.
        qsizetype printed = start;
        while (printed < size && paragraph[printed] == u' ')
            ++printed;
        qsizetype afterRun = -1, afterSpace = -1;
        for (auto at = low; at != next; --at) {
            const qsizetype end = *(at - 1);
            if (end >= size || end <= printed || paragraph[end - 1] != u' ')
                continue;
            if (afterSpace == -1)
                afterSpace = end;
            if (paragraph[end - 2] == u' ') {
                afterRun = end;
                break;
            }
        }
        next = low;
        qsizetype end = fit;
        if (atSpaces && end < size)
            end = afterRun != -1 ? afterRun : afterSpace != -1 ? afterSpace : end;
        while (next != breaks.begin() && *(next - 1) > end)
            --next;
        lines << withoutTrailingSpaces(paragraph.mid(start, end - start));
        start = end;
    }
    if (lines.isEmpty())
        lines << QString();
    return lines;
}

// The texts pad with spaces where they want a new line, so a line that has
// to break breaks after its spaces; unless that would cost the text a line.
QString wrappedText(const QString& text, const QFontMetrics& metrics, int width)
{
    QStringList lines;
    for (QString paragraph : text.split(u'\n')) {
        if (paragraph.endsWith(u'\r'))
            paragraph.chop(1);
        const QStringList plain = wrapped(paragraph, metrics, width, false);
        const QStringList atSpaces = wrapped(paragraph, metrics, width, true);
        lines += atSpaces.size() <= plain.size() ? atSpaces : plain;
    }
    return lines.join(u'\n');
}

}  // namespace

void Label::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
    int inset = indent();
    if (inset < 0 && frameWidth() > 0)  // a framed label keeps half an "x" off its frame
        inset = fontMetrics().horizontalAdvance(u'x') / 2 - margin();
    if (inset > 0) {
        if (align & Qt::AlignLeft)
            area.setLeft(area.left() + inset);
        if (align & Qt::AlignRight)
            area.setRight(area.right() - inset);
        if (align & Qt::AlignTop)
            area.setTop(area.top() + inset);
        if (align & Qt::AlignBottom)
            area.setBottom(area.bottom() - inset);
    }
    style()->drawItemText(&painter, area, static_cast<int>(align), palette(), isEnabled(),
                          wrapped(area.width()), foregroundRole());
}

const QString& Label::wrapped(int width)
{
    if (width != wrappedWidth_ || text() != wrappedFrom_ || font() != wrappedFont_) {
        wrappedFrom_ = text();
        wrappedFont_ = font();
        wrappedWidth_ = width;
        wrapped_ = wrappedText(wrappedFrom_, fontMetrics(), width);
    }
    return wrapped_;
}

}  // namespace ui
