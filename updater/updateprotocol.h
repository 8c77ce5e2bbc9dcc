// The conversation with the update server: where it is, what the update
// check sends and what its reply means.
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace Updater {

// Who asks whom. Fixed when the program is built (see updatecommandline.h);
// the server may be replaced on the command line.
struct Deployment
{
    QString server; // https://host[:port]; http:// only where given explicitly
    QString account;
    QString password;
    QString email;
    QString operatingSystem; // as sent; "NONE" when unknown
};

// "WINDOWS", "LINUX" or "MACOS" for the system this program was built for,
// "NONE" for any other.
QString hostOperatingSystem();

// The server address as a URL: https or http, a host, perhaps a port, and
// nothing after it. An empty URL and *reason when the text is not one.
QUrl serverUrl(const QString& text, QString* reason);

// Where the update check goes, and where an installer named by its server
// path is fetched from. The server path is percent-encoded as it is to be
// sent, perhaps with a query after "?"; a fragment after "#" is not sent.
QUrl checkUrl(const QUrl& server);
QUrl downloadUrl(const QUrl& server, const QString& serverPath);

// The form body of the update check, values inserted as they are.
QByteArray requestBody(const Deployment& deployment, const QString& version,
                       const QString& edition);

// What the last "COMPLETION_STATUS:" line of a reply says.
struct UpdateReply
{
    QString status;
    QString code;
    QString message;
    // Only for an update offer:
    QString version;
    QString releaseDate;
    QString approximateSize;
    QString serverPath;

    // A status containing "PASS" with a code containing "C000": a newer
    // release, named by the fields below.
    bool offersUpdate() const;
    // A status containing "PASS" with a code containing "C001" (and no
    // offer): the installed release is the newest there is.
    bool isUpToDate() const;
};

UpdateReply parseReply(const QByteArray& body);

// The installer's name: the part of the server path (before any "?" or "#")
// after the last "\" if it has one, else after the last "/", percent-decoded.
QString installerFileName(const QString& serverPath);

// Whether a name from the server may be used as a file name in the download
// folder: not empty, not "." or "..", and free of separators, characters
// that some file system refuses, and control characters.
bool isUsableFileName(const QString& name);

} // namespace Updater
