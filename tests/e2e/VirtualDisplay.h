#pragma once
// A virtual X display of a test's own: Xvfb, 1280 × 800 at 24 bits, no TCP, no resets,
// a black root window and no window manager, so that tests may run side by side. The display
// number is found by trying: the first free one from a start that depends on the
// process, claimed with the X server's lock file (Xvfb itself claims none when it
// reports its readiness through -displayfd, which spares the test a wait). The pointer
// starts in the top-left corner, away from every demonstration window, and the
// keyboard has the German layout, whose keys type ü and ß.

#include <sys/types.h>

#include <string>

#include "platform/gdi/PictureCodecs.h"
#include "tests/support/TestSupport.h"

namespace e2e {

// How long a test waits for something that should come at once: a failure guard only.
constexpr int PatienceMs = 20000;

class TVirtualDisplay {
 public:
  // Raises std::runtime_error when the server does not come up.
  TVirtualDisplay();
  ~TVirtualDisplay();
  TVirtualDisplay(const TVirtualDisplay&) = delete;
  TVirtualDisplay& operator=(const TVirtualDisplay&) = delete;

  // ":N".
  const std::string& Name() const { return FName; }
  // Runs a shell command line with DISPLAY naming this display.
  testing_support::CommandResult Run(const std::string& ACommand) const;
  // Runs xdotool with the arguments (a shell word list); raises std::runtime_error
  // when it fails, else returns its output.
  std::string Xdotool(const std::string& AArguments) const;
  // The screen's pixels inside ARect, read with ImageMagick's import.
  TPixelImage Screenshot(const TRect& ARect) const;
  // Ends the server at once: every client loses its connection.
  void Kill();

 private:
  // Starts Xvfb on the claimed number and waits until it accepts clients.
  bool StartServer();

  pid_t FServer = -1;
  int FNumber = -1;
  std::string FName;
  testing_support::TempDir FDir;
};

}  // namespace e2e
