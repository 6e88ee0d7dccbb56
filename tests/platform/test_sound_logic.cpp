#include "platform/Sound.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>

namespace tb {
namespace {

TEST(PlaySoundFile, PlaysOnlyWithASoundCardAndAName)
{
    test::FakeSound sound;
    PlaySoundFile(sound, true, "/opt/tallybell/PINGPONG.WAV");
    PlaySoundFile(sound, false, "/opt/tallybell/PINGPONG.WAV");
    PlaySoundFile(sound, true, "");
    PlaySoundFile(sound, false, "");
    // The name goes through as it is, whatever its bytes; even a missing file is passed on.
    PlaySoundFile(sound, true, "Bell \xc3\xb6 \xe9.wav");
    ASSERT_EQ(sound.played.size(), 2u);
    EXPECT_EQ(sound.played[0], "/opt/tallybell/PINGPONG.WAV");
    EXPECT_EQ(sound.played[1], "Bell \xc3\xb6 \xe9.wav");
}

} // namespace
} // namespace tb
