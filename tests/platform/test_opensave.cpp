#include "platform/OpenSave.h"
#include "support/FakeFileChooser.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

using namespace std::string_literals;
using tb::clsOpenSave;
using tb::test::FakeFileChooser;

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

std::string nuls(std::size_t n)
{
    return std::string(n, '\0');
}

} // namespace

TEST(OpenSave, StartsWithAllFilesAndAFullSizeNameBuffer)
{
    FakeFileChooser chooser;
    clsOpenSave dialog(chooser);
    EXPECT_EQ(dialog.Filter(), "All Files (*.*)|*.*");
    EXPECT_EQ(dialog.storedFilter(), "All Files (*.*)\0*.*\0\0"s);
    EXPECT_EQ(dialog.MaxFileSize, 260);
    EXPECT_EQ(dialog.initdir, "");
}

TEST(OpenSave, FilterIsStoredNulSeparatedAndReadsBackWithoutTrailingBars)
{
    struct Case {
        std::string set, stored, readBack;
        Pairs handed; // what the dialog is given
    };
    const std::vector<Case> cases = {
        {"Sound|*.wav|Lists|*.txt;*.lst",
         "Sound\0*.wav\0Lists\0*.txt;*.lst\0\0"s,
         "Sound|*.wav|Lists|*.txt;*.lst",
         {{"Sound", "*.wav"}, {"Lists", "*.txt;*.lst"}}},
        {"Sound Files", "Sound Files\0\0"s, "Sound Files", {{"Sound Files", ""}}},
        {"Sound|*.wav|", "Sound\0*.wav\0\0"s, "Sound|*.wav", {{"Sound", "*.wav"}}},
        {"Sound|*.wav||", "Sound\0*.wav\0\0"s, "Sound|*.wav", {{"Sound", "*.wav"}}},
        // An empty description ends the list, as in any NUL-separated filter.
        {"a|b||c|d", "a\0b\0\0c\0d\0\0"s, "a|b||c|d", {{"a", "b"}}},
        {"", "\0\0"s, "", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.set);
        FakeFileChooser chooser;
        clsOpenSave dialog(chooser);
        dialog.setFilter(c.set);
        EXPECT_EQ(dialog.storedFilter(), c.stored);
        EXPECT_EQ(dialog.Filter(), c.readBack);
        dialog.ShowOpen();
        ASSERT_EQ(chooser.asked.size(), 1u);
        EXPECT_EQ(chooser.asked[0].filters, c.handed);
    }
}

TEST(OpenSave, ShowOpenAsksWithThePropertiesAndTakesTheChosenFileBack)
{
    FakeFileChooser chooser;
    chooser.answers = {"C:\\music\\bell.wav"};
    chooser.chosenFilterIndex = 2;
    clsOpenSave dialog(chooser);
    dialog.DialogTitle = "Select a sound";
    dialog.initdir = "/home/ann/music";
    dialog.setFilter("Sound Files (*.wav)|*.wav|All Files (*.*)|*.*");
    dialog.FileName = "*.wav";
    dialog.DefaultExt = "*.wav";
    dialog.FLAGS = tb::OFN_FILEMUSTEXIST | 0x4;

    EXPECT_FALSE(dialog.ShowOpen());

    ASSERT_EQ(chooser.asked.size(), 1u);
    const tb::FileChoice &asked = chooser.asked[0];
    EXPECT_FALSE(asked.save);
    EXPECT_EQ(asked.title, "Select a sound");
    EXPECT_EQ(asked.folder, "/home/ann/music");
    EXPECT_EQ(asked.filters,
              (Pairs {{"Sound Files (*.wav)", "*.wav"}, {"All Files (*.*)", "*.*"}}));
    EXPECT_EQ(asked.filterIndex, 1);
    EXPECT_EQ(asked.fileName, "*.wav");
    EXPECT_EQ(asked.defaultExt, "wav");
    EXPECT_TRUE(asked.mustExist);

    // The whole name buffer of MaxFileSize + 1 characters: the path, then NUL fill.
    EXPECT_EQ(dialog.FileName, "C:\\music\\bell.wav" + nuls(261 - 17));
    EXPECT_EQ(dialog.FileTitle, "bell.wav\0"s);
    EXPECT_EQ(dialog.FileExt, 14);
    EXPECT_EQ(dialog.FilterIndex, 2);

    // The next dialog starts from the chosen path, read up to its NUL.
    chooser.answers = {std::nullopt};
    dialog.ShowOpen();
    EXPECT_EQ(chooser.asked.at(1).fileName, "C:\\music\\bell.wav");
}

TEST(OpenSave, ALongerOldNameAndTitleLeaveTheirTailsBehindTheNul)
{
    FakeFileChooser chooser;
    chooser.answers = {"/tmp/a.wav"};
    clsOpenSave dialog(chooser);
    dialog.FileName = "/home/someone/scales.wav";
    dialog.FileTitle = "scales.wav";
    dialog.DefaultExt = ".wav";
    dialog.FLAGS = 0x2 | 0x4;

    EXPECT_FALSE(dialog.ShowOpen());
    EXPECT_EQ(chooser.asked.at(0).defaultExt, "wav");
    EXPECT_FALSE(chooser.asked.at(0).mustExist);
    EXPECT_EQ(dialog.FileName, "/tmp/a.wav\0ne/scales.wav"s + nuls(261 - 24));
    EXPECT_EQ(dialog.FileTitle, "a.wav\0.wav"s);
    EXPECT_EQ(dialog.FileExt, 7);

    // The next dialog reads the name up to the NUL, not the old tail behind it.
    chooser.answers = {std::nullopt};
    dialog.ShowOpen();
    EXPECT_EQ(chooser.asked.at(1).fileName, "/tmp/a.wav");
}

TEST(OpenSave, TitleAndExtensionOffsetComeFromTheNamePartOfThePath)
{
    struct Case {
        std::string path, title;
        int ext;
    };
    const std::vector<Case> cases = {
        {"C:\\music\\bell.wav", "bell.wav", 14},
        {"/home/ann/notes", "notes", 15}, // no extension: the end of the path
        {"/home/v1.2/notes", "notes", 16}, // a dot in a folder is no extension
        {"C:\\a.b/c", "c", 8}, // either separator ends the folder
        {"/tmp/archive.tar.gz", "archive.tar.gz", 17},
        {"bell.wav", "bell.wav", 5},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path);
        FakeFileChooser chooser;
        chooser.answers = {c.path};
        clsOpenSave dialog(chooser);
        EXPECT_FALSE(dialog.ShowSave());
        EXPECT_TRUE(chooser.asked.at(0).save);
        EXPECT_EQ(dialog.FileTitle, c.title + '\0');
        EXPECT_EQ(dialog.FileExt, c.ext);
        EXPECT_EQ(dialog.FileName.substr(0, c.path.size() + 1), c.path + '\0');
    }
}

TEST(OpenSave, CancelLeavesThePropertiesAndRaisesTheCancelErrorOnlyWhenAskedTo)
{
    for (auto show : {&clsOpenSave::ShowOpen, &clsOpenSave::ShowSave}) {
        for (bool cancelError : {true, false}) {
            SCOPED_TRACE(cancelError);
            FakeFileChooser chooser;
            chooser.answers = {std::nullopt};
            chooser.chosenFilterIndex = 2;
            clsOpenSave dialog(chooser);
            dialog.CancelError = cancelError;
            dialog.FileName = "tallywork.ini";
            dialog.FileTitle = "old";
            dialog.FileExt = 3;

            const tb::DialogError error = (dialog.*show)();
            ASSERT_EQ(chooser.asked.size(), 1u);
            EXPECT_EQ(static_cast<bool>(error), cancelError);
            EXPECT_EQ(error.Number, cancelError ? tb::kCancelError : 0);
            EXPECT_EQ(error.Description, cancelError ? "Cancel was selected" : "");
            EXPECT_EQ(error.Source, cancelError ? "Run-time error" : "");
            EXPECT_EQ(dialog.FileName, "tallywork.ini");
            EXPECT_EQ(dialog.FileTitle, "old");
            EXPECT_EQ(dialog.FileExt, 3);
            EXPECT_EQ(dialog.FilterIndex, 1);
        }
    }
}

TEST(OpenSave, APathLongerThanTheNameBufferCountsAsCancel)
{
    for (std::size_t length : {19u, 20u, 21u}) {
        SCOPED_TRACE(length);
        FakeFileChooser chooser;
        const std::string path = "/" + std::string(length - 1, 'x');
        chooser.answers = {path};
        clsOpenSave dialog(chooser);
        dialog.MaxFileSize = 20;
        dialog.CancelError = true;
        dialog.FileName = "old";

        const tb::DialogError error = dialog.ShowOpen();
        if (length <= 20) {
            EXPECT_FALSE(error);
            EXPECT_EQ(dialog.FileName, path + nuls(21 - length));
        } else {
            EXPECT_EQ(error.Number, tb::kCancelError);
            EXPECT_EQ(dialog.FileName, "old");
        }
    }
}
