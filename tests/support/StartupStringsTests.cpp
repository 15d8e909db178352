// The startup texts of Quandel's language libraries: present in every
// library, translated, intact non-ASCII text, and usable as the no-argument
// message templates the start-up code formats them with.
#include "framework/AppCore.h"
#include "framework/CString.h"
#include "../../resources/quandel/ids_startup.h"
#include <gtest/gtest.h>

namespace
{

class QuandelLibrary
{
public:
    explicit QuandelLibrary(const wchar_t* name) : m_library(LoadLibraryW(name)), m_previous(AfxGetResourceHandle())
    {
        if (m_library != nullptr)
            AfxSetResourceHandle(m_library);
    }
    ~QuandelLibrary()
    {
        AfxSetResourceHandle(m_previous);
        if (m_library != nullptr)
            FreeLibrary(m_library);
    }
    QuandelLibrary(const QuandelLibrary&) = delete;
    QuandelLibrary& operator=(const QuandelLibrary&) = delete;

    bool Loaded() const { return m_library != nullptr; }

private:
    HMODULE m_library;
    HINSTANCE m_previous;
};

struct Texts
{
    CString caption, failure, failureCaption;
};

Texts Load(const wchar_t* library)
{
    QuandelLibrary lib(library);
    EXPECT_TRUE(lib.Loaded()) << library;
    Texts texts;
    texts.caption.LoadString(IDS_QUANDEL_WIZARD_CAPTION);
    texts.failure.LoadString(IDS_STARTUP_DISCOVERY_FAILED);
    texts.failureCaption.LoadString(IDS_STARTUP_DISCOVERY_CAPTION);

    // Start-up formats both texts as message templates without arguments:
    // apart from line ends (the message formatter writes CR LF) they must
    // come out unchanged, so they hold no inserts.
    CString formatted;
    formatted.FormatMessage(IDS_STARTUP_DISCOVERY_FAILED);
    formatted.Replace(L"\r\n", L"\n");
    EXPECT_STREQ(texts.failure, formatted) << library;
    formatted.FormatMessage(IDS_STARTUP_DISCOVERY_CAPTION);
    EXPECT_STREQ(texts.failureCaption, formatted) << library;
    return texts;
}

TEST(StartupStrings, PresentAndTranslatedInEachLibrary)
{
    Texts enu = Load(L"QuandelENU.dll");
    Texts deu = Load(L"QuandelDEU.dll");
    for (const Texts* t : {&enu, &deu})
    {
        EXPECT_FALSE(t->caption.IsEmpty());
        EXPECT_FALSE(t->failure.IsEmpty());
        EXPECT_FALSE(t->failureCaption.IsEmpty());
    }
    EXPECT_STRNE(enu.caption, deu.caption);
    EXPECT_STRNE(enu.failure, deu.failure);
    EXPECT_STRNE(enu.failureCaption, deu.failureCaption);
    // The German texts keep their umlauts through the resource compiler.
    EXPECT_NE(-1, deu.caption.Find(L"f\u00fcr")) << deu.caption.GetString();
    EXPECT_NE(-1, deu.failure.Find(L"vollst\u00e4ndigen"));
}

} // namespace
