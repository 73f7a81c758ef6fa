// What the fuzz targets found, kept as plain tests; the inputs themselves are under
// fuzz/regressions/<target>/ and seed every fuzz run.
#include "season/foldermemory.h"

#include <gtest/gtest.h>

namespace vendrix::season::foldermemory {
namespace {

// fuzz_foldermemory: Exit wrote a folder whose name holds a line break as one quoted line, and the
// next start read only up to the break, so it went to another folder or none.
TEST(FuzzFindings, FolderNameWithALineBreakIsRememberedWhole) {
    for (const std::string folder : {"/seasons/North\r\nwind", "/seasons/a\nb", "/seasons/a\r", "/q\"\r\n\"x",
                                     "/caf\xC3\xA9\n2031", "\n"}) {
        const std::string line = format(folder);
        EXPECT_TRUE(line.starts_with("\xEF\xBB\xBF\"")) << "behind the mark: " << line;
        EXPECT_TRUE(line.ends_with("\"\r\n"));
        EXPECT_EQ(parse(line), folder);
    }
    // A line of the code page still ends at its first line break, as before.
    EXPECT_EQ(parse("\"/first\"\r\n\"/second\"\r\n"), "/first");
    EXPECT_EQ(parse("\xEF\xBB\xBF\"/unclosed\r\nnext line"), "/unclosed");
}

} // namespace
} // namespace vendrix::season::foldermemory
