#include "app/program.h"
#include "tests/context_menu.h"
#include "tests/driving.h"
#include "ui/look.h"
#include "windows/notice_and_info/form4.h"
#include "windows/reel/riru.h"
#include "windows/setting_estimate/setting_estimate_window.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

namespace {

QString textOf(QWidget* window, const QString& name)
{
    return window->findChild<QLabel*>(name)->text();
}

// Typed as a player types: select the box's text, type the number, confirm.
void enter(QWidget* window, const char* box, int value)
{
    auto* spin = window->findChild<QSpinBox*>(QString::fromLatin1(box));
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, QString::number(value));
    QTest::keyClick(spin, Qt::Key_Return);
}

}  // namespace

class TestSettingEstimateWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::useClassicLook(); }

    // F5 on the reel window and its menu entry open one window; Esc closes it.
    void keyAndMenuOpenOneWindow()
    {
        Program program([] {});
        click(*program.notice(), "Command1");
        Riru* riru = program.reelWindow();
        QVERIFY(QTest::qWaitForWindowActive(riru));
        QTest::keyClick(riru, Qt::Key_F5);
        SettingEstimateWindow* window = program.window<SettingEstimateWindow>();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("設定判別"));
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!window->isVisible());

        const QStringList offered =
            rightClickAndChoose(riru->findChild<QLabel*>("lbyakumei"), QStringLiteral("設定判別 (F5)"));
        QVERIFY2(offered.contains(QStringLiteral("設定判別 (F5)")), qPrintable(offered.join(u',')));
        QCOMPARE(program.window<SettingEstimateWindow>(), window);
        QVERIFY(window->isVisible());
    }

    void countsTypedInUpdateEverySetting()
    {
        SettingEstimateWindow window;
        window.show();
        // Nothing counted yet: the even prior, and the counts cannot tell.
        QCOMPARE(textOf(&window, "posterior_1"), QStringLiteral("16.7 %"));
        QVERIFY(!textOf(&window, "caution").isEmpty());

        enter(&window, "games", 6000);
        enter(&window, "bigCount", 24);
        enter(&window, "regCount", 16);
        const QStringList shown = {textOf(&window, "posterior_1"), textOf(&window, "posterior_2"),
                                   textOf(&window, "posterior_3"), textOf(&window, "posterior_4"),
                                   textOf(&window, "posterior_5"), textOf(&window, "posterior_6")};
        QCOMPARE(shown, (QStringList{"12.3 %", "15.4 %", "16.9 %", "17.5 %", "19.0 %", "18.9 %"}));
        QCOMPARE(textOf(&window, "expected_1"), QStringLiteral("BIG 20.1 回・REG 14.3 回"));
        QCOMPARE(textOf(&window, "meanSetting"), QStringLiteral("平均の設定: 3.72"));
        QCOMPARE(textOf(&window, "fourOrHigher"), QStringLiteral("設定4以上の確率: 55.4 %"));
        QVERIFY2(!textOf(&window, "caution").isEmpty(), "no setting is above 50 %");

        // A long stay at setting 5's odds tells it apart.
        enter(&window, "games", 3'000'000);
        enter(&window, "bigCount", 12268);
        enter(&window, "regCount", 7690);
        QCOMPARE(textOf(&window, "posterior_5"), QStringLiteral("100.0 %"));
        QCOMPARE(textOf(&window, "caution"), QString());

        // More bonuses than games: a message, no numbers.
        enter(&window, "games", 10);
        QCOMPARE(textOf(&window, "posterior_5"), QStringLiteral("―"));
        QVERIFY(textOf(&window, "caution").contains(QStringLiteral("ゲーム数を超えています")));
    }

    // A screen reader reaches every result by Tab after the counts and reads
    // it there, each setting's line with its number; nothing speaks a bare
    // percentage as the numbers change.
    void theResultsAreReadWhereTabReachesThem()
    {
        SettingEstimateWindow window;
        window.open();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("games"));
        enter(&window, "games", 6000);
        enter(&window, "bigCount", 24);
        enter(&window, "regCount", 16);
        QStringList heard;
        for (int press = 0; press < 12; ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            heard << QAccessible::queryAccessibleInterface(QApplication::focusWidget())->text(QAccessible::Name);
        }
        QVERIFY2(heard.contains(QStringLiteral("設定3 16.9 %、BIG 22.7 回・REG 14.3 回")), qPrintable(heard.join(u'|')));
        for (const QString& line : {QStringLiteral("平均の設定: 3.72"), QStringLiteral("設定4以上の確率: 55.4 %"),
                                    QStringLiteral("この回数ではまだ設定を見分けられません。")})
            QVERIFY2(heard.contains(line), qPrintable(heard.join(u'|')));

        for (QWidget* control : window.findChildren<QWidget*>()) {
            QAccessibleInterface* readable = QAccessible::queryAccessibleInterface(control);
            QVERIFY2(!readable || !readable->valueInterface() || control->focusPolicy() != Qt::NoFocus,
                     qPrintable(control->objectName()));
        }
    }

    void aPriorOfTheirOwn()
    {
        SettingEstimateWindow window;
        window.show();
        auto* prior = window.findChild<QComboBox*>("prior");
        auto* first = window.findChild<QDoubleSpinBox*>("priorWeight_1");
        QVERIFY(!first->isVisible());
        prior->setCurrentIndex(1);
        QVERIFY(first->isVisible());
        for (int s = 1; s <= 6; ++s)
            window.findChild<QDoubleSpinBox*>(QStringLiteral("priorWeight_%1").arg(s))->setValue(s);
        QCOMPARE(textOf(&window, "posterior_6"), QStringLiteral("28.6 %"));  // 6 / 21 before any game
        first->setValue(0);
        QCOMPARE(textOf(&window, "posterior_6"), QStringLiteral("―"));
        QVERIFY(textOf(&window, "caution").contains(QStringLiteral("0 %")));
        prior->setCurrentIndex(0);
        QCOMPARE(textOf(&window, "posterior_6"), QStringLiteral("16.7 %"));
    }
};

QTEST_MAIN(TestSettingEstimateWindow)
#include "tst_setting_estimate_window.moc"
