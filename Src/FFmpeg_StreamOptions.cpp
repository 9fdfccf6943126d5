// Per-stream option lookups: which of an option's entries applies to a stream.

#include "Src/FFmpeg.h"

template <typename T>
void TCustomFFmpeg::MatchPerStreamOption(const TSpecifierOpts& AOpts, AVFormatContext* AContext,
                                         AVStream* AStream, T& AValue) {
  // Entries in the order given; the last one that matches wins.
  for (const TSpecifierOpt& Entry : AOpts) {
    int Match = check_stream_specifier(AContext, AStream, Entry.specifier);
    if (Match < 0) RaiseError(ErrorToText("check_stream_specifier", Match));
    if (Match > 0) AValue = std::get<T>(Entry.u);
  }
}

template void TCustomFFmpeg::MatchPerStreamOption<String>(const TSpecifierOpts&, AVFormatContext*, AVStream*,
                                                          String&);
template void TCustomFFmpeg::MatchPerStreamOption<int>(const TSpecifierOpts&, AVFormatContext*, AVStream*,
                                                       int&);
template void TCustomFFmpeg::MatchPerStreamOption<int64_t>(const TSpecifierOpts&, AVFormatContext*, AVStream*,
                                                           int64_t&);
template void TCustomFFmpeg::MatchPerStreamOption<float>(const TSpecifierOpts&, AVFormatContext*, AVStream*,
                                                         float&);
template void TCustomFFmpeg::MatchPerStreamOption<double>(const TSpecifierOpts&, AVFormatContext*, AVStream*,
                                                          double&);
