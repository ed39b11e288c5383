// The download of one file from the school server: a blocking HTTP GET with Basic
// authentication, answering the body, the empty text, or "*error*".
#pragma once

#include <QByteArray>
#include <QString>

inline const QString kDownloadError = QStringLiteral("*error*");

// What one download may cost: the whole request's time and the body's size.
struct FetchLimits
{
    long timeoutMs = 2500;
    qsizetype maxBytes = 16 * 1024 * 1024;
};

// The scheme list and a scheme are a few hundred bytes; anything much larger is no such file.
inline constexpr qsizetype kSchemeFileMaxBytes = 64 * 1024;

// GET `url` with the credentials login_HTTP:pas_HTTP. The body of a 200 reply decoded by its
// charset (UTF-8 when none is named); the empty text for any other status; "*error*" when the
// request fails, times out (or has no time left), is redirected more than 3 times, ends inside
// its headers, its body exceeds the limit or does not decode. A body of a lone line feed is the
// empty text.
QString ZaprosHTTP(const QString &url, const FetchLimits &limits = {});

// Decodes a body by the charset its content type names; false when the charset is unknown or the
// bytes are not valid in it.
bool decodeBody(const QByteArray &body, const QByteArray &contentType, QString &text);

// "http://" + ip_serv (in plain decimal) + ":" + port_HTTP + "/" + folder + "/" + the file name
// percent-encoded as a UTF-8 path segment.
QString serverFileUrl(const QString &folder, const QString &fileName);
