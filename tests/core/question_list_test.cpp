#include "cp932.h"
#include "question_list.h"

#include <gtest/gtest.h>

TEST(QuestionArithmetic, CountsAndLines) {
    EXPECT_EQ(questionCount({"t", "i"}), 0);
    EXPECT_EQ(questionCount({"t"}), 0);
    EXPECT_EQ(questionCount(LineList(2 + 4 * 5 + 3)), 5);
    EXPECT_EQ(questionCount(LineList(122)), 30);
    EXPECT_EQ(baseLineOf(30), 118);
    EXPECT_EQ(baseLineOf(30) + 3, 121);
    EXPECT_EQ(questionNumberOf(118), 30);
    EXPECT_EQ(questionNumberOf(2), 1);
}

TEST(QuestionArithmetic, AnswerAndHint) {
    auto plain = splitAnswer("apple");
    EXPECT_EQ(plain.answer, "apple");
    EXPECT_FALSE(plain.hint);

    auto go = splitAnswer("go#" + cp932::sj("行く"));
    EXPECT_EQ(go.answer, "go");
    EXPECT_EQ(*go.hint, cp932::sj("行く"));

    auto many = splitAnswer("a#b#c");
    EXPECT_EQ(many.answer, "a");
    EXPECT_EQ(*many.hint, "b#c");

    auto empty = splitAnswer("#only hint");
    EXPECT_EQ(empty.answer, "");
    EXPECT_EQ(*empty.hint, "only hint");

    auto longHint = splitAnswer("x#" + std::string(250, 'h'));
    EXPECT_EQ(longHint.hint->size(), 200u);

    // 199 single bytes then a double-byte character: the cut keeps 199.
    auto split = splitAnswer("x#" + std::string(199, 'h') + cp932::sj("あ"));
    EXPECT_EQ(split.hint->size(), 199u);
}
