#include "platform/OpenSave.h"
#include "platform/ParsePath.h"
#include "platform/Shell.h"
#include "support/FakeFileChooser.h"
#include "support/Fakes.h"
#include "support/TempDir.h"
#include "support/WaveFile.h"
#include "tallybell/Version.h"
#include "text/Encoding.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

using namespace std::string_literals;
using Texts = std::vector<std::string>;

// Every dot cuts the text from itself on; only a backslash with 1 to 8 characters after it
// ends the folder, and only a dot with 1 to 3 after it starts an extension.
TEST(ParsePath, SplitsIntoFolderDriveExtensionAndName)
{
    const std::vector<Texts> rows = {
        // path, drive and folder (part 0), drive, extension, name
        {"C:\\A\\ABCDEFGH.XYZ", "C:\\A\\", "C:", ".XYZ", "ABCDEFGH"},
        {"C:\\A\\ABCDEFGHI.XYZ", "C:", "C:", ".XYZ", "\\A\\ABCDEFGHI"},
        {"D:\\LISTS\\song.html", "D:\\LISTS\\", "D:", "", "song"},
        {"ABC:\\X.Y", "ABC:\\", "", ".Y", "X"},
        {"C:\\DIR\\FILE.", "C:\\DIR\\", "C:", "", "FILE"},
        {"C:\\DIR\\", "C:\\", "C:", "", "DIR\\"},
        {"C:\\BACKUP\\DATA.TAR.GZ", "C:\\BACKUP\\", "C:", ".TAR", "DATA"},
        {"C:\\MY.DIR\\LONGFILENAME", "C:\\", "C:", "", "MY"},
        {"/home/ann/tallywork.ini", "", "", ".ini", "/home/ann/tallywork"},
        {"C:", "C:", "C:", "", ""},
    };
    for (const Texts &row : rows) {
        for (int part = -1; part <= 4; ++part)
            EXPECT_EQ(tb::ParsePath(row[0], part),
                      part < 0 || part > 3 ? "" : row.at(std::size_t(part + 1)))
                << row[0] << " part " << part;
    }
}

TEST(PlatformLogic, MailAddressesCannotAddHeaderFields)
{
    tb::test::FakeShell shell;
    tb::OpenMailMessage(shell, "a?cc=b@x.org&bcc=c@x.org#f%41");
    tb::OpenMailMessage(shell, " \r\n\x7f\xc3\xa9+first.last-1_x~y@x.org,b@x.org");
    const std::string subject
        = std::string("?subject=Tallybell%20") + tb::version::kVersionText + "%20Comment";
    EXPECT_EQ(shell.opened,
              (Texts {"mailto:a%3Fcc%3Db@x.org%26bcc%3Dc@x.org%23f%2541" + subject,
                      "mailto:%20%0D%0A%7F%C3%A9+first.last-1_x~y@x.org,b@x.org" + subject}));
}

// A bell is a short wave sound whose header tells the truth about it. Only the header is
// read: a file of a gigabyte is answered at once.
TEST(PlatformLogic, ABellIsAShortWaveSoundAndOnlyItsHeaderIsRead)
{
    using namespace tb::test;
    const std::string mono = waveFormat(1, 1, 8000, 16); // 16000 bytes a second
    const std::string halfSecond = chunk("data", 8000, std::string(8000, '\x40'));
    const std::uint64_t gigabyte = std::uint64_t(1) << 30;
    const struct {
        const char *what;
        std::string bytes;
        std::uint64_t size; // the file made this long with a hole of zeros; 0: as the bytes
        const char *problem; // nullptr: a bell of `seconds`
        double seconds = 0;
    } cases[] = {
        {"half a second", riff(mono + halfSecond), 0, nullptr, 0.5},
        {"a name of odd length before it",
         riff(mono + chunk("LIST", 3, std::string("abc\0", 4)) + halfSecond), 0, nullptr, 0.5},
        {"a gigabyte after the sound", riff(mono + halfSecond), gigabyte, nullptr, 0.5},
        {"thirty seconds of float stereo",
         riff(waveFormat(3, 2, 48000, 32) + chunk("data", 11520000)), 11520000 + 44, nullptr, 30},
        {"a second longer", riff(waveFormat(3, 2, 48000, 32) + chunk("data", 11904000)),
         11904000 + 44, "It lasts 31 seconds; a bell may last 30 seconds at most."},
        {"a gigabyte of silence", riff(waveFormat(1, 2, 44100, 16) + chunk("data", gigabyte)),
         gigabyte + 44, "It lasts 6087 seconds; a bell may last 30 seconds at most."},
        {"more sound announced than held", riff(mono + chunk("data", gigabyte)), 0,
         "It is cut short: it holds less sound than its header says."},
        {"a gigabyte of empty chunks", riff(""), gigabyte, "It holds no sound."},
        {"no sound", riff(mono + chunk("data", 0)), 0, "It holds no sound."},
        {"no description", riff(halfSecond), 0, "Its sound comes without a description of it."},
        {"a damaged description", riff(chunk("fmt ", 8, std::string(8, '\1')) + halfSecond), 0,
         "Its description of the sound is damaged."},
        {"no channels", riff(waveFormat(1, 0, 8000, 16) + halfSecond), 0,
         "Its description of the sound is damaged."},
        {"a video", riff(mono + halfSecond, "AVI "), 0, "It is not a wave file."},
        {"empty", "", 0, "It is not a wave file."},
    };
    TempDir dir;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = dir.file("bell.wav");
        writeFile(path, c.bytes);
        if (c.size)
            std::filesystem::resize_file(path, c.size);
        const auto start = std::chrono::steady_clock::now();
        const tb::BellCheck bell = tb::checkBellFile(path);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
        EXPECT_EQ(bell.problem, c.problem ? c.problem : "");
        EXPECT_EQ(bell.ok, !c.problem);
        EXPECT_DOUBLE_EQ(bell.seconds, c.seconds);
    }
    EXPECT_EQ(tb::checkBellFile(dir.file("none.wav")).problem, "No such file or directory");
    EXPECT_EQ(tb::checkBellFile(dir.path().string()).problem, "Is a directory");

    // Sound only with a card, and the caller learns what keeps the chosen sound from playing.
    FakeSound sound;
    const std::string none = dir.file("none.wav"), good = dir.file("bell.wav");
    writeFile(good, riff(mono + halfSecond));
    for (const auto &[card, file, played, problem] :
         {std::tuple {true, good, true, ""},
          {false, good, false, ""},
          {true, std::string(), false, ""},
          {true, none, false, "No such file or directory"}}) {
        const tb::SoundPlayed result = tb::PlaySoundFile(sound, card, file);
        EXPECT_EQ(result.played, played) << file;
        EXPECT_EQ(result.problem, problem) << file;
    }
    EXPECT_EQ(sound.played, (Texts {good, none}));
}

TEST(PlatformLogic, OnlyWellFormedUtf8IsKeptElseTheWholeTextIsWindows1252)
{
    EXPECT_TRUE(tb::isUtf8("\xc2\x80\xdf\xbf\xe0\xa0\x80\xed\x9f\xbf\xf4\x8f\xbf\xbf"));
    // Overlong, a surrogate, beyond U+10FFFF, a lead byte before ASCII, cut short, stray
    // continuation bytes, a lead byte above F4.
    for (const char *bad : {"\xc0\xaf", "\xe0\x80\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80", "\xc3(",
                            "\xc3\xa9\xe2\x80", "\xbf\xbf", "\xf8\x88\x80\x80\x80"})
        EXPECT_FALSE(tb::isUtf8(bad)) << bad;
    // Unassigned Windows-1252 bytes are the C1 controls of the same value.
    EXPECT_EQ(tb::asUtf8("\xc3\xa9\x80\x81\x8d\x8f\x90\x9d\x9f"),
              "\u00c3\u00a9\u20ac\u0081\u008d\u008f\u0090\u009d\u0178");
}

TEST(OpenSave, AsksWithThePropertiesAndTheChosenFileFillsTheOldBuffers)
{
    tb::test::FakeFileChooser chooser;
    chooser.answers = {"C:\\music\\bell.wav", std::nullopt};
    chooser.chosenFilterIndex = 2;
    tb::clsOpenSave dialog(chooser);
    // Kept NUL-separated; an empty description ends the list.
    dialog.setFilter("Sound|*.wav||x|y|");
    EXPECT_EQ(dialog.storedFilter(), "Sound\0*.wav\0\0x\0y\0\0"s);
    EXPECT_EQ(dialog.Filter(), "Sound|*.wav||x|y");
    dialog.DialogTitle = "Select a sound";
    dialog.initdir = "/home/ann/music";
    dialog.FileName = "C:\\music\\scales-in-g.wav";
    dialog.FileTitle = "scales-in-g.wav";
    dialog.DefaultExt = "*.wav";
    dialog.FLAGS = tb::OFN_FILEMUSTEXIST | 0x4;

    EXPECT_FALSE(dialog.ShowOpen());
    const tb::FileChoice &asked = chooser.asked.at(0);
    EXPECT_EQ(Texts({asked.title, asked.folder, asked.fileName, asked.defaultExt}),
              (Texts {"Select a sound", "/home/ann/music", "C:\\music\\scales-in-g.wav", "wav"}));
    EXPECT_EQ(asked.filters,
              (std::vector<std::pair<std::string, std::string>> {{"Sound", "*.wav"}}));
    EXPECT_TRUE(asked.mustExist && !asked.save && asked.filterIndex == 1);
    // A name buffer of MaxFileSize + 1 characters and a title that keep their old tails
    // behind the NUL that ends the new text, which the next dialog starts from.
    EXPECT_EQ(dialog.FileName, "C:\\music\\bell.wav\0-g.wav"s + std::string(261 - 24, '\0'));
    EXPECT_EQ(dialog.FileTitle, "bell.wav\0-g.wav"s);
    EXPECT_EQ(dialog.FileExt + dialog.FilterIndex, 14 + 2);
    dialog.ShowSave();
    EXPECT_EQ(chooser.asked.at(1).fileName, "C:\\music\\bell.wav");
}

// A cancelled dialog, or a path longer than MaxFileSize, leaves the properties as they were.
TEST(OpenSave, TitleAndExtensionComeFromTheNamePartAndCancelRaisesTheErrorOnlyIfAsked)
{
    const std::string fits(20, 'x'); // as long as MaxFileSize
    const std::tuple<std::optional<std::string>, bool, std::string, int> rows[] = {
        // chosen, CancelError, FileTitle and FileExt afterwards
        {"/home/v1.2/notes", true, "notes", 16}, // no extension: the end of the path
        {"C:\\a.b/c", true, "c", 8},
        {"/tmp/archive.tar.gz", true, "archive.tar.gz", 17},
        {fits, true, fits, 20},
        {fits + "x", true, "old", 3},
        {std::nullopt, true, "old", 3},
        {std::nullopt, false, "old", 3},
    };
    for (const auto &[answer, cancelError, title, ext] : rows) {
        SCOPED_TRACE(answer.value_or("cancel") + (cancelError ? " error" : ""));
        tb::test::FakeFileChooser chooser;
        chooser.answers = {answer};
        tb::clsOpenSave dialog(chooser);
        dialog.MaxFileSize = 20;
        dialog.CancelError = cancelError;
        dialog.FileName = "old";
        dialog.FileTitle = "t";
        dialog.FileExt = 3;
        const tb::DialogError error = dialog.ShowSave();
        const bool taken = title != "old";
        EXPECT_EQ(dialog.FileTitle, taken ? title + '\0' : "t");
        EXPECT_EQ(dialog.FileExt, ext);
        EXPECT_EQ(dialog.FileName.substr(0, dialog.FileName.find('\0')), taken ? *answer : "old");
        EXPECT_EQ(Texts({std::to_string(error.Number), error.Source, error.Description}),
                  (!taken && cancelError ? Texts {"32755", "Run-time error", "Cancel was selected"}
                                         : Texts {"0", "", ""}));
    }
}
