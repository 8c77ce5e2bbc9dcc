#include "softwareupdatedialog.h"

#include "ui_softwareupdatedialog.h"
#include "updateconfig.h"
#include "updateprompts.h"
#include "updatesettings.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>

#include <limits>

Q_LOGGING_CATEGORY(lcUpdater, "gridwell.updater")

using namespace Updater;

namespace Updater {

ProgressSpan progressSpan(qint64 done, qint64 total)
{
    if (total < 0)
        return {0, 0};
    // The bar counts in int; an installer past that range moves it in coarser steps.
    constexpr qint64 margin = 50;
    const qint64 maximum = qMin(total, std::numeric_limits<qint64>::max() - margin) + margin;
    constexpr qint64 limit = std::numeric_limits<int>::max();
    const qint64 step = maximum > limit ? maximum / limit + 1 : 1;
    return {int(qBound<qint64>(0, done, maximum) / step), int(maximum / step)};
}

} // namespace Updater

namespace {

// Ends a reply from inside one of its own signals, where aborting at once
// would have the network code report its end twice.
void abortLater(QNetworkReply* reply)
{
    QMetaObject::invokeMethod(
        reply, [reply] { reply->abort(); }, Qt::QueuedConnection);
}

QNetworkRequest plainRequest(const QUrl& url)
{
    QNetworkRequest request(url);
    // A redirect answers like any other status but 200: the update server
    // is asked directly or not at all.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    return request;
}

} // namespace

SoftwareUpdateDialog::SoftwareUpdateDialog(const Deployment& deployment, UpdatePrompts* prompts,
                                           QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::SoftwareUpdateDialog>()), m_deployment(deployment),
      m_prompts(prompts), m_http(new QNetworkAccessManager(this))
{
    ui->setupUi(this);
    connect(m_http, &QNetworkAccessManager::finished, this,
            &SoftwareUpdateDialog::handleHttpRequestFinished);
    connect(ui->CancelPushButton, &QPushButton::clicked, this, &SoftwareUpdateDialog::exitDlg);
}

SoftwareUpdateDialog::~SoftwareUpdateDialog()
{
    // Replies outlive this destructor's body; none may call back into it.
    m_http->disconnect(this);
    for (QNetworkReply* reply : {m_checkReply.data(), m_downloadReply.data()}) {
        if (reply) {
            reply->disconnect(this);
            reply->abort();
        }
    }
}

void SoftwareUpdateDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_started)
        return;
    m_started = true;
    // The folder question belongs in front of this window, which is not on
    // screen until the show has finished.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (isVisible())
                checkForUpdate();
        },
        Qt::QueuedConnection);
}

void SoftwareUpdateDialog::checkForUpdate()
{
    m_installFolder = installFolderSetting();
    if (m_installFolder == QLatin1String("0")) {
        report(tr("Error C300: Gridwell application was not installed properly. Can not check "
                  "for product updates."));
        return;
    }
    m_operatingSystem = m_deployment.operatingSystem;
    if (m_operatingSystem == QLatin1String("NONE")) {
        report(tr("Error C315:Unable to determine the operating system type. Therefore can not "
                  "check for update"));
        return;
    }

    m_downloadFolder = downloadFolderSetting();
    if (m_downloadFolder == QLatin1String("0") || m_downloadFolder.isEmpty() ||
        !QFileInfo(m_downloadFolder).isDir()) {
        m_downloadFolder = m_prompts->chooseDownloadFolder(
            this, tr("Select a directory to save the new Gridwell Application Install file"));
        qCDebug(lcUpdater) << "SELECTED DIR " << m_downloadFolder;
        if (m_downloadFolder.isEmpty()) {
            report(tr("Error C302: You have not selected a directory to download the update. "
                      "therefore can not check for update"));
            return;
        }
    }
    storeDownloadFolder(m_downloadFolder);

    InstalledRelease installed;
    QString reason;
    if (!readConfiguration(m_installFolder, &installed, &reason)) {
        report(tr("Error C303: %1").arg(reason));
        return;
    }
    m_edition = installed.edition;
    m_version = installed.version;
    qCDebug(lcUpdater) << "doUpdateCheck()" << m_downloadFolder << m_deployment.email << m_version
                       << m_edition;
    sendUpdateRequest();
}

void SoftwareUpdateDialog::sendUpdateRequest()
{
    QString reason;
    m_server = serverUrl(m_deployment.server, &reason);
    if (m_server.isEmpty()) {
        report(tr("Error: C305: Gridwell Update Failed: %1.").arg(reason));
        return;
    }
    if (m_server.scheme() == QLatin1String("http")) {
        report(tr("Warning: the update server %1 is asked over plain HTTP, so the download is "
                  "not protected: the installer could be changed on its way to this computer.")
                   .arg(m_server.toString(QUrl::RemoveUserInfo)));
    }
    QNetworkRequest request = plainRequest(checkUrl(m_server));
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QByteArrayLiteral("application/x-www-form-urlencoded"));
    m_busy = true;
    ui->updateProgressBar->setRange(0, 0); // until the reply says how long it is
    // The reply stays in memory: the current folder of an installed program
    // is often not writable, and nothing else needs it on disk.
    m_checkReply = watch(m_http->post(request, requestBody(m_deployment, m_version, m_edition)));
}

QNetworkReply* SoftwareUpdateDialog::watch(QNetworkReply* reply)
{
    connect(reply, &QNetworkReply::metaDataChanged, this,
            [this, reply] { handleResponseHeader(reply); });
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] { readReply(reply); });
    return reply;
}

void SoftwareUpdateDialog::readReply(QNetworkReply* reply)
{
    if (m_cancelled)
        return;
    // The check's reply is read whole once it has ended; the installer goes
    // to its file as it comes.
    qint64 done = reply->bytesAvailable();
    if (reply == m_downloadReply && m_file) {
        if (!writeDownloadedData()) {
            report(tr("Error: C313: Gridwell Update Failed: %1.").arg(m_file->errorString()));
            m_cancelled = true;
            m_busy = false;
            m_file.reset();
            abortLater(reply);
            return;
        }
        done = m_received;
    }
    // Progress is counted here rather than taken from the network code, which
    // holds back reports that come close together.
    const QVariant total = reply->header(QNetworkRequest::ContentLengthHeader);
    updateDataReadProgress(done, total.isValid() ? total.toLongLong() : -1);
}

void SoftwareUpdateDialog::handleResponseHeader(QNetworkReply* reply)
{
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (m_cancelled || !status.isValid() || status.toInt() == 200)
        return;
    report(tr("Error C307: Gridwell Update Failed: Error Code: %1 Error Message: %2.")
               .arg(QString::number(status.toInt()),
                    reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()));
    m_cancelled = true;
    m_busy = false;
    abortLater(reply);
}

void SoftwareUpdateDialog::handleHttpRequestFinished(QNetworkReply* reply)
{
    reply->deleteLater();
    if (reply != m_checkReply && reply != m_downloadReply)
        return;
    handleResponseHeader(reply); // a status that came only with the end of the reply
    if (m_cancelled) {
        m_file.reset();
        m_busy = false;
        handleDone(true);
        return;
    }
    if (reply == m_checkReply)
        finishCheck(reply);
    else
        finishDownload(reply);
}

void SoftwareUpdateDialog::finishCheck(QNetworkReply* reply)
{
    ui->progressLabel->setText(tr("Verification of new update complete"));
    m_busy = false;
    if (reply->error() != QNetworkReply::NoError) {
        report(tr("Error: C306: Gridwell Update Failed: %1.").arg(reply->errorString()));
        m_cancelled = true;
        handleDone(true);
        return;
    }
    m_cancelled = false;
    qCDebug(lcUpdater) << "Post Request Finished successfully";
    report(parseReply(reply->readAll()));
    if (m_updateAvailable) {
        ui->progressLabel->setText(tr("Started new update download"));
        startDownload();
    }
    if (!m_busy)
        handleDone(false);
}

QString SoftwareUpdateDialog::parseReply(const QByteArray& body)
{
    const UpdateReply reply = Updater::parseReply(body);
    qCDebug(lcUpdater) << "State 1" << reply.status << reply.code << reply.message << reply.version
                       << reply.releaseDate << reply.approximateSize << reply.serverPath;
    if (reply.isUpToDate()) {
        m_upToDate = true;
        return tr("Gridwell Update: No new update is available at this time");
    }
    const QString failed =
        tr("Error C308: Gridwell Update Failed with error Code %1. Error message %2");
    if (!reply.offersUpdate())
        return failed.arg(reply.code, reply.message);

    // The name comes from the server: it must name a file in the download
    // folder and nothing else.
    const QString name = installerFileName(reply.serverPath);
    if (!isUsableFileName(name)) {
        return failed.arg(reply.code,
                          tr("The installer name \"%1\" in the server's reply is not a usable "
                             "file name")
                              .arg(name));
    }
    m_release = reply;
    m_fileName = name;
    m_updateAvailable = true;
    return tr("Starting to download the latest version: \r\nVersion: %1 \r\nReleased Date: %2 "
              "\r\nLocal Download Directory: %3 \r\nApproximate File Size: %4 \r\nFile Name: %5")
        .arg(reply.version, reply.releaseDate, m_downloadFolder, reply.approximateSize, name);
}

QString SoftwareUpdateDialog::downloadFolderText() const
{
    if (m_downloadFolder.endsWith(QLatin1Char('/')) || m_downloadFolder.endsWith(QLatin1Char('\\')))
        return m_downloadFolder;
    return m_downloadFolder + QLatin1Char('/');
}

void SoftwareUpdateDialog::startDownload()
{
    m_cancelled = false;
    m_updateAvailable = false;
    m_busy = false;
    m_file.reset();
    stopBusyBar(); // nothing moves while the user is asked

    const QString folder = downloadFolderText();
    const QString target = QDir(m_downloadFolder).filePath(m_fileName);
    if (QFileInfo::exists(target)) {
        if (!m_prompts->confirmOverwrite(
                this, tr("Gridwell Update"),
                tr("The download file %1%2 already exists.\n Do you want to over ride this file?")
                    .arg(folder, m_fileName))) {
            report(tr("Error C311: Gridwell Update failed:You have choosen not to over ride the "
                      "file. Therefore can not download the new update.\n"));
            return;
        }
        // The old installer stays until a complete new one replaces it; here
        // we only make sure that replacing it can work. The folder may have
        // gone while the question was open.
        const QFileInfo folderInfo(m_downloadFolder);
        bool replaceable = folderInfo.isDir() && folderInfo.isWritable();
#if defined(Q_OS_WIN)
        replaceable = replaceable && QFileInfo(target).isWritable();
#endif
        if (!replaceable) {
            report(tr("Error C310: Gridwell Update failed: Unable to Remove file: %1%2. Check "
                      "File permission. Can not download update")
                       .arg(folder, m_fileName));
            return;
        }
    }

    auto file = std::make_unique<QSaveFile>(target);
    if (!file->open(QIODevice::WriteOnly)) {
        report(tr("Error C312: Gridwell Update failed:Unable to update file: %1%2. Error: %3. "
                  "Check file permission")
                   .arg(folder, m_fileName, file->errorString()));
        return;
    }
    m_file = std::move(file);
    m_busy = true;
    m_cancelled = false;
    m_received = 0;
    m_downloadReply = m_http->get(plainRequest(downloadUrl(m_server, m_release.serverPath)));
    watch(m_downloadReply);
}

bool SoftwareUpdateDialog::writeDownloadedData()
{
    if (!m_file || !m_downloadReply)
        return false;
    const QByteArray chunk = m_downloadReply->readAll();
    m_received += chunk.size();
    return m_file->write(chunk) == chunk.size();
}

void SoftwareUpdateDialog::finishDownload(QNetworkReply* reply)
{
    ui->progressLabel->setText(tr("Update download complete"));
    m_busy = false;
    const bool received = reply->error() == QNetworkReply::NoError;
    // Only a complete installer takes its name; anything less is discarded.
    if (!received || !m_file || !writeDownloadedData() || !m_file->commit()) {
        const QString reason = !received ? reply->errorString()
                               : m_file  ? m_file->errorString()
                                         : QString();
        report(tr("Error: C313: Gridwell Update Failed: %1.").arg(reason));
        m_cancelled = true;
        m_file.reset();
        handleDone(true);
        return;
    }
    m_file.reset();
    m_downloadComplete = true;
    report(tr("The download is complete. Please install the new release."));
    handleDone(false);
}

void SoftwareUpdateDialog::updateDataReadProgress(qint64 done, qint64 total)
{
    if (m_cancelled)
        return;
    if (!ui->CancelPushButton->isEnabled()) {
        report(tr("Processing the cancel download request...."));
        return;
    }
    const ProgressSpan span = progressSpan(done, total);
    ui->updateProgressBar->setRange(0, span.maximum);
    ui->updateProgressBar->setValue(span.value);
}

void SoftwareUpdateDialog::handleDone(bool error)
{
    // A check that found nothing newer has ended as well as a download.
    if (!error && (m_downloadComplete || m_upToDate)) {
        ui->updateProgressBar->setRange(0, 100);
        ui->updateProgressBar->setValue(100);
    }
    emit transfersDone(error);
}

void SoftwareUpdateDialog::stopTransfers()
{
    if (!m_busy)
        return;
    m_cancelled = true;
    m_busy = false;
    m_file.reset(); // discards what was written; the installer's name is never touched
    for (QNetworkReply* reply : {m_checkReply.data(), m_downloadReply.data()}) {
        if (reply && reply->isRunning())
            reply->abort();
    }
}

void SoftwareUpdateDialog::stopBusyBar()
{
    ui->updateProgressBar->setRange(0, 100);
    ui->updateProgressBar->reset();
}

void SoftwareUpdateDialog::exitDlg()
{
    ui->CancelPushButton->setEnabled(false);
    stopTransfers();
    accept();
}

void SoftwareUpdateDialog::reject()
{
    stopTransfers();
    QDialog::reject();
}

void SoftwareUpdateDialog::report(const QString& message)
{
    // Newest first, so the outcome is what the user sees without scrolling.
    m_log = message + QLatin1String("\r\n\r\n") + m_log;
    ui->statusTextEdit->setPlainText(m_log);
    if (message.contains(QLatin1String("Error"))) {
        ui->progressLabel->setText(tr("Update download cancelled"));
        ui->updateProgressBar->setRange(0, 100);
        ui->updateProgressBar->setValue(0);
    }
}
