#pragma once
// Resource identifiers of the pages area: welcome, licence, modify, module
// installation and removal, summary, details and disk-space dialogs.

// Dialog templates.
#define IDD_PAGES_WELCOME          129
#define IDD_PAGES_LICENSE          133
#define IDD_PAGES_MODULE_REMOVE    144
#define IDD_PAGES_DISKSPACE        145
#define IDD_PAGES_SUMMARY          149
#define IDD_PAGES_MODIFY           159
#define IDD_PAGES_MODULE_INSTALL   165
#define IDD_PAGES_DETAILS          168

// Bitmaps.
#define IDB_PAGES_DRIVES           147   // 16-px drive images: fixed, network

// Controls.
#define IDC_PAGES_TITLE            1001
#define IDC_PAGES_SUMMARY_TREE     1002
#define IDC_PAGES_MESSAGE          1003
#define IDC_PAGES_SUMMARY_DETAILS  1004
#define IDC_PAGES_ACCEPT           1006
#define IDC_PAGES_DECLINE          1007
#define IDC_PAGES_AGREEMENT        1008
#define IDC_PAGES_DRIVE_LIST       1027
#define IDC_PAGES_DISKSPACE_BUTTON 1034
#define IDC_PAGES_SPACE            1051
#define IDC_PAGES_SPACE_LEFT       1056
#define IDC_PAGES_SPACE_NEEDED     1057
#define IDC_PAGES_UNCHECK_ALL      1061
#define IDC_PAGES_CHECK_ALL        1062
#define IDC_PAGES_SUMMARY_INTRO    1069
#define IDC_PAGES_SUMMARY_TEXT     1091
#define IDC_PAGES_GROUP_LIST       1095
#define IDC_PAGES_INSTALL_TREE     1100
#define IDC_PAGES_DETAILS_LIST     1106
#define IDC_PAGES_DETAILS_BUTTON   1107   // welcome: the button; summary: the details label
#define IDC_PAGES_REMOVE_TREE      1133

// Strings. Templates with %1 take a text, %1!d! an integer.
#define IDS_PAGES_INSTALL_SPACE    145   // %1 = "12.3MB"
#define IDS_PAGES_MODIFY_NEEDED    149   // %1
#define IDS_PAGES_MODIFY_LEFT      150   // %1
#define IDS_PAGES_MODIFY_MISSING   165   // %1
#define IDS_PAGES_DISK_REQUIRED    166   // %1!d! = MB
#define IDS_PAGES_DISK_DRIVE       167
#define IDS_PAGES_DISK_TOTAL       168
#define IDS_PAGES_DISK_FREE        169
#define IDS_PAGES_NEXT             170
#define IDS_PAGES_NEXT_REMOVE      171
#define IDS_PAGES_NEXT_INSTALL     172
#define IDS_PAGES_DISKSPACE_BUTTON 175
#define IDS_PAGES_INTRO_INSTALL    180
#define IDS_PAGES_INTRO_REMOVE     181
#define IDS_PAGES_INTRO_MODIFY     182
#define IDS_PAGES_NEXT_MODIFY      183
#define IDS_PAGES_WELCOME_INSTALLED 4115
#define IDS_PAGES_WELCOME_DISTRIB  4116
#define IDS_PAGES_LBL_GROUP        4117
#define IDS_PAGES_LBL_VERSION      4118
#define IDS_PAGES_LBL_STATUS       4119
#define IDS_PAGES_ST_INSTALLED     4120  // %1 = version
#define IDS_PAGES_LBL_CATALOG      4121
#define IDS_PAGES_ST_NOT_INSTALLED 4122
#define IDS_PAGES_LBL_DESCRIPTION  4123
#define IDS_PAGES_LBL_VENDOR       4124
#define IDS_PAGES_LBL_FWSERIES     4125
#define IDS_PAGES_LBL_COMPATIBLE   4126
#define IDS_PAGES_LBL_FWREV        4127
#define IDS_PAGES_ST_UNAVAILABLE   4128
#define IDS_PAGES_ST_INSTALLABLE   4129
#define IDS_PAGES_SUMMARY_REMOVE   4140
#define IDS_PAGES_SUMMARY_MODIFY   4141
#define IDS_PAGES_SUMMARY_INSTALL  4142
#define IDS_PAGES_SUMMARY_NOTHING  4143  // followed directly by the core version
#define IDS_PAGES_LBL_MINCORE      4162
#define IDS_PAGES_CORE_INSTALLED   4163  // %1
#define IDS_PAGES_CORE_PACKAGE     4164  // %1
#define IDS_PAGES_CORE_NONE        4165
#define IDS_PAGES_LBL_CORE         4167
