// The little of HTTP the school server needs: reading one request's head, and answers.
#pragma once

#include <QByteArray>
#include <QMap>
#include <optional>

struct HttpRequest
{
    QByteArray method;
    QByteArray target; // as sent: percent-encoded path, maybe with a query
    QMap<QByteArray, QByteArray> headers; // names in lower case
};

// The request whose head ends with a blank line in `bytes`; nothing while the head is incomplete
// or cannot be read.
std::optional<HttpRequest> parseHttpRequestHead(const QByteArray &bytes);

QByteArray httpResponse(int status, const QByteArray &reason,
                        const QMap<QByteArray, QByteArray> &headers, const QByteArray &body);
