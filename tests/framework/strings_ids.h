#pragma once
// Strings of the library the CString tests load as resource library.
#define IDS_PLAIN    10
#define IDS_INSERTS  11
#define IDS_PRINTF   12
#define IDS_MISSING  13   // not in the table
