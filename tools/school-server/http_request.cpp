#include "http_request.h"

#include <QList>

std::optional<HttpRequest> parseHttpRequestHead(const QByteArray &bytes)
{
    const qsizetype end = bytes.indexOf("\r\n\r\n");
    if (end < 0)
        return std::nullopt;
    const QList<QByteArray> lines = bytes.left(end).split('\n');
    const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    if (requestLine.size() != 3)
        return std::nullopt;
    HttpRequest request { requestLine[0], requestLine[1], {} };
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                   lines[i].mid(colon + 1).trimmed());
    }
    return request;
}

QByteArray httpResponse(int status, const QByteArray &reason,
                        const QMap<QByteArray, QByteArray> &headers, const QByteArray &body)
{
    QByteArray response = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\n";
    for (auto it = headers.cbegin(); it != headers.cend(); ++it)
        response += it.key() + ": " + it.value() + "\r\n";
    response
        += "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n";
    return response + body;
}
