// Resource and command ids, shared by the .rc file and the code.
#pragma once

#define IDR_MAINMENU 101
#define IDI_MAIN 102
#define IDR_ACCELERATORS 105
#define IDI_SMALL 109
#define IDD_RELAY 110
#define IDD_FIND 111
#define IDD_REPLACE 112

// Dialog 110, the external editor.
#define IDC_RELAY_NO_INQUIRE 1013
#define IDC_RELAY_PROCESS 1014
#define IDC_RELAY_PROCESS_NAME 1015
#define IDC_RELAY_BROWSE 1016
#define IDC_RELAY_EDITOR_LABEL 1017

// Dialogs 111 and 112, find and replace.
#define IDC_SEARCH_TEXT 1018
#define IDC_REPLACE_TEXT 1019

#define ID_FILE_EXIT 40001
#define ID_HELP_ABOUT 40002
#define ID_FILE_OPEN 40003
#define ID_FILE_SAVEAS 40004
#define ID_FONT 40005
#define ID_FILE_SAVE 40007
#define ID_FILE_NEW 40008
#define ID_SAVE_SIZE 40010
#define ID_OPEN_DEFAULT 40011
#define ID_OPEN_LAST 40012
#define ID_OPEN_MAXIMIZED 40013
#define ID_TEXT_COLOR 40014
#define ID_BACK_COLOR 40015
#define ID_RELAY_SETTINGS 40016
#define ID_EUC_MODE 40017
#define ID_LF_MODE 40018
#define ID_SAVE_POSITION 40019
#define ID_WORD_WRAP 40023
#define ID_DEFAULT_EUC 40028
#define ID_DEFAULT_LF 40029
#define ID_DEFAULT_UTF8 40030
#define ID_AUTO_INDENT 40033
#define ID_FIND 40036
#define ID_FIND_NEXT 40037
#define ID_FIND_PREVIOUS 40038
#define ID_REPLACE 40039
#define ID_REPLACE_NEXT 40040
#define ID_REPLACE_PREVIOUS 40041
#define ID_IME_ON_STARTUP 40042
#define ID_USE_HISTORY 40044
#define ID_SELECT_ALL 40045
#define ID_RELAY_NOW 40046
// File > 開き直す: the open file read again in the encoding named, one id
// an encoding in the order of TextEncoding.
#define ID_REOPEN_SJIS 40050
#define ID_REOPEN_EUC 40051
#define ID_REOPEN_UTF8 40052
#define ID_REOPEN_UTF16LE 40053
#define ID_REOPEN_UTF16BE 40054
#define ID_REOPEN_FIRST ID_REOPEN_SJIS
#define ID_REOPEN_LAST ID_REOPEN_UTF16BE
// オプション > 文字 > 文字コード: the form the next save writes.
#define ID_FORM_SJIS 40060
#define ID_FORM_EUC 40061
#define ID_FORM_UTF8 40062
#define ID_FORM_UTF8_BOM 40063
#define ID_FORM_UTF16LE 40064
#define ID_FORM_UTF16BE 40065
#define ID_FORM_FIRST ID_FORM_SJIS
#define ID_FORM_LAST ID_FORM_UTF16BE
// The internal refresh command; also the child id of the edit view.
#define ID_REFRESH 40100
// Internal: the warning of an open, posted so that it comes after the window.
#define ID_OPEN_WARNING 40101
#define ID_RECENT_FIRST 40200
#define ID_RECENT_LAST 40209
// The status bar command; also the child id of the status bar.
#define ID_STATUS_BAR 41001
