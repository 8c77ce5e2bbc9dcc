#include "updateprotocol.h"

#include <QCoreApplication>

namespace Updater {

namespace {

const QLatin1String kMarker("COMPLETION_STATUS:");

} // namespace

QString hostOperatingSystem()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("WINDOWS");
#elif defined(Q_OS_LINUX)
    return QStringLiteral("LINUX");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("MACOS");
#else
    return QStringLiteral("NONE");
#endif
}

QUrl serverUrl(const QString& text, QString* reason)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const bool web =
        url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
    const bool bare = url.path().isEmpty() || url.path() == QLatin1String("/");
    if (!url.isValid() || !web || url.host().isEmpty() || !bare || url.hasQuery() ||
        url.hasFragment()) {
        *reason = QCoreApplication::translate(
                      "Updater::Protocol",
                      "\"%1\" is not the address of an update server (https://host or "
                      "https://host:port)")
                      .arg(text);
        return QUrl();
    }
    QUrl server = url;
    server.setPath(QString());
    return server;
}

QUrl checkUrl(const QUrl& server)
{
    QUrl url = server;
    url.setPath(QStringLiteral("/updatecheck.php"));
    return url;
}

namespace {

// The server's text as a request target: a path, perhaps a query after "?",
// perhaps a fragment after "#", which stays with the client.
struct RequestTarget
{
    QStringView path;
    QStringView query;
    bool hasQuery = false;
};

RequestTarget requestTarget(const QString& serverPath)
{
    QStringView rest(serverPath);
    const qsizetype fragment = rest.indexOf(QLatin1Char('#'));
    if (fragment >= 0)
        rest = rest.left(fragment);
    RequestTarget target;
    const qsizetype query = rest.indexOf(QLatin1Char('?'));
    target.path = query < 0 ? rest : rest.left(query);
    if (query >= 0) {
        target.query = rest.mid(query + 1);
        target.hasQuery = true;
    }
    return target;
}

} // namespace

QUrl downloadUrl(const QUrl& server, const QString& serverPath)
{
    // The server writes the path as it goes on the wire, percent-encoded.
    // Tolerant mode keeps "%20" as "%20" and encodes only what cannot stand
    // in a request as it is (a space, a "%" that starts no escape).
    const RequestTarget target = requestTarget(serverPath);
    QUrl url = server;
    QString path = target.path.toString();
    if (!path.startsWith(QLatin1Char('/')))
        path.prepend(QLatin1Char('/'));
    url.setPath(path, QUrl::TolerantMode);
    if (target.hasQuery)
        url.setQuery(target.query.toString(), QUrl::TolerantMode);
    return url;
}

QByteArray requestBody(const Deployment& deployment, const QString& version, const QString& edition)
{
    const QString body =
        QLatin1String("loginName=") + deployment.account + QLatin1String("&loginPassword=") +
        deployment.password + QLatin1String("&gridwellVersion=") + version +
        QLatin1String("&gridwellType=") + edition + QLatin1String("&eMailAddr=") +
        deployment.email + QLatin1String("&operatingSystem=") + deployment.operatingSystem;
    return body.toLatin1();
}

bool UpdateReply::offersUpdate() const
{
    // Servers have always been read this loosely ("PASSED", " C000" offer
    // too), and the update servers in the field may rely on it.
    return status.contains(QLatin1String("PASS")) && code.contains(QLatin1String("C000"));
}

bool UpdateReply::isUpToDate() const
{
    // Read by the same loose rule as an offer, which is tested first.
    return !offersUpdate() && status.contains(QLatin1String("PASS")) &&
           code.contains(QLatin1String("C001"));
}

UpdateReply parseReply(const QByteArray& body)
{
    UpdateReply reply;
    const QString text = QString::fromUtf8(body);
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (!line.contains(kMarker))
            continue;
        // A later status line replaces everything an earlier one said.
        const QString fields = line.toString();
        const auto field = [&fields](int i) { return fields.section(QLatin1Char(':'), i, i); };
        reply = UpdateReply();
        reply.status = field(1);
        reply.code = field(2);
        reply.message = field(3);
        if (reply.offersUpdate()) {
            reply.version = field(3);
            reply.releaseDate = field(4);
            reply.approximateSize = field(5);
            reply.serverPath = field(6);
        }
    }
    return reply;
}

QString installerFileName(const QString& serverPath)
{
    const QStringView path = requestTarget(serverPath).path;
    const qsizetype backslash = path.lastIndexOf(QLatin1Char('\\'));
    const QStringView last =
        backslash >= 0 ? path.mid(backslash + 1) : path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    // Decoded the way the request encodes it, so the file is named what the
    // server serves: "Gridwell%20Setup.exe" is "Gridwell Setup.exe", and a
    // "%" that starts no escape stays a "%".
    QUrl name;
    name.setPath(last.toString(), QUrl::TolerantMode);
    return name.path(QUrl::FullyDecoded);
}

bool isUsableFileName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || QStringView(u"/\\:*?\"<>|").contains(c))
            return false;
    }
    return true;
}

} // namespace Updater
