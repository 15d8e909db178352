#include "framework/CommandLineInfo.h"
#include <shellapi.h>

void CCommandLineInfo::ParseParam(const wchar_t* text, BOOL flag, BOOL last)
{
    if (text == nullptr)
        text = L"";
    if (flag)
        ParseParamFlag(text);
    else
        ParseParamNotFlag(text);
    ParseLast(last);
}

void CCommandLineInfo::ParseParamFlag(const wchar_t* text)
{
    if (_wcsicmp(text, L"pt") == 0)
        m_nShellCommand = FilePrintTo;
    else if (_wcsicmp(text, L"p") == 0)
        m_nShellCommand = FilePrint;
    else if (_wcsicmp(text, L"dde") == 0)
        m_nShellCommand = FileDDE;
    else if (_wcsicmp(text, L"Embedding") == 0)
        m_bRunEmbedded = TRUE, m_bShowSplash = FALSE;
    else if (_wcsicmp(text, L"Automation") == 0)
        m_bRunAutomated = TRUE, m_bShowSplash = FALSE;
    else if (_wcsicmp(text, L"Register") == 0 || _wcsicmp(text, L"Regserver") == 0)
        m_nShellCommand = AppRegister;
    else if (_wcsicmp(text, L"Unregister") == 0 || _wcsicmp(text, L"Unregserver") == 0)
        m_nShellCommand = AppUnregister;
}

void CCommandLineInfo::ParseParamNotFlag(const wchar_t* text)
{
    if (m_strFileName.IsEmpty())
        m_strFileName = text;
    else if (m_nShellCommand == FilePrintTo && m_strPrinterName.IsEmpty())
        m_strPrinterName = text;
    else if (m_nShellCommand == FilePrintTo && m_strDriverName.IsEmpty())
        m_strDriverName = text;
    else if (m_nShellCommand == FilePrintTo && m_strPortName.IsEmpty())
        m_strPortName = text;
}

void CCommandLineInfo::ParseLast(BOOL last)
{
    if (last && m_nShellCommand == FileNew && !m_strFileName.IsEmpty())
        m_nShellCommand = FileOpen;
}

void AfxParseCommandLine(CCommandLineInfo& info, const wchar_t* commandLine)
{
    if (commandLine == nullptr || *commandLine == L'\0')
        return;
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(commandLine, &argc);
    if (argv == nullptr)
        return;
    for (int i = 1; i < argc; ++i) {
        const wchar_t* text = argv[i];
        BOOL flag = FALSE;
        if (text[0] == L'-' || text[0] == L'/') {
            flag = TRUE;
            ++text;
        }
        info.ParseParam(text, flag, i == argc - 1);
    }
    LocalFree(argv);
}

void AfxParseCommandLine(CCommandLineInfo& info)
{
    AfxParseCommandLine(info, GetCommandLineW());
}
