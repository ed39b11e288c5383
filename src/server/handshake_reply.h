// The school server's one-line handshake: the request the program sends and the reply it reads.
#pragma once

#include <QString>
#include <optional>

inline const QByteArray kHandshakeRequest = QByteArrayLiteral("higxfOzcj");

struct HandshakeReply
{
    QString httpPort; // field 2
    QString login; // field 9
    QString password; // field 10
};

// A reply starts with "conec" (case as written) followed by "$"-ended fields; a field without its
// "$" reads as empty, and text after the eleventh "$" is ignored. Nothing for any other text.
std::optional<HandshakeReply> parseHandshakeReply(const QString &text);
