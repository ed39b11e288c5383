#include "schedule/scheme_list.h"

#include "schedule/scheme_name.h"

namespace {

constexpr int kFirstNameLine = 7;
const QString kSeparator = QStringLiteral("---");

} // namespace

SchemeList parseSchemeList(const QStringList &lines)
{
    SchemeList list;
    list.messages = { lines.value(0), lines.value(1), lines.value(3), lines.value(4) };
    for (int i = kFirstNameLine - 1; i < kFirstNameLine - 1 + kMaxSchemes; ++i) {
        const QString name = lines.value(i);
        if (isUsableSchemeName(name))
            list.names << name;
    }
    return list;
}

QString messageOrDefault(int index, const QString &message)
{
    if (!message.isEmpty())
        return message;
    return index < 2 ? QStringLiteral("Уроки закончились.")
                     : QStringLiteral("Уроки еще не начались. Ожидайте.");
}

QStringList schemeListLines(const std::array<QString, 4> &messages, const QStringList &names)
{
    return QStringList {
        messages[0], messages[1], kSeparator, messages[2], messages[3], kSeparator
    }
    + names;
}
