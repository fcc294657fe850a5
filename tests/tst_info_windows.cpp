#include "info_windows/fkaisetu_layout.h"
#include "info_windows/form4.h"
#include "info_windows/fsousa_layout.h"
#include "info_windows/info_window.h"
#include "ui/button.h"
#include "ui/look.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

// Every control as the three windows show it, in twips as they were designed.
// Kinds: B button, L label, T text box, - line. Font sizes are in pixels:
// 27 = 20.25 pt, 24 = 18 pt, 21 = 15.75 pt, 19 = 14.25 pt, 16 = 12 pt,
// 15 = 11.25 pt, 13 = 9.75 pt.
struct Expected {
    const char* window;
    const char* name;
    char kind;
    const char* text;
    int left, top, width, height;
    int pixelSize;
    bool bold;
};

constexpr Expected kExpected[] = {
    // window     name          kind text                                   left  top   width height px  bold
    {"Form4",    "Label1",     'L', "カレト職人養成マシーン",               480,  240,  4935, 495,  27, true},
    {"Form4",    "Label5",     'L', "注意！",                               600,  1080, 1095, 255,  15, true},
    {"Form4",    "Label4",     'L', "   データの入力には、細心の注意を払ったつもりですが、  リーチ目等の間違い等による 、実践等における負債、      トラブル等は、、一切責任を負えません。                       自分の責任において、カレト職人を目指して下さい。",
                                                                             480,  1440, 4695, 855,  13, false},
    {"Form4",    "Command1",   'B', "ＯＫ",                                 2160, 2520, 1575, 615,  24, true},

    {"Fkaisetu", "Label7",     'L', "リーチ目は、３枚がけ、順押しが基準です。     挟み打ちの場合は、成立フラグが違ったり、ガセる可能性の出目が、数個あります。     さらに、１，２枚がけ 及び、中押し、逆押しは、除きます",
                                                                             240,  120,  6015, 615,  13, true},
    {"Fkaisetu", "Label1_0",   'L', "リーチ目 ＢＩＧです。",                120,  840,  2055, 375,  13, true},
    {"Fkaisetu", "Label2_0",   'L', "ＢＩＧのリーチ目です。",               2280, 840,  3495, 375,  13, true},
    {"Fkaisetu", "Label1_1",   'L', "リーチ目  ＲＥＧです。",               120,  1440, 2055, 375,  13, true},
    {"Fkaisetu", "Label3",     'L', "ＲＥＧのリーチ目です。",               2280, 1440, 3495, 375,  13, true},
    {"Fkaisetu", "Label1_2",   'L', "リーチ目  Ｂ＆Ｒです。",               120,  2040, 2055, 375,  13, true},
    {"Fkaisetu", "Label2_1",   'L', "ＢＩＧ＆ＲＥＧ共通のリーチ目です。",   2280, 2040, 3495, 375,  13, true},
    {"Fkaisetu", "Label1_3",   'L', "止まりません。",                       120,  2640, 2055, 375,  13, true},
    {"Fkaisetu", "Label2_2",   'L', "重複子役のため止まりません。",         2280, 2640, 3495, 375,  13, true},
    {"Fkaisetu", "Label1_6",   'L', "はずれ",                               120,  3240, 2055, 375,  13, true},
    {"Fkaisetu", "Label2_5",   'L', "はずれ（止まらない外れ目もあり）、または、     子役の取りこぼしも含みます。",
                                                                             2280, 3240, 4335, 375,  13, true},
    {"Fkaisetu", "Label1_4",   'L', "リーチ目だけど、      止まらない？",   120,  3840, 2055, 495,  13, true},
    {"Fkaisetu", "Label2_6",   'L', "２リール確定や子役はずれのリーチ目等で、   第３リールが止まらない事を示します。",
                                                                             2280, 3840, 4095, 495,  13, true},
    {"Fkaisetu", "Label2_3",   'L', "たとえば、中段氷はずれの場合、右リールは、 下段に氷ｏｒＢＡＲが止まります。  氷ｏｒＢＡＲ以外が止まる事はありません。",
                                                                             2280, 4320, 4095, 615,  13, true},
    {"Fkaisetu", "Label1_5",   'L', "子役の取りこぼし      ｏｒ ボーナス",  120,  5040, 2055, 495,  13, true},
    {"Fkaisetu", "Label2_4",   'L', "子役の取りこぼし ｏｒ ボーナス の時に止まる目です。（外れの時に出る目は、除きました。）",
                                                                             2280, 5040, 4095, 495,  13, true},
    {"Fkaisetu", "Label4",     'L', "お断り",                               120,  5640, 855,  255,  13, true},
    {"Fkaisetu", "Label5",     'L', "リール制御を解析したわけでは、無いので、止まらない目で止まるかもしれません。ご了承ください。",
                                                                             120,  6000, 4695, 495,  13, true},
    {"Fkaisetu", "Label6",     'L', "「リーチ目だけど止まらない」の基準は、参考にした リーチ目表に無いものに付けました。 またこの場合、ボーナス成立後の子役を取りこぼした時は、 止まる可能性があります。",
                                                                             120,  6480, 4695, 855,  13, true},
    {"Fkaisetu", "Command1",   'B', "ＯＫ",                                 5040, 6720, 1575, 495,  19, true},

    {"Fsousa",   "r1ue",       'B', "Ｓｔａｒｔ",                           120,  360,  1575, 525,  27, false},
    {"Fsousa",   "r1sita",     'B', "Ｓｔｏｐ",                             2400, 360,  1455, 525,  27, false},
    {"Fsousa",   "Command5",   'B', "Ｓｔｏｐ",                             3960, 360,  1455, 525,  27, false},
    {"Fsousa",   "Command6",   'B', "Ｓｔｏｐ",                             5520, 360,  1455, 525,  27, false},
    {"Fsousa",   "Label2",     'L', "リールがスタートします",               120,  960,  2175, 255,  13, true},
    {"Fsousa",   "Label1",     'L', "上にあるリールをストップします。",     2880, 960,  3615, 255,  13, true},
    {"Fsousa",   "Label10",    'L', "Ｅｎｔｅｒを押す事で、マウスのクリックの代用になります。         フォーカス（ボタンの内側に点線が表示された状態）を移すには、ＴＡＢキーを押して下さい。",
                                                                             120,  1320, 6495, 735,  15, true},
    {"Fsousa",   "Command4_0", 'B', "▲",                                   2520, 2160, 1455, 495,  24, false},
    {"Fsousa",   "Command4_1", 'B', "▼",                                   2520, 2760, 1455, 495,  24, false},
    {"Fsousa",   "Command4_2", 'B', "▲",                                   4080, 2160, 1455, 495,  24, false},
    {"Fsousa",   "Command4_3", 'B', "▼",                                   4080, 2760, 1455, 495,  24, false},
    {"Fsousa",   "Command4_4", 'B', "▲",                                   5640, 2160, 1455, 495,  24, false},
    {"Fsousa",   "Command4_5", 'B', "▼",                                   5640, 2760, 1455, 495,  24, false},
    {"Fsousa",   "Label12",    'L', "リールを上下に一コマ移動しリーチ目を表示します。",
                                                                             2520, 3360, 4575, 255,  13, true},
    {"Fsousa",   "Line1",      '-', "",                                     120,  3720, 7080, 15,   0,  false},
    {"Fsousa",   "Label5",     'L', "リール１コマのスピード",               120,  4080, 2535, 255,  16, true},
    {"Fsousa",   "Text1",      'T', "100",                                  2760, 3960, 855,  420,  21, true},
    {"Fsousa",   "Label8",     'L', "リール１コマが進むスピードです。 実機は、約３５ミリ秒です。         速すぎるとコマ落ちします。  ",
                                                                             3720, 3960, 3615, 735,  15, true},
    {"Fsousa",   "Label7",     'L', "Ａｕｔｏの停止までの時間",             120,  4920, 2655, 375,  16, true},
    {"Fsousa",   "Text2",      'T', "1200",                                 2760, 4800, 855,  435,  21, true},
    {"Fsousa",   "Label9",     'L', "Ａｕｔｏの左、中、右リールを止める時間設定です。（ミリ秒）",
                                                                             3720, 4800, 3495, 615,  15, true},
    {"Fsousa",   "comauto1",   'B', "Ａｕｔｏ Ｓｔａｒｔ",                  240,  5400, 1575, 495,  13, true},
    {"Fsousa",   "Label3",     'L', "設定した時間で、スタート、ストップを行い、リーチ目を表示します。",
                                                                             2040, 5400, 4695, 615,  16, true},
    {"Fsousa",   "Command2",   'B', "Ａｕｔｏ Ｓｔｏｐ",                    240,  6120, 1575, 495,  13, true},
    {"Fsousa",   "Label4",     'L', "Ａｕｔｏ動作を停止します。",           2040, 6120, 3375, 495,  19, true},
    {"Fsousa",   "Command3",   'B', "終了",                                 240,  6840, 1575, 495,  16, true},
    {"Fsousa",   "Label6",     'L', "ソフトを終了します。",                 2040, 6840, 3015, 495,  16, true},
    {"Fsousa",   "Command1",   'B', "OK",                                   5640, 6720, 1575, 615,  19, true},
};

// The controls that are not in standard colours. Text and face are RGB
// colours; a face of kTip is the system's tooltip background.
constexpr QRgb kStandard = 0;
constexpr QRgb kTip = 1;
struct Painted {
    const char* window;
    const char* name;
    QRgb text, face;
    bool centred, bordered;
};

constexpr Painted kPainted[] = {
    {"Form4",    "Label1",   qRgb(0, 0, 255),     kTip,      true,  false},
    {"Form4",    "Label5",   qRgb(255, 0, 0),     kStandard, false, false},
    {"Form4",    "Label4",   qRgb(192, 0, 0),     kStandard, false, false},
    {"Fkaisetu", "Label7",   qRgb(0, 0, 255),     kStandard, false, false},
    {"Fkaisetu", "Label1_0", kStandard,           kTip,      false, true},
    {"Fkaisetu", "Label1_1", kStandard,           kTip,      false, true},
    {"Fkaisetu", "Label1_2", kStandard,           kTip,      false, true},
    {"Fkaisetu", "Label1_3", kStandard,           kTip,      false, true},
    {"Fkaisetu", "Label1_4", kStandard,           kTip,      false, true},
    {"Fkaisetu", "Label1_5", kStandard,           kTip,      false, true},
    {"Fkaisetu", "Label1_6", kStandard,           kTip,      false, true},
    {"Fsousa",   "Label10",  qRgb(107, 124, 241), kStandard, false, false},
};

const char* const kCopies[] = {"r1ue",       "r1sita",     "Command5",   "Command6",   "Command4_0",
                               "Command4_1", "Command4_2", "Command4_3", "Command4_4", "Command4_5",
                               "comauto1",   "Command2",   "Command3"};

QRect pixelsOf(const Expected& control)
{
    return QRect(control.left / 15, control.top / 15, control.width / 15, control.height / 15);
}

QString textOf(QWidget* widget)
{
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<QPushButton*>(widget))
        return button->text();
    if (auto* box = qobject_cast<QLineEdit*>(widget))
        return box->text();
    return {};
}

// Through the window system, so the key reaches whatever has the focus.
void press(QWidget* window, Qt::Key key)
{
    QTest::keyClick(window->windowHandle(), key);
}

QString focusName()
{
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

}  // namespace

class TestInfoWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void noOtherControls();
    void colours_data();
    void colours();
    void labelsWrap_data();
    void labelsWrap();
    void windows_data();
    void windows();
    void noticeOpensCentred();
    void focusOnOpening_data();
    void focusOnOpening();
    void guideTabOrder();
    void noticeGoesOn_data();
    void noticeGoesOn();
    void escapeLeavesWindowsOpen_data();
    void escapeLeavesWindowsOpen();
    void copiedButtonsDoNothing();
    void copiedBoxesTakeNoTyping_data();
    void copiedBoxesTakeNoTyping();
    void copiedBoxesLookOrdinary_data();
    void copiedBoxesLookOrdinary();
    void hidingAndShowingAgain_data();
    void hidingAndShowingAgain();

private:
    ui::Window* window(const QString& name) const;
    static bool openActive(ui::Window* window);

    std::unique_ptr<Form4> form4_;
    std::unique_ptr<InfoWindow> fkaisetu_;
    std::unique_ptr<InfoWindow> fsousa_;
    int goOnCalls_ = 0;
};

void TestInfoWindows::initTestCase()
{
    ui::useClassicLook();
}

void TestInfoWindows::init()
{
    goOnCalls_ = 0;
    form4_ = std::make_unique<Form4>([this] { ++goOnCalls_; });
    fkaisetu_ = std::make_unique<InfoWindow>(kFkaisetuWindow);
    fsousa_ = std::make_unique<InfoWindow>(kFsousaWindow);
}

void TestInfoWindows::cleanup()
{
    form4_.reset();
    fkaisetu_.reset();
    fsousa_.reset();
}

ui::Window* TestInfoWindows::window(const QString& name) const
{
    if (name == "Form4")
        return form4_.get();
    if (name == "Fkaisetu")
        return fkaisetu_.get();
    if (name == "Fsousa")
        return fsousa_.get();
    return nullptr;
}

bool TestInfoWindows::openActive(ui::Window* window)
{
    window->open();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

void TestInfoWindows::controls_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<char>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    for (const Expected& control : kExpected)
        QTest::addRow("%s/%s", control.window, control.name)
            << control.window << control.name << control.kind << QString::fromUtf8(control.text)
            << pixelsOf(control) << control.pixelSize << control.bold;
}

void TestInfoWindows::controls()
{
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(char, kind);
    QFETCH(QString, text);
    QFETCH(QRect, place);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);

    auto* widget = this->window(window)->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), place);
    QVERIFY(widget->isEnabled());
    switch (kind) {
    case 'B':
        QVERIFY(qobject_cast<ui::Button*>(widget));
        break;
    case 'L':
        QVERIFY(qobject_cast<QLabel*>(widget));
        QVERIFY(qobject_cast<QLabel*>(widget)->wordWrap());
        break;
    case 'T':
        QVERIFY(qobject_cast<QLineEdit*>(widget));
        break;
    default:
        return;  // a line has neither text nor font
    }
    QCOMPARE(textOf(widget), text);
    QCOMPARE(widget->font().pixelSize(), pixelSize);
    QCOMPARE(widget->font().weight(), bold ? QFont::Bold : QFont::Normal);
    // "ＭＳ Ｐゴシック" is not on this system; its metric twin must stand in.
    QCOMPARE(QFontInfo(widget->font()).family(), QStringLiteral("IPAPGothic"));
}

void TestInfoWindows::noOtherControls()
{
    for (const char* name : {"Form4", "Fkaisetu", "Fsousa"}) {
        QSet<QString> expected;
        for (const Expected& control : kExpected)
            if (qstrcmp(control.window, name) == 0)
                expected.insert(control.name);
        QSet<QString> built;
        for (QWidget* child : window(name)->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            built.insert(child->objectName());
        QCOMPARE(built, expected);
    }
}

void TestInfoWindows::colours_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRgb>("text");
    QTest::addColumn<QRgb>("face");
    QTest::addColumn<bool>("centred");
    QTest::addColumn<bool>("bordered");
    for (const Expected& control : kExpected) {
        if (control.kind == '-')
            continue;
        Painted look{control.window, control.name, kStandard, kStandard, false, false};
        for (const Painted& painted : kPainted)
            if (qstrcmp(painted.window, control.window) == 0 && qstrcmp(painted.name, control.name) == 0)
                look = painted;
        QTest::addRow("%s/%s", control.window, control.name)
            << control.window << control.name << look.text << look.face << look.centred << look.bordered;
    }
}

void TestInfoWindows::colours()
{
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(QRgb, text);
    QFETCH(QRgb, face);
    QFETCH(bool, centred);
    QFETCH(bool, bordered);

    auto* widget = this->window(window)->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    QVERIFY(widget);
    const QPalette standard = QApplication::palette(widget);
    const QPalette palette = widget->palette();

    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const QColor expectedText = text == kStandard ? standard.color(QPalette::WindowText) : QColor(text);
        const QColor expectedFace = face == kStandard ? standard.color(QPalette::Window)
                                    : face == kTip    ? standard.color(QPalette::ToolTipBase)
                                                      : QColor(face);
        QCOMPARE(palette.color(QPalette::WindowText), expectedText);
        QCOMPARE(palette.color(QPalette::Window), expectedFace);
        QVERIFY(label->autoFillBackground());  // opaque
        QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::Alignment(centred ? Qt::AlignHCenter : Qt::AlignLeft));
        QCOMPARE(label->frameShape() != QFrame::NoFrame, bordered);
    } else if (qobject_cast<QPushButton*>(widget)) {
        QCOMPARE(palette.color(QPalette::ButtonText), standard.color(QPalette::ButtonText));
        QCOMPARE(palette.color(QPalette::Button), standard.color(QPalette::Button));
    } else {
        QCOMPARE(palette.color(QPalette::Text), standard.color(QPalette::Text));
        QCOMPARE(palette.color(QPalette::Base), standard.color(QPalette::Base));
    }
}

void TestInfoWindows::labelsWrap_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("lines");

    // The texts pad with spaces where they want a new line.
    QTest::newRow("disclaimer, runs of spaces")
        << "Form4" << "Label4"
        << "   データの入力には、細心の注意を払ったつもりですが、\n"
           "リーチ目等の間違い等による 、実践等における負債、\n"
           "トラブル等は、、一切責任を負えません。\n"
           "自分の責任において、カレト職人を目指して下さい。";
    QTest::newRow("term box, run of spaces") << "Fkaisetu" << "Label1_4" << "リーチ目だけど、\n止まらない？";
    QTest::newRow("term box, the run before a later space")
        << "Fkaisetu" << "Label1_5" << "子役の取りこぼし\nｏｒ ボーナス";
    QTest::newRow("explanation, run of spaces")
        << "Fkaisetu" << "Label2_5" << "はずれ（止まらない外れ目もあり）、または、\n子役の取りこぼしも含みます。";
    QTest::newRow("explanation, single spaces")
        << "Fkaisetu" << "Label2_3"
        << "たとえば、中段氷はずれの場合、右リールは、\n下段に氷ｏｒＢＡＲが止まります。\n"
           "氷ｏｒＢＡＲ以外が止まる事はありません。";
    QTest::newRow("guide, sentence a line")
        << "Fsousa" << "Label8" << "リール１コマが進むスピードです。\n実機は、約３５ミリ秒です。\n速すぎるとコマ落ちします。";
    QTest::newRow("guide, a sentence longer than a line")
        << "Fsousa" << "Label10"
        << "Ｅｎｔｅｒを押す事で、マウスのクリックの代用になります。\n"
           "フォーカス（ボタンの内側に点線が表示された状態）を移すには、ＴＡＢ\nキーを押して下さい。";
    // A run of spaces that fits stays inside its line.
    QTest::newRow("note, a run inside a line")
        << "Fkaisetu" << "Label7"
        << "リーチ目は、３枚がけ、順押しが基準です。\n"
           "挟み打ちの場合は、成立フラグが違ったり、ガセる可能性の出目が、数個あ\n"
           "ります。     さらに、１，２枚がけ 及び、中押し、逆押しは、除きます";
    // Breaking at the spaces would need a third line the box has no room for.
    QTest::newRow("no extra line for the spaces")
        << "Fkaisetu" << "Label2_4"
        << "子役の取りこぼし ｏｒ ボーナス の時に止まる目で\nす。（外れの時に出る目は、除きました。）";
}

// Each label must look exactly like a label given those lines outright.
void TestInfoWindows::labelsWrap()
{
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(QString, lines);
    QLabel* label = this->window(window)->label(name.toStdString());

    QLabel broken(lines);
    broken.setTextFormat(Qt::PlainText);
    broken.setFont(label->font());
    broken.setPalette(label->palette());
    broken.setAutoFillBackground(true);
    broken.setFrameStyle(label->frameStyle());
    broken.setAlignment(label->alignment());
    broken.resize(label->size());
    QCOMPARE(label->grab().toImage(), broken.grab().toImage());
}

void TestInfoWindows::windows_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("titleBar");

    QTest::newRow("notice") << "Form4" << QSize(389, 230) << QString() << false;
    QTest::newRow("glossary") << "Fkaisetu" << QSize(454, 495) << QStringLiteral("解説用語の説明") << true;
    QTest::newRow("guide") << "Fsousa" << QSize(494, 502) << QStringLiteral("操作法の説明") << true;
}

void TestInfoWindows::windows()
{
    QFETCH(QString, window);
    QFETCH(QSize, client);
    QFETCH(QString, title);
    QFETCH(bool, titleBar);

    ui::Window* w = this->window(window);
    QCOMPARE(w->objectName(), window);
    QCOMPARE(w->windowTitle().trimmed(), title);
    QCOMPARE(w->size(), client);
    QCOMPARE(w->minimumSize(), client);
    QCOMPARE(w->maximumSize(), client);

    const Qt::WindowFlags flags = w->windowFlags();
    QVERIFY(flags & Qt::CustomizeWindowHint);
    QCOMPARE(bool(flags & Qt::WindowTitleHint), titleBar);
    QCOMPARE(bool(flags & Qt::WindowCloseButtonHint), titleBar);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));

    QCOMPARE(w->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Button));
}

void TestInfoWindows::noticeOpensCentred()
{
    form4_->open();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // The frame's own border may push the client area off by its width.
    const QRect frame = form4_->frameGeometry();
    const int border = std::max(form4_->geometry().x() - frame.x(), form4_->geometry().y() - frame.y());
    const QPoint off = form4_->geometry().center() - screen.center();
    QVERIFY2(std::abs(off.x()) <= border + 1 && std::abs(off.y()) <= border + 1,
             qPrintable(QStringLiteral("off centre by %1,%2").arg(off.x()).arg(off.y())));
}

void TestInfoWindows::focusOnOpening_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("notice") << "Form4";
    QTest::newRow("glossary") << "Fkaisetu";
    QTest::newRow("guide") << "Fsousa";
}

void TestInfoWindows::focusOnOpening()
{
    QFETCH(QString, window);
    QVERIFY(openActive(this->window(window)));
    QCOMPARE(focusName(), QStringLiteral("Command1"));
}

void TestInfoWindows::guideTabOrder()
{
    const QStringList order = {"comauto1",   "r1ue",       "r1sita",     "Command2",   "Command3",   "Command5",
                               "Command6",   "Text1",      "Text2",      "Command4_0", "Command4_1", "Command4_2",
                               "Command4_3", "Command4_4", "Command4_5", "Command1",   "comauto1"};
    QVERIFY(openActive(fsousa_.get()));
    QCOMPARE(focusName(), QStringLiteral("Command1"));
    QStringList visited;
    for (qsizetype step = 0; step < order.size(); ++step) {
        press(fsousa_.get(), Qt::Key_Tab);
        visited << focusName();
    }
    QCOMPARE(visited, order);
}

void TestInfoWindows::noticeGoesOn_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("Return") << Qt::Key_Return;
    QTest::newRow("Enter") << Qt::Key_Enter;
}

void TestInfoWindows::noticeGoesOn()
{
    QFETCH(Qt::Key, key);
    QVERIFY(openActive(form4_.get()));
    press(form4_.get(), key);
    QCOMPARE(goOnCalls_, 1);

    QTest::mouseClick(form4_->button("Command1"), Qt::LeftButton);
    QCOMPARE(goOnCalls_, 2);
}

void TestInfoWindows::escapeLeavesWindowsOpen_data()
{
    focusOnOpening_data();
}

void TestInfoWindows::escapeLeavesWindowsOpen()
{
    QFETCH(QString, window);
    ui::Window* w = this->window(window);
    QVERIFY(openActive(w));
    press(w, Qt::Key_Escape);
    QCoreApplication::processEvents();
    QVERIFY(w->isVisible());
    QCOMPARE(goOnCalls_, 0);
}

void TestInfoWindows::copiedButtonsDoNothing()
{
    QVERIFY(openActive(fsousa_.get()));
    const QList<QWidget*> before = QApplication::topLevelWidgets();
    QStringList texts;
    for (QWidget* child : fsousa_->findChildren<QWidget*>())
        texts << child->objectName() + '=' + textOf(child);

    for (const char* name : kCopies) {
        ui::Button* copy = fsousa_->button(name);
        QTest::mouseClick(copy, Qt::LeftButton);
        copy->setFocus();
        press(fsousa_.get(), Qt::Key_Return);
        press(fsousa_.get(), Qt::Key_Space);
    }
    QCoreApplication::processEvents();

    QVERIFY(fsousa_->isVisible());
    QVERIFY(!form4_->isVisible());
    QVERIFY(!fkaisetu_->isVisible());
    QCOMPARE(QApplication::topLevelWidgets(), before);
    QStringList after;
    for (QWidget* child : fsousa_->findChildren<QWidget*>())
        after << child->objectName() + '=' + textOf(child);
    QCOMPARE(after, texts);
}

void TestInfoWindows::copiedBoxesTakeNoTyping_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("speed") << "Text1" << "100";
    QTest::newRow("auto time") << "Text2" << "1200";
}

void TestInfoWindows::copiedBoxesTakeNoTyping()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QVERIFY(openActive(fsousa_.get()));
    QLineEdit* box = fsousa_->textBox(name.toStdString());

    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(focusName(), name);
    QTest::keyClicks(box, "987");
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(box->text(), text);
    QVERIFY(fsousa_->isVisible());
}

void TestInfoWindows::copiedBoxesLookOrdinary_data()
{
    copiedBoxesTakeNoTyping_data();
}

// The copied box must be drawn exactly as a box that takes typing.
void TestInfoWindows::copiedBoxesLookOrdinary()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QLineEdit* copy = fsousa_->textBox(name.toStdString());
    QVERIFY(copy->isEnabled());

    QWidget holder;
    QLineEdit ordinary(text, &holder);
    ordinary.setFont(copy->font());
    ordinary.setGeometry(copy->geometry());
    ordinary.setCursorPosition(copy->cursorPosition());
    QVERIFY(!ordinary.isReadOnly());
    QCOMPARE(copy->grab().toImage(), ordinary.grab().toImage());
}

void TestInfoWindows::hidingAndShowingAgain_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("how");
    for (const char* window : {"Fkaisetu", "Fsousa"})
        for (const char* how : {"OK clicked", "Enter on OK", "close box"})
            QTest::addRow("%s, %s", window, how) << window << how;
}

void TestInfoWindows::hidingAndShowingAgain()
{
    QFETCH(QString, window);
    QFETCH(QString, how);
    QPointer<ui::Window> w = this->window(window);
    QVERIFY(openActive(w));
    w->move(40, 30);
    const QPoint place = w->pos();

    if (how == "OK clicked")
        QTest::mouseClick(w->button("Command1"), Qt::LeftButton);
    else if (how == "Enter on OK")
        press(w, Qt::Key_Return);
    else
        QVERIFY(w->close());
    QCoreApplication::processEvents();
    QVERIFY(w);
    QVERIFY(!w->isVisible());

    QVERIFY(openActive(w));
    QCOMPARE(this->window(window), w.data());
    QVERIFY(w->isVisible());
    QCOMPARE(w->pos(), place);
    QCOMPARE(focusName(), QStringLiteral("Command1"));
}

QTEST_MAIN(TestInfoWindows)
#include "tst_info_windows.moc"
