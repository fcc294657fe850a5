#include "ui/message.h"

#include <QMessageBox>

namespace ui {

void showRefusal(QWidget* window, const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("カレト職人養成マシーン"), text,
                                QMessageBox::Ok, window);
    box->setObjectName(QStringLiteral("refusal"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace ui
