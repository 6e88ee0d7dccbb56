#include "platform/ParsePath.h"

#include <gtest/gtest.h>
#include <string>

using tb::ParsePath;

namespace {

struct Parts {
    std::string folder, drive, extension, name;
};

Parts split(const std::string &path)
{
    return {ParsePath(path, 0), ParsePath(path, 1), ParsePath(path, 2), ParsePath(path, 3)};
}

} // namespace

TEST(ParsePath, ShortNameWithDriveFolderAndExtension)
{
    const Parts p = split("C:\\MUSIC\\SCALES.INI");
    EXPECT_EQ(p.folder, "C:\\MUSIC\\");
    EXPECT_EQ(p.drive, "C:");
    EXPECT_EQ(p.extension, ".INI");
    EXPECT_EQ(p.name, "SCALES");
}

TEST(ParsePath, NameLongerThanEightCharactersHasNoFolder)
{
    const Parts p = split("C:\\My Documents\\exercises.ini");
    EXPECT_EQ(p.folder, "C:");
    EXPECT_EQ(p.drive, "C:");
    EXPECT_EQ(p.extension, ".ini");
    EXPECT_EQ(p.name, "\\My Documents\\exercises");
}

TEST(ParsePath, ExtensionLongerThanThreeIsCutButNotKept)
{
    const Parts p = split("D:\\LISTS\\song.html");
    EXPECT_EQ(p.extension, "");
    EXPECT_EQ(p.name, "song");
    EXPECT_EQ(p.folder, "D:\\LISTS\\");
}

TEST(ParsePath, PathWithoutDrive)
{
    const Parts p = split("\\DATA\\X.TXT");
    EXPECT_EQ(p.drive, "");
    EXPECT_EQ(p.folder, "\\DATA\\");
    EXPECT_EQ(p.extension, ".TXT");
    EXPECT_EQ(p.name, "X");
}

TEST(ParsePath, OtherPartsAndEmptyPathGiveEmptyText)
{
    for (int part : {-1, 4, 5, 32767})
        EXPECT_EQ(ParsePath("C:\\MUSIC\\SCALES.INI", part), "") << part;
    const Parts p = split("");
    EXPECT_EQ(p.folder, "");
    EXPECT_EQ(p.drive, "");
    EXPECT_EQ(p.extension, "");
    EXPECT_EQ(p.name, "");
}

TEST(ParsePath, DriveAloneAndBareNames)
{
    Parts p = split("C:");
    EXPECT_EQ(p.drive, "C:");
    EXPECT_EQ(p.folder, "C:");
    EXPECT_EQ(p.name, "");

    p = split("README");
    EXPECT_EQ(p.drive, "");
    EXPECT_EQ(p.folder, "");
    EXPECT_EQ(p.name, "README");

    // A colon elsewhere than as the second character is no drive.
    p = split("ABC:\\X.Y");
    EXPECT_EQ(p.drive, "");
    EXPECT_EQ(p.folder, "ABC:\\");
    EXPECT_EQ(p.extension, ".Y");
    EXPECT_EQ(p.name, "X");
}

TEST(ParsePath, BoundariesOfNameAndExtensionLengths)
{
    // Exactly 8 characters of name and 3 of extension are still recognised.
    Parts p = split("C:\\A\\ABCDEFGH.XYZ");
    EXPECT_EQ(p.folder, "C:\\A\\");
    EXPECT_EQ(p.name, "ABCDEFGH");
    EXPECT_EQ(p.extension, ".XYZ");

    // Nine characters: every backslash further left has still more after it.
    p = split("C:\\A\\ABCDEFGHI.XYZ");
    EXPECT_EQ(p.folder, "C:");
    EXPECT_EQ(p.name, "\\A\\ABCDEFGHI");
    EXPECT_EQ(p.extension, ".XYZ");

    // A trailing dot or a trailing backslash gives no extension and no name there.
    p = split("C:\\DIR\\FILE.");
    EXPECT_EQ(p.extension, "");
    EXPECT_EQ(p.name, "FILE");
    EXPECT_EQ(p.folder, "C:\\DIR\\");

    p = split("C:\\DIR\\");
    EXPECT_EQ(p.folder, "C:\\");
    EXPECT_EQ(p.name, "DIR\\");
}

TEST(ParsePath, EveryDotCutsAndAShortOneFurtherLeftReplacesTheExtension)
{
    Parts p = split("C:\\BACKUP\\DATA.TAR.GZ");
    EXPECT_EQ(p.extension, ".TAR");
    EXPECT_EQ(p.name, "DATA");
    EXPECT_EQ(p.folder, "C:\\BACKUP\\");

    // A dot in a folder name cuts off everything after it once no short name was found.
    p = split("C:\\MY.DIR\\LONGFILENAME");
    EXPECT_EQ(p.extension, "");
    EXPECT_EQ(p.name, "MY");
    EXPECT_EQ(p.folder, "C:\\");
}

TEST(ParsePath, ForwardSlashesAreNotFolderSeparators)
{
    const Parts p = split("/home/ann/tallywork.ini");
    EXPECT_EQ(p.folder, "");
    EXPECT_EQ(p.extension, ".ini");
    EXPECT_EQ(p.name, "/home/ann/tallywork");
}
