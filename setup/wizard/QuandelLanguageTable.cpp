#include "setup/wizard/QuandelLanguageTable.h"
#include <locale.h>
#include <mbctype.h>

const QuandelLanguageRow g_QuandelLanguages[] = {
    {1033, 200, "enu_usa.1252"},
    {1031, 201, "deu_germany.1252"},
    {1034, 202, "esp_spain.1252"},
    {1036, 203, "fra_france.1252"},
    {1040, 204, "ita_italy.1252"},
    {1046, 205, "ptb_brazil.1252"},
    {1042, 206, "kor_korea.949"},
    {1041, 209, "jpn_japan.932"},
    {2052, 210, "chs_china.936"},
    {0, 0, nullptr},
};

const QuandelLanguageRow& FindQuandelLanguageRow(int language)
{
    for (const QuandelLanguageRow* row = g_QuandelLanguages; row->language != 0; ++row) {
        if (row->language == language)
            return *row;
    }
    return g_QuandelLanguages[0];
}

void ApplyQuandelLocale(int language)
{
    setlocale(LC_ALL, FindQuandelLanguageRow(language).crtLocale);
    _setmbcp(_MB_CP_ANSI);
}
