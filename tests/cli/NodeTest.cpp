// What a node keeps of the texts and settings its command gives it, and the
// shell's output streams.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>

#include "Dispatcher.h"
#include "FdStream.h"

namespace {

using Parvik::AutoCli::Command;
using Parvik::AutoCli::Namespace;

class Settings : public Command {
public:
    std::shared_ptr<Parvik::CallSpec::InputSpec> GetInputSpecInternal() override { return nullptr; }
    std::shared_ptr<Parvik::CallSpec::OutputSpec> GetOutputSpecInternal() override { return nullptr; }
    void ExecuteInternal(const std::shared_ptr<Parvik::CallSpec::Input>&,
                         const std::shared_ptr<Parvik::CallSpec::Output>&) override {}
};

using Pairs = std::vector<std::pair<std::string, std::string>>;

// Settings keep the order they were first given in, literal or built, also
// when set after a first read; a second setting of a key replaces the value
// in its first place; a built description replaces a literal and back.
TEST(CommandSettings, KeepTheirFirstPlaceAndTheLastValue) {
    Settings command;
    constexpr char kKey[] = "fields:Row";
    command.SetDefaultOutputParameter(kKey, "A,B");
    command.SetDefaultOutputParameter(std::string("units:") + "Row.A", std::string("sec"));
    command.SetDefaultOutputParameter("header:Row", "<NONE>");
    EXPECT_EQ(command.GetDefaultOutputParameters(),
              (Pairs{{"fields:Row", "A,B"}, {"units:Row.A", "sec"}, {"header:Row", "<NONE>"}}));
    command.SetDefaultOutputParameter("table-columns", "A");
    command.SetDefaultOutputParameter("fields:Row", "B");                            // literal over literal
    command.SetDefaultOutputParameter(std::string("header:Row"), std::string("x"));  // built over literal
    command.SetDefaultOutputParameter("header:Row", "%A%");                          // literal over built
    EXPECT_EQ(command.GetDefaultOutputParameters(),
              (Pairs{{"fields:Row", "B"}, {"units:Row.A", "sec"}, {"header:Row", "%A%"}, {"table-columns", "A"}}));
    command.SetDefaultOutputFormatter("simple");
    command.SetDefaultOutputFormatter(std::string("table"));
    EXPECT_EQ(command.GetDefaultOutputFormatter(), "table");

    auto node = Namespace::New();
    EXPECT_EQ(node->GetDescription(), "");
    node->SetDescription("Operations on things");
    EXPECT_EQ(node->GetDescription(), "Operations on things");
    node->SetDescription(std::string("Built ") + "at run time");
    EXPECT_EQ(node->GetDescription(), "Built at run time");
    node->SetDescription("A literal again");
    EXPECT_EQ(node->GetDescription(), "A literal again");
}

// Only constants are kept by reference: a text in a buffer of the caller's
// (on the stack, on the heap, or a writable global) is copied, so changing or
// freeing the buffer afterwards changes nothing the node reads.
char gWritableText[] = "global text";

TEST(NodeDescription, ATextInACallersBufferIsCopied) {
    auto node = Namespace::New();
    Settings command;
    {
        char onStack[] = "stack text";
        node->SetDescription(onStack);
        command.SetDefaultOutputParameter(onStack, onStack);
        std::memset(onStack, 'x', sizeof(onStack) - 1);
    }
    EXPECT_EQ(node->GetDescription(), "stack text");
    EXPECT_EQ(command.GetDefaultOutputParameters(), (Pairs{{"stack text", "stack text"}}));

    auto onHeap = std::make_unique<char[]>(16);
    std::strcpy(onHeap.get(), "heap text");
    node->SetDescription(onHeap.get());
    command.SetDefaultOutputParameter("fields:Row", onHeap.get());
    onHeap.reset();
    EXPECT_EQ(node->GetDescription(), "heap text");

    node->SetDescription(gWritableText);
    command.SetDefaultOutputParameter(gWritableText, "global value");
    gWritableText[0] = 'G';
    EXPECT_EQ(node->GetDescription(), "global text");
    EXPECT_EQ(command.GetDefaultOutputParameters(),
              (Pairs{{"stack text", "stack text"}, {"fields:Row", "heap text"}, {"global text", "global value"}}));
    gWritableText[0] = 'g';

    node->SetDescription(static_cast<const char*>(nullptr));
    EXPECT_EQ(node->GetDescription(), "");
}

TEST(FdStream, WritesEverythingInOrderThroughItsBuffer) {
    char path[] = "/tmp/talix-fdstream-XXXXXX";
    int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    std::string expected;
    {
        Parvik::AutoCli::FdStreamBuf buffer(fd);
        std::ostream out(&buffer);
        for (int i = 0; i < 3000; ++i) {
            out << "line " << i << '\n';
            expected += "line " + std::to_string(i) + "\n";
        }
        std::string large(100000, 'x');  // more than the buffer holds, after buffered text
        out << large;
        expected += large;
        out << 'z';
        expected += 'z';
    }  // the rest goes out when the buffer is destroyed
    close(fd);
    std::ifstream in(path, std::ios::binary);
    std::stringstream written;
    written << in.rdbuf();
    std::remove(path);
    EXPECT_EQ(written.str().size(), expected.size());
    EXPECT_TRUE(written.str() == expected);
}

TEST(FdStream, ADescriptorThatRefusesWritesFailsTheStream) {
    int readOnly = open("/dev/null", O_RDONLY);
    ASSERT_GE(readOnly, 0);
    Parvik::AutoCli::FdStreamBuf buffer(readOnly);
    std::ostream out(&buffer);
    out << "lost" << std::flush;
    EXPECT_TRUE(out.bad());
    close(readOnly);
}

}  // namespace
