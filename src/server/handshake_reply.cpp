#include "server/handshake_reply.h"

#include <QStringList>

std::optional<HandshakeReply> parseHandshakeReply(const QString &text)
{
    if (!text.startsWith(QLatin1String("conec")))
        return std::nullopt;
    // Splitting on "$" leaves the text after the last "$" as the final part: not a field.
    QStringList fields = text.mid(5).split(QLatin1Char('$'));
    fields.removeLast();
    return HandshakeReply { fields.value(1), fields.value(8), fields.value(9) };
}
