#include "platform/Convert.h"

#include <gtest/gtest.h>

TEST(Convert, TextToIntegerAsTheRuntimeReadsIt) {
    const struct {
        const char* text;
        bool valid;
        int value;
    } cases[] = {
        {"42", true, 42},
        {"  42", true, 42},
        {"-7", true, -7},
        {"+7", true, 7},
        {"$1F", true, 31},
        {"0x10", true, 16},
        {"-2147483648", true, int(0x80000000u)},
        {"2147483647", true, 2147483647},
        {"2147483648", false, 0},
        {"42 ", false, 0},
        {"\t42", false, 0},
        {"4 2", false, 0},
        {"", false, 0},
        {" ", false, 0},
        {"-", false, 0},
        {"$", false, 0},
        {"12a", false, 0},
    };
    for (const auto& c : cases) {
        int value = 0;
        EXPECT_EQ(c.valid, TryStrToInt(c.text, value)) << c.text;
        if (c.valid) {
            EXPECT_EQ(c.value, value) << c.text;
        }
        EXPECT_EQ(c.valid ? c.value : -1, StrToIntDef(c.text, -1)) << c.text;
    }
    try {
        StrToInt("12 ");
        ADD_FAILURE() << "no exception";
    } catch (const EConvertError& error) {
        EXPECT_EQ("'12 ' is not a valid integer value", error.Message().toStdString());
    }
}
