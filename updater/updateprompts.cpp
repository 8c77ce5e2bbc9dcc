#include "updateprompts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace Updater {

QString DialogPrompts::chooseDownloadFolder(QWidget* parent, const QString& caption)
{
    return QFileDialog::getExistingDirectory(
        parent, caption, QString(), QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
}

bool DialogPrompts::confirmOverwrite(QWidget* parent, const QString& title, const QString& text)
{
    return QMessageBox::warning(parent, title, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

} // namespace Updater
