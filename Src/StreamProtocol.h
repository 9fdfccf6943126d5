#pragma once
// The engine protocol "stream": "stream:<address>:<private data>" reads and writes the
// TStream object at that address (a signed decimal, as the encoder's stream overloads
// write it). The private data is the caller's; the protocol passes it over.
//
// The name carries a raw address, so only names built by the encoder from a live
// stream are meant to be opened; the stream must outlive the task that reads or
// writes it, and only one task may use a stream at a time.

#include "platform/base/Strings.h"

class TStream;

// The name "stream:%d:%s" for AStream and APrivateData.
String StreamURL(const TStream* AStream, const String& APrivateData);

// Registers the protocol with the engine (once; later calls do nothing). Needs
// libavformat loaded; the loader calls it each time it binds the library.
void RegisterStreamProtocol();
