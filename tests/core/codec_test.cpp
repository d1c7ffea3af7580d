#include "cp932.h"
#include "errors.h"
#include "integer_text.h"

#include <gtest/gtest.h>

using cp932::sj;

TEST(Codec, ByteLengthsAndRoundTrip) {
    EXPECT_EQ(sj("「よくできました。」").size(), 20u);
    EXPECT_EQ(sj("よくできました。").size(), 16u);
    EXPECT_EQ(sj("ﾀｲﾄﾙ変更").size(), 8u);
    EXPECT_EQ(cp932::decode(sj("がんばれ～")), "がんばれ～");
    EXPECT_EQ(cp932::decode(sj("Ｔａｋｅ　ｉｔ　ｅａｓｙ　！")), "Ｔａｋｅ　ｉｔ　ｅａｓｙ　！");
}

TEST(Codec, RefusesWhatCp932CannotCarry) {
    EXPECT_FALSE(cp932::encode("€").has_value());
    EXPECT_FALSE(cp932::encode("😀").has_value());
    EXPECT_FALSE(cp932::encode("a\xEF\xBF\xBD").has_value()); // the replacement character
    // What input methods type for characters CP932 reads back as look-alikes.
    EXPECT_EQ(cp932::encode("〜−‖¢£¬"), "\x81\x60\x81\x7C\x81\x61\x81\x91\x81\x92\x81\xCA");
    // Typed text keeps its length in characters but can never match a file line.
    EXPECT_EQ(cp932::encodeTyped("a😀b"), std::string("a\0b", 3));
}

TEST(Codec, DisplayDecodingIsLenient) {
    EXPECT_EQ(cp932::decode("ok\x81"), "ok\xEF\xBF\xBD");
    EXPECT_EQ(cp932::decode("\xA0x"), "\xEF\xBF\xBDx");
}

TEST(Codec, CutNeverSplitsADoubleByteCharacter) {
    std::string s = "ab" + sj("あい");
    EXPECT_EQ(cp932::safeCut(s, 3), 2u);
    EXPECT_EQ(cp932::safeCut(s, 4), 4u);
    EXPECT_EQ(cp932::safeCut(s, 100), 6u);
    EXPECT_TRUE(cp932::isLeadByte(0x82));
    EXPECT_TRUE(cp932::isLeadByte(0xE0));
    EXPECT_FALSE(cp932::isLeadByte(0xA0));
    EXPECT_FALSE(cp932::isLeadByte('a'));
}

TEST(IntegerText, SignAndDigitsOnly) {
    EXPECT_EQ(toInteger("255"), 255);
    EXPECT_EQ(toInteger("-2147483643"), -2147483643);
    EXPECT_EQ(toInteger("+7"), 7);
    EXPECT_EQ(toInteger("-2147483648"), INT32_MIN);
    for (const char* bad : {"", "-", " 1", "1 ", "0x10", "$10", "1.0", "2147483648", "abc"}) {
        EXPECT_THROW(toInteger(bad), NotIntegerError) << bad;
    }
    try {
        toInteger("abc");
        FAIL();
    } catch (const NotIntegerError& e) {
        EXPECT_STREQ(e.what(), "'abc' は整数ではありません");
    }
    LineList lines{"1", "x"};
    EXPECT_THROW(integerLine(lines, 2), ListIndexError);
    try {
        integerLine(lines, 29);
        FAIL();
    } catch (const ListIndexError& e) {
        EXPECT_STREQ(e.what(), "リストのインデックスが範囲を超えています (29)");
    }
}
