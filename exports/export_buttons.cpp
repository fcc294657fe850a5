#include "exports/export_buttons.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

namespace {

const ExportButtons::Export kExports[] = {
    {TableFormat::Pdf, "exportPdf", "PDF に書き出す…", "PDF (*.pdf)", "pdf"},
    {TableFormat::Csv, "exportCsv", "CSV に書き出す…", "CSV (*.csv)", "csv"},
    {TableFormat::Png, "exportPng", "PNG に書き出す…", "PNG (*.png)", "png"},
    {std::nullopt, "exportPairsCsv", "2確目を CSV に書き出す…", "CSV (*.csv)", "csv"},
};

QString startingFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

}  // namespace

ExportButtons::ExportButtons(const ReelCellPictures& pictures, std::function<int()> leftPosition,
                             std::function<void(const QString&)> report, QWidget* parent)
    : QWidget(parent),
      pictures_(pictures),
      leftPosition_(std::move(leftPosition)),
      report_(std::move(report)),
      folder_(startingFolder())
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    for (const Export& text : kExports) {
        auto* button = new QPushButton(QString::fromUtf8(text.caption), this);
        button->setObjectName(QString::fromLatin1(text.objectName));
        button->setAccessibleName(QString::fromUtf8(text.caption).chopped(1));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, &text] { exportAs(text); });
        layout->addWidget(button);
    }
}

QString ExportButtons::askFileName(const Export& text)
{
    const QString name = !text.format                        ? QStringLiteral("reach-me-pairs.csv")
                         : *text.format == TableFormat::Png ? QStringLiteral("reach-me-table-%1.png").arg(leftPosition_())
                                                            : QStringLiteral("reach-me-table.") + QString::fromLatin1(text.suffix);
    QFileDialog dialog(window(), QString::fromUtf8(text.caption).chopped(1), QDir(folder_).filePath(name),
                       QString::fromLatin1(text.filter));
    dialog.setObjectName(QStringLiteral("exportFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QString::fromLatin1(text.suffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void ExportButtons::exportAs(const Export& text)
{
    const QString fileName = askFileName(text);
    if (fileName.isEmpty())
        return;
    folder_ = QFileInfo(fileName).absolutePath();
    const QString failure =
        text.format ? writeTable(fileName, *text.format, leftPosition_(), pictures_) : writePairsCsv(fileName);
    if (failure.isEmpty()) {
        report_(QStringLiteral("%1 に書き出しました。").arg(QDir::toNativeSeparators(fileName)));
        return;
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("リーチ目表"),
                    QStringLiteral("%1 に書き出せませんでした。\n%2").arg(QDir::toNativeSeparators(fileName), failure),
                    QMessageBox::Ok, window());
    box.setObjectName(QStringLiteral("exportFailure"));
    box.exec();
}
