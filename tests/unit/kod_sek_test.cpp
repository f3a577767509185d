#include "repair/kod_sek.h"

#include <gtest/gtest.h>

#include "fakes.h"
#include "platform/failure.h"

namespace {

struct KodSekCase {
  const char* name;
  std::wstring typed;
  std::wstring trimmed;
  std::wstring kod_sek;
};

class KodSekTest : public ::testing::TestWithParam<KodSekCase> {};

TEST_P(KodSekTest, TrimsOuterSpacesAndDropsInnerOnesUpperCasingTheRest) {
  testing_support::LibraryTextCase text_case;
  const std::wstring trimmed = repair::TrimSpaces(GetParam().typed);
  EXPECT_EQ(trimmed, GetParam().trimmed);
  EXPECT_EQ(repair::NormaliseKodSek(trimmed, text_case), GetParam().kod_sek);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KodSekTest,
    ::testing::Values(KodSekCase{"OuterAndInnerSpaces", L" ab c1 ", L"ab c1", L"ABC1"},
                      KodSekCase{"SeveralInnerSpaces", L"  abc 12 34 ", L"abc 12 34", L"ABC1234"},
                      KodSekCase{"TabIsNotASpace", L"a\tb", L"a\tb", L"A\tB"},
                      KodSekCase{"TabsAreNotTrimmed", L"\t x \t", L"\t x \t", L"\tX\t"},
                      KodSekCase{"OnlySpaces", L"   ", L"", L""},
                      KodSekCase{"PunctuationKept", L"x-1.*?", L"x-1.*?", L"X-1.*?"}),
    [](const auto& info) { return info.param.name; });

TEST(KodSekOverflowTest, SixteenBitPositionOverflowsAt32767Characters) {
  testing_support::LibraryTextCase text_case;
  EXPECT_EQ(repair::NormaliseKodSek(std::wstring(32766, L'a'), text_case), std::wstring(32766, L'A'));
  for (const std::size_t length : {std::size_t{32767}, std::size_t{40000}}) {
    try {
      repair::NormaliseKodSek(std::wstring(length, L'a'), text_case);
      ADD_FAILURE() << "no overflow at length " << length;
    } catch (const platform::Failure& failure) {
      EXPECT_EQ(failure.number(), 6);
      EXPECT_EQ(failure.description(), L"Overflow");
    }
  }
}

}  // namespace
