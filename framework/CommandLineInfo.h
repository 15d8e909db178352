#pragma once
// CCommandLineInfo: receives a program's command-line arguments one by one
// from AfxParseCommandLine. A derived parser overrides ParseParam and hands
// what it does not consume to this base, which records the class library's
// standard requests (a file to open or print, embedding, automation).
#include "framework/CString.h"

class CCommandLineInfo
{
public:
    enum { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppRegister, AppUnregister, FileNothing = -1 };

    CCommandLineInfo() = default;
    virtual ~CCommandLineInfo() = default;

    // One argument. flag: it began with '-' or '/', which is already removed
    // from text. last: it is the final argument.
    virtual void ParseParam(const wchar_t* text, BOOL flag, BOOL last);

    BOOL m_bShowSplash = TRUE;
    BOOL m_bRunEmbedded = FALSE;
    BOOL m_bRunAutomated = FALSE;
    int m_nShellCommand = FileNew;
    CString m_strFileName;
    CString m_strPrinterName;
    CString m_strDriverName;
    CString m_strPortName;

protected:
    // The steps of the base's ParseParam.
    virtual void ParseParamFlag(const wchar_t* text);
    virtual void ParseParamNotFlag(const wchar_t* text);
    virtual void ParseLast(BOOL last);
};

// Splits commandLine like the C runtime does (the first token is the
// program), and hands every argument after it to info.ParseParam.
void AfxParseCommandLine(CCommandLineInfo& info, const wchar_t* commandLine);
// The same for the running process's command line.
void AfxParseCommandLine(CCommandLineInfo& info);
