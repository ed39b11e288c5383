// Which file a bell plays: a pure function of the bell settings, the scheme's place in the list
// and a random source that tests can fix.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

enum class BellEvent { LessonStart = 0, Break = 1, LessonsOver = 2 };

struct VoiceChoice
{
    bool random = false; // "Случайное"; otherwise "Выбранное"
    int currentIndex = -1; // current item of the event's drop-down list
    QStringList files; // full paths under the event's voice folder, item for item
};

struct BellSettings
{
    bool voice = false; // "Голос"; otherwise "Звонок"
    std::array<VoiceChoice, 3> choices; // by BellEvent
    bool breakInsteadOfEnd = false; // "Перемена вместо окончания уроков"
    int shemNum = 0; // position of the scheme in force
    int schemeCount = 0; // items of the scheme list
    QString dataFolder;
};

// A whole number from 0 to n - 1.
using RandomBelow = std::function<int(int n)>;

// The path of the file to play, or empty when nothing should sound.
QString chooseBellFile(BellEvent event, const BellSettings &settings,
                       const RandomBelow &randomBelow);

// The voice folders and ring files under the data folder, by event.
QString voiceFolder(BellEvent event);
QString ringFile(BellEvent event);
