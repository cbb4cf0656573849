// What the program takes from the shell and gives to it: the command line,
// the document string with its seven fields, and the registry entries that
// make ".vld" files open with the program.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/CommandLine.h"
#include "framework/DocumentStrings.h"
#include "framework/FileTypeRegistration.h"

namespace {

using Action = CommandLineInfo::Action;

const char kDocumentString[] =
    "Varnello\nUntitled\nList\nVarnello Wallpaper Lists (*.vld)\n.vld\nVarnelloList\n"
    "Varnello Wallpaper List";

std::string Describe(const std::vector<RegistryEntry>& entries) {
    std::string out;
    for (const RegistryEntry& entry : entries)
        out += "[" + entry.key + "] \"" + entry.name + "\" = " + entry.value + "\n";
    return out;
}

}  // namespace

TEST(CommandLine, NoParameterMakesANewList) {
    CommandLineInfo info = ParseCommandLine({});
    EXPECT_EQ(info.action, Action::FileNew);
    EXPECT_EQ(info.fileName, "");
}

TEST(CommandLine, FirstParameterThatIsNotAFlagIsTheList) {
    CommandLineInfo info = ParseCommandLine({"C:\\My Lists\\Summer 2024.vld"});
    EXPECT_EQ(info.action, Action::FileOpen);
    EXPECT_EQ(info.fileName, "C:\\My Lists\\Summer 2024.vld");

    info = ParseCommandLine({"first.vld", "second.vld"});
    EXPECT_EQ(info.action, Action::FileOpen);
    EXPECT_EQ(info.fileName, "first.vld");

    info = ParseCommandLine({"/dde", "-Embedding", "LIST.vld"});
    EXPECT_EQ(info.action, Action::FileOpen);
    EXPECT_EQ(info.fileName, "LIST.vld");

    info = ParseCommandLine({"/dde"});
    EXPECT_EQ(info.action, Action::FileNew);
    EXPECT_EQ(info.fileName, "");
}

// The shell's print commands of the registration name the file too.
TEST(CommandLine, PrintCommandsNameTheFile) {
    CommandLineInfo info = ParseCommandLine({"/p", "C:\\a.vld"});
    EXPECT_EQ(info.action, Action::Print);
    EXPECT_EQ(info.fileName, "C:\\a.vld");

    info = ParseCommandLine({"/P", "C:\\a.vld"});
    EXPECT_EQ(info.action, Action::Print);

    info = ParseCommandLine({"/pt", "C:\\a.vld", "Office Printer", "winspool", "LPT1:"});
    EXPECT_EQ(info.action, Action::PrintTo);
    EXPECT_EQ(info.fileName, "C:\\a.vld");
}

TEST(CommandLine, RegistrationFlagsInAnyCase) {
    EXPECT_EQ(ParseCommandLine({"/Register"}).action, Action::Register);
    EXPECT_EQ(ParseCommandLine({"-regserver"}).action, Action::Register);
    EXPECT_EQ(ParseCommandLine({"/Unregister"}).action, Action::Unregister);
    EXPECT_EQ(ParseCommandLine({"/UNREGSERVER"}).action, Action::Unregister);
}

// "/random" in any case and place; the list is still the first non-flag.
TEST(CommandLine, RandomFlagKeepsTheList) {
    CommandLineInfo info = ParseCommandLine({"a.vld", "-RANDOM"});
    EXPECT_TRUE(info.randomChange && info.action == Action::FileOpen && info.fileName == "a.vld");
    EXPECT_FALSE(ParseCommandLine({"a.vld"}).randomChange);
}

TEST(DocumentStrings, SevenFieldsInTheFrameworksOrder) {
    DocumentStrings strings = DocumentStrings::Parse(kDocumentString);
    EXPECT_EQ(strings.windowTitle, "Varnello");
    EXPECT_EQ(strings.documentName, "Untitled");
    EXPECT_EQ(strings.newFileName, "List");
    EXPECT_EQ(strings.filterName, "Varnello Wallpaper Lists (*.vld)");
    EXPECT_EQ(strings.filterExtension, ".vld");
    EXPECT_EQ(strings.fileTypeId, "VarnelloList");
    EXPECT_EQ(strings.fileTypeName, "Varnello Wallpaper List");
}

TEST(DocumentStrings, FileDialogsOfferListFilesFirst) {
    std::string filter = DocumentStrings::Parse(kDocumentString).FileDialogFilter();
    EXPECT_EQ(filter.compare(0, 39, "Varnello Wallpaper Lists (*.vld)|*.vld|"), 0) << filter;
    ASSERT_GE(filter.size(), 2u);
    EXPECT_EQ(filter.substr(filter.size() - 2), "||");
}

TEST(DocumentStrings, MissingFieldsAreEmpty) {
    DocumentStrings strings = DocumentStrings::Parse("Varnello\nUntitled");
    EXPECT_EQ(strings.windowTitle, "Varnello");
    EXPECT_EQ(strings.documentName, "Untitled");
    EXPECT_EQ(strings.filterExtension, "");
    EXPECT_EQ(strings.fileTypeId, "");
}

// The file type, its document icon (the program's second icon) and the
// open, print and print-to commands, with the program path quoted.
TEST(FileTypeRegistration, FileTypeEntries) {
    DocumentStrings strings = DocumentStrings::Parse(kDocumentString);
    EXPECT_EQ(Describe(FileTypeEntries("C:\\Program Files\\Varnello\\Varnello.exe",
                                       strings.fileTypeId, strings.fileTypeName)),
              "[VarnelloList] \"\" = Varnello Wallpaper List\n"
              "[VarnelloList\\DefaultIcon] \"\" = C:\\Program Files\\Varnello\\Varnello.exe,1\n"
              "[VarnelloList\\shell\\open\\command] \"\" = "
              "\"C:\\Program Files\\Varnello\\Varnello.exe\" \"%1\"\n"
              "[VarnelloList\\shell\\print\\command] \"\" = "
              "\"C:\\Program Files\\Varnello\\Varnello.exe\" /p \"%1\"\n"
              "[VarnelloList\\shell\\printto\\command] \"\" = "
              "\"C:\\Program Files\\Varnello\\Varnello.exe\" /pt \"%1\" \"%2\" \"%3\" \"%4\"\n");
}

// The extension points to the file type; an empty "NullFile" under
// "ShellNew" lets the shell's New menu make an empty list file.
TEST(FileTypeRegistration, ExtensionEntries) {
    DocumentStrings strings = DocumentStrings::Parse(kDocumentString);
    EXPECT_EQ(Describe(ExtensionEntries(strings.filterExtension, strings.fileTypeId)),
              "[.vld] \"\" = VarnelloList\n"
              "[.vld\\ShellNew] \"NullFile\" = \n");
}
