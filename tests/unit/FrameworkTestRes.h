// Templates of the framework's dialog tests (numbers clear of Kestrel's own).
#pragma once
#define IDD_TEST_DIALOG 9001
#define IDD_TEST_PAGE 9002
#define IDC_TEST_NUMBER 9100
#define IDC_TEST_CHECK 9101
