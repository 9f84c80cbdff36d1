#pragma once

class QWidget;

namespace quillon {

// What the application object needs before the first window: the desktop's name for the
// program, the embedded resources and typeface, and no quitting when a window closes
// (windows give way to each other; only EndProgram ends the program).
void prepareApplication();

// Runs the launch sequence up to the first window. Returns false when the program
// ended on the way (another copy is running) and the event loop must not start.
bool runStartUp();

// Draws which of the main window's two promotional labels is in front.
void CoBrand_Randomize(QWidget *mainWindow);

// r·6 + 1 rounded to the nearest integer, halves to the even neighbour (1 to 7).
short coBrandNumber(double draw);
short roundHalfToEven(float value);

// The number last drawn by CoBrand_Randomize.
short intCoBrandRandomNumber();

} // namespace quillon
