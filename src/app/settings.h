#pragma once
// What the program keeps for the next run (QSettings "revaze"): the task
// folder chosen last, for the next start from the desktop menu, which would
// otherwise begin with the samples again, and whether answers are shown by
// syllables.

#include <QSettings>
#include <QString>

namespace app {

// The program's settings file (~/.config/revaze/revaze.conf), for whatever keeps a value.
QSettings programSettings();

// Empty when no folder was chosen yet.
QString rememberedTaskFolder();
// An empty folder forgets the one kept.
void rememberTaskFolder(const QString &folder);

// Off until it is switched on.
bool readsBySyllables();
void setReadsBySyllables(bool on);

} // namespace app
