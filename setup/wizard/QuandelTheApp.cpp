// The one application object of Quandel.exe.
#include "setup/wizard/Quandel.h"

CQuandelApp theApp;
