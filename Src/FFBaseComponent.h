#pragma once
// The base of the engine's components (logger, decoder, encoder, player) and the
// small types they share.

#include <functional>

#include "platform/base/Set.h"
#include "platform/base/Strings.h"
#include "platform/ui/Component.h"

struct AVFormatContext;

// Seek modes, handed to FFmpeg as its seek flag bits 1, 2, 4 and 8 in this order.
enum TSeekFlag { sfBackward, sfByte, sfAny, sfFrame };
using TSeekFlags = TSet<TSeekFlag>;
int SeekFlagsToAV(const TSeekFlags& AFlags);

// Raised after an input has been opened and before its streams are probed. The
// sender is the component or the conversion task that opens the input.
using TBeforeFindStreamInfoEvent = std::function<void(TObject* Sender, AVFormatContext* AFormatContext)>;

class TFFBaseComponent : public TComponent {
 public:
  explicit TFFBaseComponent(TComponent* AOwner);

  // Holds nothing the engine uses; it exists for those who set components up.
  String About;
  const String& Version() const { return FVersion; }
  // Shows the about box for the component, modally: its class name without the first
  // letter (FFDecoder for TFFDecoder) and its version.
  void ShowAbout();

  // Milliseconds that a blocking read or write may take; 0 means no time-out. Both
  // start at 30000, or at 0 when a debugger is attached to the process, so that
  // stopping at a breakpoint does not make every open input time out.
  int ReadTimeout = 0;
  int WriteTimeout = 0;

 private:
  String FVersion = "4.5a";
};
