// Note names and melodies as the composer writes them.
#include "notes.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "parts.h"
#include "score.h"

TEST(NoteNumber, CountsSemitonesFromC0AsOne) {
  EXPECT_EQ(NoteNumber("C0"), 1);
  EXPECT_EQ(NoteNumber("C4"), 49);
  EXPECT_EQ(NoteNumber("A4"), 58);
  EXPECT_EQ(NoteNumber("G#3"), 45);
  EXPECT_EQ(NoteNumber("B7"), 96);
}

TEST(NoteNumber, RejectsWhatIsNotANote) {
  for (const char* bad : {"", "H4", "C8", "C", "4", "A#", "Cb4", "C#44", " 4", "c4"}) {
    EXPECT_THROW(NoteNumber(bad), std::invalid_argument) << '"' << bad << '"';
  }
}

TEST(ParseMelody, ReadsNotesRestsAndLengths) {
  const std::vector<Step> steps = ParseMelody("A4:3  -:2 G#5:11");
  ASSERT_EQ(steps.size(), 3u);
  EXPECT_EQ(steps[0].note, 58);
  EXPECT_EQ(steps[0].rows, 3);
  EXPECT_EQ(steps[1].note, 0);
  EXPECT_EQ(steps[1].rows, 2);
  EXPECT_EQ(steps[2].note, 69);
  EXPECT_EQ(steps[2].rows, 11);
  EXPECT_TRUE(ParseMelody("  ").empty());
}

TEST(ParseMelody, RejectsMalformedSteps) {
  for (const char* bad : {"A4", "A4:", "A4:x", "A4:0", "A4:123", "X4:2", ":2", "A4:-1"}) {
    EXPECT_THROW(ParseMelody(bad), std::invalid_argument) << '"' << bad << '"';
  }
}

// A melody must fill its four bars exactly; one row short or long is refused.
TEST(WriteMelody, RefusesAMelodyThatIsNotFourBars) {
  Score score(kChannelCount, 1);
  EXPECT_NO_THROW(WriteMelody(score, 0, "A4:32 -:32", kLeadChannel));
  EXPECT_THROW(WriteMelody(score, 0, "A4:32 -:31", kLeadChannel), std::invalid_argument);
  EXPECT_THROW(WriteMelody(score, 0, "A4:32 -:33", kLeadChannel), std::invalid_argument);
}
