#include "setup/wizard/QuandelStartupMessages.h"

namespace {

struct StartupMessage
{
    LCID lcid;
    const wchar_t* text;
    const wchar_t* caption;
};

const StartupMessage kFailureMessages[] = {
    {1031, L"Initialisierung der installierten Komponenten ist fehlgeschlagen.\n"
           L"Wenden Sie sich an den technischen Support von Ternwick Software.",
     L"Quandel.exe-Fehler"},
    {1034, L"Fallo al inicializar los componentes instalados.\n"
           L"Póngase en contacto con el Servicio de Soporte Técnico de Ternwick Software.",
     L"Error de Quandel.exe"},
    {1036, L"L'initialisation des composants installés a échouée.\n"
           L"Contactez l'assistance technique de Ternwick Software.",
     L"Erreur de Quandel.exe"},
    {1040, L"Impossibile inizializzare i componenti installati.\n"
           L"Contattare l'assistenza tecnica di Ternwick Software.",
     L"Errore del file Quandel.exe"},
    {1041, L"Japanese: Failed to initialized installed components.\n"
           L"Contact Ternwick Software technical support.",
     L"Japanese: Quandel.exe error"},
    {1042, L"Korean: Failed to initialized installed components.\n"
           L"Contact Ternwick Software technical support.",
     L"Korean: Quandel.exe error"},
    {1046, L"Falha ao inicializar componentes instalados.\n"
           L"Entre em contato com o Suporte técnico da Ternwick Software.",
     L"Erro do Quandel.exe"},
    {2052, L"Chinese: Failed to initialized installed components.\n"
           L"Contact Ternwick Software technical support.",
     L"Chinese: Quandel.exe error"},
    {0, L"Failed to initialized installed components.\n"
        L"Contact Ternwick Software technical support.",
     L"Quandel.exe error"},
};

template <size_t N>
void Pick(const StartupMessage (&table)[N], LCID lcid, CString& text, CString& caption)
{
    const StartupMessage* row = &table[N - 1];
    for (size_t i = 0; i + 1 < N; ++i) {
        if (table[i].lcid == lcid) {
            row = &table[i];
            break;
        }
    }
    text = row->text;
    caption = row->caption;
}

} // namespace

void GetStartupFailureMessage(LCID lcid, CString& text, CString& caption)
{
    Pick(kFailureMessages, lcid, text, caption);
}

