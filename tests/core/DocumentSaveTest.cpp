// Saving a list, the " *" mark of the title, and the question about unsaved
// changes (with "Auto Save" while the program closes).

#include <gtest/gtest.h>

#include <string>

#include "DocumentFakes.h"

using namespace fakes;

namespace {

constexpr unsigned kMbOkError = 0x0010;              // MB_OK | MB_ICONERROR
constexpr unsigned kMbYesNoCancelQuestion = 0x0023;  // MB_YESNOCANCEL | MB_ICONQUESTION
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;
constexpr int kIdCancel = 2;

}  // namespace

using DocumentSave = DocumentFixture;

TEST_F(DocumentSave, SaveWritesTheListInRowOrderAndClearsTheMark) {
    OpenOldAndModify();
    // The mark stays until the new file has taken the old one's place.
    std::string titleWhileWriting;
    host.files.afterWrite = [&] { titleWhileWriting = doc.GetTitle(); };
    EXPECT_TRUE(manager.FileSave());
    EXPECT_EQ(titleWhileWriting, "old.vld *");
    EXPECT_TRUE(prompter.Boxes().empty());
    EXPECT_EQ(host.files.files[kOldPath],
              S8("VLD Version 3") + I32(1) + I32(2) + I32(30) + S8("Tile") + S8("C:\\Pics") +
                  I32(1) + I32(2) + S8("C:\\Pics\\a.jpg") + S8("Center") + I32(4) + I32(0) +
                  S8("D:\\b.png") + S8("Stretch") + I32(0) + I32(1));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), "old.vld");
    EXPECT_EQ(doc.GetPathName(), kOldPath);
}

// The writer fails part way (a full disk) or the complete file cannot take
// the old one's place: the old file is intact, the list stays modified with
// one mark, and the framework says so.
TEST_F(DocumentSave, FailedSaveKeepsTheOldFileAndTheChanges) {
    struct Failure {
        const char* name;
        long sinkLimit;
        bool failReplace;
    };
    const Failure failures[] = {
        {"nothing written", 0, false},        {"inside the signature", 5, false},
        {"inside the records", 60, false},    {"one byte short", 100, false},
        {"replacing the old file", -1, true},
    };
    for (const Failure& failure : failures) {
        SCOPED_TRACE(failure.name);
        host.files.sinkLimit = -1;
        host.files.failReplace = false;
        doc.SetModifiedFlag(false);  // the last round's changes are dropped
        OpenOldAndModify();
        const std::string before = Snapshot(doc, list);
        host.files.sinkLimit = failure.sinkLimit;
        host.files.failReplace = failure.failReplace;

        EXPECT_FALSE(manager.FileSave());
        ExpectOneBox(&host.frameToken, "Varnello", "Failed to save document.", kMbOkError);
        EXPECT_EQ(host.files.files[kOldPath], OldFile());
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(doc.GetTitle(), "old.vld *");
        EXPECT_EQ(Snapshot(doc, list), before);
    }
}

// One byte more than the file needs is enough: the limit above is tight.
TEST_F(DocumentSave, SaveWithExactlyTheRoomNeededSucceeds) {
    OpenOldAndModify();
    host.files.sinkLimit = static_cast<long>(OldFile().size());
    EXPECT_TRUE(manager.FileSave());
    EXPECT_EQ(host.files.files[kOldPath], OldFile(4));
}

TEST_F(DocumentSave, SaveOfAnUntitledListAsksForAName) {
    list.rows.AppendNew("C:\\Pics\\a.jpg", "Stretch");
    doc.SetModifiedFlag(true);
    EXPECT_EQ(doc.GetTitle(), "Untitled *");

    // Cancelled: nothing written, still modified, no message.
    EXPECT_FALSE(manager.FileSave());
    ASSERT_EQ(host.suggestedNames.size(), 1u);
    EXPECT_EQ(host.suggestedNames[0], "Untitled.vld");
    EXPECT_EQ(host.files.writes, 0);
    EXPECT_EQ(doc.GetTitle(), "Untitled *");
    EXPECT_TRUE(prompter.Boxes().empty());

    // A name: the list is written there and takes its path and title.
    host.savePaths.push_back(std::string("C:\\Lists\\mine.vld"));
    EXPECT_TRUE(manager.FileSave());
    EXPECT_EQ(host.files.files["C:\\Lists\\mine.vld"],
              S8("VLD Version 3") + I32(0) + I32(0) + I32(0) + S8("Stretch") + S8("") + I32(0) +
                  I32(1) + S8("C:\\Pics\\a.jpg") + S8("Stretch") + I32(0) + I32(1));
    EXPECT_EQ(doc.GetPathName(), "C:\\Lists\\mine.vld");
    EXPECT_EQ(doc.GetTitle(), "mine.vld");
    EXPECT_FALSE(doc.IsModified());
    ASSERT_GE(host.recent.Count(), 1);
    EXPECT_EQ(host.recent.Entry(0), "C:\\Lists\\mine.vld");
}

TEST_F(DocumentSave, SaveAsSuggestsTheFileNameAndKeepsTheOldFile) {
    OpenOldAndModify();
    host.savePaths.push_back(std::string("C:\\Lists\\copy.vld"));
    EXPECT_TRUE(manager.FileSaveAs());
    ASSERT_EQ(host.suggestedNames.size(), 1u);
    EXPECT_EQ(host.suggestedNames[0], "old.vld");
    EXPECT_EQ(host.files.files["C:\\Lists\\copy.vld"], OldFile(4));
    EXPECT_EQ(host.files.files[kOldPath], OldFile());
    EXPECT_EQ(doc.GetTitle(), "copy.vld");

    // A failed Save As keeps the path and title it had.
    doc.SetModifiedFlag(true);
    prompter.Clear();
    host.files.failReplace = true;
    host.savePaths.push_back(std::string("C:\\Lists\\third.vld"));
    EXPECT_FALSE(manager.FileSaveAs());
    EXPECT_EQ(doc.GetPathName(), "C:\\Lists\\copy.vld");
    EXPECT_EQ(doc.GetTitle(), "copy.vld *");
    EXPECT_EQ(host.files.files.count("C:\\Lists\\third.vld"), 0u);
}

TEST_F(DocumentSave, SaveOfAReadOnlyOrVanishedFileAsksForAName) {
    OpenOldAndModify();
    host.files.readOnly.insert(kOldPath);
    EXPECT_FALSE(manager.FileSave());
    ASSERT_EQ(host.suggestedNames.size(), 1u);
    EXPECT_EQ(host.suggestedNames[0], "old.vld");
    EXPECT_EQ(host.files.files[kOldPath], OldFile());

    host.files.readOnly.clear();
    host.files.files.erase(kOldPath);
    EXPECT_FALSE(manager.FileSave());
    EXPECT_EQ(host.suggestedNames.size(), 2u);
    EXPECT_EQ(host.files.files.count(kOldPath), 0u);
}

// ---- The title's mark ----

TEST_F(DocumentSave, MarkIsAddedOnceAndRemovedAgain) {
    host.files.files["C:\\x.vld"] = EmptyV3File();
    ASSERT_EQ(manager.OpenDocumentFile("C:\\x.vld"), OpenOutcome::Opened);
    EXPECT_EQ(doc.GetTitle(), "x.vld");
    doc.SetModifiedFlag(true);
    doc.SetModifiedFlag(true);
    EXPECT_EQ(doc.GetTitle(), "x.vld *");
    EXPECT_TRUE(doc.IsModified());
    doc.SetModifiedFlag(false);
    EXPECT_EQ(doc.GetTitle(), "x.vld");
    EXPECT_FALSE(doc.IsModified());
    doc.SetModifiedFlag(false);
    EXPECT_EQ(doc.GetTitle(), "x.vld");
}

TEST_F(DocumentSave, ClearingLeavesATitleWithoutTheMarkAlone) {
    doc.SetModifiedFlag(true);
    doc.SetTitle("Holiday");
    doc.SetModifiedFlag(false);
    EXPECT_EQ(doc.GetTitle(), "Holiday");
    doc.SetModifiedFlag(true);
    doc.SetTitle("Holiday*");  // no space: not the mark
    doc.SetModifiedFlag(false);
    EXPECT_EQ(doc.GetTitle(), "Holiday*");
}

TEST_F(DocumentSave, EveryChangeOfTheFlagRefreshesTheFrameTitle) {
    for (bool modified : {true, true, false, false}) {
        const int before = host.titleRefreshes;
        doc.SetModifiedFlag(modified);
        EXPECT_GE(host.titleRefreshes, before + 1);
    }
}

// ---- The question about unsaved changes ----

TEST_F(DocumentSave, UnmodifiedListIsNotAskedAbout) {
    EXPECT_TRUE(doc.SaveModified());
    g_bClosing = 1;
    doc.SetAutoSave(1);
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_TRUE(prompter.Boxes().empty());
    EXPECT_EQ(host.files.writes, 0);
}

TEST_F(DocumentSave, QuestionNamesTheFileAndItsAnswersDecide) {
    OpenOldAndModify();
    prompter.Answer(kIdNo);
    EXPECT_TRUE(doc.SaveModified());
    ExpectOneBox(&host.frameToken, "Varnello", "Save changes to old.vld?", kMbYesNoCancelQuestion);
    EXPECT_EQ(host.files.writes, 0);
    EXPECT_TRUE(doc.IsModified());

    prompter.Clear();
    prompter.Answer(kIdCancel);
    EXPECT_FALSE(doc.SaveModified());
    EXPECT_EQ(host.files.writes, 0);

    prompter.Clear();
    prompter.Answer(kIdYes);
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(host.files.files[kOldPath], OldFile(4));
    EXPECT_FALSE(doc.IsModified());

    // Yes, and the save fails: stop.
    doc.SetModifiedFlag(true);
    prompter.Clear();
    prompter.Answer(kIdYes);
    host.files.failReplace = true;
    EXPECT_FALSE(doc.SaveModified());
    ASSERT_EQ(prompter.Boxes().size(), 2u);
    EXPECT_EQ(prompter.Boxes()[1].text, "Failed to save document.");
}

TEST_F(DocumentSave, QuestionForANewListSaysUntitled) {
    list.rows.AppendNew("C:\\Pics\\a.jpg", "Stretch");
    doc.SetModifiedFlag(true);
    prompter.Answer(kIdNo);
    EXPECT_TRUE(doc.SaveModified());
    ExpectOneBox(&host.frameToken, "Varnello", "Save changes to Untitled?", kMbYesNoCancelQuestion);
}

TEST_F(DocumentSave, AutoSaveWhileClosingSavesWithoutAsking) {
    OpenOldAndModify();
    doc.SetAutoSave(1);
    g_bClosing = 1;
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_TRUE(prompter.Boxes().empty());
    EXPECT_EQ(host.files.files[kOldPath], OldFile(4));
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocumentSave, AutoSaveWhileClosingAnUntitledListAsksForAName) {
    list.rows.AppendNew("C:\\Pics\\a.jpg", "Stretch");
    doc.SetModifiedFlag(true);
    doc.SetAutoSave(1);
    g_bClosing = 1;
    EXPECT_FALSE(doc.SaveModified());  // the Save As dialog was cancelled
    EXPECT_EQ(host.suggestedNames.size(), 1u);
    EXPECT_TRUE(prompter.Boxes().empty());

    host.savePaths.push_back(std::string("C:\\Lists\\auto.vld"));
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(host.files.files.count("C:\\Lists\\auto.vld"), 1u);
}

TEST_F(DocumentSave, AutoSaveOrClosingAloneStillAsks) {
    OpenOldAndModify();
    doc.SetAutoSave(1);
    g_bClosing = 0;
    prompter.Answer(kIdNo);
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(prompter.Boxes().size(), 1u);

    doc.SetAutoSave(0);
    g_bClosing = 1;
    prompter.Clear();
    prompter.Answer(kIdNo);
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(prompter.Boxes().size(), 1u);
    EXPECT_EQ(host.files.writes, 0);
}
