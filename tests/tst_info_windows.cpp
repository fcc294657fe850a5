#include "ui/button.h"
#include "ui/look.h"
#include "windows/notice_and_info/fkaisetu_layout.h"
#include "windows/notice_and_info/form4.h"
#include "windows/notice_and_info/fsousa_layout.h"
#include "windows/notice_and_info/info_window.h"

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

const char* const kCopies[] = {"r1ue",       "r1sita",     "Command5",   "Command6",   "Command4_0",
                               "Command4_1", "Command4_2", "Command4_3", "Command4_4", "Command4_5",
                               "comauto1",   "Command2",   "Command3"};

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

    void labelsWrap_data();
    void labelsWrap();
    void noticeOpensCentred();
    void noticeGoesOn_data();
    void noticeGoesOn();
    void escapeHidesOnlyTheInformationWindows_data();
    void escapeHidesOnlyTheInformationWindows();
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

// Esc leaves the notice waiting for its OK, and puts the glossary and the
// guide away as their OK does.
void TestInfoWindows::escapeHidesOnlyTheInformationWindows_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("staysOpen");
    QTest::newRow("notice") << "Form4" << true;
    QTest::newRow("glossary") << "Fkaisetu" << false;
    QTest::newRow("guide") << "Fsousa" << false;
}

void TestInfoWindows::escapeHidesOnlyTheInformationWindows()
{
    QFETCH(QString, window);
    QFETCH(bool, staysOpen);
    ui::Window* w = this->window(window);
    QVERIFY(openActive(w));
    press(w, Qt::Key_Escape);
    QCoreApplication::processEvents();
    QCOMPARE(w->isVisible(), staysOpen);
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
