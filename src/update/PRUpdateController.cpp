#include "PRUpdateController.h"

#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <limits>

#include "PropertyList.h"
#include "UpdateAddress.h"
#include "platform/Localized.h"

namespace {

// One component's number as C's atoi reads it: spaces, a sign, digits; 0 when there are none;
// clamped to the 32-bit range.
qint64 componentValue(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace()) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        negative = text[i++] == QLatin1Char('-');
    qint64 value = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        value = value * 10 + (text[i].unicode() - '0');
        if (value > std::numeric_limits<qint32>::max()) {
            value = std::numeric_limits<qint32>::max() + qint64(negative ? 1 : 0);
            break;
        }
    }
    return negative ? -value : value;
}

QString stringValue(const QVariantMap& document, const char* key) {
    const QVariant v = document.value(QLatin1String(key));
    return v.typeId() == QMetaType::QString ? v.toString() : QString();
}

// The server answered, with an error status: the body is judged like any other.
bool isHttpStatusError(QNetworkReply* reply) {
    const int e = reply->error();
    const bool statusError =
        (e >= QNetworkReply::ContentAccessDenied && e <= QNetworkReply::UnknownContentError) ||
        (e >= QNetworkReply::InternalServerError && e <= QNetworkReply::UnknownServerError);
    return statusError && reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
}

}  // namespace

PRUpdateController::PRUpdateController(QUrl documentUrl, QString bundleVersion, QObject* parent)
    : QObject(parent),
      m_documentUrl(std::move(documentUrl)),
      m_bundleVersion(std::move(bundleVersion)),
      m_nam(new QNetworkAccessManager(this)),
      m_deadline(new QTimer(this)) {
    m_deadline->setSingleShot(true);
    QObject::connect(m_deadline, &QTimer::timeout, this, [this] {
        if (!m_connect) return;
        m_abortReason = localized("no answer within %1 s").arg(m_timeLimitMs / 1000.0);
        m_connect->abort();
    });
    // A proxy taken from the environment has no business with a server on this machine.
    if (QHostAddress(m_documentUrl.host()).isLoopback() || m_documentUrl.host() == QLatin1String("localhost"))
        m_nam->setProxy(QNetworkProxy::NoProxy);
}

PRUpdateController::~PRUpdateController() {
    release();
}

bool PRUpdateController::isChecking() const {
    return !m_connect.isNull();
}

void PRUpdateController::hidUpdateWindow() {
    m_currentVersion = m_bundleVersion;
    Q_EMIT updateWindowHideRequested();
}

void PRUpdateController::checkServerVersion() {
    if (m_documentUrl.isEmpty()) return;
    // A check still running is dropped whole, so two bodies never mix.
    release();
    m_problem.clear();
    QNetworkRequest request(m_documentUrl);
    // Each hop of a redirect must pass the same address rule as the first.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    QNetworkReply* reply = m_nam->get(request);
    // Without a limit the connection keeps reading into the reply's buffer while readyRead waits
    // its turn; a body without a length (chunked) would then be held whole before the cap below
    // sees it. With one, reading pauses until the body read so far has been taken and checked.
    reply->setReadBufferSize(ReadBufferSize);
    m_connect = reply;
    m_receivedData.clear();
    QObject::connect(reply, &QNetworkReply::metaDataChanged, this,
                     [this, reply] { connection_didReceiveResponse(reply); });
    QObject::connect(reply, &QNetworkReply::readyRead, this,
                     [this, reply] { connection_didReceiveData(reply, reply->readAll()); });
    QObject::connect(reply, &QNetworkReply::downloadProgress, this, [this, reply](qint64 received, qint64) {
        if (reply == m_connect && received > MaxDocumentSize) failTooLarge(reply);
    });
    QObject::connect(reply, &QNetworkReply::redirected, this, [this, reply](const QUrl& target) {
        if (UpdateAddress::isAcceptable(target)) {
            Q_EMIT reply->redirectAllowed();
            return;
        }
        Q_UNUSED(target)  // the log names it as the failing address
        m_abortReason =
            localized("redirected to an address that is not used (https://, or http:// to this machine)");
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::finished, this, [this, reply] {
        if (reply != m_connect) return;
        if (reply->bytesAvailable() > 0) connection_didReceiveData(reply, reply->readAll());
        if (reply != m_connect) return;  // the body was too large
        if (!m_abortReason.isEmpty())
            fail(reply, m_abortReason);
        else if (reply->error() == QNetworkReply::NoError || isHttpStatusError(reply))
            connectionDidFinishLoading(reply);
        else
            connection_didFailWithError(reply, reply->errorString(), reply->url().toString());
    });
    m_deadline->start(m_timeLimitMs);
}

void PRUpdateController::connection_didReceiveResponse(QNetworkReply* reply) {
    if (reply != m_connect) return;
    // A new response starts the body over.
    m_receivedData.clear();
}

void PRUpdateController::connection_didReceiveData(QNetworkReply* reply, const QByteArray& data) {
    if (reply != m_connect) return;
    if (m_receivedData.size() + data.size() > MaxDocumentSize) {
        failTooLarge(reply);
        return;
    }
    m_receivedData.append(data);
}

void PRUpdateController::failTooLarge(QNetworkReply* reply) {
    fail(reply, localized("the answer is larger than %1 bytes").arg(MaxDocumentSize));
}

void PRUpdateController::connection_didFailWithError(QNetworkReply* reply, const QString& description,
                                                     const QString& failingUrl) {
    if (reply != m_connect) return;
    qWarning("Connection failed! Error - %s %s", qUtf8Printable(description), qUtf8Printable(failingUrl));
    m_problem = description;
    release();
    Q_EMIT checkFinished(Outcome::Failed);
}

void PRUpdateController::fail(QNetworkReply* reply, const QString& description) {
    connection_didFailWithError(reply, description, reply->url().toString());
}

void PRUpdateController::connectionDidFinishLoading(QNetworkReply* reply) {
    if (reply != m_connect) return;
    // Read in memory: the body never touches the disk.
    const QVariantMap document = PropertyList::readDictionary(m_receivedData);
    m_lastestVersion = stringValue(document, "lastestVersion");
    m_whatsnewString = stringValue(document, "WhatsNew");
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    release();

    if (CompareOneString(m_lastestVersion, m_currentVersion)) {
        Q_EMIT updateWindowRequested();
        Q_EMIT checkFinished(Outcome::Newer);
        return;
    }
    if (m_lastestVersion.isNull()) {
        m_problem = document.isEmpty() && status.toInt() >= 400
                        ? localized("the server answered with HTTP status %1").arg(status.toInt())
                    : document.isEmpty() ? localized("the answer is not a version document")
                                         : localized("the version document has no \"lastestVersion\"");
    }
    if (m_checkUpdate) Q_EMIT noUpdateWindowRequested();
    Q_EMIT checkFinished(m_lastestVersion.isNull() ? Outcome::NoDocument : Outcome::NotNewer);
}

void PRUpdateController::release() {
    m_deadline->stop();
    m_abortReason.clear();
    m_receivedData.clear();
    if (QNetworkReply* reply = m_connect.data()) {
        m_connect = nullptr;
        QObject::disconnect(reply, nullptr, this, nullptr);
        if (reply->isRunning()) reply->abort();
        reply->deleteLater();
    }
}

bool PRUpdateController::CompareOneString(const QString& a, const QString& b) {
    const QList<QStringView> left = QStringView(a).split(QLatin1Char('.'));
    const QList<QStringView> right = QStringView(b).split(QLatin1Char('.'));
    for (qsizetype i = 0; i < std::max(left.size(), right.size()); ++i) {
        const qint64 x = i < left.size() ? componentValue(left[i]) : 0;
        const qint64 y = i < right.size() ? componentValue(right[i]) : 0;
        if (x != y) return x > y;
    }
    return false;
}

QString PRUpdateController::newVersionText() const {
    return localized("Corvane %1 is available.").arg(m_lastestVersion);
}

QString PRUpdateController::currentVersionText() const {
    return localized("You are using %1 version. Would you like to download it now?").arg(m_currentVersion);
}

QString PRUpdateController::whatsNewText() const {
    return QString(m_whatsnewString).replace(QLatin1Char('*'), QLatin1Char('\r'));
}
