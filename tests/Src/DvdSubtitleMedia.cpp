#include "tests/Src/DvdSubtitleMedia.h"

#include <cstdint>
#include <cstdio>

#include "tests/support/TestSupport.h"

namespace dvd_subtitle_media {

namespace {

std::string BigEndian16(int AValue) { return std::string{char((AValue >> 8) & 0xFF), char(AValue & 0xFF)}; }

// A subtitle packet: the picture's run lengths, then a control sequence that shows it
// and one that hides it.
std::string SubtitlePacket(int ASize, int AAlpha, int AShowDate, int AHideDate) {
  // Every line is "colour 1 to the end of the line"; both fields share the lines.
  std::string Lines;
  for (int I = 0; I < (ASize + 1) / 2; I++) Lines += std::string("\x00\x01", 2);
  const int Last = ASize - 1;
  const std::string Show = std::string("\x03\x00\x10", 3) +                   // colour 1 is palette entry 1
                           "\x04" + std::string{'\x00', char(AAlpha << 4)} +  // its opacity
                           "\x05" + std::string{'\x00', char(Last >> 8), char(Last & 0xFF)} +
                           std::string{'\x00', char(Last >> 8), char(Last & 0xFF)} +  // x and y ranges
                           "\x06" + BigEndian16(4) + BigEndian16(4) + "\x01\xFF";     // lines; show
  const int ShowAt = 4 + static_cast<int>(Lines.size());
  const int HideAt = ShowAt + 4 + static_cast<int>(Show.size());
  const std::string Body = Lines + BigEndian16(AShowDate) + BigEndian16(HideAt) + Show +
                           BigEndian16(AHideDate) + BigEndian16(HideAt) + "\x02\xFF";
  return BigEndian16(4 + static_cast<int>(Body.size())) + BigEndian16(ShowAt) + Body;
}

std::string PresentationTime(int64_t APts) {
  return {char(0x21 | ((APts >> 29) & 0x0E)), char((APts >> 22) & 0xFF), char(((APts >> 14) & 0xFE) | 1),
          char((APts >> 7) & 0xFF), char(((APts << 1) & 0xFE) | 1)};
}

}  // namespace

std::string WriteVobSub(const std::string& AName, int ASize, int AAlpha,
                        const std::vector<TDvdSubtitle>& ASubtitles) {
  const std::string Pack("\x00\x00\x01\xBA\x44\x00\x04\x00\x04\x01\x01\x89\xC3\xF8", 14);
  std::string Stream;
  std::string Index =
      "# VobSub index file, v7 (do not modify this line!)\nsize: 720x576\n"
      "palette: 000000, ffffff, 808080, ff0000, 00ff00, 0000ff, ffff00, 00ffff, "
      "ff00ff, 404040, c0c0c0, 800000, 008000, 000080, 808000, 008080\nid: en, index: 0\n";
  for (const TDvdSubtitle& Subtitle : ASubtitles) {
    // Control dates count 1024/90 ms.
    const std::string Packet =
        SubtitlePacket(ASize, AAlpha, Subtitle.ShowMs * 90 / 1024, Subtitle.HideMs * 90 / 1024);
    const std::string Pes =
        std::string("\x81\x80\x05", 3) + PresentationTime(Subtitle.PacketSecond * 90000LL) + "\x20" + Packet;
    char Line[64];
    std::snprintf(Line, sizeof Line, "timestamp: 00:%02d:%02d:000, filepos: %09zx\n",
                  Subtitle.PacketSecond / 60, Subtitle.PacketSecond % 60, Stream.size());
    Index += Line;
    Stream += Pack + std::string("\x00\x00\x01\xBD", 4) + BigEndian16(static_cast<int>(Pes.size())) + Pes;
  }
  testing_support::WriteWholeFile(AName + ".sub", Stream + std::string("\x00\x00\x01\xB9", 4));
  testing_support::WriteWholeFile(AName + ".idx", Index);
  return AName + ".idx";
}

}  // namespace dvd_subtitle_media
