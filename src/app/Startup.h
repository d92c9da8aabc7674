#pragma once

// What the program does between making its application object and running its event loop:
// the design fonts, the real sound player and message boxes, and the main menu on screen.
void startProgram();
