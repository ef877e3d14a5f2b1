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
        for (int& checked : g_catChecked) checked = 0;  // as at process start, for the suites that follow
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

namespace {

// Takes every free byte of the 32-bit heap, so that the next malloc fails, and gives it back.
struct HeapExhaustion {
    std::vector<void*> blocks;
    HeapExhaustion() {
        blocks.reserve(1 << 16);
        for (size_t size = 1 << 24; size >= 8; size /= 2) {
            while (blocks.size() < blocks.capacity()) {
                void* block = malloc(size);
                if (block == nullptr) break;
                blocks.push_back(block);
            }
        }
    }
    ~HeapExhaustion() {
        for (void* block : blocks) free(block);
    }
};

TEST_F(StartTests, NoMemoryForThePlaylistOpensNoWindowAndKeepsTheEarlierList) {
    g_catChecked[9] = 1;
    ASSERT_TRUE(StartSelectedTests(nullptr, 0));
    CloseRun();
    int* earlier = g_app.playlist;
    g_catChecked[0] = 1;
    int started = 0;
    bool exhausted = false;
    {
        HeapExhaustion exhaustion;
        exhausted = malloc(sizeof(int) * 6) == nullptr;
        if (exhausted) started = StartSelectedTests(nullptr, 1);
    }
    if (!exhausted) GTEST_SKIP() << "the heap could not be exhausted in this process";
    EXPECT_FALSE(started);
    EXPECT_EQ(g_app.hwndTest, nullptr);
    EXPECT_EQ(g_app.playlist, earlier);
    EXPECT_EQ(Playlist(), std::vector<int>{33});
    EXPECT_EQ(g_app.autoMode, 0);
}

}  // namespace
