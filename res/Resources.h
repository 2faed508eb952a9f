// ヨルカ's resources: dialog templates, the context menu, the string table
// and the icon, with the numbers by which the program asks for them.
#pragma once

#include "core/Resources.h"
#include "core/StandardIds.h"

// Everything below, ready for fw::SetResources.
const fw::ResourceTable& ProgramResources();

namespace res {

// Dialog templates, menu and icon.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_MAIN = 102;
inline constexpr int IDD_SETUP = 130;
inline constexpr int IDD_DAYCOUNT = 134;
inline constexpr int IDR_CONTEXT_MENU = 129;
inline constexpr int IDI_MAIN = 128;

// Strings of the program.
inline constexpr int IDS_ABOUTBOX = 101;          // the system menu's About entry
inline constexpr int IDS_APP_NAME = 102;
inline constexpr int IDS_DEFAULT_TITLE = 103;
inline constexpr int IDS_START_LABEL = 104;
inline constexpr int IDS_EXAM_LABEL = 105;
inline constexpr int IDS_DATE_CORRECTED = 106;
inline constexpr int IDS_SYSMENU_MOVE = 107;
inline constexpr int IDS_SYSMENU_MINIMIZE = 108;
inline constexpr int IDS_SYSMENU_CLOSE = 109;

// Strings that the framework asks for by its own numbers.
using fw::IDS_NO_RESOURCE;
using fw::IDS_NO_MEMORY;
using fw::IDS_HELP_FAILED;
using fw::IDS_INTERNAL_ERROR;
using fw::IDS_NOT_AN_INTEGER;
using fw::IDS_INTEGER_OUT_OF_RANGE;
using fw::IDS_TEXT_TOO_LONG;
using fw::IDS_NOT_A_POSITIVE_INTEGER;

// Commands: the context menu's items, the system menu's About entry, Help.
inline constexpr int ID_SETUP = 32771;
inline constexpr int ID_ABOUT = 32772;
inline constexpr int ID_EXIT = 32773;
inline constexpr int ID_DAYCOUNT = 32774;
inline constexpr int IDM_ABOUTBOX = 16;
using fw::ID_HELP;

// Buttons every dialog shares.
using fw::IDOK;
using fw::IDCANCEL;

// Main window (template 102).
inline constexpr int IDC_PROGRESS = 1003;
inline constexpr int IDC_TITLE = 1006;
inline constexpr int IDC_START_DATE = 1007;
inline constexpr int IDC_EXAM_DATE = 1008;
inline constexpr int IDC_SETUP = 1026;
inline constexpr int IDC_START_LABEL = 1027;
inline constexpr int IDC_EXAM_LABEL = 1028;
inline constexpr int IDC_DAYCOUNT = 1029;
inline constexpr int IDC_WHOLE_DAYS = 1031;
inline constexpr int IDC_DAYS_LEFT = 1036;
inline constexpr int IDC_GRAPH = 1037;

// Setup dialog (template 130).
inline constexpr int IDC_EXAM_YEAR = 1000;
inline constexpr int IDC_EXAM_MONTH = 1001;
inline constexpr int IDC_EXAM_DAY = 1002;
inline constexpr int IDC_NEXT_YEAR = 1003;
inline constexpr int IDC_NEXT_MONTH = 1004;
inline constexpr int IDC_NEXT_DAY = 1005;
inline constexpr int IDC_START_YEAR = 1006;
inline constexpr int IDC_START_MONTH = 1007;
inline constexpr int IDC_START_DAY = 1008;
inline constexpr int IDC_EXAM_YEAR_SPIN = 1016;
inline constexpr int IDC_EXAM_MONTH_SPIN = 1017;
inline constexpr int IDC_EXAM_DAY_SPIN = 1018;
inline constexpr int IDC_NEXT_YEAR_SPIN = 1019;
inline constexpr int IDC_NEXT_MONTH_SPIN = 1020;
inline constexpr int IDC_NEXT_DAY_SPIN = 1021;
inline constexpr int IDC_START_YEAR_SPIN = 1022;
inline constexpr int IDC_START_MONTH_SPIN = 1023;
inline constexpr int IDC_START_DAY_SPIN = 1024;
inline constexpr int IDC_EXAM_TITLE = 1025;
inline constexpr int IDC_SHOW_GRAPH = 1029;
inline constexpr int IDC_SHOW_NEXT_EXAM = 1033;

// Day-count dialog (template 134).
inline constexpr int IDC_FROM_YEAR = 1000;
inline constexpr int IDC_FROM_MONTH = 1001;
inline constexpr int IDC_FROM_DAY = 1002;
inline constexpr int IDC_TO_YEAR = 1003;
inline constexpr int IDC_TO_MONTH = 1004;
inline constexpr int IDC_TO_DAY = 1005;
inline constexpr int IDC_FROM_WEEKDAY = 1006;
inline constexpr int IDC_TO_WEEKDAY = 1007;
inline constexpr int IDC_FROM_YEAR_SPIN = 1016;
inline constexpr int IDC_FROM_MONTH_SPIN = 1017;
inline constexpr int IDC_FROM_DAY_SPIN = 1018;
inline constexpr int IDC_TO_YEAR_SPIN = 1019;
inline constexpr int IDC_TO_MONTH_SPIN = 1020;
inline constexpr int IDC_TO_DAY_SPIN = 1021;
inline constexpr int IDC_DAY_COUNT = 1025;
inline constexpr int IDC_FROM_TODAY = 1026;
inline constexpr int IDC_TO_TODAY = 1027;
inline constexpr int IDC_COMPUTE = 1032;

}  // namespace res
