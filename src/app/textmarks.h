#pragma once
// Answers are stored with "@" for each line break and shown with a CR
// (character 13, no line feed) in its place.

#include <QString>

namespace app {

// Each "@" becomes one CR; every other character is copied unchanged.
QString MarksToBreaks(const QString &text);

} // namespace app
