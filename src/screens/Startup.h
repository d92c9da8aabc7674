#pragma once

// What the program does between making its application object and running its event loop:
// the design fonts, the real sound player and message boxes, and the main menu on screen.
void startProgram();

// What the program does after its event loop has ended and before its application object
// goes: every screen unloaded, the sound player and the other seams let go.
void stopProgram();
