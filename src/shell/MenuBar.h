#pragma once

#include <functional>

class QMainWindow;

namespace quillon {

// The menu bar shared by the main and questionnaire windows: File, Help, Donate,
// and the hidden, disabled "Make Money Online" command.
void buildMenuBar(QMainWindow *window, std::function<void()> onExit);

// Shows the about window modally over the given window.
void showAboutWindow(QMainWindow *owner);

} // namespace quillon
