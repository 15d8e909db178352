#pragma once
// Resource identifiers of the startup area.

#define IDS_QUANDEL_WIZARD_CAPTION     102   // wizard caption, also the caption of page message boxes
#define IDS_STARTUP_DISCOVERY_FAILED   4135  // text: the packages could not be found or read
#define IDS_STARTUP_DISCOVERY_CAPTION  4136  // caption of that message
