#include "server/http_fetch.h"

#include "common/globals.h"
#include "server/ip_address.h"

#include <QStringDecoder>
#include <QUrl>
#include <algorithm>
#include <curl/curl.h>

namespace {

constexpr long kConnectTimeoutMs = 1000;
constexpr long kMaxRedirects = 3;

struct Body
{
    QByteArray bytes;
    qsizetype maxBytes = 0;
    bool tooLarge = false;
    bool headersEnded = false; // the last header block seen so far ended with its blank line
};

size_t collectBody(char *data, size_t size, size_t count, void *target)
{
    auto *body = static_cast<Body *>(target);
    const size_t bytes = size * count;
    if (body->bytes.size() + static_cast<qsizetype>(bytes) > body->maxBytes) {
        body->tooLarge = true;
        return 0; // makes curl abort the transfer
    }
    body->bytes.append(data, static_cast<qsizetype>(bytes));
    return bytes;
}

// Called for every header line, the status line and the blank line that ends a block included.
// A reply cut off inside its headers never brings the blank line.
size_t watchHeaders(char *data, size_t size, size_t count, void *target)
{
    auto *body = static_cast<Body *>(target);
    const QByteArray line(data, static_cast<qsizetype>(size * count));
    if (line.startsWith("HTTP/"))
        body->headersEnded = false;
    else if (line == "\r\n" || line == "\n")
        body->headersEnded = true;
    return size * count;
}

QByteArray charsetOf(const QByteArray &contentType)
{
    for (const QByteArray &parameter : contentType.split(';')) {
        const QByteArray trimmed = parameter.trimmed();
        if (trimmed.toLower().startsWith("charset="))
            return trimmed.mid(8).trimmed().replace('"', "");
    }
    return QByteArray();
}

// Holds one easy handle and its header list for one request.
class Request
{
public:
    Request() : m_curl(curl_easy_init()) { }
    ~Request()
    {
        curl_slist_free_all(m_headers);
        if (m_curl)
            curl_easy_cleanup(m_curl);
    }
    Request(const Request &) = delete;
    Request &operator=(const Request &) = delete;

    CURL *handle() const { return m_curl; }
    void addHeader(const QByteArray &header)
    {
        m_headers = curl_slist_append(m_headers, header.constData());
    }
    curl_slist *headers() const { return m_headers; }

private:
    CURL *m_curl;
    curl_slist *m_headers = nullptr;
};

} // namespace

bool decodeBody(const QByteArray &body, const QByteArray &contentType, QString &text)
{
    const QByteArray charset = charsetOf(contentType);
    QStringDecoder decoder(charset.isEmpty() ? "utf-8" : charset.constData(),
                           QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        return false;
    text = decoder.decode(body);
    return !decoder.hasError();
}

QString ZaprosHTTP(const QString &url, const FetchLimits &limits)
{
    if (limits.timeoutMs <= 0)
        return kDownloadError;
    Request request;
    if (!request.handle())
        return kDownloadError;
    CURL *curl = request.handle();
    const QByteArray credentials = (login_HTTP + QLatin1Char(':') + pas_HTTP).toUtf8().toBase64();
    request.addHeader("Authorization: Basic " + credentials);
    const QByteArray address = url.toUtf8();
    Body body;
    body.maxBytes = limits.maxBytes;

    curl_easy_setopt(curl, CURLOPT_URL, address.constData());
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, request.headers());
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS,
                     std::min(kConnectTimeoutMs, limits.timeoutMs));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, limits.timeoutMs);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, kMaxRedirects);
    // A custom Authorization header is never sent on to another host or port.
    curl_easy_setopt(curl, CURLOPT_UNRESTRICTED_AUTH, 0L);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.maxBytes));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, collectBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, watchHeaders);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &body);

    if (curl_easy_perform(curl) != CURLE_OK || body.tooLarge || !body.headersEnded)
        return kDownloadError;
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    if (status != 200)
        return QString();
    const char *contentType = nullptr;
    curl_easy_getinfo(curl, CURLINFO_CONTENT_TYPE, &contentType);
    QString text;
    if (!decodeBody(body.bytes, QByteArray(contentType), text))
        return kDownloadError;
    return text == QLatin1String("\n") ? QString() : text;
}

QString serverFileUrl(const QString &folder, const QString &fileName)
{
    return QStringLiteral("http://%1:%2/%3/%4")
        .arg(plainAddress(ip_serv), port_HTTP, folder,
             QString::fromLatin1(QUrl::toPercentEncoding(fileName)));
}
