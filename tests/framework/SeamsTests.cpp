// Message boxes shown without an owner go to the registered owner window
// while it exists, from any thread; an explicit owner is kept.
#include "framework/Seams.h"
#include <gtest/gtest.h>
#include <thread>

namespace {

HWND volatile g_seenOwner = reinterpret_cast<HWND>(-1);

int RecordOwner(HWND owner, const wchar_t*, const wchar_t*, UINT, bool, WORD)
{
    g_seenOwner = owner;
    return IDOK;
}

struct SeamsTest : testing::Test
{
    void SetUp() override { m_previous = AfxSetMessageBoxHandler(&RecordOwner); }
    void TearDown() override
    {
        AfxSetMessageBoxOwner(nullptr);
        AfxSetMessageBoxHandler(m_previous);
    }
    AfxMessageBoxHandler m_previous = nullptr;
};

HWND MakeWindow()
{
    return CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

} // namespace

TEST_F(SeamsTest, BoxesWithoutOwnerGoToTheRegisteredWindow)
{
    HWND owner = MakeWindow();
    HWND other = MakeWindow();
    ASSERT_NE(owner, nullptr);

    AfxShowMessageBox(nullptr, L"t", L"c", MB_OK);
    EXPECT_EQ(g_seenOwner, nullptr) << "no owner registered";

    AfxSetMessageBoxOwner(owner);
    AfxShowMessageBox(nullptr, L"t", L"c", MB_OK);
    EXPECT_EQ(g_seenOwner, owner);
    AfxShowMessageBoxEx(nullptr, L"t", L"c", MB_YESNO, 1031);
    EXPECT_EQ(g_seenOwner, owner);
    AfxShowMessageBox(other, L"t", L"c", MB_OK);
    EXPECT_EQ(g_seenOwner, other) << "an explicit owner is kept";

    // A worker thread's question is owned the same way.
    std::thread([] { AfxShowMessageBoxEx(nullptr, L"t", L"c", MB_YESNO, 0); }).join();
    EXPECT_EQ(g_seenOwner, owner);

    DestroyWindow(owner);
    AfxShowMessageBox(nullptr, L"t", L"c", MB_OK);
    EXPECT_EQ(g_seenOwner, nullptr) << "a destroyed owner is not used";
    DestroyWindow(other);
}
