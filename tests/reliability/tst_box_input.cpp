// Whatever the user types in the two millisecond boxes, the start and
// auto-start buttons either go with the number it reads as or refuse it with
// a box that names the field, and the window stays in a state its buttons
// show: Standing, Spinning or Auto playing.

#include "../reel_window_fixture.h"

#include "ui/look.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <memory>


namespace {

const QString kSpeedField = QString::fromUtf16(u"リール１コマのスピード");
const QString kStopTimeField = QString::fromUtf16(u"Ａutoの停止までの時間");
constexpr int kRefused = -1;

QString u16(const char16_t* text)
{
    return QString::fromUtf16(text);
}

}  // namespace

class BoxInput : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    QString startFolder_;
    Game game_;
    std::unique_ptr<Riru> window_;

    QLineEdit* box(const char* name) const { return boxOf(*window_, name); }
    void click(const char* name) const { QTest::mouseClick(buttonOf(*window_, name), Qt::LeftButton); }

    // Checks the refusal box that names `field`, and closes it with its OK.
    void takeRefusal(const QString& field)
    {
        QMessageBox* refusal = openRefusal(*window_);
        QVERIFY2(refusal, "no refusal box");
        QVERIFY(refusal->isVisible());
        QCOMPARE(refusal->windowModality(), Qt::WindowModal);
        QVERIFY2(refusal->text().contains(field), qPrintable(refusal->text()));

        // The box blocks its window: a real click on the start button, through
        // the window system, reaches nothing.
        QPushButton* start = buttonOf(*window_, "cmstart");
        QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {},
                          start->mapTo(window_.get(), start->rect().center()));
        QCOMPARE(window_->findChildren<QMessageBox*>().size(), 1);
        QCOMPARE(shownState(*window_), Shown::Standing);

        closeRefusal(refusal);
        QVERIFY(!openRefusal(*window_));
    }

    // Every text goes in both boxes: the result through the start button, and
    // through the auto-start button with a good speed.
    static void table()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stepMs");
        QTest::addColumn<QString>("speedBoxAfter");  // null: as typed
        QTest::addColumn<int>("stopMs");
        QTest::addColumn<QString>("stopBoxAfter");

        const QString asTyped;
        QTest::newRow("empty") << "" << 100 << "100" << 900 << "900";
        QTest::newRow("0") << "0" << 100 << "100" << 950 << "950";
        QTest::newRow("00") << "00" << 100 << "100" << 0 << asTyped;
        QTest::newRow("0.4") << "0.4" << 100 << "100" << 0 << asTyped;
        QTest::newRow("2.5 to even") << "2.5" << 2 << asTyped << 2 << asTyped;
        QTest::newRow("3.5 to even") << "3.5" << 4 << asTyped << 4 << asTyped;
        QTest::newRow("1.5") << "1.5" << 2 << asTyped << 2 << asTyped;
        QTest::newRow("just above a half") << "0.5000001" << 1 << asTyped << 1 << asTyped;
        QTest::newRow(".5") << ".5" << 100 << "100" << 0 << asTyped;
        QTest::newRow("5.") << "5." << 5 << asTyped << 5 << asTyped;
        QTest::newRow("+5") << "+5" << 5 << asTyped << 5 << asTyped;
        QTest::newRow("-1") << "-1" << kRefused << asTyped << kRefused << asTyped;
        QTest::newRow("-0.4") << "-0.4" << 100 << "100" << 0 << asTyped;
        QTest::newRow("-0") << "-0" << 100 << "100" << 0 << asTyped;
        QTest::newRow("32767") << "32767" << 32767 << asTyped << 32767 << asTyped;
        QTest::newRow("32767.4") << "32767.4" << 32767 << asTyped << 32767 << asTyped;
        QTest::newRow("32767.5") << "32767.5" << kRefused << asTyped << kRefused << asTyped;
        QTest::newRow("32768") << "32768" << kRefused << asTyped << kRefused << asTyped;
        QTest::newRow("twenty nines") << "99999999999999999999" << kRefused << asTyped << kRefused << asTyped;
        QTest::newRow("1e3") << "1e3" << kRefused << asTyped << kRefused << asTyped;
        QTest::newRow("abc") << "abc" << kRefused << asTyped << kRefused << asTyped;
        QTest::newRow("full-width 1200") << u16(u"１２００") << 1200 << asTyped << 1200 << asTyped;
        QTest::newRow("full-width 1.5") << u16(u"１．５") << 2 << asTyped << 2 << asTyped;
        QTest::newRow("full-width 0") << u16(u"０") << 100 << "100" << 950 << "950";
        QTest::newRow("full-width minus") << u16(u"－３") << kRefused << asTyped << kRefused << asTyped;
        QTest::newRow("blanks around") << " 250 " << 250 << asTyped << 250 << asTyped;
        QTest::newRow("blanks around 0") << " 0 " << 100 << "100" << 950 << "950";
        QTest::newRow("tab and ideographic space") << u16(u"\t7\u3000") << 7 << asTyped << 7 << asTyped;
        QTest::newRow("250ms") << "250ms" << kRefused << asTyped << kRefused << asTyped;
        QTest::newRow("&H10") << "&H10" << kRefused << asTyped << kRefused << asTyped;
        QTest::newRow("0x10") << "0x10" << kRefused << asTyped << kRefused << asTyped;
        QTest::newRow("1 000") << "1 000" << kRefused << asTyped << kRefused << asTyped;
        QTest::newRow("1,000") << "1,000" << kRefused << asTyped << kRefused << asTyped;
        QTest::newRow("1.2.3") << "1.2.3" << kRefused << asTyped << kRefused << asTyped;
        QTest::newRow(".") << "." << kRefused << asTyped << kRefused << asTyped;
        QTest::newRow("NaN") << "NaN" << kRefused << asTyped << kRefused << asTyped;
        QTest::newRow("Arabic-Indic digit") << u16(u"\u0663") << kRefused << asTyped << kRefused << asTyped;
        QTest::newRow("zero-width space") << u16(u"\u200b5") << kRefused << asTyped << kRefused << asTyped;
        QTest::newRow("lone surrogate") << u16(u"5\xd800") << kRefused << asTyped << kRefused << asTyped;
        // The box keeps the first 32767 characters of a longer text.
        QTest::newRow("40000 ones") << QString(40000, u'1') << kRefused << asTyped << kRefused << asTyped;
        QTest::newRow("32766 zeros and a 7") << QString(32766, u'0') + u'7' << 7 << asTyped << 7 << asTyped;
    }

private slots:
    void initTestCase()
    {
        ui::useClassicLook();
        QVERIFY(folder_.isValid());
        for (const char* name : {"r1.bmp", "r2.bmp", "r3.bmp"})
            QVERIFY(QFile::copy(QStringLiteral(PICTURES_DIR "/") + name, folder_.filePath(name)));
        startFolder_ = QDir::currentPath();
        QDir::setCurrent(folder_.path());
        window_ = std::make_unique<Riru>(game_, loadStripPictures(), [] {});
        window_->open();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanupTestCase()
    {
        window_.reset();
        QDir::setCurrent(startFolder_);
    }

    void startButton_data() { table(); }
    void startButton()
    {
        QFETCH(QString, text);
        QFETCH(int, stepMs);
        QFETCH(QString, speedBoxAfter);

        QCOMPARE(shownState(*window_), Shown::Standing);
        box("Text1")->setText(text);
        const QString typed = box("Text1")->text();
        click("cmstart");

        if (stepMs == kRefused) {
            takeRefusal(kSpeedField);
            QCOMPARE(box("Text1")->text(), typed);
            QCOMPARE(shownState(*window_), Shown::Standing);
            return;
        }
        QVERIFY(!openRefusal(*window_));
        QCOMPARE(shownState(*window_), Shown::Spinning);
        QCOMPARE(window_->game().timint(), stepMs);
        for (const ui::Timer* reel : {timerOf(*window_, "Timer1"), timerOf(*window_, "Timer2"), timerOf(*window_, "Timer3")})
            QCOMPARE(reel->interval(), stepMs);
        QCOMPARE(box("Text1")->text(), speedBoxAfter.isNull() ? typed : speedBoxAfter);

        click("r2stop");
        QCOMPARE(shownState(*window_), Shown::Spinning);
        click("r3stop");
        click("r1stop");
        QCOMPARE(shownState(*window_), Shown::Standing);
        QCOMPARE(box("Text2")->text(), expectedReadOut(*window_));
        QVERIFY(isPattern(box("Text2")->text()));
    }

    void autoStartButton_data() { table(); }
    void autoStartButton()
    {
        QFETCH(QString, text);
        QFETCH(int, stopMs);
        QFETCH(QString, stopBoxAfter);

        QCOMPARE(shownState(*window_), Shown::Standing);
        box("Text1")->setText(QStringLiteral("100"));
        box("Text3")->setText(text);
        const QString typed = box("Text3")->text();
        click("autostart");

        if (stopMs == kRefused) {
            takeRefusal(kStopTimeField);
            QCOMPARE(box("Text3")->text(), typed);
            QCOMPARE(shownState(*window_), Shown::Standing);
            return;
        }
        QVERIFY(!openRefusal(*window_));
        QCOMPARE(shownState(*window_), Shown::AutoPlaying);
        QCOMPARE(timerOf(*window_, "Timer4")->interval(), stopMs);
        QCOMPARE(window_->game().timint(), 100);
        QCOMPARE(box("Text3")->text(), stopBoxAfter.isNull() ? typed : stopBoxAfter);

        click("autostop");
        QCOMPARE(shownState(*window_), Shown::Standing);
    }

    // Auto play reads both boxes before it changes anything, so a refusal of
    // either leaves both as typed; the speed box is named first.
    void autoStartRefusalChangesNeitherBox_data()
    {
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("stopTime");
        QTest::addColumn<bool>("speedNamed");
        QTest::newRow("bad stop time, empty speed") << "" << "abc" << false;
        QTest::newRow("bad speed, empty stop time") << "abc" << "" << true;
        QTest::newRow("bad speed, stop time 0") << "-1" << "0" << true;
        QTest::newRow("both bad") << "1e3" << "32768" << true;
    }
    void autoStartRefusalChangesNeitherBox()
    {
        QFETCH(QString, speed);
        QFETCH(QString, stopTime);
        QFETCH(bool, speedNamed);

        box("Text1")->setText(speed);
        box("Text3")->setText(stopTime);
        click("autostart");
        takeRefusal(speedNamed ? kSpeedField : kStopTimeField);
        QCOMPARE(box("Text1")->text(), speed);
        QCOMPARE(box("Text3")->text(), stopTime);
        QCOMPARE(shownState(*window_), Shown::Standing);
    }
};

QTEST_MAIN(BoxInput)
#include "tst_box_input.moc"
