#pragma once
// Resource identifiers of the wizard area: the wizard sheet and its icon,
// the header texts of all pages, the language dialog and the maintenance,
// setup-type, uninstall-type, installing and finish pages.

// Icon of the wizard window.
#define IDI_WZ_QUANDEL                 128

// Dialog templates.
#define IDD_WZ_UNINSTALL_TYPE          104
#define IDD_WZ_SETUP_TYPE              136
#define IDD_WZ_MAINTENANCE             141
#define IDD_WZ_INSTALLING              154
#define IDD_WZ_FINISH                  160
#define IDD_WZ_LANGUAGE                169

// Header titles and subtitles of the interior pages.
#define IDS_WZ_LICENSE_TITLE           103
#define IDS_WZ_LICENSE_SUBTITLE        104
#define IDS_WZ_MODULE_INSTALL_TITLE    107
#define IDS_WZ_MODULE_INSTALL_SUBTITLE 108
#define IDS_WZ_SETUP_TYPE_TITLE        109
#define IDS_WZ_SETUP_TYPE_SUBTITLE     110
#define IDS_WZ_MAINTENANCE_TITLE       111
#define IDS_WZ_MAINTENANCE_SUBTITLE    112
#define IDS_WZ_MODULE_REMOVE_TITLE     113
#define IDS_WZ_MODULE_REMOVE_SUBTITLE  114
#define IDS_WZ_SUMMARY_TITLE           120
#define IDS_WZ_SUMMARY_SUBTITLE        121
#define IDS_WZ_INSTALLING_TITLE        125
#define IDS_WZ_INSTALLING_SUBTITLE     126
#define IDS_WZ_MODIFY_SUBTITLE         146
#define IDS_WZ_MODIFY_TITLE            147
#define IDS_WZ_UNINSTALL_TYPE_TITLE    220
#define IDS_WZ_UNINSTALL_TYPE_SUBTITLE 221

// Installing and finish pages.
#define IDS_WZ_RUN_TITLE_INSTALL       151
#define IDS_WZ_RUN_TITLE_REMOVE        153
#define IDS_WZ_RUN_NOTHING_TO_DO       162
#define IDS_WZ_RUN_START_FAILED        4144  // %1!d!: the start result
#define IDS_WZ_RESTART_QUESTION        4145

// Start-up: Windows Installer cannot be used (caption: 4136).
#define IDS_WZ_INSTALLER_MISSING       4170

// Language dialog: language names and the two texts.
#define IDS_WZ_LANG_ENGLISH            200
#define IDS_WZ_LANG_GERMAN             201
#define IDS_WZ_LANG_SPANISH            202
#define IDS_WZ_LANG_FRENCH             203
#define IDS_WZ_LANG_ITALIAN            204
#define IDS_WZ_LANG_PORTUGUESE         205
#define IDS_WZ_LANG_KOREAN             206
#define IDS_WZ_LANG_PROMPT             207
#define IDS_WZ_LANG_HINT               208
#define IDS_WZ_LANG_JAPANESE           209
#define IDS_WZ_LANG_CHINESE            210

// Controls of the language dialog.
#define IDC_WZ_LANG_COMBO              1075
#define IDC_WZ_LANG_PROMPT             1116
#define IDC_WZ_LANG_HINT               208

// Controls of the maintenance page.
#define IDC_WZ_MAINT_ADD               1024
#define IDC_WZ_MAINT_REMOVE            1025
#define IDC_WZ_MAINT_MODIFY            1026
#define IDC_WZ_MAINT_ADD_TEXT          1059
#define IDC_WZ_MAINT_MODIFY_TEXT       1060
#define IDC_WZ_MAINT_REMOVE_TEXT       1065

// Controls of the setup-type page.
#define IDC_WZ_TYPE_NEWER              1019
#define IDC_WZ_TYPE_CUSTOM             1021
#define IDC_WZ_TYPE_MODULES            1096
#define IDC_WZ_TYPE_NEWER_TEXT         1097
#define IDC_WZ_TYPE_MODULES_TEXT       1098
#define IDC_WZ_TYPE_CUSTOM_TEXT        1099

// Controls of the uninstall-type page (each radio with its companion text).
#define IDC_WZ_UNINST_MODULES          1134
#define IDC_WZ_UNINST_MODULES_TEXT     1135
#define IDC_WZ_UNINST_GROUPS           1021
#define IDC_WZ_UNINST_GROUPS_TEXT      1139
#define IDC_WZ_UNINST_ALL              1020
#define IDC_WZ_UNINST_ALL_TEXT         1136

// Controls of the installing page.
#define IDC_WZ_RUN_STATUS              1040
#define IDC_WZ_RUN_PROGRESS            1041
#define IDC_WZ_RUN_LOG                 1048
#define IDC_WZ_RUN_TITLE               1058

// Controls of the finish page.
#define IDC_WZ_FINISH_TITLE            1063
#define IDC_WZ_FINISH_NOTES            1064
#define IDC_WZ_FINISH_TEXT             1066
