#include "setup/wizard/QuandelLanguageLibrary.h"
#include "ids_pages.h"
#include "ids_startup.h"
#include "ids_wizard.h"

namespace {

// The start-up messages and the wizard's caption.
const UINT kStartupStrings[] = {
    IDS_QUANDEL_WIZARD_CAPTION,
    IDS_STARTUP_DISCOVERY_FAILED,
    IDS_STARTUP_DISCOVERY_CAPTION,
    IDS_WZ_INSTALLER_MISSING,
};

bool HasString(HINSTANCE library, UINT id)
{
    wchar_t first[2] = L"";
    return ::LoadStringW(library, id, first, 2) > 0;
}

} // namespace

bool IsQuandelLanguageLibrary(HINSTANCE library)
{
    for (UINT id : kStartupStrings) {
        if (!HasString(library, id))
            return false;
    }
    // The welcome page, the wizard's first.
    return ::FindResourceW(library, MAKEINTRESOURCEW(IDD_PAGES_WELCOME), RT_DIALOG) != nullptr;
}
