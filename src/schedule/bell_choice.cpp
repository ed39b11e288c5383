#include "schedule/bell_choice.h"

namespace {

const char *folderName(BellEvent event)
{
    switch (event) {
    case BellEvent::LessonStart:
        return "begin";
    case BellEvent::Break:
        return "peremena";
    default:
        return "end";
    }
}

} // namespace

QString voiceFolder(BellEvent event)
{
    return QStringLiteral("sound/1/") + QLatin1String(folderName(event));
}

QString ringFile(BellEvent event)
{
    return QStringLiteral("sound/2/") + QLatin1String(folderName(event)) + QStringLiteral(".mp3");
}

QString chooseBellFile(BellEvent event, const BellSettings &settings,
                       const RandomBelow &randomBelow)
{
    if (!settings.voice)
        return settings.dataFolder + QLatin1Char('/') + ringFile(event);

    // At the end of a day that another scheme follows, the break announcement stands in.
    const bool breakInstead = event == BellEvent::LessonsOver && settings.breakInsteadOfEnd
        && settings.shemNum != settings.schemeCount;
    const VoiceChoice &choice
        = settings.choices[static_cast<int>(breakInstead ? BellEvent::Break : event)];
    if (choice.random)
        return choice.files.isEmpty() ? QString()
                                      : choice.files.at(randomBelow(choice.files.size()));
    // The list's full path, so a file found in a subfolder is played from where it lies.
    return choice.files.value(choice.currentIndex);
}
