// The texts the window shows about data logs, in the four languages: the
// status line while recording or replaying, the note in the title while a
// replay runs, the titles and messages of the Log menu's dialogs, and the
// default name of a new log.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/Messages.h"

namespace tarvel::datalog {

enum class LogText : unsigned char {
    RecordDialogTitle,  // the file dialog of a new recording
    ReplayDialogTitle,  // the file dialog of a replay
    FileFilter,         // "Logs": the file dialogs' filter, before " (*.mlg *.msl)"
    MarkerTitle,
    MarkerPrompt,  // the label above the marker's text
    StartFailed,
    NotWrittenCompletely,
    StoppedUnwritable,
    ReplayFailed,
    NoRecords,  // the reason when a readable log holds no record
    Count
};

std::string_view logText(LogText id, Language language);

// "12:05" below an hour, "1:02:05" from an hour on.
std::string clockText(double seconds);

// "Recording ride.mlg: 1234 records, 02:05".
std::string recordingStatus(Language language, std::string_view fileName, std::size_t records, double seconds);

// "REPLAY ride.mlg  00:12 / 05:00  4x" with "paused" while paused.
std::string replayStatus(Language language, std::string_view fileName, double elapsed, double duration, int speed,
                         bool playing);

// "[REPLAY ride.mlg]", appended to the window title while a replay runs.
std::string replayTitleNote(Language language, std::string_view fileName);

// "2026-12-10_13-05-42.mlg" for the local time `unixTime`.
std::string defaultLogName(std::int64_t unixTime);

}  // namespace tarvel::datalog
