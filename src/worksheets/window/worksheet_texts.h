#pragma once
// The questions and messages of the worksheet windows, as the user reads them.
#include <QString>

namespace wm4::text {

inline constexpr const char* DeleteRowQuestion = "Do you want to delete/clear the selected row?";
inline constexpr const char* ClearAssetQuestion =
    "Do you want to delete/clear the entire asset worksheet?";
inline constexpr const char* ClearExpenseQuestion = "Do you want to delete/clear the entire table?";
inline constexpr const char* ClearKinQuestion =
    "Do you want to delete/clear the entire kin worksheet?";
inline constexpr const char* ClearTimeQuestion =
    "Do you want to delete/clear the entire time worksheet?";
inline constexpr const char* SearchComplete = "Search Complete.";

// The question a header click asks; header is the column's current header,
// marker included.
inline QString sortQuestion(const QString& header) {
    return QStringLiteral("Are You Sure You Want To Sort based on the ") + header +
           QStringLiteral(" column? There is no undo for this command.");
}

}  // namespace wm4::text
