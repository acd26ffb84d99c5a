#pragma once
// The program's side of reading aloud. The engine, with espeak-ng and the
// sound output, is a module of its own that is loaded at the first V, so
// that start-up pays nothing for it.

#include "speech/speechengine.h"

#include <memory>

namespace speech {

// The speed the user set (`Vorlesen/WoerterProMinute` in the program's
// settings), kept to what can still be understood: 80 to 450 words a minute.
int configuredRate();

// The engine of the speech module at the configured speed. When the module
// cannot be loaded, an engine whose problem() says so.
std::unique_ptr<Engine> loadEngine();
// Tests, whose programs stand elsewhere, name the module to load.
void setModuleFile(const QString &file);

} // namespace speech
