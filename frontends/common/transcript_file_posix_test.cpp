// Tests of a transcript that cannot be written: a missing folder, a full disk.
#include <gtest/gtest.h>

#include "common/transcript_file.h"

namespace kvelt {
namespace {

TEST(TranscriptFileTest, AFileThatCannotBeWrittenGivesOneNotice) {
  for (const char* path : {"/nonexistent-folder/t.txt", "/dev/full"}) {
    TranscriptFile transcript(path);
    transcript.write("> s\n\n");
    transcript.write("> j\n\n");
    EXPECT_TRUE(transcript.failed()) << path;
    const std::optional<std::string> notice = transcript.takeNotice();
    ASSERT_TRUE(notice) << path;
    EXPECT_NE(notice->find(path), std::string::npos);
    EXPECT_FALSE(transcript.takeNotice());
  }
}

}  // namespace
}  // namespace kvelt
