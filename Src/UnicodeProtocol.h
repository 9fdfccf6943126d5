#pragma once
// The engine protocol "unicode": "unicode:" followed by a file name opens that file.
//
// File names on Linux are UTF-8 bytes already, so the protocol only strips its prefix
// and hands the rest to the system unchanged, colons and all. It stays for the callers
// and option texts that name files this way.

// Registers the protocol with the engine (once; later calls do nothing). Needs
// libavformat loaded; the loader calls it each time it binds the library.
void RegisterUnicodeProtocol();
