// The engine's error texts.

#include <gtest/gtest.h>

#include "Src/FFUtils.h"

namespace {

TEST(ErrorTextTest, ErrnoWinsockAndUnknownCodes) {
  struct Case {
    int Code;
    const char* Text;
  };
  for (const Case& C :
       {Case{-2, "input.avi: No such file or directory"}, Case{-10060, "input.avi: Connection timed out"},
        Case{-42, "input.avi: Error number -42 occurred"}, Case{0, "input.avi: Error number 0 occurred"},
        Case{-41, "input.avi: Error number -41 occurred"}, Case{-58, "input.avi: Error number -58 occurred"},
        Case{-22, "input.avi: Invalid argument / Invalid data found when processing input"},
        Case{-131, "input.avi: State not recoverable"}, Case{-10004, "input.avi: Interrupted function call"},
        Case{-10071, "input.avi: Object is remote"}, Case{-10035, "input.avi: WSAEWOULDBLOCK"},
        Case{-11004, "input.avi: WSANO_DATA"}, Case{1, "input.avi: Error number 1 occurred"}})
    EXPECT_EQ(ErrorToText("input.avi", C.Code), C.Text) << C.Code;
}

TEST(ErrorTextTest, FFmpegCodesAreTheTaggedValues) {
  // The codes are minus a four-byte tag read as a little-endian number.
  struct Case {
    int Code;
    const char* Text;
  };
  for (const Case& C :
       {Case{-1481985528, "Muxer not found"}, Case{-1414549496, "Option not found"},
        Case{-1414092869, "Immediate exit requested"}, Case{-1381258232, "Stream not found"},
        Case{-1330794744, "Protocol not found"}, Case{-1296385272, "Demuxer not found"},
        Case{-1279870712, "Filter not found"}, Case{-1179861752, "Bitstream filter not found"},
        Case{-1163346256, "Not yet implemented in FFmpeg, patches welcome"},
        Case{-1129203192, "Encoder not found"}, Case{-1128613112, "Decoder not found"},
        Case{-1094995529, "Invalid data found when processing input"}, Case{-558323010, "Internal bug"},
        Case{-541478725, "End of file"}})
    EXPECT_EQ(ErrorToText("transcode_init() error", C.Code), String("transcode_init() error: ") + C.Text);
  EXPECT_EQ(ErrorToText("x", AVERROR_EOF), "x: End of file");
  EXPECT_EQ(ErrorToText("x", AVERROR_OPTION_NOT_FOUND), "x: Option not found");
}

}  // namespace
