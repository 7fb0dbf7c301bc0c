// The texts of the comparison report, the tune history and the notes of
// autosave and history, in English, German, French and Czech (UTF-8).
#pragma once

#include <string>
#include <string_view>

#include "model/Messages.h"

namespace tarvel::present {

enum class CompareText : unsigned char {
    MenuCompareUnit,
    MenuCompareFile,
    MenuTuneHistory,
    TitleUnit,   // report: the window and the unit
    TitleFile,   // report: the window and a file; %1 the file name
    TitleEntry,  // report: the window and a history entry; %1 its date
    ColumnTab,
    ColumnField,
    ColumnPosition,
    ColumnWindow,
    ColumnUnit,
    ColumnFile,
    ColumnEntry,
    ColumnTake,
    TakeAll,
    KeepAll,
    Apply,
    Cancel,
    Close,
    RowColumn,  // %1 row, %2 column
    Column,     // %1 column
    Yes,
    No,
    OtherTab,
    CaptionMultiple,  // the ignitions-per-revolution list has no label of its own
    CaptionMapCell,
    HistoryTitle,
    HistoryDate,
    HistoryBike,
    HistoryUnit,
    HistoryDifferences,
    HistoryCompare,
    HistoryLoad,
    HistoryEmpty,
    HistoryNothingSent,
    AutosaveFailed,  // %1 the reason
    HistoryFailed,   // %1 the reason
    Count
};

std::string_view compareText(CompareText id, Language language);

// "3 fields differ", "1 field differs", "No fields differ" (Czech with its
// three plural forms).
std::string fieldsDiffer(int count, Language language);

// Replaces "%1" and "%2" in `pattern`.
std::string fill(std::string_view pattern, std::string_view one, std::string_view two = {});

}  // namespace tarvel::present
