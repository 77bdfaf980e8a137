#include "platform/notice.h"

#include <QMessageBox>

namespace tavrel::platform {

void showWarning(QWidget* parent, const QString& title, const QString& text, const char* objectName)
{
    auto* box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box->setObjectName(objectName);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace tavrel::platform
