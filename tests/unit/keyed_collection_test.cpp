#include "repair/keyed_collection.h"

#include <gtest/gtest.h>

#include "fakes.h"
#include "platform/failure.h"
#include "repair/fn1.h"

namespace {

TEST(KeyedCollectionTest, KeysIgnoreCaseAndPositionsFollowTheOrderOfAdding) {
  testing_support::LibraryTextCase text_case;
  repair::KeyedCollection collection(text_case);
  collection.Add(L"2023", L"2023");
  collection.Add(L"abcd", L"abcd");

  EXPECT_EQ(collection.Count(), 2);
  EXPECT_EQ(collection.Item(1), L"2023");
  EXPECT_EQ(collection.Item(2), L"abcd");
  EXPECT_EQ(collection.Item(L"ABCD"), L"abcd");
  EXPECT_TRUE(repair::KeyExists(collection, L"AbCd"));
  EXPECT_FALSE(repair::KeyExists(collection, L"2022"));
  EXPECT_THROW(collection.Add(L"ABCD", L"ABCD"), platform::Failure);
}

TEST(KeyedCollectionTest, MissingKeyIsFailureFiveAndBadPositionFails) {
  testing_support::LibraryTextCase text_case;
  repair::KeyedCollection collection(text_case);
  try {
    collection.Item(L"2023");
    ADD_FAILURE() << "lookup of a missing key succeeded";
  } catch (const platform::Failure& failure) {
    EXPECT_EQ(failure.number(), 5);
  }
  EXPECT_THROW(collection.Item(0L), platform::Failure);
  EXPECT_THROW(collection.Item(1L), platform::Failure);
}

}  // namespace
