#pragma once

#include <functional>
#include <memory>

class MessageBox;
class PrinterSurface;
class SoundPlayer;

// The seams to the outside world. main() installs the real ones; tests install doubles.
// Until something is installed, sounds are silent and message boxes answer OK unseen.
namespace Services {

SoundPlayer& sound();
void setSound(std::unique_ptr<SoundPlayer> player);

MessageBox& messages();
void setMessages(std::unique_ptr<MessageBox> boxes);

// Starts a document on the default printer; throws a PrintError when there is none.
std::unique_ptr<PrinterSurface> newPrinter();
void setPrinterFactory(std::function<std::unique_ptr<PrinterSurface>()> factory);

// A whole number from 0 to n - 1 with equal chances; tests may choose the draw.
int randomBelow(int n);
void setRandom(std::function<int(int)> source);

// Puts every seam back to its silent default.
void reset();

} // namespace Services
