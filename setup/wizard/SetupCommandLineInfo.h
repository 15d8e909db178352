#pragma once
// The setup program's command-line parser. Of its switches only two change
// anything: "LCID=" sets the thread locale and suppresses the language
// dialog, "SLP" asks for the language dialog.
#include "framework/CommandLineInfo.h"

class Setup_CCommandLineInfo : public CCommandLineInfo
{
public:
    Setup_CCommandLineInfo();
    ~Setup_CCommandLineInfo() override;

    void ParseParam(const wchar_t* text, BOOL flag, BOOL last) override;

    // TRUE exactly for the languages the setup program ships texts for.
    static bool IsSupportedLanguage(int language);
    bool IsLanguageGiven() const { return m_bLanguageGiven; }
    bool IsLanguagePromptRequested() const { return m_bLanguagePrompt; }

private:
    bool m_bLanguageGiven;
    bool m_bLanguagePrompt;
};
