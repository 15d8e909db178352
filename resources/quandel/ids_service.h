#pragma once
// Resource identifiers of the service area: the log lines of an install or
// removal run, the cancel question and the core-version refusal.
// Texts with arguments are FormatMessage templates (%1, %2 ...).

#define IDS_SRV_GROUP_INSTALL_START    154   // %1 group title, %2 version
#define IDS_SRV_GROUP_INSTALL_DONE     155   // %1 group title, %2 version
#define IDS_SRV_RUN_START              156
#define IDS_SRV_RUN_END                157
#define IDS_SRV_GROUP_REMOVE_START     160   // %1 group title, %2 version
#define IDS_SRV_GROUP_REMOVE_DONE      161   // %1 group title, %2 version
#define IDS_SRV_CANCEL_QUESTION        164
#define IDS_SRV_GROUP_INSTALL_FAILED   177   // %1 group title, %2 version
#define IDS_SRV_GROUP_REMOVE_FAILED    178   // %1 group title, %2 version
#define IDS_SRV_BASE_INSTALL_START     216   // %1 version
#define IDS_SRV_BASE_INSTALL_DONE      217   // %1 version
#define IDS_SRV_BASE_REMOVE_START      218   // %1 version
#define IDS_SRV_BASE_REMOVE_DONE       219   // %1 version
#define IDS_SRV_BASE_INSTALL_FAILED    4138  // %1 version
#define IDS_SRV_BASE_REMOVE_FAILED     4139  // %1 version
#define IDS_SRV_CORE_MISSING           4160
#define IDS_SRV_CORE_TOO_OLD           4161  // %1 group title, %2 minimum core version, %3 core version after the run
#define IDS_SRV_CORE_TOO_OLD_LOG       4166
