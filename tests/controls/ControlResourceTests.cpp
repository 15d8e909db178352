// Both language libraries carry the controls' images and tip texts.
#include "ControlsTestSupport.h"
#include "ids_controls.h"

namespace {

TEST(ControlResources, EveryLanguageLibraryHasImagesAndTipTexts)
{
    for (const wchar_t* name : { L"QuandelENU.dll", L"QuandelDEU.dll" }) {
        HMODULE library = ::LoadLibraryExW(name, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(nullptr, library) << testing::PrintToString(std::wstring(name));
        struct Image
        {
            UINT id;
            LONG width;
        } images[] = { { IDB_CTL_TREE_GLYPHS, 32 }, { IDB_CTL_CHECK_IMAGES, 64 } };
        for (const Image& image : images) {
            HBITMAP bitmap = ::LoadBitmapW(library, MAKEINTRESOURCEW(image.id));
            ASSERT_NE(nullptr, bitmap) << image.id;
            BITMAP info = {};
            ::GetObjectW(bitmap, sizeof(info), &info);
            EXPECT_EQ(image.width, info.bmWidth) << image.id;
            EXPECT_EQ(16, info.bmHeight) << image.id;
            ::DeleteObject(bitmap);
        }
        for (UINT id = IDS_CTL_TIP_LEAF_CHECKED; id <= IDS_CTL_TIP_GROUP_NONE; ++id) {
            CString text;
            EXPECT_TRUE(text.LoadString(library, id)) << id;
            EXPECT_FALSE(text.IsEmpty()) << id;
        }
        ::FreeLibrary(library);
    }
}

} // namespace
