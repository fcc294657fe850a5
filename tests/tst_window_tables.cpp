#include "ui/button.h"
#include "ui/line.h"
#include "ui/look.h"
#include "ui/picture.h"
#include "ui/window.h"
#include "windows/notice_and_info/fkaisetu_layout.h"
#include "windows/notice_and_info/form4_layout.h"
#include "windows/notice_and_info/fsousa_layout.h"
#include "windows/pieces/riru_layout.h"

#include <QApplication>
#include <QGlyphRun>
#include <QLabel>
#include <QLineEdit>
#include <QRawFont>
#include <QTest>
#include <QTextLayout>

#include <cmath>
#include <memory>

namespace {

const ui::WindowDesign* const kDesigns[] = {&kForm4Window, &kFkaisetuWindow, &kFsousaWindow, &kRiruWindow};

int px(double twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

QString qtext(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString textOf(const QWidget* widget)
{
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* box = qobject_cast<const QLineEdit*>(widget))
        return box->text();
    return {};
}

// The families that really draw a text in a font, glyph by glyph.
QSet<QString> familiesDrawing(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QSet<QString> families;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        families.insert(run.rawFont().familyName().toLower());
        if (run.glyphIndexes().contains(0))
            families.insert(QStringLiteral("(missing glyph)"));
    }
    return families;
}

// The colour a table asks for, or the standard one of the role.
QColor colourOf(const ui::Colour& colour, QPalette::ColorRole standardRole)
{
    const QPalette standard = QApplication::palette();
    switch (colour.source) {
    case ui::Colour::Rgb:
        return QColor(colour.r, colour.g, colour.b);
    case ui::Colour::TooltipBackground:
        return standard.color(QPalette::ToolTipBase);
    case ui::Colour::MenuText:
        return standard.color(QPalette::WindowText);
    case ui::Colour::Standard:
        break;
    }
    return standard.color(standardRole);
}

// Pictures lie lowest, then labels, then lines, and buttons and boxes on top.
int layerOf(ui::Kind kind)
{
    switch (kind) {
    case ui::Kind::PictureBox:
        return 0;
    case ui::Kind::TextLabel:
        return 1;
    case ui::Kind::StraightLine:
        return 2;
    case ui::Kind::PushButton:
    case ui::Kind::TextBox:
        break;
    }
    return 3;
}

QRect placeOf(const ui::Control& control)
{
    if (control.kind == ui::Kind::StraightLine)
        return QRect(px(control.left), px(control.top),
                     std::max(1, px(control.left + control.width) - px(control.left)),
                     std::max(1, px(control.top + control.height) - px(control.top)));
    return QRect(px(control.left), px(control.top), px(control.width), px(control.height));
}


}  // namespace

Q_DECLARE_METATYPE(const ui::WindowDesign*)
Q_DECLARE_METATYPE(const ui::Control*)

// Every window as its table describes it: what the builder works out from
// each row. Whether the tables themselves are right, the reference grabs tell.
class TestWindowTables : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::useClassicLook(); }

    void windowsStandAsDesigned_data() { eachWindow(); }
    void windowsStandAsDesigned()
    {
        QFETCH(const ui::WindowDesign*, design);
        const ui::Window window(*design);
        QCOMPARE(window.objectName(), qtext(design->name));
        QCOMPARE(window.windowTitle().trimmed(), qtext(design->title));
        const QSize client(px(design->clientWidth), px(design->clientHeight));
        QCOMPARE(window.size(), client);
        QCOMPARE(window.minimumSize(), client);
        QCOMPARE(window.maximumSize(), client);
        const Qt::WindowFlags flags = window.windowFlags();
        const bool titleBar = design->frame == ui::Frame::FixedDialog;
        QVERIFY(flags & Qt::CustomizeWindowHint);
        QCOMPARE(bool(flags & Qt::WindowTitleHint), titleBar);
        QCOMPARE(bool(flags & Qt::WindowCloseButtonHint), titleBar);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(!window.windowIcon().isNull(), !design->icon.empty());
        QCOMPARE(window.palette().color(QPalette::Window), QApplication::palette().color(QPalette::Button));

        // Exactly the table's controls, stacked by kind and in table order within a kind.
        QStringList built;
        for (const QObject* child : window.children())
            if (child->isWidgetType())
                built << child->objectName();
        QStringList stacked;
        for (int layer = 0; layer < 4; ++layer)
            for (const ui::Control& control : design->controls)
                if (layerOf(control.kind) == layer)
                    stacked << qtext(control.name);
        QCOMPARE(built, stacked);
    }

    void controlsStandAsDesigned_data() { eachControl(); }
    void controlsStandAsDesigned()
    {
        QFETCH(const ui::WindowDesign*, design);
        QFETCH(const ui::Control*, control);
        const ui::Window window(*design);
        const QWidget* widget = window.findChild<QWidget*>(qtext(control->name), Qt::FindDirectChildrenOnly);
        QVERIFY(widget);
        QCOMPARE(widget->isEnabled(), control->state == ui::Enabled);
        if (control->kind == ui::Kind::PictureBox) {
            // A strip stands at its table place, and shows only where the window lets it be seen.
            QVERIFY(qobject_cast<const ui::Picture*>(widget));
            QCOMPARE(qobject_cast<const ui::Picture*>(widget)->top(), double(px(control->top) * 15));
            QCOMPARE(widget->x(), px(control->left));
            return;
        }
        QCOMPARE(widget->geometry(), placeOf(*control));
        switch (control->kind) {
        case ui::Kind::StraightLine:
            QVERIFY(qobject_cast<const ui::Line*>(widget));
            return;  // neither text nor font
        case ui::Kind::PushButton:
            QVERIFY(qobject_cast<const ui::Button*>(widget));
            QCOMPARE(widget->focusPolicy() & Qt::ClickFocus, Qt::ClickFocus);
            break;
        case ui::Kind::TextLabel:
            QVERIFY(qobject_cast<const QLabel*>(widget)->wordWrap());
            QCOMPARE(qobject_cast<const QLabel*>(widget)->textFormat(), Qt::PlainText);
            QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
            break;
        case ui::Kind::TextBox:
            QCOMPARE(qobject_cast<const QLineEdit*>(widget)->isReadOnly(), control->look.readOnly);
            QCOMPARE(qobject_cast<const QLineEdit*>(widget)->cursorPosition(), 0);
            break;
        case ui::Kind::PictureBox:
            break;
        }
        QCOMPARE(textOf(widget), qtext(control->text));
        const double points = control->font.points > 0 ? control->font.points : 9;
        QCOMPARE(widget->font().pixelSize(), static_cast<int>(std::lround(points * 96 / 72)));
        QCOMPARE(widget->font().weight(), control->font.weight == 700 ? QFont::Bold : QFont::Normal);
        // The design face is missing here; its metric twin draws every glyph.
        if (!textOf(widget).isEmpty())
            QCOMPARE(familiesDrawing(textOf(widget), widget->font()), QSet<QString>{QStringLiteral("ipapgothic")});
    }

    void controlsPaintedAsDesigned_data() { eachControl(); }
    void controlsPaintedAsDesigned()
    {
        QFETCH(const ui::WindowDesign*, design);
        QFETCH(const ui::Control*, control);
        const ui::Window window(*design);
        const QWidget* widget = window.findChild<QWidget*>(qtext(control->name), Qt::FindDirectChildrenOnly);
        const QPalette palette = widget->palette();
        const QPalette standard = QApplication::palette();
        switch (control->kind) {
        case ui::Kind::TextLabel: {
            const auto* label = qobject_cast<const QLabel*>(widget);
            QCOMPARE(palette.color(QPalette::WindowText), colourOf(control->look.text, QPalette::WindowText));
            QCOMPARE(palette.color(QPalette::Window), colourOf(control->look.face, QPalette::Window));
            QVERIFY(label->autoFillBackground());  // opaque
            QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask,
                     Qt::Alignment(control->look.align == ui::Align::Center ? Qt::AlignHCenter : Qt::AlignLeft));
            QCOMPARE(label->frameShape() != QFrame::NoFrame, control->look.bordered);
            break;
        }
        case ui::Kind::PushButton:
            // The face holds in every state; the text colour greys out when disabled.
            for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                QCOMPARE(palette.color(group, QPalette::Button), colourOf(control->look.face, QPalette::Button));
            QCOMPARE(palette.color(QPalette::Active, QPalette::ButtonText),
                     colourOf(control->look.text, QPalette::ButtonText));
            QCOMPARE(palette.color(QPalette::Disabled, QPalette::ButtonText),
                     standard.color(QPalette::Disabled, QPalette::ButtonText));
            break;
        case ui::Kind::TextBox:
            QCOMPARE(palette.color(QPalette::Text), standard.color(QPalette::Text));
            QCOMPARE(palette.color(QPalette::Base), standard.color(QPalette::Base));
            break;
        case ui::Kind::PictureBox:
        case ui::Kind::StraightLine:
            break;
        }
    }

    // Any commentary is drawn in the design face's substitute too, no glyph missing.
    void commentaryDrawsInTheDesignFace()
    {
        const ui::Window riru(kRiruWindow);
        const QString commentary = QStringLiteral("リーチ目だけど、止まらない？？ た～まや～！!");
        QCOMPARE(familiesDrawing(commentary, riru.label("lbyakumei")->font()),
                 QSet<QString>{QStringLiteral("ipapgothic")});
    }

    // TAB visits the table's tab order, skipping what is disabled; the
    // opening control has the focus.
    void tabOrderAsDesigned_data() { eachWindow(); }
    void tabOrderAsDesigned()
    {
        QFETCH(const ui::WindowDesign*, design);
        ui::Window window(*design);
        window.open();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        if (!design->focusOnOpening.empty())
            QCOMPARE(QApplication::focusWidget()->objectName(), qtext(design->focusOnOpening));
        QStringList expected;
        for (std::string_view name : design->tabOrder)
            if (window.findChild<QWidget*>(qtext(name))->isEnabled())
                expected << qtext(name);
        if (expected.isEmpty())
            return;
        // Round the order from where the focus stands, back to it.
        const qsizetype start = std::max<qsizetype>(0, expected.indexOf(QApplication::focusWidget()->objectName()));
        QStringList visited;
        for (qsizetype step = 1; step <= expected.size(); ++step) {
            QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QStringList rounded = expected.mid(start + 1) + expected.mid(0, start + 1);
        QCOMPARE(visited, rounded);
    }

private:
    static void eachWindow()
    {
        QTest::addColumn<const ui::WindowDesign*>("design");
        for (const ui::WindowDesign* design : kDesigns)
            QTest::addRow("%s", design->name.data()) << design;
    }

    static void eachControl()
    {
        QTest::addColumn<const ui::WindowDesign*>("design");
        QTest::addColumn<const ui::Control*>("control");
        for (const ui::WindowDesign* design : kDesigns)
            for (const ui::Control& control : design->controls)
                QTest::addRow("%s/%s", design->name.data(), qPrintable(qtext(control.name))) << design << &control;
    }
};

QTEST_MAIN(TestWindowTables)
#include "tst_window_tables.moc"
