// The two questions the updater may put to the user, behind one interface so
// that something other than a person can answer them.
#pragma once

#include <QString>

class QWidget;

namespace Updater {

class UpdatePrompts
{
public:
    virtual ~UpdatePrompts() = default;

    // The folder to download into; empty when the user chose none.
    virtual QString chooseDownloadFolder(QWidget* parent, const QString& caption) = 0;

    // Whether an existing installer may be replaced.
    virtual bool confirmOverwrite(QWidget* parent, const QString& title, const QString& text) = 0;
};

// The questions as dialogs: a folder picker and a Yes/No warning box.
class DialogPrompts : public UpdatePrompts
{
public:
    QString chooseDownloadFolder(QWidget* parent, const QString& caption) override;
    bool confirmOverwrite(QWidget* parent, const QString& title, const QString& text) override;
};

} // namespace Updater
