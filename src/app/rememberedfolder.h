#pragma once
// The task folder the user chose last, kept for the next start from the
// desktop menu, which would otherwise begin with the samples again.

#include <QString>

namespace app {

// Empty when no folder was chosen yet.
QString rememberedTaskFolder();
// An empty folder forgets the one kept.
void rememberTaskFolder(const QString &folder);

} // namespace app
