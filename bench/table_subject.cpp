// The reach-me table under measurement: the program as main.cpp starts it,
// OK pressed, then F3 for the table's first opening, every left position in
// turn, and the PDF and CSV exports. Prints key=value lines for the driver.
//     bench_table table
#include "app/program.h"
#include "exports/table_export.h"
#include "ui/look.h"
#include "windows/notice_and_info/form4.h"
#include "windows/reach_me_table/reach_me_table_window.h"
#include "windows/reel/riru.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void put(const char* key, double value)
{
    std::printf("%s=%.6g\n", key, value);
    std::fflush(stdout);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Notes when the table's grid has painted: a change counts as done once the
// event-loop pass that painted it is over.
class GridPaints : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->objectName() == QLatin1String("qt_scrollarea_viewport") &&
            watched->parent() && watched->parent()->objectName() == QLatin1String("grid"))
            painted = true;
        return false;
    }
};

// Milliseconds from `change` until the grid has painted it.
double untilPainted(GridPaints& paints, const std::function<void()>& change)
{
    QElapsedTimer clock;
    clock.start();
    paints.painted = false;
    change();
    while (!paints.painted && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    return double(clock.nsecsElapsed()) / 1e6;
}

double exportMs(const QString& fileName, TableFormat format, const ReelCellPictures& pictures)
{
    QElapsedTimer clock;
    clock.start();
    if (!writeTable(fileName, format, 7, pictures).isEmpty())
        return -1;
    return double(clock.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (QCoreApplication::arguments().value(1) != QLatin1String("table")) {
        std::fprintf(stderr, "usage: %s table\n", argv[0]);
        return 2;
    }
    ui::useClassicLook();
    QApplication::setQuitOnLastWindowClosed(false);
    Program program([] {});
    GridPaints paints;
    app.installEventFilter(&paints);
    program.notice()->findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
    Riru* riru = program.reelWindow();
    if (!QTest::qWaitForWindowExposed(riru) || !QTest::qWaitForWindowActive(riru))
        return 1;
    QTest::qWait(200);  // the reel window's first frames are not the table's

    put("table_open_ms", untilPainted(paints, [&] { QTest::keyClick(riru, Qt::Key_F3); }));
    ReachMeTableWindow* table = program.window<ReachMeTableWindow>();
    if (!table || !paints.painted)
        return 1;
    auto* left = table->findChild<QSpinBox*>("leftPosition");
    std::vector<double> switches;
    for (int position = 1; position <= 21; ++position)
        if (position != left->value())
            switches.push_back(untilPainted(paints, [&] { left->setValue(position); }));
    put("table_switch_ms", median(switches));
    put("table_switch_max_ms", *std::max_element(switches.begin(), switches.end()));

    QTemporaryDir folder;
    std::vector<double> csv, pdf;
    for (int run = 0; run < 5; ++run) {
        csv.push_back(exportMs(folder.filePath("t.csv"), TableFormat::Csv, table->cellPictures()));
        pdf.push_back(exportMs(folder.filePath("t.pdf"), TableFormat::Pdf, table->cellPictures()));
    }
    if (std::min(*std::min_element(csv.begin(), csv.end()), *std::min_element(pdf.begin(), pdf.end())) < 0)
        return 1;
    put("csv_ms", median(csv));
    put("pdf_ms", median(pdf));
    return 0;
}
