#pragma once
// A drill with the catalogue on top, on a temporary program folder.

#include "catalogue.h"
#include "drill_harness.h"

#include <gtest/gtest.h>

struct CatalogueHarness : DrillHarness {
    Catalogue catalogue{*drill};

    explicit CatalogueHarness(int screenWidth = 1280) : DrillHarness(screenWidth) {}

    // A menu handler as the window runs it.
    void click(const std::string& handler) {
        run([&] { EXPECT_TRUE(catalogue.menuClick(handler)) << handler; });
    }
    void start() {
        run([&] { catalogue.FormCreate(); });
    }
    // 中学1年（１）, entry K111, from a two-question set.
    void chooseK111() {
        folder.writeLines("jhword/tang101.txt", numberedSet(2));
        click("K110Click");
        click("K111Click");
    }
    // Answers every question of the loaded numbered set right at once.
    void answerAllRight() {
        const int n = drill->state.queueLength();
        for (int k = 1; k <= n; ++k) {
            answer("answer" + std::to_string(k));
        }
    }
};
