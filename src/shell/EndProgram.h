#pragma once

namespace quillon {

// Unloads every window and ends the process: the only way the program ends.
void EndProgram();

// True while EndProgram is closing the windows, so their close handlers do not end it again.
bool isProgramEnding();

} // namespace quillon
