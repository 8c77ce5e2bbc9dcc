// The updater's one dialog: checks the update server for a newer installer
// and downloads it, with progress and a log of messages, newest first.
#pragma once

#include "updateprotocol.h"

#include <QDialog>
#include <QPointer>

#include <memory>

class QNetworkAccessManager;
class QNetworkReply;
class QSaveFile;

namespace Ui {
class SoftwareUpdateDialog;
}

namespace Updater {

class UpdatePrompts;

// How the progress bar shows a transfer: a maximum of 0 means busy, for a
// total the server did not announce.
struct ProgressSpan
{
    int value = 0;
    int maximum = 0;
};

ProgressSpan progressSpan(qint64 done, qint64 total);

} // namespace Updater

class SoftwareUpdateDialog : public QDialog
{
    Q_OBJECT

public:
    // Starts the update check once the dialog is first shown; the prompts
    // answer the folder and overwrite questions and must outlive the dialog.
    SoftwareUpdateDialog(const Updater::Deployment& deployment, Updater::UpdatePrompts* prompts,
                         QWidget* parent = nullptr);
    ~SoftwareUpdateDialog() override;

    bool isBusy() const { return m_busy; }

public slots:
    // Closing the window any other way cancels like Exit does.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

signals:
    // The last request of the check or the download has ended.
    void transfersDone(bool error);

private slots:
    void handleHttpRequestFinished(QNetworkReply* reply);
    void handleResponseHeader(QNetworkReply* reply);
    void updateDataReadProgress(qint64 done, qint64 total);
    void handleDone(bool error);
    void exitDlg();

private:
    void checkForUpdate();
    void sendUpdateRequest();
    void finishCheck(QNetworkReply* reply);
    QString parseReply(const QByteArray& body);
    void startDownload();
    bool writeDownloadedData();
    void finishDownload(QNetworkReply* reply);
    QNetworkReply* watch(QNetworkReply* reply);
    void readReply(QNetworkReply* reply);
    void stopTransfers();
    void stopBusyBar();
    void report(const QString& message);
    QString downloadFolderText() const;

    std::unique_ptr<Ui::SoftwareUpdateDialog> ui;
    Updater::Deployment m_deployment;
    Updater::UpdatePrompts* m_prompts;
    QUrl m_server;

    QNetworkAccessManager* m_http;
    QPointer<QNetworkReply> m_checkReply;
    QPointer<QNetworkReply> m_downloadReply;
    // The installer being written; it takes its name only once complete.
    std::unique_ptr<QSaveFile> m_file;
    qint64 m_received = 0;

    bool m_started = false;
    bool m_cancelled = false;
    bool m_busy = false;
    bool m_updateAvailable = false;
    bool m_upToDate = false;
    bool m_downloadComplete = false;
    QString m_installFolder;
    QString m_downloadFolder;
    QString m_edition;
    QString m_version;
    QString m_operatingSystem;
    QString m_fileName;
    Updater::UpdateReply m_release;
    QString m_log;
};
