#include "ui/message.h"

#include <QMessageBox>

namespace ui {

namespace {

QString& programName()
{
    static QString name;
    return name;
}

}  // namespace

void setProgramName(const QString& name)
{
    programName() = name;
}

void showRefusal(QWidget* window, const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::Warning, programName(), text,
                                QMessageBox::Ok, window);
    box->setObjectName(QStringLiteral("refusal"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace ui
