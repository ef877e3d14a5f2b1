// START and AUTO building the play list from the checked categories.
#include <gtest/gtest.h>

#include <vector>

#include "app/app_state.h"
#include "app/select_window.h"
#include "tests/support/message_box.h"
#include "testrun/start_tests.h"

namespace {

class StartTests : public ::testing::Test {
protected:
    void SetUp() override {
        for (int& checked : g_catChecked) checked = 0;
    }
    void TearDown() override {
        CloseRun();
        free(g_app.playlist);
        g_app.playlist = nullptr;
        g_app.playlistCount = 0;
    }
    // A successful START opens the test window; these tests only look at the play list.
    static void CloseRun() {
        if (g_app.hwndTest != nullptr) DestroyWindow(g_app.hwndTest);
    }
    static std::vector<int> Playlist() { return {g_app.playlist, g_app.playlist + g_app.playlistCount}; }
};

TEST_F(StartTests, BuildsTheListInCatalogueOrderWithTheAutoFlag) {
    g_catChecked[8] = 1;
    g_catChecked[0] = 1;
    EXPECT_TRUE(StartSelectedTests(nullptr, 1));
    EXPECT_EQ(Playlist(), (std::vector<int>{0, 1, 2, 3, 4, 29, 30, 31, 32}));
    EXPECT_EQ(g_app.playlistPos, 0);
    EXPECT_EQ(g_app.autoMode, 1);
    CloseRun();
    g_catChecked[0] = 0;
    g_catChecked[8] = 0;
    g_catChecked[9] = 1;
    EXPECT_TRUE(StartSelectedTests(nullptr, 0));
    EXPECT_EQ(Playlist(), std::vector<int>{33});
    EXPECT_EQ(g_app.autoMode, 0);
}

TEST_F(StartTests, NothingCheckedKeepsTheEarlierPlaylist) {
    g_catChecked[1] = 1;
    ASSERT_TRUE(StartSelectedTests(nullptr, 0));
    CloseRun();
    int* earlier = g_app.playlist;
    g_catChecked[1] = 0;
    MessageBoxWatch watch;
    WatchForMessageBox(&watch);
    EXPECT_FALSE(StartSelectedTests(nullptr, 1));
    ASSERT_TRUE(FinishWatch(&watch));
    EXPECT_EQ(g_app.playlist, earlier);
    EXPECT_EQ(Playlist(), (std::vector<int>{5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(g_app.autoMode, 0);
}

}  // namespace
