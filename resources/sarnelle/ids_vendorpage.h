#pragma once
// Identifiers of the vendor page plug-in's language libraries.

#define IDD_PVPAGE_VENDOR       106   // the vendor property page
#define IDC_PVPAGE_HELP         108   // its help button; also the initial focus
#define IDC_PVPAGE_INFO         9053  // vendor information text
#define IDC_PVPAGE_HYPERLINK    9050  // the vendor address, shown as a link

#define IDD_PVHYPERLINK_ERROR   201   // "address could not be opened" dialog
#define IDC_PVHYPERLINK_ADDRESS 9051  // read-only edit with the address
#define IDC_PVHYPERLINK_ICON    9052  // exclamation icon
#define IDC_PVHYPERLINK_TEXT    9054  // explanation text

#define PVPAGE_VENDOR_HELP_CONTEXT 0x1006C
