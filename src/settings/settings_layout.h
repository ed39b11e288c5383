// Which cell of the settings table holds which setting, and typed access to a cell.
#pragma once

#include <QString>

struct SettingCell
{
    const char *column;
    int id;
};

namespace Cell {
inline constexpr SettingCell Organizac { "set_1", 1 }; // organisation name for captions
inline constexpr SettingCell ServerAddress { "set_1", 3 };
inline constexpr SettingCell ServerPort { "set_1", 4 };
inline constexpr SettingCell BellsOn { "set_1", 5 };
inline constexpr SettingCell BellKindVoice { "set_1", 6 }; // "1" voice, else ring
inline constexpr SettingCell LocalMode { "set_1", 7 }; // "1" local, else server
inline constexpr SettingCell WhiteText { "set_1", 8 }; // "1" white, else black
inline constexpr SettingCell SidePanelShown { "set_1", 9 };
inline constexpr SettingCell BellVolume { "set_2", 1 };
inline constexpr SettingCell MusicVolume { "set_2", 2 };
inline constexpr SettingCell LessonStartRandom { "set_2", 3 };
inline constexpr SettingCell LessonStartIndex { "set_2", 4 };
inline constexpr SettingCell BreakRandom { "set_2", 5 };
inline constexpr SettingCell BreakIndex { "set_2", 6 };
inline constexpr SettingCell LessonsOverRandom { "set_2", 7 };
inline constexpr SettingCell LessonsOverIndex { "set_2", 8 };
inline constexpr SettingCell WidgetShown { "set_2", 9 };
inline constexpr SettingCell BreakMusic { "set_3", 1 };
inline constexpr SettingCell ZeroLesson { "set_3", 2 };
inline constexpr SettingCell BreakInsteadOfEnd { "set_3", 3 };
inline constexpr SettingCell Autostart { "set_3", 4 };
inline constexpr SettingCell SchemesInOrder { "set_3", 5 };
inline constexpr SettingCell ColumnWidth { "set_3", 6 };
inline constexpr SettingCell GridClasses { "set_3", 7 };
inline constexpr SettingCell GridLessons { "set_3", 8 };
inline constexpr SettingCell GridResetDate { "set_3", 9 };
} // namespace Cell

QString readSetting(SettingCell cell);
// Only the exact text "1" is on.
bool readFlag(SettingCell cell);
void writeSetting(SettingCell cell, const QString &value);
void writeFlag(SettingCell cell, bool on);
